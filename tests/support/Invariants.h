#pragma once

// The invariants that every operation on a document keeps. The checker returns its findings as text so
// that GoogleTest and QtTest suites can both use it: an empty string means the document is sound.

#include <string>

#include "document/Document.h"

namespace markroll::test {

inline std::string InvariantViolations(const Document& d) {
    std::string out;
    auto fail = [&out](const std::string& what) { out += what + "\n"; };
    auto n = [](auto v) { return std::to_string(v); };
    auto sized = [](const auto& list, long size) { return list.size() == static_cast<std::size_t>(size); };
    const long cats = d.NumCats < 0 ? 0 : d.NumCats;

    if (d.NumCats < 2 || d.NumStudents < 0)
        fail("NumCats " + n(d.NumCats) + " or NumStudents " + n(d.NumStudents) + " is too small");
    if (!sized(d.CatName, cats) || !sized(d.CatWeight, cats) || !sized(d.CatFields, cats) || !sized(d.FieldLen, cats) ||
        !sized(d.FieldInfo, cats) || !sized(d.Grid, cats))
        fail("per-category arrays or the grid are not sized to NumCats " + n(d.NumCats));
    if (!sized(d.GradeMin, d.LastGrade + 1) || !sized(d.GradeLetter, d.LastGrade + 1) ||
        !sized(d.InfoLine, d.LastInfo + 1))
        fail("grade table or info lines are not sized to LastGrade+1, LastInfo+1");
    if (!out.empty())
        return out; // The checks below index the arrays.

    if (d.CatFields[0] != d.NumCats + 2 || d.CatFields[1] != 2)
        fail("CatFields(0), CatFields(1) are " + n(d.CatFields[0]) + ", " + n(d.CatFields[1]));
    // The weight sum is kept within 16 bits, like every integer of the document.
    long sum = 0;
    for (long c = 2; c < cats; ++c)
        sum += d.CatWeight[c];
    sum = sum > Int16Max ? Int16Max : (sum < Int16Min ? Int16Min : sum);
    if (d.CatWeight[0] != sum)
        fail("CatWeight(0) is " + n(d.CatWeight[0]) + ", the user weights sum to " + n(sum));

    for (long c = 0; c < cats; ++c) {
        const auto& rows = d.Grid[c];
        if (!sized(rows, d.RowCount())) {
            fail("category " + n(c) + " has " + n(rows.size()) + " rows");
            continue;
        }
        const long width = c == 1 ? NameDataWidth : d.CatFields[c] * CellWidth;
        for (std::size_t r = 0; r < rows.size(); ++r)
            if (!sized(rows[r], width))
                fail("CatData(" + n(r) + ", " + n(c) + ") is " + n(rows[r].size()) + " characters, not " + n(width));
        if (c >= 2 && !sized(d.FieldInfo[c], d.CatFields[c] * InfoLen))
            fail("FieldInfo(" + n(c) + ") has " + n(d.FieldInfo[c].size()) + " for " + n(d.CatFields[c]) + " fields");
    }
    return out;
}

} // namespace markroll::test
