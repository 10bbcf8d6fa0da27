#include "platform/Platform.h"

#include <array>

namespace markroll {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. The five bytes the code page leaves
// undefined keep their C1 control character, so every byte survives a trip through a QString.
constexpr std::array<char16_t, 32> HighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The byte for ch, or -1 when the code page has none.
int ByteOf(char16_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) {
        return ch;
    }
    for (std::size_t i = 0; i < HighTable.size(); ++i) {
        if (HighTable[i] == ch) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

} // namespace

QString FromBytes(std::string_view bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = QChar(byte >= 0x80 && byte <= 0x9F ? HighTable[byte - 0x80] : char16_t(byte));
    }
    return text;
}

std::string ToBytes(const QString& text, bool* ok) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    bool all = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = ByteOf(text[i].unicode());
        if (byte < 0) {
            all = false;
            // A character outside the basic plane is one character to the user, so it becomes one "?".
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                ++i;
            }
        }
        bytes.push_back(static_cast<char>(byte < 0 ? '?' : byte));
    }
    if (ok) {
        *ok = all;
    }
    return bytes;
}

bool Representable(QChar ch) {
    return ByteOf(ch.unicode()) >= 0;
}

} // namespace markroll
