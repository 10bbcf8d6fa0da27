#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/Recalc.h"
#include "calc/Structure.h"
#include "support/Invariants.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

TEST(RecalcCategory, TotalsAndAverages) {
    // The possible points, each student's score fields ("" keeps the blank cell), the expected student totals
    // and the class-average row ("" when the case is only about the totals).
    const struct {
        const char* name;
        std::vector<std::string> possible;
        std::vector<std::vector<std::string>> scores;
        std::vector<std::string> totals;
        std::string averages;
    } cases[] = {
        {"worked example", {"10", "20"}, {{"7", "15"}}, {"  73"}, "  73   7  15"},
        {"no possible points", {"", ""}, {{"5", "7"}, {"", ""}}, {" 100", " 100"}, " 100   3   4"},
        {"four digits count three", {"1000", "500"}, {{"1234", "16"}}, {"  50"}, "  50 234  16"},
        {"blank counts zero in averages", {"10"}, {{"10"}, {""}, {"0"}}, {" 100", "   0", "   0"}, "  33   3"},
        {"total rounds half up", {"8"}, {{"1"}}, {"  13"}, "  13   1"},
        {"average rounds half up", {"10"}, {{"2"}, {"3"}}, {"  20", "  30"}, "  25   3"},
        {"negative score", {"100"}, {{"-5"}}, {"  -5"}, "  -5  -5"},
        {"negative possible counts positive", {"-10"}, {{"5"}}, {"  50"}, "  50   5"},
        {"fractions", {"4"}, {{"1.5"}}, {"  38"}, "  38   2"},
        {"total above 16 bits is clamped", {"1"}, {{"999"}}, {"2767"}, ""},
        {"total below 16 bits is clamped", {".01"}, {{"-99"}}, {"2768"}, ""},
        {"first character of a cell is not read", {"5"}, {{"9  3"}}, {"  60"}, "  60   3"},
        {"dots and words count zero", {"10", "10"}, {{"...", "abc"}, {"4", "x5"}}, {"   0", "  20"}, "  10   2   0"},
    };
    for (const auto& t : cases) {
        const int fields = static_cast<int>(t.possible.size()) + 1;
        Document doc = MakeDocument(static_cast<int>(t.scores.size()), {{"Cat", 100, fields, 4}});
        for (int f = 1; f < fields; ++f) {
            if (!t.possible[f - 1].empty())
                SetField(doc, doc.PossibleRow(), 2, f, t.possible[f - 1]);
            for (int r = 1; r <= doc.NumStudents; ++r)
                if (!t.scores[r - 1][f - 1].empty())
                    SetField(doc, r, 2, f, t.scores[r - 1][f - 1]);
        }
        Document want = doc;
        RecalcCategory(doc, 2);

        // Only the total cells and the class-average row are written.
        for (int r = 1; r <= doc.NumStudents; ++r) {
            EXPECT_EQ(Field(doc, r, 2, 0), t.totals[r - 1]) << t.name << " student " << r;
            want.CatData(r, 2).replace(0, 4, Field(doc, r, 2, 0));
        }
        if (!t.averages.empty()) {
            EXPECT_EQ(doc.CatData(0, 2), t.averages) << t.name;
        }
        want.CatData(0, 2) = doc.CatData(0, 2);
        EXPECT_EQ(doc, want) << t.name;
    }
}

TEST(RecalcCategory, OnlyUserCategories) {
    Document doc = DefaultDocument();
    SetField(doc, doc.PossibleRow(), 2, 1, "10");
    SetField(doc, 3, 2, 1, "4");
    const Document before = doc;
    for (int c : {-1, 0, 1, 5, 6, 100}) {
        RecalcCategory(doc, c);
        EXPECT_EQ(doc, before) << c;
    }
    RecalcCategory(doc, 2);
    EXPECT_EQ(Field(doc, 3, 2, 0), "  40");
    EXPECT_EQ(doc.CatData(0, 3), before.CatData(0, 3)) << "other categories stay stale";
}

