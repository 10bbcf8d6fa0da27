#include "platform/FileDialog.h"

#include "support/ModalDriver.h"

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

FileDialogOptions SaveAsOptions(const QString& folder, const QString& preset = "Untitled") {
    return {"Save Markrol File AS:", MrkFilter, folder, "mrk", preset, false, true};
}

FileDialogOptions OpenOptions(const QString& folder, const QString& filter = MrkFilter) {
    return {"Open MarkRoll File", filter, folder, {}, {}, true};
}

// What the user sees in the real dialog: title, folder, file name box and filters; then name is typed into
// the file name box, which has the focus as when the user types, and the dialog is accepted.
QStringList LookThenAccept(QFileDialog* dialog, const QString& name) {
    auto* nameBox = dialog->findChild<QLineEdit*>("fileNameEdit");
    const QStringList look =
        QStringList{dialog->windowTitle(), QDir(dialog->directory()).canonicalPath(), nameBox->text()} +
        dialog->nameFilters();
    dialog->activateWindow();
    (void)QTest::qWaitForWindowActive(dialog);
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

    void filtersBecomeNameFilters() {
        // clang-format off
        const std::pair<QString, QStringList> cases[] = {
            {MrkFilter, {"MarkRoll Files   *.mrk (*.mrk)"}}, {"", {}}, {"A|*.a|B", {"invalid"}}, {"A|", {"invalid"}},
            {"Text|*.txt;*.prn|All Files|*.*", {"Text (*.txt *.prn)", "All Files (*)"}}};
        // clang-format on
        for (const auto& [filter, expected] : cases)
            QCOMPARE(FileDialog::NameFilters(filter).value_or(QStringList{"invalid"}), expected);
    }

    void defaultExtensionOnlyForNamesWithout() {
        // path, default extension, expected
        // clang-format off
        const std::array<const char*, 3> cases[] = {
            {"class", "mrk", "class.mrk"}, {"class.txt", "mrk", "class.txt"}, {"/home/t/", "mrk", "/home/t/"},
            {"class", "", "class"},        {"/home/t.b/class", ".mrk", "/home/t.b/class.mrk"}};
        // clang-format on
        for (const auto& [path, ext, expected] : cases)
            QCOMPARE(FileDialog::WithDefaultExt(path, ext), QString(expected));
    }

    // A chosen name gets the default extension and becomes the name both dialogs start with; a preset counts
    // even when its dialog is cancelled; a failed dialog chose nothing.
    void chosenNamesBecomeTheStartName() {
        FileDialog::SetNextResult({Status::Chosen, "/data/class", {}});
        FileDialog::SetNextResult({Status::Cancelled, {}, {}});
        FileDialog::SetNextResult({Status::Failed, {}, "Disk full"});
        QCOMPARE(FileDialog::Save(nullptr, SaveAsOptions("/data")).path, QString("/data/class.mrk"));
        QCOMPARE(FileDialog::StartName(), QString("/data/class.mrk"));
        QCOMPARE(FileDialog::Save(nullptr, SaveAsOptions("/data", "/data/second.mrk")).status, Status::Cancelled);
        QCOMPARE(FileDialog::StartName(), QString("/data/second.mrk"));
        QCOMPARE(FileDialog::Open(nullptr, OpenOptions("/data")).error, QString("Disk full"));
        QCOMPARE(FileDialog::StartName(), QString("/data/second.mrk"));
    }

    // Save appends the default extension, Open then starts with the name chosen, a second save asks before
    // overwriting and names the file really written, and a folder that is gone falls back to the current one.
    void realDialogs() {
        QTemporaryDir folder;
        const QString here = QFileInfo(folder.path()).canonicalFilePath();
        RealBoxes real;
        QCOMPARE(FileDialog::Open(nullptr, OpenOptions(here, "MarkRoll Files")).error,
                 QString("The list of file types \"MarkRoll Files\" is not valid."));

        QStringList seen;
        WhenModal<QFileDialog>([&seen](QFileDialog* dialog) { seen = LookThenAccept(dialog, "class"); });
        QCOMPARE(FileDialog::Save(nullptr, SaveAsOptions(here)).path, QDir(here).filePath("class.mrk"));
        // The toolkit shows runs of blanks in a filter label as one.
        QCOMPARE(seen, QStringList({"Save Markrol File AS:", here, "Untitled", "MarkRoll Files *.mrk (*.mrk)"}));
        for (const char* name : {"class.mrk", "b.mrk"})
            QVERIFY(QFile(folder.filePath(name)).open(QIODevice::WriteOnly));

        WhenModal<QFileDialog>([&seen](QFileDialog* dialog) { seen = LookThenAccept(dialog, "b.mrk"); });
        QCOMPARE(FileDialog::Open(nullptr, OpenOptions(here)).path, QDir(here).filePath("b.mrk"));
        QCOMPARE(seen.mid(0, 3), QStringList({"Open MarkRoll File", here, "class.mrk"}));

        WhenModal<QFileDialog>([&seen](QFileDialog* dialog) {
            WhenModal<QMessageBox>([&seen](QMessageBox* box) {
                seen = {box->text()};
                box->button(QMessageBox::Yes)->click();
            });
            LookThenAccept(dialog, "class");
        });
        QCOMPARE(FileDialog::Save(nullptr, SaveAsOptions(here)).path, QDir(here).filePath("class.mrk"));
        QVERIFY2(seen.value(0).contains("class.mrk"), qPrintable(seen.value(0)));

        QVERIFY(folder.remove()); // the name to start with is in a folder that is gone too
        WhenModal<QFileDialog>([&seen](QFileDialog* dialog) {
            seen = {QDir(dialog->directory()).canonicalPath()};
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        const FileDialogResult result = FileDialog::Open(nullptr, OpenOptions("/no/such/markroll/folder"));
        QCOMPARE(seen, QStringList{QDir::current().canonicalPath()});
        QVERIFY(result.status == Status::Cancelled && result.error.isEmpty()); // cancelling is not an error
    }
};

QTEST_MAIN(FileDialogTest)
#include "FileDialogTest.moc"
