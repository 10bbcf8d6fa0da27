#include "widgets/CategoryChart.h"

#include <algorithm>

#include "calc/CatCaption.h"
#include "document/TextNumber.h"

namespace markroll {

std::string CategoriesHeading(int count) {
    return NumTextTrim(count) + " categories";
}

namespace {

bool FixedCategory(int c) {
    return c < 2;
}

// Measures the lines and places them one under the other; the caller sets the heading and window.
CategoryChart Stack(const std::vector<std::string>& lines, const TextMeasure& measure, double x, double top,
                    double pitch) {
    CategoryChart chart;
    for (const std::string& line : lines) {
        const TwipSize size = measure(line);
        chart.boxWidth = std::max(chart.boxWidth, size.width);
        chart.boxHeight = std::max(chart.boxHeight, size.height);
    }
    double y = top;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool fixed = FixedCategory(static_cast<int>(i));
        chart.entries.push_back({lines[i], x, y, fixed ? ColorRed : ColorLightGreen, fixed ? ColorYellow : ColorBlack});
        y += pitch * chart.boxHeight;
    }
    return chart;
}

} // namespace

std::vector<std::string> PlanOverviewLines(const CategoryPlan& plan) {
    std::vector<std::string> lines;
    const int cats = std::clamp<int>(plan.PlanCats, 0, MaxCats);
    for (int i = 0; i < cats; ++i) {
        const auto k = static_cast<std::size_t>(i);
        lines.push_back(CatCaption(i, plan.PlanName[k], plan.PlanWeight[k], plan.PlanFields[k]) + " (" +
                        NumText(plan.PlanLen[k]) + ")");
    }
    return lines;
}

std::vector<std::string> DocumentCaptions(const Document& doc) {
    std::vector<std::string> captions;
    // A document read from a hand-edited file may have fewer entries than its count claims.
    const std::size_t cats = std::min({static_cast<std::size_t>(std::max<int>(doc.NumCats, 0)), doc.CatName.size(),
                                       doc.CatWeight.size(), doc.CatFields.size()});
    for (std::size_t c = 0; c < cats; ++c)
        captions.push_back(CatCaption(static_cast<double>(c), doc.CatName[c], doc.CatWeight[c], doc.CatFields[c]));
    return captions;
}

CategoryChart LayoutPlanOverview(const CategoryPlan& plan, const TextMeasure& measure) {
    CategoryChart chart = Stack(PlanOverviewLines(plan), measure, OverviewLeft, OverviewFirstTop, 1.5);
    chart.heading = CategoriesHeading(plan.PlanCats);
    chart.headingColor = ColorBlack;
    chart.headingX = OverviewLeft + (chart.boxWidth - measure(chart.heading).width) / 2;
    chart.headingY = OverviewHeadingTop;
    return chart;
}

CategoryChart LayoutCatView(const Document& doc, const TextMeasure& measure) {
    const std::vector<std::string> captions = DocumentCaptions(doc);
    // First measure, then place: the boxes' left edge depends on the window width, which depends on W.
    CategoryChart chart = Stack(captions, measure, 0, 500, 2.0);
    chart.windowWidth = chart.boxWidth + 800;
    chart.windowHeight = 2.0 * static_cast<double>(captions.size()) * chart.boxHeight + 1000;
    const double x = (chart.windowWidth - chart.boxWidth - 200) / 2;
    for (ChartEntry& entry : chart.entries)
        entry.x = x;
    chart.heading = CategoriesHeading(static_cast<int>(captions.size()));
    chart.headingColor = ColorYellow;
    chart.headingX = (chart.windowWidth - measure(chart.heading).width) / 2;
    chart.headingY = 100;
    return chart;
}

} // namespace markroll
