#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/PrintTarget.h"
#include "platform/QtPrinter.h"
#include "platform/RecordingPrinter.h"

#include "support/TempDir.h"

#include <QtTest>
#include <cstdio>
#include <string>

using namespace markroll;
using Kind = PrintRecord::Kind;

namespace {

// What a command printed on its standard output; empty when it could not run.
QString Output(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, n);
        ::pclose(pipe);
    }
    return QString::fromStdString(out);
}

} // namespace

class PrinterTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("MARKROLL_TEST_MODE", "1"); }

    // Courier New is Liberation Mono: 0.6 em a character, so 10 points is 120 twips; each text starts where
    // the last one left the position, and ending a line goes back to x 0 one text height lower.
    void recordingPrinterMovesAndMeasures() {
        RecordingPrinter printer;
        printer.SetFontName("Courier New");
        printer.SetFontSize(10);
        const double h = printer.TextHeight("x");
        const double w = printer.TextWidth("iW\xe9") / 3;
        QVERIFY2(qAbs(w - 120) < 0.1, qPrintable(QString::number(w)));
        QVERIFY(h > 200 && h < 260 && qAbs(printer.TextHeight("a\nb") - 2 * h) < 0.01);
        printer.SetCurrentX(100);
        printer.SetCurrentY(50);
        // text, ends the line, where its box starts (x, y), where the next text starts
        const std::tuple<const char*, bool, QPointF, QPointF> cases[] = {
            {"ab", false, {100, 50}, {100 + 2 * w, 50}},
            {"cde", true, {100 + 2 * w, 50}, {0, 50 + h}},
            {"", true, {0, 50 + h}, {0, 50 + 2 * h}},
            {"f", false, {0, 50 + 2 * h}, {w, 50 + 2 * h}},
        };
        for (const auto& [text, endLine, box, next] : cases) {
            printer.Print(text, endLine);
            const PrintRecord& r = printer.Records().back();
            QCOMPARE(QPointF(r.x, r.y), box);
            QCOMPARE(QSizeF(r.w, r.h), QSizeF(printer.TextWidth(text), h));
            QCOMPARE(QPointF(printer.CurrentX(), printer.CurrentY()), next);
        }
        printer.NewPage();
        QCOMPARE(QPointF(printer.CurrentX(), printer.CurrentY()), QPointF(0, 0));
        QCOMPARE(printer.RecordsOf(Kind::Text).size(), size_t(4));
    }

    // Two print documents of one command are two pages of one PDF file, the second turned by the orientation
    // set between them; each text's box starts where it was printed, in Windows-1252 characters.
    void pdfFileHoldsEveryDocument() {
        if (Output("command -v pdftotext && command -v pdfinfo").count('\n') < 2)
            QSKIP("pdftotext and pdfinfo (poppler-utils) are needed to read the PDF file back");
        test::TempDir dir;
        const std::string path = dir.File("report.pdf");
        double marginTop = 0;
        {
            auto printer = QtPrinter::ForPdfFile(QString::fromStdString(path));
            RecordingPrinter recording;
            // The same sizes at the printer's resolution, but for rounding to its pixels.
            QVERIFY(qAbs(printer->TextWidth("Caf\xe9") - recording.TextWidth("Caf\xe9")) < 2);
            QVERIFY(qAbs(printer->TextHeight("x") - recording.TextHeight("x")) < 2);
            marginTop = (16838 - printer->ScaleHeight()) / 2;
            printer->SetCurrentX(1440);
            printer->SetCurrentY(1440);
            printer->Print("Scores", false);
            printer->Print(" Term 1", true);
            printer->SetDrawWidth(2);
            printer->Line(0, 2000, 5000, 2000, 0xFF0000);
            printer->FilledBox(0, 2500, 1000, 500, 0x00FF00);
            printer->EndDoc();
            printer->SetOrientation(2);
            QVERIFY(printer->ScaleWidth() > printer->ScaleHeight());
            printer->Print("Caf\xe9 r\xe9sum\xe9", true);
            printer->EndDoc();
        }
        const QString info = Output("pdfinfo -f 1 -l 3 '" + path + "'");
        QVERIFY2(info.contains(QRegularExpression("Pages:\\s+2\\n")), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression("Page +1 size: +595[\\d.]* x 84[12]")), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression("Page +2 size: +84[12][\\d.]* x 595")), qPrintable(info));
        const QString text = Output("pdftotext -enc UTF-8 -layout '" + path + "' -");
        QVERIFY2(text.contains("Scores Term 1") && text.contains("\f") && text.contains(u"Café résumé"),
                 qPrintable(text));
        // The word's box top (in points) is one inch below the printable area's top.
        const QString boxes = Output("pdftotext -bbox -f 1 -l 1 '" + path + "' -");
        const QRegularExpressionMatch word = QRegularExpression("yMin=\"([\\d.]+)\"[^>]*>Scores<").match(boxes);
        QVERIFY2(word.hasMatch(), qPrintable(boxes));
        QVERIFY2(qAbs(word.captured(1).toDouble() - (marginTop + 1440) / 20) < 2.5, qPrintable(word.captured(1)));
    }

    // Without a printer the user is told so and may name a PDF file instead; a forced file asks nothing.
    void noPrinterOffersAPdfFile() {
        test::TempDir dir;
        const QString typed = QString::fromStdString(dir.File("marks"));
        using S = FileDialogResult::Status;
        // message answer, dialog status (none: the dialog is not expected), the PDF file given
        const std::tuple<MsgAnswer, std::optional<S>, QString> cases[] = {
            {MsgAnswer::Ok, S::Chosen, typed + ".pdf"},
            {MsgAnswer::Ok, S::Cancelled, ""},
            {MsgAnswer::Cancel, std::nullopt, ""},
        };
        PrintTarget::SetSystemPrintersHidden(true);
        for (const auto& [answer, status, pdf] : cases) {
            MessageBox::ClearAsked();
            FileDialog::ClearAsked();
            MessageBox::SetNextAnswer(answer);
            if (status)
                FileDialog::SetNextResult({*status, typed, {}});
            const PrintTarget target = ChoosePrintTarget(nullptr, "Print Grades");
            QCOMPARE(target ? target.Printer()->PdfFile() : QString(), pdf);
            QCOMPARE(MessageBox::Asked().size(), size_t(1));
            const MessageRequest& told = MessageBox::Asked().front();
            QCOMPARE(told.title, QString("Print Grades"));
            QCOMPARE(told.text, QString("No printer is set up on this computer.\n"
                                        "The report can be written to a PDF file instead."));
            QVERIFY(told.buttons == MsgButtons::OkCancel && told.icon == MsgIcon::Exclamation);
            QCOMPARE(FileDialog::Asked().size(), size_t(status ? 1 : 0));
            if (status) {
                const FileDialogOptions& asked = FileDialog::Asked().front();
                QCOMPARE(QStringList({asked.title, asked.filter, asked.defaultExt}),
                         QStringList({"Save Report as PDF", "PDF Files (*.pdf)|*.pdf", "pdf"}));
                QVERIFY(asked.overwritePrompt);
            }
        }
        MessageBox::ClearAsked();
        PrintTarget::SetNextPdfFile(typed + ".pdf");
        QCOMPARE(ChoosePrintTarget(nullptr, "Print Grades").Printer()->PdfFile(), typed + ".pdf");
        QVERIFY(MessageBox::Asked().empty() && MessageBox::PendingAnswers() == 0);
    }
};

QTEST_MAIN(PrinterTest)
#include "PrinterTest.moc"
