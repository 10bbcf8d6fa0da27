#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "document/Document.h"

namespace markroll {

// The rules of the category dialog: the limits each option checks, the boxes it loads, how the numbers
// typed into the boxes are read and kept in range, and the questions asked before a change.

/// The options of the category dialog, in the order of its option buttons.
enum CategoryOption : int { CatOptInsert, CatOptAppend, CatOptDelete, CatOptSwitch };
inline constexpr int NumCategoryOptions = 4;

/// The window caption while option is selected: "Insert Category"...
std::string CategoryOptionCaption(int option);

/// The message shown when option cannot be used on the document as it is now ("Maximum of 10 Categories"...).
std::optional<std::string> CategoryLimit(const Document& doc, int option);

/// The option selected instead when option's limit is not met: Delete for Insert and Append, else Append.
int CategoryFallback(int option);

/// A position kept among the user categories, 2..NumCats-1.
int ClampCategory(const Document& doc, int position);

/// The leading number of a box to the nearest whole number (halves to even), kept in lo..hi; any size of
/// number typed is only out of range.
int ReadCategoryBox(std::string_view text, int lo, int hi);

/// The five boxes loaded from user category position: position, weight, user fields (its fields less the
/// total field), field length, name.
std::array<std::string, 5> CategoryBoxes(const Document& doc, int position);

/// The captions of the labels under the five boxes as loaded from a category.
std::array<std::string, 5> CategoryLabels();

/// The two categories of an exchange, each read from its box and kept among the user categories; equal
/// ones make the second the next category, or 2 after the last.
std::pair<int, int> SwitchPair(const Document& doc, std::string_view first, std::string_view second);

/// A new category as Insert or Append makes it, every setting read from its box and kept in range.
struct NewCategory {
    int Position = 2;
    int Weight = 0;
    int UserFields = 1;
    int FieldLength = 0;
    std::string Name;
    bool operator==(const NewCategory&) const = default;
};

/// Reads the new category of Insert (position from box 0) or Append (after the last category).
NewCategory ReadNewCategory(const Document& doc, int option, const std::array<std::string, 5>& boxes);

/// The question before Insert or Append makes c.
std::string NewCategoryText(const Document& doc, int option, const NewCategory& c);
/// The question before user category c is deleted.
std::string DeleteCategoryText(const Document& doc, int c);
/// The question before categories c1 and c2 are exchanged.
std::string SwitchCategoryText(int c1, int c2);
/// The title of option's question.
std::string CategoryQuestionTitle(int option);

} // namespace markroll
