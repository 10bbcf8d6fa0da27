#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "document/MarkrollFile.h"
#include "document/NewDocument.h"
#include "document/TextNumber.h"
#include "support/Invariants.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

std::string Pad(const std::string& s) {
    return s + Space(InfoLen - static_cast<int>(s.size()));
}

// The default document as it goes to disk; a failure shows the lines that differ.
TEST(DefaultDocument, FileImage) {
    const Document doc = DefaultDocument();
    std::string want = "40,5,7,6|0|gl|90|A|80|B|70|C|60|D|50|F|0|I|100,7,3|0,2,42|34,2,3|33,2,3|33,2,3|SUMMARY|" +
                       Pad("Class Grade") + Pad("Totals for Catagory 2") + Pad("Totals for Catagory 3") +
                       Pad("Totals for Catagory 4") + Pad("Total Unadjusted Score") + Pad("Adjustment Points") +
                       Pad("Total Adjusted Score") + "|NAME DATA|" + Pad("Student ID     Student Name") + "|";
    for (const std::string c : {"2", "3", "4"})
        want += "Catagory " + c + "|" + Pad("Totals for Catagory " + c) + Pad("Info for Field 1") + "|";
    want += "Version 3.00|Class Name???|Class Section???|Class Term???|Instructor???|Creation Date???|"
            "Last Update Date???|Last Update Time???|";
    // The grid, SUMMARY first: class average and 40 students blank, then possible points and titles.
    const std::string rows[][3] = {
        {"     ... ... ... ... ... ...", " 100 100 100 100 100   0 100", " GR    1   2   3 tot adj TOT"},
        {"...-..-...." + Space(31), Space(13) + "Possible Points" + Space(14), "Student ID# Student Name" + Space(18)},
        {" ... ...", " 100 ...", " Tot   1"}};
    for (int c = 0; c < 5; ++c) {
        for (int r = 0; r <= 40; ++r)
            want += rows[std::min(c, 2)][0] + "|";
        want += rows[std::min(c, 2)][1] + "|" + rows[std::min(c, 2)][2] + "|";
    }
    std::replace(want.begin(), want.end(), '|', '\n');
    std::string lines = SerializeMarkroll(doc);
    EXPECT_EQ(lines.size(), want.size() + 253) << "each of the 253 lines ends in CR LF";
    lines.erase(std::remove(lines.begin(), lines.end(), '\r'), lines.end());
    EXPECT_EQ(lines, want);
}

// Shapes that no default document has: fields of no length, two-digit field titles, ten categories.
TEST(RowTemplates, ShapesOfEveryKind) {
    Document three = MakeDocument(1, {{"Only", 100, 2, 3}});
    Document ten;
    ten.NumCats = 10;
    // clang-format off
    const struct {
        const Document* doc;
        int c, n, len;
        const char *blank, *possible, *title;
    } cases[] = {
        {&three, 2, 2, 0, "        ", " 100    ", " Tot   1"},
        {&three, 2, 13, 1, "   .   .   .   .   .   .   .   .   .   .   .   .   .",
         " 100   .   .   .   .   .   .   .   .   .   .   .   .", " Tot   1   2   3   4   5   6   7   8   9  10  11  12"},
        {&ten, 0, 12, 3, "     ... ... ... ... ... ... ... ... ... ... ...",
         " 100 100 100 100 100 100 100 100 100 100   0 100", " GR    1   2   3   4   5   6   7   8 tot adj TOT"},
    };
    // clang-format on
    for (const auto& t : cases) {
        const RowTemplates r = BuildRowTemplates(*t.doc, t.c, t.n, t.len);
        EXPECT_EQ(std::tie(r.TmplBlank, r.TmplPossible, r.TmplTitle), std::make_tuple(t.blank, t.possible, t.title))
            << t.c << "/" << t.n << "/" << t.len;
    }
}

