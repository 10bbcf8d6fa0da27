// The field dialog offscreen: the boxes reach the model and are written back before the question, Cancel
// changes nothing, OK changes the document as the model does; the limits hold at Apply; the windows it opens.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "modify/CatView.h"
#include "modify/FieldSetup.h"
#include "modify/ModCatDlg.h"
#include "platform/MessageBox.h"
#include "reports/ModOrder.h"
#include "support/ModalDriver.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

class ModCatDlgTest : public QObject {
    Q_OBJECT

    AppState state;
    QString Box(ModCatDlg& d, int k) { return d.findChild<QLineEdit*>(QStringLiteral("txt_%1").arg(k))->text(); }
    void Type(ModCatDlg& d, int k, const QString& text) {
        d.findChild<QLineEdit*>(QStringLiteral("txt_%1").arg(k))->setText(text);
    }
    // Presses Apply with answer to the box it opens; returns that box's title and text.
    QStringList Apply(ModCatDlg& d, MsgAnswer answer) {
        MessageBox::SetNextAnswer(answer);
        d.findChild<QPushButton*>("cmdApply")->click();
        const MessageRequest& asked = MessageBox::Asked().back();
        return {asked.title, asked.text};
    }
    QString Caption(ModCatDlg& d, const char* name) { return d.findChild<QPushButton*>(name)->text(); }

private slots:
    void init() {
        state = AppState{};
        state.doc = MakeDocument(3, {{"Tests", 40, 5, 3}, {"Labs", 60, 3, 3}});
        state.EdCat = 2;
    }
    void cleanup() {
        QVERIFY(!DropModalWaits());
        QCOMPARE(MessageBox::PendingAnswers(), 0);
        MessageBox::ClearAsked();
    }

    void insertUntilFullThenDeleteAllButOne() {
        ModCatDlg dialog(state);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Insert New Fields"));
        QCOMPARE(dialog.Header(), QStringLiteral("2. Tests [40%] - {5}"));
        QVERIFY(!dialog.findChild<QLineEdit*>("txt_2")->isVisible() &&
                !dialog.findChild<QLabel*>("labFieldVar")->isVisible());
        Type(dialog, 1, "9");
        Type(dialog, 3, "1e6");
        const Document before = state.doc;
        QCOMPARE(
            Apply(dialog, MsgAnswer::Cancel),
            QStringList({"Insert/Append Fields", "Insert 59 Field(s) Before Field 4\n   Using a Field Length of 4"}));
        QVERIFY(state.doc == before && !state.Changed && Caption(dialog, "cmdCancel") == "Canc&el");
        QCOMPARE(QStringList({Box(dialog, 1), Box(dialog, 3)}), QStringList({"4", "59"}));
        Apply(dialog, MsgAnswer::Ok);
        QCOMPARE(int(state.doc.CatFields[2]), MaxFields);
        QVERIFY(state.Changed && dialog.DocumentChanged() && Caption(dialog, "cmdCancel") == "&Exit");
        QVERIFY(dialog.findChild<QPushButton*>("cmdMCSave")->styleSheet().contains("#ff0000"));
        QCOMPARE(dialog.Header(), QStringLiteral("2. Tests [40%] - {64}"));

        const Document full = state.doc; // Apply again: the limit, not a 65th field
        QCOMPARE(Apply(dialog, MsgAnswer::Ok), QStringList({"Insert/Append Fields", "Category is Full"}));
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        dialog.findChild<QRadioButton*>("Opt_1")->click();
        QCOMPARE(dialog.SelectedOption(), -1);
        dialog.findChild<QPushButton*>("cmdApply")->click(); // nothing selected, nothing asked
        QCOMPARE(MessageBox::Asked().size(), size_t(4));
        QVERIFY(state.doc == full);

        dialog.findChild<QRadioButton*>("Opt_3")->click();
        Type(dialog, 0, "1");
        Type(dialog, 3, "99");
        QCOMPARE(Apply(dialog, MsgAnswer::Ok)[1], QStringLiteral("Delete All but One Active Field?"));
        QCOMPARE(int(state.doc.CatFields[2]), 2);
        QCOMPARE(Apply(dialog, MsgAnswer::Ok)[1], QStringLiteral("Must have at least Two User Fields to Delete"));
        QCOMPARE(int(state.doc.CatFields[2]), 2);
    }

    void nameWeightOrderAndTheOtherButtons() {
        ModCatDlg dialog(state);
        dialog.show();
        dialog.findChild<QRadioButton*>("Opt_0")->click();
        QCOMPARE(QStringList({Box(dialog, 4), Box(dialog, 5)}), QStringList({"40", "Tests"}));
        dialog.findChild<QPushButton*>("cmdApply")->click(); // neither changed: no question
        QVERIFY(MessageBox::Asked().empty() && !state.Changed);
        Type(dialog, 4, "-90");
        QCOMPARE(Apply(dialog, MsgAnswer::Ok)[1], QStringLiteral("Change Category Weight:\n   From:  40\n   To:  90"));
        QCOMPARE(QList<int>({state.doc.CatWeight[2], state.doc.CatWeight[0]}), QList<int>({90, 150}));

        state.Changed = false;
        dialog.findChild<QRadioButton*>("Opt_5")->click();
        Type(dialog, 0, "7");
        int fld = -1;
        WhenModal<ModOrder>([&](ModOrder* listing) {
            fld = listing->Spec().Fld;
            listing->close();
        });
        const Document before = state.doc;
        dialog.findChild<QPushButton*>("cmdApply")->click();
        QVERIFY(fld == 4 && state.doc == before && !state.Changed && Caption(dialog, "cmdCancel") == "&Exit");
        WhenModal<CatView>([](CatView* view) { view->close(); });
        dialog.findChild<QPushButton*>("cmdDispCat")->click();
        int saved = 0;
        dialog.SetSaveAsHandler([&] { ++saved; });
        dialog.findChild<QPushButton*>("cmdMCSave")->click();
        QVERIFY(saved == 1 && dialog.findChild<QPushButton*>("cmdMCSave")->styleSheet().contains("#80ff80"));
        dialog.findChild<QPushButton*>("cmdCancel")->click();
        QVERIFY(!dialog.isVisible() && state.doc == before);
    }

    // "A&pply" and "Dis&play Catagories" share Alt+P: the first press applies.
    void sharedAccessKeyPressesApplyFirst() {
        ModCatDlg dialog(state);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        MessageBox::SetNextAnswer(MsgAnswer::Cancel);
        QTest::keyClick(&dialog, Qt::Key_P, Qt::AltModifier);
        QCOMPARE(MessageBox::Asked().size(), size_t(1));
    }
};

QTEST_MAIN(ModCatDlgTest)
#include "ModCatDlgTest.moc"
