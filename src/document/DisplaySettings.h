#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace markroll {

/// Colours are 0xRRGGBB.
using Rgb = std::uint32_t;

/// The standard 16-colour palette by index: black, blue, green, cyan, red, magenta, brown, light grey, grey,
/// then the light versions and bright white.
inline constexpr std::array<Rgb, 16> StandardPalette = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

/// Number of display elements of the editor page (box and text colour each).
inline constexpr int NumDisplayElements = 11;

/// Display elements by what they colour on the editor page.
enum DisplayElement : int {
    ElemEdit = 0,
    ElemBorder = 1,
    ElemId = 2,
    ElemName = 3,
    ElemData = 4,
    ElemTotals = 5,
    ElemBorderRight = 6,
    ElemGroup = 7,
    ElemCategory = 8,
    ElemPage = 9,
    ElemBar = 10,
};

/// The data editor's display settings: program state, never stored in the markroll file. The editor resets
/// them each time it opens.
/// The full ID# and name widths: IdLen and NameLen of the document, which checks that they agree.
inline constexpr std::int16_t FullIdDispLen = 11;
inline constexpr std::int16_t FullNameDispLen = 30;

struct DisplaySettings {
    std::int16_t IdDispLen = FullIdDispLen;
    std::int16_t NameDispLen = FullNameDispLen;
    std::string ScrFontName = "Courier";
    float ScrFontSize = 8.0F;
    bool ScrFontBold = false;
    bool ScrFontItalic = false;
    std::int16_t NumColors = NumDisplayElements;
    std::array<Rgb, NumDisplayElements> BgColor{};
    std::array<Rgb, NumDisplayElements> FgColor{};

    bool operator==(const DisplaySettings&) const = default;
};

/// Default box and text colours of the display elements, as palette indices.
inline constexpr std::array<int, NumDisplayElements> DefaultBgIndex = {15, 1, 14, 10, 11, 2, 1, 3, 4, 3, 4};
inline constexpr std::array<int, NumDisplayElements> DefaultFgIndex = {0, 14, 0, 0, 0, 14, 14, 0, 14, 0, 14};

/// Sets the box and text colours of every display element to their defaults.
inline void SetDefColors(DisplaySettings& s) {
    for (std::size_t e = 0; e < NumDisplayElements; ++e) {
        s.BgColor[e] = StandardPalette[static_cast<std::size_t>(DefaultBgIndex[e])];
        s.FgColor[e] = StandardPalette[static_cast<std::size_t>(DefaultFgIndex[e])];
    }
}

/// What the editor starts from each time it opens: Courier 8 points, regular, full ID# and name widths,
/// default colours.
inline DisplaySettings DefaultDisplaySettings() {
    DisplaySettings s;
    SetDefColors(s);
    return s;
}

} // namespace markroll
