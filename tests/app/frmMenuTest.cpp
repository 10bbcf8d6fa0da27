// The shell's windows: the main window's file commands and questions, its one editor and Alt+F; the viewers.

#include <QAction>
#include <QMenu>
#include <QRegularExpression>
#include <QSignalSpy>
#include <filesystem>
#include <memory>

#include "app/AppTestSupport.h"
#include "app/CreateMR.h"
#include "app/ShellText.h"
#include "app/frmAbout.h"
#include "app/frmLogo.h"
#include "app/frmMenu.h"
#include "document/MarkrollFile.h"
#include "modify/CatView.h"
#include "platform/Platform.h"
#include "support/TempDir.h"
#include "support/TestDocuments.h"
#include "widgets/ChartPainter.h"

using namespace markroll;
using namespace markroll::test;

namespace {

/// Commands: menu items, "close" (the close control), "lose" (removes term/). Answers in turn: O OK, C Cancel,
/// Y Yes, N No; the create dialog + (Create, E&xit) or - (E&xit). Files chosen in turn, "-" cancels. Seen: the
/// boxes as "title: text|", then the file dialogs; @ is term/class.mrk, $ the test folder. Then the name, the
/// document left ("start", "next" from next.mrk, "new", or "ended" with the program) and the file saved.
struct FileCase {
    int start; // 0: no document, 1: term/class.mrk open, 2: open and modified
    QString commands, answers, files, seen, name, doc, saved = {};
};

} // namespace

Q_DECLARE_METATYPE(FileCase)

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<frmMenu> m_menu;
    std::unique_ptr<TempDir> m_dir;
    QString m_cwd;
    int m_editorsMade = 0;

    QAction* Item(const QString& name) { return m_menu->findChild<QAction*>(name); }

