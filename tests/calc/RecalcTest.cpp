#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "calc/Recalc.h"
#include "calc/Structure.h"
#include "document/MarkrollFile.h"
#include "support/Invariants.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

// One user category: the possible points, each student's score fields ("" keeps the blank cell) and the
// expected student totals and class-average row.
struct CategoryCase {
    const char* name;
    std::vector<std::string> possible;
    std::vector<std::vector<std::string>> scores;
    std::vector<std::string> totals;
    std::string averages; // "" when the case is only about the totals
};

std::ostream& operator<<(std::ostream& os, const CategoryCase& c) { return os << c.name; }

class RecalcCategoryTest : public ::testing::TestWithParam<CategoryCase> {};

TEST_P(RecalcCategoryTest, TotalsAndAverages) {
    const CategoryCase& t = GetParam();
    const int fields = static_cast<int>(t.possible.size()) + 1;
    Document doc = MakeDocument(static_cast<int>(t.scores.size()), {{"Cat", 100, fields, 4}});
    for (int f = 1; f < fields; ++f)
        if (!t.possible[static_cast<std::size_t>(f - 1)].empty())
            SetField(doc, doc.PossibleRow(), 2, f, t.possible[static_cast<std::size_t>(f - 1)]);
    for (int r = 1; r <= doc.NumStudents; ++r)
        for (int f = 1; f < fields; ++f) {
            const std::string& s = t.scores[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(f - 1)];
            if (!s.empty())
                SetField(doc, r, 2, f, s);
        }
    Document before = doc;

    RecalcCategory(doc, 2);

    for (int r = 1; r <= doc.NumStudents; ++r) {
        EXPECT_EQ(Field(doc, r, 2, 0), t.totals[static_cast<std::size_t>(r - 1)]) << t.name << " student " << r;
        EXPECT_EQ(doc.CatData(r, 2).substr(4), before.CatData(r, 2).substr(4)) << t.name << ": scores unchanged";
    }
    if (!t.averages.empty()) {
        EXPECT_EQ(doc.CatData(0, 2), t.averages) << t.name;
    }
    // Only the total cells and the class-average row are written.
    for (int r = 1; r <= doc.NumStudents; ++r)
        before.CatData(r, 2).replace(0, 4, Field(doc, r, 2, 0));
    before.CatData(0, 2) = doc.CatData(0, 2);
    EXPECT_EQ(doc, before) << t.name;
    EXPECT_EQ(InvariantViolations(doc), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecalcCategoryTest,
    ::testing::Values(
        CategoryCase{"worked example", {"10", "20"}, {{"7", "15"}}, {"  73"}, "  73   7  15"},
        CategoryCase{"no possible points", {"", ""}, {{"5", "7"}, {"", ""}}, {" 100", " 100"}, " 100   3   4"},
        CategoryCase{"four digits count three", {"1000", "500"}, {{"1234", "16"}}, {"  50"}, "  50 234  16"},
        CategoryCase{"blank counts zero in averages", {"10"}, {{"10"}, {""}, {"0"}}, {" 100", "   0", "   0"},
                     "  33   3"},
        CategoryCase{"total rounds half up", {"8"}, {{"1"}}, {"  13"}, "  13   1"},
        CategoryCase{"average rounds half up", {"10"}, {{"2"}, {"3"}}, {"  20", "  30"}, "  25   3"},
        CategoryCase{"negative score", {"100"}, {{"-5"}}, {"  -5"}, "  -5  -5"},
        CategoryCase{"negative possible counts positive", {"-10"}, {{"5"}}, {"  50"}, "  50   5"},
        CategoryCase{"fractions", {"4"}, {{"1.5"}}, {"  38"}, "  38   2"},
        CategoryCase{"total above 16 bits is clamped", {"1"}, {{"999"}}, {"2767"}, ""},
        CategoryCase{"total below 16 bits is clamped", {".01"}, {{"-99"}}, {"2768"}, ""},
        CategoryCase{"first character of a cell is not read", {"5"}, {{"9  3"}}, {"  60"}, "  60   3"},
        CategoryCase{"dots and words count zero", {"10", "10"}, {{"...", "abc"}, {"4", "x5"}}, {"   0", "  20"},
                     "  10   2   0"}));

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
    EXPECT_EQ(Field(doc, 1, 2, 0), "   0");
    EXPECT_EQ(Field(doc, 0, 2, 0), "   1");
    EXPECT_EQ(doc.CatData(0, 3), before.CatData(0, 3)) << "other categories stay stale";
}

