// The data editor driven offscreen like a teacher would: buttons, keys and clicks on the real window, modal
// answers scripted, results read from the document and from what the window shows.

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "calc/Recalc.h"
#include "document/TextNumber.h"
#include "editor/EditData.h"
#include "editor/EditDisp.h"
#include "editor/EditorTestSupport.h"
#include "editor/PopUpChg.h"
#include "editor/PopUpInfo.h"
#include "platform/InputBox.h"
#include "platform/MessageBox.h"
#include "platform/Pickers.h"
#include "platform/Platform.h"
#include "support/TestDocuments.h"

using namespace markroll;
using markroll::test::Field;
using markroll::test::MakeDocument;
using markroll::test::OnModal;
using markroll::test::Pixel;
using markroll::test::SendText;
using markroll::test::SetField;

namespace {

// Five students, "Tests" with fields 1..3 and "Homework" with fields 1..2.
Document Fixture() {
    return MakeDocument(5, {{"Tests", 40, 4, 3}, {"Homework", 60, 3, 3}});
}

// The editor on the fixture unless a test brings its own document.
struct Editor : test::Editor {
    explicit Editor(Document doc = Fixture()) : test::Editor(std::move(doc)) {}
};

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

    // A watcher still waiting means a window that should have opened did not; it must not catch the next
    // test's window either.
    void cleanup() { QVERIFY2(!test::DropPendingModals(), "an expected modal window never opened"); }

    void opensOnSummaryWithDefaultsAndButtons() {
        Document doc = Fixture();
        AppState state;
        state.doc = doc;
        state.FileName = "class.mrk";
        state.Changed = true;
        state.EdCat = 3;
        state.Display.IdDispLen = 2;
        state.Display.BgColor[4] = 0x123456;
        state.Display.ScrFontSize = 14;
        EditData w(state);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(int(state.EdCat), 0);
        QCOMPARE(int(state.EdGroup), 1);
        QCOMPARE(int(state.EdPage), 1);
        QVERIFY(state.Display == DefaultDisplaySettings());
        QCOMPARE(w.windowTitle(), QStringLiteral("Markroll Update: Class Name\?\?\? (Class Section\?\?\?)"));
        QVERIFY(!w.Editing());
        QVERIFY(!w.findChild<QWidget*>("SBar")->isVisible());
        QVERIFY(!w.findChild<QLabel*>("labH")->isVisible());
        QVERIFY(!w.findChild<QLabel*>("labVar")->isVisible());

        const char* captions[] = {"E&xit", "&Cat", "&Page", "&Group", "&Disp", "&Modify", "&Edit", "&Info", "&Save"};
        const char* tips[] = {"Exit Update Mode",       "Next Catagory",         "Next Page",
                              "Next Group of Students", "Change Display Colors", "Modify Catagory",
                              "Edit Catagory Data",     "Edit Markroll Info",    "Save AS Current File"};
        int lastX = -1;
        for (int i = 0; i < 9; ++i) {
            auto* b = w.findChild<QPushButton*>(QStringLiteral("Ecmd_%1").arg(i));
            QVERIFY(b && b->isVisible());
            QCOMPARE(b->text(), QString::fromLatin1(captions[i]));
            QCOMPARE(b->toolTip(), QString::fromLatin1(tips[i]));
            QVERIFY(b->x() > lastX);
            QVERIFY(b->geometry().bottom() < TwipsToPxY(400));
            lastX = b->x();
        }
        // One group of five students and one page of SUMMARY fields.
        QVERIFY(!w.findChild<QPushButton*>("Ecmd_2")->isEnabled());
        QVERIFY(!w.findChild<QPushButton*>("Ecmd_3")->isEnabled());
        QCOMPARE(Pixel(w.findChild<QPushButton*>("Ecmd_8"), 3, 10), QColor(255, 0, 0));
        QCOMPARE(Pixel(w.findChild<QPushButton*>("Ecmd_4"), 3, 10), QColor(192, 255, 192));
    }

    void catCyclesThroughUserCategoriesAndSummaryOnly() {
        Editor e;
        e.state.Changed = true;
        QList<int> seen;
        for (int i = 0; i < 5; ++i) {
            e.w()->findChild<QLabel*>("labVar")->setText("Changed");
            e.Click("Ecmd_1");
            seen << e.state.EdCat;
            QVERIFY(!e.state.Changed);
            QVERIFY(e.w()->findChild<QLabel*>("labVar")->text().isEmpty());
        }
        QCOMPARE(seen, (QList<int>{2, 3, 0, 2, 3}));
        QCOMPARE(Pixel(e.w()->findChild<QPushButton*>("Ecmd_8"), 3, 10), QColor(128, 255, 128));
    }

    void typingFillsACellThenAdvances_data() {
        QTest::addColumn<bool>("vertical");
        QTest::newRow("Hort: next field") << false;
        QTest::newRow("Vert: next row") << true;
    }
    void typingFillsACellThenAdvances() {
        QFETCH(bool, vertical);
        Editor e;
        e.ToCat(2);
        e.Click("Ecmd_6");
        QVERIFY(e.w()->Editing());
        QVERIFY(!e.w()->findChild<QPushButton*>("Ecmd_6")->isVisible());
        if (vertical)
            e.Panel(8);
        // The first group starts on the possible points, field 1, column 1.
        QCOMPARE(e.cur().EdRow, e.Possible());
        QCOMPARE(e.cur().EdField, 1);
        QCOMPARE(e.cur().EdCol, 1);
        e.Type("2");
        QCOMPARE(Field(e.state.doc, e.Possible(), 2, 1), std::string(" 2.."));
        QCOMPARE(e.cur().EdCol, 2);
        QCOMPARE(e.PanelText(7), QStringLiteral("Pos 2"));
        e.Type("5");
        QCOMPARE(e.cur().EdCol, 3);
        QCOMPARE(e.cur().EdField, 1);
        e.Type("0");
        QCOMPARE(Field(e.state.doc, e.Possible(), 2, 1), std::string(" 250"));
        QCOMPARE(e.cur().EdCol, 1);
        if (vertical) {
            QCOMPARE(e.cur().EdField, 1);
            QCOMPARE(e.cur().EdRow, 1);
            QCOMPARE(e.PanelText(4), QStringLiteral("Student 1"));
        } else {
            QCOMPARE(e.cur().EdField, 2);
            QCOMPARE(e.cur().EdRow, e.Possible());
            QCOMPARE(e.PanelText(6), QStringLiteral("Field 2"));
            QCOMPARE(e.w()->findChild<QLabel*>("labH")->text(), QStringLiteral("Field 2 "));
        }
        QCOMPARE(e.cur().EdPos, e.cur().EdField * 4 + 2);
        // Typing recomputes nothing and marks nothing.
        QVERIFY(!e.state.Changed);
        QCOMPARE(Field(e.state.doc, 0, 2, 1), std::string(" ..."));
    }

