// The field dialog offscreen: the boxes reach the model and are written back before the question, Cancel
// changes nothing, OK changes the document as the model does; the limits hold at Apply; the windows it opens.

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

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

    ModCatDlg* d = nullptr;
    QLineEdit* Box(int k) { return d->findChild<QLineEdit*>(QStringLiteral("txt_%1").arg(k)); }
    QPushButton* Button(const char* name) { return d->findChild<QPushButton*>(name); }
    void Option(int i) { d->findChild<QRadioButton*>(QStringLiteral("Opt_%1").arg(i))->click(); }
    // Presses Apply with answer to the box it opens; returns that box's text.
    QString Apply(MsgAnswer answer) {
        MessageBox::SetNextAnswer(answer);
        Button("cmdApply")->click();
        return MessageBox::Asked().back().text;
    }

private slots:
    void applyLimitsOrderAndTheOtherButtons() {
        AppState state;
        state.doc = MakeDocument(3, {{"Tests", 40, 5, 3}, {"Labs", 60, 3, 3}});
        state.EdCat = 2;
        ModCatDlg dialog(state);
        d = &dialog;
        d->show();
        QVERIFY(d->windowTitle() == "Insert New Fields" && !Box(2)->isVisible());
        Box(1)->setText("9");
        Box(3)->setText("1e6");
        const Document before = state.doc;
        // "A&pply" and "Dis&play Catagories" share Alt+P; the first press applies.
        d->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d));
        MessageBox::SetNextAnswer(MsgAnswer::Cancel);
        QTest::keyClick(d, Qt::Key_P, Qt::AltModifier);
        QCOMPARE(MessageBox::Asked().back().text, "Insert 59 Field(s) Before Field 4\n   Using a Field Length of 4");
        QVERIFY(state.doc == before && !state.Changed && Button("cmdCancel")->text() == "Canc&el");
        QCOMPARE(QStringList({Box(1)->text(), Box(3)->text()}), QStringList({"4", "59"}));
        Apply(MsgAnswer::Ok);
        QVERIFY(state.doc.CatFields[2] == MaxFields && state.Changed && d->DocumentChanged());
        QVERIFY(Button("cmdCancel")->text() == "&Exit" && Button("cmdMCSave")->styleSheet().contains("#ff0000"));
        QCOMPARE(d->Header(), QStringLiteral("2. Tests [40%] - {64}"));
        // Apply checks the limit again: no 65th field; the option that the limit closes is not selected.
        const Document full = state.doc;
        QCOMPARE(Apply(MsgAnswer::Ok), QStringLiteral("Category is Full"));
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        Option(1);
        Button("cmdApply")->click();
        QVERIFY(d->SelectedOption() == -1 && state.doc == full);
        Option(0); // the name and weight as they are: nothing to ask
        Button("cmdApply")->click();
        QVERIFY(MessageBox::Asked().size() == 4 && state.doc == full);

        state.Changed = false;
        const Document changed = state.doc;
        Option(5);
        Box(0)->setText("70");
        int fld = -1;
        WhenModal<ModOrder>([&](ModOrder* listing) {
            fld = listing->Spec().Fld;
            listing->close();
        });
        Button("cmdApply")->click();
        QVERIFY(fld == 63 && state.doc == changed && !state.Changed);
        WhenModal<CatView>([](CatView* view) { view->close(); });
        Button("cmdDispCat")->click();
        int saved = 0;
        d->SetSaveAsHandler([&] { ++saved; });
        Button("cmdMCSave")->click();
        QVERIFY(saved == 1 && Button("cmdMCSave")->styleSheet().contains("#80ff80"));
        Button("cmdCancel")->click();
        QVERIFY(!d->isVisible() && state.doc == changed);
        QVERIFY(!DropModalWaits());
        QCOMPARE(MessageBox::PendingAnswers(), 0);
    }
};

QTEST_MAIN(ModCatDlgTest)
#include "ModCatDlgTest.moc"
