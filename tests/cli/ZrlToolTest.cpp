#include "cli/ToolRun.h"
#include "support/N2kPayloads.h"
#include "support/TestPaths.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace ZrlTest;

namespace {

std::string smallLog()
{
    const std::string path = scratchDir() + "/small.zrl";
    ZrlWriter log;
    log.timestamp(fileTimeUtc(2024, 1, 1, 12, 0, 0))
        .bstFrame(bst93(2, 129025, 255, 3, 0, pgn129025(50.5, -1.25)))
        .embeddedBst(bst93(2, 127250, 255, 35, 0, pgn127250(1, 1.5, 0, 0, 1)))
        .sentenceWithChecksum("$GPGGA,120000,5030.0,N,00115.0,W,1,08,0.9,12.0,M,47.0,M,,")
        .raw("free text");
    log.save(path);
    return path;
}

std::string withoutTimings(std::string text)
{
    const auto at = text.find("completed in ");
    if (at != std::string::npos) {
        const auto end = text.find(" ms.", at);
        text.replace(at, end - at, "completed in T");
    }
    return text;
}

} // namespace

TEST(ZrlTool, SummaryOfASmallLog)
{
    const ToolRun run = zrltool(smallLog());
    EXPECT_EQ(run.status, 2) << "a file without a command is a usage error";

    const ToolRun summary = zrltool("summary " + smallLog());
    ASSERT_EQ(summary.status, 0) << summary.err;
    EXPECT_EQ(withoutTimings(summary.out),
              "File\tsmall.zrl\nElements\t4\nShown\t4\nKind\t0\nN2K\t2\nN183\t1\nBST\t0\nCAN\t0\nMDT\t0\nOther\t1\n"
              "KnownPGNs\t127250 129025\n\n"
              "ZRL file \"small.zrl\": reading started\r\n"
              "ZRL file \"small.zrl\": reading completed in T ms.  Number elements = 4\r\n");
}

TEST(ZrlTool, ListShowsTheDocumentColumns)
{
    const ToolRun list = zrltool("list " + smallLog());
    ASSERT_EQ(list.status, 0) << list.err;
    std::istringstream lines(list.out);
    std::string header, first;
    std::getline(lines, header);
    std::getline(lines, first);
    EXPECT_EQ(header, "Line\tTimestamp\tType\tData") << "a mixed log";
    EXPECT_EQ(first, "0\t12:00:00.000\tN2K\t40 B0 19 1E E0 43 41 FF") << "an NMEA 2000 message lists its payload";
    std::vector<std::string> rest;
    for (std::string line; std::getline(lines, line);)
        rest.push_back(line);
    ASSERT_EQ(rest.size(), 3u);
    EXPECT_EQ(rest[0], "1\t12:00:00.000\tN2K\t01 98 3A 00 00 00 00 FD") << "the embedded message too";
    EXPECT_EQ(rest[2], "3\t12:00:00.000\tASCII\t66 72 65 65 20 74 65 78 74");

    const ToolRun filtered = zrltool("list --view-flags 3 " + smallLog());
    EXPECT_EQ(filtered.status, 0);
}

TEST(ZrlTool, ListOfAnNmea2000LogFillsTheHeaderColumns)
{
    const std::string path = scratchDir() + "/n2k.zrl";
    ZrlWriter log;
    log.timestamp(fileTimeUtc(2024, 1, 1, 12, 0, 0))
        .bstFrame(bst93(2, 127250, 255, 35, 0, pgn127250(1, 1.5, 0, 0, 1)))
        .bstFrame(bst93(6, 59904, 17, 4, 0, {0x00, 0xEE, 0x00}))
        .bstFrame(bst94(3, 126989, 255, {0xAA}))
        .bstFrame(bstMessage(0x91, {0x02, 0x12}));
    log.save(path);

    const ToolRun list = zrltool("list " + path);
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out,
              "Line\tTimestamp\tType\tMsgSrc\tPGN\tName\tSrc\tDest\tPri\tSize\tData\n"
              "0\t12:00:00.000\tN2K\t\t127250\tVessel Heading\t35\t255\t2\t8\t01 98 3A 00 00 00 00 FD\n"
              "1\t12:00:00.000\tN2K\t\t 59904\tISO Request\t4\t17\t6\t3\t00 EE 00\n"
              "2\t12:00:00.000\tN2K\t\t126989\tUnknown PGN (126989)\t255\t255\t3\t1\tAA\n"
              "3\t12:00:00.000\tN2K\t\t     0\tJ1939 'Catch All Control'\t0\t255\t0\t0\t<Zero size array>\n")
        << "MsgSrc is left empty; a message that does not decode shows an empty header";
}

