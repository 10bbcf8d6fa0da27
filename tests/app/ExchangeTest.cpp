// CSV export, roster import and the statistics through the main window and the real editor: the file written is
// what markroll-cli writes, an import can be cancelled and undone byte for byte, Ctrl+T and the menu open the
// statistics of the category shown.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QTableWidget>
#include <sstream>

#include "CliCommands.h"
#include "app/AppTestSupport.h"
#include "app/CsvExportDlg.h"
#include "app/DataEditorFactory.h"
#include "calc/Recalc.h"
#include "calc/Students.h"
#include "document/MarkrollFile.h"
#include "editor/EditData.h"
#include "modify/ImportPreview.h"
#include "modify/ModSumDlg.h"
#include "reports/StatsView.h"
#include "support/TempDir.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

class ExchangeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDir> m_dir;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<frmMenu> m_menu;
    std::string m_file;

    QAction* Item(const char* name) { return m_menu->findChild<QAction*>(name); }
    EditData* Editor() { return qobject_cast<EditData*>(m_menu->Editor()); }
    void Choose(const std::string& path) {
        FileDialog::SetNextResult({FileDialogResult::Status::Chosen, QString::fromStdString(path), {}});
    }
    std::string Image() { return SerializeMarkroll(m_state->doc); }

private slots:
    void init() {
        m_dir = std::make_unique<TempDir>();
        m_file = m_dir->File("class.mrk");
        Document doc = MakeDocument(3, {{"Tests, A", 60, 3, 3}, {"Labs", 40, 2, 3}});
        doc.CatData(1, 1) = NewStudentRow("7", "M\xFCller, \"Jo\"");
        SetField(doc, 1, 2, 1, "9");
        RecalcAll(doc);
        WriteBytes(m_file, SerializeMarkroll(doc));
        m_state = std::make_unique<AppState>();
        m_menu = std::make_unique<frmMenu>(*m_state);
        m_menu->SetEditorFactory(DataEditorFactory(*m_menu));
        QVERIFY(m_menu->OpenFile(QString::fromStdString(m_file)));
        Press(Editor(), "Ecmd_1"); // the editor shows "Tests, A"
    }

    void cleanup() {
        m_menu->Editor()->close();
        m_menu.reset();
        ExpectAllAnswered();
    }

    // The dialog's row (-1: Cancel) and the file chosen; the file holds what markroll-cli export writes.
    void exportWritesWhatTheCommandLineWrites() {
        const auto exportAs = [this](int row, const char* file) {
            WhenModal<CsvExportDlg>([row](CsvExportDlg* dialog) {
                dialog->findChild<QListWidget*>("lstWhat")->setCurrentRow(std::max(row, 0));
                Press(dialog, row < 0 ? "cmdCancel" : "cmdExport");
            });
            if (row >= 0)
                Choose(m_dir->File(file));
            Item("mnuExport")->trigger();
        };
        using Args = std::vector<std::string>;
        for (const auto& [row, args, offered] :
             {std::tuple{0, Args{}, "class.csv"}, std::tuple{3, Args{"--category", "2"}, "class-Tests-A.csv"}}) {
            exportAs(row, "out");
            const FileDialogOptions asked = FileDialog::Asked().back();
            QCOMPARE(asked.filter + "|" + asked.defaultExt + "|" + asked.presetName.section('/', -1) +
                         (asked.overwritePrompt ? "|asks" : ""),
                     QStringLiteral("CSV Files (*.csv)|*.csv|csv|%1|asks").arg(offered));
            std::ostringstream out, err;
            Args command{"export", m_file};
            command.insert(command.end(), args.begin(), args.end());
            QCOMPARE(RunCli(command, out, err), 0);
            QCOMPARE(ReadBytes(m_dir->File("out.csv")), out.str());
        }
        exportAs(-1, "");
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        exportAs(0, "gone/out.csv");
        QCOMPARE(FileDialog::Asked().size(), std::size_t(3));
        QVERIFY(Shown().join("").contains(QRegularExpression("^ERROR: Save Error\\(.*/gone/out.csv$")));
    }

    // From the File menu: a roster that cannot be read or holds nobody is said so; Cancel, after other columns were
    // tried, changes nothing; Import is one step with the totals, undone byte for byte. From the student dialog the
    // same import, the editor computing the totals into its step.
    void importCancelledThenUndone() {
        WriteBytes(m_dir->File("roster.csv"), "ID,Last Name,First Name\r\n7,Again,Al\r\n\r\n9,New,Student\r\n");
        WriteBytes(m_dir->File("blank.csv"), "\r\n ,\r\n");
        const std::string before = Image();
        for (const char* file : {"missing.csv", "blank.csv"}) {
            MessageBox::SetNextAnswer(MsgAnswer::Ok);
            Choose(m_dir->File(file));
            Item("mnuImport")->trigger();
        }
        const QString folder = QString::fromStdString(m_dir->Path());
        QCOMPARE(Shown(), (QStringList{"ERROR: Save Error( 53) - File not found: " + folder + "/missing.csv",
                                       "Import Students: " + folder + "/blank.csv holds no students."}));
        for (const char* button : {"cmdCancel", "cmdImport"}) {
            Choose(m_dir->File("roster.csv"));
            WhenModal<ImportPreview>([button](ImportPreview* preview) {
                auto* rows = preview->findChild<QTableWidget*>("grdRows");
                QCOMPARE(QStringList({rows->item(0, 3)->text(), rows->item(1, 0)->text(), rows->item(1, 1)->text(),
                                      rows->item(1, 2)->text()})
                             .join('|'),
                         QStringLiteral("ID 7 is already student 1|4|          9|New/ Student"));
                QCOMPARE(preview->findChild<QLabel*>("labSummary")->text(),
                         QStringLiteral("1 student will be added (4 in the markroll then), 1 row rejected"));
                if (button == std::string("cmdCancel")) {
                    preview->findChild<QComboBox*>("cmbFirst")->setCurrentIndex(0);
                    preview->findChild<QCheckBox*>("chkHeader")->click();
                    QCOMPARE(rows->item(2, 2)->text() + "|" + QString::number(rows->rowCount()), "New|3");
                }
                Press(preview, button);
            });
            Item("mnuImport")->trigger();
            QVERIFY(Image() == before || button == std::string("cmdImport"));
        }
        Document expected;
        QVERIFY(!ParseMarkroll(before, expected));
        const Roster roster = ReadRoster(ReadBytes(m_dir->File("roster.csv")));
        ImportStudents(expected, PreviewRoster(expected, roster, roster.Columns));
        RecalcAll(expected);
        for (int round = 0; round < 2; ++round) {
            QVERIFY(Image() == SerializeMarkroll(expected) && Editor()->Layout().LastStu == 4);
            QCOMPARE(Item("mnuUndo")->text(), QStringLiteral("&Undo Import Students"));
            Item("mnuUndo")->trigger();
            QVERIFY(Image() == before && Editor()->Layout().LastStu == 3);
            if (round == 1)
                break;
            Press(Editor(), "Ecmd_1");
            Press(Editor(), "Ecmd_1"); // SUMMARY, where Modify opens the student dialog
            Choose(m_dir->File("roster.csv"));
            WhenModal<ModSumDlg>([](ModSumDlg* dialog) {
                WhenModal<ImportPreview>([](ImportPreview* preview) { Press(preview, "cmdImport"); });
                Press(dialog, "cmdImport");
                Press(dialog, "cmdCancel");
            });
            Press(Editor(), "Ecmd_5");
        }
    }

    void statisticsOfTheCategoryShown() {
        for (int round = 0; round < 2; ++round) {
            WhenModal<StatsView>([](StatsView* view) {
                QCOMPARE(view->findChild<QComboBox*>("cmbCat")->currentText(),
                         QStringLiteral("2. Tests, A [60%] - {3}"));
                Press(view, "cmdExit");
            });
            if (round == 0)
                QTest::keyClick(Editor(), Qt::Key_T, Qt::ControlModifier);
            else
                Item("mnuStats")->trigger();
        }
        Press(Editor(), "Ecmd_6");
        QTimer* guard = FailOnModal();
        QTest::keyClick(Editor(), Qt::Key_T, Qt::ControlModifier);
        delete guard;
        QTest::keyClick(Editor(), Qt::Key_Escape);
    }
};

QTEST_MAIN(ExchangeTest)
#include "ExchangeTest.moc"
