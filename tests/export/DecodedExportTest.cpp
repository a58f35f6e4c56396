#include "ExportedLog.h"
#include "log/ZRLElement.h"
#include "messages/N2KMsg.h"
#include "generator/DemoLog.h"
#include "support/N2kPayloads.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace ZrlTest;

namespace {

const std::uint64_t noon = fileTimeUtc(2024, 1, 1, 12, 0, 0);
const std::string fixedHeader = "Line,Time,Type,PGN,Name,Src,Dest,Pri,Size,";
const std::string sentenceLine = "NMEA 0183 Line : Not decoded yet";

// The file's lines without their CR LF; a line not ended by CR LF is kept with a marker so
// that the comparison fails.
std::vector<std::string> crlfLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t at = 0;
    for (std::size_t end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(text.substr(at, end - at));
    if (at < text.size())
        lines.push_back(text.substr(at) + "<no CR LF>");
    return lines;
}

ZrlWriter mixedLog()
{
    ZrlWriter log;
    log.timestamp(noon)
        .bstFrame(bst93(6, 59904, 255, 35, 0, {0x14, 0xF0, 0x01}))
        .bstFrame(bst93(2, 127250, 255, 35, 0, pgn127250(7, 1.0, 0.01, -0.02, 1)))
        .bstFrame(bst93(2, 130306, 255, 40, 0, pgn130306(3, 5.5, 0.7, 2)))
        .bstFrame(bst93(6, 126996, 255, 35, 0, pgn126996(2100, 1234, "1,5", "1.2.3", "Rev B", "SN-1", 1, 2)))
        .sentenceWithChecksum("$GPGGA,1")
        .bstFrame(bst93(2, 127250, 255, 36, 0, pgn127250(8, 2.0, 0.01, -0.02, 0)))
        .bstFrame(bst93(6, 59904, 12, 36, 0, {0x12, 0xF1, 0x01}));
    return log;
}

} // namespace

TEST(DecodedExport, HeaderBlocksOffsetsAndRows)
{
    ExportedLog e(mixedLog());
    // The list's order does not matter: the blocks follow the first message of each PGN.
    EXPECT_EQ(e.exportDecoded("d.csv", {126996, 127250, 59904}),
              (std::vector<std::string>{"Exporting 7 messages", "Exported to " + e.dir + "/d.n2kdecoded.csv"}));
    EXPECT_EQ(crlfLines(e.file("d.n2kdecoded.csv")),
              (std::vector<std::string>{
                  fixedHeader + "PGN," +
                      "Sequence ID,Heading Sensor Reading,Deviation,Variation,Reference,NMEA Reserved," +
                      "NMEA 2000 Version,Product Code,Model ID,Software Version Code,Model Version,Model Serial Code,"
                      "Certification Level,Load Equivalency,",
                  "0,12:00:00.000,N2K, 59904,\"ISO Request\",35,255,6,3,126996,",
                  "1,12:00:00.000,N2K,127250,\"Vessel Heading\",35,255,2,8,,7,1.0000,0.0100,-0.0200,1 (Magnetic),111111,",
                  "3,12:00:00.000,N2K,126996,\"Product Information\",35,255,6,134,,,,,,,,"
                  "2.100,1234,\"1,5\",1.2.3,Rev B,SN-1,1 (Level B),2,",
                  sentenceLine,
                  "5,12:00:00.000,N2K,127250,\"Vessel Heading\",36,255,2,8,,8,2.0000,0.0100,-0.0200,0 (True),111111,",
                  "6,12:00:00.000,N2K, 59904,\"ISO Request\",36,12,6,3,127250,",
              }));
}

