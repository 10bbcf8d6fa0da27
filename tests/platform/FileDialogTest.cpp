#include "platform/FileDialog.h"

#include "support/ModalDriver.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <array>

using namespace markroll;
using namespace markroll::test;
using Status = FileDialogResult::Status;

namespace {

const QString MrkFilter = QStringLiteral("MarkRoll Files   *.mrk|*.mrk");

FileDialogOptions SaveAsOptions(const QString& folder, const QString& preset) {
    return {"Save Markrol File AS:", MrkFilter, folder, "mrk", preset, false, true};
}

FileDialogOptions OpenOptions(const QString& folder) {
    return {"Open MarkRoll File", MrkFilter, folder, {}, {}, true};
}

QString Canonical(const QString& path) {
    return QFileInfo(path).canonicalFilePath();
}

// What the user sees in the real dialog: title, folder, file name box and filters; then name is typed into
// the file name box, which has the focus as when the user types, and the dialog is accepted.
QStringList LookThenAccept(QFileDialog* dialog, const QString& name) {
    auto* nameBox = dialog->findChild<QLineEdit*>("fileNameEdit");
    const QStringList look =
        QStringList{dialog->windowTitle(), QDir(dialog->directory()).canonicalPath(), nameBox->text()} +
        dialog->nameFilters();
    dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog))
        qWarning("the file dialog did not become active");
    nameBox->setFocus();
    nameBox->setText(name);
    static_cast<QDialog*>(dialog)->accept();
    return look;
}

} // namespace

class FileDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("MARKROLL_TEST_MODE", "1"); }
    void cleanup() { QVERIFY2(!DropModalWaits(), "an expected modal window never opened"); }

    void filtersBecomeNameFilters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("expected"); // {"invalid"} when refused
        const QStringList invalid{"invalid"};
        QTest::newRow("markroll files") << MrkFilter << QStringList{"MarkRoll Files   *.mrk (*.mrk)"};
        QTest::newRow("several pairs and patterns")
            << "Text|*.txt;*.prn|All Files|*.*" << QStringList{"Text (*.txt *.prn)", "All Files (*)"};
        QTest::newRow("none") << "" << QStringList{};
        QTest::newRow("label only") << "MarkRoll Files" << invalid;
        QTest::newRow("last label without pattern") << "A|*.a|B" << invalid;
        QTest::newRow("empty pattern") << "A|" << invalid;
    }
    void filtersBecomeNameFilters() {
        QFETCH(QString, filter);
        QFETCH(QStringList, expected);
        QCOMPARE(FileDialog::NameFilters(filter).value_or(QStringList{"invalid"}), expected);
    }

    void defaultExtensionOnlyForNamesWithout() {
        // path, default extension, expected
        const std::array<const char*, 3> cases[] = {{"class", "mrk", "class.mrk"},
                                                    {"class.txt", "mrk", "class.txt"},
                                                    {"", "mrk", ""},
                                                    {"/home/t/", "mrk", "/home/t/"},
                                                    {"/home/t.b/class", "mrk", "/home/t.b/class.mrk"},
                                                    {"class", "", "class"},
                                                    {"class", ".mrk", "class.mrk"}};
        for (const auto& [path, ext, expected] : cases)
            QCOMPARE(FileDialog::WithDefaultExt(path, ext), QString(expected));
    }

    // A chosen name gets the default extension and becomes the name both dialogs start with; a preset counts
    // even when its dialog is cancelled; a failed dialog chose nothing.
    void chosenNamesBecomeTheStartName() {
        FileDialog::SetNextResult({Status::Chosen, "/data/class", {}});
        FileDialog::SetNextResult({Status::Cancelled, {}, {}});
        FileDialog::SetNextResult({Status::Failed, {}, "Disk full"});
        QCOMPARE(FileDialog::Save(nullptr, SaveAsOptions("/data", "Untitled")).path, QString("/data/class.mrk"));
        QCOMPARE(FileDialog::StartName(), QString("/data/class.mrk"));
        QCOMPARE(FileDialog::Save(nullptr, SaveAsOptions("/data", "/data/second.mrk")).status, Status::Cancelled);
        QCOMPARE(FileDialog::StartName(), QString("/data/second.mrk"));
        QCOMPARE(FileDialog::Open(nullptr, OpenOptions("/data")).error, QString("Disk full"));
        QCOMPARE(FileDialog::StartName(), QString("/data/second.mrk"));
    }

    // The save dialog appends the default extension, and the open dialog then starts with the name chosen.
    void realSaveThenOpen() {
        QTemporaryDir folder;
        RealBoxes real;
        QStringList seen;
        WhenModal<QFileDialog>([&seen](QFileDialog* dialog) { seen = LookThenAccept(dialog, "class"); });
        const FileDialogResult saved = FileDialog::Save(nullptr, SaveAsOptions(folder.path(), "Untitled"));
        // The toolkit shows runs of blanks in a filter label as one.
        QCOMPARE(seen, QStringList({"Save Markrol File AS:", Canonical(folder.path()), "Untitled",
                                    "MarkRoll Files *.mrk (*.mrk)"}));
        QVERIFY(saved.status == Status::Chosen && QFile(saved.path).open(QIODevice::WriteOnly));
        QCOMPARE(Canonical(saved.path), Canonical(folder.filePath("class.mrk")));
        QVERIFY(QFile(folder.filePath("b.mrk")).open(QIODevice::WriteOnly));
        WhenModal<QFileDialog>([&seen](QFileDialog* dialog) { seen = LookThenAccept(dialog, "b.mrk"); });
        const FileDialogResult opened = FileDialog::Open(nullptr, OpenOptions(folder.path()));
        QCOMPARE(seen.mid(0, 3), QStringList({"Open MarkRoll File", Canonical(folder.path()), "class.mrk"}));
        QCOMPARE(Canonical(opened.path), Canonical(folder.filePath("b.mrk")));
    }

    // The prompt must name the file that will really be written, extension included.
    void realSaveDialogAsksBeforeOverwriting_data() {
        QTest::addColumn<bool>("replace");
        QTest::newRow("replace") << true;
        QTest::newRow("keep") << false;
    }
    void realSaveDialogAsksBeforeOverwriting() {
        QFETCH(bool, replace);
        QTemporaryDir folder;
        QVERIFY(QFile(folder.filePath("class.mrk")).open(QIODevice::WriteOnly));
        RealBoxes real;
        QString prompt;
        WhenModal<QFileDialog>([&prompt, replace](QFileDialog* dialog) {
            WhenModal<QMessageBox>([&prompt, replace](QMessageBox* box) {
                prompt = box->text();
                box->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
            });
            LookThenAccept(dialog, "class");
            if (!replace)
                dialog->close();
        });
        const FileDialogResult result = FileDialog::Save(nullptr, SaveAsOptions(folder.path(), "Untitled"));
        QVERIFY2(prompt.contains("class.mrk"), qPrintable(prompt));
        QCOMPARE(QFileInfo(result.path).fileName(), replace ? QString("class.mrk") : QString());
    }

    // A folder that is gone falls back to the current one; cancelling is not an error.
    void realDialogFromAMissingFolderCancelled() {
        RealBoxes real;
        QString folder;
        WhenModal<QFileDialog>([&folder](QFileDialog* dialog) {
            folder = QDir(dialog->directory()).canonicalPath();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        const FileDialogResult result = FileDialog::Open(nullptr, OpenOptions("/no/such/markroll/folder"));
        QCOMPARE(folder, QDir::current().canonicalPath());
        QVERIFY(result.status == Status::Cancelled && result.error.isEmpty());
    }

    void badFilterFailsWithAMessageInsteadOfShowingTheDialog() {
        RealBoxes real;
        FileDialogOptions options = OpenOptions(QDir::tempPath());
        options.filter = "MarkRoll Files";
        const FileDialogResult result = FileDialog::Open(nullptr, options);
        QCOMPARE(result.status, Status::Failed);
        QCOMPARE(result.error, QString("The list of file types \"MarkRoll Files\" is not valid."));
    }
};

QTEST_MAIN(FileDialogTest)
#include "FileDialogTest.moc"
