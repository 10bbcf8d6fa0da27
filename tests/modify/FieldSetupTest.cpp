#include <gtest/gtest.h>

#include "calc/Recalc.h"
#include "modify/FieldSetup.h"
#include "support/Invariants.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

// Category 2 "Tests" (weight 30, fields as given), category 3 "Labs" (weight 70, 3 fields); 4 students.
static Document Doc(int fields) {
    return MakeDocument(4, {{"Tests", 30, fields, 3}, {"Labs", 70, 3, 3}});
}

TEST(FieldSetup, RangesAndLimitsOfEachOption) {
    using R = std::optional<SpinRange>;
    const std::tuple<int, int, R, R, std::string, bool> cases[] = {
        // fields, option, ranges 0 and 3, limit, set up
        {6, FldOptInsert, SpinRange{1, 5, 5}, SpinRange{1, 58, 1}, "", true},
        {MaxFields, FldOptInsert, {}, {}, "Category is Full", false},
        {6, FldOptDelete, SpinRange{1, 5, 5}, SpinRange{1, 4, 1}, "", true},
        {2, FldOptDelete, SpinRange{1, 1, 1}, SpinRange{1, 0, 1}, "Must have at least Two User Fields to Delete", true},
        {2, FldOptSwitch, SpinRange{1, 1, 1}, SpinRange{1, 1, 1}, "", true},
    };
    for (const auto& [fields, option, range0, range3, limit, setUp] : cases) {
        const FieldSetup s = SetUpFieldOption(Doc(fields), 2, option);
        EXPECT_EQ(std::tuple(s.Ranges[0], s.Ranges[3], s.Limit ? s.Limit->Text : "", s.SetUp),
                  std::tuple(range0, range3, limit, setUp))
            << s.Caption;
    }
}

// Every number typed is kept in its range and written back; the question states what the operation does to
// the document, which stays sound.
TEST(FieldSetup, TypedBoxesQuestionsAndOperations) {
    // The option, the boxes typed, the boxes shown ("" where the option does not write the box back), the question,
    // and student 1's user fields after: the old ones 1..5 by number, '.' new, X set.
    // clang-format off
    const std::tuple<int, FieldBoxes, FieldBoxes, std::string, std::string> cases[] = {
        {FldOptInsert, {"0", "9", "", "70"}, {"1", "4", "", "58"},
         "Insert 58 Field(s) Before Field 1\n   Using a Field Length of 4", std::string(58, '.') + "12345"},
        {FldOptAppend, {"2", "-1", "", "2.5"}, {"5", "0", "", "2"},
         "Append 2 New Field(s) After Field 5\n   Using a Field Length of 0", "12345.."},
        {FldOptDelete, {"2", "", "", "99999999999"}, {"2", "", "", "4"}, "Delete All but One Active Field?", "1"},
        {FldOptDelete, {"5", "", "", "3"}, {"5", "", "", "1"}, "Delete 1 Field(s)\nBeginning with Field 5", "1234"},
        {FldOptSwitch, {"3", "", "", "3.4"}, {"3", "", "", "3"}, "", "12345"},
        {FldOptSwitch, {"9", "", "", "x"}, {"5", "", "", "1"}, "Switch Field 5 with Field 1", "52341"},
        {FldOptSet, {"-2", "", "1500"}, {"1", "", "999", ""}, "Set Field 1 with a value of 999", "X2345"},
        {FldOptName, {"", "", "", "", "-30", "Tests"}, {"", "", "", "", "30", "Tests"}, "", "12345"},
        {FldOptName, {"", "", "", "", "-40.5", "Quizzes and small tests"}, {"", "", "", "", "40", "Quizzes and smal"},
         "Change Category Name:\n   From:  Tests\n   To:  Quizzes and smal\n\n"
         "Change Category Weight:\n   From:  30\n   To:  40", "12345"},
    };
    // clang-format on
    for (const auto& [option, typed, boxes, question, after] : cases) {
        Document doc = Doc(6);
        for (int f = 1; f < 6; ++f)
            SetField(doc, 1, 2, f, std::to_string(f));
        const FieldRequest r = ReadFieldRequest(doc, 2, option, typed);
        const auto shown = FieldBoxTexts(doc, 2, r);
        for (std::size_t k = 0; k < NumFieldBoxes; ++k)
            EXPECT_EQ(shown[k].value_or(""), boxes[k]) << question << " box " << k;
        EXPECT_EQ(FieldQuestion(doc, 2, r), question);
        ApplyField(doc, 2, r);
        std::string fields;
        for (int f = 1; f < doc.CatFields[2]; ++f) {
            const std::string cell = Field(doc, 1, 2, f);
            const int v = static_cast<int>(TextValue(cell));
            fields += cell.find_first_not_of(" .") == std::string::npos ? '.' : v >= 1 && v <= 5 ? char('0' + v) : 'X';
        }
        EXPECT_EQ(fields, after) << question;
        EXPECT_EQ(InvariantViolations(doc), "") << question;
    }
}

// The summary is computed again when the weights' sum changes, and only then.
TEST(FieldSetup, ChangeWeightRecomputesTheSummaryWhenTheSumChanges) {
    Document doc = Doc(3);
    SetField(doc, 1, 2, 0, "100");
    RecalcSummary(doc);
    const auto tot = [&] { return Field(doc, 1, 0, doc.NumCats - 1); };
    const FieldRequest rename = ReadFieldRequest(doc, 2, FldOptName, {"", "", "", "", "30", "Exams"});
    SetField(doc, 1, 2, 0, "50");
    ApplyField(doc, 2, rename);
    EXPECT_EQ(std::tuple(doc.CatName[2], tot()), std::tuple("Exams", "  30"));
    ApplyField(doc, 2, ReadFieldRequest(doc, 2, FldOptName, {"", "", "", "", "130", "Exams"}));
    EXPECT_EQ(std::tuple(doc.CatWeight[0], tot()), std::tuple(200, "  33")); // 130 x 50 / 200
}
