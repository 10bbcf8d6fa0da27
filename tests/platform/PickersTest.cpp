#include "platform/Pickers.h"
#include "platform/Platform.h"

#include "support/ModalDriver.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>
#include <array>

using namespace markroll;
using namespace markroll::test;

namespace {

void AcceptOrCancel() {
    QTest::addColumn<bool>("accept");
    QTest::newRow("chosen") << true;
    QTest::newRow("cancelled") << false;
}

} // namespace

class PickersTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("MARKROLL_TEST_MODE", "1"); }
    void cleanup() { QVERIFY2(!DropModalWaits(), "an expected modal window never opened"); }

    void sizesArePulledIntoTheRange() {
        // size, lowest, highest, expected; a range given upside down counts as its lowest size alone
        const std::array<int, 4> cases[] = {{3, 4, 18, 4},   {4, 4, 18, 4},  {10, 4, 18, 10}, {18, 4, 18, 18},
                                            {72, 4, 18, 18}, {-8, 4, 18, 4}, {10, 12, 8, 12}};
        for (const auto& [size, minSize, maxSize, expected] : cases)
            QCOMPARE(FontPicker::ClampSize(size, minSize, maxSize), expected);
    }

    // A scripted font size is pulled into the range too.
    void scriptedFontSizeIsPulledIntoTheRange() {
        FontPicker::SetNextAnswer(FontChoice{"Liberation Mono", 24, true, false});
        QCOMPARE(FontPicker::Pick(nullptr, FontChoice{"Courier", 8, false, false}, 4, 18),
                 std::optional(FontChoice{"Liberation Mono", 18, true, false}));
    }

    void realFontPicker_data() { AcceptOrCancel(); }

    // Only fixed-pitch fonts and sizes of the range are offered; the initial size is pulled into the range.
    void realFontPicker() {
        QFETCH(bool, accept);
        RealBoxes real;
        QStringList families;
        QString family;
        QList<int> sizes;   // lowest, highest, shown, after typing "30"
        QList<bool> styles; // bold, italic
        WhenModal([&, accept](QWidget* modal) {
            auto* fontBox = modal->findChild<QFontComboBox*>("cmbFont");
            auto* sizeBox = modal->findChild<QSpinBox*>("spnSize");
            auto* bold = modal->findChild<QCheckBox*>("chkBold");
            auto* italic = modal->findChild<QCheckBox*>("chkItalic");
            for (int i = 0; i < fontBox->count(); ++i)
                families << fontBox->itemText(i);
            family = fontBox->currentFont().family();
            sizes = {sizeBox->minimum(), sizeBox->maximum(), sizeBox->value()};
            styles = {bold->isChecked(), italic->isChecked()};
            sizeBox->selectAll();
            QTest::keyClicks(sizeBox, "30");
            sizes << sizeBox->value();
            bold->click();
            Press(modal, accept ? "cmdOK" : "cmdCancel");
        });
        const auto chosen = FontPicker::Pick(nullptr, FontChoice{"Courier", 2, false, true}, 4, 18);

        QVERIFY(!families.isEmpty());
        for (const QString& offered : families)
            QVERIFY2(QFontDatabase::isFixedPitch(offered), qPrintable(offered));
        QCOMPARE(family, ResolveFont("Courier", 8).family());
        QCOMPARE(sizes.mid(0, 3), QList<int>({4, 18, 4}));
        QCOMPARE(styles, QList<bool>({false, true}));
        QCOMPARE(chosen.has_value(), accept);
        QVERIFY(!accept || *chosen == (FontChoice{family, sizes.value(3), true, true}));
        QVERIFY(!accept || (chosen->size >= 4 && chosen->size <= 18)); // "30" typed
    }

    void realColorPicker_data() { AcceptOrCancel(); }

    void realColorPicker() {
        QFETCH(bool, accept);
        RealBoxes real;
        QColor shown;
        WhenModal<QColorDialog>([&shown, accept](QColorDialog* dialog) {
            shown = dialog->currentColor();
            dialog->setCurrentColor(QColor(255, 0, 255));
            accept ? dialog->accept() : dialog->reject();
        });
        const auto chosen = ColorPicker::Pick(nullptr, QColor(0, 128, 128));
        QCOMPARE(shown, QColor(0, 128, 128));
        QCOMPARE(chosen, accept ? std::optional<QColor>(QColor(255, 0, 255)) : std::nullopt);
    }
};

QTEST_MAIN(PickersTest)
#include "PickersTest.moc"
