#pragma once

// Shared by the window tests of the shell and of the information dialog: the platform services' scripted
// answers and record of requests, and typing into the dialogs' lists as the user does.

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <string>

#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "support/ModalDriver.h"

namespace markroll::test {

inline QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

inline void ResetPlatform() {
    MessageBox::ClearAnswers();
    MessageBox::ClearAsked();
    FileDialog::ClearAnswers();
    FileDialog::ClearAsked();
}

/// For cleanup(): every scripted answer was taken and every awaited window came; nothing reaches the next test.
inline void ExpectAllAnswered() {
    QVERIFY(!DropModalWaits());
    QCOMPARE(MessageBox::PendingAnswers(), 0);
    QCOMPARE(FileDialog::PendingAnswers(), 0);
    ResetPlatform();
}

/// The message boxes shown so far, each as "title: text".
inline QStringList Shown() {
    QStringList shown;
    for (const MessageRequest& box : MessageBox::Asked())
        shown << box.title + QStringLiteral(": ") + box.text;
    return shown;
}

/// Selects a row with the arrow keys, which reports the pick (activated) as the user's choice does.
inline void PickRow(QComboBox* list, int row) {
    for (int tries = list->count(); tries > 0 && list->currentIndex() != row; --tries)
        QTest::keyClick(list, list->currentIndex() < row ? Qt::Key_Down : Qt::Key_Up);
}

/// Replaces the text of a list's edit field key by key; characters beyond ASCII arrive with their text.
inline void TypeInto(QComboBox* list, const QString& text) {
    list->lineEdit()->selectAll();
    QTest::keyClick(list->lineEdit(), Qt::Key_Delete);
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, list->lineEdit(),
                            ch.unicode() < 0x80 ? Qt::Key(ch.toUpper().unicode()) : Qt::Key_unknown, QString(ch),
                            Qt::NoModifier);
}

inline void PressEnter(QComboBox* list) {
    QTest::keyClick(list->lineEdit(), Qt::Key_Return);
}

} // namespace markroll::test
