// CSV export, roster import and the statistics through the main window and the real editor: the file written is
// what markroll-cli writes, an import can be cancelled and undone byte for byte, Ctrl+T and the menu open the
// statistics of the category shown.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <sstream>

#include "CliCommands.h"
#include "app/AppTestSupport.h"
#include "app/CsvExportDlg.h"
#include "app/DataEditorFactory.h"
#include "calc/Recalc.h"
#include "calc/Students.h"
#include "document/CsvExport.h"
#include "document/MarkrollFile.h"
#include "editor/EditData.h"
#include "modify/ImportPreview.h"
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

    void exportWritesWhatTheCommandLineWrites() {
        const std::tuple<int, std::optional<int>, QString> cases[] = {{0, std::nullopt, "class.csv"},
                                                                      {3, 2, "class-Tests-A.csv"}};
        for (const auto& [row, category, offered] : cases) {
            WhenModal<CsvExportDlg>([row](CsvExportDlg* dialog) {
                dialog->findChild<QListWidget*>("lstWhat")->setCurrentRow(row);
                Press(dialog, "cmdExport");
            });
            Choose(m_dir->File("out"));
            Item("mnuExport")->trigger();
            const FileDialogOptions asked = FileDialog::Asked().back();
            QCOMPARE(asked.filter + "|" + asked.defaultExt + "|" + asked.presetName.section('/', -1),
                     "CSV Files (*.csv)|*.csv|csv|" + offered);
            QVERIFY(asked.overwritePrompt);
            std::vector<std::string> args{"export", m_file};
            if (category)
                args.insert(args.end(), {"--category", std::to_string(*category)});
            std::ostringstream out, err;
            QCOMPARE(RunCli(args, out, err), 0);
            QCOMPARE(ReadBytes(m_dir->File("out.csv")), out.str());
            QCOMPARE(out.str(), ExportCsv(m_state->doc, category));
        }
        WhenModal<CsvExportDlg>([](CsvExportDlg* dialog) { Press(dialog, "cmdCancel"); });
        Item("mnuExport")->trigger();
        QCOMPARE(FileDialog::Asked().size(), std::size_t(2));
        WhenModal<CsvExportDlg>([](CsvExportDlg* dialog) { Press(dialog, "cmdExport"); });
        Choose(m_dir->File("gone/out.csv"));
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        Item("mnuExport")->trigger();
        QVERIFY(Shown().join("").startsWith("ERROR: Save Error("));
        QVERIFY(Shown().join("").endsWith(QString::fromStdString(m_dir->File("gone/out.csv"))));
    }

    void importCancelledThenUndone() {
        WriteBytes(m_dir->File("roster.csv"), "ID,Name\r\n7,Again\r\n\r\n9,New Student\r\n");
        const std::string before = Image();
        for (const char* button : {"cmdCancel", "cmdImport"}) {
            Choose(m_dir->File("roster.csv"));
            WhenModal<ImportPreview>([button](ImportPreview* preview) {
                auto* rows = preview->findChild<QTableWidget*>("grdRows");
                QCOMPARE(rows->item(0, 3)->text() + "|" + rows->item(1, 0)->text(),
                         QStringLiteral("ID 7 is already student 1|4"));
                QCOMPARE(preview->findChild<QLabel*>("labSummary")->text(),
                         QStringLiteral("1 student will be added (4 in the markroll then), 1 row rejected"));
                Press(preview, button);
            });
            Item("mnuImport")->trigger();
            if (button == std::string("cmdCancel"))
                QVERIFY(Image() == before && !Item("mnuUndo")->isEnabled());
        }
        Document expected;
        QVERIFY(!ParseMarkroll(before, expected));
        const Roster roster = ReadRoster(ReadBytes(m_dir->File("roster.csv")));
        ImportStudents(expected, PreviewRoster(expected, roster, roster.Columns));
        RecalcAll(expected);
        QVERIFY(Image() == SerializeMarkroll(expected) && Editor()->Layout().LastStu == 4);
        QCOMPARE(Item("mnuUndo")->text(), QStringLiteral("&Undo Import Students"));
        Item("mnuUndo")->trigger();
        QVERIFY(Image() == before && Editor()->Layout().LastStu == 3);
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
