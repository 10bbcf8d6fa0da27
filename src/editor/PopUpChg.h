#pragma once

#include <QDialog>

#include "document/Document.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace markroll {

/// Sets one field of every row of a category (class average, students and, outside SUMMARY, the possible
/// points) to the same characters, after a confirmation.
class PopUpChg : public QDialog {
    Q_OBJECT
public:
    /// cat and fld are the category and field that were clicked.
    PopUpChg(AppState& state, int cat, int fld, QWidget* parent = nullptr);

    int PopCat() const { return m_popCat; }
    int PopFld() const { return m_popFld; }

    void cmdSet_Click();

private:
    AppState& m_state;
    int m_popCat = 0;
    int m_popFld = 0;
    int m_lastFld = 0;
    QLineEdit* m_txtVal = nullptr;
};

} // namespace markroll
