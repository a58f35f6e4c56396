#include "ExportedLog.h"
#include "export/ZRLDocExport.h"
#include "grid/IGrid.h"
#include "grid/IGridTable.h"
#include "log/ZRLElement.h"
#include "messages/N2KMsg.h"
#include "presentation/N2KMsgGridAdapter.h"
#include "generator/DemoLog.h"
#include "support/N2kPayloads.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

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
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        if (end == std::string::npos) {
            lines.push_back(text.substr(at) + "<no CR LF>");
            break;
        }
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
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

TEST(DecodedExport, RowsHoldTheDataCellsOfTheFieldsTable)
{
    ExportedLog e(mixedLog());
    e.exportDecoded("g.csv", {59904, 127250, 130306, 126996});
    const auto lines = crlfLines(e.file("g.n2kdecoded.csv"));
    std::size_t row = 1;
    for (std::size_t i = 0; i < e.document.elementCount(); ++i, ++row) {
        const KelpLib::ZRLElement& element = e.document.element(KelpLib::ElementLine(i));
        ASSERT_LT(row, lines.size());
        if (element.effectiveVariant() == KelpLib::MsgVariant::N183)
            continue;
        KelpLib::N2KMsg message;
        ASSERT_TRUE(element.n2kMessage(message));
        KelpLib::N2KMsgGridAdapter adapter(message);
        auto fields = adapter.findTable("fields");
        ASSERT_TRUE(fields);
        std::string expected;
        for (std::uint32_t r = 0; r < fields->getRowCount(); ++r) {
            const std::string data = fields->getCellText(r, "Data");
            expected += (data.find(',') != std::string::npos ? "\"" + data + "\"" : data) + ",";
        }
        ASSERT_GE(lines[row].size(), expected.size());
        EXPECT_EQ(lines[row].substr(lines[row].size() - expected.size()), expected) << "line " << i;
    }
    EXPECT_EQ(row, lines.size());
}

TEST(DecodedExport, EmptyPgnListWritesTheFixedHeaderAndSentenceLines)
{
    ExportedLog e(mixedLog());
    EXPECT_EQ(e.exportDecoded("empty.csv", {}),
              (std::vector<std::string>{"Exporting 7 messages", "Exported to " + e.dir + "/empty.n2kdecoded.csv"}));
    EXPECT_EQ(e.file("empty.n2kdecoded.csv"), fixedHeader + "\r\n" + sentenceLine + "\r\n");

    ZrlWriter none;
    none.bstFrame(bst93(2, 127250, 255, 35, 0, pgn127250(7, 1.0, 0.01, -0.02, 1)));
    ExportedLog n2kOnly(none);
    n2kOnly.exportDecoded("n.csv", {});
    EXPECT_EQ(n2kOnly.file("n.n2kdecoded.csv"), fixedHeader + "\r\n") << "the file is written even with nothing in it";
}

TEST(DecodedExport, ListedPgnsAbsentOrRepeated)
{
    ExportedLog e(mixedLog());
    e.exportDecoded("r.csv", {130306, 130306, 129029, 12345});
    const auto lines = crlfLines(e.file("r.n2kdecoded.csv"));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], fixedHeader + "Sequence ID,Wind Speed,Wind Angle,Reference,NMEA Reserved,");
    EXPECT_EQ(lines[1], "2,12:00:00.000,N2K,130306,\"Wind Data\",40,255,2,8,3,5.50,0.7000,2 (Apparent),111111111111111111111,");
    EXPECT_EQ(lines[2], sentenceLine);
}

TEST(DecodedExport, WrongExtensionsAbortAndWriteNothing)
{
    ExportedLog e(mixedLog());
    for (const std::string name : {"upper.CSV", "out.txt", "out.csv.bak", "nodot", "out.Csv"}) {
        EXPECT_EQ(e.exportDecoded(name, {127250}), (std::vector<std::string>{"Exporting 7 messages", "Export aborted"}))
            << name;
    }
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(e.dir))
        files += entry.path().filename() != "in.zrl";
    EXPECT_EQ(files, 0u);
    EXPECT_EQ(e.exportDecoded("dots.in.name.csv", {127250}).back(), "Exported to " + e.dir + "/dots.in.name.n2kdecoded.csv");
}

