#include "app/frmMenu.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStandardPaths>

#include "app/CreateMR.h"
#include "app/CsvExportDlg.h"
#include "app/Emblem.h"
#include "app/RecoveryKeeper.h"
#include "app/ShellText.h"
#include "app/frmAbout.h"
#include "calc/Recalc.h"
#include "document/CsvExport.h"
#include "document/MarkrollFile.h"
#include "document/Session.h"
#include "document/TextNumber.h"
#include "editor/EditData.h"
#include "modify/CatView.h"
#include "modify/ImportPreview.h"
#include "modify/ModMr.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"
#include "reports/MrPrint.h"
#include "reports/StatsView.h"

namespace markroll {

namespace {

const QString FileFilter = QStringLiteral("MarkRoll Files   *.mrk|*.mrk");

// File names are kept as the bytes the file system uses; they meet widgets in the locale's encoding.
QString PathText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}
std::string PathBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

/// The empty main window: the emblem and a line on what to do next, so the window is not a blank sheet.
class Backdrop : public QWidget {
public:
    Backdrop(AppState& state, QWidget* parent) : QWidget(parent), m_state(state) {
        setObjectName(QStringLiteral("Backdrop"));
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        QLinearGradient shade(0, 0, 0, height());
        shade.setColorAt(0, QColor(0xf6, 0xf8, 0xfb));
        shade.setColorAt(1, QColor(0xe3, 0xea, 0xf3));
        painter.fillRect(rect(), shade);

        const double side = std::min(height() / 4.0, 128.0);
        const QRectF emblem(width() / 2.0 - side / 2, height() / 2.0 - side, side, side);
        PaintEmblem(painter, emblem);

        double y = emblem.bottom() + 16;
        const auto line = [&](const QString& text, double points, bool bold, const QColor& color) {
            const QFont font = ResolveFont(QStringLiteral("MS Sans Serif"), points, bold);
            painter.setFont(font);
            painter.setPen(color);
            const double h = QFontMetricsF(font).height();
            painter.drawText(QRectF(0, y, width(), h), Qt::AlignHCenter | Qt::AlignTop, text);
            y += h * 1.25;
        };
        line(QStringLiteral("MarkRoll"), 20, true, QColor(0x1a, 0x3f, 0x75));
        const QColor grey(0x4a, 0x58, 0x68);
        if (!m_state.DocumentOpen()) {
            line(QStringLiteral("Choose File \u25B8 New to plan a new markroll, or File \u25B8 Open to open one."), 10,
                 false, grey);
            return;
        }
        line(PathText(m_state.FileName), 11, true, grey);
        const Document& doc = m_state.doc;
        line(QStringLiteral("%1 students, %2 categories")
                 .arg(FromBytes(NumTextTrim(doc.NumStudents)), FromBytes(NumTextTrim(doc.NumCats))),
             10, false, grey);
        line(QStringLiteral("Choose Edit \u25B8 UpDate Markroll File to enter and review scores."), 10, false, grey);
    }

private:
    AppState& m_state;
};

QAction* AddItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

// A file dialog that fails reports in the same words as a failed read or write.
QString DialogErrorText(const QString& error) {
    return QString::fromStdString(SaveErrorText(ErrPathAccess, error.toStdString()));
}

void AddSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

} // namespace

frmMenu::frmMenu(AppState& state, QWidget* parent) : QMainWindow(parent), m_state(state) {
    setObjectName(QStringLiteral("frmMenu"));
    setWindowTitle(MainCaption(PathText(m_state.FileName)));
    setWindowIcon(EmblemIcon());
    // The whole screen from its top-left corner; start-up shows the window maximized so that the desktop's
    // panels stay visible.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());

    m_backdrop = new Backdrop(m_state, this);
    setCentralWidget(m_backdrop);
    BuildMenus();
    m_recovery = new RecoveryKeeper(m_state, this);
    m_recovery->SetStatusSink([this](const QString& text) {
        auto* editor = qobject_cast<EditData*>(m_editor.data());
        if (!editor || !editor->isVisible())
            return false;
        editor->ShowNotice(text);
        return true;
    });
    // After each step the recovery copy is brought up to date and the Edit menu names what can be undone.
    m_state.StepCommitted = [this] {
        m_recovery->Update();
        UpdateUndoItems();
    };
    UpdateMenus();
    qApp->installEventFilter(this);
}

