#pragma once

#include <QDialog>

#include "document/Document.h"

class QLabel;
class QPushButton;

namespace markroll {

/// The about box: title, version and description, and a way to the desktop's system information program.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(AppState& state, QWidget* parent = nullptr);

private:
    void cmdSysInfo_Click();

    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
};

} // namespace markroll
