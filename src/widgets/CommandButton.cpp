#include "widgets/CommandButton.h"

#include <QKeyEvent>

namespace markroll {

CommandButton::CommandButton(const char* name, const QString& caption, QWidget* parent, const QString& tip)
    : QPushButton(caption, parent) {
    setObjectName(QString::fromLatin1(name));
    setToolTip(tip);
    setAutoDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && !event->isAutoRepeat()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace markroll
