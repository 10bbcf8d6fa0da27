// Work lost with the program comes back: a real run of the program is killed after a change, and the next run
// on the same file offers the recovery copy. The test runs itself as that first program ("--killed-run").

#include <QProcess>
#include <QTest>
#include <csignal>
#include <filesystem>
#include <iostream>

#include "app/AppTestSupport.h"
#include "app/DataEditorFactory.h"
#include "app/RecoveryKeeper.h"
#include "app/frmMenu.h"
#include "calc/Students.h"
#include "document/MarkrollFile.h"
#include "document/Session.h"
#include "editor/EditData.h"
#include "platform/MessageBox.h"
#include "support/ModalDriver.h"
#include "support/TempDir.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;
namespace fs = std::filesystem;

namespace {

Document ClassDocument() {
    return MakeDocument(4, {{"Tests", 60, 3, 3}, {"Homework", 40, 4, 3}});
}

// The killed run: opens the file, types a score into Tests, says so, and waits to be killed.
int KilledRun(int argc, char** argv, const QString& file) {
    QApplication app(argc, argv);
    AppState state;
    frmMenu menu(state);
    menu.SetEditorFactory(DataEditorFactory(menu));
    if (!menu.OpenFile(file))
        return 2;
    auto* editor = qobject_cast<EditData*>(menu.Editor());
    Press(editor, "Ecmd_1");
    Press(editor, "Ecmd_6");
    for (const char ch : std::string(" 42"))
        QTest::keyClick(editor, Qt::Key(ch));
    QTest::keyClick(editor, Qt::Key_Escape);
    WriteBytes(file.toStdString() + ".typed", SerializeMarkroll(state.doc));
    std::cout << "changed" << std::endl;
    return QApplication::exec();
}

} // namespace

class RecoveryTest : public QObject {
    Q_OBJECT

    /// Runs the program on file, lets it change the document, and kills it; the document it had.
    Document ChangeAndKill(const std::string& file) {
        QProcess run;
        run.start(QCoreApplication::applicationFilePath(), {"--killed-run", QString::fromStdString(file)});
        if (!run.waitForReadyRead(20000))
            return {};
        const QByteArray said = run.readAllStandardOutput();
        ::kill(static_cast<pid_t>(run.processId()), SIGKILL);
        run.waitForFinished();
        Document doc;
        if (!said.endsWith("changed\n") || LoadMarkroll(file + ".typed", doc))
            return {};
        fs::remove(file + ".typed");
        return doc;
    }

private slots:
    void cleanup() { ExpectAllAnswered(); }

    // Yes gives the killed run's document as an unsaved change of the file, which Undo takes back; No deletes
    // the copy and leaves the file; a copy that cannot be read is reported and kept aside.
    void killedRunComesBack() {
        TempDir dir;
        const std::string file = dir.File("period 3.mrk");
        WriteBytes(file, SerializeMarkroll(ClassDocument()));
        const std::string original = ReadBytes(file);
        const Document changed = ChangeAndKill(file);
        QVERIFY(changed != Document{});

        AppState state;
        frmMenu menu(state);
        MessageBox::SetNextAnswer(MsgAnswer::Yes);
        QVERIFY(menu.OpenFile(QString::fromStdString(file)));
        QVERIFY(!MessageBox::Asked().empty());
        QCOMPARE(MessageBox::Asked().back().title, QStringLiteral("Markroll Recovery"));
        QVERIFY(MessageBox::Asked().back().text.contains(QString::fromStdString(file)));
        QVERIFY(state.doc == changed && menu.HasUnsavedChanges() && ReadBytes(file) == original);
        menu.Undo();
        QCOMPARE(SerializeMarkroll(state.doc), original);
        menu.Redo();
        QVERIFY(state.doc == changed);
        // This run keeps the copy now; a save removes it and keeps the old file as the backup.
        const std::string copy = menu.Recovery()->CopyPath();
        QVERIFY(fs::exists(copy));
        QVERIFY(menu.Save() && !fs::exists(copy) && ReadBytes(file + "~") == original);

        WriteBytes(file, original);
        QVERIFY(ChangeAndKill(file) == changed && fs::exists(copy));
        MessageBox::SetNextAnswer(MsgAnswer::No);
        QVERIFY(menu.OpenFile(QString::fromStdString(file)));
        QVERIFY(!fs::exists(copy) && SerializeMarkroll(state.doc) == original && !menu.HasUnsavedChanges());

        QVERIFY(ChangeAndKill(file) == changed);
        WriteBytes(copy, "3,4,7,6\r\nnot a markroll\r\n");
        MessageBox::SetNextAnswer(MsgAnswer::Yes);
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        QVERIFY(menu.OpenFile(QString::fromStdString(file)));
        QVERIFY(MessageBox::Asked().back().text.contains(".damaged"));
        QVERIFY(fs::exists(copy + ".damaged") && SerializeMarkroll(state.doc) == original);

        // A copy that cannot be written is reported once, and the work goes on.
        menu.Recovery()->SetFolder("/dev/null/recovery");
        MessageBox::ClearAsked();
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        for (const int points : {5, 6}) {
            SetAdjustmentPoints(state.doc, points);
            CommitStep(state, "Adjustment Points");
        }
        QCOMPARE(MessageBox::Asked().size(), std::size_t{1});
        QVERIFY(MessageBox::Asked().back().text.startsWith("The recovery copy could not be written"));
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
