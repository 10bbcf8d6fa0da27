#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "document/Document.h"
#include "editor/EditCursor.h"
#include "editor/PageLayout.h"
#include "editor/PageRenderer.h"

class QLabel;
class QPushButton;

namespace markroll {

class ClickLabel;

/// The full-screen data editor: one category of the markroll as a page of character cells, viewed or edited
/// cell by cell.
class EditData : public QWidget {
    Q_OBJECT
public:
    static constexpr int NumEcmd = 9;
    static constexpr int NumPanels = 9;

    explicit EditData(AppState& state, QWidget* parent = nullptr);

    /// Starts the editor afresh on the current document: SUMMARY, first group and page, default display
    /// settings, viewing. The constructor does this once.
    void Load();
    /// Lays the page out again from the document and repaints it.
    void Redraw();
    /// What "&Save" runs: the main window's Save As.
    void SetSaveAsHandler(std::function<void()> handler) { m_saveAs = std::move(handler); }
    /// What Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z) run outside edit mode: the main window's Undo and Redo.
    void SetUndoHandlers(std::function<void()> undo, std::function<void()> redo) {
        m_undo = std::move(undo);
        m_redo = std::move(redo);
    }
    /// A message at the foot of the window (the recovery copy that could not be written); empty hides it.
    void ShowNotice(const QString& text);

    const EditCursor& Cursor() const { return m_cursor; }
    const PageLayout& Layout() const { return m_cursor.Layout(); }
    const PageRenderer& Renderer() const { return m_renderer; }
    bool Editing() const { return m_cursor.Editing; }
    /// The window caption the editor shows for the document's class name and section.
    QString Caption() const;

    // Event handlers of the command buttons, the status bar and the header labels.
    void Ecmd_Click(int index);
    void SBar_PanelClick(int panel);
    void labH_Click();
    void labHtxt_Click();
    void EditExit();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void BuildControls();
    void PlaceControls();
    void StartEdit();
    void ColorSaveButton();
    void SetInfoCap(int cat, int fld);
    /// Brings the status bar panels and header labels up to date with the cursor.
    void ShowCursorState();
    /// Repaints the cells of the cursor before and after a key or click.
    void RepaintCells(float oldX, float oldY);
    PageMetrics Metrics() const;

    AppState& m_state;
    EditCursor m_cursor;
    PageRenderer m_renderer;
    std::function<void()> m_saveAs;

    std::array<QPushButton*, NumEcmd> m_ecmd{};
    QWidget* m_sbar = nullptr;
    QLabel* m_notice = nullptr;
    std::function<void()> m_undo;
    std::function<void()> m_redo;
    std::array<ClickLabel*, NumPanels + 1> m_panel{};
    ClickLabel* m_labH = nullptr;
    ClickLabel* m_labHtxt = nullptr;
    QLabel* m_labPopF = nullptr;
    QLabel* m_labPopCat = nullptr;
    // What the header labels show now, so a key press that stays in the field leaves them alone.
    int m_shownInfoCat = -1;
    int m_shownInfoFld = -1;
};

} // namespace markroll
