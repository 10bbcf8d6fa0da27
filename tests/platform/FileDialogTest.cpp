#include "platform/FileDialog.h"

#include "ModalDriver.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace markroll;
using markroll::test::CancelModalWaits;
using markroll::test::RealBoxes;
using markroll::test::WhenModalShown;

using Status = FileDialogResult::Status;
Q_DECLARE_METATYPE(markroll::FileDialogResult::Status)

namespace {

const QString MrkFilter = QStringLiteral("MarkRoll Files   *.mrk|*.mrk");

FileDialogOptions SaveAsOptions(const QString& folder, const QString& preset) {
    FileDialogOptions options;
    options.title = QStringLiteral("Save Markrol File AS:");
    options.filter = MrkFilter;
    options.initialDir = folder;
    options.defaultExt = QStringLiteral("mrk");
    options.presetName = preset;
    options.overwritePrompt = true;
    return options;
}

FileDialogOptions OpenOptions(const QString& folder) {
    FileDialogOptions options;
    options.title = QStringLiteral("Open MarkRoll File");
    options.filter = MrkFilter;
    options.initialDir = folder;
    options.mustExist = true;
    return options;
}

void Touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

// What the user saw in the real file dialog.
struct SeenDialog {
    QString title;
    QStringList filters;
    QString folder;
    QString nameBox;
};

SeenDialog Look(QFileDialog* dialog) {
    auto* nameBox = dialog->findChild<QLineEdit*>("fileNameEdit");
    return {dialog->windowTitle(), dialog->nameFilters(), QDir(dialog->directory()).canonicalPath(),
            nameBox ? nameBox->text() : QString("<no file name box>")};
}

// Types name into the dialog's file name box and presses its accept button. The box has the focus,
// as when the user types, so the dialog lets go of the file it had selected.
void TypeAndAccept(QFileDialog* dialog, const QString& name) {
    if (auto* nameBox = dialog->findChild<QLineEdit*>("fileNameEdit")) {
        dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(dialog)) {
            qWarning("the file dialog did not become active");
        }
        nameBox->setFocus();
        nameBox->setText(name);
    }
    QTimer::singleShot(0, static_cast<QDialog*>(dialog), &QDialog::accept);
}

} // namespace

class FileDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("MARKROLL_TEST_MODE", "1"); }
    void cleanup() { CancelModalWaits(); }

    void init() {
        FileDialog::ClearAsked();
        FileDialog::ClearAnswers();
    }

    void filtersBecomeNameFilters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("markroll files") << MrkFilter << true << QStringList{"MarkRoll Files   *.mrk (*.mrk)"};
        QTest::newRow("several pairs and patterns")
            << "Text|*.txt;*.prn|All Files|*.*" << true << QStringList{"Text (*.txt *.prn)", "All Files (*)"};
        QTest::newRow("none") << "" << true << QStringList{};
        QTest::newRow("label only") << "MarkRoll Files" << false << QStringList{};
        QTest::newRow("last label without pattern") << "A|*.a|B" << false << QStringList{};
        QTest::newRow("empty pattern") << "A|" << false << QStringList{};
    }

    void filtersBecomeNameFilters() {
        QFETCH(QString, filter);
        QFETCH(bool, valid);
        QFETCH(QStringList, expected);
        const std::optional<QStringList> filters = FileDialog::NameFilters(filter);
        QCOMPARE(filters.has_value(), valid);
        if (valid) {
            QCOMPARE(*filters, expected);
        }
    }

    void defaultExtensionOnlyForNamesWithout_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("ext");
        QTest::addColumn<QString>("expected");
        QTest::newRow("bare name") << "class"
                                   << "mrk"
                                   << "class.mrk";
        QTest::newRow("own extension kept") << "class.txt"
                                            << "mrk"
                                            << "class.txt";
        QTest::newRow("nothing typed") << ""
                                       << "mrk"
                                       << "";
        QTest::newRow("full path") << "/home/t/class"
                                   << "mrk"
                                   << "/home/t/class.mrk";
        QTest::newRow("dot in a folder name only") << "/home/t.b/class"
                                                   << "mrk"
                                                   << "/home/t.b/class.mrk";
        QTest::newRow("folder") << "/home/t/"
                                << "mrk"
                                << "/home/t/";
        QTest::newRow("no default extension") << "class"
                                              << ""
                                              << "class";
        QTest::newRow("extension given with its dot") << "class"
                                                      << ".mrk"
                                                      << "class.mrk";
    }

    void defaultExtensionOnlyForNamesWithout() {
        QFETCH(QString, path);
        QFETCH(QString, ext);
        QFETCH(QString, expected);
        QCOMPARE(FileDialog::WithDefaultExt(path, ext), expected);
    }

    void scriptedResultsAreUsedInOrderAndRecorded() {
        FileDialog::SetNextResult({Status::Chosen, "/data/class", {}});
        FileDialog::SetNextResult({Status::Cancelled, {}, {}});
        FileDialog::SetNextResult({Status::Failed, {}, "Disk full"});

        const FileDialogResult saved = FileDialog::Save(nullptr, SaveAsOptions("/data", "Untitled"));
        QCOMPARE(saved.status, Status::Chosen);
        QCOMPARE(saved.path, QString("/data/class.mrk"));
        QCOMPARE(FileDialog::Open(nullptr, OpenOptions("/data")).status, Status::Cancelled);
        const FileDialogResult failed = FileDialog::Open(nullptr, OpenOptions("/data"));
        QCOMPARE(failed.status, Status::Failed);
        QCOMPARE(failed.error, QString("Disk full"));

        const auto& asked = FileDialog::Asked();
        QCOMPARE(asked.size(), 3u);
        QCOMPARE(asked[0].title, QString("Save Markrol File AS:"));
        QCOMPARE(asked[0].presetName, QString("Untitled"));
        QVERIFY(asked[0].overwritePrompt);
        QCOMPARE(asked[1].title, QString("Open MarkRoll File"));
        QVERIFY(asked[1].mustExist);
        QCOMPARE(FileDialog::PendingAnswers(), 0);
    }

    void bothDialogsStartWithTheNameLastChosenOrPreset() {
        FileDialog::SetNextResult({Status::Chosen, "/data/first.mrk", {}});
        FileDialog::Open(nullptr, OpenOptions("/data"));
        QCOMPARE(FileDialog::StartName(), QString("/data/first.mrk"));

        // A preset counts even when the dialog is then cancelled.
        FileDialog::SetNextResult({Status::Cancelled, {}, {}});
        FileDialog::Save(nullptr, SaveAsOptions("/data", "/data/second.mrk"));
        QCOMPARE(FileDialog::StartName(), QString("/data/second.mrk"));

        // A failed dialog chose nothing.
        FileDialog::SetNextResult({Status::Failed, {}, "Bad"});
        FileDialog::Open(nullptr, OpenOptions("/data"));
        QCOMPARE(FileDialog::StartName(), QString("/data/second.mrk"));
    }

    void unscriptedDialogInTestModeIsCancelled() {
        QCOMPARE(FileDialog::Open(nullptr, OpenOptions("/data")).status, Status::Cancelled);
        QCOMPARE(FileDialog::Save(nullptr, SaveAsOptions("/data", "x")).status, Status::Cancelled);
        QCOMPARE(FileDialog::Asked().size(), 2u);
    }

    void realSaveDialogAppendsTheDefaultExtension() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        RealBoxes real;
        SeenDialog seen;
        WhenModalShown([&seen](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (!dialog) {
                modal->close();
                return;
            }
            seen = Look(dialog);
            TypeAndAccept(dialog, "class");
        });
        const FileDialogResult result = FileDialog::Save(nullptr, SaveAsOptions(folder.path(), "Untitled"));

        QCOMPARE(seen.title, QString("Save Markrol File AS:"));
        // The toolkit shows runs of blanks in a filter label as one.
        QCOMPARE(seen.filters, QStringList{"MarkRoll Files *.mrk (*.mrk)"});
        QCOMPARE(seen.folder, QDir(folder.path()).canonicalPath());
        QCOMPARE(seen.nameBox, QString("Untitled"));
        QCOMPARE(result.status, Status::Chosen);
        QCOMPARE(QDir(QFileInfo(result.path).absolutePath()).canonicalPath(), QDir(folder.path()).canonicalPath());
        QCOMPARE(QFileInfo(result.path).fileName(), QString("class.mrk"));
        QCOMPARE(FileDialog::StartName(), result.path);
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
        Touch(folder.filePath("class.mrk"));
        RealBoxes real;
        QString prompt;
        WhenModalShown([&prompt, replace](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (!dialog) {
                modal->close();
                return;
            }
            WhenModalShown(
                [&prompt, replace, dialog](QWidget* question) {
                    auto* box = qobject_cast<QMessageBox*>(question);
                    if (!box) {
                        question->close();
                        return;
                    }
                    prompt = box->text();
                    box->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
                    if (!replace) {
                        QTimer::singleShot(0, static_cast<QDialog*>(dialog), &QDialog::reject);
                    }
                },
                dialog);
            TypeAndAccept(dialog, "class");
        });
        const FileDialogResult result = FileDialog::Save(nullptr, SaveAsOptions(folder.path(), "Untitled"));

        QVERIFY2(prompt.contains("class.mrk"), qPrintable(prompt));
        QCOMPARE(result.status, replace ? Status::Chosen : Status::Cancelled);
        if (replace) {
            QCOMPARE(QFileInfo(result.path).fileName(), QString("class.mrk"));
        }
    }

    void realOpenDialogStartsWithTheLastNameAndReturnsTheChoice() {
        QTemporaryDir folder;
        Touch(folder.filePath("a.mrk"));
        Touch(folder.filePath("b.mrk"));
        FileDialog::SetNextResult({Status::Chosen, folder.filePath("a.mrk"), {}});
        FileDialog::Save(nullptr, SaveAsOptions(folder.path(), {}));

        RealBoxes real;
        SeenDialog seen;
        WhenModalShown([&seen](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (!dialog) {
                modal->close();
                return;
            }
            seen = Look(dialog);
            TypeAndAccept(dialog, "b.mrk");
        });
        const FileDialogResult result = FileDialog::Open(nullptr, OpenOptions(folder.path()));

        QCOMPARE(seen.title, QString("Open MarkRoll File"));
        QCOMPARE(seen.nameBox, QString("a.mrk"));
        QCOMPARE(result.status, Status::Chosen);
        QCOMPARE(QFileInfo(result.path).canonicalFilePath(), QFileInfo(folder.filePath("b.mrk")).canonicalFilePath());
    }

    void realDialogCancelIsNotAnError() {
        RealBoxes real;
        WhenModalShown([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        const FileDialogResult result = FileDialog::Open(nullptr, OpenOptions(QDir::tempPath()));
        QCOMPARE(result.status, Status::Cancelled);
        QVERIFY(result.error.isEmpty());
    }

    void missingInitialFolderFallsBackToTheCurrentOne() {
        RealBoxes real;
        SeenDialog seen;
        WhenModalShown([&seen](QWidget* modal) {
            if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                seen = Look(dialog);
            }
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        FileDialog::Open(nullptr, OpenOptions("/no/such/markroll/folder"));
        QCOMPARE(seen.folder, QDir::current().canonicalPath());
    }

    void badFilterFailsWithAMessageInsteadOfShowingTheDialog() {
        RealBoxes real;
        FileDialogOptions options = OpenOptions(QDir::tempPath());
        options.filter = "MarkRoll Files";
        const FileDialogResult result = FileDialog::Open(nullptr, options);
        QCOMPARE(result.status, Status::Failed);
        QVERIFY2(result.error.contains("MarkRoll Files"), qPrintable(result.error));
    }
};

QTEST_MAIN(FileDialogTest)
#include "FileDialogTest.moc"
