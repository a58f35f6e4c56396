#include "log/MakeEncryptor.h"
#include "log/ZRLDocParser.h"
#include "messages/N2KMsg.h"
#include "support/N2kPayloads.h"
#include "support/LoadedLog.h"
#include "support/ByteView.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <sstream>

using namespace ZrlTest;
using KelpLib::ZRLElement;

namespace {

using Loaded = LoadedLog;

const std::uint64_t noon = fileTimeUtc(2024, 1, 1, 12, 0, 0);
const Bytes heading = bst93(2, 127250, 255, 0x23, 0, {1, 2, 3, 4, 5, 6, 7, 8});

} // namespace

// How the parser cuts a stream into elements: tags (256) and their escapes, raw runs between
// frames (512 sentence, 1536 binary run, 1537 text run), frames abandoned or cut off by the end
// of the file, bad sentence checksums (513) and characters (515), BST messages (768) and their
// length (771) and checksum (772) failures.
TEST(ZRLDocParser, StreamsCutIntoElements)
{
    Bytes shortHeading = heading;
    shortHeading[12] = 7; // data length no longer matches the message length
    const std::string gga1 = withChecksum("$GPGGA,1"), gga2 = withChecksum("$GPGGA,2");
    const struct {
        const char* what;
        ZrlWriter log;
        std::vector<std::string> elements;
    } cases[] = {
        {"a timestamp alone", ZrlWriter().timestamp(noon), {}},
        {"ESC ESC is one ESC, DLE DLE one DLE, the checksum removed",
         ZrlWriter().version(1000).tag(0x44, {0x1B, 0x02}).bstFrame(bstMessage(0x97, {0x10, 0x10})),
         {"256 01 e8 03 00 00", "256 44 1b 02", "768 97 02 10 10"}},
        {"a text run between sentences", ZrlWriter().sentenceWithChecksum("$GPGGA,1").raw("hello").sentenceWithChecksum("$GPGGA,2"),
         {"512 " + gga1, "1537 hello", "512 " + gga2}},
        {"the closing ESC marks the run binary", ZrlWriter().version(1000).raw("hello").version(2000),
         {"256 01 e8 03 00 00", "1536 hello", "256 01 d0 07 00 00"}},
        {"a single stray byte is kept", ZrlWriter().version(1000).raw("x").version(2000).raw("tail text"),
         {"256 01 e8 03 00 00", "1536 x", "256 01 d0 07 00 00", "1536 tail text"}},
        {"a lone byte", ZrlWriter().raw("A"), {"1537 A"}},
        {"an abandoned frame's bytes join the next run",
         ZrlWriter().sentenceWithChecksum("$GPGGA,1").raw(Bytes{0x10, 0x02, 0x93, 0x01, 'a', 0x10, 0x05, 'c', 'd'}).sentenceWithChecksum("$GPGGA,2"),
         {"512 " + gga1, "1536 10 02 93 01 61 10 05 63 64", "512 " + gga2}},
        {"a frame cut off by the end of the file", ZrlWriter().sentenceWithChecksum("$GPGGA,1").raw(Bytes{0x10, 0x02, 0x93, 0x13, 0x02}),
         {"512 " + gga1, "1536 10 02 93 13 02"}},
        {"the start bytes stay with the abandoned frame", ZrlWriter().sentenceWithChecksum("$GPGGA,1").raw("abc").raw(Bytes{0x10, 0x02, 0x93}),
         {"512 " + gga1, "1536 abc", "1536 10 02 93"}},
        {"a sentence cut off", ZrlWriter().raw("$GPGGA,1,2"), {"1537 $GPGGA,1,2"}},
        {"sentence checksums and bad characters",
         ZrlWriter().sentence(withChecksum("$GPGGA,1,2,3")).sentence("$GPGGA,1,2,3*7F").sentence("$GP\x01X").sentence("$GPGGA,4"),
         {"512 " + withChecksum("$GPGGA,1,2,3"), "513 $GPGGA,1,2,3*7F", "515 24 47 50 01 58", "512 $GPGGA,4"}},
        {"a bad checksum keeps its byte; a length mismatch; an empty frame",
         ZrlWriter().bstFrame(heading, false).bstFrame(shortHeading).raw(Bytes{0x10, 0x02, 0x10, 0x03}),
         {"772 93 13 02 12 f1 01 ff 23 00 00 00 00 08 01 02 03 04 05 06 07 08 07", "771 93 13 02 12 f1 01 ff 23 00 00 00 00 07 01 02 03 04 05 06 07 08", "772 "}},
        {"short tags are ignored without reading past the body",
         ZrlWriter().tag(0x03, {1, 2, 3}).tag(0x07, {}).tag(0x01, {0x01}).raw(Bytes{0x1B, 0x01, 0x1B, 0x0A}),
         {"771 ", "256 01 01"}},
    };
    for (const auto& c : cases) {
        Loaded log(c.log);
        EXPECT_EQ(log.elements(), c.elements) << c.what;
    }
    Loaded bst(cases[11].log);
    EXPECT_EQ(bst.at(1).pgn(), 0u);
    EXPECT_TRUE(bst.document.pgnsMet().empty());
    EXPECT_FALSE(Loaded(cases[12].log).at(0).time().hasTime);
}

