// The print dialog's rules: the category list, the boxes and the texts of its questions.

#include <gtest/gtest.h>

#include "reports/PrintSetup.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

// The default list text is checked with the dialog.
TEST(PrintList, Reading) {
    using V = std::vector<int>;
    // A category twice prints twice; nothing after the final comma; an empty item between commas is SUMMARY; numbers
    // made positive, halves to even, 1 and past the last dropped, none is 0; of 33 items the first 32 are taken.
    // clang-format off
    const std::vector<std::pair<std::string, V>> cases = {
        {" 0, 2, 3", {0, 2, 3}}, {"2,2", {2, 2}}, {"0,2,", {0, 2}}, {"0,,2", {0, 0, 2}}, {",2", {0, 2}},
        {"-2.5, 1, 5, 4.5, x", {2, 4, 0}}, {"x", {0}}, {"1, 9", {}}, {"", {}}, {"99999, 3", {3}},
        {std::string(32, ',') + "3", V(32, 0)},
    };
    // clang-format on
    for (const auto& [text, want] : cases)
        EXPECT_EQ(ReadPrintList(text, 5), want) << text;
}

// The markroll sheets' confirmation and prompt are checked with the dialog.
TEST(PrintList, QuestionsAndBoxes) {
    EXPECT_EQ(PrintConfirmText({2, 2}, PrintWorksheets), "Print  2 Catagory Worksheets( 2, 2,)");
    EXPECT_EQ(WorksheetPrompt(3), (PrintPrompt{"Worksheet for Catagory  3", "Print"}));
    const Document doc = MakeDocument(45, {{"Tests", 40, 31, 3}});
    EXPECT_EQ(SheetCountPrompt(doc, 2, 12, 3, 40, 2),
              (PrintPrompt{"2. Tests [40%] - {31}\nFields per Page= 12 ( 3 Pages)\nStudents per Page= 40 ( 2 Groups)",
                           "Print Markroll Category 2"}));

    // Widths are made positive, every box rounded (halves to even) and kept in its range.
    using Boxes = std::tuple<const char*, const char*, const char*, const char*, SheetSettings>;
    for (const auto& [id, name, back, fore, want] : {Boxes{"0", "16", "15", "0", {1, 2, 0, 16, 15, 0, true}},
                                                     Boxes{"-3", "40", "7.5", "-2", {1, 2, 3, 30, 8, 0, true}},
                                                     Boxes{"11.6", "-0.4", "0", "99", {1, 2, 11, 0, 0, 15, true}}})
        EXPECT_EQ(ReadSheetSettings(PrintMarkroll, true, id, name, back, fore, true), want) << id;
    EXPECT_EQ(ReadSheetSettings(PrintWorksheets, false, "0", "16", "15", "0", false), (SheetSettings{0, 1}));
}

} // namespace
