#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "document/Document.h"

namespace markroll {

// The operations of the student dialog on whole rows, in every category at once. Each pulls its numbers into
// what the document holds, so a position, start or student outside the rows never indexes past them, and a
// markroll always keeps at least one student. None recomputes totals except SetAdjustmentPoints.

/// The NAME DATA row of a single new student: the ID right-aligned in IdLen characters (as the blank template
/// holds IDs, so the name stays in its columns), a blank, and the name, cut or filled to the row's width.
std::string NewStudentRow(std::string_view id, std::string_view name);

/// Inserts count students before student position (NumStudents + 1 appends). Every category gets its blank
/// row; NAME DATA gets row when it is not empty. Nothing happens when the markroll holds MaxStudents.
void InsertStudents(Document& doc, int position, int count, std::string_view row);

/// Deletes count students from start on, keeping at least one.
void DeleteStudents(Document& doc, int start, int count);

/// Exchanges two students in every category.
void SwitchStudents(Document& doc, int first, int second);

/// Sorts the students by name in character-code order (capitals before small letters), by the exchange
/// procedure of the listing; the average, possible-points and title rows stay.
void AlphaStudents(Document& doc);

/// Sets every student's adjustment points (and the average and possible-points rows' cell) to points, kept
/// in 0..999, then recomputes the summary.
void SetAdjustmentPoints(Document& doc, int points);

// The limits and confirmation texts of the operations, as the dialog shows them and markroll-cli prints them.

/// "Maximum Number of Students is 100!" when no student can be added, else nothing.
std::optional<std::string> InsertLimit(const Document& doc);
/// The largest count Delete offers from start: the students from start on, but never all of them.
int DeleteLimit(const Document& doc, int start);

std::string InsertText(const Document& doc, int position, int count);
std::string AppendText(const Document& doc, int count);
std::string DeleteText(const Document& doc, int start, int count);
std::string SwitchText(const Document& doc, int first, int second);
std::string AdjustText(int points);
inline constexpr const char* AlphaText = "Alphabetize Students?";

} // namespace markroll