    void arrowsInTheDataZone() {
        Editor e;
        e.ToCat(2);
        e.Click("Ecmd_6");
        // Right across three fields of three edited columns wraps to field 1 of the same page and row.
        for (int i = 0; i < 8; ++i)
            e.Key(Qt::Key_Right);
        QCOMPARE(e.cur().EdField, 3);
        QCOMPARE(e.cur().EdCol, 3);
        e.Key(Qt::Key_Right);
        QCOMPARE(e.cur().EdField, 1);
        QCOMPARE(e.cur().EdCol, 1);
        QCOMPARE(e.cur().EdRow, e.Possible());
        // Left out of a cell lands on the first edited column of the previous cell (the last before the first).
        e.Key(Qt::Key_Left);
        QCOMPARE(e.cur().EdField, 3);
        QCOMPARE(e.cur().EdCol, 1);
        e.Key(Qt::Key_Right);
        e.Key(Qt::Key_Right);
        e.Key(Qt::Key_Left);
        e.Key(Qt::Key_Left);
        e.Key(Qt::Key_Left);
        QCOMPARE(e.cur().EdField, 2);
        QCOMPARE(e.cur().EdCol, 1);
        QCOMPARE(e.cur().EdPos, 2 * 4 + 2);
        QCOMPARE(e.PanelText(6), QStringLiteral("Field 2"));
        // Ctrl and Alt arrows do nothing.
        e.Key(Qt::Key_Right, Qt::ControlModifier);
        e.Key(Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(e.cur().EdCol, 1);
        QCOMPARE(e.cur().EdRow, e.Possible());
        // The cursor's x follows the cell drawn on the page.
        QCOMPARE(e.cur().CurX, e.page().FieldX(2) + e.page().CharW);
    }

    void downAndUpAtTheEdgesOfTheGroup() {
        Editor e;
        e.ToCat(2);
        e.Click("Ecmd_6");
        QList<int> rows;
        for (int i = 0; i < 7; ++i) {
            e.Key(Qt::Key_Down);
            rows << e.cur().EdRow;
        }
        const int p = e.Possible();
        QCOMPARE(rows, (QList<int>{1, 2, 3, 4, 5, p, 1}));
        QCOMPARE(e.PanelText(4), QStringLiteral("Student 1"));
        e.Key(Qt::Key_Up);
        QCOMPARE(e.cur().EdRow, p);
        QCOMPARE(e.PanelText(4), QStringLiteral("Possible Pts"));
        QCOMPARE(e.cur().CurY, e.page().PossY);
        e.Key(Qt::Key_Up);
        QCOMPARE(e.cur().EdRow, 5);
        QCOMPARE(e.cur().CurY, e.page().PossY + 5 * e.page().RowH);
        e.Key(Qt::Key_Escape);

        // In SUMMARY the ID# zone goes from the last student back to the first; the adjustment zone, like the
        // data zone on page 1, to the possible points.
        e.ToCat(0);
        e.Click("Ecmd_6");
        QCOMPARE(e.cur().EdZone, int(EditCursor::ZoneId));
        QCOMPARE(e.cur().EdRow, 1);
        for (int i = 0; i < 5; ++i)
            e.Key(Qt::Key_Down);
        QCOMPARE(e.cur().EdRow, 1);
        e.Key(Qt::Key_Up);
        QCOMPARE(e.cur().EdRow, p);
        e.Key(Qt::Key_Tab);
        e.Key(Qt::Key_Tab);
        QCOMPARE(e.cur().EdZone, int(EditCursor::ZoneAdjust));
        e.Key(Qt::Key_Up);
        QCOMPARE(e.cur().EdRow, 5);
        e.Key(Qt::Key_Down);
        QCOMPARE(e.cur().EdRow, p);
    }

    void downFromTheLastStudentOnALaterPage() {
        Editor e(MakeDocument(3, {{"Long", 100, 64, 3}}));
        e.ToCat(2);
        QVERIFY(e.page().NumPages >= 2);
        e.Click("Ecmd_2");
        QCOMPARE(int(e.state.EdPage), 2);
        e.Click("Ecmd_6");
        QCOMPARE(e.cur().EdField, e.page().FirstFld);
        QCOMPARE(e.cur().EdRow, e.Possible());
        e.Key(Qt::Key_Down);
        e.Key(Qt::Key_Down);
        e.Key(Qt::Key_Down);
        QCOMPARE(e.cur().EdRow, 3);
        e.Key(Qt::Key_Down);
        QCOMPARE(e.cur().EdRow, 1);
        e.Key(Qt::Key_Up);
        QCOMPARE(e.cur().EdRow, e.Possible());
        QCOMPARE(e.PanelText(5), QStringLiteral("Page 2"));
    }

    void tabMovesZonesInSummaryAndFieldsElsewhere() {
        Editor e;
        e.Click("Ecmd_6");
        QStringList zones;
        QList<int> positions;
        for (int i = 0; i < 5; ++i) {
            zones << e.PanelText(6);
            positions << e.cur().EdPos;
            e.Key(Qt::Key_Tab);
        }
        // ID# from 1, name from IdLen + 2, adjustment field NumCats, grade field 0, then the ID# again.
        QCOMPARE(zones, (QStringList{"ID#", "Name", "Adjustment", "Grade", "ID#"}));
        QCOMPARE(positions, (QList<int>{1, 13, 4 * 4 + 2, 2, 1}));
        QCOMPARE(e.PanelText(9), QStringLiteral("EL=  30"));
        e.Key(Qt::Key_Tab);
        QCOMPARE(e.PanelText(9), QStringLiteral("EL=  3"));
        e.Key(Qt::Key_Tab);
        e.Key(Qt::Key_Tab);
        QCOMPARE(e.PanelText(9), QStringLiteral("EL=  11"));
        e.Key(Qt::Key_Escape);

        e.ToCat(3);
        e.Click("Ecmd_6");
        QList<int> fields;
        for (int i = 0; i < 3; ++i) {
            e.Key(Qt::Key_Right);
            e.Key(Qt::Key_Tab);
            fields << e.cur().EdField;
            QCOMPARE(e.cur().EdCol, 1);
        }
        QCOMPARE(fields, (QList<int>{2, 1, 2}));
        QCOMPARE(e.w()->findChild<QLabel*>("labHtxt")->text().trimmed(), QStringLiteral("Info for Field 2"));
    }

    void typingInSummaryZones() {
        Editor e;
        e.Click("Ecmd_6");
        e.Type("123-45-6789");
        QCOMPARE(e.state.doc.CatData(1, 1).substr(0, 11), std::string("123-45-6789"));
        QCOMPARE(e.cur().EdPos, 1);
        e.Key(Qt::Key_Tab);
        e.Type("Lovelace");
        QCOMPARE(e.state.doc.CatData(1, 1).substr(12, 8), std::string("Lovelace"));
        e.Key(Qt::Key_Tab);
        e.Type(" -2");
        QCOMPARE(Field(e.state.doc, 1, 0, e.state.doc.NumCats), std::string("  -2"));
        e.Key(Qt::Key_Tab);
        e.Type("B+");
        QCOMPARE(Field(e.state.doc, 1, 0, 0), std::string(" B+ "));
        // Left out of the grade cell stays in it, on its last column.
        e.Key(Qt::Key_Left);
        e.Key(Qt::Key_Left);
        e.Key(Qt::Key_Left);
        QCOMPARE(e.cur().EdCol, 3);
        QCOMPARE(e.cur().EdPos, 4);
    }

    // The cursor cell is drawn inverted in the colours of its zone's element; the cell it leaves shows the page
    // again (on the possible points, the bar under the ID# and name, not the colours of the cursor).
    void cursorCellIsDrawnInverted_data() {
        QTest::addColumn<int>("cat");
        QTest::addColumn<int>("tabs");
        QTest::addColumn<int>("downs"); // negative: up
        QTest::addColumn<int>("element");
        // The element of the page under the cell, which shows again when the cursor has left it.
        QTest::addColumn<int>("page");
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
        e.ToCat(cat);
        e.Click("Ecmd_6");
        for (int i = 0; i < tabs; ++i)
            e.Key(Qt::Key_Tab);
        for (int i = 0; i < std::abs(downs); ++i)
            e.Key(downs > 0 ? Qt::Key_Down : Qt::Key_Up);
        QCOMPARE(e.cur().CursorElement(), element);
        const DisplaySettings& d = e.state.Display;
        const auto e_ = static_cast<std::size_t>(element);
        // A corner of the cell, where no glyph is drawn.
        const auto corner = [&e](float x, float y) {
            const QRectF cell = e.w()->Renderer().ToPx(x, y, e.page().CharW, e.page().CharH);
            return e.w()->grab().toImage().pixelColor(QPoint(int(std::ceil(cell.left())), int(std::ceil(cell.top()))));
        };
        const float x = e.cur().CurX;
        const float y = e.cur().CurY;
        QCOMPARE(corner(x, y), QColor::fromRgb(QRgb(d.FgColor[e_])));
        e.Key(Qt::Key_Right);
        QVERIFY(e.cur().CurX != x);
        QTRY_COMPARE(corner(x, y), QColor::fromRgb(QRgb(d.BgColor[static_cast<std::size_t>(page)])));
    }

    void backspaceAndEnterDoNothing() {
        Editor e;
        e.ToCat(2);
        e.Click("Ecmd_6");
        e.Type("4");
        const Document before = e.state.doc;
        const int pos = e.cur().EdPos;
        e.Key(Qt::Key_Backspace);
        e.Key(Qt::Key_Return);
        e.Key(Qt::Key_Enter);
        QVERIFY(e.state.doc == before);
        QCOMPARE(e.cur().EdPos, pos);
        QCOMPARE(e.cur().EdCol, 2);
    }

    void escapeRecalculatesTheCategoryAndTheSummary() {
        Editor e;
        e.ToCat(2);
        e.Click("Ecmd_6");
        e.Type(" 10 20");    // possible points of fields 1 and 2 (field 3 stays empty)
        e.Key(Qt::Key_Down); // student 1, field 3
        e.Key(Qt::Key_Tab);  // field 1
        e.Type("  7 15");
        QCOMPARE(Field(e.state.doc, 1, 2, 0), std::string(" ..."));
        e.Key(Qt::Key_Escape);
        QVERIFY(!e.w()->Editing());
        QVERIFY(!e.w()->findChild<QWidget*>("SBar")->isVisible());
        QVERIFY(e.w()->findChild<QPushButton*>("Ecmd_6")->isVisible());
        // 22 of 30 points: 73 percent; the class of five averages 15.
        QCOMPARE(Field(e.state.doc, 1, 2, 0), std::string("  73"));
        QCOMPARE(Field(e.state.doc, 0, 2, 0), std::string("  15"));
        QCOMPARE(Field(e.state.doc, 1, 0, 1), std::string("  73"));
        QCOMPARE(Field(e.state.doc, 1, 0, 3), std::string("  29")); // tot: 40% of 73

        // In SUMMARY leaving edit mode copies the category totals as they stand, without recomputing them.
        SetField(e.state.doc, 2, 2, 0, "50");
        e.ToCat(0);
        e.Click("Ecmd_6");
        e.Key(Qt::Key_Escape);
        QCOMPARE(Field(e.state.doc, 2, 0, 1), std::string("  50"));
        QCOMPARE(Field(e.state.doc, 2, 2, 0), std::string("  50"));
    }

    // Closing the window in edit mode ends edit mode: the totals of what was typed are not left stale.
    void closingWhileEditingRecalculates() {
        Editor e;
        e.ToCat(2);
        e.Click("Ecmd_6");
        e.Type(" 10");
        e.Key(Qt::Key_Down);
        e.Key(Qt::Key_Tab);
        e.Type("  7");
        QCOMPARE(Field(e.state.doc, 1, 2, 0), std::string(" ..."));
        QVERIFY(e.w()->close());
        QVERIFY(!e.w()->Editing());
        QCOMPARE(Field(e.state.doc, 1, 2, 0), std::string("  70"));
        QCOMPARE(Field(e.state.doc, 1, 0, 1), std::string("  70"));
    }

    void statusBarPanels() {
        Editor e;
        e.ToCat(2);
        e.Click("Ecmd_6");
        QCOMPARE(e.Panels(), (QStringList{"ESC", "Category 2", "Group 1", "Possible Pts", "Page 1", "Field 1", "Pos 1",
                                          "Hort", "EL=  3"}));
        // All nine fit on the screen, the switches at the right end too, each wide enough for its text.
        auto* bar = e.w()->findChild<QWidget*>("SBar");
        for (int i = 1; i <= 9; ++i) {
            auto* panel = bar->findChild<QLabel*>(QStringLiteral("SBar_%1").arg(i));
            QVERIFY2(panel->geometry().right() < bar->width(), qPrintable(panel->objectName()));
            QVERIFY2(panel->fontMetrics().horizontalAdvance(panel->text()) + 8 < panel->width(),
                     qPrintable(panel->objectName()));
        }
        e.Panel(8);
        QCOMPARE(e.PanelText(8), QStringLiteral("Vert"));
        e.Panel(8);
        QCOMPARE(e.PanelText(8), QStringLiteral("Hort"));
        // Each click widens the edited part of the cell by one column, from 4 round to 1.
        QStringList lengths;
        QList<int> columns;
        for (int i = 0; i < 4; ++i) {
            e.Panel(9);
            lengths << e.PanelText(9);
            columns << e.cur().EdCol;
            QCOMPARE(e.PanelText(7), QStringLiteral("Pos %1").arg(e.cur().EdCol));
            QCOMPARE(e.cur().EdPos, 4 + e.cur().EdCol + 1);
        }
        QCOMPARE(lengths, (QStringList{"EL= 4", "EL= 1", "EL= 2", "EL= 3"}));
        QCOMPARE(columns, (QList<int>{0, 3, 2, 1}));
        // With all four columns edited the cursor enters a cell at column 0.
        e.Panel(9);
        e.Key(Qt::Key_Tab);
        QCOMPARE(e.cur().EdCol, 0);
        e.Type("1000");
        QCOMPARE(Field(e.state.doc, e.Possible(), 2, 2), std::string("1000"));
        QCOMPARE(e.cur().EdField, 3);
        QCOMPARE(e.cur().EdCol, 0);
        e.Panel(1);
        QVERIFY(!e.w()->Editing());

        // In the ID# zone the edit length cannot be changed.
        e.ToCat(0);
        e.Click("Ecmd_6");
        const int pos = e.cur().EdPos;
        e.Panel(9);
        QCOMPARE(e.PanelText(9), QStringLiteral("EL=  11"));
        QCOMPARE(e.cur().EdPos, pos);
    }

    void clicksWhileEditing() {
        Editor e;
        e.ToCat(2);
        e.Click("Ecmd_6");
        QTest::mouseClick(e.w(), Qt::LeftButton, Qt::NoModifier, e.FieldPoint(3, 4));
        QCOMPARE(e.cur().EdRow, 4);
        QCOMPARE(e.cur().EdField, 3);
        QCOMPARE(e.cur().EdCol, 1);
        QCOMPARE(e.PanelText(4), QStringLiteral("Student 4"));
        QCOMPARE(e.PanelText(6), QStringLiteral("Field 3"));
        QCOMPARE(e.PanelText(7), QStringLiteral("PPos 1"));
        // The possible-points row and anything above select the first student; far right the last field.
        QTest::mouseClick(e.w(), Qt::LeftButton, Qt::NoModifier, e.At(e.page().DataEndX + 2000, e.page().PossY));
        QCOMPARE(e.cur().EdRow, 1);
        QCOMPARE(e.cur().EdField, 3);
        e.Type("9");
        QCOMPARE(Field(e.state.doc, 1, 2, 3), std::string(" 9.."));
        e.Key(Qt::Key_Escape);

        // In SUMMARY a click left of the zone goes one zone back, right of it one zone on, wrapping.
        e.ToCat(0);
        e.Click("Ecmd_6");
        const double y = e.page().RowY(3, e.state.doc.NumStudents);
        QTest::mouseClick(e.w(), Qt::LeftButton, Qt::NoModifier, e.At(e.page().ZoneX(5), y));
        QCOMPARE(e.cur().EdZone, int(EditCursor::ZoneName));
        QCOMPARE(e.cur().EdRow, 3);
        QTest::mouseClick(e.w(), Qt::LeftButton, Qt::NoModifier, e.At(0, y));
        QCOMPARE(e.cur().EdZone, int(EditCursor::ZoneId));
        QTest::mouseClick(e.w(), Qt::LeftButton, Qt::NoModifier, e.At(0, y));
        QCOMPARE(e.cur().EdZone, int(EditCursor::ZoneGrade));
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
            QTest::mouseClick(popup->findChild<QPushButton*>("cmdPopEdit"), Qt::LeftButton);
            shown = popup->ShownText();
            QVERIFY(popup->isVisible());
            QTest::mouseClick(popup, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
            QVERIFY(!popup->isVisible());
        });
        QTest::mouseClick(e.w(), Qt::LeftButton, Qt::NoModifier, e.FieldPoint(2, 3));
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
        QTest::mouseClick(e.w(), Qt::LeftButton, Qt::NoModifier, e.At(e.page().DataEndX + 3000, e.page().PossY));
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
        QString labC;
        QString labF;
        MessageBox::SetNextAnswer(confirm ? MsgAnswer::Ok : MsgAnswer::Cancel);
        OnModal([&](QWidget* modal) {
            QCOMPARE(modal->objectName(), QStringLiteral("PopUpChg"));
            QCOMPARE(modal->windowTitle(), QStringLiteral("Set Field Values"));
            labC = modal->findChild<QLabel*>("labC")->text();
            labF = modal->findChild<QLabel*>("labF")->text();
            QTest::keyClicks(modal->findChild<QLineEdit*>("txtVal"), QStringLiteral("x"));
            QTest::mouseClick(modal->findChild<QPushButton*>("cmdSet"), Qt::LeftButton);
            // The window stays open after setting.
            QVERIFY(modal->isVisible());
            modal->close();
        });
        QTest::mouseClick(e.w(), Qt::LeftButton, Qt::ShiftModifier, e.FieldPoint(2, 1));
        QCOMPARE(labC, QStringLiteral("Catagory=  %1").arg(cat));
        QCOMPARE(labF, QStringLiteral("Field=  2"));
        QCOMPARE(MessageBox::Asked().size(), std::size_t(1));
        QCOMPARE(MessageBox::Asked()[0].title, QStringLiteral("Set Field Values"));
        QCOMPARE(MessageBox::Asked()[0].text, QStringLiteral("Set Field Values to 'x   '"));
        if (!confirm) {
            QVERIFY(e.state.doc == before);
            return;
        }
        const Document& doc = e.state.doc;
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
        QTest::mouseClick(e.w(), Qt::LeftButton, Qt::ControlModifier, e.FieldPoint(1, 1));
        QTest::mouseClick(e.w(), Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier, e.FieldPoint(1, 1));
        QTest::mouseClick(e.w(), Qt::LeftButton, Qt::AltModifier, e.FieldPoint(1, 1));
        QVERIFY(!opened);
        test::DropPendingModals();
    }