TEST(ZrlTool, ListOfAnNmea0183TextFileFillsTheSentenceColumns)
{
    const std::string path = scratchDir() + "/sentences.txt";
    const std::string text = "$SDDPT,12.4,0.5,100*78\r\n"
                             "$GPAAM,A,V,0.10,N,WPT2*51\r\n"
                             "!AIVDM,1,1,,A,abc,0*46\r\n"
                             "$GPGGA,1,2,3*7F\r\n";
    writeFile(path, Bytes(text.begin(), text.end()));

    const ToolRun list = zrltool("list " + path);
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out,
              "Line\tTimestamp\tType\tSize\tTalker\tFormatter\tName\tData\n"
              "0\t00:00:00.000\tN183\t22\tSD\tDPT\t\t12.4,0.5,100\n"
              "1\t00:00:00.000\tN183\t25\tGP\tAAM\t\tA,V,0.10,N,WPT2\n"
              "2\t00:00:00.000\tN183\t22\tAI\tVDM\t\t1,1,,A,abc,0\n"
              "3\t00:00:00.000\tN183XC\t15\tGP\tGGA\t\t1,2,3\n")
        << "the list leaves the name to the details; a bad checksum is still a sentence";
}

TEST(ZrlTool, LoadFailuresAndUsage)
{
    const ToolRun missing = zrltool("summary /nonexistent/x.zrl");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "File \"/nonexistent/x.zrl\" Not found\n");

    const std::string empty = scratchDir() + "/empty.zrl";
    writeFile(empty, {});
    const ToolRun emptyRun = zrltool("summary " + empty);
    EXPECT_EQ(emptyRun.status, 1);
    EXPECT_EQ(emptyRun.err, "Cannot open file - file size is zero\n");

    const std::string big = scratchDir() + "/big.zrl";
    { std::ofstream(big, std::ios::binary).put('x'); }
    std::filesystem::resize_file(big, 500000000);
    const ToolRun bigRun = zrltool("list " + big);
    EXPECT_EQ(bigRun.status, 1);
    EXPECT_EQ(bigRun.err, "Cannot open file - bigger than MaxFileSize\n");
    std::filesystem::remove(big);

    EXPECT_EQ(zrltool("").status, 2);
    EXPECT_EQ(zrltool("frobnicate x").status, 2);
    EXPECT_EQ(zrltool("summary").status, 2);
    EXPECT_EQ(zrltool("summary a b").status, 2);
    EXPECT_EQ(zrltool("summary --view-flags x a").status, 2);
    const ToolRun help = zrltool("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("summary FILE"), std::string::npos);
    EXPECT_NE(help.out.find("details FILE LINE"), std::string::npos);
    EXPECT_NE(help.out.find("pgns FILE"), std::string::npos);
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
    std::ifstream in(out, std::ios::binary);
    const Bytes joined((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(joined, (Bytes{1, 2, 3, 0x1B, 0x0A, 1, 2, 3}));

    const std::string failed = scratchDir() + "/failed.zrl";
    const ToolRun missing = zrltool("join " + failed + " " + a + " /nonexistent/c.zrl");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "File \"/nonexistent/c.zrl\" Not found\n");
    EXPECT_FALSE(std::filesystem::exists(failed)) << "no partial composite is left behind";
    EXPECT_EQ(zrltool("join " + out).status, 2);
}

namespace {

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The lines of the block that starts with "# name".
std::vector<std::string> block(const std::string& out, const std::string& name)
{
    std::vector<std::string> lines;
    bool inside = false;
    for (const std::string& line : linesOf(out)) {
        if (line.rfind("# ", 0) == 0)
            inside = line.rfind("# " + name + "\t", 0) == 0;
        if (inside)
            lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> blockNames(const std::string& out)
{
    std::vector<std::string> names;
    for (const std::string& line : linesOf(out))
        if (line.rfind("# ", 0) == 0)
            names.push_back(line.substr(2, line.find('\t') - 2));
    return names;
}

const std::vector<std::string> kBlockOrder = {"list", "title", "fields"};

} // namespace

TEST(ZrlToolDetails, DemoLogElementsOfSeveralKinds)
{
    const std::string demo = sourcePath("samples/demo.zrl");

    const ToolRun version = zrltool("details " + demo + " 0");
    ASSERT_EQ(version.status, 0) << version.err;
    EXPECT_EQ(version.out.substr(0, version.out.find("\n1\t")),
              "# list\tKorvBuf\nLine\tName\tSize\tData\n\tZRL File Version\t5\tv1.000\n"
              "# title\tKorvBuf\n\nZRL Element 0x01\nZRL File Version Information\n5 data bytes\n"
              "# fields\tKorvbuf data\nIndex\tHex\tDecimal\tChar\n0\t0x1\t1\t")
        << "the one-column title table has an empty column id line";
    EXPECT_EQ(block(version.out, "fields").size(), 2u + 5u);

    const ToolRun binary = zrltool("details " + demo + " 1");
    ASSERT_EQ(binary.status, 0) << binary.err;
    const auto list = block(binary.out, "list");
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[1], "Size\tData");
    EXPECT_EQ(list[2].substr(0, 15), "56\t4B 6F 72 76 ");
    EXPECT_EQ(block(binary.out, "title"),
              (std::vector<std::string>{"# title\tKorvBuf", "", "Binary data", "Binary data shown as an array", "56 data bytes"}));
    const auto bytes = block(binary.out, "fields");
    ASSERT_EQ(bytes.size(), 2u + 56u);
    EXPECT_EQ(bytes[2], "0\t0x4B\t75\tK");
    EXPECT_EQ(bytes[2 + 55], "55\t0xA\t10\t") << "a control byte has no character";

    const ToolRun sentence = zrltool("details " + demo + " 39");
    ASSERT_EQ(sentence.status, 0) << sentence.err;
    EXPECT_EQ(blockNames(sentence.out), kBlockOrder);
    EXPECT_EQ(block(sentence.out, "list"),
              (std::vector<std::string>{"# list\tN183 Message", "Line\tTimestamp\tTalker\tFormatter\tName\tSize\tData",
                                        "\t09:00:00.047\tGP\tGGA\tGlobal Positioning System Fix Data\t69\t"
                                        "090000.00,5047.5788,N,00106.2981,W,1,11,0.9,12.5,M,47.2,M,,"}));
    EXPECT_EQ(block(sentence.out, "title"),
              (std::vector<std::string>{"# title\tN183 Message", "", "Formatter GGA", "Global Positioning System Fix Data",
                                        "Length = 69", "Number of fields = 10"}));
    const auto fields = block(sentence.out, "fields");
    ASSERT_EQ(fields.size(), 2u + 10u);
    EXPECT_EQ(fields[0], "# fields\tN183 message fields");
    EXPECT_EQ(fields[1], "Field\tName\tData\tUnits");
    EXPECT_EQ(fields[2], "1\tTime of Position\t09:00:00.00\t");

    // NMEA 2000 messages and CAN frames: the three blocks in order whatever adapter shows them.
    for (const char* line : {"2", "3", "17"}) {
        const ToolRun n2k = zrltool("details " + demo + " " + line);
        ASSERT_EQ(n2k.status, 0) << n2k.err;
        EXPECT_EQ(blockNames(n2k.out), kBlockOrder) << line;
    }
}

TEST(ZrlToolDetails, LineMustNameAnElement)
{
    const std::string log = smallLog();
    const ToolRun last = zrltool("details " + log + " 3");
    ASSERT_EQ(last.status, 0) << last.err;
    EXPECT_EQ(block(last.out, "list")[2], "9\t66 72 65 65 20 74 65 78 74") << "the raw text run";

    for (const char* bad : {"4", "99999999999999999999", "x", "-1", "1x", "''", "' 1'"}) {
        const ToolRun run = zrltool("details " + log + " " + bad);
        EXPECT_EQ(run.status, 1) << bad;
        EXPECT_EQ(run.out, "") << bad;
        EXPECT_NE(run.err.find("is not an element of small.zrl (4 elements"), std::string::npos) << bad << ": " << run.err;
    }
    const ToolRun four = zrltool("details " + log + " 4");
    EXPECT_EQ(four.err, "Line \"4\" is not an element of small.zrl (4 elements, lines from 0)\n");
    EXPECT_EQ(zrltool("details " + log).status, 2);
    EXPECT_EQ(zrltool("details " + log + " 1 2").status, 2);
    EXPECT_EQ(zrltool("details /nonexistent/x.zrl 0").status, 1);
}

TEST(ZrlToolPgns, EntriesInFirstMetOrder)
{
    const ToolRun small = zrltool("pgns " + smallLog());
    ASSERT_EQ(small.status, 0) << small.err;
    EXPECT_EQ(small.out, "PGN\tDescription\tCount\n129025\tPosition, Rapid Update\t1\n127250\tVessel Heading\t1\n");

    const std::string path = scratchDir() + "/pgns.zrl";
    ZrlWriter log;
    log.timestamp(fileTimeUtc(2024, 1, 1, 12, 0, 0))
        .embeddedBst(bst93(2, 127250, 255, 35, 0, pgn127250(1, 1.5, 0, 0, 1)))
        .embeddedBst(bst93(6, 130000, 255, 35, 0, Bytes(8, 0x11)))
        .embeddedBst(bst93(2, 127250, 255, 35, 0, pgn127250(2, 1.6, 0, 0, 1)))
        .sentenceWithChecksum("$GPGGA,120000,5030.0,N,00115.0,W,1,08,0.9,12.0,M,47.0,M,,")
        .embeddedBst(bst95(10, CanId{2, 129026, 7}, pgn129026(1, 0, 1.0, 2.0)));
    // A fast-packet transfer: its frames are not messages, the message they make is.
    const auto frames = fastPacketFrames(0, pgn129029(1, 19723, 43200.0, 50.5, -1.25, 12.0, 1, 1, 9, 0.9, 1.5, 47.0));
    for (const Bytes& frame : frames)
        log.embeddedBst(bst95(20, CanId{3, 129029, 9}, frame));
    log.embeddedBst(bst93(6, 130000, 255, 35, 0, Bytes(8, 0x22)));
    // One proprietary PGN, two makers' definitions and a message neither matches: three entries.
    for (const std::uint16_t maker : {1857, 137, 273, 1857})
        log.embeddedBst(bst93(6, 130820, 255, 35, 0, proprietaryPayload(maker, 4, {0x02, 0x00})));
    log.save(path);

    const ToolRun run = zrltool("pgns " + path);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "PGN\tDescription\tCount\n"
                       "127250\tVessel Heading\t2\n"
                       "130000\tUnknown PGN (130000)\t2\n"
                       "129026\tCOG & SOG, Rapid Update\t1\n"
                       "129029\tGNSS Position Data\t1\n"
                       "130820\tSimnet: Reprogram Status\t2\n"
                       "130820\tMaretron: Alert Response\t1\n"
                       "130820\tManu. Proprietary fast-packet broadcast\t1\n");

    const std::string sentences = scratchDir() + "/sentences.zrl";
    ZrlWriter only;
    only.sentenceWithChecksum("$GPGGA,120000,5030.0,N,00115.0,W,1,08,0.9,12.0,M,47.0,M,,");
    only.save(sentences);
    const ToolRun none = zrltool("pgns " + sentences);
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "PGN\tDescription\tCount\n");
    EXPECT_EQ(zrltool("pgns").status, 2);
    EXPECT_EQ(zrltool("pgns /nonexistent/x.zrl").status, 1);
}

