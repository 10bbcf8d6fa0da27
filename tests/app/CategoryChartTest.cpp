// The two category charts laid out on round metrics: 100 twips a character, 200 twips a line.

#include <gtest/gtest.h>

#include "support/TestDocuments.h"
#include "widgets/CategoryChart.h"

using namespace markroll;

namespace {

TwipSize FakeMeasure(std::string_view text) {
    return {100.0 * double(text.size()), 200};
}

/// The chart as numbers: heading position and colour, box size, window size, then x, y and colours of each box.
std::vector<double> Numbers(const CategoryChart& c) {
    std::vector<double> n = {c.headingX,  c.headingY,    double(c.headingColor), c.boxWidth,
                             c.boxHeight, c.windowWidth, c.windowHeight};
    for (const ChartEntry& e : c.entries)
        n.insert(n.end(), {e.x, e.y, double(e.boxColor), double(e.textColor)});
    return n;
}

} // namespace

TEST(CategoryChart, CategoriesViewerIsSizedToTheWidestCaption) {
    const CategoryChart chart = LayoutCatView(test::MakeDocument(5, {{"Tests", 40, 12}}), FakeMeasure);
    EXPECT_EQ(chart.heading, "3 categories");
    EXPECT_EQ(chart.entries[1].text, "1. NAME DATA [0%] - {2}");
    EXPECT_EQ(chart.entries[2].text, "2. Tests [40%] - {12}");
    EXPECT_EQ(Numbers(chart),
              (std::vector<double>{950, 100, ColorYellow, 2300, 200, 3100, 2200, 300, 500, ColorRed, ColorYellow, 300,
                                   900, ColorRed, ColorYellow, 300, 1300, ColorLightGreen, ColorBlack}));
}

TEST(CategoryChart, PlanOverview) {
    Document doc;
    const CategoryChart chart = LayoutPlanOverview(Initialize(doc, false), FakeMeasure);
    EXPECT_EQ(chart.heading, "5 categories");
    EXPECT_EQ(chart.entries[2].text, "2. Catagory 2 [34%] - {2} ( 3)");
    const std::vector<double> n = Numbers(chart);
    EXPECT_EQ(std::vector<double>(n.begin(), n.begin() + 8),
              (std::vector<double>{5350, 100, ColorBlack, 3000, 200, 0, 0, 4450}));
    EXPECT_EQ(chart.entries[4].y, 1600);
}