    void headerLabelsEditDescriptions() {
        Editor e;
        e.ToCat(2);
        e.Click("Ecmd_6");
        e.Key(Qt::Key_Tab);
        auto* labH = e.w()->findChild<QLabel*>("labH");
        auto* labHtxt = e.w()->findChild<QLabel*>("labHtxt");
        QVERIFY(labH->isVisible() && labHtxt->isVisible());
        QCOMPARE(labH->pos(), QPoint(TwipsToPxX(100), TwipsToPxY(100)));
        QCOMPARE(labHtxt->x(), labH->x() + labH->width());
        QCOMPARE(labH->text(), QStringLiteral("Field 2 "));
        InputBox::SetNextAnswer(QString(70, QLatin1Char('d')));
        QTest::mouseClick(labHtxt, Qt::LeftButton);
        QCOMPARE(test::InfoSlot(e.state.doc, 2, 2), std::string(64, 'd'));
        QCOMPARE(labHtxt->text(), QStringLiteral(" ") + QString(64, QLatin1Char('d')));
        // An empty answer keeps the description.
        InputBox::SetNextAnswer(QString());
        QTest::mouseClick(labHtxt, Qt::LeftButton);
        QCOMPARE(test::InfoSlot(e.state.doc, 2, 2), std::string(64, 'd'));

        InputBox::SetNextAnswer(QStringLiteral("Unit tests"));
        QTest::mouseClick(labH, Qt::LeftButton);
        QCOMPARE(InputBox::Asked().back().title, QStringLiteral("Info for Field 0 (Catagory 2)"));
        QCOMPARE(test::InfoSlot(e.state.doc, 2, 0).substr(0, 10), std::string("Unit tests"));
        QCOMPARE(labH->text(), QStringLiteral("Field 0 "));
        // The text label still edits the field the cursor is on.
        InputBox::SetNextAnswer(QStringLiteral("Second quiz"));
        QTest::mouseClick(labHtxt, Qt::LeftButton);
        QCOMPARE(test::InfoSlot(e.state.doc, 2, 2).substr(0, 11), std::string("Second quiz"));
        QCOMPARE(labH->text(), QStringLiteral("Field 2 "));
    }