TEST(DecodedExport, UnopenableFileIsAFailureNotAnExport)
{
    ExportedLog e(mixedLog());
    const std::vector<std::string> lines = e.exportDecoded("missing/folder/x.csv", {127250});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "Cannot write \"" + e.dir + "/missing/folder/x.n2kdecoded.csv\": No such file or directory");
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
    std::size_t frames = 0, assembled = 0;
    for (std::size_t i = 0; i < e.document.elementCount(); ++i) {
        const KelpLib::ZRLElement& element = e.document.element(KelpLib::ElementLine(i));
        frames += (element.flags() & KelpLib::ZRLElement::canFrameOfAssembly) != 0;
        assembled += element.effectiveVariant() == KelpLib::MsgVariant::N2k;
    }
    ASSERT_GT(frames, 1u);
    ASSERT_EQ(assembled, 1u);
    e.exportDecoded("c.csv", {127250, 129029});
    const auto lines = crlfLines(e.file("c.n2kdecoded.csv"));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].substr(0, 55), "0,12:00:00.000,CANPACKET,127250,\"Vessel Heading\",35,255");
    EXPECT_NE(lines[2].find(",N2K,129029,\"GNSS Position Data\",3,255,3,43,,,,,,,1,"), std::string::npos) << lines[2];
}

TEST(DecodedExport, DemoLogHasEveryMessageOfTheChosenPgnsOnce)
{
    ZrlWriter log;
    log.raw(demoLog());
    ExportedLog e(log);
    const std::vector<std::uint32_t> known(e.document.pgnsMet().begin(), e.document.pgnsMet().end());
    ASSERT_GT(known.size(), 6u);
    // Every other PGN of the log, so that some are left out.
    std::vector<std::uint32_t> chosen;
    for (std::size_t i = 0; i < known.size(); i += 2)
        chosen.push_back(known[i]);

    std::vector<std::size_t> expectedLines;
    std::size_t sentences = 0, left = 0;
    std::vector<std::uint32_t> firstMet;
    std::map<std::uint32_t, std::uint32_t> fieldsOfFirst;
    for (std::size_t i = 0; i < e.document.elementCount(); ++i) {
        const KelpLib::ZRLElement& element = e.document.element(KelpLib::ElementLine(i));
        sentences += element.effectiveVariant() == KelpLib::MsgVariant::N183;
        KelpLib::N2KMsg message;
        if (!element.n2kMessage(message))
            continue;
        if (std::find(chosen.begin(), chosen.end(), message.pgnNumber()) == chosen.end()) {
            ++left;
            continue;
        }
        expectedLines.push_back(i);
        if (fieldsOfFirst.emplace(message.pgnNumber(), message.fieldCount()).second)
            firstMet.push_back(message.pgnNumber());
    }
    ASSERT_GT(sentences, 0u);
    ASSERT_GT(left, 0u);
    ASSERT_GT(expectedLines.size(), 1000u);

    EXPECT_EQ(e.exportDecoded("demo.csv", chosen).back(), "Exported to " + e.dir + "/demo.n2kdecoded.csv");
    const auto lines = crlfLines(e.file("demo.n2kdecoded.csv"));
    ASSERT_EQ(lines.size(), 1 + expectedLines.size() + sentences);

    std::uint32_t columns = 9;
    for (const std::uint32_t pgn : firstMet)
        columns += fieldsOfFirst[pgn];
    EXPECT_EQ(std::size_t(std::count(lines[0].begin(), lines[0].end(), ',')), columns);

    std::vector<std::size_t> gotLines;
    std::size_t gotSentences = 0;
    for (std::size_t l = 1; l < lines.size(); ++l) {
        if (lines[l] == sentenceLine) {
            ++gotSentences;
            continue;
        }
        gotLines.push_back(std::stoul(lines[l].substr(0, lines[l].find(','))));
    }
    EXPECT_EQ(gotSentences, sentences);
    EXPECT_EQ(gotLines, expectedLines) << "every message of the chosen PGNs once, in the log's order";
}

// A GPS almanac, its binary-fraction and 4096 s steps scaled: the export's cells are the
// details pane's, hand-worked.
TEST(DecodedExport, AlmanacValuesAtTheirTrueResolution)
{
    ZrlWriter log;
    log.timestamp(noon).bstFrame(bst93(6, 129541, 255, 7, 0,
                                       {0x05, 0x34, 0x08, 0x00, 0x24, 0x28, 0x63, 0xDE, 0x13, 0x3E, 0xFD, 0xCD, 0x0C,
                                        0xA1, 0x85, 0xEB, 0x31, 0x00, 0x00, 0x98, 0x87, 0xD6, 0x12, 0x9C, 0xEF, 0xFF}));
    ExportedLog e(log);
    e.exportDecoded("a.csv", {129541});
    const auto lines = crlfLines(e.file("a.n2kdecoded.csv"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "0,12:00:00.000,N2K,129541,\"GPS Almanac Data\",7,255,6,26,5,2100,0,0.00489998,405504,"
                        "0.00970078,-0.000000002568,5153.60009766,0.38999999,-0.81250000,0.14717185,-0.00009537,"
                        "-0.000000000011,11,");
    KelpLib::N2KMsg message;
    ASSERT_TRUE(e.document.element(KelpLib::ElementLine(0)).n2kMessage(message));
    KelpLib::N2KMsgGridAdapter adapter(message);
    auto fields = adapter.findTable("fields");
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->getCellText(4, "Data"), "405504");
}
