#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "document/Document.h"
#include "document/NewDocument.h"

namespace markroll {

/// A text's size in twips, as the window that will draw it measures it.
struct TwipSize {
    double width = 0;
    double height = 0;
};
using TextMeasure = std::function<TwipSize(std::string_view)>;

/// One category line of a chart: a filled box with its caption on it.
struct ChartEntry {
    std::string text;
    double x = 0;
    double y = 0;
    /// Indices of the 16-colour palette.
    int boxColor = 0;
    int textColor = 0;
};

/// A list of categories drawn as equally wide coloured boxes under a heading; all positions in twips.
struct CategoryChart {
    std::string heading;
    double headingX = 0;
    double headingY = 0;
    int headingColor = 0;
    /// Every box is as wide as the widest caption and as high as the tallest.
    double boxWidth = 0;
    double boxHeight = 0;
    std::vector<ChartEntry> entries;
    /// The size of the window that holds the chart, where the chart sets it (the categories viewer).
    double windowWidth = 0;
    double windowHeight = 0;
};

// The palette indices the charts use.
inline constexpr int ColorBlack = 0;
inline constexpr int ColorDarkBlue = 1;
inline constexpr int ColorRed = 4;
inline constexpr int ColorLightGreen = 10;
inline constexpr int ColorYellow = 14;

/// Left edge and first rows of the create-document dialog's overview.
inline constexpr double OverviewLeft = 4450;
inline constexpr double OverviewHeadingTop = 100;
inline constexpr double OverviewFirstTop = 400;

/// "5 categories": the heading of the category overviews.
std::string CategoriesHeading(int count);

/// The overview lines of a plan: each category's caption followed by its field length in brackets.
std::vector<std::string> PlanOverviewLines(const CategoryPlan& plan);

/// The captions of the document's categories, as the categories viewer lists them.
std::vector<std::string> DocumentCaptions(const Document& doc);

/// The create-document dialog's overview of a plan: boxes at x 4450 from y 400, 1.5 box heights apart,
/// under a black heading centred over them.
CategoryChart LayoutPlanOverview(const CategoryPlan& plan, const TextMeasure& measure);

/// The categories viewer: a window sized to the captions, a yellow heading centred in it, and boxes two
/// box heights apart from y 500.
CategoryChart LayoutCatView(const Document& doc, const TextMeasure& measure);

} // namespace markroll