// Opening the create dialog with a document open copies its structure; creating keeps its info lines and
// grade table but blanks every score.
TEST(CopiedPlan, KeepsStructureInfoAndGradesBlanksScores) {
    const std::vector<CatShape> cats = {{"Tests", 50, 5, 3}, {"Homework, weekly", 30, 9, 2}, {"Lab", 20, 3, 4}};
    Document doc = MakeDocument(12, cats);
    std::tie(doc.InfoLine, doc.LastInfo, doc.GradeLetter, doc.GradeMin, doc.LastGrade) =
        std::make_tuple(std::vector<std::string>{"Version 3.00", "Algebra II", "Section 4"}, 2,
                        std::vector<std::string>{"gl", "A+", "B", "C-"}, std::vector<std::int16_t>{0, 95, 80, 65}, 3);
    SetField(doc, 3, 2, 2, "17");
    doc.CatData(3, 1) = "123-45-6789 Student, Some" + Space(17);
    const Document before = doc;

    const CategoryPlan plan = Initialize(doc, true);
    EXPECT_EQ(doc, before) << "seeding the plan must not touch the open document";
    CreateDocument(doc, plan);
    EXPECT_EQ(doc.CatData(doc.PossibleRow(), 4), " 100........");
    EXPECT_EQ(InfoSlot(doc, 3, 8), Pad("Info for Field 8"));
    Document want = MakeDocument(12, cats);
    std::tie(want.InfoLine, want.LastInfo, want.GradeLetter, want.GradeMin, want.LastGrade) =
        std::tie(before.InfoLine, before.LastInfo, before.GradeLetter, before.GradeMin, before.LastGrade);
    EXPECT_EQ(doc, want);
}

TEST(PlanRules, StudentCount) {
    const std::pair<const char*, int> cases[] = {{"40", 40},   {"150", 100}, {"0", 1},      {"word", 1},
                                                 {"", 1},      {"-7", 1},    {"2.5", 2},    {"3.5", 4},
                                                 {" 1 2", 12}, {"100", 100}, {"99.5", 100}, {"1E9", 100}};
    for (const auto& [text, count] : cases)
        EXPECT_EQ(ReadStudentCount(text), count) << "[" << text << "]";
}

TEST(PlanRules, CommittedRow) {
    // clang-format off
    const struct {
        const char *name, *weight, *fields, *length, *wantName;
        int w, f, len;
    } cases[] = {
        {"Tests", "40", "12", "3", "Tests", 40, 12, 3},
        {"Homework assignments", "-35.7", "1", "0", "Homework assignm", 36, 2, 1},
        {"Lab", "35.7", "100", "9", "Lab", 35, 64, 4},
        {"", "1500", "words", "-2.5", "", 999, 2, 3},
        {"x", "abc", "63.9", "4", "x", 0, 63, 4},
        {"y", "99999", "-64", "1", "y", 999, 64, 1},
    };
    // clang-format on
    for (const auto& c : cases) {
        const PlanRow row = CommitPlanRow(c.name, c.weight, c.fields, c.length);
        EXPECT_EQ(std::tie(row.name, row.weight, row.fields, row.length), std::make_tuple(c.wantName, c.w, c.f, c.len))
            << c.name << ":" << c.weight << ":" << c.fields << ":" << c.length;
    }
}

// Weights that add up to more than 999 are scaled down; the created document follows the edited plan, not the
// count that Initialize seeded for SUMMARY.
TEST(PlanRules, RedoCatsScalesWeightsAndCreatesThePlan) {
    // clang-format off
    const struct { std::vector<int> weights, planned; int sum; } cases[] = {
        {{600, 300, 300}, {499, 249, 249}, 997}, {{500, 499}, {500, 499}, 999}, {{0, 0}, {0, 0}, 0},
        {std::vector<int>(8, 999), std::vector<int>(8, 124), 992}, {{1000}, {999}, 999},
    };
    // clang-format on
    for (const auto& c : cases) {
        Document doc;
        CategoryPlan plan = Initialize(doc, false);
        std::vector<PlanRow> rows;
        for (std::size_t i = 0; i < c.weights.size(); ++i)
            rows.push_back({"Cat" + std::to_string(i), static_cast<std::int16_t>(c.weights[i]),
                            static_cast<std::int16_t>(2 + i), static_cast<std::int16_t>(1 + i % 4)});
        RedoCats(plan, rows);
        const int users = static_cast<int>(c.weights.size());
        EXPECT_EQ(plan.PlanCats, users + 2);
        EXPECT_EQ(plan.PlanWeight[0], c.sum);
        for (std::size_t i = 0, p = 2; i < rows.size(); ++i, ++p)
            EXPECT_EQ(std::tie(plan.PlanName[p], plan.PlanWeight[p], plan.PlanFields[p], plan.PlanLen[p]),
                      std::make_tuple(rows[i].name, c.planned[i], rows[i].fields, rows[i].length))
                << i;
        plan.PlanStudents = 7;
        CreateDocument(doc, plan);
        EXPECT_EQ(InvariantViolations(doc), "") << users << " user categories";
        EXPECT_EQ(doc.NumCats, users + 2);
        EXPECT_EQ(doc.FieldInfo[0].size(), static_cast<std::size_t>(users + 4) * InfoLen);
    }
}

} // namespace
