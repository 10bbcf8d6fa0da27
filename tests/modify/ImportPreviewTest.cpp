// The roster preview offscreen, opened by the student dialog's Import: a roster that cannot be read or holds
// nobody is said so; the columns chosen again in the preview's lists; the rows imported as one step.

#include <QCheckBox>
#include <QComboBox>
#include <QTableWidget>
#include <QtTest>

#include "calc/Students.h"
#include "document/Session.h"
#include "modify/ImportPreview.h"
#include "modify/ModSumDlg.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "support/ModalDriver.h"
#include "support/TempDir.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

class ImportPreviewTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        QVERIFY(!DropModalWaits());
        QCOMPARE(MessageBox::PendingAnswers() + FileDialog::PendingAnswers(), 0);
    }

    void importFromTheStudentDialog() {
        TempDir dir;
        WriteBytes(dir.File("roster.txt"), "7\tLee\tAnn\r\n8\tKo\tBo\r\n");
        WriteBytes(dir.File("blank.csv"), "\r\n ,\r\n");
        AppState state;
        state.doc = MakeDocument(2, {{"Tests", 100, 2, 3}});
        DocumentCreated(state);
        ModSumDlg dialog(state);
        dialog.show();
        const auto choose = [&](const char* name) {
            FileDialog::SetNextResult({FileDialogResult::Status::Chosen, QString::fromStdString(dir.File(name)), {}});
            Press(&dialog, "cmdImport");
        };
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        choose("missing.csv");
        choose("blank.csv");
        QStringList shown;
        for (const MessageRequest& box : MessageBox::Asked())
            shown << box.title + ": " + box.text;
        const auto path = [&](const char* name) { return QString::fromStdString(dir.File(name)); };
        QCOMPARE(shown, (QStringList{"ERROR: Save Error( 53) - File not found: " + path("missing.csv"),
                                     "Import Students: " + path("blank.csv") + " holds no students."}));
        MessageBox::ClearAsked();

        WhenModal<ImportPreview>([](ImportPreview* preview) {
            auto* rows = preview->findChild<QTableWidget*>("grdRows");
            QCOMPARE(rows->item(0, 2)->text(), QStringLiteral("Lee"));
            preview->findChild<QComboBox*>("cmbFirst")->setCurrentIndex(3);
            QCOMPARE(rows->item(0, 1)->text() + "|" + rows->item(0, 2)->text(), QStringLiteral("          7|Lee/ Ann"));
            auto* header = preview->findChild<QCheckBox*>("chkHeader");
            header->click();
            QCOMPARE(rows->rowCount(), 1);
            header->click();
            Press(preview, "cmdImport");
        });
        choose("roster.txt");
        QCOMPARE(state.doc.NumStudents, 4);
        QCOMPARE(state.doc.CatData(4, 1), NewStudentRow("8", "Ko/ Bo"));
        QVERIFY(dialog.DocumentChanged() && state.Changed);
        QCOMPARE(std::pair(state.History.UndoLabel(), state.History.UndoCount()),
                 std::pair(std::string("Import Students"), std::size_t(1)));
    }
};

QTEST_MAIN(ImportPreviewTest)
#include "ImportPreviewTest.moc"
