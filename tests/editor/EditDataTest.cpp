// The data editor driven offscreen like a teacher would: buttons, keys and clicks on the real window, modal
// answers scripted, results read from the document and from what the window shows.

#include <QDir>
#include <QLineEdit>
#include <QPaintEvent>
#include <QRadioButton>
#include <QSpinBox>

#include "calc/Recalc.h"
#include "document/TextNumber.h"
#include "editor/EditDisp.h"
#include "editor/EditorTestSupport.h"
#include "editor/PopUpInfo.h"
#include "platform/InputBox.h"
#include "platform/MessageBox.h"
#include "platform/Pickers.h"
#include "support/TestDocuments.h"

using namespace markroll;
using markroll::test::Field;
using markroll::test::MakeDocument;
using markroll::test::OnModal;
using markroll::test::Press;
using markroll::test::SetField;

namespace {

// Five students, "Tests" with fields 1..3 and "Homework" with fields 1..2.
Document Fixture() {
    return MakeDocument(5, {{"Tests", 40, 4, 3}, {"Homework", 60, 3, 3}});
}

struct Editor : test::Editor {
    explicit Editor(Document doc = Fixture()) : test::Editor(std::move(doc)) {}

    QColor SaveColor() const { return Child("Ecmd_8")->grab().toImage().pixelColor(3, 10); }
    /// The rows the cursor stands on after each key of `keys`, 'D' for Down and 'U' for Up.
    QList<int> Rows(const char* keys) const {
        QList<int> rows;
        for (; *keys; ++keys) {
            Key(*keys == 'D' ? Qt::Key_Down : Qt::Key_Up);
            rows << cur().EdRow;
        }
        return rows;
    }
    /// Where the cursor stands after `times` presses of key.
    QList<int> Move(Qt::Key key, int times = 1) const {
        Keys(key, times);
        return Spot();
    }
    /// Opens the display dialog with `action` to run on it.
    void Disp(std::function<void(QWidget*)> action) const {
        OnModal(std::move(action));
        Click("Ecmd_4");
    }
    void ChooseFont(int size, bool bold, QString* caption = nullptr) const {
        FontPicker::SetNextAnswer(FontChoice{QStringLiteral("Courier"), size, bold, false});
        Disp([caption](QWidget* modal) {
            Press(modal, "cmdFonts");
            if (caption)
                *caption = modal->findChild<QLabel*>("labFont")->text();
            Press(modal, "cmdApply");
        });
    }
};

/// A key press that carries only its text, as a keyboard sends a character it has no key code for.
void SendText(QWidget* w, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

// Records the regions the editor repaints.
class PaintSpy : public QObject {
public:
    QRegion painted;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

} // namespace

class EditDataTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        MessageBox::ClearAsked();
        InputBox::ClearAsked();
    }
    void cleanup() { QVERIFY2(!test::DropPendingModals(), "an expected modal window never opened"); }

    void opensOnSummaryWithDefaultsAndButtons() {
        Editor e;
        e.state.Changed = true;
        e.state.EdCat = 3;
        e.state.Display.IdDispLen = 2;
        e.state.Display.BgColor[4] = 0x123456;
        e.state.Display.ScrFontSize = 14;
        e.w()->Load();
        QCOMPARE((QList<int>{e.state.EdCat, e.state.EdGroup, e.state.EdPage}), (QList<int>{0, 1, 1}));
        QVERIFY(e.state.Display == DefaultDisplaySettings());
        QCOMPARE(e.w()->windowTitle(), QStringLiteral("Markroll Update: Class Name\?\?\? (Class Section\?\?\?)"));
        for (const char* hidden : {"SBar", "labH"})
            QVERIFY2(!e.Child(hidden)->isVisible(), hidden);
        QStringList captions;
        QStringList tips;
        int lastX = -1;
        for (int i = 0; i < 9; ++i) {
            auto* b = e.Child<QPushButton>(QStringLiteral("Ecmd_%1").arg(i));
            QVERIFY(b && b->isVisible() && b->x() > lastX && b->geometry().bottom() < TwipsToPxY(400));
            captions << b->text();
            tips << b->toolTip();
            lastX = b->x();
        }
        QCOMPARE(captions,
                 (QStringList{"E&xit", "&Cat", "&Page", "&Group", "&Disp", "&Modify", "&Edit", "&Info", "&Save"}));
        QCOMPARE(tips, (QStringList{"Exit Update Mode", "Next Catagory", "Next Page", "Next Group of Students",
                                    "Change Display Colors", "Modify Catagory", "Edit Catagory Data",
                                    "Edit Markroll Info", "Save AS Current File"}));
        // One group of five students and one page of SUMMARY fields.
        QVERIFY(!e.Child("Ecmd_2")->isEnabled());
        QVERIFY(!e.Child("Ecmd_3")->isEnabled());
        QCOMPARE(e.SaveColor(), QColor(255, 0, 0));
    }

    void catCyclesThroughUserCategoriesAndSummaryOnly() {
        Editor e;
        QList<int> seen;
        for (int i = 0; i < 5; ++i) {
            e.state.Changed = true;
            e.Click("Ecmd_1");
            seen << e.state.EdCat;
            QVERIFY(!e.state.Changed);
        }
        QCOMPARE(seen, (QList<int>{2, 3, 0, 2, 3}));
        QCOMPARE(e.SaveColor(), QColor(128, 255, 128));
    }

