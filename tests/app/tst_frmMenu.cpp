// The main window: menus, New, Open, Save, Save As, Exit and the questions before a document is replaced.

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <memory>

#include "app/AppTestSupport.h"
#include "app/CreateMR.h"
#include "app/DataEditorFactory.h"
#include "app/ShellText.h"
#include "app/frmAbout.h"
#include "app/frmMenu.h"
#include "document/MarkrollFile.h"
#include "document/NewDocument.h"
#include "platform/Platform.h"
#include "support/TempDir.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

/// The file of a new markroll made from the default plan.
std::string DefaultImage() {
    return SerializeMarkroll(DefaultDocument());
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<frmMenu> m_menu;
    std::unique_ptr<TempDir> m_dir;
    int m_editorsMade = 0;

    QAction* Item(const char* name) { return m_menu->findChild<QAction*>(QString::fromLatin1(name)); }

    /// Writes doc as a file and opens it through the main window.
    std::string OpenDocument(const Document& doc, const char* name = "class.mrk") {
        const std::string path = m_dir->File(name);
        WriteBytes(path, SerializeMarkroll(doc));
        if (!m_menu->OpenFile(Q(path)))
            qWarning("could not open %s", path.c_str());
        return path;
    }

    void UseEditorProbe() {
        m_menu->SetEditorFactory([this](AppState& state, QWidget* parent) -> QWidget* {
            ++m_editorsMade;
            auto* probe = new QWidget(parent);
            probe->setObjectName(QStringLiteral("EditorProbe"));
            probe->setProperty("sameState", &state == m_state.get());
            return probe;
        });
    }

private slots:
    void init() {
        ResetPlatform();
        m_state = std::make_unique<AppState>();
        m_menu = std::make_unique<frmMenu>(*m_state);
        m_dir = std::make_unique<TempDir>();
        m_editorsMade = 0;
    }

    void cleanup() {
        m_menu.reset();
        m_state.reset();
        m_dir.reset();
        QCOMPARE(MessageBox::PendingAnswers(), 0);
        QCOMPARE(FileDialog::PendingAnswers(), 0);
        ResetPlatform();
    }

    void menusAtStart_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("enabled");
        const std::vector<std::tuple<const char*, const char*, bool>> items = {
            {"mnuFile", "&File", true},
            {"mnuNew", "&New", true},
            {"mnuOpen", "&Open", true},
            {"mnuSave", "&Save", false},
            {"mnuSaveAs", "Save&As", false},
            {"mnuPrint", "&Print", false},
            {"mnuExit", "&Exit", true},
            {"mnuEdit", "&Edit", true},
            {"mnuModify", "&Modify MarkRoll", false},
            {"mnuUpDate", "&UpDate Markroll File", false},
            {"mnuFonts", "&Fonts", true},
            {"mnuScrFonts", "S&creen Fonts", false},
            {"mnuPrtFonts", "P&rinter Fonts", true},
            {"mnuHelp", "&Help", true},
            {"mnuHelpMr", "&Markroll Help", true},
            {"mnuHelpAbout", "&About MarkRoll", true},
        };
        for (const auto& [name, caption, enabled] : items)
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption) << enabled;
    }

    void menusAtStart() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(bool, enabled);
        const QList<QAction*> found = m_menu->findChildren<QAction*>(name);
        QVERIFY2(!found.isEmpty(), qPrintable(name));
        QCOMPARE(found.front()->text(), caption);
        QCOMPARE(found.front()->isEnabled(), enabled);
        QCOMPARE(m_menu->windowTitle(), QStringLiteral("Markroll v3.00   "));
    }

    void menuOrderAndSeparators() {
        const auto names = [](QMenu* menu) {
            QStringList out;
            for (QAction* a : menu->actions())
                out << a->objectName();
            return out;
        };
        QCOMPARE(names(m_menu->findChild<QMenu*>("mnuFile")),
                 QStringList({"mnuNew", "mnuOpen", "mnuSave", "mnuSaveAs", "mnuFileSep1", "mnuPrint", "mnuFileSep2",
                              "mnuExit"}));
        QCOMPARE(names(m_menu->findChild<QMenu*>("mnuHelp")),
                 QStringList({"mnuHelpMr", "mnuHelpSep1", "mnuHelpAbout"}));
        QVERIFY(Item("mnuFileSep1")->isSeparator());
    }

    // New, OK, Create with the default plan, Exit, OK to save, a name without extension.
    void newWithDefaultPlanSavesTheNewMarkroll() {
        const QString typed = Q(m_dir->File("class"));
        MessageBox::SetNextAnswer(MsgAnswer::Ok); // Create New Markroll
        MessageBox::SetNextAnswer(MsgAnswer::Ok); // the dialog's confirmation
        MessageBox::SetNextAnswer(MsgAnswer::Ok); // Save New Markroll
        FileDialog::SetNextResult(Chosen(typed));
        WhenModal<CreateMR>([](CreateMR* dialog) {
            dialog->findChild<QPushButton*>("cmdCreate")->click();
            dialog->findChild<QPushButton*>("cmdExit")->click();
        });
        Item("mnuNew")->trigger();

        const std::string saved = m_dir->File("class.mrk");
        QCOMPARE(ReadBytes(saved), DefaultImage());
        QCOMPARE(m_state->FileName, saved);
        QCOMPARE(m_menu->windowTitle(), QStringLiteral("MarkRoll v3.00   ") + Q(saved));
        QCOMPARE(m_state->Changed, false);
        QVERIFY(!m_menu->HasUnsavedChanges());
        for (const char* name : {"mnuModify", "mnuUpDate", "mnuSave", "mnuSaveAs", "mnuPrint"})
            QVERIFY2(Item(name)->isEnabled(), name);

        const auto& asked = MessageBox::Asked();
        QCOMPARE(asked.size(), std::size_t(3));
        QCOMPARE(asked[0].title, QStringLiteral("New"));
        QCOMPARE(asked[0].text, QStringLiteral("Create New Markroll"));
        QCOMPARE(asked[0].buttons, MsgButtons::OkCancel);
        QCOMPARE(asked[1].title, QStringLiteral("Create New Markroll"));
        QCOMPARE(asked[1].text, QStringLiteral("Create New Markroll With:\n 5 Catagories\n 40 Students"));
        QCOMPARE(asked[2].title, QStringLiteral("Markroll Created"));
        QCOMPARE(asked[2].text, QStringLiteral("Save New Markroll"));
        QCOMPARE(asked[2].buttons, MsgButtons::OkCancel);
        for (const MessageRequest& box : asked)
            QCOMPARE(box.icon, MsgIcon::None);

        QCOMPARE(FileDialog::Asked().size(), std::size_t(1));
        const FileDialogOptions& options = FileDialog::Asked().front();
        QCOMPARE(options.title, QStringLiteral("Save Markrol File AS:"));
        QCOMPARE(options.filter, QStringLiteral("MarkRoll Files   *.mrk|*.mrk"));
        QCOMPARE(options.defaultExt, QStringLiteral("mrk"));
        QCOMPARE(options.presetName, QStringLiteral("Untitled"));
        QVERIFY(options.overwritePrompt);
        QVERIFY(QFileInfo(options.initialDir).isDir());
    }

    void aNewMarkrollNotSavedCountsAsUnsaved() {
        MessageBox::SetNextAnswer(MsgAnswer::Ok);     // Create New Markroll
        MessageBox::SetNextAnswer(MsgAnswer::Ok);     // the dialog's confirmation
        MessageBox::SetNextAnswer(MsgAnswer::Cancel); // Save New Markroll: not now
        WhenModal<CreateMR>([](CreateMR* dialog) {
            dialog->findChild<QPushButton*>("cmdCreate")->click();
            dialog->findChild<QPushButton*>("cmdExit")->click();
        });
        Item("mnuNew")->trigger();
        QCOMPARE(m_state->FileName, std::string("Untitled"));
        QVERIFY(m_menu->HasUnsavedChanges());

        // Opening another file first offers to save the new one; Cancel keeps it.
        MessageBox::ClearAsked();
        MessageBox::SetNextAnswer(MsgAnswer::Cancel);
        const Document created = m_state->doc;
        Item("mnuOpen")->trigger();
        QCOMPARE(MessageBox::Asked().size(), std::size_t(1));
        QCOMPARE(MessageBox::Asked().front().text, QStringLiteral("Save changes to Untitled ?"));
        QCOMPARE(FileDialog::Asked().size(), std::size_t(0));
        QCOMPARE(m_state->doc, created);
    }

    void newWithoutCreatingKeepsTheOpenDocument() {
        const std::string path = OpenDocument(MakeDocument(12, {{"Tests", 60}, {"Labs", 40}}));
        const Document before = m_state->doc;
        const QString caption = m_menu->windowTitle();
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        WhenModal<CreateMR>([](CreateMR* dialog) { dialog->findChild<QPushButton*>("cmdExit")->click(); });
        Item("mnuNew")->trigger();

        // Leaving the dialog asks nothing more, and the open document keeps its name, so Save still writes it.
        QCOMPARE(MessageBox::Asked().size(), std::size_t(1));
        QCOMPARE(m_state->FileName, path);
        QCOMPARE(m_state->doc, before);
        QCOMPARE(m_menu->windowTitle(), caption);
        QVERIFY(Item("mnuSave")->isEnabled());
        QVERIFY(m_state->Changed);
    }

    void newCancelledAsksNothingMore() {
        MessageBox::SetNextAnswer(MsgAnswer::Cancel);
        QTimer* guard = FailOnModal();
        Item("mnuNew")->trigger();
        delete guard;
        QCOMPARE(MessageBox::Asked().size(), std::size_t(1));
        QVERIFY(!m_state->DocumentOpen());
    }

    void openShowsTheFileAndTheEditor() {
        UseEditorProbe();
        const std::string path = m_dir->File("algebra.mrk");
        const Document doc = MakeDocument(3, {{"Quizzes", 100, 4, 2}});
        WriteBytes(path, SerializeMarkroll(doc));
        FileDialog::SetNextResult(Chosen(Q(path)));
        Item("mnuOpen")->trigger();

        QCOMPARE(m_state->doc, doc);
        QCOMPARE(m_state->FileName, path);
        QCOMPARE(m_menu->windowTitle(), QStringLiteral("Markroll v3.00   ") + Q(path));
        QVERIFY(Item("mnuUpDate")->isEnabled());
        QCOMPARE(m_editorsMade, 1);
        QVERIFY(m_menu->Editor() && m_menu->Editor()->isVisible() && m_menu->Editor()->isWindow());
        QVERIFY(m_menu->Editor()->property("sameState").toBool());

        const FileDialogOptions& options = FileDialog::Asked().front();
        QCOMPARE(options.title, QStringLiteral("Open MarkRoll File"));
        QCOMPARE(options.filter, QStringLiteral("MarkRoll Files   *.mrk|*.mrk"));
        QVERIFY(options.mustExist);
        QVERIFY(MessageBox::Asked().empty());
    }

    void openCancelledChangesNothing() {
        FileDialog::SetNextResult(Cancelled());
        Item("mnuOpen")->trigger();
        QVERIFY(!m_state->DocumentOpen());
        QVERIFY(MessageBox::Asked().empty());
        QVERIFY(!Item("mnuSave")->isEnabled());
    }

    void openOfABadFileKeepsTheDocument_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("message");
        QTest::newRow("first line only") << QByteArray("40,5,7,6\r\n")
                                         << "Save Error( 62) - Input past end of file (line 2)";
        QTest::newRow("letters in the counts")
            << QByteArray("forty,5,7,6\r\n") << "Save Error( 13) - Type mismatch (line 1)";
        QTest::newRow("count out of range") << QByteArray("40,5,99999,6\r\n") << "Save Error( 6) - Overflow (line 1)";
        QTest::newRow("no such file") << QByteArray() << "Save Error( 53) - File not found";
    }

    void openOfABadFileKeepsTheDocument() {
        QFETCH(QByteArray, contents);
        QFETCH(QString, message);
        UseEditorProbe();
        const std::string good = OpenDocument(MakeDocument(5, {{"Essays", 100}}));
        QWidget* editor = m_menu->Editor();
        const Document before = m_state->doc;
        const QString caption = m_menu->windowTitle();

        const std::string bad = m_dir->File("bad.mrk");
        if (!contents.isEmpty())
            WriteBytes(bad, contents.toStdString());
        FileDialog::SetNextResult(Chosen(Q(bad)));
        Item("mnuOpen")->trigger();

        QCOMPARE(MessageBox::Asked().size(), std::size_t(1));
        const MessageRequest& shown = MessageBox::Asked().front();
        QCOMPARE(shown.text, message);
        QCOMPARE(shown.title, QStringLiteral("ERROR"));
        QCOMPARE(shown.icon, MsgIcon::Critical);
        QCOMPARE(shown.buttons, MsgButtons::Ok);
        QCOMPARE(m_state->doc, before);
        QCOMPARE(m_state->FileName, good);
        QCOMPARE(m_menu->windowTitle(), caption);
        QVERIFY(Item("mnuSave")->isEnabled());
        QCOMPARE(m_editorsMade, 1);
        QCOMPARE(m_menu->Editor(), editor);
    }

    void openFromTheCommandLineTakesARelativeName() {
        const Document doc = MakeDocument(2, {{"Labs", 100}});
        WriteBytes(m_dir->File("labs.mrk"), SerializeMarkroll(doc));
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(Q(m_dir->Path()));
        const bool opened = m_menu->OpenFile(QStringLiteral("labs.mrk"));
        QDir::setCurrent(cwd);
        QVERIFY(opened);
        QVERIFY(QFileInfo(Q(m_state->FileName)).isAbsolute());
        QCOMPARE(std::filesystem::canonical(m_state->FileName), std::filesystem::canonical(m_dir->File("labs.mrk")));
        QCOMPARE(m_state->doc, doc);
    }

    // Questions before the open document is replaced, asked only when it differs from its file.
    void openAsksToSaveChanges_data() {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<bool>("oldFileRewritten");
        QTest::newRow("unmodified") << false << -1 << true << false;
        QTest::newRow("modified, yes") << true << int(MsgAnswer::Yes) << true << true;
        QTest::newRow("modified, no") << true << int(MsgAnswer::No) << true << false;
        QTest::newRow("modified, cancel") << true << int(MsgAnswer::Cancel) << false << false;
    }

    void openAsksToSaveChanges() {
        QFETCH(bool, modified);
        QFETCH(int, answer);
        QFETCH(bool, opens);
        QFETCH(bool, oldFileRewritten);
        const std::string oldPath = OpenDocument(MakeDocument(4, {{"Tests", 100}}), "old.mrk");
        const std::string oldBytes = ReadBytes(oldPath);
        if (modified)
            m_state->doc.InfoLine[1] = "Algebra 1";
        const Document edited = m_state->doc;
        const Document next = MakeDocument(6, {{"Quizzes", 50}, {"Labs", 50}});
        const std::string nextPath = m_dir->File("next.mrk");
        WriteBytes(nextPath, SerializeMarkroll(next));

        if (answer >= 0)
            MessageBox::SetNextAnswer(MsgAnswer(answer));
        if (opens)
            FileDialog::SetNextResult(Chosen(Q(nextPath)));
        Item("mnuOpen")->trigger();

        QCOMPARE(MessageBox::Asked().size(), std::size_t(modified ? 1 : 0));
        if (modified) {
            QCOMPARE(MessageBox::Asked().front().title, QStringLiteral("Markroll"));
            QCOMPARE(MessageBox::Asked().front().text, QStringLiteral("Save changes to %1 ?").arg(Q(oldPath)));
            QCOMPARE(MessageBox::Asked().front().buttons, MsgButtons::YesNoCancel);
        }
        QCOMPARE(FileDialog::Asked().size(), std::size_t(opens ? 1 : 0));
        QCOMPARE(m_state->doc, opens ? next : edited);
        QCOMPARE(m_state->FileName, opens ? nextPath : oldPath);
        QCOMPARE(ReadBytes(oldPath), oldFileRewritten ? SerializeMarkroll(edited) : oldBytes);
    }

    void newAsksToSaveChanges() {
        OpenDocument(MakeDocument(4, {{"Tests", 100}}));
        m_state->doc.CatData(1, 1) = "123-45-6789 Ada Lovelace                   ";
        const Document edited = m_state->doc;
        MessageBox::SetNextAnswer(MsgAnswer::Ok);     // Create New Markroll
        MessageBox::SetNextAnswer(MsgAnswer::Cancel); // Save changes?
        QTimer* guard = FailOnModal();
        Item("mnuNew")->trigger();
        delete guard;
        QCOMPARE(MessageBox::Asked().size(), std::size_t(2));
        QCOMPARE(MessageBox::Asked()[1].title, QStringLiteral("Markroll"));
        QCOMPARE(m_state->doc, edited);
    }

    void saveWritesTheFileAndClearsChanged() {
        const std::string path = OpenDocument(MakeDocument(4, {{"Tests", 100}}));
        m_state->doc.InfoLine[2] = "Section 7";
        m_state->Changed = true;
        Item("mnuSave")->trigger();
        QCOMPARE(ReadBytes(path), SerializeMarkroll(m_state->doc));
        QVERIFY(!m_state->Changed);
        QVERIFY(!m_menu->HasUnsavedChanges());
        QVERIFY(FileDialog::Asked().empty());
    }

    void saveOfANeverSavedDocumentAsksForAName() {
        Document doc;
        CreateDocument(doc, Initialize(doc, false));
        m_state->doc = doc;
        m_state->FileName = "Untitled";
        FileDialog::SetNextResult(Cancelled());
        QVERIFY(!m_menu->Save());
        QCOMPARE(FileDialog::Asked().size(), std::size_t(1));
        QCOMPARE(FileDialog::Asked().front().title, QStringLiteral("Save Markrol File AS:"));
        QVERIFY(!QFile::exists(QStringLiteral("Untitled")));
        QCOMPARE(m_state->FileName, std::string("Untitled"));
    }

    void saveFailureIsReportedAndKeepsChanged() {
        std::filesystem::create_directory(m_dir->File("term"));
        const std::string path = OpenDocument(MakeDocument(4, {{"Tests", 100}}), "term/class.mrk");
        const std::string image = m_state->SavedImage;
        std::filesystem::remove_all(m_dir->File("term"));
        m_state->doc.InfoLine[3] = "Fall";
        m_state->Changed = true;
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        Item("mnuSave")->trigger();

        QCOMPARE(MessageBox::Asked().size(), std::size_t(1));
        QCOMPARE(MessageBox::Asked().front().text, QStringLiteral("Save Error( 75) - Path/File access error"));
        QCOMPARE(MessageBox::Asked().front().title, QStringLiteral("ERROR"));
        QCOMPARE(MessageBox::Asked().front().icon, MsgIcon::Critical);
        QVERIFY(m_state->Changed);
        QCOMPARE(m_state->SavedImage, image);
        QCOMPARE(m_state->FileName, path);
    }

    void saveAsFailureKeepsTheNameAndCaption() {
        const std::string path = OpenDocument(MakeDocument(4, {{"Tests", 100}}));
        const QString caption = m_menu->windowTitle();
        m_state->Changed = true;
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        FileDialog::SetNextResult(Chosen(Q(m_dir->File("gone/copy.mrk"))));
        Item("mnuSaveAs")->trigger();
        QCOMPARE(MessageBox::Asked().front().text, QStringLiteral("Save Error( 75) - Path/File access error"));
        QCOMPARE(m_state->FileName, path);
        QCOMPARE(m_menu->windowTitle(), caption);
        QVERIFY(m_state->Changed);
        QCOMPARE(FileDialog::Asked().front().presetName, Q(path));
    }

    // Every way out: the menu command and the window's close control.
    void exitPaths_data() {
        QTest::addColumn<bool>("viaClose");
        QTest::addColumn<bool>("document");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("save"); // "", "chosen", "cancelled", "failing"
        QTest::addColumn<bool>("ends");
        const int yes = int(MsgAnswer::Yes), no = int(MsgAnswer::No), cancel = int(MsgAnswer::Cancel);
        for (const bool viaClose : {false, true}) {
            const QByteArray how = viaClose ? "close control: " : "Exit: ";
            QTest::newRow(how + "no document") << viaClose << false << -1 << "" << true;
            QTest::newRow(how + "yes, saved") << viaClose << true << yes << "chosen" << true;
            QTest::newRow(how + "yes, save cancelled") << viaClose << true << yes << "cancelled" << false;
            QTest::newRow(how + "yes, save fails") << viaClose << true << yes << "failing" << false;
            QTest::newRow(how + "no") << viaClose << true << no << "" << true;
            QTest::newRow(how + "cancel") << viaClose << true << cancel << "" << false;
        }
    }

    void exitPaths() {
        QFETCH(bool, viaClose);
        QFETCH(bool, document);
        QFETCH(int, answer);
        QFETCH(QString, save);
        QFETCH(bool, ends);
        std::string path;
        if (document) {
            path = OpenDocument(MakeDocument(4, {{"Tests", 100}}));
            m_state->doc.InfoLine[1] = "Biology";
        }
        const std::string copy = m_dir->File("copy.mrk");
        if (answer >= 0)
            MessageBox::SetNextAnswer(MsgAnswer(answer));
        if (save == "chosen")
            FileDialog::SetNextResult(Chosen(Q(copy)));
        if (save == "cancelled")
            FileDialog::SetNextResult(Cancelled());
        if (save == "failing") {
            FileDialog::SetNextResult(Chosen(Q(m_dir->File("gone/copy.mrk"))));
            MessageBox::SetNextAnswer(MsgAnswer::Ok);
        }
        m_menu->show();
        QSignalSpy ended(m_menu.get(), &frmMenu::programEnded);
        if (viaClose)
            m_menu->close();
        else
            Item("mnuExit")->trigger();

        QCOMPARE(m_menu->Ended(), ends);
        QCOMPARE(ended.count(), ends ? 1 : 0);
        QCOMPARE(m_menu->isVisible(), !ends);
        if (!document) {
            QVERIFY(MessageBox::Asked().empty());
            return;
        }
        const MessageRequest& question = MessageBox::Asked().front();
        QCOMPARE(question.title, QStringLiteral("Exit Markroll Program"));
        QCOMPARE(question.text, QStringLiteral("Save Markroll Before Exiting ?"));
        QCOMPARE(question.buttons, MsgButtons::YesNoCancel);
        QCOMPARE(question.icon, MsgIcon::None);
        QCOMPARE(QFile::exists(Q(copy)), save == "chosen");
        if (save == "chosen")
            QCOMPARE(ReadBytes(copy), SerializeMarkroll(m_state->doc));
        QCOMPARE(ReadBytes(path) == SerializeMarkroll(m_state->doc), false);
    }

    void updateOpensOneEditor() {
        UseEditorProbe();
        Item("mnuUpDate")->trigger(); // disabled without a document: nothing happens
        QCOMPARE(m_editorsMade, 0);
        OpenDocument(MakeDocument(4, {{"Tests", 100}}));
        QCOMPARE(m_editorsMade, 1);
        Item("mnuUpDate")->trigger();
        QCOMPARE(m_editorsMade, 1);
        m_menu->Editor()->close();
        QTRY_VERIFY(m_menu->Editor() == nullptr);
        Item("mnuUpDate")->trigger();
        QCOMPARE(m_editorsMade, 2);
    }

    // Start to finish with the real data editor: New, Create, save, then Open the file again; the editor's
    // "&Save" is the main window's Save As.
    void newSaveAndOpenWithTheDataEditor() {
        m_menu->SetEditorFactory(DataEditorFactory(*m_menu));
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        FileDialog::SetNextResult(Chosen(Q(m_dir->File("term1"))));
        WhenModal<CreateMR>([](CreateMR* dialog) {
            dialog->findChild<QPushButton*>("cmdCreate")->click();
            dialog->findChild<QPushButton*>("cmdExit")->click();
        });
        Item("mnuNew")->trigger();
        const std::string saved = m_dir->File("term1.mrk");
        QCOMPARE(ReadBytes(saved), DefaultImage());

        m_state->doc = Document();
        FileDialog::SetNextResult(Chosen(Q(saved)));
        MessageBox::SetNextAnswer(MsgAnswer::No); // the emptied document counts as modified
        Item("mnuOpen")->trigger();
        QCOMPARE(SerializeMarkroll(m_state->doc), DefaultImage());
        QWidget* editor = m_menu->Editor();
        QVERIFY(editor);
        QCOMPARE(editor->objectName(), QStringLiteral("EditData"));
        QVERIFY(editor->isVisible());

        FileDialog::SetNextResult(Chosen(Q(m_dir->File("term1-copy"))));
        editor->findChild<QPushButton*>("Ecmd_8")->click();
        QCOMPARE(ReadBytes(m_dir->File("term1-copy.mrk")), DefaultImage());
        QCOMPARE(m_menu->windowTitle(), QStringLiteral("MarkRoll v3.00   ") + Q(m_dir->File("term1-copy.mrk")));
    }

    void helpShowsTheContents() {
        const int before = HelpViewer::TimesShown();
        Item("mnuHelpMr")->trigger();
        QCOMPARE(HelpViewer::TimesShown(), before + 1);
    }

    // Every page the contents and the pages link to is shipped with the program.
    void helpPagesAreComplete() {
        const QStringList pages = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
        QVERIFY(pages.contains(QStringLiteral("index.html")));
        QVERIFY(pages.size() >= 8);
        const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)[^\"]*\""));
        for (const QString& page : pages) {
            QFile file(QStringLiteral(":/help/") + page);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            for (auto it = link.globalMatch(html); it.hasNext();) {
                const QString target = it.next().captured(1);
                QVERIFY2(QFile::exists(QStringLiteral(":/help/") + target), qPrintable(page + " -> " + target));
            }
        }
    }

    void aboutOpensOnceAndNotModal() {
        Item("mnuHelpAbout")->trigger();
        Item("mnuHelpAbout")->trigger();
        const QList<frmAbout*> boxes = m_menu->findChildren<frmAbout*>();
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes.front()->isVisible());
        QVERIFY(!boxes.front()->isModal());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_frmMenu.moc"