    void refusedCharactersLeaveTheDocumentAlone() {
        Editor e;
        e.ToCat(2);
        e.Click("Ecmd_6");
        const Document before = e.state.doc;
        const int pos = e.cur().EdPos;
        SendText(e.w(), QStringLiteral("\u03A9")); // no Windows-1252 code
        e.Key(Qt::Key_J, Qt::ControlModifier);     // a line feed would split the row's line in the file
        SendText(e.w(), QStringLiteral("\n"));
        QVERIFY(e.state.doc == before);
        QCOMPARE(e.cur().EdPos, pos);
        // Windows-1252 characters beyond ASCII are stored as their byte.
        SendText(e.w(), QStringLiteral("\u00E9"));
        SendText(e.w(), QStringLiteral("\u20AC"));
        QCOMPARE(Field(e.state.doc, e.Possible(), 2, 1), std::string(" \xE9\x80."));
    }

    void typingPastTheEndOfAShortRowPadsIt() {
        Document doc = Fixture();
        doc.CatData(doc.PossibleRow(), 2) = " 100";
        Editor e(doc);
        e.ToCat(2);
        e.Click("Ecmd_6");
        e.Key(Qt::Key_Tab);
        e.Type("7");
        QCOMPARE(e.state.doc.CatData(e.Possible(), 2), std::string(" 100     7"));

        // A category left without cells by a hand-edited file has nowhere to type into.
        Document empty = Fixture();
        empty.CatFields[2] = 0;
        for (std::string& row : empty.Grid[2])
            row.clear();
        Editor f(empty);
        f.ToCat(2);
        f.Click("Ecmd_6");
        f.Type("123");
        QVERIFY(f.state.doc == empty);
    }