struct SummaryCase {
    const char* name;
    std::vector<int> weights;
    std::vector<std::string> totals;
    std::string adj;
    int divisor; // -1: the sum of the weights
    std::string tot;
    std::string TOT;
};

std::ostream& operator<<(std::ostream& os, const SummaryCase& c) { return os << c.name; }

class RecalcSummaryTest : public ::testing::TestWithParam<SummaryCase> {};

TEST_P(RecalcSummaryTest, WeightedAndAdjustedTotals) {
    const SummaryCase& t = GetParam();
    std::vector<CatShape> cats;
    for (int w : t.weights)
        cats.push_back({"C", w, 2, 3});
    Document doc = MakeDocument(2, cats);
    if (t.divisor >= 0)
        doc.CatWeight[0] = static_cast<std::int16_t>(t.divisor);
    const int n = static_cast<int>(t.weights.size());
    for (int k = 0; k < n; ++k)
        SetField(doc, 2, k + 2, 0, t.totals[static_cast<std::size_t>(k)]);
    SetField(doc, 2, 0, n + 2, t.adj);
    SetField(doc, 2, 0, 0, "A");
    const Document before = doc;

    RecalcSummary(doc);

    for (int k = 0; k < n; ++k)
        EXPECT_EQ(Field(doc, 2, 0, k + 1), Field(doc, 2, k + 2, 0)) << t.name << ": category " << k + 2;
    EXPECT_EQ(Field(doc, 2, 0, n + 1), t.tot) << t.name;
    EXPECT_EQ(Field(doc, 2, 0, n + 2), Field(before, 2, 0, n + 2)) << t.name << ": adj is the user's";
    EXPECT_EQ(Field(doc, 2, 0, n + 3), t.TOT) << t.name;
    EXPECT_EQ(Field(doc, 2, 0, 0), "   A") << t.name << ": the grade is not touched";
    EXPECT_EQ(doc.CatData(doc.TitleRow(), 0), before.CatData(doc.TitleRow(), 0));
    for (int c = 1; c < doc.NumCats; ++c)
        EXPECT_EQ(doc.Grid[static_cast<std::size_t>(c)], before.Grid[static_cast<std::size_t>(c)]);
    if (t.divisor < 0) {
        EXPECT_EQ(InvariantViolations(doc), "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecalcSummaryTest,
    ::testing::Values(SummaryCase{"worked example", {34, 33, 33}, {"  73", "  80", "  90"}, "2", -1, "  81", "  83"},
                      SummaryCase{"T 80.5", {50, 50}, {"  80", "  81"}, "0", -1, "  81", "  81"},
                      SummaryCase{"T 80.4 adj 0.2", {60, 40}, {"  80", "  81"}, "0.2", -1, "  80", "  81"},
                      SummaryCase{"no weights", {0, 0}, {"  80", "  90"}, "7", -1, "   0", "   7"},
                      SummaryCase{"no weights fraction adj", {0}, {"  80"}, "2.5", -1, "   0", "   3"},
                      SummaryCase{"negative adj", {100}, {"  75"}, "-5", -1, "  75", "  70"},
                      SummaryCase{"fraction copied as is", {100}, {"80.5"}, "...", -1, "  81", "  81"},
                      SummaryCase{"blank totals count zero", {50, 50}, {" ...", "  90"}, "0", -1, "  45", "  45"},
                      SummaryCase{"weighted total above 16 bits", {32767}, {"9999"}, "0", 1, "2767", "2767"}));

TEST(RecalcSummary, DefaultDocumentRows) {
    Document doc = DefaultDocument();
    RecalcAll(doc);
    EXPECT_EQ(doc.CatData(doc.PossibleRow(), 0), " 100 100 100 100 100   0 100");
    // No possible points anywhere: every total is 100.
    EXPECT_EQ(doc.CatData(1, 0), "     100 100 100 100 ... 100");
    EXPECT_EQ(doc.CatData(0, 0), "     100 100 100 100 ... 100");
    EXPECT_EQ(doc.CatData(0, 2), " 100   0");
    EXPECT_EQ(doc.CatData(doc.TitleRow(), 0), " GR    1   2   3 tot adj TOT");
    EXPECT_EQ(InvariantViolations(doc), "");
}

// A category inserted after creation leaves a blank SUMMARY column, also in the possible-points row; the
// next summary writes 100 there.
TEST(RecalcSummary, PossibleRowOfNewCategory) {
    Document doc = DefaultDocument();
    InsertCategory(doc, doc.NumCats, 2, 3, "Project", 0);
    ASSERT_EQ(doc.CatData(doc.PossibleRow(), 0), " 100 100 100 100     100   0 100");
    RecalcAll(doc);
    EXPECT_EQ(doc.CatData(doc.PossibleRow(), 0), " 100 100 100 100 100 100   0 100");
    EXPECT_EQ(InvariantViolations(doc), "");
}

TEST(RecalcAll, WorkedExampleEndToEnd) {
    Document doc = MakeDocument(1, {{"A", 34, 3, 3}, {"B", 33, 2, 3}, {"C", 33, 2, 3}});
    SetField(doc, doc.PossibleRow(), 2, 1, "10");
    SetField(doc, doc.PossibleRow(), 2, 2, "20");
    SetField(doc, 1, 2, 1, "7");
    SetField(doc, 1, 2, 2, "15");
    SetField(doc, doc.PossibleRow(), 3, 1, "10");
    SetField(doc, 1, 3, 1, "8");
    SetField(doc, doc.PossibleRow(), 4, 1, "10");
    SetField(doc, 1, 4, 1, "9");
    SetField(doc, 1, 0, 5, "2");
    RecalcAll(doc);
    EXPECT_EQ(doc.CatData(1, 0), "      73  80  90  81   2  83");
    EXPECT_EQ(doc.CatData(0, 0).substr(4, 16), "  73  80  90  81");
    EXPECT_EQ(doc.CatData(0, 2), "  73   7  15");
}

TEST(SumWeights, SumOfUserWeightsWithinSixteenBits) {
    const struct {
        std::vector<int> weights;
        int sum;
    } cases[] = {{{34, 33, 33}, 100}, {{0}, 0}, {{600, 300, 300}, 1200}, {{30000, 30000}, 32767}, {{5, -8}, -3}};
    for (const auto& c : cases) {
        Document doc = MakeDocument(1, std::vector<CatShape>(c.weights.size(), {"C", 0, 2, 3}));
        for (std::size_t i = 0; i < c.weights.size(); ++i)
            doc.CatWeight[i + 2] = static_cast<std::int16_t>(c.weights[i]);
        doc.CatWeight[0] = 1;
        SumWeights(doc);
        EXPECT_EQ(doc.CatWeight[0], c.sum);
    }
}

TEST(RecalcAll, NoStudents) {
    Document doc = MakeDocument(1, {{"A", 100, 3, 3}});
    doc.NumStudents = 0;
    for (auto& rows : doc.Grid)
        rows.erase(rows.begin() + 1);
    ASSERT_EQ(InvariantViolations(doc), "");
    SetField(doc, doc.PossibleRow(), 2, 1, "10");
    RecalcAll(doc);
    EXPECT_EQ(doc.CatData(0, 2), "   0   0   0");
    EXPECT_EQ(doc.CatData(doc.PossibleRow(), 0), " 100 100 100   0 100");
    EXPECT_EQ(InvariantViolations(doc), "");
}

} // namespace
