#pragma once

// Helpers for the tests that answer the toolkit's real modal boxes instead of the scripted hooks.

#include <QApplication>
#include <QByteArray>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <type_traits>

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

/// Runs action on the next modal window other than notThis once it is on the screen; a window that is not
/// a Box is closed instead. Gives up after five seconds.
template <class Box = QWidget>
void WhenModalShown(std::type_identity_t<std::function<void(Box*)>> action, QWidget* notThis = nullptr) {
    auto* timer = new QTimer(&ModalWaits());
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action = std::move(action), notThis, ticks = 0]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (++ticks < 500 && (!modal || modal == notThis || !modal->isVisible())) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        if (ticks >= 500) {
            return;
        }
        if (auto* box = qobject_cast<Box*>(modal)) {
            action(box);
        } else {
            modal->close();
        }
    });
    timer->start();
}

/// While alive, the services open their real boxes even when the test run is in test mode.
struct RealBoxes {
    const QByteArray saved = qgetenv("MARKROLL_TEST_MODE");
    RealBoxes() { qunsetenv("MARKROLL_TEST_MODE"); }
    ~RealBoxes() { qputenv("MARKROLL_TEST_MODE", saved); }
};

} // namespace markroll::test
