#include <gtest/gtest.h>

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

std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(start) + "<no CR LF>");
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string Pad(const std::string& s) { return s + std::string(InfoLen - s.size(), ' '); }

std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

TEST(DefaultPlan, FiveCategoriesOfFortyStudents) {
    Document doc;
    const CategoryPlan plan = Initialize(doc, false);
    EXPECT_EQ(plan.PlanCats, 5);
    EXPECT_EQ(plan.PlanStudents, 40);
    const char* names[] = {"SUMMARY", "NAME DATA", "Catagory 2", "Catagory 3", "Catagory 4"};
    const int weights[] = {100, 0, 34, 33, 33};
    const int fields[] = {7, 2, 2, 2, 2};
    const int lens[] = {3, 42, 3, 3, 3};
    for (std::size_t c = 0; c < 5; ++c) {
        EXPECT_EQ(plan.PlanName[c], names[c]);
        EXPECT_EQ(plan.PlanWeight[c], weights[c]) << c;
        EXPECT_EQ(plan.PlanFields[c], fields[c]) << c;
        EXPECT_EQ(plan.PlanLen[c], lens[c]) << c;
    }
}

// The default document, line by line as it goes to disk.
TEST(DefaultDocument, FileImageLineByLine) {
    const Document doc = DefaultDocument();
    EXPECT_EQ(InvariantViolations(doc), "");
    const std::vector<std::string> lines = SplitLines(SerializeMarkroll(doc));
    ASSERT_EQ(lines.size(), 253u);

    const std::vector<std::string> head = {
        "40,5,7,6", "0",       "gl",      "90",      "A",       "80",      "B",       "70",
        "C",        "60",      "D",       "50",      "F",       "0",       "I",       "100,7,3",
        "0,2,42",   "34,2,3",  "33,2,3",  "33,2,3",  "SUMMARY",
    };
    for (std::size_t i = 0; i < head.size(); ++i)
        EXPECT_EQ(lines[i], head[i]) << "line " << i + 1;

    EXPECT_EQ(lines[21], Pad("Class Grade") + Pad("Totals for Catagory 2") + Pad("Totals for Catagory 3") +
                             Pad("Totals for Catagory 4") + Pad("Total Unadjusted Score") + Pad("Adjustment Points") +
                             Pad("Total Adjusted Score"));
    EXPECT_EQ(lines[22], "NAME DATA");
    EXPECT_EQ(lines[23], Pad("Student ID     Student Name"));
    for (int c = 2; c <= 4; ++c) {
        const std::size_t at = 24 + 2 * static_cast<std::size_t>(c - 2);
        EXPECT_EQ(lines[at], "Catagory " + std::to_string(c));
        EXPECT_EQ(lines[at + 1], Pad("Totals for Catagory " + std::to_string(c)) + Pad("Info for Field 1"));
    }
    const std::vector<std::string> info = {"Version 3.00",     "Class Name???",       "Class Section???",
                                           "Class Term???",    "Instructor???",       "Creation Date???",
                                           "Last Update Date???", "Last Update Time???"};
    for (std::size_t i = 0; i < info.size(); ++i)
        EXPECT_EQ(lines[30 + i], info[i]) << "info line " << i;

    // The grid: 43 rows per category, SUMMARY first (file lines 39..81).
    auto gridLine = [&lines](int c, int r) { return lines[38 + static_cast<std::size_t>(c * 43 + r)]; };
    for (int r = 0; r <= 40; ++r) {
        EXPECT_EQ(gridLine(0, r), "    " + Repeat(" ...", 6)) << "SUMMARY row " << r;
        EXPECT_EQ(gridLine(1, r), "...-..-...." + std::string(31, ' ')) << "NAME DATA row " << r;
        for (int c = 2; c <= 4; ++c)
            EXPECT_EQ(gridLine(c, r), " ... ...") << "category " << c << " row " << r;
    }
    EXPECT_EQ(gridLine(0, 41), " 100 100 100 100 100   0 100");
    EXPECT_EQ(gridLine(0, 42), " GR    1   2   3 tot adj TOT");
    EXPECT_EQ(gridLine(1, 41), std::string(13, ' ') + "Possible Points" + std::string(14, ' '));
    const std::string nameTitle = gridLine(1, 42);
    ASSERT_EQ(nameTitle.size(), 42u);
    EXPECT_NE(nameTitle.substr(0, IdLen).find("ID"), std::string::npos) << nameTitle;
    EXPECT_NE(nameTitle.substr(IdLen).find("Name"), std::string::npos) << nameTitle;
    for (int c = 2; c <= 4; ++c) {
        EXPECT_EQ(gridLine(c, 41), " 100 ...");
        EXPECT_EQ(gridLine(c, 42), " Tot   1");
    }
}