TEST(DecodedExport, FieldNamesLoseTheirCommasAndValuesWithCommasAreQuoted)
{
    ZrlWriter log;
    log.timestamp(noon)
        .bstFrame(bst93(3, 129029, 255, 3, 0, pgn129029(1, 19723, 3600, -33.8, 151.2, 12.5, 0, 2, 9, 0.9, 1.6, 22.1)))
        .bstFrame(bst93(6, 126996, 255, 35, 0, pgn126996(2100, 1234, "a,b,c", "1,2", "x", "\"q\"", 1, 2)));
    ExportedLog e(log);
    e.exportDecoded("q.csv", {129029, 126996});
    const auto lines = crlfLines(e.file("q.n2kdecoded.csv"));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(lines[0].find(",Type of System,Method GNSS,Integrity,"), std::string::npos) << lines[0];
    EXPECT_EQ(lines[0].find("Method, GNSS"), std::string::npos);
    EXPECT_NE(lines[2].find(",2.100,1234,\"a,b,c\",\"1,2\",x,\"q\",1 (Level B),2,"), std::string::npos)
        << "only texts holding a comma are enclosed; quotes inside are written as they are: " << lines[2];
}

// No PGN listed: the fixed header and the sentence lines, written even with nothing in it; PGNs
// listed twice or absent from the log make one block or none; a wrong extension (case-sensitive)
// aborts and writes nothing.
TEST(DecodedExport, PgnListsAndExtensions)
{
    ExportedLog e(mixedLog());
    const std::string exported = "Exported to " + e.dir + "/";
    const struct {
        std::string name;
        std::vector<std::uint32_t> pgns;
        std::string result;
        std::string file;
    } cases[] = {
        {"empty.csv", {}, exported + "empty.n2kdecoded.csv", fixedHeader + "\r\n" + sentenceLine + "\r\n"},
        {"r.csv", {130306, 130306, 129029, 12345}, exported + "r.n2kdecoded.csv",
         fixedHeader + "Sequence ID,Wind Speed,Wind Angle,Reference,NMEA Reserved,\r\n"
                       "2,12:00:00.000,N2K,130306,\"Wind Data\",40,255,2,8,3,5.50,0.7000,2 (Apparent),111111111111111111111,\r\n" +
             sentenceLine + "\r\n"},
        {"upper.CSV", {127250}, "Export aborted", ""}, {"out.txt", {127250}, "Export aborted", ""},
        {"out.csv.bak", {127250}, "Export aborted", ""}, {"nodot", {127250}, "Export aborted", ""}, {"out.Csv", {127250}, "Export aborted", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(e.exportDecoded(c.name, c.pgns), (std::vector<std::string>{"Exporting 7 messages", c.result})) << c.name;
        EXPECT_EQ(c.file, c.file.empty() ? "" : e.file(c.name.substr(0, c.name.size() - 4) + ".n2kdecoded.csv")) << c.name;
    }
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(e.dir))
        files += entry.path().filename() != "log.zrl";
    EXPECT_EQ(files, 2u);
    EXPECT_EQ(e.exportDecoded("dots.in.name.csv", {127250}).back(), exported + "dots.in.name.n2kdecoded.csv");
    ZrlWriter none;
    ExportedLog n2kOnly(none.bstFrame(bst93(2, 127250, 255, 35, 0, pgn127250(7, 1.0, 0.01, -0.02, 1))));
    n2kOnly.exportDecoded("n.csv", {});
    EXPECT_EQ(n2kOnly.file("n.n2kdecoded.csv"), fixedHeader + "\r\n");
}

TEST(DecodedExport, UnopenableFileIsAFailureNotAnExport)
{
    ExportedLog e(mixedLog());
    EXPECT_EQ(e.exportDecoded("missing/folder/x.csv", {127250}).back(),
              "Cannot write \"" + e.dir + "/missing/folder/x.n2kdecoded.csv\": No such file or directory");
    EXPECT_FALSE(std::filesystem::exists(e.dir + "/missing"));
}

