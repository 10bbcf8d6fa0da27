#include "reports/StatsLayout.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>

#include "calc/CatCaption.h"
#include "document/CsvExport.h"
#include "document/TextNumber.h"
#include "reports/ReportItems.h"

namespace markroll {

namespace {

constexpr Rgb Black = 0x000000;
constexpr Rgb Grey = 0x808080;
constexpr Rgb BarColor = 0x4682B4;
constexpr Rgb MarkColor = 0xC00000;
constexpr double TopY = 600;
constexpr double CellPad = 300;
constexpr double BinWidth = 10;

const ReportFont TitleFont{"MS Sans Serif", 14, true};
const ReportFont HeadFont{"MS Sans Serif", 10, true};
const ReportFont BodyFont{"MS Sans Serif", 10, false};
const ReportFont ChartFont{"MS Sans Serif", 8, false};

std::string Fixed(double x) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", x);
    return buf;
}

// A table of texts centred on the page: the first column left-aligned, the figures right-aligned under their
// headings; a row that would pass the foot of the page starts a new page with the headings again.
template <std::size_t N>
double PlaceTable(ReportItems& items, const std::array<const char*, N>& headings,
                  const std::vector<std::array<std::string, N>>& rows, double pageWidth, double pageHeight, double y) {
    std::array<double, N> widths{};
    for (std::size_t c = 0; c < N; ++c) {
        widths[c] = items.Measure(HeadFont, headings[c]).Width;
        for (const auto& row : rows)
            widths[c] = std::max(widths[c], items.Measure(BodyFont, row[c]).Width);
    }
    double total = 0;
    for (const double w : widths)
        total += w + CellPad;
    const double left = std::max(0.0, (pageWidth - total + CellPad) / 2);
    const double pitch = items.Measure(BodyFont, "0").Height * 1.3;
    const auto place = [&](const std::array<std::string, N>& texts, const ReportFont& font) {
        double x = left;
        for (std::size_t c = 0; c < N; ++c) {
            if (c == 0)
                items.Text(font, Black, x, y, texts[c]);
            else
                items.Right(font, Black, x + widths[c], y, texts[c]);
            x += widths[c] + CellPad;
        }
        y += pitch;
    };
    const auto head = [&] {
        std::array<std::string, N> texts;
        std::copy(headings.begin(), headings.end(), texts.begin());
        place(texts, HeadFont);
        items.Line(left, y - pitch * 0.15, left + total - CellPad, y - pitch * 0.15, Black);
    };
    head();
    for (const auto& row : rows) {
        if (y + pitch > pageHeight) {
            items.Mark(ReportItem::NewPage);
            y = TopY;
            head();
        }
        place(row, BodyFont);
    }
    return y;
}

// The lower edge of a numbered bin ("80-89"); none for the bins above 100 and below 0.
std::optional<double> LowerEdge(const std::string& label) {
    if (label.empty() || !std::isdigit(static_cast<unsigned char>(label[0])))
        return std::nullopt;
    return std::stod(label);
}

} // namespace

std::vector<int> StatsCategories(const Document& doc) {
    std::vector<int> cats;
    for (int c = 0; c < doc.NumCats; ++c)
        if (c == 0 || doc.IsUserCat(c))
            cats.push_back(c);
    return cats;
}

int StatsFirstCategory(const Document& doc, int edCat) {
    return doc.IsUserCat(edCat) ? edCat : 0;
}

std::string StatsCategoryLabel(const Document& doc, int c) {
    if (c < 0 || c >= doc.NumCats)
        return {};
    const auto k = static_cast<std::size_t>(c);
    return CatCaption(c, doc.CatName[k], doc.CatWeight[k], doc.CatFields[k]);
}

std::array<std::string, 8> FigureTexts(const ColumnStats& s) {
    const bool any = s.Count > 0;
    const auto figure = [any](std::string text) { return any ? text : std::string("-"); };
    return {s.Title,
            NumTextTrim(s.Count),
            figure(Fixed(s.Mean)),
            figure(Fixed(s.Median)),
            figure(Fixed(s.StdDev)),
            figure(NumTextTrim(s.Lowest)),
            figure(NumTextTrim(s.Highest)),
            s.Possible ? NumTextTrim(*s.Possible) : "-"};
}

std::vector<std::array<std::string, 3>> GradeTexts(const CategoryStats& stats) {
    std::vector<std::array<std::string, 3>> rows;
    if (stats.Category != 0)
        return rows;
    for (const GradeCount& g : stats.Grades)
        rows.push_back({g.Letter, NumTextTrim(g.Minimum), NumTextTrim(g.Students)});
    rows.push_back({"no letter", "", NumTextTrim(stats.Ungraded)});
    if (stats.Unlisted > 0)
        rows.push_back({"not in table", "", NumTextTrim(stats.Unlisted)});
    return rows;
}

