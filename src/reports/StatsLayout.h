#pragma once

#include <array>
#include <string>
#include <vector>

#include "calc/Statistics.h"
#include "document/Document.h"
#include "reports/ListingLayout.h"

namespace markroll {

// The class statistics as the statistics window and the paper show them: the categories offered, the texts of
// the figures and of the letter counts, the histogram of TOT and the printed pages, in twips.

/// The categories that have figures: SUMMARY and every user category (NAME DATA has none).
std::vector<int> StatsCategories(const Document& doc);
/// The category the window opens on: the one the editor shows, SUMMARY when that one has no figures.
int StatsFirstCategory(const Document& doc, int edCat);
/// Category c by its caption, as the list names it.
std::string StatsCategoryLabel(const Document& doc, int c);

inline constexpr std::array<const char*, 8> StatsHeadings = {"Field",   "N",      "Mean",    "Median",
                                                             "Std Dev", "Lowest", "Highest", "Possible"};
inline constexpr std::array<const char*, 3> GradeHeadings = {"Letter", "From", "Students"};
/// What the histogram shows, above it.
inline constexpr const char* HistogramTitle =
    "TOT in bins of 10 points (100 counts in 90-100); the lines mark the grade minimums";

/// One column's figures under StatsHeadings: its title, the count, the mean, median and standard deviation to
/// one decimal, the lowest and highest value and the possible points; "-" where there is no value.
std::array<std::string, 8> FigureTexts(const ColumnStats& column);

/// The letters under GradeHeadings: each level of the grade table with its minimum and the students holding
/// its letter, then the students without a letter and, when there are any, those with a letter the table lacks.
std::vector<std::array<std::string, 3>> GradeTexts(const CategoryStats& stats);

/// The TOT histogram of SUMMARY's statistics in the box at (x, y), width by height: a bar per bin, the lowest
/// bin on the left, the students of each bin above its bar and its label below; a red line at each grade
/// minimum, where it falls within its bin, with the letter and the minimum above the bars. Nothing for a
/// category without a histogram.
std::vector<ReportItem> LayoutHistogram(const CategoryStats& stats, double x, double y, double width, double height,
                                        const FontMeasure& measure);

/// The statistics on paper: the title, the class and the category with its students, the table of figures
/// and, for SUMMARY, the histogram and the letter counts; a table goes on at the top of a new page, its headings
/// again, when the page is full. Ends with the end of the print document.
std::vector<ReportItem> LayoutStatsPrint(const Document& doc, const CategoryStats& stats, double pageWidth,
                                         double pageHeight, const FontMeasure& measure);

} // namespace markroll
