#pragma once

// The invariants that every operation on a document keeps. The checker returns its findings as text so
// that GoogleTest and QtTest suites can both use it: an empty string means the document is sound.

#include <string>

#include "document/Document.h"

namespace markroll::test {

inline std::string InvariantViolations(const Document& d) {
    std::string out;
    auto fail = [&out](const std::string& what) { out += what + "\n"; };
    const auto cats = static_cast<std::size_t>(d.NumCats < 0 ? 0 : d.NumCats);

    if (d.NumCats < 2 || d.NumStudents < 0)
        fail("NumCats " + std::to_string(d.NumCats) + " or NumStudents " + std::to_string(d.NumStudents) +
             " is too small");
    if (d.CatName.size() != cats || d.CatWeight.size() != cats || d.CatFields.size() != cats ||
        d.FieldLen.size() != cats || d.FieldInfo.size() != cats || d.Grid.size() != cats)
        fail("per-category arrays or the grid are not sized to NumCats " + std::to_string(d.NumCats));
    if (d.GradeMin.size() != static_cast<std::size_t>(d.LastGrade + 1) ||
        d.GradeLetter.size() != static_cast<std::size_t>(d.LastGrade + 1) ||
        d.InfoLine.size() != static_cast<std::size_t>(d.LastInfo + 1))
        fail("grade table or info lines are not sized to LastGrade+1, LastInfo+1");
    if (!out.empty())
        return out; // The checks below index the arrays.

    if (d.CatFields[0] != d.NumCats + 2 || d.CatFields[1] != 2)
        fail("CatFields(0), CatFields(1) are " + std::to_string(d.CatFields[0]) + ", " +
             std::to_string(d.CatFields[1]));
    // The weight sum is kept within 16 bits, like every integer of the document.
    long sum = 0;
    for (std::size_t c = 2; c < cats; ++c)
        sum += d.CatWeight[c];
    sum = sum > Int16Max ? Int16Max : (sum < Int16Min ? Int16Min : sum);
    if (d.CatWeight[0] != sum)
        fail("CatWeight(0) is " + std::to_string(d.CatWeight[0]) + ", the user weights sum to " + std::to_string(sum));

    for (std::size_t c = 0; c < cats; ++c) {
        const auto& rows = d.Grid[c];
        if (rows.size() != static_cast<std::size_t>(d.RowCount())) {
            fail("category " + std::to_string(c) + " has " + std::to_string(rows.size()) + " rows");
            continue;
        }
        const std::size_t width =
            c == 1 ? static_cast<std::size_t>(NameDataWidth) : static_cast<std::size_t>(d.CatFields[c]) * CellWidth;
        for (std::size_t r = 0; r < rows.size(); ++r)
            if (rows[r].size() != width)
                fail("CatData(" + std::to_string(r) + ", " + std::to_string(c) + ") is " +
                     std::to_string(rows[r].size()) + " characters, not " + std::to_string(width));
        if (c >= 2 && d.FieldInfo[c].size() != static_cast<std::size_t>(d.CatFields[c]) * InfoLen)
            fail("FieldInfo(" + std::to_string(c) + ") is " + std::to_string(d.FieldInfo[c].size()) +
                 " characters for " + std::to_string(d.CatFields[c]) + " fields");
    }
    return out;
}

} // namespace markroll::test
