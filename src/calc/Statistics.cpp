#include "calc/Statistics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

#include "calc/CatCaption.h"
#include "document/CsvExport.h"
#include "document/TextNumber.h"

namespace markroll {

namespace {

constexpr int BinWidth = 10;

std::optional<double> CellNumber(const Document& doc, int r, int c, int f) {
    const std::string cell = CellValue(Mid(doc.RowOrEmpty(r, c), f * CellWidth + 1, CellWidth));
    if (cell.empty())
        return std::nullopt;
    return TextValue(cell);
}

ColumnStats Column(const Document& doc, int c, int f, std::string title) {
    std::vector<double> values;
    for (int s = 1; s <= doc.NumStudents; ++s)
        if (const auto v = CellNumber(doc, s, c, f))
            values.push_back(*v);
    ColumnStats column = Describe(std::move(values));
    column.Title = std::move(title);
    column.Field = f;
    column.Possible = CellNumber(doc, doc.PossibleRow(), c, f);
    return column;
}

// The TOT histogram and the letter counts of SUMMARY.
void AddGrading(const Document& doc, CategoryStats& stats) {
    const int levels = std::min<int>(doc.LastGrade, static_cast<int>(doc.GradeLetter.size()) - 1);
    for (int k = 1; k <= levels; ++k)
        stats.Grades.push_back(
            {doc.GradeLetter[static_cast<std::size_t>(k)], doc.GradeMin[static_cast<std::size_t>(k)], 0});

    HistogramBin above{"above 100", 0, {}};
    HistogramBin below{"below 0", 0, {}};
    std::vector<HistogramBin> bins;
    for (int low = 100 - BinWidth; low >= 0; low -= BinWidth)
        bins.push_back({NumTextTrim(low) + "-" + NumTextTrim(low == 100 - BinWidth ? 100 : low + BinWidth - 1), 0, {}});
    // Bin of a value 0..100: the top bin takes 100 as well.
    const auto binOf = [&](double v) {
        const int k = std::min(static_cast<int>(std::floor(v / BinWidth)), 100 / BinWidth - 1);
        return static_cast<std::size_t>(100 / BinWidth - 1 - k);
    };

    const int tot = doc.NumCats + 1;
    for (int s = 1; s <= doc.NumStudents; ++s) {
        if (const auto v = CellNumber(doc, s, 0, tot))
            ++(*v > 100 ? above : *v < 0 ? below : bins[binOf(*v)]).Students;
        const std::string letter = CellValue(Left(doc.RowOrEmpty(s, 0), CellWidth));
        const auto level = std::find_if(stats.Grades.begin(), stats.Grades.end(),
                                        [&](const GradeCount& g) { return g.Letter == letter; });
        if (letter.empty())
            ++stats.Ungraded;
        else if (level == stats.Grades.end())
            ++stats.Unlisted;
        else
            ++level->Students;
    }
    for (std::size_t k = 0; k < stats.Grades.size(); ++k)
        if (stats.Grades[k].Minimum >= 0 && stats.Grades[k].Minimum <= 100)
            bins[binOf(stats.Grades[k].Minimum)].Levels.push_back(static_cast<int>(k));

    if (above.Students > 0)
        stats.Histogram.push_back(above);
    stats.Histogram.insert(stats.Histogram.end(), bins.begin(), bins.end());
    if (below.Students > 0)
        stats.Histogram.push_back(below);
}

std::string Fixed(double x) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", x);
    return buf;
}

std::string PadLeft(const std::string& text, int width) {
    return Space(width - static_cast<int>(text.size())) + text;
}

std::string PadRight(const std::string& text, int width) {
    return text + Space(width - static_cast<int>(text.size()));
}

} // namespace

ColumnStats Describe(std::vector<double> values) {
    ColumnStats s;
    s.Count = static_cast<int>(values.size());
    if (values.empty())
        return s;
    std::sort(values.begin(), values.end());
    const double n = static_cast<double>(values.size());
    s.Mean = std::accumulate(values.begin(), values.end(), 0.0) / n;
    const std::size_t mid = values.size() / 2;
    s.Median = values.size() % 2 == 1 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
    double squares = 0;
    for (double v : values)
        squares += (v - s.Mean) * (v - s.Mean);
    s.StdDev = std::sqrt(squares / n);
    s.Lowest = values.front();
    s.Highest = values.back();
    return s;
}

