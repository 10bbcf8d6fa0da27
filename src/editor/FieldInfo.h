#pragma once

#include <string>
#include <string_view>

#include "document/Document.h"

namespace markroll {

/// The description of field fld of category cat: its InfoLen-character slot of FieldInfo(cat). A category or
/// field out of range is brought to the nearest one that exists and written back, so a slot is always read.
std::string GetFieldInfo(const Document& doc, int& cat, int& fld);

/// Stores text, padded with blanks or cut to InfoLen characters, as the description of field fld of cat.
/// A description string shorter than the slot needs (a hand-edited file) is first padded with blanks.
void SetFieldInfo(Document& doc, int cat, int fld, std::string_view text);

/// The category and field a pop-up opened on a clicked field works on, pulled into what the document holds.
struct PopTarget {
    int cat = 0;
    int fld = 0;
    /// The last field of cat; -1 when it has no cells (a hand-edited file).
    int lastFld = -1;
};

/// For the field description pop-up: the category within 0..NumCats-1; a field past the last shows the
/// category's own description (field 0).
PopTarget InfoPopTarget(const Document& doc, int cat, int fld);

/// For "Set Field Values": only SUMMARY and the user categories hold such fields, so NAME DATA counts as
/// SUMMARY; the field is pulled into 0..the last field.
PopTarget SetValuesPopTarget(const Document& doc, int cat, int fld);

} // namespace markroll