TEST(ZRLDocParser, ExampleStreamOfTheFormat)
{
    const Bytes stream = {0x1B, 0x01, 0x03, 0x00, 0xA0, 0xBE, 0x0B, 0xAA, 0x3C, 0xDA, 0x01, 0x1B, 0x0A,
                          0x1B, 0x01, 0x07, 0x93, 0x13, 0x02, 0x12, 0xF1, 0x01, 0xFF, 0x23, 0x00, 0x00,
                          0x00, 0x00, 0x08, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x1B, 0x0A};
    Loaded log(stream);
    EXPECT_EQ(log.elements(), (std::vector<std::string>{"1280 93 13 02 12 f1 01 ff 23 00 00 00 00 08 01 02 03 04 05 06 07 08"}));
    const ZRLElement& e = log.at(0);
    EXPECT_EQ(e.timeText() + " " + std::to_string(e.timeColour()) + " " + e.sourceText(), "12:00:00.000 32768 N2K::35");
    EXPECT_EQ(log.document.pgnsMet(), (std::set<std::uint32_t>{127250}));
    EXPECT_TRUE(log.shown.filters().isPgnEnabled(127250));
}

// Hostile high bits beside the data page: the filter, the summary and the details must all
// name the PGN the header decode reads.
TEST(ZRLDocParser, OnlyTheDataPageBitsOfByteFiveBelongToThePgn)
{
    Bytes hostile = bst93(2, 127250, 255, 35, 0, pgn127250(1, 1.0, 0, 0, 1));
    hostile[5] |= 0xFC;
    Loaded log(ZrlWriter().bstFrame(hostile));
    KelpLib::N2KMsg message;
    ASSERT_TRUE(log.count() == 1 && log.at(0).n2kMessage(message));
    EXPECT_EQ(std::to_string(log.at(0).pgn()) + " " + std::to_string(message.pgnNumber()), "127250 127250");
    EXPECT_EQ(log.document.pgnsMet(), (std::set<std::uint32_t>{127250}));
}

TEST(ZRLDocParser, ConflictingTimestampIsCountedAndIgnored)
{
    Loaded log(ZrlWriter().timestamp(noon).sentenceWithChecksum("$GPGGA,1").timestamp(noon - 10000000).sentenceWithChecksum("$GPGGA,2"));
    ASSERT_EQ(log.count(), 2u);
    EXPECT_TRUE(log.at(1).time().baseTime == noon && log.at(1).time().sequence == 2u);
    std::ostringstream text;
    log.logger->writeLog(text, false);
    EXPECT_NE(text.str().find("ZRL file \"log.zrl\" read, there were 1 timestamp conflicts found. Possible reason - two "
                              "time sources on system"),
              std::string::npos);
    EXPECT_EQ(log.logger->getRow(1)->code, 1);
}

// The length a BST message's id calls for: 0 fits, -1097 wrong length, -1077 a BEM length.
TEST(ZRLDocParser, BstLengthRules)
{
    Bytes nineData = bst95(0, {}, Bytes(8, 0));
    nineData.push_back(0);
    Bytes bem(14, 0), badBem(14, 0);
    bem[0] = badBem[0] = 0xA0;
    badBem[12] = 1;
    const std::pair<Bytes, std::int32_t> cases[] = {
        {heading, 0}, {bst94(2, 127250, 255, Bytes(8, 0)), 0}, {bst95(0, {}, Bytes(8, 0)), 0},
        {nineData, -1097}, {bst95(0, {}, {}), -1097}, {bem, 0}, {badBem, -1077}, {Bytes(13, 0xA0), -1097},
        {{0xC0}, -1097}, {{0xC0, 0x00}, 0}, {{0x97, 0x02, 0x00, 0x00}, 0}, {{0x97, 0x01, 0x00, 0x00}, -1097}, {{0x11, 0x00}, 0},
    };
    for (const auto& [message, expected] : cases)
        EXPECT_EQ(KelpLib::bstLengthCheck(message.data(), static_cast<std::uint32_t>(message.size())), expected)
            << Loaded::hex(message[0]) << " of " << message.size();
}

