// The main window: menus, New, Open, Save, Save As, Exit and the questions before a document is replaced.

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <memory>

#include "app/AppTestSupport.h"
#include "app/CreateMR.h"
#include "app/DataEditorFactory.h"
#include "app/frmAbout.h"
#include "app/frmMenu.h"
#include "document/MarkrollFile.h"
#include "platform/Platform.h"
#include "support/TempDir.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

/// The file of a new markroll made from the default plan.
std::string DefaultImage() {
    return SerializeMarkroll(DefaultDocument());
}

/// Scripts the next New: the default plan is created, then the dialog is left.
void CreateDefaultWhenAsked() {
    WhenModal<CreateMR>([](CreateMR* dialog) {
        dialog->findChild<QPushButton*>("cmdCreate")->click();
        dialog->findChild<QPushButton*>("cmdExit")->click();
    });
}

void Answer(std::initializer_list<MsgAnswer> answers) {
    for (const MsgAnswer answer : answers)
        MessageBox::SetNextAnswer(answer);
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

    std::string Write(const Document& doc, const char* name) {
        const std::string path = m_dir->File(name);
        WriteBytes(path, SerializeMarkroll(doc));
        return path;
    }

    /// Writes doc as a file and opens it through the main window.
    std::string OpenDocument(const Document& doc = MakeDocument(4, {{"Tests", 100}}), const char* name = "class.mrk") {
        const std::string path = Write(doc, name);
        if (!m_menu->OpenFile(Q(path)))
            qWarning("could not open %s", path.c_str());
        return path;
    }

    void UseEditorProbe() {
        m_menu->SetEditorFactory([this](AppState& state, QWidget* parent) -> QWidget* {
            ++m_editorsMade;
            auto* probe = new QWidget(parent);
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

    // Every menu and item in order, with its caption; "(off)" marks what is disabled before a document opens.
    void menusAtStart() {
        const auto line = [](QAction* a) {
            return a->objectName() + (a->isSeparator() ? QString() : QLatin1Char(' ') + a->text()) +
                   (a->isEnabled() ? QString() : QStringLiteral(" (off)"));
        };
        QStringList menus;
        for (QAction* top : m_menu->menuBar()->actions()) {
            menus << line(top);
            for (QAction* item : top->menu()->actions())
                menus << QStringLiteral("  ") + line(item);
        }
        QCOMPARE(menus,
                 QStringList({"mnuFile &File", "  mnuNew &New", "  mnuOpen &Open", "  mnuSave &Save (off)",
                              "  mnuSaveAs Save&As (off)", "  mnuFileSep1", "  mnuPrint &Print (off)", "  mnuFileSep2",
                              "  mnuExit &Exit", "mnuEdit &Edit", "  mnuModify &Modify MarkRoll (off)",
                              "  mnuUpDate &UpDate Markroll File (off)", "mnuFonts &Fonts",
                              "  mnuScrFonts S&creen Fonts (off)", "  mnuPrtFonts P&rinter Fonts", "mnuHelp &Help",
                              "  mnuHelpMr &Markroll Help", "  mnuHelpSep1", "  mnuHelpAbout &About MarkRoll"}));
        QCOMPARE(m_menu->windowTitle(), QStringLiteral("Markroll v3.00   "));
    }

    // "&File" and "&Fonts" share Alt+F: the first press opens the file menu every time, also after the editor
    // was open, and a second press moves on to the fonts menu.
    void altFOpensTheFileMenuFirst() {
        UseEditorProbe();
        OpenDocument();
        auto* file = m_menu->findChild<QMenu*>("mnuFile");
        auto* fonts = m_menu->findChild<QMenu*>("mnuFonts");
        for (int round = 0; round < 3; ++round) {
            m_menu->Editor()->close();
            m_menu->show();
            m_menu->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(m_menu.get()));
            QTest::keyClick(m_menu.get(), Qt::Key_F, Qt::AltModifier);
            QTRY_COMPARE(QApplication::activePopupWidget(), file);
            if (round == 1) {
                QTest::keyClick(file, Qt::Key_F, Qt::AltModifier);
                QTRY_COMPARE(QApplication::activePopupWidget(), fonts);
            }
            QApplication::activePopupWidget()->close();
            QTRY_VERIFY(!QApplication::activePopupWidget());
            Item("mnuUpDate")->trigger();
        }
    }

    // Even when it equals the file that was open before, a new markroll is on no disk until it is saved.
    void aNewMarkrollNotSavedCountsAsUnsaved() {
        OpenDocument(DefaultDocument());
        Answer({MsgAnswer::Ok, MsgAnswer::Ok, MsgAnswer::Cancel}); // Save New Markroll: not now
        CreateDefaultWhenAsked();
        Item("mnuNew")->trigger();
        QCOMPARE(SerializeMarkroll(m_state->doc), DefaultImage());
        QCOMPARE(m_state->FileName, std::string("Untitled"));
        QVERIFY(m_menu->HasUnsavedChanges());

        // Opening another file first offers to save the new one; Cancel keeps it.
        MessageBox::ClearAsked();
        MessageBox::SetNextAnswer(MsgAnswer::Cancel);
        const Document created = m_state->doc;
        Item("mnuOpen")->trigger();
        QCOMPARE(Shown(), QStringList({"Markroll: Save changes to Untitled ?"}));
        QVERIFY(FileDialog::Asked().empty());
        QCOMPARE(m_state->doc, created);

        // Save asks for a name: writing "Untitled" into the current folder would lose the markroll.
        FileDialog::SetNextResult(Cancelled());
        QVERIFY(!m_menu->Save());
        QCOMPARE(FileDialog::Asked().size(), std::size_t(1));
        QCOMPARE(FileDialog::Asked().front().title, QStringLiteral("Save Markrol File AS:"));
        QVERIFY(!QFile::exists(QStringLiteral("Untitled")));
        QCOMPARE(m_state->FileName, std::string("Untitled"));
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

    // A refused question ends New before its dialog opens: New's own question, or the offer to save changes.
    void newRefusedOpensNoDialog() {
        QTimer* guard = FailOnModal();
        MessageBox::SetNextAnswer(MsgAnswer::Cancel);
        Item("mnuNew")->trigger();
        QVERIFY(!m_state->DocumentOpen());

        const std::string path = OpenDocument();
        m_state->doc.CatData(1, 1) = "123-45-6789 Ada Lovelace                   ";
        const Document edited = m_state->doc;
        Answer({MsgAnswer::Ok, MsgAnswer::Cancel});
        Item("mnuNew")->trigger();
        delete guard;
        QCOMPARE(Shown(), QStringList({"New: Create New Markroll", "New: Create New Markroll",
                                       "Markroll: Save changes to " + Q(path) + " ?"}));
        QCOMPARE(m_state->doc, edited);
    }

    // Open shows the file and one editor at a time, made afresh once the last one is closed.
    void openShowsTheFileAndOneEditor() {
        UseEditorProbe();
        Item("mnuUpDate")->trigger(); // disabled without a document: nothing happens
        QCOMPARE(m_editorsMade, 0);
        const Document doc = MakeDocument(3, {{"Quizzes", 100, 4, 2}});
        const std::string path = Write(doc, "algebra.mrk");
        FileDialog::SetNextResult(Chosen(Q(path)));
        Item("mnuOpen")->trigger();

        QCOMPARE(m_state->doc, doc);
        QCOMPARE(m_state->FileName, path);
        QCOMPARE(m_menu->windowTitle(), QStringLiteral("Markroll v3.00   ") + Q(path));
        QVERIFY(Item("mnuUpDate")->isEnabled());
        QCOMPARE(m_editorsMade, 1);
        QVERIFY(m_menu->Editor() && m_menu->Editor()->isVisible() && m_menu->Editor()->isWindow());
        QVERIFY(m_menu->Editor()->property("sameState").toBool());
        QCOMPARE(FileDialog::Asked().front().title, QStringLiteral("Open MarkRoll File"));
        QVERIFY(FileDialog::Asked().front().mustExist);
        QVERIFY(MessageBox::Asked().empty());

        Item("mnuUpDate")->trigger();
        QCOMPARE(m_editorsMade, 1);
        m_menu->Editor()->close();
        QTRY_VERIFY(m_menu->Editor() == nullptr);
        Item("mnuUpDate")->trigger();
        QCOMPARE(m_editorsMade, 2);
    }

    // A file that cannot be read, or a cancelled choice, leaves the open document, its name and its editor.
    void openOfABadFileKeepsTheDocument_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("message"); // "" when the choice is cancelled
        QTest::newRow("first line only") << QByteArray("40,5,7,6\r\n")
                                         << "Save Error( 62) - Input past end of file (line 2)";
        QTest::newRow("letters in the counts")
            << QByteArray("forty,5,7,6\r\n") << "Save Error( 13) - Type mismatch (line 1)";
        QTest::newRow("count out of range") << QByteArray("40,5,99999,6\r\n") << "Save Error( 6) - Overflow (line 1)";
        QTest::newRow("no such file") << QByteArray() << "Save Error( 53) - File not found";
        QTest::newRow("cancelled") << QByteArray() << "";
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
        FileDialog::SetNextResult(message.isEmpty() ? Cancelled() : Chosen(Q(bad)));
        Item("mnuOpen")->trigger();

        QCOMPARE(Shown(), message.isEmpty() ? QStringList()
                                            : QStringList({QStringLiteral("ERROR: ") + message + ": " + Q(bad)}));
        if (!message.isEmpty()) {
            QCOMPARE(MessageBox::Asked().front().icon, MsgIcon::Critical);
            QCOMPARE(MessageBox::Asked().front().buttons, MsgButtons::Ok);
        }
        QCOMPARE(m_state->doc, before);
        QCOMPARE(m_state->FileName, good);
        QCOMPARE(m_menu->windowTitle(), caption);
        QVERIFY(Item("mnuSave")->isEnabled());
        QCOMPARE(m_editorsMade, 1);
        QCOMPARE(m_menu->Editor(), editor);
    }

    void openFromTheCommandLineTakesARelativeName() {
        const Document doc = MakeDocument(2, {{"Labs", 100}});
        const std::string path = Write(doc, "labs.mrk");
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(Q(m_dir->Path()));
        const bool opened = m_menu->OpenFile(QStringLiteral("labs.mrk"));
        QDir::setCurrent(cwd);
        QVERIFY(opened);
        QVERIFY(QFileInfo(Q(m_state->FileName)).isAbsolute());
        QCOMPARE(std::filesystem::canonical(m_state->FileName), std::filesystem::canonical(path));
        QCOMPARE(m_state->doc, doc);
    }

    // Asked only when the open document differs from its file: Yes saves it first, Cancel keeps it open.
    void openAsksToSaveChanges_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("unmodified") << -1;
        QTest::newRow("modified, yes") << int(MsgAnswer::Yes);
        QTest::newRow("modified, no") << int(MsgAnswer::No);
        QTest::newRow("modified, cancel") << int(MsgAnswer::Cancel);
    }

    void openAsksToSaveChanges() {
        QFETCH(int, answer);
        const bool modified = answer >= 0, opens = answer != int(MsgAnswer::Cancel);
        const std::string oldPath = OpenDocument(MakeDocument(4, {{"Tests", 100}}), "old.mrk");
        const std::string oldBytes = ReadBytes(oldPath);
        if (modified)
            m_state->doc.InfoLine[1] = "Algebra 1";
        const Document edited = m_state->doc;
        const Document next = MakeDocument(6, {{"Quizzes", 50}, {"Labs", 50}});
        const std::string nextPath = Write(next, "next.mrk");

        if (modified)
            MessageBox::SetNextAnswer(MsgAnswer(answer));
        if (opens)
            FileDialog::SetNextResult(Chosen(Q(nextPath)));
        Item("mnuOpen")->trigger();

        QCOMPARE(Shown(), modified ? QStringList({QStringLiteral("Markroll: Save changes to %1 ?").arg(Q(oldPath))})
                                   : QStringList());
        if (modified)
            QCOMPARE(MessageBox::Asked().front().buttons, MsgButtons::YesNoCancel);
        QCOMPARE(FileDialog::Asked().size(), std::size_t(opens ? 1 : 0));
        QCOMPARE(m_state->doc, opens ? next : edited);
        QCOMPARE(m_state->FileName, opens ? nextPath : oldPath);
        QCOMPARE(ReadBytes(oldPath), answer == int(MsgAnswer::Yes) ? SerializeMarkroll(edited) : oldBytes);
    }

    void saveWritesTheFileAndClearsChanged() {
        const std::string path = OpenDocument();
        m_state->doc.InfoLine[2] = "Section 7";
        m_state->Changed = true;
        Item("mnuSave")->trigger();
        QCOMPARE(ReadBytes(path), SerializeMarkroll(m_state->doc));
        QVERIFY(!m_state->Changed);
        QVERIFY(!m_menu->HasUnsavedChanges());
        QVERIFY(FileDialog::Asked().empty());
    }

    // A failed write is reported, and the name, the caption and the unsaved state stay as they were.
    void saveFailureKeepsTheDocumentUnsaved_data() {
        QTest::addColumn<bool>("saveAs");
        QTest::newRow("Save") << false;
        QTest::newRow("Save As") << true;
    }

    void saveFailureKeepsTheDocumentUnsaved() {
        QFETCH(bool, saveAs);
        std::filesystem::create_directory(m_dir->File("term"));
        const std::string path = OpenDocument(MakeDocument(4, {{"Tests", 100}}), "term/class.mrk");
        const std::string image = m_state->SavedImage;
        const QString caption = m_menu->windowTitle();
        std::filesystem::remove_all(m_dir->File("term"));
        m_state->doc.InfoLine[3] = "Fall";
        m_state->Changed = true;
        MessageBox::SetNextAnswer(MsgAnswer::Ok);
        if (saveAs)
            FileDialog::SetNextResult(Chosen(Q(m_dir->File("term/copy.mrk"))));
        Item(saveAs ? "mnuSaveAs" : "mnuSave")->trigger();

        const std::string target = m_dir->File(saveAs ? "term/copy.mrk" : "term/class.mrk");
        QCOMPARE(Shown(), QStringList({"ERROR: Save Error( 75) - Path/File access error: " + Q(target)}));
        QVERIFY(m_state->Changed);
        QCOMPARE(m_state->SavedImage, image);
        QCOMPARE(m_state->FileName, path);
        QCOMPARE(m_menu->windowTitle(), caption);
        if (saveAs)
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
            path = OpenDocument();
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
        QCOMPARE(Shown().front(), QStringLiteral("Exit Markroll Program: Save Markroll Before Exiting ?"));
        QCOMPARE(MessageBox::Asked().front().buttons, MsgButtons::YesNoCancel);
        QCOMPARE(MessageBox::Asked().front().icon, MsgIcon::None);
        QCOMPARE(QFile::exists(Q(copy)), save == "chosen");
        if (save == "chosen")
            QCOMPARE(ReadBytes(copy), SerializeMarkroll(m_state->doc));
        QVERIFY(ReadBytes(path) != SerializeMarkroll(m_state->doc));
    }

    // Start to finish with the real data editor: New, OK, Create with the default plan, Exit, OK to save, a
    // name without extension; then Open the file again, and the editor's "&Save" is the main window's Save As.
    void newSaveAndOpenWithTheDataEditor() {
        m_menu->SetEditorFactory(DataEditorFactory(*m_menu));
        Answer({MsgAnswer::Ok, MsgAnswer::Ok, MsgAnswer::Ok});
        FileDialog::SetNextResult(Chosen(Q(m_dir->File("term1"))));
        CreateDefaultWhenAsked();
        Item("mnuNew")->trigger();

        const std::string saved = m_dir->File("term1.mrk");
        QCOMPARE(ReadBytes(saved), DefaultImage());
        QCOMPARE(m_state->FileName, saved);
        QCOMPARE(m_menu->windowTitle(), QStringLiteral("MarkRoll v3.00   ") + Q(saved));
        QVERIFY(!m_state->Changed);
        QVERIFY(!m_menu->HasUnsavedChanges());
        for (const char* name : {"mnuModify", "mnuUpDate", "mnuSave", "mnuSaveAs", "mnuPrint"})
            QVERIFY2(Item(name)->isEnabled(), name);
        QCOMPARE(Shown(), QStringList({"New: Create New Markroll",
                                       "Create New Markroll: Create New Markroll With:\n 5 Catagories\n 40 Students",
                                       "Markroll Created: Save New Markroll"}));
        for (const MessageRequest& box : MessageBox::Asked()) {
            QCOMPARE(box.buttons, MsgButtons::OkCancel);
            QCOMPARE(box.icon, MsgIcon::None);
        }
        QCOMPARE(FileDialog::Asked().size(), std::size_t(1));
        const FileDialogOptions options = FileDialog::Asked().front();
        QCOMPARE(options.title, QStringLiteral("Save Markrol File AS:"));
        QCOMPARE(options.filter, QStringLiteral("MarkRoll Files   *.mrk|*.mrk"));
        QCOMPARE(options.defaultExt, QStringLiteral("mrk"));
        QCOMPARE(options.presetName, QStringLiteral("Untitled"));
        QVERIFY(options.overwritePrompt);
        QVERIFY(QFileInfo(options.initialDir).isDir());

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

    void helpMenuShowsTheContentsAndOneAboutBox() {
        const int before = HelpViewer::TimesShown();
        Item("mnuHelpMr")->trigger();
        QCOMPARE(HelpViewer::TimesShown(), before + 1);

        Item("mnuHelpAbout")->trigger();
        Item("mnuHelpAbout")->trigger();
        const QList<frmAbout*> boxes = m_menu->findChildren<frmAbout*>();
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes.front()->isVisible());
        QVERIFY(!boxes.front()->isModal());
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
};

QTEST_MAIN(TestMainWindow)
#include "tst_frmMenu.moc"
