#pragma once

// Shared by the data editor's GUI tests: a window on its own state, the modal windows it opens answered
// without ever blocking, and the cursor checked against the page as drawn.

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <functional>
#include <memory>
#include <string>

#include "editor/EditData.h"
#include "platform/Platform.h"

namespace markroll::test {

/// Watchers of OnModal that have not met their window yet.
inline QList<QPointer<QTimer>>& PendingModals() {
    static QList<QPointer<QTimer>> pending;
    return pending;
}

/// Runs `action` on the next modal window once it is up. Whatever the action leaves open is closed, so a
/// failing check never leaves the test waiting on a dialog.
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

/// The editor window shown on a state of its own.
struct Editor {
    AppState state;
    std::unique_ptr<EditData> window;

    explicit Editor(Document doc) {
        state.doc = std::move(doc);
        state.FileName = "class.mrk";
        window = std::make_unique<EditData>(state);
        window->show();
        (void)QTest::qWaitForWindowExposed(window.get());
    }

    EditData* w() const { return window.get(); }
    const EditCursor& cur() const { return window->Cursor(); }
    const PageLayout& page() const { return window->Layout(); }

    void Click(const char* name) const {
        auto* button = window->findChild<QPushButton*>(QString::fromLatin1(name));
        QVERIFY2(button, name);
        QVERIFY2(button->isVisible() && button->isEnabled(), name);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void Panel(int i) const {
        auto* panel = window->findChild<QLabel*>(QStringLiteral("SBar_%1").arg(i));
        QVERIFY(panel && panel->isVisible());
        QTest::mouseClick(panel, Qt::LeftButton);
    }
    QString PanelText(int i) const { return window->findChild<QLabel*>(QStringLiteral("SBar_%1").arg(i))->text(); }
    QStringList Panels() const {
        QStringList texts;
        for (int i = 1; i <= 9; ++i)
            texts << PanelText(i);
        return texts;
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) const { QTest::keyClick(w(), key, mods); }
    void Type(const char* text) const { QTest::keyClicks(w(), QString::fromLatin1(text)); }
    /// Moves to category c with "&Cat".
    void ToCat(int c) const {
        for (int i = 0; i < 12 && state.EdCat != c; ++i)
            Click("Ecmd_1");
        QCOMPARE(int(state.EdCat), c);
    }
    /// A point in the middle of the character cell at (x, y) twips.
    QPoint At(double x, double y) const { return {TwipsToPxX(x + page().CharW / 2), TwipsToPxY(y + page().CharH / 2)}; }
    QPoint FieldPoint(int field, int row) const {
        return At(page().FieldX(field) + 2 * page().CharW, page().RowY(row, state.doc.NumStudents));
    }
    int Possible() const { return state.doc.PossibleRow(); }
};

inline QColor Pixel(QWidget* widget, int x, int y) {
    return widget->grab().toImage().pixelColor(x, y);
}

/// A key press that carries only its text, as a keyboard sends a character it has no key code for.
inline void SendText(QWidget* w, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

/// Where the cursor stands against the page as drawn: "" when the cursor cell is a cell of the page that
/// shows the character the cursor edits, else what is wrong.
inline std::string CursorProblem(const Editor& e) {
    const EditCursor& c = e.cur();
    const PageLayout& p = e.page();
    const Document& doc = e.state.doc;
    const auto near = [&p](float a, float b) { return std::fabs(a - b) < p.CharW / 100; };
    std::string where = "zone " + std::to_string(c.EdZone) + " row " + std::to_string(c.EdRow) + " pos " +
                        std::to_string(c.EdPos) + ": ";
    const bool onPossible = c.EdRow == doc.PossibleRow();
    if (!onPossible && (c.EdRow < p.FirstStu || c.EdRow > p.LastStu))
        return where + "the row is not on the page";
    if (!near(c.CurY, p.RowY(c.EdRow, doc.NumStudents)))
        return where + "CurY is not the row's y";
    if (c.EdCol < 0 || (c.EdZone >= EditCursor::ZoneAdjust && c.EdCol > CellWidth - 1))
        return where + "EdCol " + std::to_string(c.EdCol) + " is outside the cell";
    switch (c.EdZone) {
    case EditCursor::ZoneId:
    case EditCursor::ZoneName: {
        // The zone's window of the NAME DATA row: ZoneStart characters from ZoneShow on.
        const int k = c.EdZone == EditCursor::ZoneId ? 2 : 3;
        const int first = p.ZoneStart[static_cast<std::size_t>(k)];
        const int shown = p.ZoneShow[static_cast<std::size_t>(k)];
        if (c.EdStrCat != 1)
            return where + "not editing NAME DATA";
        if (c.EdPos < first || c.EdPos > first + shown - 1)
            return where + "the character is not shown";
        if (!near(c.CurX, p.ZoneX(k) + static_cast<float>(c.EdPos - first) * p.CharW))
            return where + "CurX is not where the character is drawn";
        return {};
    }
    case EditCursor::ZoneAdjust:
    case EditCursor::ZoneGrade: {
        const int field = c.EdZone == EditCursor::ZoneAdjust ? doc.NumCats : 0;
        const float cellX = c.EdZone == EditCursor::ZoneAdjust ? p.FieldX(field) : p.ZoneX(5);
        if (c.EdZone == EditCursor::ZoneAdjust && !p.FieldShown(field))
            return where + "the adjustment is not on the page";
        if (c.EdPos != field * CellWidth + c.EdCol + 1)
            return where + "EdPos is not EdCol of the cell";
        if (!near(c.CurX, cellX + static_cast<float>(c.EdCol) * p.CharW))
            return where + "CurX is not where the character is drawn";
        return {};
    }
    default:
        if (c.EdStrCat != e.state.EdCat)
            return where + "not editing the shown category";
        if (!p.FieldShown(c.EdField))
            return where + "field " + std::to_string(c.EdField) + " is not on the page";
        if (c.EdPos != c.EdField * CellWidth + c.EdCol + 1)
            return where + "EdPos is not EdCol of the field";
        if (!near(c.CurX, p.FieldX(c.EdField) + static_cast<float>(c.EdCol) * p.CharW))
            return where + "CurX is not where the character is drawn";
        return {};
    }
}

} // namespace markroll::test