    void typingAndArrowsInTheDataZone() {
        Editor e;
        e.Edit(2);
        QVERIFY(e.w()->Editing() && !e.Child("Ecmd_6")->isVisible());
        const int p = e.Possible();
        // The first group starts on the possible points, field 1, column 1.
        QCOMPARE(e.Spot(), (QList<int>{p, 1, 1}));
        e.Type("2");
        QCOMPARE(Field(e.state.doc, p, 2, 1), std::string(" 2.."));
        QCOMPARE(e.Spot(), (QList<int>{p, 1, 2}));
        QCOMPARE(e.PanelText(7), QStringLiteral("Pos 2"));
        // A full cell advances to the next field ("Hort").
        e.Type("50");
        QCOMPARE(Field(e.state.doc, p, 2, 1), std::string(" 250"));
        QCOMPARE(e.Spot(), (QList<int>{p, 2, 1}));
        QCOMPARE(e.PanelText(6), QStringLiteral("Field 2"));
        QCOMPARE(e.Child<QLabel>("labH")->text(), QStringLiteral("Field 2 "));
        // Typing recomputes nothing and marks nothing.
        QVERIFY(!e.state.Changed);
        QCOMPARE(Field(e.state.doc, 0, 2, 1), std::string(" ..."));

        // Right across the three fields of three edited columns wraps to field 1 of the same row.
        QCOMPARE(e.Move(Qt::Key_Right, 5), (QList<int>{p, 3, 3}));
        QCOMPARE(e.Move(Qt::Key_Right), (QList<int>{p, 1, 1}));
        // Left out of a cell lands on the first edited column of the previous cell (the last before the first).
        QCOMPARE(e.Move(Qt::Key_Left), (QList<int>{p, 3, 1}));
        e.Keys(Qt::Key_Right, 2);
        QCOMPARE(e.Move(Qt::Key_Left, 3), (QList<int>{p, 2, 1}));
        QCOMPARE(e.PanelText(6), QStringLiteral("Field 2"));
        e.CheckCursor();
    }

    void downAndUpAtTheEdgesOfTheGroup() {
        Editor e(MakeDocument(3, {{"Long", 100, 64, 3}}));
        const int p = e.Possible();
        // In SUMMARY the ID# zone goes from the last student back to the first; the adjustment zone, like the
        // data zone on page 1, to the possible points.
        e.Click("Ecmd_6");
        QCOMPARE(e.cur().EdZone, int(EditCursor::ZoneId));
        QCOMPARE(e.Rows("DDDU"), (QList<int>{2, 3, 1, p}));
        e.Keys(Qt::Key_Tab, 2);
        QCOMPARE(e.cur().EdZone, int(EditCursor::ZoneAdjust));
        QCOMPARE(e.Rows("UD"), (QList<int>{3, p}));
        e.Key(Qt::Key_Escape);
        e.Edit(2);
        QCOMPARE(e.Rows("DDDDDUU"), (QList<int>{1, 2, 3, p, 1, p, 3}));
        QCOMPARE(e.PanelText(4), QStringLiteral("Student 3"));
        e.CheckCursor();
        e.Key(Qt::Key_Escape);
        // On a later page the data zone goes from the last student back to the first.
        e.Click("Ecmd_2");
        e.Click("Ecmd_6");
        QCOMPARE(e.PanelText(5), QStringLiteral("Page 2"));
        QCOMPARE(e.Spot(), (QList<int>{p, e.page().FirstFld, 1}));
        QCOMPARE(e.Rows("DDDDU"), (QList<int>{1, 2, 3, 1, p}));
    }

    void tabMovesZonesInSummaryAndFieldsElsewhere() {
        Editor e;
        e.Click("Ecmd_6");
        QStringList zones;
        for (int i = 0; i < 5; ++i) {
            zones << e.PanelText(6) << e.PanelText(9);
            e.Key(Qt::Key_Tab);
        }
        QCOMPARE(zones, (QStringList{"ID#", "EL=  11", "Name", "EL=  30", "Adjustment", "EL=  3", "Grade", "EL=  3",
                                     "ID#", "EL=  11"}));
        e.Keys(Qt::Key_Tab, 2);
        e.Type("B+");
        QCOMPARE(Field(e.state.doc, 1, 0, 0), std::string(" B+ "));
        // Left out of the grade cell stays in it, on its last column.
        QCOMPARE(e.Move(Qt::Key_Left, 3), (QList<int>{1, 0, 3}));
        e.CheckCursor();
        e.Key(Qt::Key_Escape);

        e.Edit(3);
        QList<int> fields;
        for (int i = 0; i < 3; ++i) {
            e.Key(Qt::Key_Right);
            e.Key(Qt::Key_Tab);
            fields << e.cur().EdField << e.cur().EdCol;
        }
        QCOMPARE(fields, (QList<int>{2, 1, 1, 1, 2, 1}));
        QCOMPARE(e.Child<QLabel>("labHtxt")->text().trimmed(), QStringLiteral("Info for Field 2"));
    }

