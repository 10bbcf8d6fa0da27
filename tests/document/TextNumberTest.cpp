#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "document/TextNumber.h"

using namespace markroll;

namespace {

TEST(TextValue, ReadsLeadingNumber) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        // Cells as the grid holds them.
        {"  85", 85}, {"...", 0}, {" 4.5", 4.5}, {"A", 0}, {"", 0}, {"1000", 1000}, {"  -5", -5}, {"12abc", 12},
        {"  7.", 7},
        // Blanks, tabs and line feeds are skipped anywhere; other characters end the number.
        {"1 2", 12}, {"\t42", 42}, {"4\t2", 42}, {"1\n2", 12}, {"- 3", -3}, {"3 . 5", 3.5}, {"1 E 2", 100},
        {"\n\t 9 \n", 9}, {"1_2", 1},
        // Sign and decimal point.
        {"+7", 7}, {".5", 0.5}, {"-.25", -0.25}, {"3.25.5", 3.25}, {"-", 0}, {".", 0}, {"+-3", 0}, {"--3", 0},
        // Exponents, E or D, and an exponent without digits ends the number before it.
        {"1E3", 1000}, {"1e3", 1000}, {"2D2", 200}, {"2d-1", 0.2}, {"1.5E+2", 150}, {"1E", 1}, {"1E+", 1},
        {"1EX", 1}, {"5E-1x", 0.5},
        // Hexadecimal and octal, up to 16 bits signed.
        {"&H1F", 31}, {"&hff", 255}, {"&H 1 F", 31}, {"&O17", 15}, {"&o7", 7}, {"&O78", 7}, {"&H", 0}, {"&O9", 0},
        {"&HFFFF", -1}, {"&H7FFF", 32767}, {"&HG", 0}, {"&12", 0}, {" &H10", 16},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(TextValue(c.text), c.value) << "text [" << c.text << "]";
}

TEST(TextValue, HugeExponentStaysFinite) {
    EXPECT_TRUE(std::isfinite(TextValue("9E999")));
    EXPECT_GT(TextValue("9E999"), 1e300);
    EXPECT_LT(TextValue("-9E999"), -1e300);
    EXPECT_EQ(TextValue("1E-999"), 0);
}

TEST(NumText, LeadingBlankOrMinusAndExactFractions) {
    const struct {
        double x;
        const char* text;
    } cases[] = {{85, " 85"},       {-3, "-3"},         {0, " 0"},        {-0.0, " 0"},
                 {4.5, " 4.5"},     {32767, " 32767"}, {-32768, "-32768"}, {1234567, " 1234567"}};
    for (const auto& c : cases) {
        EXPECT_EQ(NumText(c.x), c.text) << c.x;
        EXPECT_EQ(NumTextTrim(c.x), std::string(c.text).substr(c.text[0] == ' ' ? 1 : 0)) << c.x;
    }
    for (double x : {0.1, 2.75, -80.4, 123.456, 1e-3})
        EXPECT_DOUBLE_EQ(TextValue(NumText(x)), x) << NumText(x);
}

TEST(CellText, RightAlignedAndCutOnTheLeft) {
    const struct {
        double x;
        int w;
        const char* text;
    } cases[] = {{1000, 4, "1000"}, {100, 4, " 100"},   {0, 4, "   0"},    {-5, 4, "  -5"}, {12345, 4, "2345"},
                 {-1000, 4, "1000"}, {-999, 4, "-999"}, {7, 1, "7"},      {7, 3, "  7"},   {32767, 4, "2767"}};
    for (const auto& c : cases)
        EXPECT_EQ(CellText(c.x, c.w), c.text) << c.x << " in " << c.w;
}

TEST(Rounding, HalfEvenAndHalfUp) {
    const struct {
        double x, even, up;
    } cases[] = {{2.5, 2, 3},   {3.5, 4, 4},   {-2.5, -2, -2}, {89.5, 90, 90}, {80.5, 80, 81},
                 {80.4, 80, 80}, {-0.5, 0, 0}, {-1.5, -2, -1}, {7, 7, 7}};
    for (const auto& c : cases) {
        EXPECT_EQ(RoundHalfEven(c.x), c.even) << c.x;
        EXPECT_EQ(IntHalfUp(c.x), c.up) << c.x;
    }
}

TEST(Clamping, SixteenBitsAndRanges) {
    const int cases[][2] = {{ClampToInt16(40000), 32767},    {ClampToInt16(-40000), -32768}, {ClampToInt16(NAN), 0},
                            {ClampToInt16(INFINITY), 32767}, {ClampToInt16(-123), -123},     {ClampInt(150, 1, 100), 100},
                            {ClampInt(-3, 1, 100), 1},       {ClampInt(NAN, 1, 100), 1},     {ClampInt(1e300, 1, 100), 100}};
    for (const auto& c : cases)
        EXPECT_EQ(c[0], c[1]) << "case " << &c - cases;
}

// Cuts count characters from 1, take what there is and never reach outside the text.
TEST(Cuts, NeverReachOutsideTheText) {
    const std::string cases[][2] = {
        {Left("abc", 2), "ab"},        {Left("abc", 9), "abc"},       {Left("abc", -1), ""},
        {Right("abc", 2), "bc"},       {Right("abc", 9), "abc"},      {Right("abc", -4), ""},
        {Mid("abcdef", 2, 3), "bcd"},  {Mid("abcdef", 5, 9), "ef"},   {Mid("abcdef", 7, 1), ""},
        {Mid("abcdef", 0, 2), ""},     {Mid("abcdef", 2, -1), ""},    {Space(-3), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c[0], c[1]) << "case " << &c - cases;

    std::string row = "ab";
    ReplaceAt(row, 5, "XY");
    EXPECT_EQ(row, "ab  XY");
    ReplaceAt(row, 2, "Z");
    EXPECT_EQ(row, "aZ  XY");
    ReplaceAt(row, 0, "Q");
    EXPECT_EQ(row, "aZ  XY");
}

} // namespace
