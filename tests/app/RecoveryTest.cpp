// Work lost with the program comes back: a real run of the program is killed after a change, and the next run
// on the same file offers the recovery copy. The test runs itself as that first program ("--killed-run").

#include <QProcess>
#include <QTest>
#include <filesystem>
#include <iostream>

#include "app/AppTestSupport.h"
#include "app/DataEditorFactory.h"
#include "app/RecoveryKeeper.h"
#include "app/frmMenu.h"
#include "calc/Students.h"
#include "document/MarkrollFile.h"
#include "document/Session.h"
#include "support/TempDir.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;
namespace fs = std::filesystem;

namespace {

// The killed run: opens the file, types a score into Tests, leaves its document beside the file, says so, and
// waits to be killed.
int KilledRun(int argc, char** argv, const QString& file) {
    QApplication app(argc, argv);
    AppState state;
    frmMenu menu(state);
    menu.SetEditorFactory(DataEditorFactory(menu));
    if (!menu.OpenFile(file))
        return 2;
    Press(menu.Editor(), "Ecmd_1");
    Press(menu.Editor(), "Ecmd_6");
    QTest::keyClicks(menu.Editor(), " 42");
    QTest::keyClick(menu.Editor(), Qt::Key_Escape);
    WriteBytes(file.toStdString() + ".typed", SerializeMarkroll(state.doc));
    std::cout << "changed" << std::endl;
    return QApplication::exec();
}

// Runs the program on file, lets it change the document, and kills it; the document it had, or none.
Document ChangeAndKill(const std::string& file) {
    QProcess run;
    run.start(QCoreApplication::applicationFilePath(), {"--killed-run", QString::fromStdString(file)});
    const bool changed = run.waitForReadyRead(20000) && run.readAllStandardOutput().endsWith("changed\n");
    run.kill(); // SIGKILL, and nothing when the run has already ended
    run.waitForFinished();
    Document doc;
    return changed && !LoadMarkroll(file + ".typed", doc) ? doc : Document{};
}

} // namespace

class RecoveryTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { ExpectAllAnswered(); }

    void killedRunComesBack() {
        TempDir dir;
        const std::string file = dir.File("period 3.mrk");
        const QString name = QString::fromStdString(file);
        WriteBytes(file, SerializeMarkroll(MakeDocument(4, {{"Tests", 60, 3, 3}, {"Homework", 40, 4, 3}})));
        const std::string original = ReadBytes(file);
        const Document changed = ChangeAndKill(file);
        QVERIFY(changed != Document{});

        // Yes gives the killed run's document as an unsaved change of the file, which Undo takes back; this run keeps
        // the copy now, and a save removes it.
        AppState state;
        frmMenu menu(state);
        MessageBox::SetNextAnswer(MsgAnswer::Yes);
        QVERIFY(menu.OpenFile(name));
        QCOMPARE(MessageBox::Asked().back().title, QStringLiteral("Markroll Recovery"));
        QVERIFY(MessageBox::Asked().back().text.contains(name));
        QVERIFY(state.doc == changed && menu.HasUnsavedChanges() && ReadBytes(file) == original);
        menu.Undo();
        QCOMPARE(SerializeMarkroll(state.doc), original);
        menu.Redo();
        const std::string copy = menu.Recovery()->CopyPath();
        QVERIFY(state.doc == changed && fs::exists(copy) && menu.Save() && !fs::exists(copy));

        // No deletes the copy and leaves the file.
        WriteBytes(file, original);
        QVERIFY(ChangeAndKill(file) == changed && fs::exists(copy));
        MessageBox::SetNextAnswer(MsgAnswer::No);
        QVERIFY(menu.OpenFile(name));
        QVERIFY(!fs::exists(copy) && SerializeMarkroll(state.doc) == original && !menu.HasUnsavedChanges());

        // A copy that cannot be read is reported and kept aside.
        WriteBytes(copy, "3,4,7,6\r\nnot a markroll\r\n");
        MessageBox::SetNextAnswer(MsgAnswer::Yes);
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        QVERIFY(menu.OpenFile(name));
        QVERIFY(MessageBox::Asked().back().text.contains(".damaged") && fs::exists(copy + ".damaged") &&
                SerializeMarkroll(state.doc) == original);

        // A copy that cannot be written is reported once, and the work goes on.
        menu.Recovery()->SetFolder("/dev/null/recovery");
        MessageBox::ClearAsked();
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        for (const int points : {5, 6}) {
            SetAdjustmentPoints(state.doc, points);
            CommitStep(state, "Adjustment Points");
        }
        QVERIFY(MessageBox::Asked().size() == 1 &&
                MessageBox::Asked().back().text.startsWith("The recovery copy could not be written"));
        QCOMPARE(state.History.UndoCount(), std::size_t{2});
    }
};

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--killed-run")
        return KilledRun(argc, argv, QString::fromLocal8Bit(argv[2]));
    QApplication app(argc, argv);
    RecoveryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "RecoveryTest.moc"