namespace {

std::string fileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::size_t lineCount(const std::string& text) { return std::size_t(std::count(text.begin(), text.end(), '\n')); }

} // namespace

TEST(ZrlToolExport, RawAndDecodedExportsPrintTheirLogLines)
{
    const std::string log = smallLog();
    const std::string dir = scratchDir();

    ToolRun raw = zrltool("export " + log + " " + dir + "/raw.csv");
    EXPECT_EQ(raw.status, 0) << raw.err;
    EXPECT_EQ(raw.out, "Exporting 4 messages\nExported to " + dir + "/raw.n2k.csv\nExported to " + dir + "/raw.n183.csv\n");
    EXPECT_EQ(lineCount(fileText(dir + "/raw.n2k.csv")), 3u);

    ToolRun one = zrltool("export " + log + " " + dir + "/one.csv --pgn 127250");
    EXPECT_EQ(lineCount(fileText(dir + "/one.n2k.csv")), 2u);

    // Without --pgn the decoded export takes the PGNs the filter shows: both of the log's.
    ToolRun decoded = zrltool("export --decoded " + log + " " + dir + "/dec.csv");
    EXPECT_EQ(decoded.status, 0) << decoded.err;
    EXPECT_EQ(decoded.out, "Exporting 4 messages\nExported to " + dir + "/dec.n2kdecoded.csv\n");
    const std::string all = fileText(dir + "/dec.n2kdecoded.csv");
    EXPECT_EQ(all.substr(0, all.find("\r\n")),
              "Line,Time,Type,PGN,Name,Src,Dest,Pri,Size,Latitude,Longitude,"
              "Sequence ID,Heading Sensor Reading,Deviation,Variation,Reference,NMEA Reserved,");
    EXPECT_EQ(lineCount(all), 4u) << "header, two messages, one sentence line";

    ToolRun chosen = zrltool("export " + log + " " + dir + "/heading.csv --decoded --pgn 127250");
    const std::string heading = fileText(dir + "/heading.n2kdecoded.csv");
    EXPECT_EQ(lineCount(heading), 3u);
    EXPECT_NE(heading.find("\r\n1,12:00:00.000,N2K,127250,\"Vessel Heading\",35,255,2,8,1,1.5000,"), std::string::npos)
        << heading;

    ToolRun aborted = zrltool("export " + log + " " + dir + "/out.txt --decoded");
    EXPECT_EQ(aborted.status, 1);
    EXPECT_EQ(aborted.out, "Exporting 4 messages\nExport aborted\n");
    EXPECT_EQ(aborted.err, "zrltool: export aborted: \"" + dir + "/out.txt\" does not end in .csv\n");
    EXPECT_FALSE(std::filesystem::exists(dir + "/out.n2kdecoded.csv"));
}

