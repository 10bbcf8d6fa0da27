#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "document/TextNumber.h"

using namespace markroll;

namespace {

TEST(TextValue, ReadsLeadingNumber) {
    // clang-format off
    const std::pair<const char*, double> cases[] = {
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
        {"1EX", 1}, {"5E-1x", 0.5}, {"1E-999", 0},
        // Hexadecimal and octal, up to 16 bits signed.
        {"&H1F", 31}, {"&hff", 255}, {"&H 1 F", 31}, {"&O17", 15}, {"&o7", 7}, {"&O78", 7}, {"&H", 0}, {"&O9", 0},
        {"&HFFFF", -1}, {"&H7FFF", 32767}, {"&HG", 0}, {"&12", 0}, {" &H10", 16},
    };
    // clang-format on
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(TextValue(text), value) << "text [" << text << "]";
    // A huge exponent stays finite.
    EXPECT_TRUE(std::isfinite(TextValue("9E999")) && TextValue("9E999") > 1e300 && TextValue("-9E999") < -1e300);
}

TEST(NumText, LeadingBlankOrMinusAndExactFractions) {
    const std::pair<double, std::string> cases[] = {{85, " 85"},        {-3, "-3"},           {0, " 0"},
                                                    {-0.0, " 0"},       {4.5, " 4.5"},        {32767, " 32767"},
                                                    {-32768, "-32768"}, {1234567, " 1234567"}};
    for (const auto& [x, text] : cases) {
        EXPECT_EQ(NumText(x), text) << x;
        EXPECT_EQ(NumTextTrim(x), text.substr(text[0] == ' ' ? 1 : 0)) << x;
    }
    for (double x : {0.1, 2.75, -80.4, 123.456, 1e-3})
        EXPECT_DOUBLE_EQ(TextValue(NumText(x)), x) << NumText(x);
}

// Half-even rounding for what the user sees, half-up where the program rounds totals.
TEST(Clamping, SixteenBitsRangesAndRounding) {
    auto even = [](double x) { return static_cast<int>(RoundHalfEven(x)); };
    auto up = [](double x) { return static_cast<int>(IntHalfUp(x)); };
    // clang-format off
    const int cases[][2] = {
        {ClampToInt16(40000), 32767}, {ClampToInt16(-40000), -32768}, {ClampToInt16(NAN), 0},
        {ClampToInt16(INFINITY), 32767}, {ClampToInt16(-123), -123}, {ClampInt(150, 1, 100), 100},
        {ClampInt(-3, 1, 100), 1}, {ClampInt(NAN, 1, 100), 1}, {ClampInt(1e300, 1, 100), 100},
        {even(2.5), 2}, {even(3.5), 4}, {even(-2.5), -2}, {even(-1.5), -2}, {even(80.5), 80}, {even(89.5), 90},
        {up(2.5), 3}, {up(-2.5), -2}, {up(-1.5), -1}, {up(80.5), 81}, {up(-0.5), 0}, {up(80.4), 80}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(c[0], c[1]) << "case " << &c - cases;
}

// Cuts count characters from 1, take what there is and never reach outside the text.
TEST(Cuts, NeverReachOutsideTheText) {
    const std::string cases[][2] = {
        {Left("abc", 2), "ab"},    {Left("abc", 9), "abc"},   {Left("abc", -1), ""},        {Right("abc", 2), "bc"},
        {Right("abc", 9), "abc"},  {Right("abc", -4), ""},    {Mid("abcdef", 2, 3), "bcd"}, {Mid("abcdef", 5, 9), "ef"},
        {Mid("abcdef", 7, 1), ""}, {Mid("abcdef", 0, 2), ""}, {Mid("abcdef", 2, -1), ""},   {Space(-3), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c[0], c[1]) << "case " << &c - cases;

    std::string row = "ab";
    ReplaceAt(row, 5, "XY");
    ReplaceAt(row, 2, "Z");
    ReplaceAt(row, 0, "Q");
    EXPECT_EQ(row, "aZ  XY") << "a cut past the end pads with blanks; one before the start writes nothing";
}

} // namespace
