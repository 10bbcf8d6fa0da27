#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace markroll {

/// The character a byte of the markroll's code page (Windows-1252) stands for. The five bytes the code page
/// leaves undefined keep their C1 control character, so every byte survives a trip through Unicode.
char16_t UnicodeOf(unsigned char byte);

/// The byte for a character, or -1 when the code page has none.
int CodePageByteOf(char16_t ch);

/// Markroll bytes as UTF-8, for a terminal or a text file.
std::string ToUtf8(std::string_view bytes);

/// UTF-8 text (an argument on the command line) as markroll bytes; nothing when it is not UTF-8 or holds a
/// character the code page cannot.
std::optional<std::string> FromUtf8(std::string_view text);

} // namespace markroll