    // The cursor cell is drawn inverted in the colours of its zone's element; the cell it leaves shows the page
    // again (on the possible points, the bar under the ID# and name, not the colours of the cursor).
    void cursorCellIsDrawnInverted_data() {
        QTest::addColumn<int>("cat");
        QTest::addColumn<int>("tabs");
        QTest::addColumn<int>("downs"); // negative: up
        QTest::addColumn<int>("element");
        QTest::addColumn<int>("page"); // the element under the cell
        QTest::newRow("data, possible points") << 2 << 0 << 0 << int(ElemBar) << int(ElemBar);
        QTest::newRow("data, student") << 2 << 0 << 1 << int(ElemData) << int(ElemData);
        QTest::newRow("ID#") << 0 << 0 << 0 << int(ElemId) << int(ElemId);
        QTest::newRow("ID#, possible points") << 0 << 0 << -1 << int(ElemData) << int(ElemBar);
        QTest::newRow("name") << 0 << 1 << 0 << int(ElemName) << int(ElemName);
        QTest::newRow("adjustment") << 0 << 2 << 0 << int(ElemData) << int(ElemData);
        QTest::newRow("adjustment, possible points") << 0 << 2 << -1 << int(ElemBar) << int(ElemBar);
        QTest::newRow("grade") << 0 << 3 << 0 << int(ElemTotals) << int(ElemTotals);
    }
    void cursorCellIsDrawnInverted() {
        QFETCH(int, cat);
        QFETCH(int, tabs);
        QFETCH(int, downs);
        QFETCH(int, element);
        QFETCH(int, page);
        Editor e;
        e.Edit(cat);
        e.Keys(Qt::Key_Tab, tabs);
        e.Keys(downs > 0 ? Qt::Key_Down : Qt::Key_Up, std::abs(downs));
        QCOMPARE(e.cur().CursorElement(), element);
        const DisplaySettings& d = e.state.Display;
        // A corner of the cell, where no glyph is drawn.
        const auto corner = [&e](float x, float y) {
            const QRectF cell = e.w()->Renderer().ToPx(x, y, e.page().CharW, e.page().CharH);
            return e.w()->grab().toImage().pixelColor(QPoint(int(std::ceil(cell.left())), int(std::ceil(cell.top()))));
        };
        const float x = e.cur().CurX;
        const float y = e.cur().CurY;
        QCOMPARE(corner(x, y), QColor::fromRgb(QRgb(d.FgColor[static_cast<std::size_t>(element)])));
        e.Key(Qt::Key_Right);
        QVERIFY(e.cur().CurX != x);
        QTRY_COMPARE(corner(x, y), QColor::fromRgb(QRgb(d.BgColor[static_cast<std::size_t>(page)])));
    }

    void keysThatStoreNothing() {
        Editor e;
        e.Edit(2);
        e.Type("4");
        const Document before = e.state.doc;
        const QList<int> spot = e.Spot();
        e.Key(Qt::Key_Backspace);
        e.Key(Qt::Key_Return);
        e.Key(Qt::Key_Enter);
        e.Key(Qt::Key_Right, Qt::ControlModifier);
        e.Key(Qt::Key_Down, Qt::AltModifier);
        SendText(e.w(), QStringLiteral("\u03A9")); // no Windows-1252 code
        e.Key(Qt::Key_J, Qt::ControlModifier);     // a line feed would split the row's line in the file
        SendText(e.w(), QStringLiteral("\n"));
        QVERIFY(e.state.doc == before);
        QCOMPARE(e.Spot(), spot);
        // Windows-1252 characters beyond ASCII are stored as their byte.
        SendText(e.w(), QStringLiteral("\u00E9"));
        SendText(e.w(), QStringLiteral("\u20AC"));
        QCOMPARE(Field(e.state.doc, e.Possible(), 2, 1), std::string(" 4\xE9\x80"));
    }

