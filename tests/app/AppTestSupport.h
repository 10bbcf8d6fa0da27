#pragma once

// Shared by the GUI tests of the shell's windows: scripting the platform services and driving modal windows
// without ever blocking on them.

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>

#include "platform/FileDialog.h"
#include "platform/MessageBox.h"

namespace markroll::test {

inline QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

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

/// The message boxes shown so far, each as "title: text".
inline QStringList Shown() {
    QStringList shown;
    for (const MessageRequest& box : MessageBox::Asked())
        shown << box.title + QStringLiteral(": ") + box.text;
    return shown;
}

/// The items of a list, top to bottom.
inline QStringList Items(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

/// Runs action on the next modal window of type T as soon as it is shown. Whatever the action leaves open
/// is closed afterwards, and a window that never shows up is reported, so a test never waits forever.
template <typename T> void WhenModal(std::function<void(T*)> action, int timeoutMs = 5000) {
    auto* timer = new QTimer(qApp);
    QElapsedTimer clock;
    clock.start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, action, timeoutMs] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!window || !window->isVisible()) {
            if (clock.elapsed() > timeoutMs) {
                timer->stop();
                timer->deleteLater();
                QTest::qFail("the expected modal window did not open", __FILE__, __LINE__);
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        QPointer<T> guard(window);
        action(window);
        if (guard && guard->isVisible()) {
            QTest::qFail("the modal window was left open", __FILE__, __LINE__);
            guard->close();
        }
    });
    timer->start(5);
}

/// Closes any modal window that opens while the returned timer lives, and fails the test: for steps that
/// must not open one. Delete the timer when the step is over.
inline QTimer* FailOnModal() {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [] {
        if (QWidget* window = QApplication::activeModalWidget()) {
            QTest::qFail(qPrintable(QStringLiteral("an unexpected window opened: ") + window->objectName()), __FILE__,
                         __LINE__);
            window->close();
        }
    });
    timer->start(20);
    return timer;
}

/// Selects a row of a list as the user does with the arrow keys, which reports the pick (activated).
/// A list that does not take the keys (a disabled one) is left as it is.
inline void PickRow(QComboBox* list, int row) {
    for (int tries = list->count(); tries > 0 && list->currentIndex() != row; --tries)
        QTest::keyClick(list, list->currentIndex() < row ? Qt::Key_Down : Qt::Key_Up);
}

/// Replaces the text of a list's edit field by typing, key by key; characters beyond ASCII arrive as the
/// keyboard sends them, with their text.
inline void TypeInto(QComboBox* list, const QString& text) {
    QLineEdit* edit = list->lineEdit();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(edit, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

inline void PressEnter(QComboBox* list) {
    QTest::keyClick(list->lineEdit(), Qt::Key_Return);
}

} // namespace markroll::test
