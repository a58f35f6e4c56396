#include "query/DisplayFilter.h"
#include "query/GoToTarget.h"
#include "query/ListSearch.h"

#include "support/LoadedLog.h"
#include "support/N2kPayloads.h"

#include <gtest/gtest.h>

using namespace KelpLib;
using namespace ZrlTest;

namespace {

// 130323 Meteorological Station Data with only the wind speed set (0.01 m/s).
Bytes meteorologicalWind(std::uint16_t centimetresPerSecond)
{
    Bytes payload(15, 0xFF);
    payload.push_back(static_cast<std::uint8_t>(centimetresPerSecond));
    payload.push_back(static_cast<std::uint8_t>(centimetresPerSecond >> 8));
    payload.resize(26, 0xFF);
    return payload;
}

// The lines of the document the filter keeps, space-separated, or the filter's error.
std::string keptLines(const ZRLDoc& document, const std::string& text)
{
    auto compiled = DisplayFilter::compile(text);
    if (const auto* error = std::get_if<FilterError>(&compiled))
        return error->message;
    const auto& filter = *std::get<std::shared_ptr<const DisplayFilter>>(compiled);
    std::string lines;
    for (std::size_t line = 0; line < document.elementCount(); ++line)
        if (filter.keeps(document, line))
            lines += (lines.empty() ? "" : " ") + std::to_string(line);
    return lines;
}

// A log across midnight: wind from two PGNs that share "Wind Speed", one speed not available,
// an engine, sentences and a CAN frame.
class DisplayFilterTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ZrlWriter log;
        log.timestamp(fileTimeUtc(2024, 1, 1, 23, 59, 59))
            .bstFrame(bst93(2, 130306, 255, 66, 0, pgn130306(1, 5.5, 0.7, 2)))
            .bstFrame(bst93(2, 130306, 255, 67, 0, {2, 0xFF, 0xFF, 0x10, 0x00, 0xFA, 0xFF, 0xFF}))
            .bstFrame(bst93(6, 130323, 12, 68, 0, meteorologicalWind(1200)))
            .sentenceWithChecksum("$GPRMC,235959.00,A,5006.0000,N,00112.0000,W,3.2,1.5,010124,,,A")
            .timestamp(fileTimeUtc(2024, 1, 2, 0, 0, 1, 500))
            .bstFrame(bst93(2, 127488, 255, 80, 0, pgn127488(0, 1800, 100000, 0)))
            .sentenceWithChecksum("$IIMWV,045.0,R,10.5,N,A")
            .bstFrame(bst95(7, CanId{3, 130306, 69}, pgn130306(3, 20.0, 0.1, 2)));
        loaded = std::make_unique<LoadedLog>(log);
    }
    static void TearDownTestSuite() { loaded.reset(); }
    static std::string kept(const std::string& text) { return keptLines(loaded->document, text); }

    static inline std::unique_ptr<LoadedLog> loaded;
};

} // namespace

// Lines: 0 wind 5.5 m/s from 66, 1 wind not available from 67, 2 station wind 12 m/s to 12,
// 3 RMC, all at 23:59:59; 4 engine at 1800 rpm, 5 MWV at 00:00:01.500 the next day, 6 a lone
// CAN frame of wind 20 m/s 7 ms later (its device time), whose header reads like a message's.
TEST_F(DisplayFilterTest, HeaderTerms)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "0 1 2 3 4 5 6"},
        {"pgn == 130306", "0 1 6"},
        {"src in {66, 68}", "0 2"},
        {"dst == 12 && pri >= 6", "2"},
        {"size < 10", "0 1 4 6"},
        {"type == \"N183\"", "3 5"},
        {"not type == \"N2K\"", "3 5 6"},
        {"talker == \"GP\" || formatter == \"MWV\"", "3 5"},
        {"talker", "3 5"},
        {"name contains \"WIND\"", "0 1 6"},
        {"name matches \"^Engine\"", "4"},
        {"data contains \"ff 10 00 fa\"", "1"},
        {"line != 3 and (line < 2 or line >= 5)", "0 1 5 6"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(kept(text), expected) << text;
}

