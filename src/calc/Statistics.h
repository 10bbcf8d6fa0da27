#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/Document.h"

namespace markroll {

// How a class did, from the cells as they stand (statistics recompute nothing). A cell that shows only dots or
// blanks has no value and is left out of every figure; it does not count as zero.

/// The figures of one column over the students that have a value in it.
struct ColumnStats {
    /// "1", "2", ... and "Tot" in a user category; "tot", "adj" and "TOT" in SUMMARY.
    std::string Title;
    /// The field (cell) of the rows the column is.
    int Field = 0;
    /// Students with a value. The figures below mean something only when it is not 0.
    int Count = 0;
    double Mean = 0;
    double Median = 0;
    /// Of the class as a whole population: divided by Count.
    double StdDev = 0;
    double Lowest = 0;
    double Highest = 0;
    /// The possible-points cell, when it holds a value.
    std::optional<double> Possible;
};

/// One bar of the TOT histogram. A bin holds the totals from its lower edge up to, not including, the next
/// bin's; the top bin 90-100 also holds 100. Totals above 100 (with adjustment points) and below 0 have bins
/// of their own, present only when a total falls there.
struct HistogramBin {
    std::string Label;
    int Students = 0;
    /// The grade levels (indexes into CategoryStats::Grades) whose minimum falls in the bin.
    std::vector<int> Levels;
};

/// A level of the grade table and how many students hold its letter.
struct GradeCount {
    std::string Letter;
    int Minimum = 0;
    int Students = 0;
};

/// The statistics of one category.
struct CategoryStats {
    int Category = 0;
    /// A user category: each field with at least one value, then the total. SUMMARY: tot, adj and TOT.
    std::vector<ColumnStats> Columns;
    // SUMMARY only:
    /// TOT, highest bin first: above 100, 90-100, 80-89, ..., 0-9, below 0.
    std::vector<HistogramBin> Histogram;
    /// The levels of the grade table in order, counted from the letters the students hold (as assigned).
    std::vector<GradeCount> Grades;
    /// Students without a letter, and with a letter the table does not have.
    int Ungraded = 0;
    int Unlisted = 0;
};

/// The figures of values (in any order); Title, Field and Possible are left to the caller.
ColumnStats Describe(std::vector<double> values);

/// The statistics of category c: 0 (SUMMARY) or a user category. Any other c gives no columns.
CategoryStats ClassStatistics(const Document& doc, int c);

/// The statistics as a text table, one line per element (markroll bytes, like every text of the document):
/// the caption and the number of students, a line per column, and for SUMMARY the histogram with the grade
/// levels' minimums marked and the students at each letter.
std::vector<std::string> StatisticsLines(const Document& doc, const CategoryStats& stats);

} // namespace markroll