TEST(ZrlTool, SingleCanFramesReadLikeMessages)
{
    const std::string path = scratchDir() + "/can.zrl";
    ZrlWriter log;
    log.timestamp(fileTimeUtc(2024, 1, 1, 12, 0, 0))
        .bstFrame(bst95(10, CanId{2, 127250, 35}, {1, 2, 3, 4, 5, 6, 7, 8}))
        .bstFrame(bst95(20, CanId{6, 59904, 0x22, 0x10}, {0x00, 0xEE, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    log.save(path);

    const ToolRun list = zrltool("list " + path);
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out, "Line\tTimestamp\tType\tPGN\tName\tSrc\tDest\tPri\tSize\tData\n"
                        "0\t12:00:00.000\tCANPACKET\t127250\tVessel Heading\t35\t255\t2\t8\t01 02 03 04 05 06 07 08\n"
                        "1\t12:00:00.000\tCANPACKET\t 59904\tISO Request\t34\t16\t6\t8\t00 EE 00 FF FF FF FF FF\n");
    const ToolRun exported = zrltool("export " + path + " " + scratchDir() + "/can.csv");
    ASSERT_EQ(exported.status, 0) << exported.err;
    const std::string rows = fileText(scratchDir() + "/can.n2k.csv");
    EXPECT_NE(rows.find("\r\n0,12:00:00.000,CANPACKET,127250,\"Vessel Heading\",35,255,2,8,1,2,3,4,5,6,7,8,\r\n"
                        "1,12:00:00.000,CANPACKET, 59904,\"ISO Request\",34,16,6,8,0,238,0,255,255,255,255,255,\r\n"),
              std::string::npos)
        << rows;
}

TEST(ZrlTool, ListWithAFilterKeepsItsElementsAndRefusesABadOne)
{
    const ToolRun all = zrltool("list " + smallLog());
    const ToolRun some = zrltool("list " + smallLog() + " --filter 'pgn == 127250 || type == \"ASCII\"'");
    ASSERT_EQ(some.status, 0) << some.err;
    EXPECT_EQ(some.out, "Line\tTimestamp\tType\tData\n1\t12:00:00.000\tN2K\t01 98 3A 00 00 00 00 FD\n"
                        "3\t12:00:00.000\tASCII\t66 72 65 65 20 74 65 78 74\n");
    EXPECT_EQ(zrltool("list " + smallLog() + " --filter ''").out, all.out) << "a blank filter keeps all";

    for (const auto& [filter, message] : {std::pair{"'pgn =='", "filter: expected a value after \"==\" at column 7\n"},
                                          std::pair{"'\"Wnd Speed\" > 1'", "filter: unknown field \"Wnd Speed\" at column 1\n"}}) {
        const ToolRun bad = zrltool("list " + smallLog() + " --filter " + filter);
        EXPECT_EQ(bad.status, 2);
        EXPECT_EQ(bad.err, message);
        EXPECT_EQ(bad.out, "");
    }
}

// A file the export cannot create or completely write is named with the system's reason, gets
// no "Exported to" line, is not left behind, and makes zrltool exit 1.
TEST(ZrlToolExport, FilesThatCannotBeWrittenAreFailures)
{
    const std::string log = smallLog();
    const std::string dir = scratchDir();
    std::filesystem::remove(dir + "/full.n2k.csv");
    std::filesystem::create_symlink("/dev/full", dir + "/full.n2k.csv");
    struct Case {
        std::string out;
        std::string stdoutText;
        std::string stderrText;
    } const cases[] = {
        {dir + "/missing/x.csv", "Exporting 4 messages\nCannot write \"" + dir + "/missing/x.n2k.csv\": No such file or directory\n"
                                 "Cannot write \"" + dir + "/missing/x.n183.csv\": No such file or directory\n",
         "zrltool: Cannot write \"" + dir + "/missing/x.n2k.csv\": No such file or directory\n"
         "zrltool: Cannot write \"" + dir + "/missing/x.n183.csv\": No such file or directory\n"},
        {dir + "/full.csv", "Exporting 4 messages\nExported to " + dir + "/full.n183.csv\nCannot write \"" + dir +
                                "/full.n2k.csv\": No space left on device\n",
         "zrltool: Cannot write \"" + dir + "/full.n2k.csv\": No space left on device\n"},
    };
    for (const Case& c : cases) {
        const ToolRun run = zrltool("export " + log + " " + c.out);
        EXPECT_EQ(run.status, 1) << c.out;
        EXPECT_EQ(run.out, c.stdoutText);
        EXPECT_EQ(run.err, c.stderrText);
    }
    EXPECT_FALSE(std::filesystem::exists(dir + "/missing"));
    EXPECT_FALSE(std::filesystem::is_symlink(dir + "/full.n2k.csv")) << "the partial file is removed";
    EXPECT_EQ(zrltool("export --decoded " + log + " " + dir + "/missing/y.csv").status, 1);
}

TEST(ZrlToolExport, AFilterNarrowsRawAndDecodedExports)
{
    const std::string log = smallLog();
    const std::string dir = scratchDir();
    const ToolRun raw = zrltool("export " + log + " " + dir + "/f.csv --filter 'pgn == 127250'");
    EXPECT_EQ(raw.status, 0) << raw.err;
    EXPECT_EQ(raw.out, "Exporting 4 messages\nExported to " + dir + "/f.n2k.csv\n") << "no sentence kept";
    EXPECT_EQ(lineCount(fileText(dir + "/f.n2k.csv")), 2u);

    const ToolRun decoded = zrltool("export --decoded " + log + " " + dir + "/g.csv --filter 'type == \"N183\"'");
    EXPECT_EQ(decoded.status, 0) << decoded.err;
    const std::string text = fileText(dir + "/g.n2kdecoded.csv");
    EXPECT_EQ(lineCount(text), 2u) << "the fixed header and the one sentence line";
    EXPECT_EQ(text.find("Latitude"), std::string::npos) << "no kept message, no field block";

    const ToolRun bad = zrltool("export " + log + " " + dir + "/h.csv --filter 'src >'");
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err, "filter: expected a value after \">\" at column 6\n");
}
