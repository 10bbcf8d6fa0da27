#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "calc/Grades.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

using Level = std::pair<const char*, int>;

const std::vector<Level> Standard = {{"A", 90}, {"B", 80}, {"C", 70}, {"D", 60}, {"F", 0}};

// One student per total (TOT, the last SUMMARY cell), graded by the given table.
Document WithTable(const std::vector<Level>& levels, const std::vector<std::string>& totals) {
    Document doc = MakeDocument(static_cast<int>(totals.size()), {{"Tests", 100, 2, 3}});
    doc.LastGrade = static_cast<std::int16_t>(levels.size());
    doc.GradeLetter = {"gl"};
    doc.GradeMin = {0};
    for (const auto& [letter, min] : levels) {
        doc.GradeLetter.push_back(letter);
        doc.GradeMin.push_back(static_cast<std::int16_t>(min));
    }
    for (std::size_t s = 0; s < totals.size(); ++s)
        SetField(doc, static_cast<int>(s) + 1, 0, 4, totals[s]);
    return doc;
}

// Totals round half to even (89.5 to 90, 80.5 to 80); a blank total reads 0; below every minimum, or in a
// table out of order, the last level applies; letters fill two characters; no levels leave the cell blank.
TEST(AssignGrades, GradeCellOfOneStudent) {
    // clang-format off
    const std::tuple<std::vector<Level>, std::string, std::string> cases[] = {
        {Standard, "89.5", "  A "}, {Standard, "  80", "  B "}, {Standard, "79.9", "  B "}, {Standard, "  79", "  C "},
        {Standard, " ...", "  F "}, {Standard, " -15", "  F "}, {{{"A", 90}, {"B", 81}, {"C", 0}}, "80.5", "  C "},
        {{{"A", 90}, {"B", 82}, {"C", 0}}, "81.5", "  B "}, {{{"A", 90}, {"B", 80}, {"C", 50}}, "  10", "  C "},
        {{{"D", 60}, {"A", 90}}, "  95", "  D "}, {{{"B+", 85}, {"B", 0}}, "  87", "  B+"},
        {{{"ABC", 0}}, "  50", "  AB"}, {{{"", 0}}, "  50", "    "}, {{{"\xC9", 0}}, "  50", "  \xC9 "},
        {{}, "  95", "    "}};
    // clang-format on
    for (const auto& [levels, total, cell] : cases) {
        Document doc = WithTable(levels, {total});
        SetField(doc, 1, 0, 0, "ZZZZ");
        Document want = doc;
        want.CatData(1, 0).replace(0, 4, cell);
        AssignGrades(doc, false);
        EXPECT_EQ(doc, want) << "total [" << total << "]: only the grade cell changes, to [" << cell << "]";
    }
}

// Every student is graded, the class-average, possible-points and title rows are not, and short rows of a
// hand-edited file read as far as they go; clearing blanks every grade again.
TEST(AssignGrades, EveryStudentThenClear) {
    Document doc = WithTable(Standard, {"  95", "  85", "  75", "  65", "  10", " 100", "", ""});
    SetField(doc, 0, 0, 4, "  80");
    const Document blank = doc;
    doc.CatData(7, 0) = "";
    doc.CatData(8, 0) = "85";
    AssignGrades(doc, false);
    std::string cells;
    for (int r = 0; r <= doc.TitleRow(); ++r)
        cells += doc.CatData(r, 0).substr(0, 4) + "|";
    EXPECT_EQ(cells, "    |  A |  B |  C |  D |  F |  A |  F |  B | 100| GR |");
    doc.CatData(7, 0) = blank.CatData(7, 0), doc.CatData(8, 0) = blank.CatData(8, 0);
    AssignGrades(doc, true);
    EXPECT_EQ(doc, blank);
}

// The table as the grade dialog and markroll-cli take it: letters trimmed and cut, "??" for nothing typed,
// minimums rounded half to even and kept in 0..100; Accept keeps the list order and entry 0 empty.
TEST(GradeTable, CommitAndAccept) {
    EXPECT_EQ((std::vector{CommitGradeLetter(""), CommitGradeLetter("   "), CommitGradeLetter(" B+x ")}),
              (std::vector<std::string>{"??", "", "B+"}));
    EXPECT_EQ((std::vector<int>{CommitGradeMin("150"), CommitGradeMin("-5"), CommitGradeMin("x"),
                                CommitGradeMin("89.5"), CommitGradeMin("88.5")}),
              (std::vector<int>{100, 0, 0, 90, 88}));
    Document doc = WithTable(Standard, {"  95"});
    AcceptGradeTable(doc, {{"D", "60"}, {" A ", "90"}, {"??", "??"}});
    EXPECT_EQ(doc.LastGrade, 3);
    EXPECT_EQ(doc.GradeLetter, (std::vector<std::string>{"", "D", "A", "??"}));
    EXPECT_EQ(doc.GradeMin, (std::vector<std::int16_t>{0, 60, 90, 0}));
    AssignGrades(doc, false);
    EXPECT_EQ(doc.CatData(1, 0).substr(0, 4), "  D "); // the first qualifying level in list order
    AcceptGradeTable(doc, {});
    EXPECT_EQ(doc.LastGrade, 3);
}

} // namespace