frmMenu::~frmMenu() {
    // The state outlives the window; nothing may call back into it.
    m_state.StepCommitted = nullptr;
}

bool frmMenu::eventFilter(QObject* watched, QEvent* event) {
    // Left to itself the toolkit hands a shared access key to its menus in turn, remembering the last one
    // across presses, so Alt+F could open "&Fonts" first. Here Alt+F opens "&File" when no menu is open, and
    // moves between "&File" and "&Fonts" when one of them is.
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    QWidget* popup = QApplication::activePopupWidget();
    // Alt going down on its way to Alt+F would close the open menu first; it leaves "&File" or "&Fonts" open.
    if (key->key() == Qt::Key_Alt && type == QEvent::KeyPress && popup && (popup == m_fileMenu || popup == m_fontsMenu))
        return true;
    if (key->key() != Qt::Key_F || key->modifiers() != Qt::AltModifier || !menuBar()->isEnabled())
        return QMainWindow::eventFilter(watched, event);
    const bool ours = popup ? popup == m_fileMenu || popup == m_fontsMenu : QApplication::activeWindow() == this;
    if (!ours)
        return QMainWindow::eventFilter(watched, event);
    if (type == QEvent::ShortcutOverride) {
        // Claimed here, so the key comes as a key press instead of going to the menus' shared shortcut.
        event->accept();
        return true;
    }
    QMenu* next = popup == m_fileMenu ? m_fontsMenu : m_fileMenu;
    menuBar()->setActiveAction(next->menuAction());
    return true;
}

void frmMenu::BuildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = AddMenu(bar, "mnuFile", QStringLiteral("&File"));
    m_fileMenu = file;
    mnuNew = AddItem(file, "mnuNew", QStringLiteral("&New"));
    mnuOpen = AddItem(file, "mnuOpen", QStringLiteral("&Open"));
    mnuSave = AddItem(file, "mnuSave", QStringLiteral("&Save"));
    mnuSaveAs = AddItem(file, "mnuSaveAs", QStringLiteral("Save&As"));
    mnuExport = AddItem(file, "mnuExport", QStringLiteral("Expor&t CSV..."));
    mnuImport = AddItem(file, "mnuImport", QStringLiteral("&Import Students..."));
    AddSeparator(file, "mnuFileSep1");
    mnuPrint = AddItem(file, "mnuPrint", QStringLiteral("&Print"));
    AddSeparator(file, "mnuFileSep2");
    mnuExit = AddItem(file, "mnuExit", QStringLiteral("&Exit"));

    QMenu* edit = AddMenu(bar, "mnuEdit", QStringLiteral("&Edit"));
    mnuModify = AddItem(edit, "mnuModify", QStringLiteral("&Modify MarkRoll"));
    mnuUpDate = AddItem(edit, "mnuUpDate", QStringLiteral("&UpDate Markroll File"));
    mnuStats = AddItem(edit, "mnuStats", QStringLiteral("S&tatistics"));
    mnuStats->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    AddSeparator(edit, "mnuEditSep1");
    mnuUndo = AddItem(edit, "mnuUndo", QStringLiteral("&Undo"));
    mnuUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuRedo = AddItem(edit, "mnuRedo", QStringLiteral("&Redo"));
    mnuRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});

    QMenu* fonts = AddMenu(bar, "mnuFonts", QStringLiteral("&Fonts"));
    m_fontsMenu = fonts;
    mnuScrFonts = AddItem(fonts, "mnuScrFonts", QStringLiteral("S&creen Fonts"));
    mnuPrtFonts = AddItem(fonts, "mnuPrtFonts", QStringLiteral("P&rinter Fonts"));
    // The screen font is chosen in the data editor's display dialog; this item stays disabled.
    mnuScrFonts->setEnabled(false);

    QMenu* help = AddMenu(bar, "mnuHelp", QStringLiteral("&Help"));
    mnuHelpMr = AddItem(help, "mnuHelpMr", QStringLiteral("&Markroll Help"));
    AddSeparator(help, "mnuHelpSep1");
    mnuHelpAbout = AddItem(help, "mnuHelpAbout", QStringLiteral("&About MarkRoll"));

    connect(mnuNew, &QAction::triggered, this, &frmMenu::New);
    connect(mnuOpen, &QAction::triggered, this, &frmMenu::Open);
    connect(mnuSave, &QAction::triggered, this, &frmMenu::Save);
    connect(mnuSaveAs, &QAction::triggered, this, &frmMenu::SaveAs);
    connect(mnuExit, &QAction::triggered, this, &frmMenu::Exit);
    connect(mnuPrint, &QAction::triggered, this, &frmMenu::PrintMarkroll);
    connect(mnuExport, &QAction::triggered, this, &frmMenu::ExportCsvFile);
    connect(mnuImport, &QAction::triggered, this, &frmMenu::ImportStudentList);
    connect(mnuStats, &QAction::triggered, this, &frmMenu::ShowStatistics);
    connect(mnuModify, &QAction::triggered, this, &frmMenu::ModifyMarkroll);
    connect(mnuUpDate, &QAction::triggered, this, &frmMenu::OpenEditor);
    connect(mnuUndo, &QAction::triggered, this, &frmMenu::Undo);
    connect(mnuRedo, &QAction::triggered, this, &frmMenu::Redo);
    connect(mnuHelpMr, &QAction::triggered, this, [this] { HelpViewer::ShowContents(this); });
    connect(mnuHelpAbout, &QAction::triggered, this, &frmMenu::ShowAbout);
    // "P&rinter Fonts" has no action of its own: the sheets print in their one font. The item is in place so the
    // menus read the same from the start.
}

