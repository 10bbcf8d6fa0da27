#include "editor/DisplayRules.h"

#include "document/TextNumber.h"

namespace markroll {

int ReadDisplayLength(std::string_view typed, int max, bool& corrected) {
    const double value = TextValue(typed);
    corrected = value > max || value < 0;
    if (corrected)
        return value > max ? max : 0;
    return static_cast<int>(RoundHalfEven(value));
}

void SetElementColor(std::array<Rgb, NumDisplayElements>& bg, std::array<Rgb, NumDisplayElements>& fg, int sel,
                     bool bgMode, Rgb color) {
    const auto k = static_cast<std::size_t>(sel);
    (bgMode ? bg : fg)[k] = color;
    if (sel == ElemBorder || sel == ElemBorderRight) {
        const auto other = static_cast<std::size_t>(sel == ElemBorder ? ElemBorderRight : ElemBorder);
        bg[other] = bg[k];
        fg[other] = fg[k];
    }
}

std::string FontCaption(std::string_view name, double size, bool bold, bool italic) {
    return std::string(name) + " - " + (italic ? "Italic " : "Regular ") + (bold ? "Bold " : "") + NumTextTrim(size) +
           " pts";
}

} // namespace markroll
