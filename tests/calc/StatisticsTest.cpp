#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "calc/Statistics.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

// Small classes worked out by hand: an odd and an even count for the median, one student, nobody.
TEST(Statistics, DescribesSmallClasses) {
    const std::tuple<std::vector<double>, int, double, double, double, double, double> cases[] = {
        {{9, 2, 4}, 3, 5, 4, std::sqrt(26.0 / 3), 2, 9},
        {{10, 1, 3, 2}, 4, 4, 2.5, std::sqrt(12.5), 1, 10},
        {{7}, 1, 7, 7, 0, 7, 7},
        {{}, 0, 0, 0, 0, 0, 0}};
    for (const auto& [values, count, mean, median, sd, lowest, highest] : cases) {
        const ColumnStats s = Describe(values);
        EXPECT_EQ(std::tie(s.Count, s.Mean, s.Median, s.Lowest, s.Highest),
                  std::tie(count, mean, median, lowest, highest));
        EXPECT_NEAR(s.StdDev, sd, 1e-12) << count;
    }
}

// Dots and blanks are no value; a field nobody has a value in is left out, the total never is; 0 is a value.
TEST(Statistics, UserCategoryLeavesEmptyCellsOut) {
    Document doc = MakeDocument(4, {{"Tests", 100, 4, 3}});
    for (const auto& [s, f, v] : {std::tuple{1, 1, "4"}, {3, 1, "    "}, {4, 1, "6"}, {2, 3, "0"}})
        SetField(doc, s, 2, f, v);
    SetField(doc, doc.PossibleRow(), 2, 1, "10");
    const CategoryStats stats = ClassStatistics(doc, 2);
    std::vector<std::tuple<std::string, int, double, std::optional<double>>> got;
    for (const ColumnStats& c : stats.Columns)
        got.emplace_back(c.Title, c.Count, c.Mean, c.Possible);
    EXPECT_EQ(got, (decltype(got){{"1", 2, 5, 10}, {"3", 1, 0, std::nullopt}, {"Tot", 0, 0, 100}}));
}

// TOT at the bins' edges, the grade levels marked in the bins of their minimums, the letters counted as assigned.
TEST(Statistics, SummaryHistogramAndGrades) {
    Document doc = MakeDocument(9, {{"T", 100, 2, 3}});
    const char* const tot[] = {"-1", "0", "9", "10", "89", "90", "100", "101", "..."};
    const char* const letter[] = {"A", "A", "B", "", "Z", "A", "", "", ""};
    for (int s = 1; s <= 9; ++s) {
        SetField(doc, s, 0, 4, tot[s - 1]);
        SetField(doc, s, 0, 0, letter[s - 1]);
    }
    const CategoryStats stats = ClassStatistics(doc, 0);
    std::string bins; // each bin's label, students and the letters whose minimum falls in it
    for (const HistogramBin& b : stats.Histogram) {
        bins += b.Label + ":" + std::to_string(b.Students);
        for (int k : b.Levels)
            bins += stats.Grades[static_cast<std::size_t>(k)].Letter;
        bins += " ";
    }
    EXPECT_EQ(bins, "above 100:1 90-100:2A 80-89:1B 70-79:0C 60-69:0D 50-59:0F 40-49:0 30-39:0 20-29:0 10-19:1 0-9:2I "
                    "below 0:1 ");
    std::vector<int> counts;
    for (const GradeCount& g : stats.Grades)
        counts.push_back(g.Students);
    EXPECT_EQ(std::tie(counts, stats.Ungraded, stats.Unlisted), std::tuple(std::vector{3, 1, 0, 0, 0, 0}, 4, 1));

    const auto lines = StatisticsLines(doc, stats);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "  90-100       2  **  A from 90"), lines.end());
}

} // namespace
