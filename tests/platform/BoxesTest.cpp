#include "platform/InputBox.h"
#include "platform/MessageBox.h"
#include "platform/Pickers.h"
#include "platform/Platform.h"

#include "support/ModalDriver.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <QtTest>
#include <array>

using namespace markroll;
using namespace markroll::test;

using B = MsgButtons;
using A = MsgAnswer;

class BoxesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("MARKROLL_TEST_MODE", "1"); }
    void cleanup() { QVERIFY2(!DropModalWaits(), "an expected modal window never opened"); }

    // Escape gives the most cautious answer a box has, and so does a box left unscripted in test mode.
    void realMessageBox() {
        // buttons, icon, Qt's icon, what is pressed (a caption, "Escape" or "Return"), answer, sorted captions
        // clang-format off
        const std::tuple<B, MsgIcon, int, QString, A, QString> cases[] = {
            {B::YesNoCancel, MsgIcon::Question,    QMessageBox::Question,    "&Yes",    A::Yes,    "&Cancel &No &Yes"},
            {B::YesNo,       MsgIcon::Exclamation, QMessageBox::Warning,     "&No",     A::No,     "&No &Yes"},
            {B::OkCancel,    MsgIcon::Information, QMessageBox::Information, "&Cancel", A::Cancel, "&Cancel &OK"},
            {B::Ok,          MsgIcon::Critical,    QMessageBox::Critical,    "Escape",  A::Ok,     "&OK"},
            {B::YesNoCancel, MsgIcon::None,        QMessageBox::NoIcon,      "Escape",  A::Cancel, "&Cancel &No &Yes"},
            {B::YesNo,       MsgIcon::None,        QMessageBox::NoIcon,      "Escape",  A::No,     "&No &Yes"},
            {B::OkCancel,    MsgIcon::None,        QMessageBox::NoIcon,      "Return",  A::Ok,     "&Cancel &OK"},
        };
        // clang-format on
        for (const auto& [buttons, icon, qtIcon, press, expected, captions] : cases) {
            if (press == "Escape")
                QCOMPARE(MessageBox::Show(nullptr, "text", buttons, MsgIcon::None, "Forgotten"), expected);
            RealBoxes real;
            QList<QVariant> seen; // title, text, icon, text format, sorted captions
            WhenModal<QMessageBox>([&seen, press = press](QMessageBox* box) {
                QStringList shown;
                QAbstractButton* target = nullptr;
                for (QAbstractButton* button : box->buttons()) {
                    shown << button->text();
                    target = button->text() == press ? button : target;
                }
                shown.sort();
                seen = {box->windowTitle(), box->text(), int(box->icon()), int(box->textFormat()), shown.join(' ')};
                target ? target->click() : QTest::keyClick(box, press == "Escape" ? Qt::Key_Escape : Qt::Key_Return);
            });
            QCOMPARE(MessageBox::Show(nullptr, "3 Fields\nafter 2", buttons, icon, "Insert"), expected);
            // The texts are never markup.
            QCOMPARE(seen, QList<QVariant>({"Insert", "3 Fields\nafter 2", qtIcon, int(Qt::PlainText), captions}));
        }
    }

    void sizesArePulledIntoTheRange() {
        // size, lowest, highest, expected; a range given upside down counts as its lowest size alone
        const std::array<int, 4> cases[] = {{3, 4, 18, 4}, {10, 4, 18, 10}, {72, 4, 18, 18}, {10, 12, 8, 12}};
        for (const auto& [size, minSize, maxSize, expected] : cases)
            QCOMPARE(FontPicker::ClampSize(size, minSize, maxSize), expected);
        FontPicker::SetNextAnswer(FontChoice{"Liberation Mono", 24, true, false}); // scripted sizes too
        QCOMPARE(FontPicker::Pick(nullptr, FontChoice{"Courier", 8, false, false}, 4, 18),
                 std::optional(FontChoice{"Liberation Mono", 18, true, false}));
    }

    // The input box, and the pickers, which offer only fixed-pitch fonts and sizes of the range, pulling the
    // initial size into it.
    void realDialogsAcceptedOrCancelled() {
        QCOMPARE(InputBox::Show(nullptr, "Field Number", "Fields", "1"), QString()); // unscripted in test mode
        for (bool accept : {true, false}) {
            RealBoxes real;
            QList<QVariant> seen; // title, prompt, default text, position
            WhenModal([&, accept](QWidget* modal) {
                auto* edit = modal->findChild<QLineEdit*>("txtInput");
                seen = {modal->windowTitle(), modal->findChild<QLabel*>("lblPrompt")->text(), edit->text(),
                        modal->pos()};
                edit->clear();
                QTest::keyClicks(edit, "Smith, Ann");
                Press(modal, accept ? "cmdOK" : "cmdCancel");
            });
            QCOMPARE(InputBox::Show(nullptr, "Number of Students", "Students", "40", QPoint(1440, 2880)),
                     accept ? "Smith, Ann" : QString());
            QCOMPARE(seen, QList<QVariant>(
                               {"Students", "Number of Students", "40", QPoint(TwipsToPxX(1440), TwipsToPxY(2880))}));

            QStringList families; // the one shown, then those offered
            QList<int> shown;     // lowest and highest size, size, bold, italic
            WhenModal([&, accept](QWidget* modal) {
                auto* fontBox = modal->findChild<QFontComboBox*>("cmbFont");
                auto* sizeBox = modal->findChild<QSpinBox*>("spnSize");
                auto* bold = modal->findChild<QCheckBox*>("chkBold");
                families << fontBox->currentFont().family();
                for (int i = 0; i < fontBox->count(); ++i)
                    families << fontBox->itemText(i);
                shown = {sizeBox->minimum(), sizeBox->maximum(), sizeBox->value(), bold->isChecked(),
                         modal->findChild<QCheckBox*>("chkItalic")->isChecked()};
                bold->click();
                Press(modal, accept ? "cmdOK" : "cmdCancel");
            });
            const auto chosen = FontPicker::Pick(nullptr, FontChoice{"Courier", 2, false, true}, 4, 18);
            for (const QString& offered : families)
                QVERIFY2(QFontDatabase::isFixedPitch(offered), qPrintable(offered));
            QCOMPARE(families.front(), ResolveFont("Courier", 8).family());
            QCOMPARE(shown, QList<int>({4, 18, 4, false, true}));
            QCOMPARE(chosen, accept ? std::optional(FontChoice{families.front(), 4, true, true}) : std::nullopt);

            QColor color;
            WhenModal<QColorDialog>([&color, accept](QColorDialog* dialog) {
                color = dialog->currentColor();
                dialog->setCurrentColor(QColor(255, 0, 255));
                accept ? dialog->accept() : dialog->reject();
            });
            QCOMPARE(ColorPicker::Pick(nullptr, QColor(0, 128, 128)),
                     accept ? std::optional(QColor(255, 0, 255)) : std::nullopt);
            QCOMPARE(color, QColor(0, 128, 128));
        }
    }
};

QTEST_MAIN(BoxesTest)
#include "BoxesTest.moc"
