#include "platform/InputBox.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"

#include "ModalDriver.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace markroll;
using markroll::test::CancelModalWaits;
using markroll::test::RealBoxes;
using markroll::test::WhenModalShown;

Q_DECLARE_METATYPE(markroll::MsgButtons)
Q_DECLARE_METATYPE(markroll::MsgIcon)
Q_DECLARE_METATYPE(markroll::MsgAnswer)

namespace {

// What the user saw in a real message box.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

} // namespace

class BoxesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("MARKROLL_TEST_MODE", "1"); }
    void cleanup() { CancelModalWaits(); }

    void init() {
        MessageBox::ClearAsked();
        MessageBox::ClearAnswers();
        InputBox::ClearAsked();
        InputBox::ClearAnswers();
    }

    void scriptedAnswersAreUsedInOrderAndRecorded() {
        MessageBox::SetNextAnswer(MsgAnswer::Yes);
        MessageBox::SetNextAnswer(MsgAnswer::Cancel);
        QCOMPARE(MessageBox::Show(nullptr, "Save Markroll Before Exiting ?", MsgButtons::YesNoCancel, MsgIcon::None,
                                  "Exit Markroll Program"),
                 MsgAnswer::Yes);
        QCOMPARE(MessageBox::Show(nullptr, "Create New Markroll", MsgButtons::OkCancel, MsgIcon::Question, "New"),
                 MsgAnswer::Cancel);
        QCOMPARE(MessageBox::PendingAnswers(), 0);

        const auto& asked = MessageBox::Asked();
        QCOMPARE(asked.size(), 2u);
        QCOMPARE(asked[0].title, QString("Exit Markroll Program"));
        QCOMPARE(asked[0].text, QString("Save Markroll Before Exiting ?"));
        QCOMPARE(asked[0].buttons, MsgButtons::YesNoCancel);
        QCOMPARE(asked[0].icon, MsgIcon::None);
        QCOMPARE(asked[1].title, QString("New"));
        QCOMPARE(asked[1].buttons, MsgButtons::OkCancel);
        QCOMPARE(asked[1].icon, MsgIcon::Question);
    }

    void unscriptedBoxInTestModeAnswersLikeCancel_data() {
        QTest::addColumn<MsgButtons>("buttons");
        QTest::addColumn<MsgAnswer>("expected");
        QTest::newRow("ok") << MsgButtons::Ok << MsgAnswer::Ok;
        QTest::newRow("ok cancel") << MsgButtons::OkCancel << MsgAnswer::Cancel;
        QTest::newRow("yes no") << MsgButtons::YesNo << MsgAnswer::No;
        QTest::newRow("yes no cancel") << MsgButtons::YesNoCancel << MsgAnswer::Cancel;
    }

    void unscriptedBoxInTestModeAnswersLikeCancel() {
        QFETCH(MsgButtons, buttons);
        QFETCH(MsgAnswer, expected);
        QCOMPARE(MessageBox::Show(nullptr, "text", buttons, MsgIcon::Exclamation, "Forgotten"), expected);
        QCOMPARE(MessageBox::Asked().size(), 1u);
        QCOMPARE(MessageBox::Asked().front().title, QString("Forgotten"));
    }

    void realBoxShowsTheButtonsAndReturnsThePressedOne_data() {
        QTest::addColumn<MsgButtons>("buttons");
        QTest::addColumn<MsgIcon>("icon");
        QTest::addColumn<QString>("press"); // a button caption, or "Escape" / "Return"
        QTest::addColumn<MsgAnswer>("expected");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<int>("qtIcon");

        const QStringList ok{"&OK"};
        const QStringList okCancel{"&Cancel", "&OK"};
        const QStringList yesNo{"&No", "&Yes"};
        const QStringList yesNoCancel{"&Cancel", "&No", "&Yes"};
        QTest::newRow("yes") << MsgButtons::YesNoCancel << MsgIcon::Question << "&Yes" << MsgAnswer::Yes << yesNoCancel
                             << int(QMessageBox::Question);
        QTest::newRow("no") << MsgButtons::YesNo << MsgIcon::Exclamation << "&No" << MsgAnswer::No << yesNo
                            << int(QMessageBox::Warning);
        QTest::newRow("ok") << MsgButtons::Ok << MsgIcon::Critical << "&OK" << MsgAnswer::Ok << ok
                            << int(QMessageBox::Critical);
        QTest::newRow("cancel") << MsgButtons::OkCancel << MsgIcon::Information << "&Cancel" << MsgAnswer::Cancel
                                << okCancel << int(QMessageBox::Information);
        QTest::newRow("escape yes no cancel") << MsgButtons::YesNoCancel << MsgIcon::None << "Escape"
                                              << MsgAnswer::Cancel << yesNoCancel << int(QMessageBox::NoIcon);
        QTest::newRow("escape yes no") << MsgButtons::YesNo << MsgIcon::None << "Escape" << MsgAnswer::No << yesNo
                                       << int(QMessageBox::NoIcon);
        QTest::newRow("escape ok cancel") << MsgButtons::OkCancel << MsgIcon::None << "Escape" << MsgAnswer::Cancel
                                          << okCancel << int(QMessageBox::NoIcon);
        QTest::newRow("return takes the first button") << MsgButtons::OkCancel << MsgIcon::None << "Return"
                                                       << MsgAnswer::Ok << okCancel << int(QMessageBox::NoIcon);
    }

    void realBoxShowsTheButtonsAndReturnsThePressedOne() {
        QFETCH(MsgButtons, buttons);
        QFETCH(MsgIcon, icon);
        QFETCH(QString, press);
        QFETCH(MsgAnswer, expected);
        QFETCH(QStringList, captions);
        QFETCH(int, qtIcon);

        RealBoxes real;
        SeenBox seen;
        WhenModalShown([&seen, press](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box) {
                modal->close();
                return;
            }
            seen = {box->windowTitle(), box->text(), box->icon(), {}};
            QAbstractButton* target = nullptr;
            for (QAbstractButton* button : box->buttons()) {
                seen.buttons << button->text();
                if (button->text() == press) {
                    target = button;
                }
            }
            seen.buttons.sort();
            if (press == "Escape") {
                QTest::keyClick(box, Qt::Key_Escape);
            } else if (press == "Return") {
                QTest::keyClick(box, Qt::Key_Return);
            } else if (target) {
                target->click();
            } else {
                box->close();
            }
        });
        const MsgAnswer answer =
            MessageBox::Show(nullptr, "Insert 3 Fields\nafter Field 2", buttons, icon, "Insert Fields");

        QCOMPARE(seen.title, QString("Insert Fields"));
        QCOMPARE(seen.text, QString("Insert 3 Fields\nafter Field 2"));
        QCOMPARE(int(seen.icon), qtIcon);
        QCOMPARE(seen.buttons, captions);
        QCOMPARE(answer, expected);
    }

    void realBoxShowsMarkupAsPlainText() {
        RealBoxes real;
        Qt::TextFormat format = Qt::RichText;
        WhenModalShown([&format](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                format = box->textFormat();
            }
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        MessageBox::Show(nullptr, "<b>Smith</b>", MsgButtons::Ok, MsgIcon::None, "Names");
        QCOMPARE(format, Qt::PlainText);
    }

    void inputBoxScriptedAndUnscripted() {
        InputBox::SetNextAnswer("12");
        QCOMPARE(InputBox::Show(nullptr, "Number of Students", "Students", "40", QPoint(1440, 720)), QString("12"));
        // Nothing scripted in test mode: the box is cancelled without being shown.
        QCOMPARE(InputBox::Show(nullptr, "Field Number", "Fields", "1"), QString());

        const auto& asked = InputBox::Asked();
        QCOMPARE(asked.size(), 2u);
        QCOMPARE(asked[0].prompt, QString("Number of Students"));
        QCOMPARE(asked[0].title, QString("Students"));
        QCOMPARE(asked[0].defaultText, QString("40"));
        QCOMPARE(asked[0].posTwips, std::optional<QPoint>(QPoint(1440, 720)));
        QCOMPARE(asked[1].posTwips, std::optional<QPoint>());
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
        QString title, prompt, initial;
        QPoint pos;
        WhenModalShown([&, typed, accept](QWidget* modal) {
            title = modal->windowTitle();
            pos = modal->pos();
            auto* label = modal->findChild<QLabel*>("lblPrompt");
            auto* edit = modal->findChild<QLineEdit*>("txtInput");
            auto* button = modal->findChild<QPushButton*>(accept ? "cmdOK" : "cmdCancel");
            if (!label || !edit || !button) {
                modal->close();
                return;
            }
            prompt = label->text();
            initial = edit->text();
            if (!typed.isEmpty()) {
                edit->clear();
                QTest::keyClicks(edit, typed);
            }
            button->click();
        });
        const QString answer = InputBox::Show(nullptr, "Number of Students", "Students", "40", QPoint(1440, 2880));

        QCOMPARE(title, QString("Students"));
        QCOMPARE(prompt, QString("Number of Students"));
        QCOMPARE(initial, QString("40"));
        QCOMPARE(pos, QPoint(TwipsToPxX(1440), TwipsToPxY(2880)));
        QCOMPARE(answer, expected);
    }
};

QTEST_MAIN(BoxesTest)
#include "BoxesTest.moc"
