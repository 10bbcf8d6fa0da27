#include "widgets/SharedAccessKey.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

namespace markroll {

SharedAccessKey::SharedAccessKey(QWidget* window, QAbstractButton* command, QAbstractButton* other, int key)
    : QObject(window), m_window(window), m_command(command), m_other(other), m_key(key) {
    qApp->installEventFilter(this);
}

bool SharedAccessKey::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool ours = m_window && widget && widget->window() == m_window && m_window->isActiveWindow();
    const bool altKey = key->key() == m_key && key->modifiers() == Qt::AltModifier;
    if (!ours || !altKey) {
        // Any other key in the window starts the pair over.
        if (ours && type == QEvent::KeyPress && key->key() != Qt::Key_Alt)
            m_commandPressed = false;
        return QObject::eventFilter(watched, event);
    }
    if (type == QEvent::ShortcutOverride) {
        // Claimed here, so the key arrives as a key press instead of going to the shared shortcut.
        event->accept();
        return true;
    }
    const bool commandReady = m_command && m_command->isVisible() && m_command->isEnabled();
    if (commandReady && !m_commandPressed) {
        m_commandPressed = true;
        m_command->setFocus(Qt::ShortcutFocusReason);
        m_command->click();
    } else if (m_other && m_other->isVisible() && m_other->isEnabled()) {
        m_commandPressed = false;
        m_other->setFocus(Qt::ShortcutFocusReason);
        // An option button is chosen as its own key would choose it. A second command button is only reached
        // (Space presses it), so a repeated key never runs a command the teacher did not ask for; it is pressed
        // at once when it is the only one of the pair that can be used.
        if (m_other->isCheckable() || !commandReady)
            m_other->click();
    }
    return true;
}

} // namespace markroll
