#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "document/Document.h"

namespace markroll {

/// Reads the leading number of a text, the way every cell and typed box is read.
///
/// Blanks, tabs and line feeds are skipped anywhere in the text. Accepts an optional sign, digits with
/// at most one decimal point and an optional exponent (E or D), or a "&H" (hexadecimal) or "&O" (octal)
/// number. Reading stops at the first character that does not fit; no number gives 0.
double TextValue(std::string_view s);

/// The decimal text of x with a leading blank when x is zero or positive, a leading "-" when negative.
std::string NumText(double x);

/// NumText without its leading blank (negative numbers keep their minus sign).
std::string NumTextTrim(double x);

/// x right-aligned in w characters; a wider text loses its leftmost characters.
std::string CellText(double x, int w);

/// Nearest integer with halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
double RoundHalfEven(double x);

/// Int(x + 0.5): the largest integer not greater than x + 0.5.
double IntHalfUp(double x);

/// The leading number of a text (a typed box or a cell) to the nearest integer, halves to even, kept in 16 bits.
std::int16_t ReadInt16(std::string_view text);

/// Clamps a value into the 16-bit range; NaN gives 0.
std::int16_t ClampToInt16(double x);

/// Clamps x into lo..hi; NaN gives lo.
int ClampInt(double x, int lo, int hi);

// Bounds-safe cuts of a row string with 1-based positions. Counts below zero count as zero and a cut that
// reaches past the end of the text stops there, so rows of any length can be cut without harm.
std::string Left(std::string_view s, int n);
std::string Right(std::string_view s, int n);
std::string Mid(std::string_view s, int start, int n);
std::string Space(int n);

/// Replaces characters pos.. of row (1-based) by text, first padding a shorter row with blanks.
void ReplaceAt(std::string& row, int pos, std::string_view text);

} // namespace markroll
