// The print dialog's rules: the category list, the boxes and the texts of its questions.

#include <gtest/gtest.h>

#include "reports/PrintSetup.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

TEST(PrintList, DefaultTextAndReading) {
    EXPECT_EQ(DefaultPrintList(4, false), " 0, 2, 3");
    EXPECT_EQ(DefaultPrintList(4, true), " 0, 1, 2, 3");
    using V = std::vector<int>;
    std::string many = "2";
    for (int i = 0; i < 32; ++i)
        many += ",3";
    const std::vector<std::pair<std::string, V>> cases = {
        {" 0, 2, 3", {0, 2, 3}},
        {"2,2", {2, 2}},                   // a category twice prints twice
        {"0,2,", {0, 2}},                  // nothing after the final comma
        {"0,,2", {0, 0, 2}},               // an empty item between commas is SUMMARY
        {",2", {0, 2}},                    //
        {"-2.5, 1, 5, 4.5, x", {2, 4, 0}}, // made positive, halves to even; 1 and past the last dropped; none is 0
        {"x", {0}},
        {"1, 9", {}},
        {"", {}},
        {"99999, 3", {3}},
    };
    for (const auto& [text, want] : cases)
        EXPECT_EQ(ReadPrintList(text, 5), want) << text;
    V first32(32, 3);
    first32.front() = 2;
    EXPECT_EQ(ReadPrintList(many, 5), first32); // 33 numbers: the first 32 are taken
}

TEST(PrintList, QuestionsAndBoxes) {
    EXPECT_EQ(PrintConfirmText({0, 2, 3}, PrintMarkroll), "Print  3 Catagories of Markroll( 0, 2, 3,)");
    EXPECT_EQ(PrintConfirmText({2, 2}, PrintWorksheets), "Print  2 Catagory Worksheets( 2, 2,)");
    EXPECT_EQ(MarkrollPrompt(2), (PrintPrompt{"Print Markroll for Catagory  2", "Print Grade Report"}));
    EXPECT_EQ(WorksheetPrompt(3), (PrintPrompt{"Worksheet for Catagory  3", "Print"}));
    const Document doc = MakeDocument(45, {{"Tests", 40, 31, 3}});
    EXPECT_EQ(SheetCountPrompt(doc, 2, 12, 3, 40, 2),
              (PrintPrompt{"2. Tests [40%] - {31}\nFields per Page= 12 ( 3 Pages)\nStudents per Page= 40 ( 2 Groups)",
                           "Print Markroll Category 2"}));

    struct Boxes {
        const char *id, *name, *back, *fore;
        SheetSettings want;
    };
    // Widths are made positive, every box rounded (halves to even) and kept in its range.
    for (const Boxes& b : {Boxes{"0", "16", "15", "0", {1, 2, 0, 16, 15, 0, true}},
                           Boxes{"-3", "40", "7.5", "-2", {1, 2, 3, 30, 8, 0, true}},
                           Boxes{"11.6", "-0.4", "0", "99", {1, 2, 11, 0, 0, 15, true}}})
        EXPECT_EQ(ReadSheetSettings(PrintMarkroll, true, b.id, b.name, b.back, b.fore, true), b.want) << b.id;
    EXPECT_EQ(ReadSheetSettings(PrintWorksheets, false, "0", "16", "15", "0", false), (SheetSettings{0, 1}));
}

} // namespace