void frmMenu::SetEditorFactory(EditorFactory factory) {
    m_editorFactory = std::move(factory);
}

void frmMenu::UpdateMenus() {
    const bool open = m_state.DocumentOpen();
    for (QAction* item : {mnuModify, mnuUpDate, mnuSave, mnuSaveAs, mnuPrint, mnuExport, mnuImport, mnuStats})
        item->setEnabled(open);
    UpdateUndoItems();
    m_backdrop->update();
}

void frmMenu::UpdateUndoItems() {
    const UndoHistory& history = m_state.History;
    const bool open = m_state.DocumentOpen();
    mnuUndo->setEnabled(open && history.CanUndo());
    mnuRedo->setEnabled(open && history.CanRedo());
    mnuUndo->setText(history.CanUndo() ? QStringLiteral("&Undo %1").arg(FromBytes(history.UndoLabel()))
                                       : QStringLiteral("&Undo"));
    mnuRedo->setText(history.CanRedo() ? QStringLiteral("&Redo %1").arg(FromBytes(history.RedoLabel()))
                                       : QStringLiteral("&Redo"));
}

bool frmMenu::CanStep() const {
    // Cells being typed into are not a step yet; the editor's Escape makes them one.
    const auto* editor = qobject_cast<const EditData*>(m_editor.data());
    return m_state.DocumentOpen() && !(editor && editor->Editing());
}

void frmMenu::Undo() {
    if (CanStep() && UndoStep(m_state))
        ShowRestoredStep();
}

void frmMenu::Redo() {
    if (CanStep() && RedoStep(m_state))
        ShowRestoredStep();
}

void frmMenu::ShowRestoredStep() {
    if (auto* editor = qobject_cast<EditData*>(m_editor.data()))
        editor->Redraw();
    UpdateUndoItems();
}

void frmMenu::OfferRecovery() {
    const bool restored = m_recovery->OfferAtStart([this](const QString& path) { return OpenFile(path); });
    if (!restored)
        return;
    setWindowTitle(MainCaption(PathText(m_state.FileName)));
    UpdateMenus();
    if (auto* editor = qobject_cast<EditData*>(m_editor.data()))
        editor->Redraw();
    else
        OpenEditor();
}

bool frmMenu::HasUnsavedChanges() const {
    return markroll::HasUnsavedChanges(m_state);
}

bool frmMenu::AskToSaveChanges() {
    if (!HasUnsavedChanges())
        return true;
    const MsgAnswer answer = MessageBox::Show(this, SaveChangesQuestion(PathText(m_state.FileName)),
                                              MsgButtons::YesNoCancel, MsgIcon::None, QString::fromLatin1(AppName));
    return answer == MsgAnswer::Yes ? Save() : answer == MsgAnswer::No;
}

void frmMenu::New() {
    if (MessageBox::Show(this, QStringLiteral("Create New Markroll"), MsgButtons::OkCancel, MsgIcon::None,
                         QStringLiteral("New")) != MsgAnswer::Ok)
        return;
    if (!AskToSaveChanges())
        return;
    // The editor shows the document that a new one may replace.
    CloseEditor();
    CreateMR dialog(m_state, this);
    dialog.exec();
    if (dialog.Created()) {
        setWindowTitle(MainCaption(PathText(m_state.FileName)));
        if (MessageBox::Show(this, QStringLiteral("Save New Markroll"), MsgButtons::OkCancel, MsgIcon::None,
                             QStringLiteral("Markroll Created")) == MsgAnswer::Ok)
            SaveAs();
    }
    UpdateMenus();
}