// An element keeps its time with the CAN frame's device time offset folded in (FILETIME ticks
// of 100 ns); the device time wraps past 65535 and still runs forward.
TEST(ZRLDocParser, DeviceTimeOffsetsOfCanFrames)
{
    const CanId rudder{2, 127245, 9};
    ZrlWriter stream;
    stream.timestamp(noon);
    for (std::uint16_t deviceTime : {1000, 65500, 214, 215})
        stream.bstFrame(bst95(deviceTime, rudder, Bytes(8, 0)));
    Loaded log(stream);
    std::vector<std::string> times;
    for (std::size_t i = 0; i < log.count(); ++i)
        times.push_back(std::to_string(log.at(i).time().baseTime - noon) + " " + std::to_string(log.at(i).time().sequence) + " " + log.at(i).timeText());
    EXPECT_EQ(times, (std::vector<std::string>{"0 1 12:00:00.000", "0 2 12:00:00.000", "2500000 4 12:00:00.250", "2510000 6 12:00:00.251"}));
    EXPECT_EQ(log.at(0).pgn(), 127245u);
}

TEST(ZRLDocParser, FastPacketAssemblyInsideAFile)
{
    const Bytes data = pgn129029(1, 19875, 43200.0, 50.5, -1.25, 12.0, 0, 1, 9, 0.9, 1.6, 47.0);
    const auto frames = fastPacketFrames(3, data);
    ZrlWriter stream;
    stream.timestamp(noon);
    for (std::size_t i = 0; i < frames.size(); ++i)
        stream.bstFrame(bst95(static_cast<std::uint16_t>(i), CanId{3, 129029, 7}, frames[i]));
    Loaded log(stream);
    std::vector<std::string> kinds, expected(frames.size(), "1793 129029 " + std::to_string(ZRLElement::canFrameOfAssembly));
    for (std::size_t i = 0; i < log.count(); ++i)
        kinds.push_back(std::to_string(KelpLib::msgVariantNumber(log.at(i).effectiveVariant())) + " " + std::to_string(log.at(i).pgn()) + " " + std::to_string(log.at(i).flags()));
    expected.push_back("1280 129029 " + std::to_string(ZRLElement::assembledFromCan));
    EXPECT_EQ(kinds, expected);
    const ZRLElement& assembled = log.at(frames.size());
    EXPECT_EQ(Bytes(assembled.data() + 13, assembled.data() + assembled.length()), data);

    EXPECT_EQ(Loaded(stream, KelpLib::ViewSettings::hideAssemblyFramesBit).shown.size(), 1u);
    EXPECT_EQ(Loaded(stream, 3).shown.size(), 0u);
    // A frame of a single-frame PGN is no part of an assembly and stays shown.
    Loaded single(ZrlWriter().bstFrame(bst95(0, CanId{2, 127250, 7}, Bytes(8, 0))), 1);
    EXPECT_TRUE(single.count() == 1 && single.at(0).flags() == 0 && single.shown.size() == 1);
}

// A transfer start (0xA5 with command 16) resets the shared cipher before the enciphered boot
// message, framed or embedded.
TEST(ZRLDocParser, BemBootMessagesAreDecipheredWithTheSharedCipher)
{
    const Bytes plain = bstMessage(0xA7, {0x20, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B});
    Bytes enciphered = plain;
    KelpLib::ByteBuffer bytes = ZrlTest::viewOf(enciphered);
    KelpLib::makeEncryptor(3, true)->encipher(bytes);
    ASSERT_NE(enciphered, plain);
    const Bytes start = bstMessage(0xA5, {16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    Loaded log(ZrlWriter().bstFrame(start).bstFrame(enciphered).bstFrame(start).embeddedBst(enciphered));
    const std::string a5 = "1027 a5 0c 10 00 00 00 00 00 00 00 00 00 00 00", a7 = "1028 a7 0c 20 01 02 03 04 05 06 07 08 09 0a 0b";
    EXPECT_EQ(log.elements(), (std::vector<std::string>{a5, a7, a5, a7}));
}
