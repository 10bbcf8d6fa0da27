#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "document/MarkrollFile.h"
#include "document/NewDocument.h"
#include "document/TextNumber.h"
#include "support/Invariants.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

// The lines of a file image; a last line without its CR LF is marked.
std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    if (start < bytes.size())
        lines.push_back(bytes.substr(start) + "<no CR LF>");
    return lines;
}

std::string Pad(const std::string& s) { return s + Space(InfoLen - static_cast<int>(s.size())); }

// The default document, line by line as it goes to disk.
TEST(DefaultDocument, FileImageLineByLine) {
    const Document doc = DefaultDocument();
    EXPECT_EQ(InvariantViolations(doc), "");
    std::vector<std::string> want = {
        "40,5,7,6", "0", "gl", "90", "A", "80", "B", "70", "C", "60", "D", "50", "F", "0", "I",
        "100,7,3", "0,2,42", "34,2,3", "33,2,3", "33,2,3", "SUMMARY",
        Pad("Class Grade") + Pad("Totals for Catagory 2") + Pad("Totals for Catagory 3") + Pad("Totals for Catagory 4") +
            Pad("Total Unadjusted Score") + Pad("Adjustment Points") + Pad("Total Adjusted Score"),
        "NAME DATA", Pad("Student ID     Student Name")};
    for (const std::string c : {"2", "3", "4"}) {
        want.push_back("Catagory " + c);
        want.push_back(Pad("Totals for Catagory " + c) + Pad("Info for Field 1"));
    }
    for (const char* info : {"Version 3.00", "Class Name???", "Class Section???", "Class Term???", "Instructor???",
                             "Creation Date???", "Last Update Date???", "Last Update Time???"})
        want.push_back(info);
    // The grid, SUMMARY first: class average and 40 students blank, then possible points and titles.
    const std::string blank[] = {"     ... ... ... ... ... ...", "...-..-...." + Space(31), " ... ..."};
    const std::string possible[] = {" 100 100 100 100 100   0 100", Space(13) + "Possible Points" + Space(14),
                                    " 100 ..."};
    const std::string title[] = {" GR    1   2   3 tot adj TOT", "Student ID# Student Name" + Space(18), " Tot   1"};
    for (int c = 0; c < 5; ++c) {
        const int k = std::min(c, 2);
        want.insert(want.end(), 41, blank[k]);
        want.push_back(possible[k]);
        want.push_back(title[k]);
    }
    const std::vector<std::string> lines = SplitLines(SerializeMarkroll(doc));
    ASSERT_EQ(lines.size(), 253u);
    ASSERT_EQ(want.size(), 253u);
    for (std::size_t i = 0; i < want.size(); ++i)
        EXPECT_EQ(lines[i], want[i]) << "line " << i + 1;
}

// Shapes that no default document has: fields of no length, two-digit field titles, ten categories.
TEST(RowTemplates, ShapesOfEveryKind) {
    Document three = MakeDocument(1, {{"Only", 100, 2, 3}});
    Document ten;
    ten.NumCats = 10;
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
    for (const auto& t : cases) {
        const RowTemplates r = BuildRowTemplates(*t.doc, t.c, t.n, t.len);
        EXPECT_EQ(r.TmplBlank, t.blank) << t.c << "/" << t.n << "/" << t.len;
        EXPECT_EQ(r.TmplPossible, t.possible) << t.c << "/" << t.n << "/" << t.len;
        EXPECT_EQ(r.TmplTitle, t.title) << t.c << "/" << t.n << "/" << t.len;
    }
}

TEST(CreateDocument, FieldCountAndLengthOfEachCategory) {
    const Document doc = MakeDocument(3, {{"Tests", 100, 4, 2}});
    EXPECT_EQ(InvariantViolations(doc), "");
    EXPECT_EQ(doc.CatData(doc.TitleRow(), 0), " GR    1 tot adj TOT");
    EXPECT_EQ(doc.CatData(0, 2), "  ..  ..  ..  ..");
    EXPECT_EQ(doc.CatData(1, 2), "  ..  ..  ..  ..");
    EXPECT_EQ(doc.CatData(doc.PossibleRow(), 2), " 100  ..  ..  ..");
    EXPECT_EQ(doc.CatData(doc.TitleRow(), 2), " Tot   1   2   3");
    EXPECT_EQ(InfoSlot(doc, 2, 3), Pad("Info for Field 3"));
}