    void pressingAKeyRepaintsOnlyTheCells() {
        Editor e;
        e.ToCat(2);
        e.Click("Ecmd_6");
        QTest::qWait(50);
        PaintSpy spy;
        e.w()->installEventFilter(&spy);
        e.Type("5");
        QTRY_VERIFY(!spy.painted.isEmpty());
        const QRect cell = e.w()->Renderer().CellRect(e.page(), e.cur().CurX, e.cur().CurY);
        QVERIFY2(spy.painted.boundingRect().width() <= 3 * cell.width() &&
                     spy.painted.boundingRect().height() <= cell.height(),
                 "a key press repainted more than its cells");
        e.w()->removeEventFilter(&spy);
    }

    void displayDialogBordersChangeTogether() {
        Editor e;
        std::array<Rgb, NumDisplayElements> bg{};
        std::array<Rgb, NumDisplayElements> fg{};
        ColorPicker::SetNextAnswer(QColor(10, 20, 30));
        ColorPicker::SetNextAnswer(QColor(200, 100, 50));
        ColorPicker::SetNextAnswer(QColor(1, 2, 3));
        OnModal([&](QWidget* modal) {
            auto* dlg = qobject_cast<EditDisp*>(modal);
            QVERIFY(dlg);
            QCOMPARE(dlg->windowTitle(), QStringLiteral("Change Display Attributes"));
            QVERIFY(dlg->findChild<QRadioButton*>("optBc")->isChecked());
            QVERIFY(dlg->findChild<QLabel*>("labBcMark")->isVisible());
            QVERIFY(!dlg->findChild<QLabel*>("labTcMark")->isVisible());
            QTest::mouseClick(dlg->findChild<QLabel*>("Cbar_1"), Qt::LeftButton);
            QCOMPARE(dlg->Sel(), 1);
            QTest::mouseClick(dlg->findChild<QPushButton*>("cmdColor"), Qt::LeftButton);
            QTest::mouseClick(dlg->findChild<QRadioButton*>("optTc"), Qt::LeftButton);
            QVERIFY(!dlg->BgMode());
            QVERIFY(dlg->findChild<QLabel*>("labTcMark")->isVisible());
            QCOMPARE(dlg->findChild<QLabel*>("labColor")->text(), QStringLiteral("Text Color"));
            QTest::mouseClick(dlg->findChild<QLabel*>("Cbar_6"), Qt::LeftButton);
            QTest::mouseClick(dlg->findChild<QPushButton*>("cmdColor"), Qt::LeftButton);
            QTest::mouseClick(dlg->findChild<QLabel*>("Cbar_4"), Qt::LeftButton);
            QTest::mouseClick(dlg->findChild<QPushButton*>("cmdColor"), Qt::LeftButton);
            bg = dlg->WorkBg();
            fg = dlg->WorkFg();
            QTest::mouseClick(dlg->findChild<QPushButton*>("cmdApply"), Qt::LeftButton);
        });
        e.Click("Ecmd_4");
        QCOMPARE(bg[1], Rgb(0x0A141E));
        QCOMPARE(bg[6], Rgb(0x0A141E));
        QCOMPARE(fg[1], Rgb(0xC86432));
        QCOMPARE(fg[6], Rgb(0xC86432));
        QCOMPARE(fg[4], Rgb(0x010203));
        QCOMPARE(fg[0], DefaultDisplaySettings().FgColor[0]);
        QCOMPARE(e.state.Display.BgColor, bg);
        QCOMPARE(e.state.Display.FgColor, fg);
        // The page is drawn in the new colours: the left border of student 1.
        const QImage shot = e.w()->grab().toImage();
        QCOMPARE(shot.pixelColor(e.At(0, e.page().RowY(1, 5))), QColor(10, 20, 30));
    }

