#pragma once

// Drives the modal windows of GUI tests without ever blocking on them: a window that should open and does
// not, or that an answer leaves open, fails the test instead of hanging it.

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <type_traits>

namespace markroll::test {

// Owns the waits still running, so that a window that never came cannot be answered by a later test.
inline QObject& ModalWaits() {
    static QObject waits;
    return waits;
}

/// Runs action on the next visible modal window of type T once it is shown (windows of other types are
/// waited past). Fails the test when none shows within timeoutMs or when the action leaves it open.
template <class T = QWidget>
void WhenModal(std::type_identity_t<std::function<void(T*)>> action, int timeoutMs = 5000) {
    auto* timer = new QTimer(&ModalWaits());
    QElapsedTimer clock;
    clock.start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, action = std::move(action), timeoutMs] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        const bool shown = window && window->isVisible();
        if (!shown && clock.elapsed() <= timeoutMs)
            return;
        timer->stop();
        timer->deleteLater();
        if (!shown)
            return QTest::qFail("the expected modal window did not open", __FILE__, __LINE__);
        QPointer<T> guard(window);
        action(window);
        if (guard && guard->isVisible()) {
            QTest::qFail("the modal window was left open", __FILE__, __LINE__);
            guard->close();
        }
    });
    timer->start(10);
}

/// Drops the waits still running, for cleanup(); true when there were any (a window that should have
/// opened did not).
inline bool DropModalWaits() {
    bool waiting = false;
    for (QTimer* timer : ModalWaits().findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) {
        waiting = waiting || timer->isActive();
        delete timer;
    }
    return waiting;
}

/// Closes any modal window that opens while the returned timer lives, and fails the test: for steps that
/// must not open one. Delete the timer when the step is over.
inline QTimer* FailOnModal() {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [] {
        if (QWidget* window = QApplication::activeModalWidget()) {
            QTest::qFail(qPrintable("an unexpected window opened: " + window->objectName()), __FILE__, __LINE__);
            window->close();
        }
    });
    timer->start(20);
    return timer;
}

/// While alive, the platform services open their real boxes even when the run is in test mode.
struct RealBoxes {
    const QByteArray saved = qgetenv("MARKROLL_TEST_MODE");
    RealBoxes() { qunsetenv("MARKROLL_TEST_MODE"); }
    ~RealBoxes() { qputenv("MARKROLL_TEST_MODE", saved); }
};

/// Clicks the named child of parent, which must be shown and enabled.
inline void Press(QWidget* parent, const QString& name, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    auto* child = parent->findChild<QWidget*>(name);
    QVERIFY2(child && child->isVisible() && child->isEnabled(), qPrintable(name));
    QTest::mouseClick(child, Qt::LeftButton, mods);
}

} // namespace markroll::test