    // Escape, the "ESC" panel and closing the window all recalculate what was typed.
    void leavingEditModeRecalculates_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("Escape") << 0;
        QTest::newRow("ESC panel") << 1;
        QTest::newRow("closing the window") << 2;
    }
    void leavingEditModeRecalculates() {
        QFETCH(int, how);
        Editor e;
        e.Edit(2);
        e.Type(" 10 20");    // possible points of fields 1 and 2 (field 3 stays empty)
        e.Key(Qt::Key_Down); // student 1, field 3
        e.Key(Qt::Key_Tab);  // field 1
        e.Type("  7 15");
        QCOMPARE(Field(e.state.doc, 1, 2, 0), std::string(" ..."));
        if (how == 0)
            e.Key(Qt::Key_Escape);
        else if (how == 1)
            e.Panel(1);
        else
            QVERIFY(e.w()->close());
        QVERIFY(!e.w()->Editing());
        // 22 of 30 points: 73 percent; the class of five averages 15; tot is 40% of 73.
        const Document& doc = e.state.doc;
        QCOMPARE((std::vector<std::string>{Field(doc, 1, 2, 0), Field(doc, 0, 2, 0), Field(doc, 1, 0, 1),
                                           Field(doc, 1, 0, 3)}),
                 (std::vector<std::string>{"  73", "  15", "  73", "  29"}));
        if (how == 2)
            return;
        QVERIFY(!e.Child("SBar")->isVisible() && e.Child("Ecmd_6")->isVisible());
        // In SUMMARY leaving edit mode copies the category totals as they stand, without recomputing them.
        SetField(e.state.doc, 2, 2, 0, "50");
        e.Edit(0);
        e.Key(Qt::Key_Escape);
        QCOMPARE(Field(doc, 2, 0, 1), std::string("  50"));
        QCOMPARE(Field(doc, 2, 2, 0), std::string("  50"));
    }

    void statusBarPanels() {
        Editor e;
        e.Edit(2);
        QCOMPARE(e.Panels(), (QStringList{"ESC", "Category 2", "Group 1", "Possible Pts", "Page 1", "Field 1", "Pos 1",
                                          "Hort", "EL=  3"}));
        // All nine fit on the screen, the switches at the right end too, each wide enough for its text.
        auto* bar = e.Child("SBar");
        for (int i = 1; i <= 9; ++i) {
            auto* panel = bar->findChild<QLabel*>(QStringLiteral("SBar_%1").arg(i));
            QVERIFY2(panel->geometry().right() < bar->width() &&
                         panel->fontMetrics().horizontalAdvance(panel->text()) + 8 < panel->width(),
                     qPrintable(panel->objectName()));
        }
        e.Panel(8);
        QCOMPARE(e.PanelText(8), QStringLiteral("Vert"));
        // Each click widens the edited part of the cell by one column, from 4 round to 1.
        QStringList lengths;
        for (int i = 0; i < 4; ++i) {
            e.Panel(9);
            lengths << e.PanelText(9) << e.PanelText(7);
            e.CheckCursor();
        }
        QCOMPARE(lengths, (QStringList{"EL= 4", "Pos 0", "EL= 1", "Pos 3", "EL= 2", "Pos 2", "EL= 3", "Pos 1"}));
        // With all four columns edited the cursor enters a cell at column 0; "Vert" then goes on one row down.
        e.Panel(9);
        e.Key(Qt::Key_Tab);
        QCOMPARE(e.cur().EdCol, 0);
        e.Type("1000");
        QCOMPARE(Field(e.state.doc, e.Possible(), 2, 2), std::string("1000"));
        QCOMPARE(e.Spot(), (QList<int>{1, 2, 0}));
        e.Key(Qt::Key_Escape);
        // In the ID# zone the edit length cannot be changed.
        e.Edit(0);
        e.Panel(9);
        QCOMPARE(e.PanelText(9), QStringLiteral("EL=  11"));
        QCOMPARE(e.cur().EdPos, 1);
    }

    void clicksWhileEditing() {
        Editor e;
        e.Edit(2);
        e.ClickAt(e.FieldPoint(3, 4));
        QCOMPARE(e.Spot(), (QList<int>{4, 3, 1}));
        QCOMPARE(e.Panels().mid(3, 4), (QStringList{"Student 4", "Page 1", "Field 3", "PPos 1"}));
        // The possible-points row and anything above select the first student; far right the last field.
        e.ClickAt(e.At(e.page().DataEndX + 2000, e.page().PossY));
        QCOMPARE(e.Spot(), (QList<int>{1, 3, 1}));
        e.Type("9");
        QCOMPARE(Field(e.state.doc, 1, 2, 3), std::string(" 9.."));
        e.Key(Qt::Key_Escape);
        // In SUMMARY a click left of the zone goes one zone back, right of it one zone on, wrapping.
        e.Edit(0);
        const double y = e.page().RowY(3, e.state.doc.NumStudents);
        QList<int> zones;
        for (float x : {e.page().ZoneX(5), 0.0F, 0.0F}) {
            e.ClickAt(e.At(x, y));
            zones << e.cur().EdZone << e.cur().EdRow;
        }
        QCOMPARE(zones, (QList<int>{EditCursor::ZoneName, 3, EditCursor::ZoneId, 3, EditCursor::ZoneGrade, 3}));
        QCOMPARE(e.PanelText(6), QStringLiteral("Grade"));
    }

    void fieldInfoPopUp() {
        Editor e;
        e.ToCat(2);
        QString title;
        QString shown;
        InputBox::SetNextAnswer(QStringLiteral("Quiz on chapter 2"));
        OnModal([&](QWidget* modal) {
            auto* popup = qobject_cast<PopUpInfo*>(modal);
            QVERIFY(popup);
            title = popup->windowTitle();
            Press(popup, "cmdPopEdit");
            shown = popup->ShownText();
            QVERIFY(popup->isVisible());
            QTest::mouseClick(popup, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
            QVERIFY(!popup->isVisible());
        });
        e.ClickAt(e.FieldPoint(2, 3));
        QCOMPARE(title, QStringLiteral("FieldInfo for Field  2 (Catagory  2)"));
        QCOMPARE(shown.trimmed(), QStringLiteral("Quiz on chapter 2"));
        QCOMPARE(test::InfoSlot(e.state.doc, 2, 2), std::string("Quiz on chapter 2") + std::string(64 - 17, ' '));
        QCOMPARE(InputBox::Asked().back().title, QStringLiteral("Info for Field 2 (Catagory 2)"));
        QCOMPARE(InputBox::Asked().back().prompt, QStringLiteral("Enter Field Description:"));

        // A click past the last field shows the category's own description.
        OnModal([&](QWidget* modal) {
            title = modal->windowTitle();
            shown = static_cast<PopUpInfo*>(modal)->ShownText();
        });
        e.ClickAt(e.At(e.page().DataEndX + 3000, e.page().PossY));
        QCOMPARE(title, QStringLiteral("FieldInfo for Field  0 (Catagory  2)"));
        QCOMPARE(shown.trimmed(), QStringLiteral("Totals for Tests"));
    }

    void setFieldValuesPopUp_data() {
        QTest::addColumn<int>("cat");
        QTest::addColumn<bool>("confirm");
        QTest::newRow("category, OK") << 2 << true;
        QTest::newRow("category, Cancel") << 2 << false;
        QTest::newRow("summary, OK") << 0 << true;
    }
    void setFieldValuesPopUp() {
        QFETCH(int, cat);
        QFETCH(bool, confirm);
        Editor e;
        e.ToCat(cat);
        const Document before = e.state.doc;
        QStringList seen;
        MessageBox::SetNextAnswer(confirm ? MsgAnswer::Ok : MsgAnswer::Cancel);
        OnModal([&](QWidget* modal) {
            seen << modal->objectName() << modal->windowTitle() << modal->findChild<QLabel*>("labC")->text()
                 << modal->findChild<QLabel*>("labF")->text();
            QTest::keyClicks(modal->findChild<QLineEdit*>("txtVal"), QStringLiteral("x"));
            Press(modal, "cmdSet");
            QVERIFY2(modal->isVisible(), "the window stays open after setting");
        });
        e.ClickAt(e.FieldPoint(2, 1), Qt::ShiftModifier);
        QCOMPARE(seen,
                 (QStringList{"PopUpChg", "Set Field Values", QStringLiteral("Catagory=  %1").arg(cat), "Field=  2"}));
        QCOMPARE(MessageBox::Asked().size(), std::size_t(1));
        QCOMPARE(MessageBox::Asked()[0].title, QStringLiteral("Set Field Values"));
        QCOMPARE(MessageBox::Asked()[0].text, QStringLiteral("Set Field Values to 'x   '"));
        const Document& doc = e.state.doc;
        if (!confirm) {
            QVERIFY(doc == before);
            return;
        }
        for (int r = 0; r <= doc.NumStudents; ++r)
            QCOMPARE(Field(doc, r, cat, 2), std::string("x   "));
        QCOMPARE(Field(doc, doc.PossibleRow(), cat, 2), cat == 0 ? Field(before, doc.PossibleRow(), 0, 2) : "x   ");
        QCOMPARE(doc.CatData(doc.TitleRow(), cat), before.CatData(doc.TitleRow(), cat));
        QCOMPARE(Field(doc, 1, cat, 1), Field(before, 1, cat, 1));
    }

    void otherModifiersOpenNoPopUp() {
        Editor e;
        bool opened = false;
        OnModal([&](QWidget*) { opened = true; });
        const Qt::KeyboardModifiers mods[] = {Qt::ControlModifier, Qt::ShiftModifier | Qt::ControlModifier,
                                              Qt::AltModifier};
        for (Qt::KeyboardModifiers m : mods)
            e.ClickAt(e.FieldPoint(1, 1), m);
        QVERIFY(!opened);
        test::DropPendingModals();
    }

    void headerLabelsEditDescriptions() {
        Editor e;
        e.Edit(2);
        e.Key(Qt::Key_Tab);
        auto* labH = e.Child<QLabel>("labH");
        const auto edit = [&e](const char* label, const QString& answer) {
            InputBox::SetNextAnswer(answer);
            e.Click(label);
        };
        QCOMPARE(labH->text(), QStringLiteral("Field 2 "));
        edit("labHtxt", QString(70, QLatin1Char('d')));
        QCOMPARE(test::InfoSlot(e.state.doc, 2, 2), std::string(64, 'd'));
        QCOMPARE(e.Child<QLabel>("labHtxt")->text(), QStringLiteral(" ") + QString(64, QLatin1Char('d')));
        // An empty answer keeps the description.
        edit("labHtxt", QString());
        QCOMPARE(test::InfoSlot(e.state.doc, 2, 2), std::string(64, 'd'));

        edit("labH", QStringLiteral("Unit tests"));
        QCOMPARE(InputBox::Asked().back().title, QStringLiteral("Info for Field 0 (Catagory 2)"));
        QCOMPARE(test::InfoSlot(e.state.doc, 2, 0).substr(0, 10), std::string("Unit tests"));
        QCOMPARE(labH->text(), QStringLiteral("Field 0 "));
        // The text label still edits the field the cursor is on.
        edit("labHtxt", QStringLiteral("Second quiz"));
        QCOMPARE(test::InfoSlot(e.state.doc, 2, 2).substr(0, 11), std::string("Second quiz"));
        QCOMPARE(labH->text(), QStringLiteral("Field 2 "));
    }

    void typingPastTheEndOfAShortRowPadsIt() {
        Document doc = Fixture();
        doc.CatData(doc.PossibleRow(), 2) = " 100";
        Editor e(doc);
        e.Edit(2);
        e.Key(Qt::Key_Tab);
        e.Type("7");
        QCOMPARE(e.state.doc.CatData(e.Possible(), 2), std::string(" 100     7"));

        // A category left without cells by a hand-edited file has nowhere to type into.
        doc = Fixture();
        doc.CatFields[2] = 0;
        for (std::string& row : doc.Grid[2])
            row.clear();
        Editor f(doc);
        f.Edit(2);
        f.Type("123");
        QVERIFY(f.state.doc == doc);

        // A negative field count in a hand-edited file shows and edits as no fields at all.
        doc.CatFields[2] = -3;
        Editor g(doc);
        g.Edit(2);
        g.Type("123");
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Up})
            g.Key(key);
        g.ClickAt(g.At(10 * g.page().CharW, g.page().RowY(1, doc.NumStudents)));
        g.CheckCursor();
        g.Key(Qt::Key_Escape);
        g.Click("Ecmd_1");
        QVERIFY(g.state.doc.Grid[2] == doc.Grid[2]);
    }

    void pressingAKeyRepaintsOnlyTheCells() {
        Editor e;
        e.Edit(2);
        QTest::qWait(50);
        PaintSpy spy;
        e.w()->installEventFilter(&spy);
        e.Type("5");
        QTRY_VERIFY(!spy.painted.isEmpty());
        const QRect cell = e.w()->Renderer().CellRect(e.page(), e.cur().CurX, e.cur().CurY);
        const QRect painted = spy.painted.boundingRect();
        QVERIFY2(painted.width() <= 3 * cell.width() && painted.height() <= cell.height(),
                 "a key press repainted more than its cells");
        e.w()->removeEventFilter(&spy);
    }

    void displayDialogColours() {
        Editor e;
        for (const QColor& color : {QColor(10, 20, 30), QColor(200, 100, 50), QColor(1, 2, 3)})
            ColorPicker::SetNextAnswer(color);
        std::array<Rgb, NumDisplayElements> bg{};
        std::array<Rgb, NumDisplayElements> fg{};
        e.Disp([&](QWidget* modal) {
            auto* dlg = qobject_cast<EditDisp*>(modal);
            QVERIFY(dlg);
            QCOMPARE(dlg->windowTitle(), QStringLiteral("Change Display Attributes"));
            QVERIFY(dlg->findChild<QRadioButton*>("optBc")->isChecked());
            QVERIFY(dlg->findChild<QLabel*>("labBcMark")->isVisible());
            QVERIFY(!dlg->findChild<QLabel*>("labTcMark")->isVisible());
            Press(dlg, "Cbar_1");
            QCOMPARE(dlg->Sel(), 1);
            Press(dlg, "cmdColor");
            Press(dlg, "optTc");
            QVERIFY(!dlg->BgMode() && dlg->findChild<QLabel*>("labTcMark")->isVisible());
            QCOMPARE(dlg->findChild<QLabel*>("labColor")->text(), QStringLiteral("Text Color"));
            for (const char* bar : {"Cbar_6", "Cbar_4"}) {
                Press(dlg, bar);
                Press(dlg, "cmdColor");
            }
            bg = dlg->WorkBg();
            fg = dlg->WorkFg();
            Press(dlg, "cmdApply");
        });
        // The left and right borders (elements 1 and 6) change together.
        QCOMPARE((QList<Rgb>{bg[1], bg[6], fg[1], fg[6], fg[4], fg[0]}),
                 (QList<Rgb>{0x0A141E, 0x0A141E, 0xC86432, 0xC86432, 0x010203, DefaultDisplaySettings().FgColor[0]}));
        QCOMPARE(e.state.Display.BgColor, bg);
        QCOMPARE(e.state.Display.FgColor, fg);
        // The page is drawn in the new colours: the left border of student 1.
        QCOMPARE(e.w()->grab().toImage().pixelColor(e.At(0, e.page().RowY(1, 5))), QColor(10, 20, 30));

        // "Default" takes effect at once, also when the dialog is cancelled.
        ColorPicker::SetNextAnswer(QColor(9, 9, 9));
        e.Disp([](QWidget* modal) {
            Press(modal, "cmdDefault");
            Press(modal, "cmdColor");
            Press(modal, "cmdCancel");
        });
        QVERIFY(e.state.Display == DefaultDisplaySettings());

        // Reset goes back to the settings, dropping working changes.
        e.state.Display.BgColor[2] = 0x111111;
        ColorPicker::SetNextAnswer(QColor(9, 9, 9));
        std::array<Rgb, NumDisplayElements> afterReset{};
        e.Disp([&](QWidget* modal) {
            auto* dlg = static_cast<EditDisp*>(modal);
            Press(dlg, "cmdColor");
            QCOMPARE(dlg->WorkBg()[0], Rgb(0x090909));
            Press(dlg, "cmdReset");
            afterReset = dlg->WorkBg();
            Press(dlg, "cmdApply");
        });
        QCOMPARE(afterReset, e.state.Display.BgColor);
        QCOMPARE(e.state.Display.BgColor[2], Rgb(0x111111));
    }

    void narrowIdAndNameWidths() {
        Editor e;
        e.state.doc.CatData(2, 1) = "123-45-6789 Hopper, Grace" + std::string(17, ' ');
        QStringList shown;
        e.Disp([&](QWidget* modal) {
            auto* txtLid = modal->findChild<QLineEdit*>("txtLid");
            auto* udLid = modal->findChild<QSpinBox*>("UdLid");
            auto* txtLnf = modal->findChild<QLineEdit*>("txtLnf");
            shown << txtLid->text() << txtLnf->text();
            txtLid->selectAll();
            QTest::keyClicks(txtLid, QStringLiteral("25"));
            shown << txtLid->text() << QString::number(udLid->value());
            txtLid->setText(QStringLiteral("-3"));
            shown << txtLid->text() << QString::number(udLid->value());
            for (int i = 0; i < 4; ++i)
                udLid->stepUp();
            shown << txtLid->text();
            txtLnf->selectAll();
            QTest::keyClicks(txtLnf, QStringLiteral("6"));
            shown << QString::number(modal->findChild<QSpinBox*>("UdLnf")->value());
            Press(modal, "cmdApply");
        });
        QCOMPARE(shown, (QStringList{"11", "30", "11", "11", "0", "0", "4", "6"}));
        QCOMPARE((QList<int>{e.state.Display.IdDispLen, e.state.Display.NameDispLen}), (QList<int>{4, 6}));

        // The ID# zone shows the last four characters, and the cursor walks over just those.
        e.Click("Ecmd_6");
        e.Key(Qt::Key_Down);
        QCOMPARE(e.cur().EdPos, 8);
        QCOMPARE(e.PanelText(9), QStringLiteral("EL=  4"));
        e.Type("4321");
        QCOMPARE(e.state.doc.CatData(2, 1).substr(0, 11), std::string("123-45-4321"));
        QCOMPARE(e.cur().EdPos, 8);
        e.Key(Qt::Key_Left);
        QCOMPARE(e.cur().EdPos, 11);
        e.CheckCursor();
        // A click on the name as drawn moves there; the name zone spans the six characters shown.
        e.ClickAt(e.At(e.page().ZoneX(3) + 2 * e.page().CharW, e.page().RowY(2, 5)));
        QCOMPARE(e.cur().EdZone, int(EditCursor::ZoneName));
        QCOMPARE(e.cur().SpanX1, e.page().ZoneX(3) + 5 * e.page().CharW);
        e.Type("Murray");
        QCOMPARE(e.cur().EdPos, 13);
        QCOMPARE(e.state.doc.CatData(2, 1).substr(12, 13), std::string("Murray, Grace"));
    }

    void fontTooLargeShowsAMessageUntilASmallerOne() {
        Editor e;
        e.ToCat(2);
        QString fontCaption;
        e.ChooseFont(18, true, &fontCaption);
        QCOMPARE(fontCaption, QStringLiteral("Courier - Regular Bold 18 pts"));
        QCOMPARE(FontPicker::LastMinSize(), 4);
        QCOMPARE(FontPicker::LastMaxSize(), 18);
        if (static_cast<int>((ScreenSizeTwips().width() / e.page().CharW - 56) / 4) >= 1)
            QSKIP("this screen is wide enough for an 18 point page");
        QVERIFY(!e.page().Fits);
        QCOMPARE(QString::fromStdString(e.page().Message), QStringLiteral("Window too small for this font"));
        QVERIFY(!e.Child("Ecmd_6")->isEnabled());
        e.ClickAt(QPoint(200, 200), Qt::ShiftModifier);
        QVERIFY(!QApplication::activeModalWidget());

        e.ChooseFont(8, false);
        QVERIFY(e.page().Fits);
        e.Click("Ecmd_6");
        QVERIFY(e.w()->Editing());
    }

    void infoOpensTheInformationDialog() {
        Editor e;
        QString opened;
        OnModal([&](QWidget* modal) {
            opened = modal->objectName();
            e.state.doc.InfoLine[1] = "Algebra";
            e.state.doc.InfoLine[4] = "Ms. Noether";
        });
        e.Click("Ecmd_7");
        QCOMPARE(opened, QStringLiteral("MrkInfo"));
        QVERIFY(!e.state.Changed); // left without applying
        OnModal([&](QWidget* modal) {
            MessageBox::SetNextAnswer(MsgAnswer::Ok);
            Press(modal, QStringLiteral("cmdApply"));
        });
        e.Click("Ecmd_7");
        QVERIFY(e.state.Changed);
        QCOMPARE(e.w()->windowTitle(), QStringLiteral("Markroll Update: Algebra (Class Section\?\?\?)"));
        QCOMPARE(e.page().Rows.back().Texts[0].Literal.substr(0, 11), std::string("Ms. Noether"));
    }

    void saveRunsTheMainWindowsSaveAs() {
        Editor e;
        e.state.Changed = true;
        e.Click("Ecmd_6");
        e.Key(Qt::Key_Escape);
        QCOMPARE(e.SaveColor(), QColor(255, 0, 0));
        int saves = 0;
        e.w()->SetSaveAsHandler([&] {
            ++saves;
            e.state.Changed = false;
            e.state.SavedImage = SerializeMarkroll(e.state.doc);
        });
        e.Click("Ecmd_8");
        QCOMPARE(saves, 1);
        QCOMPARE(e.SaveColor(), QColor(128, 255, 128));

        // Scores typed and not saved keep the button red, whatever Changed says.
        e.Edit(2);
        QTest::keyClicks(e.w(), QStringLiteral("7"));
        e.Key(Qt::Key_Escape);
        QVERIFY(!e.state.Changed);
        QCOMPARE(e.SaveColor(), QColor(255, 0, 0));
        e.state.SavedImage = SerializeMarkroll(e.state.doc);
        e.Click("Ecmd_1");
        QCOMPARE(e.SaveColor(), QColor(128, 255, 128));
        e.Click("Ecmd_0");
        QVERIFY(!e.w()->isVisible());
    }

    void groupsAndPagesFromTheButtons() {
        Editor e(MakeDocument(100, {{"Long", 100, 64, 3}}));
        e.ToCat(2);
        const int groups = e.page().NumGroups;
        const int pages = e.page().NumPages;
        QVERIFY(groups >= 2 && pages >= 2);
        for (int i = 0; i < groups; ++i)
            e.Click("Ecmd_3");
        QCOMPARE(int(e.state.EdGroup), 1);
        e.Click("Ecmd_3");
        QCOMPARE(e.page().FirstStu, e.page().StuPerGroup + 1);
        // A later group starts editing on its first student, not on the possible points.
        e.Click("Ecmd_6");
        QCOMPARE(e.cur().EdRow, e.page().FirstStu);
        e.Key(Qt::Key_Escape);
        for (int i = 0; i < pages; ++i)
            e.Click("Ecmd_2");
        QCOMPARE(int(e.state.EdPage), 1);
        e.Click("Ecmd_1");
        QCOMPARE(int(e.state.EdCat), 0);
        QCOMPARE(int(e.state.EdPage), 1);
    }

    // A window kept narrower than the screen gets fewer fields a page, so the right-hand number column shows.
    void pageFitsAWindowNarrowerThanTheScreen() {
        Editor e(MakeDocument(10, {{"Long", 100, 64, 3}}));
        e.w()->resize(e.w()->width() / 2, e.w()->height());
        e.ToCat(2);
        QVERIFY(e.page().Fits);
        QVERIFY(e.page().NumPages >= 2);
        QVERIFY(TwipsToPxX(e.page().LeftX + e.page().ZoneWid[0]) <= e.w()->width());
    }

    void screenshotTour() {
        const QString dir = qEnvironmentVariable("MARKROLL_SCREENSHOTS");
        if (dir.isEmpty())
            QSKIP("MARKROLL_SCREENSHOTS names no folder");
        QDir().mkpath(dir);
        Document doc = MakeDocument(24, {{"Tests", 40, 8, 3}, {"Homework", 35, 12, 3}, {"Labs", 25, 5, 2}});
        doc.InfoLine[1] = "Chemistry 101";
        doc.InfoLine[2] = "Section B";
        doc.InfoLine[3] = "Fall Term";
        doc.InfoLine[4] = "Dr. Marie Sklodowska";
        const char* names[] = {"Avery, Jordan", "Bell, Morgan",  "Chen, Li",      "Diaz, Sofia",
                               "Evans, Noah",   "Fischer, Emma", "Garcia, Lucas", "Hughes, Mia"};
        for (int r = 1; r <= doc.NumStudents; ++r) {
            const std::string name = names[(r - 1) % 8] + (r > 8 ? " " + std::to_string(r) : "");
            doc.CatData(r, 1) = Left("100-20-" + std::to_string(3000 + r * 7) + Space(IdLen), IdLen) + " " +
                                Left(name + Space(NameLen), NameLen);
            for (int f = 1; f < 12; ++f) {
                if (f < 8)
                    SetField(doc, r, 2, f, std::to_string(4 + (r * 3 + f * 5) % 7));
                SetField(doc, r, 3, f, std::to_string(5 + (r + f) % 6));
            }
        }
        for (int f = 1; f < 12; ++f) {
            if (f < 8)
                SetField(doc, doc.PossibleRow(), 2, f, "10");
            SetField(doc, doc.PossibleRow(), 3, f, "10");
        }
        RecalcAll(doc);
        Editor e(doc);
        QVERIFY(e.w()->grab().save(dir + "/editor-summary.png"));
        e.ToCat(2);
        QVERIFY(e.w()->grab().save(dir + "/editor-category.png"));
        e.Click("Ecmd_6");
        e.Keys(Qt::Key_Down, 2);
        e.Type("  9");
        QVERIFY(e.w()->grab().save(dir + "/editor-editing.png"));
        e.Key(Qt::Key_Escape);
        bool saved = false;
        e.Disp([&](QWidget* modal) {
            Press(modal, "Cbar_5");
            saved = modal->grab().save(dir + "/editdisp.png");
        });
        QVERIFY(saved);
        const std::pair<QString, Qt::KeyboardModifiers> popups[] = {{"popupinfo", Qt::NoModifier},
                                                                    {"popupchg", Qt::ShiftModifier}};
        for (const auto& [shot, mods] : popups) {
            saved = false;
            OnModal([&](QWidget* modal) { saved = modal->grab().save(dir + "/" + shot + ".png"); });
            e.ClickAt(e.FieldPoint(2, 3), mods);
            QVERIFY(saved);
        }
        // A larger font, then one too large for the screen.
        for (int size : {12, 18}) {
            e.ChooseFont(size, size == 12);
            if (e.page().Fits)
                e.Click("Ecmd_6");
            QVERIFY(e.w()->grab().save(dir + QStringLiteral("/editor-font-%1.png").arg(size)));
            if (e.w()->Editing())
                e.Key(Qt::Key_Escape);
        }
    }
};

QTEST_MAIN(EditDataTest)
#include "EditDataTest.moc"
