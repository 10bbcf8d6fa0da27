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

    // With nothing scripted, a box in test mode is not shown and gives the most cautious answer it has.
    void unscriptedBoxesGiveTheCautiousAnswer() {
        const std::pair<B, A> cases[] = {
            {B::Ok, A::Ok}, {B::OkCancel, A::Cancel}, {B::YesNo, A::No}, {B::YesNoCancel, A::Cancel}};
        for (const auto& [buttons, expected] : cases)
            QCOMPARE(MessageBox::Show(nullptr, "text", buttons, MsgIcon::None, "Forgotten"), expected);
        QCOMPARE(InputBox::Show(nullptr, "Field Number", "Fields", "1"), QString());
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
        QList<int> look;  // icon, text format
        QStringList seen; // title, text, then the sorted captions
        WhenModal<QMessageBox>([&, press](QMessageBox* box) {
            look = {int(box->icon()), int(box->textFormat())};
            QStringList shown;
            QAbstractButton* target = nullptr;
            for (QAbstractButton* button : box->buttons()) {
                shown << button->text();
                target = button->text() == press ? button : target;
            }
            shown.sort();
            seen = QStringList{box->windowTitle(), box->text()} + shown;
            target ? target->click() : QTest::keyClick(box, press == "Escape" ? Qt::Key_Escape : Qt::Key_Return);
        });
        const MsgAnswer answer =
            MessageBox::Show(nullptr, "Insert 3 Fields\nafter Field 2", buttons, icon, "Insert Fields");

        QCOMPARE(seen, QStringList({"Insert Fields", "Insert 3 Fields\nafter Field 2"}) + captions);
        QCOMPARE(look, QList<int>({qtIcon, int(Qt::PlainText)})); // the texts are never markup
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
            auto* edit = modal->findChild<QLineEdit*>("txtInput");
            seen = {modal->windowTitle(), modal->findChild<QLabel*>("lblPrompt")->text(), edit->text()};
            pos = modal->pos();
            if (!typed.isEmpty()) {
                edit->clear();
                QTest::keyClicks(edit, typed);
            }
            Press(modal, accept ? "cmdOK" : "cmdCancel");
        });
        const QString answer = InputBox::Show(nullptr, "Number of Students", "Students", "40", QPoint(1440, 2880));

        QCOMPARE(seen, QStringList({"Students", "Number of Students", "40"}));
        QCOMPARE(pos, QPoint(TwipsToPxX(1440), TwipsToPxY(2880)));
        QCOMPARE(answer, expected);
    }
};

QTEST_MAIN(BoxesTest)
#include "BoxesTest.moc"
