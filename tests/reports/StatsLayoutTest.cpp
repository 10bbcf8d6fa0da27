// The statistics as the window and the paper show them, on round metrics: every character 100 twips wide, a line
// 200 high.

#include <gtest/gtest.h>

#include "reports/StatsLayout.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

TextExtent Round(const ReportFont& /*font*/, std::string_view text) {
    return {100.0 * static_cast<double>(text.size()), 200};
}

// Bars low to high, as tall as their students; each grade minimum where it falls within its bin, a letter that
// would touch the one before it on the second row.
TEST(StatsLayout, HistogramBarsAndMinimums) {
    Document doc = MakeDocument(4, {{"T", 100, 2, 3}});
    for (const auto& [s, tot] : {std::pair{1, "85"}, {2, "89"}, {3, "100"}, {4, "5"}})
        SetField(doc, s, 0, 4, tot);
    doc.GradeMin[2] = 87;
    const auto items = LayoutHistogram(ClassStatistics(doc, 0), 0, 0, 10000, 4000, Round);
    std::vector<std::pair<double, double>> bars, marks;
    for (const ReportItem& item : items)
        if (item.Type == ReportItem::Box)
            bars.emplace_back(item.X, item.Height);
        else if (item.Type == ReportItem::Line && item.Thickness == 2)
            marks.emplace_back(item.X, item.Y);
    // Room for bars: 4000 less the bins' labels (240), the letters (500) and a count (200).
    EXPECT_EQ(bars, (std::vector<std::pair<double, double>>{{150, 1530}, {8150, 3060}, {9150, 1530}}));
    EXPECT_EQ(marks, (std::vector<std::pair<double, double>>{
                         {0, 200}, {5000, 200}, {6000, 200}, {7000, 200}, {8700, 200}, {9000, 400}}));
}

// A table longer than the page goes on at the top of the next, its headings again; SUMMARY adds the histogram and
// the letters.
TEST(StatsLayout, PrintedPages) {
    Document doc = MakeDocument(1, {{"T", 100, 21, 3}});
    for (int f = 1; f <= 20; ++f)
        SetField(doc, 1, 2, f, "7");
    const double pageHeight = 3000;
    int pages = 1, headings = 0;
    for (const ReportItem& item : LayoutStatsPrint(doc, ClassStatistics(doc, 2), 10000, pageHeight, Round)) {
        pages += item.Type == ReportItem::NewPage;
        headings += item.Value == "Field";
        if (item.Type == ReportItem::Text) {
            EXPECT_LE(item.Y + item.Height, pageHeight) << item.Value;
        }
    }
    EXPECT_EQ(std::pair(pages, headings), std::pair(4, 4));

    std::vector<std::string> texts;
    const auto summary = LayoutStatsPrint(doc, ClassStatistics(doc, 0), 10000, 16000, Round);
    for (const ReportItem& item : summary)
        texts.push_back(item.Value);
    for (const std::string& text :
         {std::string("TOT in bins of 10 points (100 counts in 90-100); the lines mark the grade minimums"),
          std::string("Letter grades as assigned"), std::string("A 90")})
        EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << text;
    EXPECT_EQ(summary.back().Type, ReportItem::EndDoc);
}

} // namespace
