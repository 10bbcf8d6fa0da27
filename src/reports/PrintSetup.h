#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/Document.h"

namespace markroll {

// The rules of the print dialog (MrPrint) that do not need a window: the category list, the confirmation and
// the prompts, and how its boxes are read. The dialog and `markroll-cli print` both call them.

/// What the print dialog prints.
enum PrintKind : int { PrintWorksheets = 0, PrintMarkroll = 1 };

/// The settings cmdPrint reads from the dialog; the defaults are the dialog's when it opens.
struct SheetSettings {
    int Kind = PrintMarkroll;
    /// 1 portrait, 2 landscape.
    int Orientation = 1;
    /// Characters of the ID (0..IdLen) and of the name (0..NameLen) printed on each student's row.
    int IdWidth = 0;
    int NameWidth = 16;
    /// Palette indices 0..15 of the boxes and of the texts on them.
    int BackColor = 15;
    int ForeColor = 0;
    /// Ask before each category.
    bool Prompting = false;
    bool operator==(const SheetSettings&) const = default;
};

/// The most categories one print command takes.
inline constexpr int PrintListCapacity = 32;

/// The text of the category list box: every category but NAME DATA (all of them when allCategories), each number
/// with a leading blank, joined by "," (" 0, 2, 3").
std::string DefaultPrintList(int numCats, bool allCategories);

/// The categories a list text asks for, in its order: each item's leading number made positive and rounded,
/// NAME DATA and numbers past the last category dropped, an empty item between commas taken as 0 and one after a
/// final comma dropped, repeats kept, at most PrintListCapacity. Empty when nothing is left to print.
std::vector<int> ReadPrintList(std::string_view text, int numCats);

/// The message for an empty list or one with nothing left to print.
inline constexpr const char* NoCategoriesText = "Please Enter Catagories to print";
inline constexpr const char* NoCategoriesTitle = "?";

/// The question before anything is printed: "Print  3 Catagories of Markroll( 0, 2, 3,)".
std::string PrintConfirmText(const std::vector<int>& cats, int kind);
inline constexpr const char* PrintConfirmTitle = "Print Markroll/Worksheets";

/// The settings the dialog's boxes give: widths made positive, rounded and kept in 0..IdLen and 0..NameLen,
/// colours rounded and kept in 0..15, landscape or portrait.
SheetSettings ReadSheetSettings(int kind, bool landscape, std::string_view idWidth, std::string_view nameWidth,
                                std::string_view backColor, std::string_view foreColor, bool prompting);

/// A question or message: its text and its title.
struct PrintPrompt {
    std::string Text;
    std::string Title;
    bool operator==(const PrintPrompt&) const = default;
};

/// With prompting: the question before a category's markroll sheets.
PrintPrompt MarkrollPrompt(int cat);
/// With prompting: the question once the sheets are fitted, with how many fields and students go on a sheet.
PrintPrompt SheetCountPrompt(const Document& doc, int cat, int fieldsPerPage, int pages, int studentsPerPage,
                             int groups);
/// With prompting: the question before a category's worksheet.
PrintPrompt WorksheetPrompt(int cat);

/// The message when not one field fits across the page (tooNarrow) or not one student down it (tooShort): the
/// category is not printed, and the message says what to change.
PrintPrompt PageTooSmall(int cat, bool tooNarrow, bool tooShort);

} // namespace markroll