TEST(RecalcSummary, WeightedAndAdjustedTotals) {
    const struct {
        const char* name;
        std::vector<int> weights;
        std::vector<std::string> totals;
        std::string adj;
        int divisor; // -1: the sum of the weights
        std::string tot, TOT;
    } cases[] = {
        {"worked example", {34, 33, 33}, {"  73", "  80", "  90"}, "2", -1, "  81", "  83"},
        {"T 80.5", {50, 50}, {"  80", "  81"}, "0", -1, "  81", "  81"},
        {"T 80.4 adj 0.2", {60, 40}, {"  80", "  81"}, "0.2", -1, "  80", "  81"},
        {"no weights", {0, 0}, {"  80", "  90"}, "7", -1, "   0", "   7"},
        {"no weights fraction adj", {0}, {"  80"}, "2.5", -1, "   0", "   3"},
        {"negative adj", {100}, {"  75"}, "-5", -1, "  75", "  70"},
        {"fraction copied as is", {100}, {"80.5"}, "...", -1, "  81", "  81"},
        {"blank totals count zero", {50, 50}, {" ...", "  90"}, "0", -1, "  45", "  45"},
        {"weighted total above 16 bits", {32767}, {"9999"}, "0", 1, "2767", "2767"},
    };
    for (const auto& t : cases) {
        std::vector<CatShape> cats;
        for (int w : t.weights)
            cats.push_back({"C", w, 2, 3});
        Document doc = MakeDocument(2, cats);
        if (t.divisor >= 0)
            doc.CatWeight[0] = static_cast<std::int16_t>(t.divisor);
        const int n = static_cast<int>(t.weights.size());
        for (int k = 0; k < n; ++k)
            SetField(doc, 2, k + 2, 0, t.totals[k]);
        SetField(doc, 2, 0, n + 2, t.adj);
        SetField(doc, 2, 0, 0, "A");
        Document want = doc;
        RecalcSummary(doc);

        // Row 2 gets the category totals copied as they are, tot and TOT; the grade and adj are the user's.
        std::string cells;
        for (int k = 0; k < n; ++k)
            cells += Field(doc, 2, k + 2, 0);
        ReplaceAt(want.CatData(2, 0), CellWidth + 1, cells);
        ReplaceAt(want.CatData(2, 0), (n + 1) * CellWidth + 1, t.tot);
        ReplaceAt(want.CatData(2, 0), (n + 3) * CellWidth + 1, t.TOT);
        EXPECT_EQ(doc.CatData(2, 0), want.CatData(2, 0)) << t.name;
        for (int r : {0, 1, doc.PossibleRow()})
            want.CatData(r, 0) = doc.CatData(r, 0);
        EXPECT_EQ(doc, want) << t.name << ": nothing but the SUMMARY rows changes";
    }
}

// No possible points anywhere: every total is 100. A category inserted after creation leaves a blank
// SUMMARY column, also in the possible-points row; the next summary writes 100 there.
TEST(RecalcAll, DefaultDocumentWithANewCategory) {
    Document doc = DefaultDocument();
    InsertCategory(doc, doc.NumCats, 2, 3, "Project", 0);
    ASSERT_EQ(doc.CatData(doc.PossibleRow(), 0), " 100 100 100 100     100   0 100");
    RecalcAll(doc);
    EXPECT_EQ(doc.CatData(doc.PossibleRow(), 0), " 100 100 100 100 100 100   0 100");
    EXPECT_EQ(doc.CatData(1, 0), "     100 100 100 100 100 ... 100");
    EXPECT_EQ(doc.CatData(0, 0), "     100 100 100 100 100 ... 100");
    EXPECT_EQ(doc.CatData(0, 2), " 100   0");
}

TEST(RecalcAll, WorkedExampleEndToEnd) {
    Document doc = MakeDocument(1, {{"A", 34, 3, 3}, {"B", 33, 2, 3}, {"C", 33, 2, 3}});
    const int p = doc.PossibleRow();
    SetField(doc, p, 2, 1, "10");
    SetField(doc, p, 2, 2, "20");
    SetField(doc, 1, 2, 1, "7");
    SetField(doc, 1, 2, 2, "15");
    SetField(doc, p, 3, 1, "10");
    SetField(doc, 1, 3, 1, "8");
    SetField(doc, p, 4, 1, "10");
    SetField(doc, 1, 4, 1, "9");
    SetField(doc, 1, 0, 5, "2");
    RecalcAll(doc);
    EXPECT_EQ(doc.CatData(1, 0), "      73  80  90  81   2  83");
    EXPECT_EQ(doc.CatData(0, 0).substr(4, 16), "  73  80  90  81");
    EXPECT_EQ(doc.CatData(0, 2), "  73   7  15");
}

// An empty class has no average: every average is 0 rather than a division by zero.
TEST(RecalcAll, NoStudents) {
    Document doc = MakeDocument(1, {{"A", 100, 3, 3}});
    doc.NumStudents = 0;
    for (auto& rows : doc.Grid)
        rows.erase(rows.begin() + 1);
    SetField(doc, doc.PossibleRow(), 2, 1, "10");
    RecalcAll(doc);
    EXPECT_EQ(doc.CatData(0, 2), "   0   0   0");
    EXPECT_EQ(doc.CatData(doc.PossibleRow(), 0), " 100 100 100   0 100");
    EXPECT_EQ(InvariantViolations(doc), "");
}

} // namespace
