// The print dialog offscreen: the list box and its messages, the questions, printing through the recording
// printer and into the file the printer dialog chose, and the preview holding the pages Print sends.

#include <QCheckBox>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QtTest>

#include "platform/MessageBox.h"
#include "platform/PrinterSetup.h"
#include "platform/RecordingPrinter.h"
#include "reports/MrPrint.h"
#include "support/ModalDriver.h"
#include "support/TempDir.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

int Pages(const RecordingPrinter& printer) {
    return int(printer.RecordsOf(PrintRecord::Kind::EndDoc).size() +
               printer.RecordsOf(PrintRecord::Kind::NewPage).size());
}

// The boxes asked for since the last call, each as "title|text".
QStringList Boxes() {
    QStringList shown;
    for (const MessageRequest& box : MessageBox::Asked())
        shown << box.title + "|" + box.text;
    MessageBox::ClearAsked();
    return shown;
}

} // namespace

class MrPrintTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        QVERIFY(!DropModalWaits());
        QCOMPARE(MessageBox::PendingAnswers() + PrinterSetup::PendingAnswers(), 0);
    }

    // Tests has 20 score fields: two pages of fields on any paper in portrait; Labs one sheet.
    void listQuestionsPrintAndPreview() {
        AppState state;
        state.doc = MakeDocument(10, {{"Tests", 60, 21, 3}, {"Labs", 40, 4, 3}});
        MrPrint dialog(state);
        RecordingPrinter printer;
        dialog.DrawOn(&printer);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* list = dialog.findChild<QLineEdit*>("txtPrintList");
        QCOMPARE(list->text() + (list->isEnabled() ? "" : " (closed)"), QStringLiteral(" 0, 2, 3 (closed)"));
        Press(&dialog, "chkPrintList");
        QVERIFY(list->isEnabled());
        Press(&dialog, "chkPrintList");
        QCOMPARE(list->text() + (list->isEnabled() ? "" : " (closed)"), QStringLiteral(" 0, 1, 2, 3 (closed)"));
        Press(&dialog, "chkPrintList");
        for (const char* text : {"1, 9", "3,3,"}) { // the confirmation unscripted: Cancel
            list->setText(text);
            Press(&dialog, "cmdPrint");
        }
        QCOMPARE(Boxes(), (QStringList{"?|Please Enter Catagories to print",
                                       "Print Markroll/Worksheets|Print  2 Catagories of Markroll( 3, 3,)"}));
        QCOMPARE(Pages(printer), 0);

        // Alt+P prints, as the teacher means it; pressed again at once it reaches Print with Prompting.
        list->setText("2,3");
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        QTest::keyClick(&dialog, Qt::Key_P, Qt::AltModifier);
        QTest::keyClick(&dialog, Qt::Key_P, Qt::AltModifier);
        auto* prompt = dialog.findChild<QCheckBox*>("chkPrompt");
        QVERIFY(prompt->isChecked());
        QCOMPARE(Pages(printer), 3);
        printer.Clear();
        for (MsgAnswer answer : {MsgAnswer::Ok, MsgAnswer::Cancel, MsgAnswer::Ok, MsgAnswer::Ok})
            MessageBox::SetNextAnswer(answer);
        Press(&dialog, "cmdPrint");
        QCOMPARE(std::tuple(dialog.LastPrint().Cancelled, dialog.LastPrint().Printed, Pages(printer)),
                 std::tuple(std::vector<int>{2}, std::vector<int>{3}, 1));
        QCOMPARE(Boxes().mid(2, 2), (QStringList{"Print Grade Report|Print Markroll for Catagory  2",
                                                 "Print Grade Report|Print Markroll for Catagory  3"}));

        // The preview holds the three pages Print sent, also on the paper (US Letter) and into the file of the printer
        // dialog.
        TempDir dir;
        const std::string pdf = dir.File("sheets.pdf");
        PrinterSetup::SetNextAnswer(PrinterChoice{{}, QString::fromStdString(pdf), QPageSize::Letter, 1});
        Press(&dialog, "cmdPrtSet");
        PrinterSetup::SetNextAnswer(std::nullopt); // a cancelled dialog keeps the earlier choice
        Press(&dialog, "cmdPrtSet");
        dialog.DrawOn(nullptr);
        prompt->setChecked(false);
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        Press(&dialog, "cmdPrint");
        QCOMPARE(QByteArray::fromStdString(ReadBytes(pdf)).count("/MediaBox [0 0 612.000000 792.000000]"), 3);
        {
            RealBoxes real;
            int shown = 0;
            WhenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
                shown = preview->findChild<QPrintPreviewWidget*>()->pageCount();
                preview->close();
            });
            Press(&dialog, "cmdPreview");
            QCOMPARE(shown, 3);
        }

        // No preview of nothing: the categories the page is too small for are named instead.
        dialog.findChild<QLineEdit*>("txtName")->setText("30");
        PrinterSetup::SetNextAnswer(PrinterChoice{{}, QString::fromStdString(pdf), QPageSize::A6, 1});
        Press(&dialog, "cmdPrtSet");
        Press(&dialog, "cmdPreview");
        QVERIFY(Boxes().size() == 1 + 2 && PrintPreview::TimesShown() == 1);
    }
};

QTEST_MAIN(MrPrintTest)
#include "MrPrintTest.moc"
