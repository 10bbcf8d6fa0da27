// The two category charts laid out on round metrics: 100 twips a character, 200 twips a line. Each chart
// reads as its heading, then the heading's place and colour, the box size, the window size, and each box's
// place and colours.

#include <gtest/gtest.h>

#include "support/TestDocuments.h"
#include "widgets/CategoryChart.h"

using namespace markroll;

TEST(CategoryChart, ViewerAndPlanOverview) {
    const auto measure = [](std::string_view text) { return TwipSize{100.0 * double(text.size()), 200}; };
    Document plan;
    const CategoryChart charts[] = {LayoutCatView(test::MakeDocument(5, {{"Tests", 40, 12}}), measure),
                                    LayoutPlanOverview(Initialize(plan, false), measure)};
    const std::string want[] = {
        "3 categories 950,100,14 2300x200 3100x2200 | 0. SUMMARY [40%] - {5} 300,500,4,14 "
        "| 1. NAME DATA [0%] - {2} 300,900,4,14 | 2. Tests [40%] - {12} 300,1300,10,0",
        "5 categories 5350,100,0 3000x200 0x0 | 0. SUMMARY [100%] - {7} ( 3) 4450,400,4,14 "
        "| 1. NAME DATA [0%] - {2} ( 42) 4450,700,4,14 | 2. Catagory 2 [34%] - {2} ( 3) 4450,1000,10,0 "
        "| 3. Catagory 3 [33%] - {2} ( 3) 4450,1300,10,0 | 4. Catagory 4 [33%] - {2} ( 3) 4450,1600,10,0"};
    for (int i = 0; i < 2; ++i) {
        const CategoryChart& c = charts[i];
        const auto n = [](double x) { return std::to_string(int(x)); };
        std::string got = c.heading + " " + n(c.headingX) + "," + n(c.headingY) + "," + n(c.headingColor) + " " +
                          n(c.boxWidth) + "x" + n(c.boxHeight) + " " + n(c.windowWidth) + "x" + n(c.windowHeight);
        for (const ChartEntry& e : c.entries)
            got += " | " + e.text + " " + n(e.x) + "," + n(e.y) + "," + n(e.boxColor) + "," + n(e.textColor);
        EXPECT_EQ(got, want[i]);
    }
}
