#include "document/CodePage.h"

#include <array>

namespace markroll {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr std::array<char16_t, 32> HighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

char16_t UnicodeOf(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? HighTable[byte - 0x80] : char16_t(byte);
}

int CodePageByteOf(char16_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return ch;
    for (std::size_t i = 0; i < HighTable.size(); ++i)
        if (HighTable[i] == ch)
            return static_cast<int>(0x80 + i);
    return -1;
}

std::string ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const char16_t u = UnicodeOf(static_cast<unsigned char>(c));
        if (u < 0x80) {
            out.push_back(static_cast<char>(u));
        } else if (u < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (u >> 6)));
            out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (u >> 12)));
            out.push_back(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
        }
    }
    return out;
}

std::optional<std::string> FromUtf8(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const int extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : -1;
        if (extra < 0 || i + static_cast<std::size_t>(extra) > text.size() - 1)
            return std::nullopt;
        char32_t u = extra == 0 ? b : extra == 1 ? (b & 0x1F) : (b & 0x0F);
        for (int k = 1; k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((c & 0xC0) != 0x80)
                return std::nullopt;
            u = (u << 6) | (c & 0x3F);
        }
        const int byte = u > 0xFFFF ? -1 : CodePageByteOf(static_cast<char16_t>(u));
        if (byte < 0)
            return std::nullopt;
        out.push_back(static_cast<char>(byte));
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

} // namespace markroll