TEST(RowTemplates, ShapesOfEveryKind) {
    Document three = MakeDocument(1, {{"Only", 100, 2, 3}});
    Document ten;
    ten.NumCats = 10;
    const struct {
        const Document* doc;
        int c, n, len;
        const char* blank;
        const char* possible;
        const char* title;
    } cases[] = {
        {&three, 0, 5, 3, "     ... ... ... ...", " 100 100 100   0 100", " GR    1 tot adj TOT"},
        {&three, 2, 2, 1, "   .   .", " 100   .", " Tot   1"},
        {&three, 2, 3, 4, "............", " 100........", " Tot   1   2"},
        {&three, 2, 2, 0, "        ", " 100    ", " Tot   1"},
        {&three, 2, 13, 3, nullptr, nullptr, " Tot   1   2   3   4   5   6   7   8   9  10  11  12"},
        {&ten, 0, 12, 3, nullptr, " 100 100 100 100 100 100 100 100 100 100   0 100",
         " GR    1   2   3   4   5   6   7   8 tot adj TOT"},
    };
    for (const auto& t : cases) {
        const RowTemplates r = BuildRowTemplates(*t.doc, t.c, t.n, t.len);
        if (t.blank) {
            EXPECT_EQ(r.TmplBlank, t.blank) << t.c << "/" << t.n << "/" << t.len;
        }
        if (t.possible) {
            EXPECT_EQ(r.TmplPossible, t.possible) << t.c << "/" << t.n << "/" << t.len;
        }
        EXPECT_EQ(r.TmplTitle, t.title) << t.c << "/" << t.n << "/" << t.len;
        if (t.c != 1) {
            const std::size_t width = static_cast<std::size_t>(t.c == 0 ? t.doc->NumCats + 2 : t.n) * CellWidth;
            EXPECT_EQ(r.TmplBlank.size(), width);
            EXPECT_EQ(r.TmplPossible.size(), width);
            EXPECT_EQ(r.TmplTitle.size(), width);
        }
    }
}

TEST(CreateDocument, ThreeCategoriesHaveFiveSummaryCells) {
    const Document doc = MakeDocument(3, {{"Tests", 100, 4, 2}});
    EXPECT_EQ(InvariantViolations(doc), "");
    EXPECT_EQ(doc.CatFields[0], 5);
    EXPECT_EQ(doc.CatData(doc.TitleRow(), 0), " GR    1 tot adj TOT");
    EXPECT_EQ(doc.CatData(1, 2), "  ..  ..  ..  ..");
    EXPECT_EQ(doc.CatData(0, 2), doc.CatData(1, 2)) << "the class-average row starts blank";
    EXPECT_EQ(doc.CatData(doc.PossibleRow(), 2), " 100  ..  ..  ..");
    EXPECT_EQ(doc.CatData(doc.TitleRow(), 2), " Tot   1   2   3");
    EXPECT_EQ(InfoSlot(doc, 2, 3), Pad("Info for Field 3"));
}

// Opening the create dialog with a document open copies its structure; creating keeps its info lines and
// grade table but blanks every score.
TEST(CopiedPlan, KeepsStructureInfoAndGradesBlanksScores) {
    Document doc = MakeDocument(12, {{"Tests", 50, 5, 3}, {"Homework, weekly", 30, 9, 2}, {"Lab", 20, 3, 4}});
    doc.InfoLine = {"Version 3.00", "Algebra II", "Section 4"};
    doc.LastInfo = 2;
    doc.GradeLetter = {"gl", "A+", "B", "C-"};
    doc.GradeMin = {0, 95, 80, 65};
    doc.LastGrade = 3;
    SetField(doc, 3, 2, 2, "17");
    SetField(doc, 3, 0, 0, " A");
    doc.CatData(3, 1) = "123-45-6789 Student, Some" + std::string(17, ' ');
    const Document before = doc;

    const CategoryPlan plan = Initialize(doc, true);
    EXPECT_EQ(plan.PlanCats, 5);
    EXPECT_EQ(plan.PlanStudents, 12);
    for (std::size_t c = 0; c < 5; ++c) {
        EXPECT_EQ(plan.PlanName[c], before.CatName[c]);
        EXPECT_EQ(plan.PlanWeight[c], before.CatWeight[c]);
        EXPECT_EQ(plan.PlanFields[c], before.CatFields[c]);
        EXPECT_EQ(plan.PlanLen[c], before.FieldLen[c]);
    }
    EXPECT_EQ(doc, before) << "seeding the plan must not touch the open document";

    CreateDocument(doc, plan);
    EXPECT_EQ(InvariantViolations(doc), "");
    EXPECT_EQ(doc.InfoLine, before.InfoLine);
    EXPECT_EQ(doc.LastInfo, 2);
    EXPECT_EQ(doc.GradeLetter, before.GradeLetter);
    EXPECT_EQ(doc.GradeMin, before.GradeMin);
    EXPECT_EQ(doc.LastGrade, 3);
    EXPECT_EQ(doc.CatName, before.CatName);
    EXPECT_EQ(doc.CatWeight, before.CatWeight);
    EXPECT_EQ(doc.CatFields, before.CatFields);
    EXPECT_EQ(doc.FieldLen, before.FieldLen);
    const Document fresh = MakeDocument(12, {{"Tests", 50, 5, 3}, {"Homework, weekly", 30, 9, 2}, {"Lab", 20, 3, 4}});
    EXPECT_EQ(doc.Grid, fresh.Grid) << "every score row is blank again";
    EXPECT_EQ(Field(doc, 3, 2, 2), " ...");
    EXPECT_EQ(doc.CatData(3, 1), "...-..-...." + std::string(31, ' '));
}

