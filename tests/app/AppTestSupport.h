#pragma once

// For the window tests of the shell and the information dialog: the platform's record, and typing into lists.

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "support/ModalDriver.h"

namespace markroll::test {

/// For cleanup(): every scripted answer was taken and every awaited window came; then all are forgotten.
inline void ExpectAllAnswered() {
    QVERIFY(!DropModalWaits());
    QCOMPARE(MessageBox::PendingAnswers(), 0);
    QCOMPARE(FileDialog::PendingAnswers(), 0);
    MessageBox::ClearAnswers();
    MessageBox::ClearAsked();
    FileDialog::ClearAnswers();
    FileDialog::ClearAsked();
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

/// Replaces the text of a list's edit field key by key, each key with its text as the keyboard sends it.
inline void TypeInto(QComboBox* list, const QString& text) {
    list->lineEdit()->selectAll();
    QTest::keyClick(list->lineEdit(), Qt::Key_Delete);
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, list->lineEdit(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

} // namespace markroll::test
