#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>

#include "document/Document.h"

class QAction;
class QMenu;

namespace markroll {

class RecoveryKeeper;

/// The main window: full screen, the menu bar from which every other window is reached, and the file
/// commands. It shows no document itself; the data editor does.
class frmMenu : public QMainWindow {
    Q_OBJECT
public:
    /// Makes the data editor window for the state; the main window shows it and owns it.
    using EditorFactory = std::function<QWidget*(AppState&, QWidget*)>;

    explicit frmMenu(AppState& state, QWidget* parent = nullptr);
    ~frmMenu() override;

    /// Sets how "&UpDate Markroll File" and the last step of Open make the data editor.
    void SetEditorFactory(EditorFactory factory);

    // The file commands. The editor's save button and the dialogs reach Save As here.
    void New();
    void Open();
    /// The steps of Open after the file dialog: load, caption, menus, editor. Also used for the file named
    /// on the command line. Returns false (and changes nothing) when the file cannot be read.
    bool OpenFile(const QString& path);
    /// Returns true when the document was written.
    bool Save();
    /// Returns true when the document was written under the chosen name.
    bool SaveAs();
    /// Asks whether to save and ends the program unless the user cancels or the save does not happen.
    void Exit();

    /// Shows the data editor, or brings it to the front when it is open already.
    void OpenEditor();
    QWidget* Editor() const { return m_editor; }
    /// "&Modify MarkRoll": the category dialog, modal; the editor then shows a category that still exists.
    void ModifyMarkroll();
    /// "&Print": the print dialog of the markroll sheets and worksheets, modal.
    void PrintMarkroll();
    /// "Expor&t CSV...": the whole markroll or one category into a CSV file for spreadsheets.
    void ExportCsvFile();
    /// "&Import Students...": a class roster's students appended after a preview, as one step; the editor shows
    /// them with the totals computed again.
    void ImportStudentList();
    /// "S&tatistics": the class statistics of the category the editor shows, or of any other.
    void ShowStatistics();

    /// "&Undo" and "&Redo" of the Edit menu, also reached from the data editor: the document goes back or forward
    /// one step and the editor shows it.
    void Undo();
    void Redo();
    /// At start-up without a file: offers the recovery copies a crash left behind.
    void OfferRecovery();
    /// Keeps the recovery copy of the open document.
    RecoveryKeeper* Recovery() const { return m_recovery; }

    /// True when the open document differs from the file image last loaded, created or saved.
    bool HasUnsavedChanges() const;
    /// True once Exit (or the window's close control) ended the program.
    bool Ended() const { return m_ended; }

signals:
    /// The user ended the program; start-up quits the event loop on it.
    void programEnded();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    /// Enables the five document items exactly when a document is open.
    void UpdateMenus();
    /// Names the steps that Undo and Redo would take, and enables them when there is one.
    void UpdateUndoItems();
    /// Undo and Redo act unless the editor is in the middle of an editing session.
    bool CanStep() const;
    /// After an undo or redo: the editor shows the document as it is now.
    void ShowRestoredStep();
    /// Asks to save unsaved modifications before the document is replaced; false when the user cancels
    /// or the save did not happen.
    bool AskToSaveChanges();
    /// The questions of Exit, and the save when asked for; true when the program may end.
    bool ConfirmExit();
    void EndProgram();
    void CloseEditor();
    void ShowAbout();
    void ShowFileError(const QString& text);
    QString InitialFolder() const;

    AppState& m_state;
    EditorFactory m_editorFactory;
    QPointer<QWidget> m_editor;
    QPointer<QWidget> m_about;
    bool m_ended = false;
    RecoveryKeeper* m_recovery = nullptr;
    QWidget* m_backdrop = nullptr;
    // "&File" and "&Fonts" share Alt+F; the first press opens the file menu, whatever was pressed before.
    QMenu* m_fileMenu = nullptr;
    QMenu* m_fontsMenu = nullptr;

    QAction* mnuNew = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuSaveAs = nullptr;
    QAction* mnuExport = nullptr;
    QAction* mnuImport = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuModify = nullptr;
    QAction* mnuUpDate = nullptr;
    QAction* mnuStats = nullptr;
    QAction* mnuUndo = nullptr;
    QAction* mnuRedo = nullptr;
    QAction* mnuScrFonts = nullptr;
    QAction* mnuPrtFonts = nullptr;
    QAction* mnuHelpMr = nullptr;
    QAction* mnuHelpAbout = nullptr;
};

} // namespace markroll
