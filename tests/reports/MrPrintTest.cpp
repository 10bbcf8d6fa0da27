// The print dialog offscreen: the list rules and messages, the questions, printing through the recording
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

class MrPrintTest : public QObject {
    Q_OBJECT

    // Tests has 20 score fields: two pages of fields on any paper in portrait; SUMMARY and Labs one sheet each.
    AppState m_state = [] {
        AppState state;
        state.doc = MakeDocument(10, {{"Tests", 60, 21, 3}, {"Labs", 40, 4, 3}});
        state.FileName = "class.mrk";
        return state;
    }();

    static int Pages(const RecordingPrinter& printer) {
        return int(printer.RecordsOf(PrintRecord::Kind::EndDoc).size() +
                   printer.RecordsOf(PrintRecord::Kind::NewPage).size());
    }
    static QStringList Boxes() {
        QStringList shown;
        for (const MessageRequest& box : MessageBox::Asked())
            shown << box.title + "|" + box.text;
        MessageBox::ClearAsked();
        return shown;
    }

private slots:
    void cleanup() {
        QVERIFY(!DropModalWaits());
        QCOMPARE(MessageBox::PendingAnswers() + PrinterSetup::PendingAnswers(), 0);
        MessageBox::ClearAsked();
    }

    void listRulesAndQuestions() {
        MrPrint dialog(m_state);
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
        const QString none = QStringLiteral("?|Please Enter Catagories to print");
        for (const char* text : {"", "1, 9"}) {
            list->setText(text);
            Press(&dialog, "cmdPrint");
            QCOMPARE(Boxes(), QStringList{none});
        }
        list->setText("3,3,");
        Press(&dialog, "cmdPrint"); // unscripted: Cancel
        QCOMPARE(Boxes(), QStringList{"Print Markroll/Worksheets|Print  2 Catagories of Markroll( 3, 3,)"});
        QCOMPARE(Pages(printer), 0);

        // Alt+P prints, as the teacher means it; pressed again at once it reaches Print with Prompting.
        list->setText("2,3");
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        QTest::keyClick(&dialog, Qt::Key_P, Qt::AltModifier);
        QTest::keyClick(&dialog, Qt::Key_P, Qt::AltModifier);
        QVERIFY(dialog.findChild<QCheckBox*>("chkPrompt")->isChecked());
        QCOMPARE(Pages(printer), 3);
        printer.Clear();
        for (MsgAnswer answer : {MsgAnswer::Ok, MsgAnswer::Cancel, MsgAnswer::Ok, MsgAnswer::Ok})
            MessageBox::SetNextAnswer(answer);
        Press(&dialog, "cmdPrint");
        QCOMPARE(dialog.LastPrint().Cancelled, std::vector<int>{2});
        QCOMPARE(dialog.LastPrint().Printed, std::vector<int>{3});
        QCOMPARE(Pages(printer), 1);
        QCOMPARE(Boxes().mid(2, 2), (QStringList{"Print Grade Report|Print Markroll for Catagory  2",
                                                 "Print Grade Report|Print Markroll for Catagory  3"}));
    }

    // The preview holds exactly the pages Print sends, also on the paper and into the file chosen in the printer
    // dialog; it names the categories the page is too small for.
    void previewHoldsWhatPrintSends() {
        MrPrint dialog(m_state);
        dialog.show();
        RecordingPrinter printer;
        dialog.DrawOn(&printer);
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        Press(&dialog, "cmdPrint");
        QCOMPARE(Pages(printer), 4);
        {
            RealBoxes real;
            int shown = 0;
            WhenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
                shown = preview->findChild<QPrintPreviewWidget*>()->pageCount();
                preview->close();
            });
            Press(&dialog, "cmdPreview");
            QCOMPARE(shown, 4);
        }

        TempDir dir;
        const QString pdf = QString::fromStdString(dir.File("sheets.pdf"));
        PrinterSetup::SetNextAnswer(PrinterChoice{{}, pdf, QPageSize::Letter, 1});
        Press(&dialog, "cmdPrtSet");
        PrinterSetup::SetNextAnswer(std::nullopt); // a cancelled dialog keeps the earlier choice
        Press(&dialog, "cmdPrtSet");
        dialog.DrawOn(nullptr);
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        Press(&dialog, "cmdPrint");
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count("/MediaBox [0 0 612.000000 792.000000]"), 4); // four pages of US Letter
        Press(&dialog, "cmdPreview");
        QCOMPARE(PrintPreview::LastPageCount(), 4);

        dialog.findChild<QLineEdit*>("txtName")->setText("30");
        PrinterSetup::SetNextAnswer(PrinterChoice{{}, pdf, QPageSize::A6, 1});
        Press(&dialog, "cmdPrtSet");
        Boxes();
        Press(&dialog, "cmdPreview");
        const QStringList told = Boxes();
        QVERIFY(told.size() == 3 && told[0].startsWith("Print Markroll|Page too small for Category 0"));
        QCOMPARE(PrintPreview::TimesShown(), 2); // no preview of nothing
    }
};

QTEST_MAIN(MrPrintTest)
#include "MrPrintTest.moc"
