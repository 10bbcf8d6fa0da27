#include "platform/Pickers.h"
#include "platform/Platform.h"

#include "ModalDriver.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using namespace markroll;
using markroll::test::CancelModalWaits;
using markroll::test::RealBoxes;
using markroll::test::WhenModalShown;

namespace {

// What the user saw in the real font picker.
struct SeenFontPicker {
    QStringList families;
    QString family;
    int minimum = -1;
    int maximum = -1;
    int size = -1;
    bool bold = false;
    bool italic = false;
    int typedSize = -1;
};

} // namespace

class PickersTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("MARKROLL_TEST_MODE", "1"); }
    void cleanup() { CancelModalWaits(); }

    void sizesArePulledIntoTheRange_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("minSize");
        QTest::addColumn<int>("maxSize");
        QTest::addColumn<int>("expected");
        QTest::newRow("below") << 3 << 4 << 18 << 4;
        QTest::newRow("lowest") << 4 << 4 << 18 << 4;
        QTest::newRow("inside") << 10 << 4 << 18 << 10;
        QTest::newRow("highest") << 18 << 4 << 18 << 18;
        QTest::newRow("above") << 72 << 4 << 18 << 18;
        QTest::newRow("negative") << -8 << 4 << 18 << 4;
        QTest::newRow("upside-down range") << 10 << 12 << 8 << 12;
    }

    void sizesArePulledIntoTheRange() {
        QFETCH(int, size);
        QFETCH(int, minSize);
        QFETCH(int, maxSize);
        QFETCH(int, expected);
        QCOMPARE(FontPicker::ClampSize(size, minSize, maxSize), expected);
    }

    void scriptedAnswersAndRecords() {
        const int colorsBefore = ColorPicker::TimesAsked();
        ColorPicker::SetNextAnswer(QColor(255, 255, 0));
        ColorPicker::SetNextAnswer(std::nullopt);
        QCOMPARE(ColorPicker::Pick(nullptr, QColor(0, 0, 128)), std::optional<QColor>(QColor(255, 255, 0)));
        QCOMPARE(ColorPicker::LastInitial(), QColor(0, 0, 128));
        QCOMPARE(ColorPicker::Pick(nullptr, QColor(0, 0, 0)), std::optional<QColor>());
        // Nothing scripted in test mode: cancelled without a dialog.
        QCOMPARE(ColorPicker::Pick(nullptr, QColor(0, 0, 0)), std::optional<QColor>());
        QCOMPARE(ColorPicker::TimesAsked(), colorsBefore + 3);
        QCOMPARE(ColorPicker::PendingAnswers(), 0);

        const int fontsBefore = FontPicker::TimesAsked();
        const FontChoice courier{"Courier", 8, false, false};
        FontPicker::SetNextAnswer(FontChoice{"Liberation Mono", 24, true, false});
        FontPicker::SetNextAnswer(std::nullopt);
        QCOMPARE(FontPicker::Pick(nullptr, courier, 4, 18),
                 std::optional(FontChoice{"Liberation Mono", 18, true, false}));
        QCOMPARE(FontPicker::LastInitial(), courier);
        QCOMPARE(FontPicker::LastMinSize(), 4);
        QCOMPARE(FontPicker::LastMaxSize(), 18);
        QCOMPARE(FontPicker::Pick(nullptr, courier, 4, 18), std::optional<FontChoice>());
        QCOMPARE(FontPicker::Pick(nullptr, courier, 4, 18), std::optional<FontChoice>());
        QCOMPARE(FontPicker::TimesAsked(), fontsBefore + 3);
    }

    void realFontPickerOffersOnlyFixedPitchFontsAndTheSizeRange() {
        RealBoxes real;
        SeenFontPicker seen;
        WhenModalShown([&seen](QWidget* modal) {
            auto* fontBox = modal->findChild<QFontComboBox*>("cmbFont");
            auto* sizeBox = modal->findChild<QSpinBox*>("spnSize");
            auto* bold = modal->findChild<QCheckBox*>("chkBold");
            auto* italic = modal->findChild<QCheckBox*>("chkItalic");
            auto* ok = modal->findChild<QPushButton*>("cmdOK");
            if (!fontBox || !sizeBox || !bold || !italic || !ok) {
                modal->close();
                return;
            }
            for (int i = 0; i < fontBox->count(); ++i) {
                seen.families << fontBox->itemText(i);
            }
            seen.family = fontBox->currentFont().family();
            seen.minimum = sizeBox->minimum();
            seen.maximum = sizeBox->maximum();
            seen.size = sizeBox->value();
            seen.bold = bold->isChecked();
            seen.italic = italic->isChecked();

            sizeBox->selectAll();
            QTest::keyClicks(sizeBox, "30");
            seen.typedSize = sizeBox->value();
            bold->click();
            ok->click();
        });
        const auto chosen = FontPicker::Pick(nullptr, FontChoice{"Courier", 2, false, true}, 4, 18);

        QVERIFY(!seen.families.isEmpty());
        for (const QString& family : seen.families) {
            QVERIFY2(QFontDatabase::isFixedPitch(family), qPrintable(family));
        }
        QCOMPARE(seen.family, ResolveFont("Courier", 8).family());
        QCOMPARE(seen.minimum, 4);
        QCOMPARE(seen.maximum, 18);
        QCOMPARE(seen.size, 4);
        QVERIFY(!seen.bold);
        QVERIFY(seen.italic);
        QVERIFY(chosen.has_value());
        QCOMPARE(chosen->name, seen.family);
        QVERIFY2(chosen->size >= 4 && chosen->size <= 18, qPrintable(QString::number(chosen->size)));
        QCOMPARE(chosen->size, seen.typedSize);
        QVERIFY(chosen->bold);
        QVERIFY(chosen->italic);
    }

    void realFontPickerCancelKeepsNothing() {
        RealBoxes real;
        WhenModalShown([](QWidget* modal) {
            if (auto* cancel = modal->findChild<QPushButton*>("cmdCancel")) {
                cancel->click();
            } else {
                modal->close();
            }
        });
        QCOMPARE(FontPicker::Pick(nullptr, FontChoice{"Courier", 8, false, false}, 4, 18), std::optional<FontChoice>());
    }

    void realColorPicker_data() {
        QTest::addColumn<bool>("accept");
        QTest::newRow("chosen") << true;
        QTest::newRow("cancelled") << false;
    }

    void realColorPicker() {
        QFETCH(bool, accept);
        RealBoxes real;
        QColor shown;
        WhenModalShown([&shown, accept](QWidget* modal) {
            auto* dialog = qobject_cast<QColorDialog*>(modal);
            if (!dialog) {
                modal->close();
                return;
            }
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
