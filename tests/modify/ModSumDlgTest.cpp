// The student dialog offscreen: each operation confirmed changes the document as the core does, refused
// changes nothing; the limits, the clamped boxes and the windows it opens.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "calc/Students.h"
#include "grading/GDist.h"
#include "modify/ModSumDlg.h"
#include "modify/StuView.h"
#include "modify/StudentSetup.h"
#include "platform/MessageBox.h"
#include "reports/ModOrder.h"
#include "support/ModalDriver.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

class ModSumDlgTest : public QObject {
    Q_OBJECT

    static AppState Class(int students) {
        AppState state;
        state.doc = MakeDocument(students, {{"Tests", 100, 3, 3}});
        for (int s = 1; s <= students; ++s)
            state.doc.CatData(s, 1) = NewStudentRow(std::to_string(s), std::string(1, char('z' - s % 26)));
        return state;
    }

    static void Type(ModSumDlg& dialog, const char* box, const QString& text) {
        dialog.findChild<QLineEdit*>(box)->setText(text);
    }

private slots:
    void cleanup() {
        QVERIFY(!DropModalWaits());
        QCOMPARE(MessageBox::PendingAnswers(), 0);
        MessageBox::ClearAsked();
    }

    // "A&pply" and "Al&phabetize" share Alt+P: the first press applies, the next one chooses Alphabetize.
    void sharedAccessKeyPressesApplyFirst() {
        AppState state = Class(3);
        ModSumDlg dialog(state);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        MessageBox::SetNextAnswer(MsgAnswer::No);
        QTest::keyClick(&dialog, Qt::Key_P, Qt::AltModifier);
        QCOMPARE(MessageBox::Asked().size(), size_t(1)); // Append's question
        QTest::keyClick(&dialog, Qt::Key_P, Qt::AltModifier);
        QCOMPARE(dialog.SelectedOption(), int(OptAlpha));
        QCOMPARE(MessageBox::Asked().size(), size_t(1));
    }

    void eachOperationAsksThenChangesAsTheCore() {
        const struct {
            int option;
            QString box0, box1, asked;
            std::function<void(Document&)> op;
        } cases[] = {
            {OptInsert, "2", "3",
             "Insert 2 New Student(s)\nBefore Student#  3\n      {          3 w" + QString(NameLen - 1, ' ') + "}",
             [](Document& d) { InsertStudents(d, 3, 2, ""); }},
            {OptAppend, "1", "",
             "Append 1 New Student(s)\nAfter Student#  10\n      {         10 p" + QString(NameLen - 1, ' ') + "}",
             [](Document& d) { InsertStudents(d, 11, 1, NewStudentRow("12-3", "Fudge/ Elmer")); }},
            {OptDelete, "50", "2",
             "Delete 9 Students\nStarting with Student#  2\n     {          2 x" + QString(NameLen - 1, ' ') + "}",
             [](Document& d) { DeleteStudents(d, 2, 9); }},
            {OptSwitch, "1", "4", "", [](Document& d) { SwitchStudents(d, 1, 4); }},
            {OptAlpha, "", "", "Alphabetize Students?", [](Document& d) { AlphaStudents(d); }},
            {OptAdjust, "1500", "", "Set Adjustment Points for all students to:\n999 Points?",
             [](Document& d) { SetAdjustmentPoints(d, 999); }},
        };
        for (const auto& c : cases) {
            AppState state = Class(10);
            const Document before = state.doc;
            ModSumDlg dialog(state);
            dialog.show();
            dialog.findChild<QRadioButton*>(QStringLiteral("Opt_%1").arg(c.option))->click();
            for (const auto& [box, text] : {std::pair{"txt_0", c.box0}, {"txt_1", c.box1}, {"txtID", QString("12-3")}})
                Type(dialog, box, text);
            MessageBox::SetNextAnswer(MsgAnswer::No);
            dialog.findChild<QPushButton*>("cmdApply")->click();
            QVERIFY(state.doc == before);
            QVERIFY(dialog.findChild<QPushButton*>("cmdApply")->isEnabled());
            const MessageRequest asked = MessageBox::Asked().back();
            QVERIFY(asked.title == QStringLiteral("?") && asked.buttons == MsgButtons::YesNo);
            if (!c.asked.isEmpty())
                QCOMPARE(asked.text, c.asked);
            if (c.option == OptAdjust) // the number used is written back into its box
                QCOMPARE(dialog.findChild<QLineEdit*>("txt_0")->text(), QStringLiteral("999"));

            MessageBox::SetNextAnswer(MsgAnswer::Yes);
            dialog.findChild<QPushButton*>("cmdApply")->click();
            Document expected = before;
            c.op(expected);
            QVERIFY2(state.doc == expected, qPrintable(asked.text));
            QVERIFY(dialog.DocumentChanged() && state.Changed &&
                    !dialog.findChild<QPushButton*>("cmdApply")->isEnabled());
        }
    }

