// zrltool series and track over a small generated log whose values are worked out by hand.
#include "cli/ToolRun.h"
#include "support/N2kPayloads.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

using namespace ZrlTest;

namespace {

// Every frame and sentence below is one element (the timestamps are not): lines 0 to 15.
std::string seriesLog()
{
    const std::string path = scratchDir() + "/series.zrl";
    ZrlWriter log;
    log.timestamp(fileTimeUtc(2024, 1, 1, 12, 0, 0))
        .bstFrame(bst93(2, 127250, 255, 35, 0, pgn127250(1, 1.5, 0, 0, 1)))                          // 0
        .bstFrame(bst93(2, 127250, 255, 35, 0, {2, 0xFF, 0xFF, 0, 0, 0, 0, 0xFD}))                 // 1 n/a
        .bstFrame(bst93(2, 127250, 255, 36, 0, pgn127250(3, 0.5, 0, 0, 1)))                          // 2
        .bstFrame(bst93(2, 127251, 255, 35, 0, {4, 0xEC, 0x62, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}))     // 3 -40212
        .bstFrame(bst93(2, 127488, 255, 40, 0, pgn127488(0, 1800, 100000, 0)))                       // 4
        .bstFrame(bst93(2, 127488, 255, 40, 0, pgn127488(1, 798.5, 100000, 0)))                      // 5
        .bstFrame(bst93(2, 129025, 255, 3, 0, pgn129025(50.5, -1.25)))                               // 6
        .bstFrame(bst93(2, 129025, 255, 3, 0, {0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0}))              // 7 n/a
        .timestamp(fileTimeUtc(2024, 1, 1, 12, 0, 0, 250))
        .bstFrame(bst93(2, 127250, 255, 35, 0, {5, 0xFD, 0xFF, 0, 0, 0, 0, 0xFD}))                 // 8 reserved
        .bstFrame(bst93(2, 127250, 255, 35, 0, pgn127250(6, 3.1416, 0, 0, 1)))                       // 9
        .bstFrame(bst93(3, 129029, 255, 3, 0,                                                       // 10 no GNSS
                        pgn129029(1, 19723, 43200, 10.0, 10.0, 0, 0, 0, 0, 0.9, 1.6, 0)))
        .bstFrame(bst93(3, 129029, 255, 3, 0,                                                       // 11
                        pgn129029(2, 19723, 43200, -33.8568, -70.5, 0, 0, 1, 9, 0.9, 1.6, 0)))
        .sentenceWithChecksum("$GPRMC,120000.25,A,3351.408,S,07030.000,W,6.2,270.0,010124,1.2,W,A") // 12
        .sentenceWithChecksum("$GPRMC,120000.25,V,5100.000,N,00100.000,E,0.0,0.0,010124,,,N")     // 13
        .sentenceWithChecksum("$GPGGA,120000.25,5100.000,N,00100.000,E,0,00,,,M,,M,,")             // 14
        .sentenceWithChecksum("$GPGLL,5030.000,N,00115.000,W,120000.25,A,A");                        // 15
    log.save(path);
    return path;
}

struct Case {
    const char* arguments;
    int status;
    const char* out;
};

const Case cases[] = {
    {"--pgn 127250 --field 'Heading Sensor Reading' --src 35", 0,
     "Line\tTime\tValue\n"
     "0\t2024-01-01T12:00:00.000Z\t1.5000\n"
     "9\t2024-01-01T12:00:00.250Z\t3.1416\n"},
    {"--pgn 127250 --field 'Heading Sensor Reading'", 0,
     "Line\tTime\tValue\n0\t2024-01-01T12:00:00.000Z\t1.5000\n2\t2024-01-01T12:00:00.000Z\t0.5000\n"
     "9\t2024-01-01T12:00:00.250Z\t3.1416\n"},
    {"--pgn 127250 --field 'Heading Sensor Reading' --src 36 --user-units", 0,
     "Line\tTime\tValue\n2\t2024-01-01T12:00:00.000Z\t28.648\n"},
    {"--pgn 127488 --field Speed --instance 1", 0, "Line\tTime\tValue\n5\t2024-01-01T12:00:00.000Z\t798.50\n"},
    {"--sentence RMC --field 'Speed Over Ground'", 0,
     "Line\tTime\tValue\n12\t2024-01-01T12:00:00.250Z\t6.2\n13\t2024-01-01T12:00:00.250Z\t0.0\n"},
    {"--pgn 127250 --field Heading", 2, ""},
    {"--sentence XYZ --field Speed", 2, ""},
    {"--pgn 127250 --sentence RMC --field Speed", 2, ""},
    {"--pgn 127250", 2, ""},
};

// Each option selects its values; a field the PGN does not have lists the numeric fields.
TEST(ZrlToolSeries, ValuesOfAGeneratedLog)
{
    const std::string path = seriesLog();
    for (const Case& c : cases) {
        const ToolRun run = zrltool("series '" + path + "' " + c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.err;
        EXPECT_EQ(run.out, c.out) << c.arguments;
    }
    const ToolRun run = zrltool("series '" + path + "' --pgn 127250 --field Heading");
    EXPECT_EQ(run.err, "zrltool: PGN 127250 has no numeric field \"Heading\"\nnumeric fields:\n  Sequence ID\n"
                       "  Heading Sensor Reading\n  Deviation\n  Variation\n  Reference\n");
}

TEST(ZrlToolTrack, ValidFixesOnly)
{
    const ToolRun run = zrltool("track '" + seriesLog() + "'");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Line\tTime\tLatitude\tLongitude\tSource\n"
                       "6\t2024-01-01T12:00:00.000Z\t50.5000000\t-1.2500000\t129025\n"
                       "11\t2024-01-01T12:00:00.250Z\t-33.8568000\t-70.5000000\t129029\n"
                       "12\t2024-01-01T12:00:00.250Z\t-33.8568000\t-70.5000000\tRMC\n"
                       "15\t2024-01-01T12:00:00.250Z\t50.5000000\t-1.2500000\tGLL\n");
}

}  // namespace