TEST(DecodedExport, ZeroLengthMessageEndsWithItsLength)
{
    ExportedLog e(mixedLog());
    // No framing the parser accepts carries an empty payload: the element is added as made.
    const std::uint8_t empty[] = {0x93, 0x0B, 0x06, 0x00, 0xEA, 0x00, 0xFF, 0x23, 0, 0, 0, 0, 0x00};
    KelpLib::ElementTime time;
    time.applyTimestamp(noon);
    e.document.addElement(time, KelpLib::MsgVariantInfo{KelpLib::MsgVariant::N2k, KelpLib::MsgVariant::N2k, 35}, empty,
                          sizeof empty);
    e.exportDecoded("z.csv", {59904});
    const auto lines = crlfLines(e.file("z.n2kdecoded.csv"));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], fixedHeader + "PGN,");
    EXPECT_EQ(lines[4], "7,12:00:00.000,N2K, 59904,\"ISO Request\",35,255,6,0,");
}

TEST(DecodedExport, SingleCanFramesCountAssemblyFramesDoNot)
{
    ZrlWriter log;
    log.timestamp(noon).bstFrame(bst95(10, CanId{2, 127250, 35}, pgn127250(9, 1.5, 0.0, 0.0, 0)));
    std::uint16_t deviceTime = 20;
    for (const auto& frame :
         fastPacketFrames(1, pgn129029(1, 19723, 3600, -33.8, 151.2, 12.5, 0, 2, 9, 0.9, 1.6, 22.1)))
        log.bstFrame(bst95(deviceTime++, CanId{3, 129029, 3}, frame));
    ExportedLog e(log);
    e.exportDecoded("c.csv", {127250, 129029});
    const auto lines = crlfLines(e.file("c.n2kdecoded.csv"));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].substr(0, 55), "0,12:00:00.000,CANPACKET,127250,\"Vessel Heading\",35,255");
    EXPECT_NE(lines[2].find(",N2K,129029,\"GNSS Position Data\",3,255,3,43,,,,,,,1,"), std::string::npos) << lines[2];
}

// End to end: every other PGN of the demo log chosen, every message of them once, in the log's
// order, and a line for every sentence; the raw export loses no message or sentence either.
TEST(DecodedExport, DemoLogHasEveryMessageOfTheChosenPgnsOnce)
{
    ExportedLog e(demoLog());
    std::vector<std::uint32_t> chosen;
    std::size_t n = 0;
    for (std::uint32_t pgn : e.document.pgnsMet())
        if (n++ % 2 == 0)
            chosen.push_back(pgn);
    std::vector<std::string> expected;
    std::size_t left = 0;
    for (std::size_t i = 0; i < e.document.elementCount(); ++i) {
        const KelpLib::ZRLElement& element = e.document.element(KelpLib::ElementLine(i));
        KelpLib::N2KMsg message;
        if (element.effectiveVariant() == KelpLib::MsgVariant::N183)
            expected.push_back(sentenceLine);
        else if (element.n2kMessage(message) && std::count(chosen.begin(), chosen.end(), message.pgnNumber()))
            expected.push_back(std::to_string(i));
        else
            left += element.n2kMessage(message);
    }
    ASSERT_GT(left, 0u);
    ASSERT_GT(expected.size(), 1000u);
    EXPECT_EQ(e.exportDecoded("demo.csv", chosen).back(), "Exported to " + e.dir + "/demo.n2kdecoded.csv");
    auto lines = crlfLines(e.file("demo.n2kdecoded.csv"));
    lines.erase(lines.begin());
    for (std::string& line : lines)
        line = line == sentenceLine ? line : line.substr(0, line.find(','));
    EXPECT_EQ(lines, expected);

    e.exportLog("demo.csv");
    std::size_t n2k = 0, n183 = 0;
    for (std::size_t i = 0; i < e.document.elementCount(); ++i) {
        n2k += e.document.element(KelpLib::ElementLine(i)).standsForN2kMessage();
        n183 += e.document.element(KelpLib::ElementLine(i)).effectiveVariant() == KelpLib::MsgVariant::N183;
    }
    const std::string n2kFile = e.file("demo.n2k.csv"), n183File = e.file("demo.n183.csv");
    EXPECT_EQ(std::size_t(std::count(n2kFile.begin(), n2kFile.end(), '\n')), n2k + 1);
    EXPECT_EQ(std::size_t(std::count(n183File.begin(), n183File.end(), '\n')), n183);
}
