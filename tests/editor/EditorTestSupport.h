#pragma once

// Shared by the data editor's GUI tests: a window on its own state, its modal windows answered without ever
// blocking, and the cursor checked against the page as drawn.

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <functional>
#include <memory>
#include <string>

#include "document/MarkrollFile.h"
#include "editor/EditData.h"
#include "platform/Platform.h"

namespace markroll::test {

inline QList<QPointer<QTimer>>& PendingModals() {
    static QList<QPointer<QTimer>> pending;
    return pending;
}

/// Runs `action` on the next modal window once it is up, then closes what it left open, so a failing check
/// never leaves the test waiting on a dialog.
inline void OnModal(std::function<void(QWidget*)> action) {
    auto* timer = new QTimer;
    PendingModals() << timer;
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        timer->stop();
        timer->deleteLater();
        action(modal);
        if (QApplication::activeModalWidget() == modal)
            modal->close();
    });
    timer->start(10);
}

/// Stops the watchers still waiting; true when there were any (a window that should have opened did not).
inline bool DropPendingModals() {
    bool waiting = false;
    for (QPointer<QTimer>& timer : PendingModals()) {
        if (timer && timer->isActive()) {
            waiting = true;
            delete timer;
        }
    }
    PendingModals().clear();
    return waiting;
}

/// Clicks the named child of `parent`, which must be shown and enabled.
inline void Press(QWidget* parent, const QString& name, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    auto* child = parent->findChild<QWidget*>(name);
    QVERIFY2(child && child->isVisible() && child->isEnabled(), qPrintable(name));
    QTest::mouseClick(child, Qt::LeftButton, mods);
}

struct Editor;
inline std::string CursorProblem(const Editor& e);

/// The editor window shown on a state of its own.
struct Editor {
    AppState state;
    std::unique_ptr<EditData> window;

    explicit Editor(Document doc) {
        state.doc = std::move(doc);
        state.FileName = "class.mrk";
        state.SavedImage = SerializeMarkroll(state.doc);
        window = std::make_unique<EditData>(state);
        window->show();
        (void)QTest::qWaitForWindowExposed(window.get());
    }

    EditData* w() const { return window.get(); }
    const EditCursor& cur() const { return window->Cursor(); }
    const PageLayout& page() const { return window->Layout(); }
    template <typename T = QWidget> T* Child(const QString& name) const { return window->findChild<T*>(name); }

    void Click(const char* name) const { Press(w(), QString::fromLatin1(name)); }
    void Panel(int i) const { Press(w(), QStringLiteral("SBar_%1").arg(i)); }
    QString PanelText(int i) const { return Child<QLabel>(QStringLiteral("SBar_%1").arg(i))->text(); }
    QStringList Panels() const {
        QStringList texts;
        for (int i = 1; i <= 9; ++i)
            texts << PanelText(i);
        return texts;
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) const { QTest::keyClick(w(), key, mods); }
    void Keys(Qt::Key key, int times) const {
        for (int i = 0; i < times; ++i)
            Key(key);
    }
    void Type(const char* text) const { QTest::keyClicks(w(), QString::fromLatin1(text)); }
    /// Moves to category c with "&Cat".
    void ToCat(int c) const {
        for (int i = 0; i < 12 && state.EdCat != c; ++i)
            Click("Ecmd_1");
        QCOMPARE(int(state.EdCat), c);
    }
    /// Category c in edit mode.
    void Edit(int c) const {
        ToCat(c);
        Click("Ecmd_6");
    }
    /// A point in the middle of the character cell at (x, y) twips.
    QPoint At(double x, double y) const { return {TwipsToPxX(x + page().CharW / 2), TwipsToPxY(y + page().CharH / 2)}; }
    QPoint FieldPoint(int field, int row) const {
        return At(page().FieldX(field) + 2 * page().CharW, page().RowY(row, state.doc.NumStudents));
    }
    void ClickAt(QPoint point, Qt::KeyboardModifiers mods = Qt::NoModifier) const {
        QTest::mouseClick(w(), Qt::LeftButton, mods, point);
    }
    int Possible() const { return state.doc.PossibleRow(); }
    /// The cursor's row, field and column.
    QList<int> Spot() const { return {cur().EdRow, cur().EdField, cur().EdCol}; }
    void CheckCursor() const {
        const std::string problem = CursorProblem(*this);
        QVERIFY2(problem.empty(), problem.c_str());
    }
};

/// "" when the cursor cell is a cell of the page that shows the character the cursor edits, else what is wrong.
inline std::string CursorProblem(const Editor& e) {
    const EditCursor& c = e.cur();
    const PageLayout& p = e.page();
    const Document& doc = e.state.doc;
    const std::string where = "zone " + std::to_string(c.EdZone) + " row " + std::to_string(c.EdRow) + " pos " +
                              std::to_string(c.EdPos) + " col " + std::to_string(c.EdCol) + ": ";
    if (c.EdRow != doc.PossibleRow() && (c.EdRow < p.FirstStu || c.EdRow > p.LastStu))
        return where + "the row is not on the page";
    if (std::fabs(c.CurY - p.RowY(c.EdRow, doc.NumStudents)) > p.CharW / 100)
        return where + "CurY is not the row's y";
    if (c.EdCol < 0 || (c.EdZone >= EditCursor::ZoneAdjust && c.EdCol > CellWidth - 1))
        return where + "EdCol is outside the cell";
    // The row string edited, whether the character is on the page, and the x it is drawn at.
    int strCat = e.state.EdCat;
    bool shown = true;
    float x = 0;
    if (c.EdZone == EditCursor::ZoneId || c.EdZone == EditCursor::ZoneName) {
        // The zone's window of the NAME DATA row: ZoneShow characters from ZoneStart on.
        const std::size_t k = c.EdZone == EditCursor::ZoneId ? 2 : 3;
        strCat = 1;
        shown = c.EdPos >= p.ZoneStart[k] && c.EdPos < p.ZoneStart[k] + p.ZoneShow[k];
        x = p.ZoneX(static_cast<int>(k)) + static_cast<float>(c.EdPos - p.ZoneStart[k]) * p.CharW;
    } else {
        const int field = c.EdZone == EditCursor::ZoneData     ? c.EdField
                          : c.EdZone == EditCursor::ZoneAdjust ? doc.NumCats
                                                               : 0;
        if (c.EdPos != field * CellWidth + c.EdCol + 1)
            return where + "EdPos is not EdCol of its cell";
        shown = c.EdZone == EditCursor::ZoneGrade || p.FieldShown(field);
        x = (c.EdZone == EditCursor::ZoneGrade ? p.ZoneX(5) : p.FieldX(field)) + static_cast<float>(c.EdCol) * p.CharW;
    }
    if (c.EdStrCat != strCat)
        return where + "edits the wrong row string";
    if (!shown)
        return where + "the character is not on the page";
    if (std::fabs(c.CurX - x) > p.CharW / 100)
        return where + "CurX is not where the character is drawn";
    return {};
}

} // namespace markroll::test
