#include "calc/Recalc.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "document/TextNumber.h"

namespace markroll {

namespace {

// The score part of field k: its last CellWidth-1 characters. The first character of a score cell is not
// read, so a four-digit value counts only its last three digits. Rows of hand-edited files may be short;
// what lies beyond a row's end reads as blank.
double ScorePart(const std::string& row, int k) {
    const auto at = static_cast<std::size_t>(k) * CellWidth + 1;
    if (at >= row.size())
        return 0;
    return TextValue(std::string_view(row).substr(at, CellWidth - 1));
}

// A single-precision accumulator: every addition is rounded to single precision.
void Accumulate(float& sum, double x) {
    sum = static_cast<float>(static_cast<double>(sum) + x);
}

std::string ResultCell(double x) {
    return CellText(ClampToInt16(x), CellWidth);
}

} // namespace

void RecalcCategory(Document& doc, int c) {
    if (!doc.IsUserCat(c))
        return;
    // A category without fields (only a hand-edited file has one) has no total cell to write.
    const int n = doc.CatFields[static_cast<std::size_t>(c)];
    if (n < 1)
        return;
    const int students = doc.NumStudents;

    float possible = 0;
    const std::string& pp = doc.CatData(doc.PossibleRow(), c);
    for (int k = 1; k <= n - 1; ++k)
        Accumulate(possible, ScorePart(pp, k));
    possible = std::fabs(possible);

    // A score is read once and goes both into the student's total and into its field's class sum; each
    // field's sum still adds the students in order, so the result is that of summing field by field.
    std::vector<float> fieldSum(static_cast<std::size_t>(n), 0.0f);
    for (int r = 1; r <= students; ++r) {
        std::string& row = doc.CatData(r, c);
        float sum = 0;
        for (int k = 1; k <= n - 1; ++k) {
            const double v = ScorePart(row, k);
            Accumulate(sum, v);
            Accumulate(fieldSum[static_cast<std::size_t>(k)], v);
        }
        const double t = possible != 0 ? IntHalfUp(static_cast<double>(sum) / possible * 100.0) : 100.0;
        ReplaceAt(row, 1, ResultCell(t));
        // The average of field 0 is that of the totals just written, read back from their cells.
        Accumulate(fieldSum[0], ScorePart(row, 0));
    }

    std::string& averages = doc.CatData(0, c);
    for (int f = 0; f <= n - 1; ++f) {
        // An empty class has no average; it shows 0 rather than dividing by zero.
        const float sum = fieldSum[static_cast<std::size_t>(f)];
        const double a = students > 0 ? IntHalfUp(static_cast<double>(sum) / students) : 0.0;
        ReplaceAt(averages, f * CellWidth + 1, ResultCell(a));
    }
}

void RecalcSummary(Document& doc) {
    if (doc.NumCats < 1)
        return;
    const double divisor = doc.CatWeight[0];
    for (int r = 0; r <= doc.NumStudents + 1; ++r) {
        float total = 0;
        int pos = CellWidth + 1;
        std::string& row = doc.CatData(r, 0);
        for (int c = 2; c < doc.NumCats; ++c) {
            const std::string s = Left(doc.CatData(r, c), CellWidth);
            const float v = static_cast<float>(TextValue(s));
            ReplaceAt(row, pos, Left(s + Space(CellWidth), CellWidth));
            if (divisor != 0)
                Accumulate(total, doc.CatWeight[static_cast<std::size_t>(c)] * static_cast<double>(v) / divisor);
            pos += CellWidth;
        }
        ReplaceAt(row, pos, ResultCell(IntHalfUp(total)));
        const double adj = TextValue(Mid(row, pos + CellWidth, CellWidth));
        ReplaceAt(row, pos + 2 * CellWidth, ResultCell(IntHalfUp(static_cast<double>(total) + adj)));
    }
}

void SumWeights(Document& doc) {
    if (doc.NumCats < 1)
        return;
    int sum = 0;
    for (int c = 2; c < doc.NumCats; ++c)
        sum += doc.CatWeight[static_cast<std::size_t>(c)];
    doc.CatWeight[0] = ClampToInt16(sum);
}

void RecalcAll(Document& doc) {
    for (int c = 2; c < doc.NumCats; ++c)
        RecalcCategory(doc, c);
    RecalcSummary(doc);
}

} // namespace markroll
