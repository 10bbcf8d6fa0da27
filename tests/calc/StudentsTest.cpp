// The student operations on whole rows, their limits and their confirmation texts.

#include <gtest/gtest.h>

#include "calc/Students.h"
#include "support/Invariants.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

// Ten students named "S1".."S10" with a score in field 1 of Tests.
Document Class(int n = 10) {
    Document doc = MakeDocument(n, {{"Tests", 100, 3, 3}});
    for (int s = 1; s <= n; ++s) {
        doc.CatData(s, 1) = NewStudentRow(std::to_string(s), "S" + std::to_string(s));
        SetField(doc, s, 2, 1, std::to_string(s));
    }
    return doc;
}

std::string Names(const Document& doc) {
    std::string out;
    for (int s = 1; s <= doc.NumStudents; ++s) {
        std::string name = Mid(doc.CatData(s, 1), IdLen + 2, NameLen);
        name.erase(name.find_last_not_of(' ') + 1);
        out += name + " ";
    }
    return out;
}

TEST(Students, InsertAppendDeleteSwitchKeepEveryCategoryInStep) {
    const Document before = Class();
    Document doc = before;
    InsertStudents(doc, 11, 3, "");
    EXPECT_EQ(Names(doc), "S1 S2 S3 S4 S5 S6 S7 S8 S9 S10    ");
    EXPECT_EQ(Left(doc.CatData(12, 1), IdLen), "...-..-....");
    EXPECT_EQ(doc.CatData(doc.TitleRow(), 2), before.CatData(before.TitleRow(), 2));
    EXPECT_EQ(InvariantViolations(doc), "");

    doc = before;
    InsertStudents(doc, 1, 1, NewStudentRow("123-45-6789", "Fudge/ Elmer"));
    EXPECT_EQ(doc.CatData(1, 1), "123-45-6789 Fudge/ Elmer" + Space(NameLen - 12));
    EXPECT_EQ(Mid(doc.CatData(2, 2), 5, 4), "   1");
    EXPECT_EQ(NewStudentRow("42", "A").substr(0, 13), "         42 A");

    doc = before;
    EXPECT_EQ(DeleteLimit(doc, 1), 9);
    DeleteStudents(doc, 1, 50); // never all of them
    EXPECT_EQ(Names(doc), "S10 ");
    DeleteStudents(doc, 1, 1);
    EXPECT_EQ(doc.NumStudents, 1);
    doc = before;
    DeleteStudents(doc, 4, 2);
    SwitchStudents(doc, 1, 99);
    EXPECT_EQ(Names(doc), "S10 S2 S3 S6 S7 S8 S9 S1 ");
    EXPECT_EQ(Mid(doc.CatData(1, 2), 5, 4), "  10");
    EXPECT_EQ(InvariantViolations(doc), "");

    doc = Class(MaxStudents);
    EXPECT_EQ(InsertLimit(doc).value_or(""), "Maximum Number of Students is 100!");
    InsertStudents(doc, 1, 1, "");
    EXPECT_EQ(doc.NumStudents, MaxStudents);
}

TEST(Students, AlphabetizeByCharacterCodesAndAdjustmentPoints) {
    Document doc = Class(4);
    for (const auto& [s, name] : {std::pair{1, "apple"}, {2, "Zebra"}, {3, "Bee"}, {4, "Zebra"}})
        doc.CatData(s, 1) = NewStudentRow(std::to_string(s), name);
    const std::string average = doc.CatData(0, 2);
    AlphaStudents(doc);
    EXPECT_EQ(Names(doc), "Bee Zebra Zebra apple ");
    EXPECT_EQ(Mid(doc.CatData(4, 2), 5, 4), "   1");
    EXPECT_EQ(doc.CatData(0, 2), average);

    SetAdjustmentPoints(doc, 1500);
    for (int r : {0, 2, doc.PossibleRow()})
        EXPECT_EQ(Mid(doc.CatData(r, 0), doc.NumCats * CellWidth + 1, CellWidth), " 999") << r;
}

TEST(Students, ConfirmationTexts) {
    const Document doc = Class(3);
    const std::string row1 = "{" + doc.CatData(1, 1) + "}";
    const std::string row3 = "{" + doc.CatData(3, 1) + "}";
    EXPECT_EQ(InsertText(doc, 1, 2), "Insert 2 New Student(s)\nBefore Student#  1\n      " + row1);
    EXPECT_EQ(AppendText(doc, 1), "Append 1 New Student(s)\nAfter Student#  3\n      " + row3);
    EXPECT_EQ(DeleteText(doc, 3, 1), "Delete Student# 3     " + row3);
    EXPECT_EQ(DeleteText(doc, 1, 2), "Delete 2 Students\nStarting with Student#  1\n     " + row1);
    EXPECT_EQ(SwitchText(doc, 1, 3), "Switch Student# 1\n     " + row1 + "\nWith Student#3\n     " + row3);
    EXPECT_EQ(AdjustText(5), "Set Adjustment Points for all students to:\n5 Points?");
}

} // namespace