    void fullClassShowsTheLimitAndChangesNothing() {
        AppState state = Class(99);
        ModSumDlg dialog(state);
        dialog.show();
        MessageBox::SetNextAnswer(MsgAnswer::Yes);
        dialog.findChild<QPushButton*>("cmdApply")->click(); // appends the 100th
        QCOMPARE(int(state.doc.NumStudents), 100);
        const Document full = state.doc;
        dialog.findChild<QRadioButton*>("Opt_0")->click();
        QCOMPARE(MessageBox::Asked().back().title, QStringLiteral("!"));
        MessageBox::ClearAsked();
        dialog.findChild<QPushButton*>("cmdApply")->click();
        QCOMPARE(MessageBox::Asked().size(), size_t(1));
        QCOMPARE(MessageBox::Asked().back().text, QStringLiteral("Maximum Number of Students is 100!"));
        QVERIFY(state.doc == full);
    }

    void spinnersLabelsAndTheWindowsItOpens() {
        AppState state = Class(10);
        state.EdCat = 2;
        ModSumDlg dialog(state);
        dialog.show();
        const auto box = [&](const char* name) { return dialog.findChild<QLineEdit*>(name)->text(); };
        QCOMPARE(box("txtName"), QStringLiteral("Fudge/ Elmer"));
        dialog.findChild<QRadioButton*>("Opt_2")->click();
        dialog.findChild<QToolButton*>("UD_1_Down")->click();
        for (int i = 0; i < 2; ++i) // two students from 9 on, no more
            dialog.findChild<QToolButton*>("UD_0_Up")->click();
        QCOMPARE(QStringList({box("txtID"), box("txt_0")}), QStringList({"          9", "2"}));
        Type(dialog, "txt_1", "3");
        QTest::mouseClick(dialog.findChild<QLabel*>("Lab_1"), Qt::LeftButton);
        QCOMPARE(box("txtID"), QStringLiteral("          3"));

        WhenModal<StuView>([](StuView* view) { view->close(); });
        dialog.findChild<QPushButton*>("cmdDispStu")->click();
        int saved = 0;
        dialog.SetSaveAsHandler([&] { ++saved; });
        dialog.findChild<QPushButton*>("cmdMSSave")->click();
        QCOMPARE(saved, 1);

        const Document before = state.doc;
        dialog.findChild<QRadioButton*>("Opt_7")->click();
        Type(dialog, "txt_0", "9");
        int fld = -1;
        WhenModal<ModOrder>([&](ModOrder* listing) {
            fld = listing->Spec().Fld;
            listing->close();
        });
        dialog.findChild<QPushButton*>("cmdApply")->click();
        QCOMPARE(fld, 2); // the last of the category's fields
        QVERIFY(state.doc == before && !dialog.DocumentChanged());
        QCOMPARE(dialog.findChild<QPushButton*>("cmdCancel")->text(), QStringLiteral("&Exit"));
        dialog.findChild<QRadioButton*>("Opt_6")->click();
        WhenModal<GDist>([](GDist* grades) { grades->close(); });
        dialog.findChild<QPushButton*>("cmdApply")->click();
        QVERIFY(state.doc == before && !dialog.DocumentChanged());
    }
};

QTEST_MAIN(ModSumDlgTest)
#include "ModSumDlgTest.moc"
