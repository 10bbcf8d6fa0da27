#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document/Document.h"

namespace markroll {

/// Writes the letter grade of every student into the first SUMMARY cell, from the adjusted total in the
/// last cell: the first level (1..LastGrade, in table order) whose minimum the rounded total reaches, or
/// the last level when none does. With clear set, the grade cells are blanked instead. The letter always
/// fills two characters, so the row keeps its width.
void AssignGrades(Document& doc, bool clear);

/// A letter as the grade table takes it: "??" for an empty text, blanks trimmed on both sides, at most two
/// characters (a text of blanks only becomes the empty letter).
std::string CommitGradeLetter(std::string_view text);

/// A minimum as the grade table takes it: the leading number (none gives 0), nearest integer with halves to
/// the even neighbour, clamped to 0..100.
std::int16_t CommitGradeMin(std::string_view text);

/// One level of the grade table as typed: its letter and minimum texts.
struct GradeLevelText {
    std::string letter;
    std::string minimum;
};

/// Replaces the grade table by the levels (1..MaxGrades of them, in this order): letters trimmed and cut to
/// two characters, minimums read as CommitGradeMin reads them; entry 0 becomes the empty placeholder. Fewer
/// than one or more than MaxGrades levels change nothing.
void AcceptGradeTable(Document& doc, const std::vector<GradeLevelText>& levels);

} // namespace markroll
