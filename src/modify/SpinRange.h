#pragma once

#include <algorithm>
#include <string_view>

#include "document/TextNumber.h"

namespace markroll {

/// A spinner's range and the value it starts from.
struct SpinRange {
    int Min = 0;
    int Max = 0;
    int Start = 0;
    bool operator==(const SpinRange&) const = default;
};

/// The number typed into a box: its leading number to the nearest whole number (halves to even), kept in
/// range. A number of any size, or none at all, is only out of range.
inline int ReadBox(std::string_view text, SpinRange range) {
    return std::clamp(static_cast<int>(ReadInt16(text)), range.Min, std::max(range.Min, range.Max));
}

} // namespace markroll
