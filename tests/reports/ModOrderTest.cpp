// The listing window offscreen: its wiring to the order and the pages, and Print on paper and into a PDF.

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "document/TextNumber.h"
#include "platform/PrintTarget.h"
#include "platform/RecordingPrinter.h"
#include "reports/ModOrder.h"
#include "reports/ReportPrinter.h"
#include "support/ModalDriver.h"
#include "support/TempDir.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

class ModOrderTest : public QObject {
    Q_OBJECT

    static AppState Class(int students) {
        AppState state;
        state.doc = MakeDocument(students, {{"Tests", 100, 3, 3}});
        for (int s = 1; s <= students; ++s)
            SetField(state.doc, s, 2, 0, std::to_string(s % 7 * 10));
        state.EdCat = 2;
        return state;
    }

private slots:
    void startNextWrapAndHide() {
        AppState state = Class(25);
        ModOrder dialog(state, 0);
        dialog.show();
        dialog.findChild<QRadioButton*>("optInc")->setChecked(true);
        dialog.findChild<QLineEdit*>("txtOrdSpp")->setText("3"); // raised to the minimum, 10
        auto* start = dialog.findChild<QPushButton*>("cmdStart");
        QList<QPair<int, int>> pages;
        for (int i = 0; i < 4; ++i) {
            Press(&dialog, "cmdStart");
            pages << qMakePair(dialog.FirstShown(), dialog.LastShown());
        }
        QCOMPARE(pages, (QList<QPair<int, int>>{{1, 10}, {11, 20}, {21, 25}, {1, 10}}));
        QCOMPARE(start->text(), QStringLiteral("&Next"));
        QVERIFY(dialog.findChild<QPushButton*>("cmdPrint")->isVisible());
        QVERIFY(!dialog.findChild<QLineEdit*>("txtHeader")->isVisible());
        QCOMPARE(dialog.Spec().Order.Order.front(), 7); // 7 % 7 * 10 = 0 comes first
        const auto& shown = dialog.Shown();
        QCOMPARE(QString::fromStdString(shown[1].Value), QStringLiteral("Ordered by Field# 0"));

        AppState few = Class(4);
        ModOrder small(few, 0);
        small.show();
        small.findChild<QLineEdit*>("txtOrdSpp")->setText("99999"); // past 16 bits: lowered to the maximum
        Press(&small, "cmdStart");
        QVERIFY(!small.findChild<QPushButton*>("cmdStart")->isVisible());
        QCOMPARE((QList<int>{small.LastShown(), small.StudentsPerPage()}), (QList<int>{4, small.MaxPerPage()}));

        AppState none = Class(0); // nothing to list, and nothing to divide by
        ModOrder empty(none, 0);
        empty.show();
        Press(&empty, "cmdStart");
        QCOMPARE(int(empty.Shown().size()), 8);
    }

    // Paper: the positions of the title, the column titles and the rows come from the printer's own fonts.
    void printsThroughThePrinterAndIntoAPdf() {
        AppState state = Class(3);
        ModOrder dialog(state, 0);
        dialog.show();
        Press(&dialog, "cmdStart");
        RecordingPrinter printer;
        PrintListing(state.doc, dialog.Spec(), printer);
        const auto texts = printer.RecordsOf(PrintRecord::Kind::Text);
        QCOMPARE(int(texts.size()), 4 + 4 + 3);   // title, header, two column titles, two extra rows, students
        const double w0 = printer.TextWidth("A"); // the last font measured: bold 12
        QCOMPARE(texts[0].y, ListingTopY);
        QCOMPARE(texts[0].fontSize, 14.0);
        const double m = texts[6].x; // the first row starts at the left margin
        QCOMPARE(texts[2].x, RoundHalfEven(m + w0 * ((IdLen + NameLen - 7) / 2.0 + 6)));
        QCOMPARE(QString::fromStdString(texts[6].text.substr(0, 8)),
                 QStringLiteral("1  { 3} ")); // decreasing by default
        QCOMPARE(printer.RecordsOf(PrintRecord::Kind::EndDoc).size(), size_t(1));

        TempDir dir;
        PrintTarget::SetNextPdfFile(QString::fromStdString(dir.File("list.pdf")));
        Press(&dialog, "cmdPrint");
        QVERIFY(QFile::exists(QString::fromStdString(dir.File("list.pdf"))));
    }
};

QTEST_MAIN(ModOrderTest)
#include "ModOrderTest.moc"