TEST(PlanRules, StudentCount) {
    const struct {
        const char* text;
        int count;
    } cases[] = {{"40", 40}, {"150", 100}, {"0", 1}, {"word", 1}, {"", 1}, {"-7", 1},
                 {"2.5", 2}, {"3.5", 4}, {" 1 2", 12}, {"100", 100}, {"99.5", 100}, {"1E9", 100}};
    for (const auto& c : cases)
        EXPECT_EQ(ReadStudentCount(c.text), c.count) << "[" << c.text << "]";
}

TEST(PlanRules, CommittedRow) {
    const struct {
        const char* name;
        const char* weight;
        const char* fields;
        const char* length;
        const char* wantName;
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
    EXPECT_EQ(PlanNumberText(36), "36");
    EXPECT_EQ(PlanNumberText(-4), "-4");
}

TEST(PlanRules, RedoCatsScalesWeightsAbove999) {
    const struct {
        std::vector<int> weights;
        std::vector<int> planned;
        int sum;
    } cases[] = {
        {{600, 300, 300}, {499, 249, 249}, 997},
        {{500, 499}, {500, 499}, 999},
        {{999, 999, 999, 999, 999, 999, 999, 999}, {124, 124, 124, 124, 124, 124, 124, 124}, 992},
        {{0, 0}, {0, 0}, 0},
        {{1000}, {999}, 999},
    };
    for (const auto& c : cases) {
        Document doc;
        CategoryPlan plan = Initialize(doc, false);
        std::vector<PlanRow> rows;
        for (std::size_t i = 0; i < c.weights.size(); ++i)
            rows.push_back({"Cat" + std::to_string(i), static_cast<std::int16_t>(c.weights[i]), 4, 2});
        const std::vector<PlanRow> copy = rows;
        RedoCats(plan, rows);
        EXPECT_EQ(plan.PlanCats, static_cast<int>(c.weights.size()) + 2);
        for (std::size_t i = 0; i < c.planned.size(); ++i) {
            EXPECT_EQ(plan.PlanWeight[i + 2], c.planned[i]) << "row " << i;
            EXPECT_EQ(plan.PlanName[i + 2], "Cat" + std::to_string(i));
            EXPECT_EQ(plan.PlanFields[i + 2], 4);
            EXPECT_EQ(plan.PlanLen[i + 2], 2);
        }
        EXPECT_EQ(plan.PlanWeight[0], c.sum);
        EXPECT_EQ(plan.PlanName[0], "SUMMARY") << "the fixed categories stay as seeded";
        EXPECT_EQ(plan.PlanName[1], "NAME DATA");
        EXPECT_EQ(rows.size(), copy.size());
        for (std::size_t i = 0; i < rows.size(); ++i)
            EXPECT_EQ(rows[i].weight, copy[i].weight) << "the rows keep the unscaled numbers";

        CreateDocument(doc, plan);
        EXPECT_EQ(InvariantViolations(doc), "");
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
        EXPECT_EQ(doc.CatWeight[0], 10 * users);
        EXPECT_EQ(doc.CatData(doc.TitleRow(), 0).substr(0, 4), " GR ");
        EXPECT_EQ(doc.FieldInfo[0].size(), static_cast<std::size_t>(users + 4) * InfoLen);
    }
}

} // namespace
