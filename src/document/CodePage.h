#pragma once

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

} // namespace markroll
