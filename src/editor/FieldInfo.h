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

} // namespace markroll
