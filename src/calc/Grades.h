#pragma once

#include "document/Document.h"

namespace markroll {

/// Writes the letter grade of every student into the first SUMMARY cell, from the adjusted total in the
/// last cell: the first level (1..LastGrade, in table order) whose minimum the rounded total reaches, or
/// the last level when none does. With clear set, the grade cells are blanked instead. The letter always
/// fills two characters, so the row keeps its width.
void AssignGrades(Document& doc, bool clear);

} // namespace markroll
