#include <gtest/gtest.h>

#include "modify/StudentSetup.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

Document Class(int students) {
    return MakeDocument(students, {{"Tests", 100, 3, 3}});
}

} // namespace

TEST(StudentSetup, RangesOfEachOption) {
    using R = std::optional<SpinRange>;
    const struct {
        int students, option;
        R range0, range1;
        bool canApply;
        bool limited;
    } cases[] = {
        {10, OptInsert, SpinRange{1, 90, 1}, SpinRange{1, 10, 10}, true, false},
        {99, OptAppend, SpinRange{1, 1, 1}, SpinRange{1, 99, 99}, true, false},
        {100, OptInsert, std::nullopt, std::nullopt, true, true},
        {10, OptDelete, SpinRange{1, 1, 1}, SpinRange{1, 10, 10}, true, false},
        {1, OptDelete, std::nullopt, std::nullopt, false, false}, // the last student stays
        {10, OptSwitch, SpinRange{1, 10, 1}, SpinRange{1, 10, 10}, true, false},
        {0, OptSwitch, std::nullopt, std::nullopt, false, false},
        {10, OptAdjust, SpinRange{0, 999, 0}, std::nullopt, true, false},
        {10, OptOrder, SpinRange{0, 2, 0}, std::nullopt, true, false}, // the three fields of category 2
        {10, OptAlpha, std::nullopt, std::nullopt, true, false},
    };
    for (const auto& c : cases) {
        const StudentSetup s = SetUpOption(Class(c.students), c.option, 2);
        SCOPED_TRACE(s.Caption);
        EXPECT_EQ(s.Range0, c.range0);
        EXPECT_EQ(s.Range1, c.range1);
        EXPECT_EQ(s.CanApply, c.canApply);
        EXPECT_EQ(s.Limit.value_or(""), c.limited ? "Maximum Number of Students is 100!" : "");
    }
}

TEST(StudentSetup, ApplyKeepsEveryTypedNumberInItsRange) {
    const struct {
        int option;
        const char *box0, *box1;
        int first, second;
    } cases[] = {
        {OptDelete, "50", "1", 9, 1},    // never all ten students
        {OptDelete, "3", "9", 2, 9},     // the count within the students from the start on
        {OptInsert, "2.5", "0", 2, 1},   // halves to even; before the first
        {OptInsert, "abc", "99", 1, 10}, // no number is the least
        {OptAppend, "95", "", 90, 10},   // after the last, whatever box 1 says
        {OptSwitch, "-3", "11", 1, 10},  // both within the students
        {OptAdjust, "1500", "", 999, 0}, // at most 999 points
        {OptOrder, "7", "", 2, 0},       // the last field of the category
    };
    const Document doc = Class(10);
    for (const auto& c : cases)
        EXPECT_EQ(ApplyNumbers(doc, c.option, 2, c.box0, c.box1), std::make_pair(c.first, c.second))
            << c.option << " " << c.box0 << " " << c.box1;
}

TEST(StudentSetup, ViewerLinesAndPages) {
    Document doc = Class(100);
    doc.CatData(7, 1) = "123-45-6789 Zed";
    EXPECT_EQ(StuViewLine(doc, 7), " 7. 123-45-6789 Zed" + std::string(NameDataWidth - 15, ' '));
    EXPECT_EQ(StuViewLine(doc, 100).substr(0, 4), " 100");
    std::vector<std::pair<int, int>> pages;
    for (int last = 25, i = 0; i < 3; ++i, last = pages.back().second)
        pages.push_back(NextStudentPage(last, 60));
    EXPECT_EQ(pages, (std::vector<std::pair<int, int>>{{26, 50}, {51, 60}, {1, 25}}));
}
