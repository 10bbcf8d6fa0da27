#pragma once

#include <string>
#include <string_view>

#include "document/Document.h"

namespace markroll {

// The six operations that change the shape of a document. Each keeps the per-category arrays, the grid
// rows, the field descriptions and (for categories) the SUMMARY columns in step. Arguments out of range
// make an operation do nothing; none of them recomputes totals.

/// Makes a new user category at pos (2..NumCats; NumCats appends) with nf fields (2..MaxFields) of length
/// len (0..CellWidth), the name cut to 16 characters and the absolute value of weight w. A markroll that
/// holds MaxCats categories already gets none: a file with more could not be read back.
void InsertCategory(Document& doc, int pos, int nf, int len, std::string_view name, int w);

/// Removes user category c; the categories after it move down by one.
void DeleteCategory(Document& doc, int c);

/// Exchanges two distinct user categories as wholes; SUMMARY keeps its columns until the next summary.
void SwitchCategories(Document& doc, int c1, int c2);

/// Inserts k blank fields of length len into user category c after its first pos fields (pos = CatFields
/// appends).
void InsertFields(Document& doc, int c, int pos, int k, int len);

/// Deletes k fields of user category c from field pos on (at most up to the last field); the category
/// total cells of the class-average and student rows are blanked.
void DeleteFields(Document& doc, int c, int pos, int k);

/// Exchanges fields f1 and f2 (1..CatFields-1) of user category c; f1 and f2 are put in increasing order.
void SwitchFields(Document& doc, int c, int& f1, int& f2);

/// The cell a value typed for a whole field becomes: its first CellWidth characters, padded with blanks.
std::string FieldValueCell(std::string_view typed);

/// Sets field f of category c to the same cell in every row: the class average, the students and, outside
/// SUMMARY (whose possible points are computed), the possible points. A category or field the document does
/// not hold is left alone.
void SetFieldValues(Document& doc, int c, int f, std::string_view typed);

/// Sets field f of user category c to value, kept in 0..999 and right-aligned in its cell, in the class
/// average, every student and the possible points. Nothing is recomputed.
void SetFieldValue(Document& doc, int c, int f, int value);

/// Renames user category c (the name cut to MaxNameLen characters) and gives it the absolute value of weight;
/// the SUMMARY weight becomes the sum of the user weights, and the summary is recomputed when that sum changed.
void ChangeCategory(Document& doc, int c, std::string_view name, int weight);

} // namespace markroll