CategoryStats ClassStatistics(const Document& doc, int c) {
    CategoryStats stats;
    stats.Category = c;
    if (c == 0 && doc.NumCats >= 2) {
        const char* const titles[] = {"tot", "adj", "TOT"};
        for (int k = 0; k < 3; ++k)
            stats.Columns.push_back(Column(doc, 0, doc.NumCats - 1 + k, titles[k]));
        AddGrading(doc, stats);
    } else if (doc.IsUserCat(c)) {
        for (int f = 1; f < doc.CatFields[static_cast<std::size_t>(c)]; ++f)
            if (ColumnStats column = Column(doc, c, f, NumTextTrim(f)); column.Count > 0)
                stats.Columns.push_back(std::move(column));
        stats.Columns.push_back(Column(doc, c, 0, "Tot"));
    }
    return stats;
}

std::vector<std::string> StatisticsLines(const Document& doc, const CategoryStats& stats) {
    std::vector<std::string> lines;
    const int c = stats.Category;
    if (c < 0 || c >= doc.NumCats)
        return lines;
    const auto k = static_cast<std::size_t>(c);
    lines.push_back(CatCaption(c, doc.CatName[k], doc.CatWeight[k], doc.CatFields[k]) + ": " +
                    NumTextTrim(doc.NumStudents) + (doc.NumStudents == 1 ? " student" : " students"));
    lines.push_back("");
    const char* const heads[] = {"N", "Mean", "Median", "Std Dev", "Lowest", "Highest", "Possible"};
    std::string head = PadRight("Field", 6);
    for (const char* h : heads)
        head += PadLeft(h, 9);
    lines.push_back(head);
    for (const ColumnStats& s : stats.Columns) {
        std::string line = PadRight(s.Title, 6) + PadLeft(NumTextTrim(s.Count), 9);
        const bool any = s.Count > 0;
        for (const std::string& figure :
             {any ? Fixed(s.Mean) : "-", any ? Fixed(s.Median) : "-", any ? Fixed(s.StdDev) : "-",
              any ? NumTextTrim(s.Lowest) : "-", any ? NumTextTrim(s.Highest) : "-"})
            line += PadLeft(figure, 9);
        line += PadLeft(s.Possible ? NumTextTrim(*s.Possible) : "-", 9);
        lines.push_back(line);
    }
    if (c != 0)
        return lines;

    lines.push_back("");
    lines.push_back("TOT in bins of 10 points: a bin holds its lower edge up to the next bin's; 100 counts in 90-100.");
    int widest = 0;
    for (const HistogramBin& bin : stats.Histogram)
        widest = std::max(widest, bin.Students);
    for (const HistogramBin& bin : stats.Histogram) {
        std::string line = "  " + PadRight(bin.Label, 10) + PadLeft(NumTextTrim(bin.Students), 4) + "  " +
                           PadRight(std::string(static_cast<std::size_t>(bin.Students), '*'), widest);
        for (int level : bin.Levels) {
            const GradeCount& g = stats.Grades[static_cast<std::size_t>(level)];
            line += "  " + g.Letter + " from " + NumTextTrim(g.Minimum);
        }
        line.erase(line.find_last_not_of(' ') + 1);
        lines.push_back(line);
    }
    lines.push_back("");
    lines.push_back("Letter grades as assigned:");
    for (const GradeCount& g : stats.Grades)
        lines.push_back("  " + PadRight(g.Letter, 4) + PadRight("from " + NumTextTrim(g.Minimum), 10) +
                        PadLeft(NumTextTrim(g.Students), 4));
    lines.push_back("  " + PadRight("no letter", 14) + PadLeft(NumTextTrim(stats.Ungraded), 4));
    if (stats.Unlisted > 0)
        lines.push_back("  " + PadRight("not in table", 14) + PadLeft(NumTextTrim(stats.Unlisted), 4));
    return lines;
}

} // namespace markroll
