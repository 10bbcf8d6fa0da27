#pragma once

// Helpers for the few tests that answer the toolkit's real modal boxes instead of the scripted hooks.

#include <QApplication>
#include <QByteArray>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace markroll::test {

// Owns the waits still running, so that a box that never came cannot be answered by a later test.
inline QObject& ModalWaits() {
    static QObject waits;
    return waits;
}

/// Drops every wait still running; called after each test.
inline void CancelModalWaits() {
    qDeleteAll(ModalWaits().findChildren<QTimer*>(Qt::FindDirectChildrenOnly));
}

/// Runs action on the next modal window other than notThis, once it is on the screen. Gives up after
/// five seconds.
inline void WhenModalShown(std::function<void(QWidget*)> action, QWidget* notThis = nullptr) {
    auto* timer = new QTimer(&ModalWaits());
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action = std::move(action), notThis, ticks = 0]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (++ticks < 500 && (!modal || modal == notThis || !modal->isVisible())) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        if (ticks < 500) {
            action(modal);
        }
    });
    timer->start();
}

/// While alive, the services open their real boxes even when the test run is in test mode.
class RealBoxes {
public:
    RealBoxes() : m_saved(qgetenv("MARKROLL_TEST_MODE")) { qunsetenv("MARKROLL_TEST_MODE"); }
    ~RealBoxes() {
        if (!m_saved.isEmpty()) {
            qputenv("MARKROLL_TEST_MODE", m_saved);
        }
    }
    RealBoxes(const RealBoxes&) = delete;
    RealBoxes& operator=(const RealBoxes&) = delete;

private:
    QByteArray m_saved;
};

} // namespace markroll::test
