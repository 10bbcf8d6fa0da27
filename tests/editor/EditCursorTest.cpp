// The data editor's cursor as a model (no window): keys, typing and clicks on a page laid out on round metrics
// ("A" 100 x 194 twips), and after every step the cursor on the cell of the page that shows what it edits.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "editor/EditCursor.h"
#include "editor/PageLayout.h"
#include "support/TestDocuments.h"

using namespace markroll;
using markroll::test::Field;
using markroll::test::MakeDocument;

namespace {

const PageMetrics Round{100, 194, 9000, 300, 12000};

// Five students, "Tests" with fields 1..3 and "Homework" with fields 1..2.
Document Fixture() {
    return MakeDocument(5, {{"Tests", 40, 4, 3}, {"Homework", 60, 3, 3}});
}

struct Ed {
    AppState state;
    EditCursor cur{state};

    explicit Ed(Document doc, int idLen = FullIdDispLen, int nameLen = FullNameDispLen) {
        state.doc = std::move(doc);
        state.Display.IdDispLen = std::int16_t(idLen), state.Display.NameDispLen = std::int16_t(nameLen);
        cur.Load();
    }
    const PageLayout& page() const { return cur.Layout(); }
    /// Edit mode on category cat, group and page; false when the page has nothing to edit.
    bool Start(int cat, int group = 1, int pg = 1) {
        state.EdCat = std::int16_t(cat), state.EdGroup = std::int16_t(group), state.EdPage = std::int16_t(pg);
        cur.SetLayout(DispCat(state.doc, state.EdCat, state.EdGroup, state.EdPage, state.Display, Round));
        return cur.StartEdit();
    }
    /// Arrows < > ^ v, T Tab, E the edit length panel, V the "Vert"/"Hort" panel; anything else is typed.
    void Do(const std::string& keys) {
        for (char k : keys) {
            // clang-format off
            switch (k) {
            case '<': cur.KeyDown(EditCursor::VkLeft); break;
            case '>': cur.KeyDown(EditCursor::VkRight); break;
            case '^': cur.KeyDown(EditCursor::VkUp); break;
            case 'v': cur.KeyDown(EditCursor::VkDown); break;
            case 'T': cur.KeyPress(EditCursor::CharTab); break;
            case 'E': cur.CycleEditLen(); break;
            case 'V': cur.ToggleAdvVert(); break;
            default: cur.KeyPress(static_cast<unsigned char>(k));
            }
            // clang-format on
            ASSERT_EQ(Problem(), "") << "after '" << k << "' of \"" << keys << '"';
        }
    }
    std::string Where() const { return cur.Panel(4) + " / " + cur.Panel(6) + " / " + cur.Panel(7); }
    void ClickCell(double x, int row) { cur.Click(x + page().CharW / 2, page().RowY(row, state.doc.NumStudents) + 10); }

    /// "" when the cursor cell is a cell of the page that shows the character the cursor edits, else what is wrong.
    std::string Problem() const {
        const EditCursor& c = cur;
        const PageLayout& p = page();
        const int n = state.doc.NumStudents;
        if ((c.EdRow != n + 1 && (c.EdRow < p.FirstStu || c.EdRow > p.LastStu)) || c.EdCol < 0 ||
            (c.EdZone >= EditCursor::ZoneAdjust && c.EdCol > CellWidth - 1))
            return "the cursor is off the page's rows or outside its cell";
        bool shown = true;
        float x = 0;
        if (c.EdZone == EditCursor::ZoneId || c.EdZone == EditCursor::ZoneName) {
            // The zone's window of the NAME DATA row: ZoneShow characters from ZoneStart on.
            const std::size_t k = c.EdZone == EditCursor::ZoneId ? 2 : 3;
            shown = c.EdStrCat == 1 && c.EdPos >= p.ZoneStart[k] && c.EdPos < p.ZoneStart[k] + p.ZoneShow[k];
            x = p.ZoneX(int(k)) + float(c.EdPos - p.ZoneStart[k]) * p.CharW;
        } else {
            const bool grade = c.EdZone == EditCursor::ZoneGrade;
            const int field = c.EdZone == EditCursor::ZoneData ? c.EdField : grade ? 0 : state.doc.NumCats;
            shown = c.EdStrCat == state.EdCat && c.EdPos == field * CellWidth + c.EdCol + 1 &&
                    (grade || p.FieldShown(field));
            x = (grade ? p.ZoneX(5) : p.FieldX(field)) + float(c.EdCol) * p.CharW;
        }
        if (!shown || std::fabs(c.CurX - x) > p.CharW / 100 || std::fabs(c.CurY - p.RowY(c.EdRow, n)) > p.CharW / 100)
            return "the cursor is not drawn on a cell that shows the character it edits";
        return {};
    }
};

} // namespace

