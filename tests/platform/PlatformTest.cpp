#include "platform/Platform.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QtTest>
#include <string>

using namespace markroll;

class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    // Every byte survives a trip through Unicode. 0x80..0x9F hold the code page's own characters, except the
    // five bytes it leaves undefined, which keep their control character. Each character without a byte, one
    // outside the basic plane included, becomes one "?"; 0x80 is the euro sign here, so its C1 control has none.
    void bytesMeanTheirCodePageCharacters() {
        std::string all;
        for (int b = 0; b < 256; ++b)
            all.push_back(static_cast<char>(b));
        const QString text = FromBytes(all);
        bool ok = false;
        QVERIFY(ToBytes(text, &ok) == all && ok && text.size() == 256);
        const std::pair<int, int> cases[] = {{0x80, 0x20AC}, {0x81, 0x81}, {0x92, 0x2019}, {0x9D, 0x9D}, {0x9F, 0x178}};
        for (const auto& [byte, unicode] : cases)
            QCOMPARE(int(text.at(byte).unicode()), unicode);
        QCOMPARE(ToBytes(QString::fromUtf8("x\u0080\U0001F600y"), &ok), std::string("x??y"));
        QVERIFY(!ok && !Representable(QChar(0x80)) && Representable(QChar(0xA0)) && Representable(QChar(0x20AC)));
    }

    void twipsFollowTheScreenResolution() {
        const QScreen* screen = QGuiApplication::primaryScreen();
        QCOMPARE(TwipsToPxX(1440), qRound(screen->logicalDotsPerInchX()));
        QCOMPARE(TwipsToPxY(2880), qRound(2 * screen->logicalDotsPerInchY()));
        for (int px : {0, 7, 1920}) // whole pixels come back unchanged
            QCOMPARE(QPoint(TwipsToPxX(PxToTwipsX(px)), TwipsToPxY(PxToTwipsY(px))), QPoint(px, px));
        const QSize twips = ScreenSizeTwips();
        QCOMPARE(QSize(TwipsToPxX(twips.width()), TwipsToPxY(twips.height())), screen->geometry().size());
    }

    void resolvedFontsHaveTheirPitch() {
        // name, fixed pitch, bold, italic
        const std::tuple<QString, bool, bool, bool> cases[] = {
            {"Courier", true, true, false}, {"courier new", true, false, true}, {"MS Sans Serif", false, false, false}};
        for (const auto& [name, fixed, bold, italic] : cases) {
            const QFont font = ResolveFont(name, 14, bold, italic);
            QCOMPARE(QFontInfo(font).fixedPitch(), fixed);
            QVERIFY(font.pointSizeF() == 14 && font.bold() == bold && font.italic() == italic);
            // A fixed-pitch page needs every character as wide as the cell letter.
            QVERIFY(!fixed || QFontMetrics(font).horizontalAdvance("i") == QFontMetrics(font).horizontalAdvance("W"));
        }
        QCOMPARE(ResolveFont("DejaVu Serif", 10).family(), "DejaVu Serif"); // other names are used as they are
    }
};

QTEST_MAIN(PlatformTest)
#include "PlatformTest.moc"
