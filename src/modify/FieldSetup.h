#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "document/Document.h"
#include "modify/SpinRange.h"

namespace markroll {

// The rules of the field dialog, which changes one user category: what each option sets up, the limits it
// checks, how the numbers typed into its boxes are read and kept in range, the question asked before a change
// and the change itself.

/// The options of the field dialog, in the order of its option buttons.
enum FieldOption : int { FldOptName, FldOptInsert, FldOptAppend, FldOptDelete, FldOptSwitch, FldOptOrder, FldOptSet };
inline constexpr int NumFieldOptions = 7;
/// Boxes txt_0 .. txt_5; the first five have spinners, the last holds the category name.
inline constexpr int NumFieldBoxes = 6;
using FieldBoxes = std::array<std::string, NumFieldBoxes>;

/// A limit an option reports in a message box.
struct FieldLimit {
    std::string Text;
    std::string Title;
    /// The information icon; else the exclamation icon.
    bool Information = false;
};

/// What selecting an option sets up.
struct FieldSetup {
    std::string Caption;
    std::array<bool, NumFieldBoxes> Shown{};
    bool Box0Enabled = true;
    std::array<std::string, NumFieldBoxes> Labels;
    /// Absent where a box takes no number.
    std::array<std::optional<SpinRange>, NumFieldBoxes - 1> Ranges;
    /// What the name box starts with.
    std::string Name;
    /// The limit met, shown when the option is selected.
    std::optional<FieldLimit> Limit;
    /// False when the limit stops the set-up: nothing else is set up.
    bool SetUp = true;
};

/// The set-up of option for user category cat of the document as it is now.
FieldSetup SetUpFieldOption(const Document& doc, int cat, int option);

/// The limit that keeps option from changing category cat now, if any: a full category takes no new fields,
/// and fields are deleted only while there are at least two user fields.
std::optional<FieldLimit> FieldOptionLimit(const Document& doc, int cat, int option);

/// An operation as Apply reads it from the boxes, every number kept in its range for the document as it is now.
struct FieldRequest {
    int Option = FldOptInsert;
    /// Box 0: where to insert (CatFields for Append, after the last field), the first field deleted, the first
    /// field of an exchange, the ordering field or the field to set.
    int Field = 0;
    int Length = 0;
    /// Box 2: the value Set Field Values writes.
    int Value = 0;
    /// Box 3: the number of fields, or the second field of an exchange.
    int Count = 0;
    int Weight = 0;
    std::string Name;
    bool operator==(const FieldRequest&) const = default;
};

/// Reads option's boxes for category cat. Delete's count stops at the last field.
FieldRequest ReadFieldRequest(const Document& doc, int cat, int option, const FieldBoxes& boxes);

/// The texts of the boxes that option uses, as request puts them back before the question; the other boxes
/// are absent.
std::array<std::optional<std::string>, NumFieldBoxes> FieldBoxTexts(const Document& doc, int cat,
                                                                    const FieldRequest& request);

/// The question before request changes category cat; empty when there is nothing to change (the name and
/// weight as they are, a field exchanged with itself) or nothing to ask (Order by Fields).
std::string FieldQuestion(const Document& doc, int cat, const FieldRequest& request);
/// The title of option's question.
std::string FieldQuestionTitle(int option);

/// Carries out request on category cat as the question's OK does. Totals are left to be computed again,
/// except the summary after a change of the weights' sum.
void ApplyField(Document& doc, int cat, const FieldRequest& request);

} // namespace markroll