TEST(EditCursor, MovesAndWraps) {
    struct Case {
        const char* what;
        int students, fields, cat, group, page;
        const char* keys;
        const char* where;
        int idLen = 11, nameLen = 30, summaryFields = 0;
    };
    // clang-format off
    const Case cases[] = {
        {"a full cell goes on to the next field", 5, 4, 2, 1, 1, ">>>", "Possible Pts / Field 2 / Pos 1"},
        {"right wraps to the first field", 5, 4, 2, 1, 1, ">>>>>>>>>", "Possible Pts / Field 1 / Pos 1"},
        {"left wraps to the last field", 5, 4, 2, 1, 1, "<", "Possible Pts / Field 3 / Pos 1"},
        {"down from the last student, page 1", 3, 64, 2, 1, 1, "vvvv", "Possible Pts / Field 1 / Pos 1"},
        {"up from the possible points", 3, 64, 2, 1, 1, "^", "Student 3 / Field 1 / Pos 1"},
        {"up from the first student", 3, 64, 2, 1, 1, "v^", "Possible Pts / Field 1 / Pos 1"},
        {"down from the last student, page 2", 3, 64, 2, 1, 2, "vvvv", "Student 1 / Field 17 / Pos 1"},
        {"right wraps within page 2", 3, 64, 2, 1, 2, "<", "Possible Pts / Field 32 / Pos 1"},
        {"down wraps within the group", 40, 4, 2, 2, 1, "vvvvvvv", "Student 35 / Field 1 / Pos 1"},
        {"the ID# goes down from the last student to the first", 3, 4, 0, 1, 1, "vvv", "Student 1 / ID# / Pos 1"},
        {"so does the name", 3, 4, 0, 1, 1, "Tvvv", "Student 1 / Name / Pos 1"},
        {"the ID# wraps at its end", 3, 4, 0, 1, 1, ">>>>>>>>>>>", "Student 1 / ID# / Pos 1"},
        {"left out of the ID#", 3, 4, 0, 1, 1, "<", "Student 1 / ID# / Pos 11"},
        {"the adjustment goes down to the possible points", 3, 4, 0, 1, 1, "TTvvv", "Possible Pts / Adjustment / Pos 1"},
        {"right wraps within the grade cell", 3, 4, 0, 1, 1, "TTT>>>", "Student 1 / Grade / Pos 1"},
        {"left out of the grade cell", 3, 4, 0, 1, 1, "TTT<", "Student 1 / Grade / Pos 3"},
        {"tab wraps to the first field", 5, 3, 2, 1, 1, ">T>T", "Possible Pts / Field 1 / Pos 1"},
        {"Vert: a full cell goes down", 5, 4, 2, 1, 1, "V>>>", "Student 1 / Field 1 / Pos 1"},
        {"Vert: left out of a cell goes up", 5, 4, 2, 1, 1, "V<", "Student 5 / Field 1 / Pos 1"},
        {"Vert in the grade cell", 3, 4, 0, 1, 1, "TTTV>>>", "Student 2 / Grade / Pos 1"},
        {"edit length 4 starts a cell at column 0", 5, 4, 2, 1, 1, "ET", "Possible Pts / Field 2 / Pos 0"},
        {"edit length 1", 5, 4, 2, 1, 1, "EE", "Possible Pts / Field 1 / Pos 3"},
        {"the ID# is edited whole", 3, 4, 0, 1, 1, "E>", "Student 1 / ID# / Pos 2"},
        // Tab goes round the zones the page shows: ID#, name, adjustment, grade.
        {"tab round every zone", 3, 4, 0, 1, 1, "TTTT", "Student 1 / ID# / Pos 1"},
        {"no ID#, round", 3, 4, 0, 1, 1, "TTT", "Student 1 / Name / Pos 1", 0, 30},
        {"no ID# or name, round", 3, 4, 0, 1, 1, "TT", "Student 1 / Adjustment / Pos 1", 0, 0},
        {"no adjustment on the page", 3, 4, 0, 1, 1, "TT", "Student 1 / Grade / Pos 1", 11, 30, 3},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Document doc = MakeDocument(c.students, {{"Tests", 100, c.fields, 3}});
        if (c.summaryFields) // SUMMARY cut by hand: its adjustment is not on the page
            doc.CatFields[0] = std::int16_t(c.summaryFields);
        Ed e(doc, c.idLen, c.nameLen);
        ASSERT_TRUE(e.Start(c.cat, c.group, c.page));
        e.Do(c.keys);
        EXPECT_EQ(e.Where(), c.where);
    }
}