// Opening the create dialog with a document open copies its structure; creating keeps its info lines and
// grade table but blanks every score.
TEST(CopiedPlan, KeepsStructureInfoAndGradesBlanksScores) {
    const std::vector<CatShape> cats = {{"Tests", 50, 5, 3}, {"Homework, weekly", 30, 9, 2}, {"Lab", 20, 3, 4}};
    Document doc = MakeDocument(12, cats);
    doc.InfoLine = {"Version 3.00", "Algebra II", "Section 4"};
    doc.LastInfo = 2;
    doc.GradeLetter = {"gl", "A+", "B", "C-"};
    doc.GradeMin = {0, 95, 80, 65};
    doc.LastGrade = 3;
    SetField(doc, 3, 2, 2, "17");
    SetField(doc, 3, 0, 0, " A");
    doc.CatData(3, 1) = "123-45-6789 Student, Some" + Space(17);
    const Document before = doc;

    const CategoryPlan plan = Initialize(doc, true);
    EXPECT_EQ(doc, before) << "seeding the plan must not touch the open document";
    CreateDocument(doc, plan);
    Document want = MakeDocument(12, cats);
    want.InfoLine = before.InfoLine;
    want.LastInfo = before.LastInfo;
    want.GradeLetter = before.GradeLetter;
    want.GradeMin = before.GradeMin;
    want.LastGrade = before.LastGrade;
    EXPECT_EQ(doc, want);
}

TEST(PlanRules, StudentCount) {
    const struct {
        const char* text;
        int count;
    } cases[] = {{"40", 40}, {"150", 100}, {"0", 1},      {"word", 1},  {"", 1},      {"-7", 1},
                 {"2.5", 2}, {"3.5", 4},   {" 1 2", 12}, {"100", 100}, {"99.5", 100}, {"1E9", 100}};
    for (const auto& c : cases)
        EXPECT_EQ(ReadStudentCount(c.text), c.count) << "[" << c.text << "]";
}

TEST(PlanRules, CommittedRow) {
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
    for (const auto& c : cases) {
        const PlanRow row = CommitPlanRow(c.name, c.weight, c.fields, c.length);
        EXPECT_EQ(row.name, c.wantName);
        EXPECT_EQ(row.weight, c.w) << c.weight;
        EXPECT_EQ(row.fields, c.f) << c.fields;
        EXPECT_EQ(row.length, c.len) << c.length;
    }
}

TEST(PlanRules, RedoCatsScalesWeightsAbove999) {
    const struct {
        std::vector<int> weights, planned;
        int sum;
    } cases[] = {
        {{600, 300, 300}, {499, 249, 249}, 997},
        {{500, 499}, {500, 499}, 999},
        {std::vector<int>(8, 999), std::vector<int>(8, 124), 992},
        {{0, 0}, {0, 0}, 0},
        {{1000}, {999}, 999},
    };
    for (const auto& c : cases) {
        Document doc;
        CategoryPlan plan = Initialize(doc, false);
        std::vector<PlanRow> rows;
        for (std::size_t i = 0; i < c.weights.size(); ++i)
            rows.push_back({"Cat" + std::to_string(i), static_cast<std::int16_t>(c.weights[i]), 4, 2});
        RedoCats(plan, rows);
        EXPECT_EQ(plan.PlanCats, static_cast<int>(c.weights.size()) + 2);
        for (std::size_t i = 0; i < c.planned.size(); ++i) {
            EXPECT_EQ(plan.PlanWeight[i + 2], c.planned[i]) << "row " << i;
            EXPECT_EQ(plan.PlanName[i + 2], "Cat" + std::to_string(i));
            EXPECT_EQ(plan.PlanFields[i + 2], 4);
            EXPECT_EQ(plan.PlanLen[i + 2], 2);
        }
        EXPECT_EQ(plan.PlanWeight[0], c.sum);
    }
}

// Deleting and adding rows changes PlanCats; the created document must follow the plan, not the count
// that Initialize seeded for SUMMARY.
TEST(PlanRules, CreatedDocumentFollowsEditedPlan) {
    for (int users = 1; users <= MaxCats - 2; ++users) {
        Document doc;
        CategoryPlan plan = Initialize(doc, false);
        std::vector<PlanRow> rows;
        for (int i = 0; i < users; ++i)
            rows.push_back({"C" + std::to_string(i), 10, static_cast<std::int16_t>(2 + i), 3});
        RedoCats(plan, rows);
        plan.PlanStudents = 7;
        CreateDocument(doc, plan);
        EXPECT_EQ(InvariantViolations(doc), "") << users << " user categories";
        EXPECT_EQ(doc.NumCats, users + 2);
        EXPECT_EQ(doc.CatData(doc.TitleRow(), 0).substr(0, 4), " GR ");
        EXPECT_EQ(doc.FieldInfo[0].size(), static_cast<std::size_t>(users + 4) * InfoLen);
    }
}

} // namespace
