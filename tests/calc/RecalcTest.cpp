#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "calc/Recalc.h"
#include "calc/Structure.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

// Possible points and score fields ("": blank) give the totals and the class-average row. No possible points
// total 100; four digits count three (a cell's first character is not read); blanks, dots and words count 0;
// negative possible points count positive; rounding is half up; totals beyond 16 bits clamp, then are cut.
TEST(RecalcCategory, TotalsAndAverages) {
    using Texts = std::vector<std::string>;
    // clang-format off
    const std::tuple<Texts, std::vector<Texts>, Texts, std::string> cases[] = {
        {{"10", "20"}, {{"7", "15"}}, {"  73"}, "  73   7  15"},
        {{"", ""}, {{"5", "7"}, {"", ""}}, {" 100", " 100"}, " 100   3   4"},
        {{"1000", "500"}, {{"1234", "16"}}, {"  50"}, "  50 234  16"},
        {{"10"}, {{"10"}, {""}, {"0"}}, {" 100", "   0", "   0"}, "  33   3"},
        {{"8"}, {{"1"}}, {"  13"}, "  13   1"}, {{"10"}, {{"2"}, {"3"}}, {"  20", "  30"}, "  25   3"},
        {{"100"}, {{"-5"}}, {"  -5"}, "  -5  -5"}, {{"-10"}, {{"5"}}, {"  50"}, "  50   5"},
        {{"4"}, {{"1.5"}}, {"  38"}, "  38   2"}, {{"1"}, {{"999"}}, {"2767"}, " 767 999"},
        {{".01"}, {{"-99"}}, {"2768"}, " 768 -99"}, {{"5"}, {{"9  3"}}, {"  60"}, "  60   3"},
        {{"10", "10"}, {{"...", "abc"}, {"4", "x5"}}, {"   0", "  20"}, "  10   2   0"},
    };
    // clang-format on
    for (const auto& [possible, scores, totals, averages] : cases) {
        const int fields = static_cast<int>(possible.size()) + 1;
        Document doc = MakeDocument(static_cast<int>(scores.size()), {{"Cat", 100, fields, 4}});
        for (int f = 1; f < fields; ++f) {
            const int p = doc.PossibleRow();
            SetField(doc, p, 2, f, possible[f - 1].empty() ? Field(doc, p, 2, f) : possible[f - 1]);
            for (int r = 1; r <= doc.NumStudents; ++r)
                SetField(doc, r, 2, f, scores[r - 1][f - 1].empty() ? Field(doc, r, 2, f) : scores[r - 1][f - 1]);
        }
        Document want = doc;
        for (int r = 1; r <= doc.NumStudents; ++r)
            ReplaceAt(want.CatData(r, 2), 1, totals[r - 1]);
        want.CatData(0, 2) = averages;
        RecalcCategory(doc, 2);
        EXPECT_EQ(doc, want) << averages;
    }
}

// From the category weights and totals, the adjustment and the divisor (-1: the sum of the weights), tot
// and TOT of one student: weighted and rounded half up (80.5 to 81), no weights give 0, totals are copied
// as they are, a blank reads 0, and a weighted total beyond 16 bits is clamped.
TEST(RecalcSummary, WeightedAndAdjustedTotals) {
    // clang-format off
    const struct { std::vector<int> weights; std::vector<std::string> totals; std::string adj; int divisor;
                   std::string tot, TOT; } cases[] = {
        {{34, 33, 33}, {"  73", "  80", "  90"}, "2", -1, "  81", "  83"},
        {{50, 50}, {"  80", "  81"}, "0", -1, "  81", "  81"}, {{60, 40}, {"  80", "  81"}, "0.2", -1, "  80", "  81"},
        {{0, 0}, {"  80", "  90"}, "7", -1, "   0", "   7"},    {{0}, {"  80"}, "2.5", -1, "   0", "   3"},
        {{100}, {"  75"}, "-5", -1, "  75", "  70"},           {{100}, {"80.5"}, "...", -1, "  81", "  81"},
        {{50, 50}, {" ...", "  90"}, "0", -1, "  45", "  45"}, {{32767}, {"9999"}, "0", 1, "2767", "2767"},
    };
    // clang-format on
    for (const auto& t : cases) {
        std::vector<CatShape> cats;
        for (int w : t.weights)
            cats.push_back({"C", w, 2, 3});
        Document doc = MakeDocument(2, cats);
        doc.CatWeight[0] = static_cast<std::int16_t>(t.divisor < 0 ? doc.CatWeight[0] : t.divisor);
        const int n = static_cast<int>(t.weights.size());
        std::string cells; // the category totals, copied to SUMMARY as they are
        for (int k = 0; k < n; ++k) {
            SetField(doc, 2, k + 2, 0, t.totals[k]);
            cells += Field(doc, 2, k + 2, 0);
        }
        SetField(doc, 2, 0, n + 2, t.adj);
        SetField(doc, 2, 0, 0, "A");
        Document want = doc;
        RecalcSummary(doc);

        // Row 2 gets the category totals, tot and TOT; the grade and adj are the user's.
        ReplaceAt(want.CatData(2, 0), CellWidth + 1, cells);
        ReplaceAt(want.CatData(2, 0), (n + 1) * CellWidth + 1, t.tot);
        ReplaceAt(want.CatData(2, 0), (n + 3) * CellWidth + 1, t.TOT);
        for (int r : {0, 1, doc.PossibleRow()})
            want.CatData(r, 0) = doc.CatData(r, 0);
        EXPECT_EQ(doc, want) << t.tot << ": nothing but the SUMMARY rows changes";
    }
}

// RecalcCategory recalculates one user category and nothing else. A category inserted after creation leaves a
// blank SUMMARY column, possible-points row included, which the next recalculation fills (with 100s here).
TEST(RecalcAll, OneCategoryThenAllWithANewCategory) {
    Document doc = DefaultDocument();
    SetField(doc, doc.PossibleRow(), 2, 1, "10");
    SetField(doc, 3, 2, 1, "4");
    const Document before = doc;
    for (int c : {-1, 0, 1, 5, 6, 100})
        RecalcCategory(doc, c);
    EXPECT_EQ(doc, before);
    RecalcCategory(doc, 2);
    EXPECT_EQ(Field(doc, 3, 2, 0), "  40");
    EXPECT_EQ(doc.CatData(0, 3), before.CatData(0, 3)) << "other categories stay stale";
    doc = DefaultDocument();
    InsertCategory(doc, doc.NumCats, 2, 3, "Project", 0);
    RecalcAll(doc);
    EXPECT_EQ(doc.CatData(doc.PossibleRow(), 0), " 100 100 100 100 100 100   0 100");
    EXPECT_EQ(doc.CatData(1, 0) + "|" + doc.CatData(0, 0),
              "     100 100 100 100 100 ... 100|     100 100 100 100 100 ... 100");
    EXPECT_EQ(doc.CatData(0, 2), " 100   0");
}

} // namespace
