#include "platform/InputBox.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"

#include "support/ModalDriver.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace markroll;
using namespace markroll::test;

Q_DECLARE_METATYPE(markroll::MsgButtons)
Q_DECLARE_METATYPE(markroll::MsgIcon)
Q_DECLARE_METATYPE(markroll::MsgAnswer)

using B = MsgButtons;
using A = MsgAnswer;

class BoxesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("MARKROLL_TEST_MODE", "1"); }
    void cleanup() { QVERIFY2(!DropModalWaits(), "an expected modal window never opened"); }

    void init() {
        MessageBox::ClearAsked();
        MessageBox::ClearAnswers();
        InputBox::ClearAsked();
        InputBox::ClearAnswers();
    }

    // Scripted answers are used in order and every request is recorded; once they run out, a box in test
    // mode is not shown and gives the most cautious answer it has.
    void scriptedAnswersThenCautiousOnes() {
        MessageBox::SetNextAnswer(MsgAnswer::Yes);
        MessageBox::SetNextAnswer(MsgAnswer::Cancel);
        QCOMPARE(MessageBox::Show(nullptr, "Save Markroll Before Exiting ?", MsgButtons::YesNoCancel, MsgIcon::Question,
                                  "Exit Markroll Program"),
                 MsgAnswer::Yes);
        QCOMPARE(MessageBox::Show(nullptr, "Create New Markroll", MsgButtons::OkCancel, MsgIcon::None, "New"),
                 MsgAnswer::Cancel);
        const std::pair<B, A> unscripted[] = {
            {B::Ok, A::Ok}, {B::OkCancel, A::Cancel}, {B::YesNo, A::No}, {B::YesNoCancel, A::Cancel}};
        for (const auto& [buttons, expected] : unscripted) {
            QCOMPARE(MessageBox::Show(nullptr, "text", buttons, MsgIcon::None, "Forgotten"), expected);
        }
        QCOMPARE(MessageBox::PendingAnswers(), 0);
        const auto& asked = MessageBox::Asked();
        QCOMPARE(asked.size(), 6u);
        QCOMPARE(asked[0].title, QString("Exit Markroll Program"));
        QCOMPARE(asked[0].text, QString("Save Markroll Before Exiting ?"));
        QCOMPARE(asked[0].buttons, MsgButtons::YesNoCancel);
        QCOMPARE(asked[0].icon, MsgIcon::Question);

        InputBox::SetNextAnswer("12");
        QCOMPARE(InputBox::Show(nullptr, "Number of Students", "Students", "40", QPoint(1440, 720)), QString("12"));
        QCOMPARE(InputBox::Show(nullptr, "Field Number", "Fields", "1"), QString());
        const auto& inputs = InputBox::Asked();
        QCOMPARE(inputs.size(), 2u);
        QCOMPARE(QStringList({inputs[0].prompt, inputs[0].title, inputs[0].defaultText}),
                 QStringList({"Number of Students", "Students", "40"}));
        QCOMPARE(inputs[0].posTwips, std::optional<QPoint>(QPoint(1440, 720)));
        QCOMPARE(inputs[1].posTwips, std::optional<QPoint>());
    }

    void realMessageBox_data() {
        QTest::addColumn<MsgButtons>("buttons");
        QTest::addColumn<MsgIcon>("icon");
        QTest::addColumn<int>("qtIcon");
        QTest::addColumn<QString>("press"); // a button caption, or "Escape" / "Return"
        QTest::addColumn<MsgAnswer>("expected");
        QTest::addColumn<QStringList>("captions"); // sorted

        const QStringList ok{"&OK"}, okCancel{"&Cancel", "&OK"}, yesNo{"&No", "&Yes"};
        const QStringList yesNoCancel{"&Cancel", "&No", "&Yes"};
        const int none = QMessageBox::NoIcon;
        QTest::newRow("yes") << B::YesNoCancel << MsgIcon::Question << int(QMessageBox::Question) << "&Yes" << A::Yes
                             << yesNoCancel;
        QTest::newRow("no") << B::YesNo << MsgIcon::Exclamation << int(QMessageBox::Warning) << "&No" << A::No << yesNo;
        QTest::newRow("ok") << B::Ok << MsgIcon::Critical << int(QMessageBox::Critical) << "&OK" << A::Ok << ok;
        QTest::newRow("cancel") << B::OkCancel << MsgIcon::Information << int(QMessageBox::Information) << "&Cancel"
                                << A::Cancel << okCancel;
        QTest::newRow("escape yes no cancel")
            << B::YesNoCancel << MsgIcon::None << none << "Escape" << A::Cancel << yesNoCancel;
        QTest::newRow("escape yes no") << B::YesNo << MsgIcon::None << none << "Escape" << A::No << yesNo;
        QTest::newRow("return takes the first button")
            << B::OkCancel << MsgIcon::None << none << "Return" << A::Ok << okCancel;
    }

    void realMessageBox() {
        QFETCH(MsgButtons, buttons);
        QFETCH(MsgIcon, icon);
        QFETCH(int, qtIcon);
        QFETCH(QString, press);
        QFETCH(MsgAnswer, expected);
        QFETCH(QStringList, captions);

        RealBoxes real;
        QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
        Qt::TextFormat format = Qt::RichText;
        QStringList seen; // title, text, then the sorted captions
        WhenModal<QMessageBox>([&, press](QMessageBox* box) {
            seenIcon = box->icon();
            format = box->textFormat();
            QStringList shown;
            QAbstractButton* target = nullptr;
            for (QAbstractButton* button : box->buttons()) {
                shown << button->text();
                target = button->text() == press ? button : target;
            }
            shown.sort();
            seen = QStringList{box->windowTitle(), box->text()} + shown;
            if (target) {
                target->click();
            } else {
                QTest::keyClick(box, press == "Escape" ? Qt::Key_Escape : Qt::Key_Return);
            }
        });
        const MsgAnswer answer =
            MessageBox::Show(nullptr, "Insert 3 Fields\nafter Field 2", buttons, icon, "Insert Fields");

        QCOMPARE(seen, QStringList({"Insert Fields", "Insert 3 Fields\nafter Field 2"}) + captions);
        QCOMPARE(int(seenIcon), qtIcon);
        QCOMPARE(format, Qt::PlainText); // the texts are never markup
        QCOMPARE(answer, expected);
    }

    void realInputBox_data() {
        QTest::addColumn<QString>("typed"); // empty: leave the default text alone
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("expected");
        QTest::newRow("typed and OK") << "Smith, Ann" << true << "Smith, Ann";
        QTest::newRow("default kept") << "" << true << "40";
        QTest::newRow("cancel gives empty") << "Smith, Ann" << false << "";
    }

    void realInputBox() {
        QFETCH(QString, typed);
        QFETCH(bool, accept);
        QFETCH(QString, expected);

        RealBoxes real;
        QStringList seen; // title, prompt, default text
        QPoint pos;
        WhenModal([&, typed, accept](QWidget* modal) {
            auto* label = modal->findChild<QLabel*>("lblPrompt");
            auto* edit = modal->findChild<QLineEdit*>("txtInput");
            auto* button = modal->findChild<QPushButton*>(accept ? "cmdOK" : "cmdCancel");
            if (!label || !edit || !button) {
                modal->close();
                return;
            }
            seen = {modal->windowTitle(), label->text(), edit->text()};
            pos = modal->pos();
            if (!typed.isEmpty()) {
                edit->clear();
                QTest::keyClicks(edit, typed);
            }
            button->click();
        });
        const QString answer = InputBox::Show(nullptr, "Number of Students", "Students", "40", QPoint(1440, 2880));

        QCOMPARE(seen, QStringList({"Students", "Number of Students", "40"}));
        QCOMPARE(pos, QPoint(TwipsToPxX(1440), TwipsToPxY(2880)));
        QCOMPARE(answer, expected);
    }
};

QTEST_MAIN(BoxesTest)
#include "BoxesTest.moc"