TEST_F(DisplayFilterTest, DecodedFieldsAcrossPgnsWithoutSentinels)
{
    const std::pair<const char*, const char*> cases[] = {
        {"\"Wind Speed\" > 5", "0 2 6"},
        {"\"Wind Speed\" < 100", "0 2 6"},
        {"\"Wind Speed\"", "0 2 6"},
        {"!\"Wind Speed\"", "1 3 4 5"},
        {"\"Wind Speed\" != 5.5", "2 6"},
        {"\"Wind Speed\" in {5.5, 12}", "0 2"},
        {"\"Wind Speed\" == \"5.50\"", "0"},
        {"\"Wind Speed\" contains \"12\"", "2"},
        {"\"Speed\" >= 1800", "4"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(kept(text), expected) << text;
}

TEST_F(DisplayFilterTest, TimesAcrossMidnight)
{
    const std::pair<const char*, const char*> cases[] = {
        {"time >= 23:59:59", "0 1 2 3"},
        {"time < 00:00:02", "4 5 6"},
        {"time > 00:00:01.499 && time < 00:00:01.501", "4 5"},
        {"time == 00:00:01.500", "4 5"},
        {"time > 2024-01-01T23:59:59.5Z", "4 5 6"},
        {"time < 2024-01-02T01:00:00+01:00", "0 1 2 3"},
        {"time in {2024-01-02T00:00:01.500, 23:59:59}", "0 1 2 3 4 5"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(kept(text), expected) << text;
}

TEST_F(DisplayFilterTest, FindWrapsOverCellsAndDecodedValues)
{
    ASSERT_EQ(loaded->shown.size(), 7u);
    const auto find = [](const char* text, std::optional<std::size_t> from, bool forward) {
        const auto row = ListSearch(text, loaded->document.columns()).find(loaded->shown, from, forward);
        return row ? std::to_string(*row) : "none";
    };
    EXPECT_EQ(find("APPARENT", std::nullopt, true), "0") << "a decoded value";
    EXPECT_EQ(find("apparent", 0, true), "1") << "a speed not available, the reference there";
    EXPECT_EQ(find("apparent", 2, true), "6") << "the lone CAN frame's message; the station's reference is unset";
    EXPECT_EQ(find("apparent", 6, true), "0") << "wraps forwards";
    EXPECT_EQ(find("apparent", 0, false), "6") << "wraps backwards";
    EXPECT_EQ(find("10.5,n", std::nullopt, false), "5") << "a cell";
    EXPECT_EQ(find("00:00:01.507", 2, true), "6");
    EXPECT_EQ(find("12.00", 5, true), "2");
    EXPECT_EQ(find("absent", 3, true), "none");
    EXPECT_EQ(find("", 3, true), "none");
    const std::atomic<bool> cancelled{true};
    EXPECT_FALSE(ListSearch("apparent", loaded->document.columns()).find(loaded->shown, std::nullopt, true, &cancelled));
}

TEST_F(DisplayFilterTest, GoToTheNearestShownRow)
{
    const auto goTo = [](const char* text) {
        const auto target = parseGoToTarget(text);
        if (const auto* error = std::get_if<std::string>(&target))
            return *error;
        const auto row = nearestShownRow(loaded->shown, std::get<GoToTarget>(target));
        return row ? std::to_string(*row) : "none";
    };
    const std::pair<const char*, const char*> cases[] = {
        {"3", "3"},
        {" 99 ", "6"},
        {"23:59:58", "0"},
        {"00:00:01.506", "6"},
        {"00:00:01.503", "4"},
        {"12:00:00", "6"},
        {"2024-01-01T00:00:00Z", "0"},
        {"2024-01-02T00:00:01.500Z", "4"},
        {"next", "Go to a line number, a time hh:mm:ss[.mmm] or a date-time yyyy-mm-ddThh:mm:ss, not \"next\""},
        {"-1", "Go to a line number, a time hh:mm:ss[.mmm] or a date-time yyyy-mm-ddThh:mm:ss, not \"-1\""},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(goTo(text), expected) << text;
}

// Fields whose steps no 8-bit multiplier holds compare at their true values: 10276 / 2^21,
// 99 x 4096 s; an almanac with no eccentricity has none.
TEST(DisplayFilterScaled, AlmanacFieldsCompareAtTheirTrueValues)
{
    ZrlWriter log;
    log.timestamp(fileTimeUtc(2024, 1, 1, 12, 0, 0))
        .bstFrame(bst93(6, 129541, 255, 7, 0,
                        {0x05, 0x34, 0x08, 0x00, 0x24, 0x28, 0x63, 0xDE, 0x13, 0x3E, 0xFD, 0xCD, 0x0C,
                         0xA1, 0x85, 0xEB, 0x31, 0x00, 0x00, 0x98, 0x87, 0xD6, 0x12, 0x9C, 0xEF, 0xFF}))
        .bstFrame(bst93(6, 129541, 255, 7, 0, Bytes(26, 0xFF)));
    const LoadedLog loaded(log);
    const std::pair<const char*, const char*> cases[] = {
        {"\"Eccentricity\" > 0.0048 && \"Eccentricity\" < 0.0049", "0"},
        {"\"Almanac Reference Time\" == 405504", "0"},
        {"\"Eccentricity\"", "0"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(keptLines(loaded.document, text), expected) << text;
}
