#pragma once

// Shared by the data editor's window tests: the window shown on a state of its own, driven by name.

#include <QLabel>
#include <QtTest>
#include <memory>

#include "document/MarkrollFile.h"
#include "editor/EditData.h"
#include "platform/Platform.h"
#include "support/ModalDriver.h"

namespace markroll::test {

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
    QString PanelText(int i) const { return Child<QLabel>(QStringLiteral("SBar_%1").arg(i))->text(); }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) const { QTest::keyClick(w(), key, mods); }
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
    /// The cursor's row, field and column.
    QList<int> Spot() const { return {cur().EdRow, cur().EdField, cur().EdCol}; }
};

} // namespace markroll::test
