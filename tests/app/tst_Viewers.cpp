// The categories viewer, the about box and the splash window, and the geometry of the category charts.

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/AppTestSupport.h"
#include "app/CategoryChart.h"
#include "app/ChartPainter.h"
#include "app/frmAbout.h"
#include "app/frmLogo.h"
#include "modify/CatView.h"
#include "platform/Platform.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

// 100 twips a character and 200 twips a line: easy numbers to check the layouts with.
TwipSize FakeMeasure(std::string_view text) {
    return {100.0 * double(text.size()), 200};
}

} // namespace

class TestViewers : public QObject {
    Q_OBJECT

private slots:
    void init() { ResetPlatform(); }

    void cleanup() {
        QCOMPARE(MessageBox::PendingAnswers(), 0);
        ResetPlatform();
    }

    void catViewLayout() {
        const CategoryChart chart = LayoutCatView(MakeDocument(5, {{"Tests", 40, 12}}), FakeMeasure);
        QCOMPARE(Q(chart.heading), QStringLiteral("3 categories"));
        const QStringList captions = {"0. SUMMARY [40%] - {5}", "1. NAME DATA [0%] - {2}", "2. Tests [40%] - {12}"};
        QCOMPARE(chart.entries.size(), std::size_t(3));
        QCOMPARE(chart.boxWidth, 2300.0); // the NAME DATA caption is the widest
        QCOMPARE(chart.boxHeight, 200.0);
        QCOMPARE(chart.windowWidth, 3100.0);
        QCOMPARE(chart.windowHeight, 2200.0);
        QCOMPARE(chart.headingX, 950.0);
        QCOMPARE(chart.headingY, 100.0);
        QCOMPARE(chart.headingColor, 14);
        for (std::size_t i = 0; i < 3; ++i) {
            QCOMPARE(Q(chart.entries[i].text), captions[int(i)]);
            QCOMPARE(chart.entries[i].x, 300.0);
            QCOMPARE(chart.entries[i].y, 500 + 400.0 * double(i));
            QCOMPARE(chart.entries[i].boxColor, i < 2 ? 4 : 10);
            QCOMPARE(chart.entries[i].textColor, i < 2 ? 14 : 0);
        }
    }

    void planOverviewLayout() {
        Document doc;
        const CategoryChart chart = LayoutPlanOverview(Initialize(doc, false), FakeMeasure);
        QCOMPARE(chart.boxWidth, 3000.0); // "2. Catagory 2 [34%] - {2} ( 3)"
        QCOMPARE(chart.headingX, 5350.0);
        QCOMPARE(chart.headingY, 100.0);
        QCOMPARE(chart.entries[0].x, 4450.0);
        QCOMPARE(chart.entries[4].y, 1600.0);
        QCOMPARE(chart.headingColor, 0);
    }

    // What the teacher sees: red boxes for SUMMARY and NAME DATA, a light-green one for Tests, each box
    // followed by a caption height of the dark-blue background, all boxes equally wide, a yellow heading.
    void catViewWindow() {
        AppState state;
        state.doc = MakeDocument(5, {{"Tests", 40, 12}});
        CatView view(state);
        view.show();
        QCOMPARE(view.windowTitle(), QStringLiteral("MarkRoll Categories"));
        const CategoryChart& chart = view.Chart();
        QCOMPARE(view.size(), QSize(TwipsToPxX(chart.windowWidth), TwipsToPxY(chart.windowHeight)));
        QVERIFY(view.findChildren<QWidget*>().isEmpty());

        const QImage shot = view.grab().toImage();
        for (std::size_t i = 0; i < 3; ++i) {
            const ChartEntry& e = chart.entries[i];
            const int left = TwipsToPxX(e.x), right = TwipsToPxX(e.x + chart.boxWidth) - 1;
            const int top = TwipsToPxY(e.y) + 1, below = TwipsToPxY(e.y + chart.boxHeight) + 2;
            const QColor box = PaletteColor(i < 2 ? 4 : 10);
            QCOMPARE(shot.pixelColor(left + 1, top), box);
            QCOMPARE(shot.pixelColor(right - 1, top), box);
            QCOMPARE(shot.pixelColor(right + 2, top), PaletteColor(1));
            QCOMPARE(shot.pixelColor(left + 1, below), PaletteColor(1));
        }
        QCOMPARE(shot.pixelColor(TwipsToPxX(20), TwipsToPxY(20)), PaletteColor(1));
        bool yellow = false;
        for (int x = 0; x < shot.width() && !yellow; ++x)
            for (int y = TwipsToPxY(100); y < TwipsToPxY(100 + chart.boxHeight) && !yellow; ++y)
                yellow = shot.pixelColor(x, y) == PaletteColor(14);
        QVERIFY(yellow);
    }