void frmMenu::Open() {
    if (!AskToSaveChanges())
        return;
    FileDialogOptions options;
    options.title = QStringLiteral("Open MarkRoll File");
    options.filter = FileFilter;
    options.initialDir = InitialFolder();
    options.mustExist = true;
    const FileDialogResult chosen = FileDialog::Open(this, options);
    if (chosen.status == FileDialogResult::Status::Cancelled)
        return;
    if (chosen.status == FileDialogResult::Status::Failed) {
        ShowFileError(DialogErrorText(chosen.error));
        return;
    }
    OpenFile(chosen.path);
}

bool frmMenu::OpenFile(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    // Read into a document of its own, so a file that fails leaves the open document, its name and its
    // editor exactly as they were.
    Document loaded;
    if (const std::optional<FileError> error = LoadMarkroll(PathBytes(full), loaded)) {
        ShowFileError(QString::fromStdString(error->Message(PathBytes(full))));
        return false;
    }
    CloseEditor();
    DocumentOpened(m_state, std::move(loaded), PathBytes(full));
    // Unsaved work on this file that a crash left behind is offered before the editor shows the file.
    m_recovery->OfferFor(PathBytes(full));
    setWindowTitle(MainCaption(full));
    UpdateMenus();
    OpenEditor();
    return true;
}

bool frmMenu::Save() {
    if (!m_state.DocumentOpen())
        return false;
    // A document that was never saved has no file yet: writing "Untitled" into whatever folder is current
    // would lose it, so it is given a name first.
    if (m_state.FileName == UntitledName)
        return SaveAs();
    const std::string path = m_state.FileName;
    if (const std::optional<FileError> error = SaveDocument(m_state, path)) {
        ShowFileError(QString::fromStdString(error->Message(path)));
        return false;
    }
    m_recovery->Update();
    return true;
}

bool frmMenu::SaveAs() {
    if (!m_state.DocumentOpen())
        return false;
    FileDialogOptions options;
    options.title = QStringLiteral("Save Markrol File AS:");
    options.filter = FileFilter;
    options.defaultExt = QString::fromLatin1(FileExt);
    options.initialDir = InitialFolder();
    options.presetName = PathText(m_state.FileName);
    options.overwritePrompt = true;
    const FileDialogResult chosen = FileDialog::Save(this, options);
    if (chosen.status == FileDialogResult::Status::Cancelled)
        return false;
    if (chosen.status == FileDialogResult::Status::Failed) {
        ShowFileError(DialogErrorText(chosen.error));
        return false;
    }
    const QString full = QFileInfo(chosen.path).absoluteFilePath();
    if (const std::optional<FileError> error = SaveDocument(m_state, PathBytes(full))) {
        ShowFileError(QString::fromStdString(error->Message(PathBytes(full))));
        return false;
    }
    m_recovery->Update();
    setWindowTitle(SavedAsCaption(full));
    UpdateMenus();
    return true;
}

bool frmMenu::ConfirmExit() {
    if (!m_state.DocumentOpen())
        return true;
    const MsgAnswer answer =
        MessageBox::Show(this, QStringLiteral("Save Markroll Before Exiting ?"), MsgButtons::YesNoCancel, MsgIcon::None,
                         QStringLiteral("Exit Markroll Program"));
    // A cancelled or failed save keeps the program running, so the document is not lost.
    const bool leave = answer == MsgAnswer::Yes ? SaveAs() : answer == MsgAnswer::No;
    // The question was answered: whatever was not saved was given up knowingly, and needs no recovery.
    if (leave)
        m_recovery->Discard();
    return leave;
}

void frmMenu::Exit() {
    if (ConfirmExit())
        EndProgram();
}

void frmMenu::EndProgram() {
    m_ended = true;
    CloseEditor();
    if (m_about)
        m_about->close();
    close();
    emit programEnded();
}

