#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "document/TextNumber.h"

using namespace markroll;

namespace {

struct ValueCase {
    const char* text;
    double value;
};

// Test names show the text read, with its tabs and line feeds spelled out.
std::ostream& operator<<(std::ostream& os, const ValueCase& c) {
    os << '\'';
    for (const char* p = c.text; *p; ++p)
        os << (*p == '\t' ? "\\t" : *p == '\n' ? "\\n" : std::string(1, *p));
    return os << '\'';
}

class TextValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(TextValueTest, ReadsLeadingNumber) {
    EXPECT_DOUBLE_EQ(TextValue(GetParam().text), GetParam().value) << "text [" << GetParam().text << "]";
}

INSTANTIATE_TEST_SUITE_P(Cells, TextValueTest,
                         ::testing::Values(ValueCase{"  85", 85}, ValueCase{"...", 0}, ValueCase{" ...", 0},
                                           ValueCase{" 4.5", 4.5}, ValueCase{"1 2", 12}, ValueCase{"A", 0},
                                           ValueCase{"", 0}, ValueCase{" 100", 100}, ValueCase{"1000", 1000},
                                           ValueCase{"  -5", -5}, ValueCase{"12abc", 12}, ValueCase{"  7.", 7}));

INSTANTIATE_TEST_SUITE_P(SkippedCharacters, TextValueTest,
                         ::testing::Values(ValueCase{"\t42", 42}, ValueCase{"4\t2", 42}, ValueCase{"1\n2", 12},
                                           ValueCase{"- 3", -3}, ValueCase{"3 . 5", 3.5}, ValueCase{"1 E 2", 100},
                                           ValueCase{"\n\t 9 \n", 9}, ValueCase{"1_2", 1}));

INSTANTIATE_TEST_SUITE_P(SignAndPoint, TextValueTest,
                         ::testing::Values(ValueCase{"+7", 7}, ValueCase{"-7", -7}, ValueCase{".5", 0.5},
                                           ValueCase{"-.25", -0.25}, ValueCase{"3.25.5", 3.25}, ValueCase{"-", 0},
                                           ValueCase{".", 0}, ValueCase{"+-3", 0}, ValueCase{"--3", 0}));

INSTANTIATE_TEST_SUITE_P(Exponents, TextValueTest,
                         ::testing::Values(ValueCase{"1E3", 1000}, ValueCase{"1e3", 1000}, ValueCase{"2D2", 200},
                                           ValueCase{"2d-1", 0.2}, ValueCase{"1.5E+2", 150}, ValueCase{"1E", 1},
                                           ValueCase{"1E+", 1}, ValueCase{"1EX", 1}, ValueCase{"5E-1x", 0.5}));

INSTANTIATE_TEST_SUITE_P(HexAndOctal, TextValueTest,
                         ::testing::Values(ValueCase{"&H1F", 31}, ValueCase{"&hff", 255}, ValueCase{"&H 1 F", 31},
                                           ValueCase{"&O17", 15}, ValueCase{"&o7", 7}, ValueCase{"&O78", 7},
                                           ValueCase{"&H", 0}, ValueCase{"&O9", 0}, ValueCase{"&HFFFF", -1},
                                           ValueCase{"&H7FFF", 32767}, ValueCase{"&HG", 0}, ValueCase{"&12", 0},
                                           ValueCase{" &H10", 16}));

TEST(TextValue, HugeExponentStaysFinite) {
    EXPECT_TRUE(std::isfinite(TextValue("9E999")));
    EXPECT_GT(TextValue("9E999"), 1e300);
    EXPECT_LT(TextValue("-9E999"), -1e300);
    EXPECT_EQ(TextValue("1E-999"), 0);
}

TEST(NumText, LeadingBlankOrMinus) {
    const struct {
        double x;
        const char* text;
        const char* trimmed;
    } cases[] = {
        {85, " 85", "85"},       {-3, "-3", "-3"},         {0, " 0", "0"},
        {4.5, " 4.5", "4.5"},   {32767, " 32767", "32767"}, {-32768, "-32768", "-32768"},
        {1234567, " 1234567", "1234567"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumText(c.x), c.text) << c.x;
        EXPECT_EQ(NumTextTrim(c.x), c.trimmed) << c.x;
    }
    EXPECT_EQ(NumText(-0.0), " 0");
}

TEST(NumText, FractionsReadBackExactly) {
    for (double x : {0.1, 2.75, -80.4, 123.456, 1e-3})
        EXPECT_DOUBLE_EQ(TextValue(NumText(x)), x) << NumText(x);
}

TEST(CellText, RightAlignedAndCutOnTheLeft) {
    const struct {
        double x;
        int w;
        const char* text;
    } cases[] = {
        {1000, 4, "1000"}, {100, 4, " 100"},  {73, 4, "  73"},   {0, 4, "   0"},  {-5, 4, "  -5"},
        {12345, 4, "2345"}, {-1000, 4, "1000"}, {-999, 4, "-999"}, {7, 1, "7"},    {7, 3, "  7"},
        {32767, 4, "2767"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CellText(c.x, c.w), c.text) << c.x << " in " << c.w;
}

TEST(Rounding, HalfEvenAndHalfUp) {
    const struct {
        double x;
        double even;
        double up;
    } cases[] = {
        {2.5, 2, 3}, {3.5, 4, 4}, {-2.5, -2, -2}, {89.5, 90, 90}, {80.5, 80, 81},
        {80.4, 80, 80}, {-0.5, 0, 0}, {-1.5, -2, -1}, {7, 7, 7},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundHalfEven(c.x), c.even) << c.x;
        EXPECT_EQ(IntHalfUp(c.x), c.up) << c.x;
    }
}

TEST(Clamping, SixteenBitsAndRanges) {
    EXPECT_EQ(ClampToInt16(40000), 32767);
    EXPECT_EQ(ClampToInt16(-40000), -32768);
    EXPECT_EQ(ClampToInt16(NAN), 0);
    EXPECT_EQ(ClampToInt16(INFINITY), 32767);
    EXPECT_EQ(ClampToInt16(-123), -123);
    EXPECT_EQ(ClampInt(150, 1, 100), 100);
    EXPECT_EQ(ClampInt(-3, 1, 100), 1);
    EXPECT_EQ(ClampInt(NAN, 1, 100), 1);
    EXPECT_EQ(ClampInt(1e300, 1, 100), 100);
}

TEST(Cuts, NeverReachOutsideTheText) {
    EXPECT_EQ(Left("abc", 2), "ab");
    EXPECT_EQ(Left("abc", 9), "abc");
    EXPECT_EQ(Left("abc", -1), "");
    EXPECT_EQ(Right("abc", 2), "bc");
    EXPECT_EQ(Right("abc", 9), "abc");
    EXPECT_EQ(Right("abc", -4), "");
    EXPECT_EQ(Mid("abcdef", 2, 3), "bcd");
    EXPECT_EQ(Mid("abcdef", 5, 9), "ef");
    EXPECT_EQ(Mid("abcdef", 7, 1), "");
    EXPECT_EQ(Mid("abcdef", 0, 2), "");
    EXPECT_EQ(Mid("abcdef", 2, -1), "");
    EXPECT_EQ(Space(3), "   ");
    EXPECT_EQ(Space(-3), "");

    std::string row = "ab";
    ReplaceAt(row, 5, "XY");
    EXPECT_EQ(row, "ab  XY");
    ReplaceAt(row, 2, "Z");
    EXPECT_EQ(row, "aZ  XY");
    ReplaceAt(row, 0, "Q");
    EXPECT_EQ(row, "aZ  XY");
}

} // namespace
