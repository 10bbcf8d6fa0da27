#include <gtest/gtest.h>

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

const std::vector<Level> Standard = {{"A", 90}, {"B", 80}, {"C", 70}, {"D", 60}, {"F", 0}};

// One student per total (TOT, the last SUMMARY cell), graded by the given table.
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

TEST(AssignGrades, GradeCellOfOneStudent) {
    const struct {
        const char* name;
        std::vector<Level> levels;
        std::string total, cell;
    } cases[] = {
        {"89.5 goes to even 90", Standard, "89.5", "  A "},
        {"80 reaches B", Standard, "  80", "  B "},
        {"79.9 is 80", Standard, "79.9", "  B "},
        {"just below", Standard, "  79", "  C "},
        {"blank total reads 0", Standard, " ...", "  F "},
        {"negative total", Standard, " -15", "  F "},
        {"80.5 goes to even 80", {{"A", 90}, {"B", 81}, {"C", 0}}, "80.5", "  C "},
        {"81.5 goes to even 82", {{"A", 90}, {"B", 82}, {"C", 0}}, "81.5", "  B "},
        {"below every minimum gets the last", {{"A", 90}, {"B", 80}, {"C", 50}}, "  10", "  C "},
        {"unordered table", {{"D", 60}, {"A", 90}}, "  95", "  D "},
        {"two-character letter", {{"B+", 85}, {"B", 0}}, "  87", "  B+"},
        {"long letter is cut", {{"ABC", 0}}, "  50", "  AB"},
        {"empty letter", {{"", 0}}, "  50", "    "},
        {"high-bit letter", {{"\xC9", 0}}, "  50", "  \xC9 "},
        {"single level", {{"P", 50}}, "  20", "  P "},
        {"table without levels blanks", {}, "  95", "    "},
    };
    for (const auto& t : cases) {
        Document doc = WithTable(t.levels, {t.total});
        SetField(doc, 1, 0, 0, "ZZZZ");
        Document want = doc;
        want.CatData(1, 0).replace(0, 4, t.cell);
        AssignGrades(doc, false);
        EXPECT_EQ(doc, want) << t.name << ": only the grade cell changes, to [" << t.cell << "]";
        EXPECT_EQ(InvariantViolations(doc), "") << t.name;
    }
}

TEST(AssignGrades, EveryStudentThenClear) {
    Document doc = WithTable(Standard, {"  95", "  85", "  75", "  65", "  10", " 100"});
    SetField(doc, 0, 0, 4, "  80");
    const Document blank = doc;
    Document want = doc;
    const char* cells[] = {"  A ", "  B ", "  C ", "  D ", "  F ", "  A "};
    for (int s = 1; s <= 6; ++s)
        want.CatData(s, 0).replace(0, 4, cells[s - 1]);
    AssignGrades(doc, false);
    EXPECT_EQ(doc, want) << "the class-average, possible-points and title rows get no grade";
    AssignGrades(doc, true);
    EXPECT_EQ(doc, blank);
    AssignGrades(doc, true);
    EXPECT_EQ(doc, blank);
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
