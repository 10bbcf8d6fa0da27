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
    // five bytes it leaves undefined, which keep their control character.
    void bytesMeanTheirCodePageCharacters() {
        std::string all;
        for (int b = 0; b < 256; ++b)
            all.push_back(static_cast<char>(b));
        const QString text = FromBytes(all);
        bool ok = false;
        QCOMPARE(ToBytes(text, &ok), all);
        QVERIFY(ok && text.size() == 256);
        const std::pair<int, int> cases[] = {{0x80, 0x20AC}, {0x81, 0x81}, {0x82, 0x201A}, {0x92, 0x2019}, {0x9D, 0x9D},
                                             {0x9F, 0x178},  {0xA0, 0xA0}, {0xE9, 0xE9},   {0xFF, 0xFF}};
        for (const auto& [byte, unicode] : cases) {
            QCOMPARE(int(text.at(byte).unicode()), unicode);
            QVERIFY(Representable(QChar(unicode)));
        }
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
        QVERIFY(text.size() != 1 || Representable(text[0]) == ok);
    }

    void twipsFollowTheScreenResolution() {
        const QScreen* screen = QGuiApplication::primaryScreen();
        QCOMPARE(TwipsToPxX(1440), qRound(screen->logicalDotsPerInchX()));
        QCOMPARE(TwipsToPxY(2880), qRound(2 * screen->logicalDotsPerInchY()));
        for (int px : {0, 1, 7, 96, 333, 1920}) // whole pixels come back unchanged
            QCOMPARE(QPoint(TwipsToPxX(PxToTwipsX(px)), TwipsToPxY(PxToTwipsY(px))), QPoint(px, px));
        const QSize twips = ScreenSizeTwips();
        QCOMPARE(QSize(TwipsToPxX(twips.width()), TwipsToPxY(twips.height())), screen->geometry().size());
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
        QCOMPARE(QList<qreal>({font.pointSizeF(), qreal(font.bold()), qreal(font.italic())}),
                 QList<qreal>({14, qreal(bold), qreal(italic)}));
        // A fixed-pitch page needs every character as wide as the cell letter.
        QVERIFY(!fixed || QFontMetrics(font).horizontalAdvance("i") == QFontMetrics(font).horizontalAdvance("W"));
    }

    void otherFontNamesAreUsedAsTheyAre() { QCOMPARE(ResolveFont("DejaVu Serif", 10).family(), "DejaVu Serif"); }
};

QTEST_MAIN(PlatformTest)
#include "PlatformTest.moc"
