#pragma once

// Shared by the application shell's GUI tests: scripting the platform services and driving modal windows
// without ever blocking on them.

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/FileDialog.h"
#include "platform/MessageBox.h"

namespace markroll::test {

/// Forgets every scripted answer and every recorded request of the platform services.
inline void ResetPlatform() {
    MessageBox::ClearAnswers();
    MessageBox::ClearAsked();
    FileDialog::ClearAnswers();
    FileDialog::ClearAsked();
}

inline FileDialogResult Chosen(const QString& path) {
    return {FileDialogResult::Status::Chosen, path, {}};
}
inline FileDialogResult Cancelled() {
    return {FileDialogResult::Status::Cancelled, {}, {}};
}

/// Runs action on the next modal window of type T as soon as it is shown. Whatever the action leaves open
/// is closed afterwards, and a window that never shows up is reported, so a test never waits forever.
template <typename T> void WhenModal(std::function<void(T*)> action, int timeoutMs = 5000) {
    auto* timer = new QTimer(qApp);
    auto* clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, action, timeoutMs] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!window || !window->isVisible()) {
            if (clock->elapsed() > timeoutMs) {
                timer->stop();
                timer->deleteLater();
                delete clock;
                QTest::qFail("the expected modal window did not open", __FILE__, __LINE__);
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        delete clock;
        QPointer<T> guard(window);
        action(window);
        if (guard && guard->isVisible()) {
            QTest::qFail("the modal window was left open", __FILE__, __LINE__);
            guard->close();
        }
    });
    timer->start();
}

/// Selects a row of a list as the user does with the arrow keys, which reports the pick (activated).
/// A list that does not take the keys (a disabled one) is left as it is.
inline void PickRow(QComboBox* list, int row) {
    for (int tries = list->count(); tries > 0 && list->currentIndex() != row; --tries)
        QTest::keyClick(list, list->currentIndex() < row ? Qt::Key_Down : Qt::Key_Up);
}

/// Types text key by key; characters beyond ASCII arrive as the keyboard sends them, with their text.
inline void TypeText(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(widget, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

/// Replaces the text of a list's edit field by typing.
inline void TypeInto(QComboBox* list, const QString& text) {
    list->lineEdit()->selectAll();
    QTest::keyClick(list->lineEdit(), Qt::Key_Delete);
    TypeText(list->lineEdit(), text);
}

inline void PressEnter(QComboBox* list) {
    QTest::keyClick(list->lineEdit(), Qt::Key_Return);
}

} // namespace markroll::test

namespace markroll::test {

/// Closes any modal window that opens while the returned timer lives, and fails the test: for steps that
/// must not open one. Delete the timer when the step is over.
inline QTimer* FailOnModal() {
    auto* timer = new QTimer(qApp);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [] {
        if (QWidget* window = QApplication::activeModalWidget()) {
            QTest::qFail(qPrintable(QStringLiteral("an unexpected window opened: ") + window->objectName()), __FILE__,
                         __LINE__);
            window->close();
        }
    });
    timer->start();
    return timer;
}

} // namespace markroll::test
