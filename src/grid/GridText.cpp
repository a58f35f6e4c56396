#include "grid/GridText.h"

#include <array>
#include <cstdint>
#include <type_traits>

namespace CommonLib {
namespace {

// Unicode characters of the bytes 0x80 to 0x9F of code page 1252.
constexpr std::array<char16_t, 32> upperControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char32_t replacementCharacter = 0xFFFD;

char narrowCharacter(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(static_cast<unsigned char>(c));
    for (std::size_t index = 0; index < upperControlRange.size(); ++index) {
        if (upperControlRange[index] == c)
            return static_cast<char>(0x80 + index);
    }
    return '?';
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        c = replacementCharacter;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[pos]; advances pos by the bytes used (1 for a bad byte).
char32_t decodeOne(std::string_view text, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t extra = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1, value = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2, value = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3, value = lead & 0x07, minimum = 0x10000;
    } else {
        ++pos;
        return replacementCharacter;
    }
    if (text.size() - pos <= extra) {
        ++pos;
        return replacementCharacter;
    }
    for (std::size_t index = 1; index <= extra; ++index) {
        const auto next = static_cast<unsigned char>(text[pos + index]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return replacementCharacter;
        }
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        ++pos;
        return replacementCharacter;
    }
    pos += extra + 1;
    return value;
}

} // namespace

std::wstring widenText(std::string_view text)
{
    std::wstring wide;
    wide.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte < 0xA0)
            wide += static_cast<wchar_t>(upperControlRange[byte - 0x80]);
        else
            wide += static_cast<wchar_t>(byte);
    }
    return wide;
}

std::string narrowText(std::wstring_view text)
{
    std::string narrow;
    narrow.reserve(text.size());
    for (wchar_t c : text)
        narrow += narrowCharacter(static_cast<char32_t>(static_cast<std::make_unsigned_t<wchar_t>>(c)));
    return narrow;
}

std::string encodeUtf8(std::wstring_view text)
{
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : text)
        appendUtf8(out, static_cast<char32_t>(static_cast<std::make_unsigned_t<wchar_t>>(c)));
    return out;
}

std::wstring decodeUtf8(std::string_view text)
{
    std::wstring out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size())
        out += static_cast<wchar_t>(decodeOne(text, pos));
    return out;
}

} // namespace CommonLib
