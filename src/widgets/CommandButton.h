#pragma once

#include <QPushButton>

namespace markroll {

/// A button of the editing dialogs. Enter presses it while it has the focus, as Space does; it never becomes
/// the dialog's default button, because Enter in the dialogs' lists commits a row and must not press a button
/// as well.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(const char* name, const QString& caption, QWidget* parent, const QString& tip = QString());

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace markroll