TEST(EditCursor, Typing) {
    struct Case {
        const char* what;
        int cat, idLen, nameLen;
        std::string keys;
        int row, strCat, field;
        const char *want, *where; // the row string from the field on, and the cursor
    };
    // clang-format off
    const Case cases[] = {
        {"a full cell", 2, 11, 30, "250", 6, 2, 1, " 250 ...", "Possible Pts / Field 2 / Pos 1"},
        {"Vert: cells down a column", 2, 11, 30, "V 50 45", 1, 2, 1, "  45", "Student 2 / Field 1 / Pos 1"},
        {"all four columns", 2, 11, 30, "ETV1000", 6, 2, 2, "1000", "Student 1 / Field 2 / Pos 0"},
        {"control characters", 2, 11, 30, "\n\x7f\b\r", 6, 2, 1, " ...", "Possible Pts / Field 1 / Pos 1"},
        {"Windows-1252 bytes", 2, 11, 30, "\xE9\x80", 6, 2, 1, " \xE9\x80.", "Possible Pts / Field 1 / Pos 3"},
        {"the grade", 0, 11, 30, "TTTB+", 1, 0, 0, " B+ ", "Student 1 / Grade / Pos 3"},
        {"the shown end of the ID#", 0, 4, 6, "v4321", 2, 1, 0, "123-45-4321 Hopper, Grace", "Student 2 / ID# / Pos 1"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Document doc = Fixture();
        doc.CatData(2, 1) = "123-45-6789 Hopper, Grace" + std::string(17, ' ');
        Ed e(doc, c.idLen, c.nameLen);
        ASSERT_TRUE(e.Start(c.cat));
        e.Do(c.keys);
        // Typing recomputes nothing: the class average stays blank.
        EXPECT_EQ((std::tuple{e.state.doc.CatData(c.row, c.strCat).substr(c.field * CellWidth, std::strlen(c.want)),
                              e.Where(), Field(e.state.doc, 0, 2, 1)}),
                  (std::tuple{c.want, c.where, " ..."}));
    }
}

TEST(EditCursor, TypingPadsAShortRowAndRefusesWhatTheFileCannotHold) {
    EXPECT_EQ(Ed(Fixture()).cur.KeyPress(256), EditCursor::Press::Refused);
    Ed e(Fixture());
    e.state.doc.CatData(6, 2) = " 100"; // a short row of possible points is padded up to the cell typed into
    e.Start(2);
    e.Do("T7");
    EXPECT_EQ(e.state.doc.CatData(6, 2), " 100     7");
}

TEST(EditCursor, Clicks) {
    Ed e(Fixture());
    e.Start(2);
    e.ClickCell(e.page().FieldX(3), 4);
    EXPECT_EQ(e.Where(), "Student 4 / Field 3 / PPos 1");
    // The possible points and above select the first student; far right the last field.
    e.cur.Click(e.page().DataEndX + 2000, e.page().PossY);
    EXPECT_EQ(e.Where(), "Student 1 / Field 3 / PPos 1");
    // In SUMMARY a click left of the zone goes one zone back, right of it one zone on, wrapping.
    e.Start(0);
    std::string zones;
    for (double x : {double(e.page().ZoneX(5)), 0.0, 0.0})
        e.ClickCell(x, 3), zones += e.Where() + "; ";
    EXPECT_EQ(zones, "Student 3 / Name / Pos 1; Student 3 / ID# / Pos 1; Student 3 / Grade / Pos 1; ");
}

TEST(EditCursor, CursorElement) {
    std::vector<int> got;
    for (const auto& [cat, keys] :
         {std::pair{0, ""}, {0, "^"}, {0, "T"}, {0, "TT"}, {0, "TT^"}, {0, "TTT"}, {2, ""}, {2, "v"}}) {
        Ed e(Fixture());
        e.Start(cat);
        e.Do(keys);
        got.push_back(e.cur.CursorElement());
    }
    EXPECT_EQ(got, (std::vector<int>{ElemId, ElemData, ElemName, ElemData, ElemBar, ElemTotals, ElemBar, ElemData}));
}

TEST(EditCursor, EditExitRecomputes) {
    Ed e(Fixture());
    e.Start(2);
    e.Do(" 10 20vT  7 15"); // possible points of fields 1 and 2, then student 1
    e.cur.EditExit();
    EXPECT_FALSE(e.cur.Editing);
    // 22 of 30 points: 73 percent; the class of five averages 15; tot is 40% of 73.
    const Document& doc = e.state.doc;
    EXPECT_EQ(Field(doc, 1, 2, 0) + Field(doc, 0, 2, 0) + Field(doc, 1, 0, 1) + Field(doc, 1, 0, 3),
              "  73  15  73  29");
    // In SUMMARY leaving copies the category totals as they stand, without recomputing them.
    test::SetField(e.state.doc, 2, 2, 0, "50");
    e.Start(0);
    e.cur.EditExit();
    EXPECT_EQ(Field(doc, 2, 0, 1) + Field(doc, 2, 2, 0), "  50  50");
}

// Documents edited by hand (rows of the wrong length, odd counts, the largest shapes): every key and click on
// the first and last group and page of every category keeps the cursor on the page and writes nothing outside
// the rows of the category edited.
TEST(EditCursor, HandEditedDocumentsSurviveEveryKeyAndClick) {
    const std::vector<test::CatShape> two = {{"Tests", 40, 4, 3}, {"Labs", 60, 6, 3}};
    Document shortRows = MakeDocument(5, two), longRows = shortRows;
    Document counts = MakeDocument(3, {{"Tests", 40, 4, 3}, {"Labs", 30, 6, 3}, {"Quiz", 30, 3, 3}});
    for (const auto& [r, c, len] : {std::tuple{1, 2, 3}, {2, 2, 0}, {6, 2, 6}, {2, 1, 5}, {3, 1, 0}, {3, 0, 2}})
        shortRows.CatData(r, c).resize(std::size_t(len));
    for (auto& rows : longRows.Grid)
        for (std::string& row : rows)
            row += "#LONGER#";
    counts.CatFields[2] = 9, counts.CatFields[3] = 0, counts.CatFields[4] = -3; // the last two without cells
    counts.Grid[3].assign(counts.Grid[3].size(), ""), counts.Grid[4].assign(counts.Grid[4].size(), "");
    const std::tuple<const char*, Document, int> cases[] = {
        {"short rows", shortRows, 11},
        {"short rows, narrow ID# and name", shortRows, 3},
        {"long rows", longRows, 11},
        {"one field", MakeDocument(6, {{"Project", 100, 1, 3}}), 11},
        {"no students", MakeDocument(0, two), 11},
        {"largest", test::MaximalDocument(), 11},
        {"field counts that disagree with the rows", counts, 11}};
    for (const auto& [what, doc, idLen] : cases)
        for (int cat = 0; cat < doc.NumCats; cat += cat == 0 ? 2 : 1)
            for (int corner = 0; corner < 2; ++corner) {
                Ed e(doc, idLen, idLen == 11 ? 30 : 7);
                e.Start(cat);
                if (corner == 1)
                    e.Start(cat, std::max(1, e.page().NumGroups), std::max(1, e.page().NumPages));
                SCOPED_TRACE(testing::Message() << what << ", category " << cat << ", corner " << corner);
                ASSERT_EQ(e.Problem(), "");
                const PageLayout& p = e.page();
                const std::string across(std::size_t(std::min((p.LastFld - p.FirstFld + 1) * 3 + 2, 40)), '>'),
                    down(std::size_t(p.LastStu - p.FirstStu + 3), 'v');
                e.Do(across + std::string(across.size(), '<') + down + std::string(down.size(), '^') +
                     "TTTTT7.5EEEEEV12 A-z^^V<<<<<Zz9");
                for (double y : {p.TopY, p.PossY, p.RowY(p.FirstStu, doc.NumStudents),
                                 p.RowY(p.LastStu, doc.NumStudents) + 3 * p.RowH})
                    for (double x : {0.0F, p.ZoneX(2), p.ZoneX(3), p.DataX, p.FieldX(p.LastFld), p.ZoneX(5), p.ZoneX(6),
                                     p.ZoneWid[0] + 20 * p.CharW}) {
                        e.cur.Click(x, y);
                        ASSERT_EQ(e.Problem(), "");
                        e.Do("5");
                    }
                // Rows of other categories stay as they were; edited rows grow only to their category's length.
                for (std::size_t k = 0; k < doc.Grid.size(); ++k) {
                    const bool edited = int(k) == cat || (cat == 0 && k == 1);
                    const auto width = std::size_t(k == 1 ? NameDataWidth : std::max<int>(doc.CatFields[k], 0) * 4);
                    for (std::size_t r = 0; r < doc.Grid[k].size(); ++r) {
                        const std::string &was = doc.Grid[k][r], &now = e.state.doc.Grid[k][r];
                        EXPECT_TRUE(edited ? now.size() >= was.size() && now.size() <= std::max(was.size(), width)
                                           : was == now)
                            << "CatData(" << r << ", " << k << ")";
                    }
                }
            }
}
