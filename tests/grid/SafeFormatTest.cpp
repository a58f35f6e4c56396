#include "common/SafeFormat.h"

#include <gtest/gtest.h>

#include <string>

using namespace CommonLib;

namespace {

const char* formatWith(SafeFormat& formatter, const char* fmt, ...)
{
    std::va_list args;
    va_start(args, fmt);
    const char* result = formatter.vformat(fmt, args);
    va_end(args);
    return result;
}

} // namespace

// format replaces the text, append writes over the terminating zero; the own text may be an
// argument; a null format gives the empty text.
TEST(SafeFormat, FormatAppendAndOwnTextAsArgument)
{
    SafeFormat formatter;
    EXPECT_STREQ(formatter.text(), "");
    EXPECT_STREQ(formatter.format("ROW_%02d", 7), "ROW_07");
    EXPECT_EQ(formatter.length(), 6u);
    EXPECT_STREQ(formatter.format("%s", "1"), "1");
    EXPECT_STREQ(formatter.append(", %s", "two"), "1, two");
    EXPECT_STREQ(formatter.append("%s", ""), "1, two");
    EXPECT_EQ(formatter.length(), 6u);
    formatter.format("%s", "abc");
    formatter.append("%s%s", formatter.text(), formatter.text());
    EXPECT_EQ(formatter.str(), "abcabcabc");
    formatter.format("<%s>", formatter.text());
    EXPECT_EQ(formatter.str(), "<abcabcabc>");
    EXPECT_STREQ(formatWith(formatter, nullptr), "");
    EXPECT_EQ(formatter.length(), 0u);
    EXPECT_EQ(safeFormat("%06u", 59392u), "059392");
    EXPECT_EQ(safeFormat("%s", "a\xB0"), "a\xB0");
}

TEST(SafeFormat, LongTextsAreNeverCut)
{
    for (std::size_t size : {255u, 256u, 257u, 1023u, 1024u, 1025u, 100000u}) {
        const std::string longText(size, 'x');
        SafeFormat formatter;
        formatter.format("[%s]", longText.c_str());
        EXPECT_EQ(formatter.str(), "[" + longText + "]") << size;
        formatter.append("%s", longText.c_str());
        EXPECT_EQ(formatter.length(), 2 * size + 2) << size;
        EXPECT_EQ(formatter.str().substr(size + 2), longText) << size;
    }
}
