// The categories viewer as drawn, the about box's system information, and the splash window.

#include "app/AppTestSupport.h"
#include "app/frmAbout.h"
#include "app/frmLogo.h"
#include "modify/CatView.h"
#include "platform/Platform.h"
#include "support/TestDocuments.h"
#include "widgets/ChartPainter.h"

using namespace markroll;
using namespace markroll::test;

class TestViewers : public QObject {
    Q_OBJECT

private:
    AppState m_state;

private slots:
    void cleanup() { ExpectAllAnswered(); }

    // The window is sized to its chart and draws it: each box in its colour, as wide as the chart says, on the
    // dark-blue background.
    void catViewDrawsItsChart() {
        m_state.doc = MakeDocument(5, {{"Tests", 40, 12}});
        CatView view(m_state);
        view.show();
        const CategoryChart& chart = view.Chart();
        QCOMPARE(view.size(), QSize(TwipsToPxX(chart.windowWidth), TwipsToPxY(chart.windowHeight)));
        const QImage shot = view.grab().toImage();
        for (const ChartEntry& e : chart.entries) {
            const int left = TwipsToPxX(e.x) + 1, right = TwipsToPxX(e.x + chart.boxWidth) - 2,
                      top = TwipsToPxY(e.y) + 1;
            QCOMPARE(shot.pixelColor(left, top), PaletteColor(e.boxColor));
            QCOMPARE(shot.pixelColor(right, top), PaletteColor(e.boxColor));
            QCOMPARE(shot.pixelColor(right + 3, top), PaletteColor(ColorDarkBlue));
            QCOMPARE(shot.pixelColor(left, TwipsToPxY(e.y + chart.boxHeight) + 2), PaletteColor(ColorDarkBlue));
        }
    }

    // Without a system information program the user is told so; either way the about box stays open.
    void systemInfo() {
        frmAbout about(m_state);
        about.show();
        for (const bool found : {true, false}) {
            SystemInfo::SetNextResult(found);
            if (!found)
                MessageBox::SetNextAnswer(MsgAnswer::Ok);
            Press(&about, "cmdSysInfo");
            QVERIFY(about.isVisible());
        }
        QCOMPARE(Shown(), QStringList({"Markroll: System Information Is Unavailable At This Time"}));
        Press(&about, "cmdOK");
        QVERIFY(!about.isVisible());
    }

    void splashWaitsForStart() {
        frmLogo logo(m_state);
        WhenModal<frmLogo>([](frmLogo* shown) { Press(shown, "Command1"); });
        QCOMPARE(logo.exec(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestViewers)
#include "ViewersTest.moc"