private slots:
    void init() {
        m_state = std::make_unique<AppState>();
        m_menu = std::make_unique<frmMenu>(*m_state);
        m_dir = std::make_unique<TempDir>();
        m_cwd = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(m_dir->Path()));
        m_editorsMade = 0;
        m_menu->SetEditorFactory([this](AppState& state, QWidget* parent) -> QWidget* {
            ++m_editorsMade;
            auto* probe = new QWidget(parent);
            probe->setProperty("sameState", &state == m_state.get());
            return probe;
        });
    }

    void cleanup() {
        QDir::setCurrent(m_cwd);
        m_menu.reset();
        m_dir.reset();
        ExpectAllAnswered();
    }

    // Open shows one editor at a time, made afresh once the last one is closed. Alt+F, shared by "&File" and
    // "&Fonts", opens the file menu first every time, also after the editor was open; a second press moves on.
    void oneEditorAndAltF() {
        WriteBytes("class.mrk", SerializeMarkroll(MakeDocument(4, {{"Tests", 100}})));
        QVERIFY(m_menu->OpenFile("class.mrk"));
        QVERIFY(m_menu->Editor()->isVisible() && m_menu->Editor()->property("sameState").toBool());
        Item("mnuUpDate")->trigger(); // brings the open editor to the front
        QCOMPARE(m_editorsMade, 1);
        for (int round = 0; round < 3; ++round) {
            m_menu->Editor()->close();
            QTRY_VERIFY(!m_menu->Editor());
            m_menu->show();
            m_menu->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(m_menu.get()));
            QTest::keyClick(m_menu.get(), Qt::Key_F, Qt::AltModifier);
            QTRY_COMPARE(QApplication::activePopupWidget(), m_menu->findChild<QMenu*>("mnuFile"));
            if (round == 1) {
                QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_F, Qt::AltModifier);
                QTRY_COMPARE(QApplication::activePopupWidget(), m_menu->findChild<QMenu*>("mnuFonts"));
            }
            QApplication::activePopupWidget()->close();
            QTRY_VERIFY(!QApplication::activePopupWidget());
            Item("mnuUpDate")->trigger();
        }
        QCOMPARE(m_editorsMade, 4); // one afresh each round, the last one being gone
    }

    // Each file command, or a run of them, from no document, the default markroll, or that one modified.
    void fileCommands_data() {
        QTest::addColumn<FileCase>("c");
        const auto row = [](const QString& what, const FileCase& c) { QTest::newRow(qPrintable(what)) << c; };
        const QString newQ = "New: Create New Markroll|", saveQ = "Markroll: Save changes to @ ?|",
                      created = "Create New Markroll: Create New Markroll With:\n 5 Catagories\n 40 Students|"
                                "Markroll Created: Save New Markroll|[Save Markrol File AS: Untitled]",
                      exitQ = "Exit Markroll Program: Save Markroll Before Exiting ?|", open = "[Open MarkRoll File]",
                      saveAs = "[Save Markrol File AS: @]",
                      failed = "ERROR: Save Error( 75) - Path/File access error: ";
        // clang-format off
        row("New refused", {0, "mnuNew", "C", "", newQ, "", "start"});
        row("New, saving changes refused", {2, "mnuNew", "OC", "", newQ + saveQ, "@", "start"});
        row("New left without creating", {1, "mnuNew", "O-", "", newQ, "@", "start"});
        row("New not saved, Save asks for a name", {1, "mnuNew mnuSave", "O+OC", "-", newQ + created, "Untitled",
            "new"});
        row("New saved", {0, "mnuNew", "O+OO", "$term1", newQ + created, "$term1.mrk", "new", "$term1.mrk"});
        row("Open cancelled", {1, "mnuOpen", "", "-", open, "@", "start"});
        row("Open of a bad file", {1, "mnuOpen", "O", "$bad.mrk",
            "ERROR: Save Error( 62) - Input past end of file (line 2): $bad.mrk|" + open, "@", "start"});
        for (const QString answer : {"", "Y", "N"})
            row("Open " + answer, {answer.isEmpty() ? 1 : 2, "mnuOpen", answer, "$next.mrk",
                (answer.isEmpty() ? "" : saveQ) + open, "$next.mrk", "next", answer == "Y" ? "@" : ""});
        row("Open C", {2, "mnuOpen", "C", "", saveQ, "@", "start"});
        row("Save", {2, "mnuSave", "", "", "", "@", "start", "@"});
        row("Save fails", {2, "lose mnuSave", "O", "", failed + "@|", "@", "start"});
        row("Save As", {2, "mnuSaveAs", "", "$copy.mrk", saveAs, "$copy.mrk", "start", "$copy.mrk"});
        row("Save As fails", {2, "mnuSaveAs", "O", "$gone/copy.mrk", failed + "$gone/copy.mrk|" + saveAs, "@",
            "start"});
        for (const QString exit : {"mnuExit", "close"}) {
            row(exit + " without a document", {0, exit, "", "", "", "", "ended"});
            row(exit + " Y, saved", {2, exit, "Y", "$copy.mrk", exitQ + saveAs, "$copy.mrk", "ended", "$copy.mrk"});
            row(exit + " Y, save cancelled", {2, exit, "Y", "-", exitQ + saveAs, "@", "start"});
            row(exit + " Y, save fails", {2, exit, "YO", "$gone/copy.mrk", exitQ + failed + "$gone/copy.mrk|" + saveAs,
                "@", "start"});
            row(exit + " N", {2, exit, "N", "", exitQ, "@", "ended"});
            row(exit + " C", {2, exit, "C", "", exitQ, "@", "start"});
        }
        // clang-format on
    }

    void fileCommands() {
        QFETCH(FileCase, c);
        std::filesystem::create_directory("term");
        const std::string path = (QDir::currentPath() + "/term/class.mrk").toStdString();
        const Document next = MakeDocument(6, {{"Quizzes", 50}, {"Labs", 50}});
        WriteBytes(path, SerializeMarkroll(DefaultDocument()));
        WriteBytes("next.mrk", SerializeMarkroll(next));
        WriteBytes("bad.mrk", "40,5,7,6\r\n");
        if (c.start > 0) // a name relative to the current folder, as on the command line
            QVERIFY(m_menu->OpenFile("term/class.mrk"));
        if (c.start == 2)
            m_state->doc.InfoLine[1] = "Algebra 1";
        const Document before = m_state->doc;
        const auto expand = [&](QString text) {
            return text.replace("@", QString::fromStdString(path)).replace("$", QDir::currentPath() + "/");
        };
        using Status = FileDialogResult::Status;
        static const QHash<QChar, MsgAnswer> Answers{
            {'O', MsgAnswer::Ok}, {'C', MsgAnswer::Cancel}, {'Y', MsgAnswer::Yes}, {'N', MsgAnswer::No}};
        for (const QChar answer : c.answers)
            if (Answers.contains(answer))
                MessageBox::SetNextAnswer(Answers[answer]);
            else
                WhenModal<CreateMR>([answer](CreateMR* dialog) {
                    if (answer == '+')
                        Press(dialog, "cmdCreate");
                    Press(dialog, "cmdExit");
                });
        for (const QString& chosen : c.files.split(' ', Qt::SkipEmptyParts))
            FileDialog::SetNextResult({chosen == "-" ? Status::Cancelled : Status::Chosen, expand(chosen), {}});
        QTimer* guard = c.answers.contains(QRegularExpression("[-+]")) ? nullptr : FailOnModal();
        QSignalSpy ended(m_menu.get(), &frmMenu::programEnded);
        m_menu->show();
        for (const QString& command : c.commands.split(' '))
            command == "lose"    ? void(std::filesystem::remove_all("term"))
            : command == "close" ? void(m_menu->close())
                                 : Item(command)->trigger();
        delete guard;

        QString asked;
        for (const MessageRequest& box : MessageBox::Asked()) {
            asked += box.title + ": " + box.text + "|";
            const bool error = box.title == "ERROR", question = box.text.endsWith(" ?");
            QCOMPARE(box.buttons, error ? MsgButtons::Ok : question ? MsgButtons::YesNoCancel : MsgButtons::OkCancel);
            QCOMPARE(box.icon, error ? MsgIcon::Critical : MsgIcon::None);
        }
        for (const FileDialogOptions& options : FileDialog::Asked()) {
            asked += "[" + options.title + (options.presetName.isEmpty() ? "" : " " + options.presetName) + "]";
            QCOMPARE(options.filter, QStringLiteral("MarkRoll Files   *.mrk|*.mrk"));
            QCOMPARE(options.mustExist, options.title.startsWith("Open"));
            QCOMPARE(options.overwritePrompt && options.defaultExt == "mrk", !options.mustExist);
        }
        QCOMPARE(asked, expand(c.seen));
        QCOMPARE(QString::fromStdString(m_state->FileName), expand(c.name));
        const Document left = c.doc == "new" ? DefaultDocument() : c.doc == "next" ? next : before;
        QCOMPARE(SerializeMarkroll(m_state->doc), SerializeMarkroll(left));
        // The caption spells "MarkRoll" after Save As, "Markroll" otherwise.
        QCOMPARE(m_menu->windowTitle(), (c.saved.isEmpty() || c.saved == "@" ? "Markroll" : "MarkRoll") +
                                            QStringLiteral(" v3.00   ") + expand(c.name));
        QCOMPARE(ended.count(), c.doc == "ended" ? 1 : 0);
        for (const char* item : {"mnuModify", "mnuUpDate", "mnuSave", "mnuSaveAs", "mnuPrint"}) // need a document
            QCOMPARE(Item(item)->isEnabled(), !c.name.isEmpty());
        QCOMPARE(m_menu->isVisible(), c.doc != "ended");
        QCOMPARE(m_menu->HasUnsavedChanges(), c.saved.isEmpty() && c.doc != "next" && (c.start == 2 || c.doc == "new"));
        if (!c.saved.isEmpty())
            QCOMPARE(ReadBytes(expand(c.saved).toStdString()), SerializeMarkroll(c.doc == "new" ? left : before));
        else if (!c.commands.startsWith("lose"))
            QCOMPARE(ReadBytes(path), SerializeMarkroll(DefaultDocument()));
    }
    // "&Print" opens the print dialog on the open markroll, and its Display the categories viewer.
    void printOpensThePrintDialog() {
        WriteBytes("class.mrk", SerializeMarkroll(MakeDocument(4, {{"Tests", 100}})));
        QVERIFY(m_menu->OpenFile("class.mrk"));
        bool viewed = false;
        WhenModal<QDialog>([&](QDialog* print) {
            QCOMPARE(print->windowTitle(), QStringLiteral("Print Markroll"));
            WhenModal<CatView>([&](CatView* view) { viewed = view->close(); });
            Press(print, "cmdDisp");
            Press(print, "cmdExit");
        });
        Item("mnuPrint")->trigger();
        QVERIFY(viewed);
    }

    // The window is sized to its chart and draws it: each box in its colour, as wide as the chart says, on the
    // dark-blue background.
    void catViewDrawsItsChart() {
        m_state->doc = MakeDocument(5, {{"Tests", 40, 12}});
        CatView view(*m_state);
        view.show();
        const CategoryChart& chart = view.Chart();
        QCOMPARE(view.size(), QSize(TwipsToPxX(chart.windowWidth), TwipsToPxY(chart.windowHeight)));
        const QImage shot = view.grab().toImage();
        for (const ChartEntry& e : chart.entries) {
            const int left = TwipsToPxX(e.x) + 1, right = TwipsToPxX(e.x + chart.boxWidth) - 2,
                      top = TwipsToPxY(e.y) + 1;
            QCOMPARE(shot.pixelColor(left, top), PaletteColor(e.boxColor));
            QCOMPARE(shot.pixelColor(right, top), PaletteColor(e.boxColor));
            QCOMPARE(shot.pixelColor(right + 3, top), PaletteColor(ColorDarkBlue));
            QCOMPARE(shot.pixelColor(left, TwipsToPxY(e.y + chart.boxHeight) + 2), PaletteColor(ColorDarkBlue));
        }
    }

    // Without system information the user is told so, and the about box stays open; version numbers keep a blank.
    void systemInfo() {
        frmAbout about(*m_state);
        about.show();
        MessageBox::SetNextAnswer(MsgAnswer::Ok); // taken by the second press only
        for (const bool found : {true, false}) {
            SystemInfo::SetNextResult(found);
            Press(&about, "cmdSysInfo");
            QVERIFY(about.isVisible());
        }
        QCOMPARE(Shown(), QStringList({"Markroll: System Information Is Unavailable At This Time"}));
        QCOMPARE(AboutVersionText(), std::string("Version 3. 0. 1"));
        Press(&about, "cmdOK");
        QVERIFY(!about.isVisible());
    }

    void splashWaitsForStart() {
        frmLogo logo(*m_state);
        WhenModal<frmLogo>([](frmLogo* shown) { Press(shown, "Command1"); });
        QCOMPARE(logo.exec(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestMainWindow)
#include "frmMenuTest.moc"
