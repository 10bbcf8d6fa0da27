// The category dialog offscreen: each operation confirmed changes the document as the core does, refused
// changes nothing; the boxes are kept in range before the question; the limits fall back and hold at Apply.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <functional>

#include "calc/Structure.h"
#include "modify/ModMr.h"
#include "platform/MessageBox.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

class ModMrTest : public QObject {
    Q_OBJECT

    static AppState Cats(int cats) { // category c: "C<c>", weight 10c, c+1 fields
        std::vector<CatShape> shapes;
        for (int c = 2; c < cats + 2; ++c)
            shapes.push_back({"C" + std::to_string(c), 10 * c, c + 1, 3});
        AppState state;
        state.doc = MakeDocument(3, shapes);
        return state;
    }

private slots:
    void cleanup() {
        QCOMPARE(MessageBox::PendingAnswers(), 0);
        MessageBox::ClearAsked();
    }

    void eachOperationAsksThenChangesAsTheCore() {
        const struct {
            int option;
            QStringList boxes; // txtMod_0 ..; empty ones keep what was loaded
            QString title, asked, box0;
            std::function<void(Document&)> op;
        } cases[] = {
            {0,
             {"9", "1500", "0", "", "New"},
             "Insert Category",
             "Insert New Category Before Category 4\nWeight= 999\nNumber of Fields= 1\nField Length= 3\nCategory Name: "
             "New",
             "4",
             [](Document& d) { InsertCategory(d, 4, 2, 3, "New", 999); }},
            {1,
             {"", "5", "", "9", ""},
             "Append Category",
             "Append New Category After Category 4\nWeight= 5\nNumber of Fields= 4\nField Length= 4\nCategory Name: C4",
             "4",
             [](Document& d) { InsertCategory(d, 5, 5, 4, "C4", 5); }},
            {2,
             {"1"},
             "Delete Existing Category",
             "Delete Category2\n2. C2 [20%] - {3}",
             "2",
             [](Document& d) { DeleteCategory(d, 2); }},
            {3,
             {"4", "", "4"},
             "Switch Categories",
             "Switch Category 4 with Category 2",
             "4",
             [](Document& d) { SwitchCategories(d, 4, 2); }},
        };
        for (const auto& c : cases) {
            AppState state = Cats(3);
            const Document before = state.doc;
            ModMr dialog(state);
            dialog.findChild<QRadioButton*>(QStringLiteral("optMod_%1").arg(c.option))->click();
            for (int k = 0; k < c.boxes.size(); ++k)
                if (!c.boxes[k].isEmpty())
                    dialog.findChild<QLineEdit*>(QStringLiteral("txtMod_%1").arg(k))->setText(c.boxes[k]);
            MessageBox::SetNextAnswer(MsgAnswer::Cancel);
            dialog.findChild<QPushButton*>("cmdApply")->click();
            QVERIFY(state.doc == before && !state.Changed && !dialog.DocumentChanged());
            QCOMPARE(dialog.findChild<QLineEdit*>("txtMod_0")->text(), c.box0); // written back before asking
            const MessageRequest asked = MessageBox::Asked().back();
            QVERIFY(asked.buttons == MsgButtons::OkCancel && asked.icon == MsgIcon::None);
            QCOMPARE(QStringList({asked.title, asked.text}), QStringList({c.title, c.asked}));

            MessageBox::SetNextAnswer(MsgAnswer::Ok);
            dialog.findChild<QPushButton*>("cmdApply")->click();
            Document expected = before;
            c.op(expected);
            QVERIFY2(state.doc == expected && state.Changed && dialog.DocumentChanged(), qPrintable(asked.text));
        }
    }

    void limitsFallBackAndHoldAtApply() {
        AppState state = Cats(7);
        ModMr dialog(state);
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        dialog.findChild<QPushButton*>("cmdApply")->click(); // the tenth category
        const Document full = state.doc;
        for (int i = 0; i < 2; ++i) // the limit, at Apply and at choosing Append
            MessageBox::SetNextAnswer(MsgAnswer::Ok);
        dialog.findChild<QPushButton*>("cmdApply")->click();
        QVERIFY(state.doc == full);
        const MessageRequest limit = MessageBox::Asked().back();
        QCOMPARE(QStringList({limit.title, limit.text}), QStringList({"Insert Category", "Maximum of 10 Categories"}));
        QVERIFY(limit.icon == MsgIcon::Exclamation);
        dialog.findChild<QRadioButton*>("optMod_1")->click();
        QCOMPARE(dialog.SelectedOption(), 2); // Delete instead
        QCOMPARE(dialog.findChild<QLabel*>("labMod_0")->text(), QStringLiteral("Delete"));
        QVERIFY(!dialog.findChild<QLineEdit*>("txtMod_1")->isEnabled());
    }
};

QTEST_MAIN(ModMrTest)
#include "ModMrTest.moc"
