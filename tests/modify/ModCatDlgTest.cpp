// The field dialog offscreen: the boxes reach the model and are written back before the question, Cancel
// changes nothing, OK changes the document as the model does; the limits hold at Apply; the windows it opens.

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "modify/CatView.h"
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
    std::unique_ptr<ModCatDlg> d;
    QLineEdit* Box(int k) { return d->findChild<QLineEdit*>(QStringLiteral("txt_%1").arg(k)); }
    QPushButton* Button(const char* name) { return d->findChild<QPushButton*>(name); }
    void Option(int i) { d->findChild<QRadioButton*>(QStringLiteral("Opt_%1").arg(i))->click(); }
    // Presses Apply with answer to the box it opens; returns that box's title and text.
    QStringList Apply(MsgAnswer answer) {
        MessageBox::SetNextAnswer(answer);
        Button("cmdApply")->click();
        return {MessageBox::Asked().back().title, MessageBox::Asked().back().text};
    }

private slots:
    void init() {
        d.reset();
        state = AppState{};
        state.doc = MakeDocument(3, {{"Tests", 40, 5, 3}, {"Labs", 60, 3, 3}});
        state.EdCat = 2;
        d = std::make_unique<ModCatDlg>(state);
        d->show();
    }
    void cleanup() {
        QVERIFY(!DropModalWaits());
        QCOMPARE(MessageBox::PendingAnswers(), 0);
        MessageBox::ClearAsked();
    }

    void insertUntilFullThenDeleteAllButOne() {
        QVERIFY(d->windowTitle() == "Insert New Fields" && !Box(2)->isVisible());
        Box(1)->setText("9");
        Box(3)->setText("1e6");
        const Document before = state.doc;
        // "A&pply" and "Dis&play Catagories" share Alt+P; the first press applies.
        d->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d.get()));
        MessageBox::SetNextAnswer(MsgAnswer::Cancel);
        QTest::keyClick(d.get(), Qt::Key_P, Qt::AltModifier);
        QCOMPARE(MessageBox::Asked().back().text, "Insert 59 Field(s) Before Field 4\n   Using a Field Length of 4");
        QVERIFY(state.doc == before && !state.Changed && Button("cmdCancel")->text() == "Canc&el");
        QCOMPARE(QStringList({Box(1)->text(), Box(3)->text()}), QStringList({"4", "59"}));
        QCOMPARE(Apply(MsgAnswer::Ok)[0], QStringLiteral("Insert/Append Fields"));
        QVERIFY(state.doc.CatFields[2] == MaxFields && state.Changed && d->DocumentChanged());
        QVERIFY(Button("cmdCancel")->text() == "&Exit" && Button("cmdMCSave")->styleSheet().contains("#ff0000"));
        QCOMPARE(d->Header(), QStringLiteral("2. Tests [40%] - {64}"));

        const Document full = state.doc; // Apply again: the limit, not a 65th field
        QCOMPARE(Apply(MsgAnswer::Ok), QStringList({"Insert/Append Fields", "Category is Full"}));
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        Option(1);
        Button("cmdApply")->click(); // nothing selected, nothing asked
        QVERIFY(d->SelectedOption() == -1 && MessageBox::Asked().size() == 4 && state.doc == full);

        Option(3);
        Box(0)->setText("1");
        Box(3)->setText("99");
        QCOMPARE(Apply(MsgAnswer::Ok)[1], QStringLiteral("Delete All but One Active Field?"));
        QCOMPARE(Apply(MsgAnswer::Ok)[1], QStringLiteral("Must have at least Two User Fields to Delete"));
        QCOMPARE(int(state.doc.CatFields[2]), 2);
    }

    void nameWeightOrderAndTheOtherButtons() {
        Option(0);
        QCOMPARE(QStringList({Box(4)->text(), Box(5)->text()}), QStringList({"40", "Tests"}));
        Button("cmdApply")->click(); // neither changed: no question
        QVERIFY(MessageBox::Asked().empty() && !state.Changed);
        Box(4)->setText("-90");
        QCOMPARE(Apply(MsgAnswer::Ok)[1], QStringLiteral("Change Category Weight:\n   From:  40\n   To:  90"));
        QCOMPARE(QList<int>({state.doc.CatWeight[2], state.doc.CatWeight[0]}), QList<int>({90, 150}));

        state.Changed = false;
        const Document before = state.doc;
        Option(5);
        Box(0)->setText("7");
        int fld = -1;
        WhenModal<ModOrder>([&](ModOrder* listing) {
            fld = listing->Spec().Fld;
            listing->close();
        });
        Button("cmdApply")->click();
        QVERIFY(fld == 4 && state.doc == before && !state.Changed && Button("cmdCancel")->text() == "&Exit");
        WhenModal<CatView>([](CatView* view) { view->close(); });
        Button("cmdDispCat")->click();
        int saved = 0;
        d->SetSaveAsHandler([&] { ++saved; });
        Button("cmdMCSave")->click();
        QVERIFY(saved == 1 && Button("cmdMCSave")->styleSheet().contains("#80ff80"));
        Button("cmdCancel")->click();
        QVERIFY(!d->isVisible() && state.doc == before);
    }
};

QTEST_MAIN(ModCatDlgTest)
#include "ModCatDlgTest.moc"
