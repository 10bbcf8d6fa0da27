#pragma once

#include <QDialog>
#include <string>

#include "document/Document.h"

class QPushButton;

namespace markroll {

/// The description of the field clicked on the editor page, with "&Edit" to rewrite it. A click anywhere on
/// the window closes it.
class PopUpInfo : public QDialog {
    Q_OBJECT
public:
    /// catText and fldText are the category and field as the editor hands them over (numbers as text).
    PopUpInfo(AppState& state, int cat, int fld, QWidget* parent = nullptr);

    int PopCat() const { return m_popCat; }
    int PopFld() const { return m_popFld; }
    /// The description printed on the window.
    QString ShownText() const { return m_shown; }

    void cmdPopEdit_Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void ShowDescription();

    AppState& m_state;
    int m_popCat = 0;
    int m_popFld = 0;
    QString m_shown;
    QPushButton* m_cmdPopEdit = nullptr;
};

} // namespace markroll
