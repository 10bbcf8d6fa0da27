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
    void everyByteSurvivesTheTripThroughUnicode() {
        std::string all;
        for (int b = 0; b < 256; ++b) {
            all.push_back(static_cast<char>(b));
        }
        const QString text = FromBytes(all);
        QCOMPARE(text.size(), 256);
        bool ok = false;
        QCOMPARE(ToBytes(text, &ok), all);
        QVERIFY(ok);
        for (const QChar ch : text) {
            QVERIFY2(Representable(ch), qPrintable(QString::number(ch.unicode(), 16)));
        }
    }

    void bytesMeanTheirCodePageCharacters_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("unicode");
        QTest::newRow("letter") << 0x41 << 0x41;
        QTest::newRow("euro") << 0x80 << 0x20AC;
        QTest::newRow("undefined 0x81 keeps its control") << 0x81 << 0x81;
        QTest::newRow("low quote") << 0x82 << 0x201A;
        QTest::newRow("undefined 0x9D keeps its control") << 0x9D << 0x9D;
        QTest::newRow("right single quote") << 0x92 << 0x2019;
        QTest::newRow("en dash") << 0x96 << 0x2013;
        QTest::newRow("Y diaeresis") << 0x9F << 0x178;
        QTest::newRow("no-break space") << 0xA0 << 0xA0;
        QTest::newRow("e acute") << 0xE9 << 0xE9;
        QTest::newRow("y diaeresis") << 0xFF << 0xFF;
    }

    void bytesMeanTheirCodePageCharacters() {
        QFETCH(int, byte);
        QFETCH(int, unicode);
        const std::string one(1, static_cast<char>(byte));
        QCOMPARE(int(FromBytes(one).at(0).unicode()), unicode);
        QCOMPARE(ToBytes(QString(QChar(unicode))), one);
    }

    void charactersOutsideTheCodePageBecomeQuestionMarks_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("ok");
        QTest::newRow("plain") << QString("Smith, Ann") << QByteArray("Smith, Ann") << true;
        QTest::newRow("euro") << QString(QChar(0x20AC)) << QByteArray("\x80") << true;
        QTest::newRow("CJK") << QString::fromUtf8("a\u4E2Db") << QByteArray("a?b") << false;
        // 0x80 is the euro sign in this code page, so its C1 control has no byte.
        QTest::newRow("C1 control 0x80") << QString(QChar(0x80)) << QByteArray("?") << false;
        QTest::newRow("Greek") << QString(QChar(0x3A9)) << QByteArray("?") << false;
        QTest::newRow("emoji is one character") << QString::fromUtf8("x\U0001F600y") << QByteArray("x?y") << false;
        QTest::newRow("empty") << QString() << QByteArray() << true;
    }

    void charactersOutsideTheCodePageBecomeQuestionMarks() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, ok);
        bool converted = !ok;
        QCOMPARE(QByteArray::fromStdString(ToBytes(text, &converted)), bytes);
        QCOMPARE(converted, ok);
        if (text.size() == 1) {
            QCOMPARE(Representable(text[0]), ok);
        }
    }

    void twipsFollowTheScreenResolution() {
        const QScreen* screen = QGuiApplication::primaryScreen();
        QVERIFY(screen);
        const double dpiX = screen->logicalDotsPerInchX();
        const double dpiY = screen->logicalDotsPerInchY();
        QCOMPARE(TwipsToPxX(1440), qRound(dpiX));
        QCOMPARE(TwipsToPxY(2880), qRound(2 * dpiY));
        QCOMPARE(TwipsToPxX(0), 0);
        QCOMPARE(TwipsToPxX(-1440), -qRound(dpiX));
        // Whole pixels come back unchanged, and twips come back within half a pixel.
        for (int px : {0, 1, 7, 96, 333, 1920}) {
            QCOMPARE(TwipsToPxX(PxToTwipsX(px)), px);
            QCOMPARE(TwipsToPxY(PxToTwipsY(px)), px);
        }
        for (double twips : {15.0, 100.0, 1200.0, 9500.0}) {
            QVERIFY(qAbs(PxToTwipsX(TwipsToPxX(twips)) - twips) <= 720.0 / dpiX);
        }
        const QSize screenTwips = ScreenSizeTwips();
        QCOMPARE(TwipsToPxX(screenTwips.width()), screen->geometry().width());
        QCOMPARE(TwipsToPxY(screenTwips.height()), screen->geometry().height());
    }

    void resolvedFontsHaveTheirPitch_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::newRow("Courier") << "Courier" << true << false << false;
        QTest::newRow("Courier New bold") << "Courier New" << true << true << false;
        QTest::newRow("courier new any case") << "courier new" << true << false << true;
        QTest::newRow("MS Sans Serif") << "MS Sans Serif" << false << false << false;
    }

    void resolvedFontsHaveTheirPitch() {
        QFETCH(QString, name);
        QFETCH(bool, fixed);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        const QFont font = ResolveFont(name, 14, bold, italic);
        QCOMPARE(QFontInfo(font).fixedPitch(), fixed);
        QCOMPARE(font.pointSizeF(), 14.0);
        QCOMPARE(font.bold(), bold);
        QCOMPARE(font.italic(), italic);
        // A fixed-pitch page needs every character as wide as the cell letter.
        if (fixed) {
            const QFontMetrics metrics(font);
            QCOMPARE(metrics.horizontalAdvance("i"), metrics.horizontalAdvance("W"));
        }
    }

    void systemInfoStartsNothingInTests() {
        SystemInfo::SetNextResult(true);
        QVERIFY(SystemInfo::Launch());
        qputenv("MARKROLL_TEST_MODE", "1");
        QVERIFY(!SystemInfo::Launch());
    }

    void otherFontNamesAreUsedAsTheyAre() {
        QCOMPARE(ResolveFont("DejaVu Serif", 10).family(), QString("DejaVu Serif"));
    }
};

QTEST_MAIN(PlatformTest)
#include "PlatformTest.moc"
