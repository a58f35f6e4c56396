// The number and time texts of series and tracks at their boundaries, where plotted lines
// break, and the CSV table of a plot's series.
#include "analysis/N183NumericField.h"
#include "analysis/SeriesCsv.h"
#include "analysis/SeriesGaps.h"
#include "analysis/UtcTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

using namespace ZrlAnalysis;

TEST(N183Degrees, HemispheresAndMalformedTexts)
{
    struct Case {
        const char* text;
        const char* hemisphere;
        bool latitude;
        double degrees; // NAN: refused
    };
    const Case cases[] = {
        {"3351.408", "S", true, -33.8568}, {"07030.000", "W", false, -70.5}, {"5030", "N", true, 50.5},
        {"00000.0", "E", false, 0.0},      {"9000.000", "N", true, 90.0},     {"9000.001", "N", true, NAN},
        {"5060.000", "N", true, NAN},      {"5030.0", "E", true, NAN},        {"5030.0", "", true, NAN},
        {"-5030.0", "N", true, NAN},       {"50x0.0", "N", true, NAN},        {"503", "N", true, NAN},
        {"5.30.0", "N", true, NAN},        {"18000.1", "W", false, NAN},
    };
    for (const Case& c : cases) {
        const auto degrees = n183Degrees(c.text, c.hemisphere, c.latitude);
        if (std::isnan(c.degrees))
            EXPECT_FALSE(degrees) << c.text;
        else
            EXPECT_NEAR(degrees.value_or(999), c.degrees, 1e-12) << c.text;
    }
    EXPECT_FALSE(plainDecimal("") || plainDecimal("-") || plainDecimal("1.2.3"));
    EXPECT_EQ(plainDecimal("-12.50"), -12.5);
}

TEST(IsoUtcText, MillisecondsAndDates)
{
    EXPECT_EQ(isoUtcText(1704110400.25), "2024-01-01T12:00:00.250Z");
    EXPECT_EQ(isoUtcText(951782400.999), "2000-02-29T00:00:00.999Z");
    EXPECT_EQ(isoUtcText(-0.001), "1969-12-31T23:59:59.999Z");
    EXPECT_DOUBLE_EQ(unixSeconds(116444736000000000ULL + 12345678), 1.2345678);
}

TEST(SeriesGaps, DropoutsLongerThanFiveMedianIntervals)
{
    struct Case {
        std::vector<double> times;
        std::vector<std::size_t> gaps;
    };
    const Case cases[] = {
        {{}, {}},
        {{1}, {}},
        {{0, 1, 2, 3, 8, 9, 15.01}, {6}},       // 5 s is not longer than 5 x 1 s; 6.01 s is
        {{0, 0, 0, 10}, {}},                     // a median interval of 0 breaks nothing
        {{0, 0.1, 0.2, 0.3, 5, 5.1, 9, 9.1}, {4, 6}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(gapsBefore(c.times), c.gaps) << c.times.size();
}

TEST(SeriesCsv, OneRowPerTimeOneColumnPerSeries)
{
    std::ostringstream out;
    writeSeriesCsv(out, {{"Heading \"true\"", {{1704110400.0, 1.5}, {1704110400.25, 3.1416}, {1704110400.25, 3.2}}},
                         {"Depth", {{1704110400.0, 12.25}, {1704110401.0, 1e-7}}}});
    EXPECT_EQ(out.str(), "Time,\"Heading \"\"true\"\"\",\"Depth\"\r\n"
                         "2024-01-01T12:00:00.000Z,1.5,12.25\r\n"
                         "2024-01-01T12:00:00.250Z,3.1416,\r\n"
                         "2024-01-01T12:00:00.250Z,3.2,\r\n"
                         "2024-01-01T12:00:01.000Z,,1e-07\r\n");
}
