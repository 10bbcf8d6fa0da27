#pragma once

#include <QDialog>

#include "document/Document.h"

class QPushButton;

namespace markroll {

/// The splash window shown at start-up until "&Start" is pressed. It shows no document data; it takes the
/// program state like every window so that start-up builds all windows the same way.
class frmLogo : public QDialog {
    Q_OBJECT
public:
    explicit frmLogo(AppState& state, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* Command1 = nullptr;
};

} // namespace markroll
