// Where plotted lines break, and the CSV table of a plot's series.
#include "analysis/SeriesCsv.h"
#include "analysis/SeriesGaps.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace ZrlAnalysis;

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