void frmMenu::closeEvent(QCloseEvent* event) {
    if (m_ended) {
        event->accept();
        return;
    }
    // The window system's close control is the Exit command.
    if (ConfirmExit()) {
        m_ended = true;
        CloseEditor();
        if (m_about)
            m_about->close();
        event->accept();
        emit programEnded();
        return;
    }
    event->ignore();
}

void frmMenu::OpenEditor() {
    if (!m_editorFactory || !m_state.DocumentOpen())
        return;
    if (m_editor) {
        m_editor->show();
        m_editor->raise();
        m_editor->activateWindow();
        return;
    }
    QWidget* editor = m_editorFactory(m_state, this);
    if (!editor)
        return;
    // The editor is a window of its own beside the main window, made afresh at every opening.
    if (!editor->isWindow())
        editor->setWindowFlag(Qt::Window);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    m_editor = editor;
    editor->show();
}

void frmMenu::ModifyMarkroll() {
    if (!m_state.DocumentOpen())
        return;
    ModMr dialog(m_state, this);
    dialog.exec();
    // A deleted category may have been the one the editor showed.
    if (m_state.EdCat >= m_state.doc.NumCats)
        m_state.ResetEditorPosition();
    if (auto* editor = qobject_cast<EditData*>(m_editor.data()))
        editor->Redraw();
}

void frmMenu::PrintMarkroll() {
    if (!m_state.DocumentOpen())
        return;
    MrPrint dialog(m_state, this);
    dialog.SetCategoriesViewer([this](QWidget* parent) {
        CatView view(m_state, parent);
        view.exec();
    });
    dialog.exec();
}

void frmMenu::ExportCsvFile() {
    if (!m_state.DocumentOpen())
        return;
    CsvExportDlg what(m_state.doc, this);
    what.exec();
    if (!what.Chosen())
        return;
    const std::optional<int> category = what.Chosen()->Category;
    FileDialogOptions options;
    options.title = QStringLiteral("Export CSV File");
    options.filter = QStringLiteral("CSV Files (*.csv)|*.csv");
    options.defaultExt = QStringLiteral("csv");
    options.initialDir = InitialFolder();
    options.presetName = QFileInfo(PathText(m_state.FileName)).completeBaseName() +
                         FromBytes(CsvNameSuffix(m_state.doc, category)) + QStringLiteral(".csv");
    options.overwritePrompt = true;
    const FileDialogResult chosen = FileDialog::Save(this, options);
    if (chosen.status == FileDialogResult::Status::Failed)
        ShowFileError(DialogErrorText(chosen.error));
    if (chosen.status != FileDialogResult::Status::Chosen)
        return;
    const std::string path = PathBytes(QFileInfo(chosen.path).absoluteFilePath());
    if (const std::optional<FileError> error = WriteCsvFile(path, m_state.doc, category))
        ShowFileError(QString::fromStdString(error->Message(path)));
}

void frmMenu::ImportStudentList() {
    if (!m_state.DocumentOpen())
        return;
    auto* editor = qobject_cast<EditData*>(m_editor.data());
    // What is being typed becomes a step of its own first, with its totals, as Escape makes it.
    if (editor && editor->Editing())
        editor->EditExit();
    if (ImportRoster(m_state, this) == 0)
        return;
    // The new students' totals and the class averages belong to the import's step.
    RecalcAll(m_state.doc);
    AmendStep(m_state);
    if (editor)
        editor->Redraw();
    m_backdrop->update();
}

void frmMenu::ShowStatistics() {
    if (!m_state.DocumentOpen())
        return;
    StatsView view(m_state.doc, m_state.EdCat, this);
    view.exec();
}

void frmMenu::CloseEditor() {
    if (QWidget* editor = m_editor) {
        m_editor.clear();
        editor->close();
    }
}

void frmMenu::ShowAbout() {
    if (!m_about) {
        auto* about = new frmAbout(m_state, this);
        about->setAttribute(Qt::WA_DeleteOnClose);
        m_about = about;
    }
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void frmMenu::ShowFileError(const QString& text) {
    MessageBox::Show(this, text, MsgButtons::Ok, MsgIcon::Critical, QStringLiteral("ERROR"));
}

QString frmMenu::InitialFolder() const {
    // The folder of the open file, else the user's documents: the program's own folder is not a place
    // where teachers keep, or may even write, their files.
    if (m_state.DocumentOpen() && m_state.FileName != UntitledName) {
        const QFileInfo file(PathText(m_state.FileName));
        if (file.absoluteDir().exists())
            return file.absolutePath();
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace markroll