    void defaultColorsStayAfterCancel() {
        Editor e;
        e.state.Display.BgColor[4] = 0x123456;
        e.state.Display.FgColor[1] = 0x654321;
        ColorPicker::SetNextAnswer(QColor(9, 9, 9));
        OnModal([&](QWidget* modal) {
            QTest::mouseClick(modal->findChild<QPushButton*>("cmdDefault"), Qt::LeftButton);
            QTest::mouseClick(modal->findChild<QPushButton*>("cmdColor"), Qt::LeftButton);
            QTest::mouseClick(modal->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
        });
        e.Click("Ecmd_4");
        QVERIFY(e.state.Display == DefaultDisplaySettings());

        // Reset goes back to the settings, dropping working changes.
        e.state.Display.BgColor[2] = 0x111111;
        ColorPicker::SetNextAnswer(QColor(9, 9, 9));
        std::array<Rgb, NumDisplayElements> afterReset{};
        OnModal([&](QWidget* modal) {
            auto* dlg = static_cast<EditDisp*>(modal);
            QTest::mouseClick(dlg->findChild<QPushButton*>("cmdColor"), Qt::LeftButton);
            QCOMPARE(dlg->WorkBg()[0], Rgb(0x090909));
            QTest::mouseClick(dlg->findChild<QPushButton*>("cmdReset"), Qt::LeftButton);
            afterReset = dlg->WorkBg();
            QTest::mouseClick(dlg->findChild<QPushButton*>("cmdApply"), Qt::LeftButton);
        });
        e.Click("Ecmd_4");
        QCOMPARE(afterReset, e.state.Display.BgColor);
        QCOMPARE(e.state.Display.BgColor[2], Rgb(0x111111));
    }

    void lengthBoxesAndSpinners() {
        Editor e;
        QStringList shown;
        OnModal([&](QWidget* modal) {
            auto* txtLid = modal->findChild<QLineEdit*>("txtLid");
            auto* udLid = modal->findChild<QSpinBox*>("UdLid");
            auto* txtLnf = modal->findChild<QLineEdit*>("txtLnf");
            auto* udLnf = modal->findChild<QSpinBox*>("UdLnf");
            shown << txtLid->text() << txtLnf->text();
            txtLid->selectAll();
            QTest::keyClicks(txtLid, QStringLiteral("25"));
            shown << txtLid->text() << QString::number(udLid->value());
            txtLid->setText(QStringLiteral("-3"));
            shown << txtLid->text() << QString::number(udLid->value());
            udLid->stepUp();
            udLid->stepUp();
            udLid->stepUp();
            udLid->stepUp();
            shown << txtLid->text();
            txtLnf->selectAll();
            QTest::keyClicks(txtLnf, QStringLiteral("12"));
            shown << QString::number(udLnf->value());
            QTest::mouseClick(modal->findChild<QPushButton*>("cmdApply"), Qt::LeftButton);
        });
        e.Click("Ecmd_4");
        QCOMPARE(shown, (QStringList{"11", "30", "11", "11", "0", "0", "4", "12"}));
        QCOMPARE(int(e.state.Display.IdDispLen), 4);
        QCOMPARE(int(e.state.Display.NameDispLen), 12);
        QCOMPARE(e.page().ZoneLen[2], 5);
        QCOMPARE(e.page().ZoneLen[3], 13);
    }

    void cursorFollowsNarrowedIdAndName() {
        Editor e;
        e.state.doc.CatData(2, 1) = "123-45-6789 Hopper, Grace" + std::string(17, ' ');
        OnModal([&](QWidget* modal) {
            modal->findChild<QLineEdit*>("txtLid")->setText(QStringLiteral("4"));
            modal->findChild<QLineEdit*>("txtLnf")->setText(QStringLiteral("6"));
            QTest::mouseClick(modal->findChild<QPushButton*>("cmdApply"), Qt::LeftButton);
        });
        e.Click("Ecmd_4");
        e.Click("Ecmd_6");
        e.Key(Qt::Key_Down);
        QCOMPARE(e.cur().EdRow, 2);
        // The ID# zone shows the last four characters, and the cursor walks over just those.
        QCOMPARE(e.cur().EdPos, 8);
        QCOMPARE(e.cur().CurX, e.page().ZoneX(2));
        QCOMPARE(e.PanelText(9), QStringLiteral("EL=  4"));
        e.Type("4321");
        QCOMPARE(e.state.doc.CatData(2, 1).substr(0, 11), std::string("123-45-4321"));
        QCOMPARE(e.cur().EdPos, 8);
        e.Key(Qt::Key_Left);
        QCOMPARE(e.cur().EdPos, 11);
        QCOMPARE(e.cur().CurX, e.page().ZoneX(2) + 3 * e.page().CharW);
        // A click on the name as drawn moves there; the name zone spans the six characters shown.
        const double y = e.page().RowY(2, 5);
        QTest::mouseClick(e.w(), Qt::LeftButton, Qt::NoModifier, e.At(e.page().ZoneX(3) + 2 * e.page().CharW, y));
        QCOMPARE(e.cur().EdZone, int(EditCursor::ZoneName));
        QCOMPARE(e.cur().CurX, e.page().ZoneX(3));
        QCOMPARE(e.cur().SpanX1, e.page().ZoneX(3) + 5 * e.page().CharW);
        e.Type("Murray");
        QCOMPARE(e.cur().EdPos, 13);
        QCOMPARE(e.state.doc.CatData(2, 1).substr(12, 13), std::string("Murray, Grace"));
        // With no ID# shown the tab skips its zone.
        e.Key(Qt::Key_Escape);
        OnModal([&](QWidget* modal) {
            modal->findChild<QLineEdit*>("txtLid")->setText(QStringLiteral("0"));
            QTest::mouseClick(modal->findChild<QPushButton*>("cmdApply"), Qt::LeftButton);
        });
        e.Click("Ecmd_4");
        e.Click("Ecmd_6");
        QCOMPARE(e.cur().EdZone, int(EditCursor::ZoneName));
        e.Key(Qt::Key_Tab);
        e.Key(Qt::Key_Tab);
        e.Key(Qt::Key_Tab);
        QCOMPARE(e.cur().EdZone, int(EditCursor::ZoneName));
    }

    void fontTooLargeShowsAMessageUntilASmallerOne() {
        Editor e;
        e.ToCat(2);
        FontPicker::SetNextAnswer(FontChoice{QStringLiteral("Courier"), 18, true, false});
        QString fontCaption;
        OnModal([&](QWidget* modal) {
            QTest::mouseClick(modal->findChild<QPushButton*>("cmdFonts"), Qt::LeftButton);
            fontCaption = modal->findChild<QLabel*>("labFont")->text();
            QTest::mouseClick(modal->findChild<QPushButton*>("cmdApply"), Qt::LeftButton);
        });
        e.Click("Ecmd_4");
        QCOMPARE(fontCaption, QStringLiteral("Courier - Regular Bold 18 pts"));
        QCOMPARE(FontPicker::LastMinSize(), 4);
        QCOMPARE(FontPicker::LastMaxSize(), 18);
        const int needed = static_cast<int>((ScreenSizeTwips().width() / e.page().CharW - 56) / 4);
        if (needed >= 1)
            QSKIP("this screen is wide enough for an 18 point page");
        QVERIFY(!e.page().Fits);
        QCOMPARE(QString::fromStdString(e.page().Message), QStringLiteral("Window too small for this font"));
        QVERIFY(!e.w()->findChild<QPushButton*>("Ecmd_6")->isEnabled());
        QTest::mouseClick(e.w(), Qt::LeftButton, Qt::ShiftModifier, QPoint(200, 200));
        QVERIFY(!QApplication::activeModalWidget());

        FontPicker::SetNextAnswer(FontChoice{QStringLiteral("Courier"), 8, false, false});
        OnModal([&](QWidget* modal) {
            QTest::mouseClick(modal->findChild<QPushButton*>("cmdFonts"), Qt::LeftButton);
            QTest::mouseClick(modal->findChild<QPushButton*>("cmdApply"), Qt::LeftButton);
        });
        e.Click("Ecmd_4");
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
            modal->close();
        });
        e.Click("Ecmd_7");
        QCOMPARE(opened, QStringLiteral("MrkInfo"));
        QCOMPARE(e.w()->windowTitle(), QStringLiteral("Markroll Update: Algebra (Class Section\?\?\?)"));
        QCOMPARE(e.page().Rows.back().Texts[0].Literal.substr(0, 11), std::string("Ms. Noether"));
    }

    void saveRunsTheMainWindowsSaveAs() {
        Editor e;
        e.state.Changed = true;
        e.Click("Ecmd_6");
        e.Key(Qt::Key_Escape);
        QCOMPARE(Pixel(e.w()->findChild<QPushButton*>("Ecmd_8"), 3, 10), QColor(255, 0, 0));
        int saves = 0;
        e.w()->SetSaveAsHandler([&] {
            ++saves;
            e.state.Changed = false;
        });
        e.Click("Ecmd_8");
        QCOMPARE(saves, 1);
        QCOMPARE(Pixel(e.w()->findChild<QPushButton*>("Ecmd_8"), 3, 10), QColor(128, 255, 128));
        e.Click("Ecmd_0");
        QVERIFY(!e.w()->isVisible());
    }

    void groupsAndPagesFromTheButtons() {
        std::vector<test::CatShape> cats = {{"Long", 100, 64, 3}};
        Editor e(MakeDocument(100, cats));
        e.ToCat(2);
        const int groups = e.page().NumGroups;
        const int pages = e.page().NumPages;
        QVERIFY(groups >= 2 && pages >= 2);
        QList<int> seen;
        for (int i = 0; i < groups; ++i) {
            e.Click("Ecmd_3");
            seen << e.state.EdGroup;
        }
        QCOMPARE(seen.back(), 1);
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
            const std::string id = "100-20-" + std::to_string(3000 + r * 7);
            std::string name = names[(r - 1) % 8];
            name += r > 8 ? " " + std::to_string(r) : "";
            doc.CatData(r, 1) = Left(id + Space(IdLen), IdLen) + " " + Left(name + Space(NameLen), NameLen);
            for (int f = 1; f < 8; ++f)
                SetField(doc, r, 2, f, std::to_string(4 + (r * 3 + f * 5) % 7));
            for (int f = 1; f < 12; ++f)
                SetField(doc, r, 3, f, std::to_string(5 + (r + f) % 6));
        }
        for (int f = 1; f < 8; ++f)
            SetField(doc, doc.PossibleRow(), 2, f, "10");
        for (int f = 1; f < 12; ++f)
            SetField(doc, doc.PossibleRow(), 3, f, "10");
        RecalcAll(doc);
        Editor e(doc);
        QVERIFY(e.w()->grab().save(dir + "/editor-summary.png"));
        e.ToCat(2);
        QVERIFY(e.w()->grab().save(dir + "/editor-category.png"));
        e.Click("Ecmd_6");
        e.Key(Qt::Key_Down);
        e.Key(Qt::Key_Down);
        e.Type("  9");
        QVERIFY(e.w()->grab().save(dir + "/editor-editing.png"));
        e.Key(Qt::Key_Escape);
        bool saved = false;
        OnModal([&](QWidget* modal) {
            QTest::mouseClick(modal->findChild<QLabel*>("Cbar_5"), Qt::LeftButton);
            saved = modal->grab().save(dir + "/editdisp.png");
            modal->close();
        });
        e.Click("Ecmd_4");
        QVERIFY(saved);
        OnModal([&](QWidget* modal) {
            saved = modal->grab().save(dir + "/popupinfo.png");
            modal->close();
        });
        QTest::mouseClick(e.w(), Qt::LeftButton, Qt::NoModifier, e.FieldPoint(2, 3));
        OnModal([&](QWidget* modal) {
            saved = modal->grab().save(dir + "/popupchg.png");
            modal->close();
        });
        QTest::mouseClick(e.w(), Qt::LeftButton, Qt::ShiftModifier, e.FieldPoint(2, 3));
        QVERIFY(saved);

        // A larger font, then one too large for the screen.
        for (int size : {12, 18}) {
            FontPicker::SetNextAnswer(FontChoice{QStringLiteral("Courier"), size, size == 12, false});
            OnModal([&](QWidget* modal) {
                QTest::mouseClick(modal->findChild<QPushButton*>("cmdFonts"), Qt::LeftButton);
                QTest::mouseClick(modal->findChild<QPushButton*>("cmdApply"), Qt::LeftButton);
            });
            e.Click("Ecmd_4");
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
