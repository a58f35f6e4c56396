#include "grid/GridText.h"

#include <gtest/gtest.h>

using namespace CommonLib;

TEST(GridText, EveryCodePageByteRoundTrips)
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    const std::wstring wide = widenText(all);
    ASSERT_EQ(wide.size(), 256u);
    EXPECT_EQ(narrowText(wide), all);
    EXPECT_EQ(decodeUtf8(encodeUtf8(wide)), wide);
}

TEST(GridText, CodePageAndUtf8Encoding)
{
    EXPECT_EQ(widenText("\x80\x92\xB0\x9F\xFF"), L"\x20AC\x2019\x00B0\x0178\x00FF");
    EXPECT_EQ(narrowText(L"\x4E2D"), "?");
    EXPECT_EQ(narrowText(L"\x2013"), "\x96");
    // UTF-8 of each length; a lone surrogate is written as the replacement character.
    EXPECT_EQ(encodeUtf8(L"A\x00B0\x20AC"), "A\xC2\xB0\xE2\x82\xAC");
    EXPECT_EQ(encodeUtf8(std::wstring(1, static_cast<wchar_t>(0x1F600))), "\xF0\x9F\x98\x80");
    EXPECT_EQ(encodeUtf8(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xEF\xBF\xBD");
}

TEST(GridText, MalformedUtf8GivesOneReplacementPerBadByte)
{
    struct Case {
        std::string input;
        std::wstring expected;
    };
    const Case cases[] = {
        {"\xC3", L"\xFFFD"},                    // truncated at the end
        {"\xC3(", L"\xFFFD("},                  // bad continuation
        {"\xC0\xAF", L"\xFFFD\xFFFD"},          // overlong
        {"\xE0\x80\x80", L"\xFFFD\xFFFD\xFFFD"}, // overlong three-byte sequence
        {"\xED\xA0\x80", L"\xFFFD\xFFFD\xFFFD"}, // surrogate
        {"\xF4\x90\x80\x80", L"\xFFFD\xFFFD\xFFFD\xFFFD"}, // above U+10FFFF
        {"\x80x", L"\xFFFDx"},                  // stray continuation
        {"\xE2\x82", L"\xFFFD\xFFFD"},          // truncated three-byte sequence
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeUtf8(c.input), c.expected) << c.input;
}