    void aboutBoxTexts() {
        AppState state;
        frmAbout about(state);
        QCOMPARE(about.windowTitle(), QStringLiteral("About MarkRoll"));
        QCOMPARE(about.findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Version 3. 0. 1"));
        QCOMPARE(about.findChild<QLabel*>("lblDescription")->text(),
                 QStringLiteral("Utility to Maintain and Report Academic Grades"));
        QCOMPARE(about.findChild<QLabel*>("lblTitle")->text().section('\n', 0, 0), QStringLiteral("Markroll"));
        QCOMPARE(about.findChild<QPushButton*>("cmdOK")->text(), QStringLiteral("&OK"));
        QCOMPARE(about.findChild<QPushButton*>("cmdSysInfo")->text(), QStringLiteral("&System Info..."));
    }

    // Enter presses the button that has the focus (the default "&OK" takes it only from elsewhere); without
    // a system information program the user is told so.
    void systemInfoThenOk_data() {
        QTest::addColumn<bool>("found");
        QTest::newRow("a program is found") << true;
        QTest::newRow("none is found") << false;
    }

    void systemInfoThenOk() {
        QFETCH(bool, found);
        AppState state;
        frmAbout about(state);
        about.show();
        about.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        auto* sysInfo = about.findChild<QPushButton*>("cmdSysInfo");
        sysInfo->setFocus();
        SystemInfo::SetNextResult(found);
        if (!found)
            MessageBox::SetNextAnswer(MsgAnswer::Ok);
        QTest::keyClick(sysInfo, Qt::Key_Return);
        QCOMPARE(Shown(),
                 found ? QStringList() : QStringList({"Markroll: System Information Is Unavailable At This Time"}));
        if (!found)
            QCOMPARE(MessageBox::Asked().front().buttons, MsgButtons::Ok);
        QVERIFY(about.isVisible());

        auto* ok = about.findChild<QPushButton*>("cmdOK");
        ok->setFocus();
        QTest::keyClick(ok, Qt::Key_Return);
        QVERIFY(!about.isVisible());
    }

    void splashWaitsForStart() {
        AppState state;
        frmLogo logo(state);
        QCOMPARE(logo.windowTitle(), QStringLiteral("MarkRoll 3.00"));
        QCOMPARE(logo.size(), QSize(TwipsToPxX(9500), TwipsToPxY(6800)));
        QCOMPARE(logo.findChild<QPushButton*>("Command1")->text(), QStringLiteral("&Start"));
        QWidget* picture = logo.findChild<QWidget*>("Logo");
        QVERIFY(picture);

        bool drawn = false;
        WhenModal<frmLogo>([&drawn, picture](frmLogo* shown) {
            // The logo is painted by the program: its centre differs from its plain corner.
            const QImage image = picture->grab().toImage();
            drawn = image.pixelColor(image.width() / 2, image.height() / 4) != image.pixelColor(2, 2);
            shown->findChild<QPushButton*>("Command1")->click();
        });
        QCOMPARE(logo.exec(), int(QDialog::Accepted));
        QVERIFY(drawn);
    }
};

QTEST_MAIN(TestViewers)
#include "tst_Viewers.moc"
