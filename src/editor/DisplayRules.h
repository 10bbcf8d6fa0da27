#pragma once

#include <array>
#include <string>
#include <string_view>

#include "document/DisplaySettings.h"

namespace markroll {

/// What a typed ID# or name width becomes: a number above max gives max and one below 0 gives 0 (both
/// `corrected`, so the box shows the bound); otherwise the nearest integer, halves to even.
int ReadDisplayLength(std::string_view typed, int max, bool& corrected);

/// Gives element sel a new box colour (bgMode) or text colour. The two border zones of a student row always
/// look alike, so choosing either one colours both, box and text.
void SetElementColor(std::array<Rgb, NumDisplayElements>& bg, std::array<Rgb, NumDisplayElements>& fg, int sel,
                     bool bgMode, Rgb color);

/// The font caption of the display dialog: "Courier - Regular 8 pts", "Courier - Italic Bold 12 pts".
std::string FontCaption(std::string_view name, double size, bool bold, bool italic);

} // namespace markroll
