#pragma once

#include <string>
#include <string_view>

namespace CommonLib {

// The program's 8-bit texts are in code page 1252; property trees hold wide (Unicode) texts.
// widenText maps every byte to its Unicode character (the five bytes the code page leaves
// undefined map to the control characters of the same value), so narrowText(widenText(s)) == s.
// narrowText writes '?' for a character the code page cannot hold.
std::wstring widenText(std::string_view text);
std::string narrowText(std::wstring_view text);

// UTF-8 for text files. Malformed input decodes to U+FFFD, one per bad byte.
std::string encodeUtf8(std::wstring_view text);
std::wstring decodeUtf8(std::string_view text);

} // namespace CommonLib