std::vector<ReportItem> LayoutHistogram(const CategoryStats& stats, double x, double y, double width, double height,
                                        const FontMeasure& measure) {
    ReportItems items(measure);
    const std::vector<HistogramBin> bins(stats.Histogram.rbegin(), stats.Histogram.rend());
    if (bins.empty())
        return {};
    const double th = items.Measure(ChartFont, "0").Height;
    const double slot = width / static_cast<double>(bins.size());
    int most = 1;
    bool twoLines = false;
    for (const HistogramBin& bin : bins) {
        most = std::max(most, bin.Students);
        twoLines = twoLines || items.Measure(ChartFont, bin.Label).Width > slot * 0.95;
    }
    // Two rows of letters above the bars, so that close minimums do not overwrite each other; the bins' labels
    // below, on two lines where a label is wider than its bar.
    const double plotTop = y + 2.5 * th;
    const double plotBottom = y + height - (twoLines ? 2.2 : 1.2) * th;
    const double barRoom = std::max(0.0, plotBottom - plotTop - th);

    for (std::size_t i = 0; i < bins.size(); ++i) {
        const HistogramBin& bin = bins[i];
        const double middle = x + (static_cast<double>(i) + 0.5) * slot;
        const double barHeight = barRoom * bin.Students / most;
        if (bin.Students > 0)
            items.Box(middle - slot * 0.35, plotBottom - barHeight, slot * 0.7, barHeight, BarColor);
        items.Centred(ChartFont, Black, middle, plotBottom - barHeight - th, NumTextTrim(bin.Students));
        const std::size_t blank = bin.Label.find(' ');
        if (items.Measure(ChartFont, bin.Label).Width > slot * 0.95 && blank != std::string::npos) {
            items.Centred(ChartFont, Black, middle, plotBottom + 0.2 * th, bin.Label.substr(0, blank));
            items.Centred(ChartFont, Black, middle, plotBottom + 1.1 * th, bin.Label.substr(blank + 1));
        } else {
            items.Centred(ChartFont, Black, middle, plotBottom + 0.2 * th, bin.Label);
        }
    }
    items.Line(x, plotBottom, x + width, plotBottom, Grey);

    std::array<double, 2> rowEnd = {x - width, x - width};
    for (std::size_t i = 0; i < bins.size(); ++i) {
        const std::optional<double> low = LowerEdge(bins[i].Label);
        if (!low)
            continue;
        for (const int level : bins[i].Levels) {
            const GradeCount& g = stats.Grades[static_cast<std::size_t>(level)];
            const double at = x + (static_cast<double>(i) + std::clamp((g.Minimum - *low) / BinWidth, 0.0, 1.0)) * slot;
            const std::string text = g.Letter + " " + NumTextTrim(g.Minimum);
            const double half = items.Measure(ChartFont, text).Width / 2;
            // The upper row unless a letter there would touch this one; then the lower, or whichever ends first.
            std::size_t row = 0;
            if (rowEnd[0] + th / 2 > at - half)
                row = rowEnd[1] + th / 2 <= at - half || rowEnd[1] < rowEnd[0] ? 1 : 0;
            items.Centred(ChartFont, MarkColor, at, y + static_cast<double>(row) * th, text);
            rowEnd[row] = at + half;
            items.Line(at, y + static_cast<double>(row + 1) * th, at, plotBottom, MarkColor, 2);
        }
    }
    return items.Take();
}

std::vector<ReportItem> LayoutStatsPrint(const Document& doc, const CategoryStats& stats, double pageWidth,
                                         double pageHeight, const FontMeasure& measure) {
    ReportItems items(measure);
    double y = TopY;
    const double middle = pageWidth / 2;
    y += items.Centred(TitleFont, Black, middle, y, "Class Statistics").Height * 1.3;
    const auto info = [&doc](std::size_t k) {
        return k < doc.InfoLine.size() ? TrimBlanks(doc.InfoLine[k]) : std::string();
    };
    if (const std::string cls = info(1) + (info(2).empty() ? "" : " (" + info(2) + ")"); !TrimBlanks(cls).empty())
        y += items.Centred(BodyFont, Black, middle, y, cls).Height * 1.3;
    const std::vector<std::string> lines = StatisticsLines(doc, stats);
    if (!lines.empty())
        y += items.Centred(HeadFont, Black, middle, y, lines.front()).Height * 2;

    std::vector<std::array<std::string, 8>> figures;
    for (const ColumnStats& column : stats.Columns)
        figures.push_back(FigureTexts(column));
    y = PlaceTable(items, StatsHeadings, figures, pageWidth, pageHeight, y);

    if (!stats.Histogram.empty()) {
        const double gap = items.Measure(BodyFont, "0").Height * 1.5;
        const double chartWidth = std::min(pageWidth, 9000.0);
        const double chartHeight = 4000;
        const double titleHeight = items.Measure(BodyFont, HistogramTitle).Height * 1.5;
        y += gap;
        if (y + titleHeight + chartHeight > pageHeight) {
            items.Mark(ReportItem::NewPage);
            y = TopY;
        }
        items.Centred(BodyFont, Black, middle, y, HistogramTitle);
        y += titleHeight;
        items.Append(LayoutHistogram(stats, middle - chartWidth / 2, y, chartWidth, chartHeight, measure));
        y += chartHeight + gap;
        if (y + 3 * gap > pageHeight) {
            items.Mark(ReportItem::NewPage);
            y = TopY;
        }
        y += items.Centred(HeadFont, Black, middle, y, "Letter grades as assigned").Height * 1.5;
        PlaceTable(items, GradeHeadings, GradeTexts(stats), pageWidth, pageHeight, y);
    }
    items.Mark(ReportItem::EndDoc);
    return items.Take();
}

} // namespace markroll
