// The statistics window offscreen: the figures it shows for a small class, the same texts on paper, in a PDF file
// and in the preview.

#include <QComboBox>
#include <QTableWidget>
#include <QtTest>

#include "platform/PrintTarget.h"
#include "platform/PrinterSetup.h"
#include "platform/RecordingPrinter.h"
#include "reports/StatsView.h"
#include "support/ModalDriver.h"
#include "support/TempDir.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

class StatsViewTest : public QObject {
    Q_OBJECT

    // Each row's cells joined by blanks, or one column's cells.
    static QStringList Rows(const QTableWidget* table, int column = -1) {
        QStringList rows;
        for (int r = 0; r < table->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < table->columnCount(); ++c)
                if (column < 0 || c == column)
                    cells << table->item(r, c)->text();
            rows << cells.join(' ');
        }
        return rows;
    }

private slots:
    void figuresOnScreenAndPaper() {
        Document doc = MakeDocument(3, {{"Quiz", 100, 3, 3}});
        const char* const quiz[][2] = {{"80", "8"}, {"60", "6"}, {"", "..."}, {"100", "10"}}; // Tot, 1; 4: possible
        for (int r = 1; r <= 4; ++r)
            for (int f = 0; f < 2; ++f)
                SetField(doc, r, 2, f, quiz[r - 1][f]);
        for (const auto& [s, tot, letter] : {std::tuple{1, "85", "B"}, {2, "62", "D"}}) {
            SetField(doc, s, 0, 4, tot);
            SetField(doc, s, 0, 0, letter);
        }
        StatsView view(doc, 2);
        view.show();
        auto* category = view.findChild<QComboBox*>("cmbCat");
        auto* figures = view.findChild<QTableWidget*>("grdStats");
        QCOMPARE(category->currentText(), QStringLiteral("2. Quiz [100%] - {3}"));
        QCOMPARE(Rows(figures), (QStringList{"1 2 7.0 7.0 1.0 6 8 10", "Tot 2 70.0 70.0 10.0 60 80 100"}));
        QVERIFY(!view.findChild<QWidget*>("picHist")->isVisible());

        RecordingPrinter printer;
        view.DrawOn(&printer);
        Press(&view, "cmdPrint");
        QString printed;
        for (const PrintRecord& text : printer.RecordsOf(PrintRecord::Kind::Text))
            printed += QString::fromStdString(text.text) + ' ';
        for (const QString& row : Rows(figures))
            QVERIFY2(printed.contains(row + ' '), qPrintable(row));

        category->setCurrentIndex(0);
        QVERIFY(view.findChild<QWidget*>("picHist")->isVisible());
        QCOMPARE(Rows(view.findChild<QTableWidget*>("grdGrades"), 2).join(' '), QStringLiteral("0 1 0 1 0 0 1"));
        QCOMPARE(Rows(figures),
                 (QStringList{"tot 0 - - - - - 100", "adj 0 - - - - - 0", "TOT 2 73.5 73.5 11.5 62 85 100"}));

        TempDir dir;
        const QString pdf = QString::fromStdString(dir.File("stats.pdf"));
        view.DrawOn(nullptr);
        PrintTarget::SetNextPdfFile(pdf);
        Press(&view, "cmdPrint");
        QCOMPARE(QByteArray::fromStdString(ReadBytes(pdf.toStdString())).left(5), "%PDF-");
        const int shown = PrintPreview::TimesShown();
        Press(&view, "cmdPreview");
        QCOMPARE(std::pair(PrintPreview::TimesShown(), PrintPreview::LastPageCount()), std::pair(shown + 1, 1));
    }
};

QTEST_MAIN(StatsViewTest)
#include "StatsViewTest.moc"
