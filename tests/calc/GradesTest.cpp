#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "calc/Grades.h"
#include "support/Invariants.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

struct Level {
    const char* letter;
    int min;
};

Document WithTable(const std::vector<Level>& levels, const std::vector<std::string>& totals) {
    Document doc = MakeDocument(static_cast<int>(totals.size()), {{"Tests", 100, 2, 3}});
    doc.LastGrade = static_cast<std::int16_t>(levels.size());
    doc.GradeLetter = {"gl"};
    doc.GradeMin = {0};
    for (const Level& l : levels) {
        doc.GradeLetter.push_back(l.letter);
        doc.GradeMin.push_back(static_cast<std::int16_t>(l.min));
    }
    for (std::size_t s = 0; s < totals.size(); ++s)
        SetField(doc, static_cast<int>(s) + 1, 0, 4, totals[s]);
    return doc;
}

struct GradeCase {
    const char* name;
    std::vector<Level> levels;
    std::string total;
    std::string cell;
};

std::ostream& operator<<(std::ostream& os, const GradeCase& c) { return os << c.name; }

class AssignGradesTest : public ::testing::TestWithParam<GradeCase> {};

TEST_P(AssignGradesTest, GradeCell) {
    const GradeCase& t = GetParam();
    Document doc = WithTable(t.levels, {t.total});
    SetField(doc, 1, 0, 0, "ZZZZ");
    Document before = doc;
    AssignGrades(doc, false);
    EXPECT_EQ(Field(doc, 1, 0, 0), t.cell) << t.name;
    before.CatData(1, 0).replace(0, 4, t.cell);
    EXPECT_EQ(doc, before) << t.name << ": only the grade cell changes";
    EXPECT_EQ(InvariantViolations(doc), "") << t.name;
}

const std::vector<Level> Standard = {{"A", 90}, {"B", 80}, {"C", 70}, {"D", 60}, {"F", 0}};

INSTANTIATE_TEST_SUITE_P(
    Cases, AssignGradesTest,
    ::testing::Values(GradeCase{"89.5 goes to even 90", Standard, "89.5", "  A "},
                      GradeCase{"80 reaches B", Standard, "  80", "  B "},
                      GradeCase{"79.9 is 80", Standard, "79.9", "  B "},
                      GradeCase{"just below", Standard, "  79", "  C "},
                      GradeCase{"zero", Standard, "   0", "  F "},
                      GradeCase{"blank total reads 0", Standard, " ...", "  F "},
                      GradeCase{"80.5 goes to even 80", {{"A", 90}, {"B", 81}, {"C", 0}}, "80.5", "  C "},
                      GradeCase{"81.5 goes to even 82", {{"A", 90}, {"B", 82}, {"C", 0}}, "81.5", "  B "},
                      GradeCase{"below every minimum gets the last", {{"A", 90}, {"B", 80}, {"C", 50}}, "  10", "  C "},
                      GradeCase{"negative total", Standard, " -15", "  F "},
                      GradeCase{"unordered table", {{"D", 60}, {"A", 90}}, "  95", "  D "},
                      GradeCase{"two-character letter", {{"B+", 85}, {"B", 0}}, "  87", "  B+"},
                      GradeCase{"long letter is cut", {{"ABC", 0}}, "  50", "  AB"},
                      GradeCase{"empty letter", {{"", 0}}, "  50", "    "},
                      GradeCase{"high-bit letter", {{"\xC9", 0}}, "  50", "  \xC9 "},
                      GradeCase{"single level", {{"P", 50}}, "  20", "  P "}));

TEST(AssignGrades, EveryStudentAndOnlyStudents) {
    Document doc = WithTable(Standard, {"  95", "  85", "  75", "  65", "  10", " 100"});
    SetField(doc, 0, 0, 4, "  80");
    const std::string avg = doc.CatData(0, 0);
    const std::string possible = doc.CatData(doc.PossibleRow(), 0);
    const std::string title = doc.CatData(doc.TitleRow(), 0);
    AssignGrades(doc, false);
    const char* cells[] = {"  A ", "  B ", "  C ", "  D ", "  F ", "  A "};
    for (int s = 1; s <= 6; ++s)
        EXPECT_EQ(Field(doc, s, 0, 0), cells[s - 1]) << s;
    EXPECT_EQ(doc.CatData(0, 0), avg);
    EXPECT_EQ(doc.CatData(doc.PossibleRow(), 0), possible);
    EXPECT_EQ(doc.CatData(doc.TitleRow(), 0), title);
}

TEST(AssignGrades, ClearBlanksEveryGradeCell) {
    Document doc = WithTable(Standard, {"  95", "  85", "  75"});
    AssignGrades(doc, false);
    Document expected = doc;
    for (int s = 1; s <= 3; ++s)
        expected.CatData(s, 0).replace(0, 4, "    ");
    AssignGrades(doc, true);
    EXPECT_EQ(doc, expected);
    AssignGrades(doc, true);
    EXPECT_EQ(doc, expected);
}

TEST(AssignGrades, TableWithoutLevelsBlanksGrades) {
    Document doc = WithTable({}, {"  95"});
    SetField(doc, 1, 0, 0, "  A");
    AssignGrades(doc, false);
    EXPECT_EQ(Field(doc, 1, 0, 0), "    ");
    EXPECT_EQ(InvariantViolations(doc), "");
}

TEST(AssignGrades, ShortRowsDoNotBreak) {
    Document doc = WithTable(Standard, {"  95", "  85"});
    doc.CatData(1, 0) = "";
    doc.CatData(2, 0) = "85";
    AssignGrades(doc, false);
    EXPECT_EQ(doc.CatData(1, 0), "  F ");
    EXPECT_EQ(doc.CatData(2, 0), "  B ");
}

} // namespace
