// zrltool as a black box: one check per command and option, and per failure path (exit status
// and reason). The values themselves are pinned by the lower layers' tests.
#include "cli/ToolRun.h"
#include "support/N2kPayloads.h"
#include "support/TestPaths.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace ZrlTest;

namespace {

std::string saved(const ZrlWriter& log, const std::string& name)
{
    const std::string path = scratchDir() + "/" + name;
    log.save(path);
    return path;
}

// Two NMEA 2000 messages (one embedded), a sentence and a run of free text, at noon 2024-01-01.
std::string smallLog()
{
    ZrlWriter log;
    log.timestamp(fileTimeUtc(2024, 1, 1, 12, 0, 0))
        .bstFrame(bst93(2, 129025, 255, 3, 0, pgn129025(50.5, -1.25)))
        .embeddedBst(bst93(2, 127250, 255, 35, 0, pgn127250(1, 1.5, 0, 0, 1)))
        .sentenceWithChecksum("$GPGGA,120000,5030.0,N,00115.0,W,1,08,0.9,12.0,M,47.0,M,,")
        .raw("free text");
    return saved(log, "small.zrl");
}

std::string fileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::size_t lineCount(const std::string& text) { return std::size_t(std::count(text.begin(), text.end(), '\n')); }

} // namespace

TEST(ZrlTool, SummaryOfASmallLog)
{
    const ToolRun summary = zrltool("summary " + smallLog());
    ASSERT_EQ(summary.status, 0) << summary.err;
    std::string out = summary.out;
    const auto at = out.find("completed in ");
    out.replace(at, out.find(" ms.", at) - at, "completed in T");
    EXPECT_EQ(out, "File\tsmall.zrl\nElements\t4\nShown\t4\nKind\t0\nN2K\t2\nN183\t1\nBST\t0\nCAN\t0\nMDT\t0\nOther\t1\n"
                   "KnownPGNs\t127250 129025\n\n"
                   "ZRL file \"small.zrl\": reading started\r\n"
                   "ZRL file \"small.zrl\": reading completed in T ms.  Number elements = 4\r\n");
}

// The list's columns follow the kind of messages that predominate in the log: a mixed log lists
// hex data; NMEA 2000 messages their header (MsgSrc empty; a message that does not decode an
// empty header); single CAN frames read like messages; sentences their talker and formatter (the
// name is left to the details; a bad checksum is still a sentence). (BEM logs' columns and names:
// the log and message tests.)
TEST(ZrlTool, ListColumnsFollowTheLogsKindOfMessages)
{
    ZrlWriter n2k;
    n2k.timestamp(fileTimeUtc(2024, 1, 1, 12, 0, 0))
        .bstFrame(bst93(2, 127250, 255, 35, 0, pgn127250(1, 1.5, 0, 0, 1)))
        .bstFrame(bst93(6, 59904, 17, 4, 0, {0x00, 0xEE, 0x00}))
        .bstFrame(bst94(3, 126989, 255, {0xAA}))
        .bstFrame(bstMessage(0x91, {0x02, 0x12}));
    ZrlWriter can;
    can.timestamp(fileTimeUtc(2024, 1, 1, 12, 0, 0))
        .bstFrame(bst95(10, CanId{2, 127250, 35}, {1, 2, 3, 4, 5, 6, 7, 8}))
        .bstFrame(bst95(20, CanId{6, 59904, 0x22, 0x10}, {0x00, 0xEE, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    const std::string text = "$SDDPT,12.4,0.5,100*78\r\n$GPAAM,A,V,0.10,N,WPT2*51\r\n!AIVDM,1,1,,A,abc,0*46\r\n$GPGGA,1,2,3*7F\r\n";
    const std::string sentences = scratchDir() + "/sentences.txt";
    writeFile(sentences, Bytes(text.begin(), text.end()));
    const std::pair<std::string, const char*> cases[] = {
        {smallLog(),
         "Line\tTimestamp\tType\tData\n0\t12:00:00.000\tN2K\t40 B0 19 1E E0 43 41 FF\n"
         "1\t12:00:00.000\tN2K\t01 98 3A 00 00 00 00 FD\n"
         "2\t12:00:00.000\tN183\t120000,5030.0,N,00115.0,W,1,08,0.9,12.0,M,47.0,M,,\n"
         "3\t12:00:00.000\tASCII\t66 72 65 65 20 74 65 78 74\n"},
        {saved(n2k, "n2k.zrl"),
         "Line\tTimestamp\tType\tMsgSrc\tPGN\tName\tSrc\tDest\tPri\tSize\tData\n"
         "0\t12:00:00.000\tN2K\t\t127250\tVessel Heading\t35\t255\t2\t8\t01 98 3A 00 00 00 00 FD\n"
         "1\t12:00:00.000\tN2K\t\t 59904\tISO Request\t4\t17\t6\t3\t00 EE 00\n"
         "2\t12:00:00.000\tN2K\t\t126989\tUnknown PGN (126989)\t255\t255\t3\t1\tAA\n"
         "3\t12:00:00.000\tN2K\t\t     0\tJ1939 'Catch All Control'\t0\t255\t0\t0\t<Zero size array>\n"},
        {saved(can, "can.zrl"),
         "Line\tTimestamp\tType\tPGN\tName\tSrc\tDest\tPri\tSize\tData\n"
         "0\t12:00:00.000\tCANPACKET\t127250\tVessel Heading\t35\t255\t2\t8\t01 02 03 04 05 06 07 08\n"
         "1\t12:00:00.000\tCANPACKET\t 59904\tISO Request\t34\t16\t6\t8\t00 EE 00 FF FF FF FF FF\n"},
        {sentences,
         "Line\tTimestamp\tType\tSize\tTalker\tFormatter\tName\tData\n"
         "0\t00:00:00.000\tN183\t22\tSD\tDPT\t\t12.4,0.5,100\n"
         "1\t00:00:00.000\tN183\t25\tGP\tAAM\t\tA,V,0.10,N,WPT2\n"
         "2\t00:00:00.000\tN183\t22\tAI\tVDM\t\t1,1,,A,abc,0\n"
         "3\t00:00:00.000\tN183XC\t15\tGP\tGGA\t\t1,2,3\n"},
    };
    for (const auto& [path, expected] : cases) {
        const ToolRun list = zrltool("list " + path);
        EXPECT_EQ(list.status, 0) << list.err;
        EXPECT_EQ(list.out, expected) << path;
    }
    EXPECT_EQ(zrltool("list --view-flags 3 " + smallLog()).status, 0);
}

// --filter keeps the elements it shows (a blank filter keeps all); a bad filter is a usage error
// that says where.
TEST(ZrlTool, ListWithAFilter)
{
    const ToolRun some = zrltool("list " + smallLog() + " --filter 'pgn == 127250 || type == \"ASCII\"'");
    ASSERT_EQ(some.status, 0) << some.err;
    EXPECT_EQ(some.out, "Line\tTimestamp\tType\tData\n1\t12:00:00.000\tN2K\t01 98 3A 00 00 00 00 FD\n"
                        "3\t12:00:00.000\tASCII\t66 72 65 65 20 74 65 78 74\n");
    EXPECT_EQ(zrltool("list " + smallLog() + " --filter ''").out, zrltool("list " + smallLog()).out);
}

// Every failure path: the exit status (1 the command failed, 2 a usage error) and the reason.
TEST(ZrlTool, FailuresExitNonZeroAndSayWhy)
{
    const std::string log = smallLog();
    const std::string empty = scratchDir() + "/empty.zrl";
    writeFile(empty, {});
    const std::string big = scratchDir() + "/big.zrl";
    { std::ofstream(big, std::ios::binary).put('x'); }
    std::filesystem::resize_file(big, 500000000);
    const std::string dir = scratchDir();
    const struct {
        std::string arguments;
        int status;
        std::string err; // "*": any reason
    } cases[] = {
        {"summary /nonexistent/x.zrl", 1, "File \"/nonexistent/x.zrl\" Not found\n"},
        {"summary " + empty, 1, "Cannot open file - file size is zero\n"},
        {"list " + big, 1, "Cannot open file - bigger than MaxFileSize\n"},
        {"details " + log + " 4", 1, "Line \"4\" is not an element of small.zrl (4 elements, lines from 0)\n"},
        {"details /nonexistent/x.zrl 0", 1, "*"},
        {"pgns /nonexistent/x.zrl", 1, "*"},
        {"devices " + dir + "/missing.zrl", 1, "*"},
        {"join " + dir + "/failed.zrl " + log + " /nonexistent/c.zrl", 1, "File \"/nonexistent/c.zrl\" Not found\n"},
        {"export --decoded " + log + " " + dir + "/missing/y.csv", 1, "*"},
        {"list " + log + " --filter 'pgn =='", 2, "filter: expected a value after \"==\" at column 7\n"},
        {"list " + log + " --filter '\"Wnd Speed\" > 1'", 2, "filter: unknown field \"Wnd Speed\" at column 1\n"},
        {"export " + log + " " + dir + "/h.csv --filter 'src >'", 2, "filter: expected a value after \">\" at column 6\n"},
        {log, 2, "*"}, // a file without a command
        {"", 2, "*"},
        {"frobnicate x", 2, "*"},
        {"summary", 2, "*"},
        {"summary a b", 2, "*"},
        {"summary --view-flags x a", 2, "*"},
        {"details " + log, 2, "*"},
        {"details " + log + " 1 2", 2, "*"},
        {"join " + dir + "/out.zrl", 2, "*"},
        {"pgns", 2, "*"},
        {"stats", 2, "*"},
        {"devices " + log + " --csv", 2, "*"},
    };
    for (const auto& c : cases) {
        const ToolRun run = zrltool(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_EQ(c.err == "*" ? "*" : run.err, c.err) << c.arguments;
        EXPECT_FALSE(run.err.empty()) << c.arguments;
    }
    std::filesystem::remove(big);
    EXPECT_FALSE(std::filesystem::exists(dir + "/failed.zrl")) << "no partial composite is left behind";
    // A line that names no element, however it is written.
    for (const char* bad : {"99999999999999999999", "x", "-1", "1x", "''", "' 1'"}) {
        const ToolRun run = zrltool("details " + log + " " + bad);
        EXPECT_EQ(run.status * 1000 + run.out.size(), 1000u) << bad;
        EXPECT_NE(run.err.find("is not an element of small.zrl (4 elements"), std::string::npos) << bad << ": " << run.err;
    }
    const ToolRun help = zrltool("--help");
    EXPECT_EQ(help.status, 0);
    for (const char* usage : {"summary FILE", "details FILE LINE", "pgns FILE"})
        EXPECT_NE(help.out.find(usage), std::string::npos) << usage;
}

TEST(ZrlTool, JoinWritesTheCompositeByteForByte)
{
    const std::string a = scratchDir() + "/a.zrl";
    const std::string b = scratchDir() + "/b.zrl";
    writeFile(a, {1, 2, 3});
    writeFile(b, {0x1B, 0x0A});
    const std::string out = scratchDir() + "/joined.zrl";
    const ToolRun join = zrltool("join " + out + " " + a + " " + b + " " + a);
    ASSERT_EQ(join.status, 0) << join.err;
    const std::string joined = fileText(out);
    EXPECT_EQ(Bytes(joined.begin(), joined.end()), (Bytes{1, 2, 3, 0x1B, 0x0A, 1, 2, 3}));
}

// An element's details: the list, title and fields tables, each as "# name<TAB>title", its column
// ids, then its rows (the tables of every kind are pinned by the presentation tests). The
// one-column title table has an empty column id line.
TEST(ZrlToolDetails, ElementsOfSeveralKinds)
{
    const std::string demo = sourcePath("samples/demo.zrl");
    const ToolRun version = zrltool("details " + demo + " 0");
    ASSERT_EQ(version.status, 0) << version.err;
    EXPECT_EQ(version.out, "# list\tKorvBuf\nLine\tName\tSize\tData\n\tZRL File Version\t5\tv1.000\n"
                           "# title\tKorvBuf\n\nZRL Element 0x01\nZRL File Version Information\n5 data bytes\n"
                           "# fields\tKorvbuf data\nIndex\tHex\tDecimal\tChar\n0\t0x1\t1\t\n1\t0xE8\t232\t\xE8\n2\t0x3\t3\t\n"
                           "3\t0x0\t0\t\n4\t0x0\t0\t\n");
    const ToolRun last = zrltool("details " + smallLog() + " 3");
    ASSERT_EQ(last.status, 0) << last.err;
    EXPECT_NE(last.out.find("\nSize\tData\n9\t66 72 65 65 20 74 65 78 74\n# title"), std::string::npos) << last.out;
}

// One entry per PGN and definition in first-met order: a fast-packet transfer counts once, one
// proprietary PGN gives an entry per maker's definition and one for a message neither matches;
// a log without NMEA 2000 messages gives the header alone.
TEST(ZrlToolPgns, EntriesInFirstMetOrder)
{
    ZrlWriter log;
    log.timestamp(fileTimeUtc(2024, 1, 1, 12, 0, 0))
        .embeddedBst(bst93(2, 127250, 255, 35, 0, pgn127250(1, 1.5, 0, 0, 1)))
        .embeddedBst(bst93(6, 130000, 255, 35, 0, Bytes(8, 0x11)))
        .embeddedBst(bst93(2, 127250, 255, 35, 0, pgn127250(2, 1.6, 0, 0, 1)))
        .sentenceWithChecksum("$GPGGA,120000,5030.0,N,00115.0,W,1,08,0.9,12.0,M,47.0,M,,")
        .embeddedBst(bst95(10, CanId{2, 129026, 7}, pgn129026(1, 0, 1.0, 2.0)));
    for (const Bytes& frame : fastPacketFrames(0, pgn129029(1, 19723, 43200.0, 50.5, -1.25, 12.0, 1, 1, 9, 0.9, 1.5, 47.0)))
        log.embeddedBst(bst95(20, CanId{3, 129029, 9}, frame));
    log.embeddedBst(bst93(6, 130000, 255, 35, 0, Bytes(8, 0x22)));
    for (const std::uint16_t maker : {1857, 137, 273, 1857})
        log.embeddedBst(bst93(6, 130820, 255, 35, 0, proprietaryPayload(maker, 4, {0x02, 0x00})));
    const ToolRun run = zrltool("pgns " + saved(log, "pgns.zrl"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "PGN\tDescription\tCount\n"
                       "127250\tVessel Heading\t2\n"
                       "130000\tUnknown PGN (130000)\t2\n"
                       "129026\tCOG & SOG, Rapid Update\t1\n"
                       "129029\tGNSS Position Data\t1\n"
                       "130820\tSimnet: Reprogram Status\t2\n"
                       "130820\tMaretron: Alert Response\t1\n"
                       "130820\tManu. Proprietary fast-packet broadcast\t1\n");
    ZrlWriter only;
    only.sentenceWithChecksum("$GPGGA,120000,5030.0,N,00115.0,W,1,08,0.9,12.0,M,47.0,M,,");
    const ToolRun none = zrltool("pgns " + saved(only, "sentences.zrl"));
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "PGN\tDescription\tCount\n");
}

// Raw and decoded exports print their log lines; --pgn and --filter narrow them (without --pgn
// the decoded export takes the PGNs the filter shows); a name not ending in .csv aborts.
TEST(ZrlToolExport, RawAndDecodedExportsPrintTheirLogLines)
{
    const std::string log = smallLog();
    const std::string dir = scratchDir();
    const struct {
        std::string arguments;
        std::string out;
        std::string file;
        std::size_t lines;
    } cases[] = {
        {"raw.csv", "Exporting 4 messages\nExported to " + dir + "/raw.n2k.csv\nExported to " + dir + "/raw.n183.csv\n", "raw.n2k.csv", 3},
        {"one.csv --pgn 127250", "", "one.n2k.csv", 2},
        {"f.csv --filter 'pgn == 127250'", "Exporting 4 messages\nExported to " + dir + "/f.n2k.csv\n", "f.n2k.csv", 2},
        {"dec.csv --decoded", "Exporting 4 messages\nExported to " + dir + "/dec.n2kdecoded.csv\n", "dec.n2kdecoded.csv", 4},
        {"heading.csv --decoded --pgn 127250", "", "heading.n2kdecoded.csv", 3},
        {"g.csv --decoded --filter 'type == \"N183\"'", "", "g.n2kdecoded.csv", 2}, // no kept message, no field block
    };
    for (const auto& c : cases) {
        const ToolRun run = zrltool("export " + log + " " + dir + "/" + c.arguments);
        EXPECT_EQ(run.status, 0) << c.arguments << run.err;
        if (!c.out.empty()) {
            EXPECT_EQ(run.out, c.out) << c.arguments;
        }
        EXPECT_EQ(lineCount(fileText(dir + "/" + c.file)), c.lines) << c.arguments;
    }
    const std::string all = fileText(dir + "/dec.n2kdecoded.csv");
    EXPECT_EQ(all.substr(0, all.find("\r\n")), "Line,Time,Type,PGN,Name,Src,Dest,Pri,Size,Latitude,Longitude,"
                                               "Sequence ID,Heading Sensor Reading,Deviation,Variation,Reference,NMEA Reserved,");

    const ToolRun aborted = zrltool("export " + log + " " + dir + "/out.txt --decoded");
    EXPECT_EQ(aborted.status, 1);
    EXPECT_EQ(aborted.out, "Exporting 4 messages\nExport aborted\n");
    EXPECT_EQ(aborted.err, "zrltool: export aborted: \"" + dir + "/out.txt\" does not end in .csv\n");
    EXPECT_FALSE(std::filesystem::exists(dir + "/out.n2kdecoded.csv"));
}

// A file the export cannot create or completely write is named with the system's reason, gets
// no "Exported to" line, is not left behind, and makes zrltool exit 1.
TEST(ZrlToolExport, FilesThatCannotBeWrittenAreFailures)
{
    const std::string log = smallLog();
    const std::string dir = scratchDir();
    std::filesystem::create_symlink("/dev/full", dir + "/full.n2k.csv");
    const struct {
        std::string out;
        std::string stdoutText;
        std::string stderrText;
    } cases[] = {
        {dir + "/missing/x.csv", "Exporting 4 messages\nCannot write \"" + dir + "/missing/x.n2k.csv\": No such file or directory\n"
                                 "Cannot write \"" + dir + "/missing/x.n183.csv\": No such file or directory\n",
         "zrltool: Cannot write \"" + dir + "/missing/x.n2k.csv\": No such file or directory\n"
         "zrltool: Cannot write \"" + dir + "/missing/x.n183.csv\": No such file or directory\n"},
        {dir + "/full.csv", "Exporting 4 messages\nExported to " + dir + "/full.n183.csv\nCannot write \"" + dir +
                                "/full.n2k.csv\": No space left on device\n",
         "zrltool: Cannot write \"" + dir + "/full.n2k.csv\": No space left on device\n"},
    };
    for (const auto& c : cases) {
        const ToolRun run = zrltool("export " + log + " " + c.out);
        EXPECT_EQ(run.status, 1) << c.out;
        EXPECT_EQ(run.out, c.stdoutText);
        EXPECT_EQ(run.err, c.stderrText);
    }
    EXPECT_FALSE(std::filesystem::exists(dir + "/missing"));
    EXPECT_FALSE(std::filesystem::is_symlink(dir + "/full.n2k.csv")) << "the partial file is removed";
}
