#include "applog/Logger.h"
#include "filter/ShownList.h"
#include "log/MakeEncryptor.h"
#include "log/ZRLDoc.h"
#include "log/ZRLDocParser.h"
#include "log/ZRLElement.h"
#include "messages/N2KMsg.h"
#include "support/N2kPayloads.h"
#include "support/TestPaths.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

#include <set>

#include <random>
#include <sstream>

using namespace ZrlTest;
using KelpLib::ZRLDoc;
using KelpLib::ZRLElement;

namespace {

// A document loaded from the given stream; view flags 0 unless given, so nothing is hidden.
struct Loaded {
    std::shared_ptr<CommonLib::Logger> logger = std::make_shared<CommonLib::Logger>();
    ZRLDoc document;
    KelpLib::ShownList shown{document};

    explicit Loaded(const Bytes& bytes, std::uint32_t viewFlags = 0)
    {
        const std::string path = scratchDir() + "/log.zrl";
        writeFile(path, bytes);
        document.setLogger(logger);
        document.open(path);
        shown.setViewSettings(KelpLib::ViewSettings(viewFlags));
        shown.rebuild();
    }
    explicit Loaded(const ZrlWriter& log, std::uint32_t viewFlags = 0) : Loaded(log.bytes(), viewFlags) {}

    std::size_t count() const { return document.elementCount(); }
    const ZRLElement& at(std::size_t i) const { return document.element(KelpLib::ElementLine(i)); }
    std::string logText() const
    {
        std::ostringstream out;
        logger->writeLog(out, false);
        return out.str();
    }
    std::vector<std::uint32_t> variants() const
    {
        std::vector<std::uint32_t> out;
        for (std::size_t i = 0; i < count(); ++i)
            out.push_back(at(i).effectiveVariant());
        return out;
    }
};

Bytes bytesOf(const ZRLElement& e) { return Bytes(e.data(), e.data() + e.length()); }
std::string textOf(const ZRLElement& e) { return std::string(e.data(), e.data() + e.length()); }

const std::uint64_t noon = fileTimeUtc(2024, 1, 1, 12, 0, 0);
const Bytes heading = bst93(2, 127250, 255, 0x23, 0, {1, 2, 3, 4, 5, 6, 7, 8});

} // namespace

TEST(ZRLDocParser, TimestampAloneMakesNoElement)
{
    Loaded log(ZrlWriter().timestamp(noon));
    EXPECT_EQ(log.count(), 0u);
    EXPECT_EQ(log.logText().find("conflicts"), std::string::npos);
}

TEST(ZRLDocParser, ExampleStreamOfTheFormat)
{
    const Bytes stream = {0x1B, 0x01, 0x03, 0x00, 0xA0, 0xBE, 0x0B, 0xAA, 0x3C, 0xDA, 0x01, 0x1B, 0x0A,
                          0x1B, 0x01, 0x07, 0x93, 0x13, 0x02, 0x12, 0xF1, 0x01, 0xFF, 0x23, 0x00, 0x00,
                          0x00, 0x00, 0x08, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x1B, 0x0A};
    Loaded log(stream);
    ASSERT_EQ(log.count(), 1u);
    const ZRLElement& e = log.at(0);
    EXPECT_EQ(e.effectiveVariant(), 1280u);
    EXPECT_EQ(e.timeText(), "12:00:00.000");
    EXPECT_EQ(e.timeColour(), 0x008000u);
    EXPECT_EQ(e.pgn(), 127250u);
    EXPECT_EQ(e.sourceText(), "N2K::35");
    EXPECT_EQ(e.length(), 21u);
    EXPECT_EQ(log.document.pgnsMet(), (std::set<std::uint32_t>{127250}));
    EXPECT_TRUE(log.shown.filters().isPgnEnabled(127250));
}

TEST(ZRLDocParser, OnlyTheDataPageBitsOfByteFiveBelongToThePgn)
{
    // Hostile high bits beside the data page: the filter, the summary and the details must all
    // name the PGN the header decode reads.
    Bytes heading = bst93(2, 127250, 255, 35, 0, pgn127250(1, 1.0, 0, 0, 1));
    heading[5] |= 0xFC;
    ZrlWriter stream;
    stream.bstFrame(heading);
    Loaded log(stream);
    ASSERT_EQ(log.count(), 1u);
    EXPECT_EQ(log.at(0).pgn(), 127250u);
    EXPECT_EQ(log.document.pgnsMet(), (std::set<std::uint32_t>{127250}));
    KelpLib::N2KMsg message;
    ASSERT_TRUE(log.at(0).n2kMessage(message));
    EXPECT_EQ(message.pgnNumber(), 127250u);
}

TEST(ZRLDocParser, ConflictingTimestampIsCountedAndIgnored)
{
    ZrlWriter stream;
    stream.timestamp(noon).sentenceWithChecksum("$GPGGA,1").timestamp(noon - 10000000).sentenceWithChecksum("$GPGGA,2");
    Loaded log(stream);
    ASSERT_EQ(log.count(), 2u);
    EXPECT_EQ(log.at(1).time().baseTime, noon);
    EXPECT_EQ(log.at(1).time().sequence, 2u);
    EXPECT_NE(log.logText().find("ZRL file \"log.zrl\" read, there were 1 timestamp conflicts found. Possible reason - two "
                                 "time sources on system"),
              std::string::npos);
    EXPECT_EQ(log.logger->getRow(1)->code, 1);
}

TEST(ZRLDocParser, EscapesAndTagKinds)
{
    ZrlWriter stream;
    stream.version(1000).tag(0x44, {0x1B, 0x02}).bstFrame(bstMessage(0x97, {0x10, 0x10}));
    Loaded log(stream);
    ASSERT_EQ(log.count(), 3u);
    EXPECT_EQ(log.at(0).effectiveVariant(), 256u);
    EXPECT_EQ(bytesOf(log.at(0)), (Bytes{0x01, 0xE8, 0x03, 0x00, 0x00}));
    EXPECT_EQ(bytesOf(log.at(1)), (Bytes{0x44, 0x1B, 0x02})) << "ESC ESC is one ESC";
    EXPECT_EQ(bytesOf(log.at(2)), (Bytes{0x97, 0x02, 0x10, 0x10})) << "DLE DLE is one DLE, checksum removed";
    EXPECT_EQ(log.at(2).effectiveVariant(), 768u);
}

TEST(ZRLDocParser, RawRunsBetweenFrames)
{
    ZrlWriter sentences;
    sentences.sentenceWithChecksum("$GPGGA,1").raw("hello").sentenceWithChecksum("$GPGGA,2");
    Loaded a(sentences);
    ASSERT_EQ(a.variants(), (std::vector<std::uint32_t>{512, 1537, 512}));
    EXPECT_EQ(textOf(a.at(1)), "hello");

    ZrlWriter frames;
    frames.version(1000).raw("hello").version(2000);
    Loaded b(frames);
    ASSERT_EQ(b.variants(), (std::vector<std::uint32_t>{256, 1536, 256})) << "the closing ESC marked the run binary";
    EXPECT_EQ(textOf(b.at(1)), "hello");

    ZrlWriter stray;
    stray.version(1000).raw("x").version(2000).raw("tail text");
    Loaded c(stray);
    ASSERT_EQ(c.variants(), (std::vector<std::uint32_t>{256, 1536, 256, 1536})) << "a single stray byte is kept";
    EXPECT_EQ(textOf(c.at(1)), "x");
    EXPECT_EQ(textOf(c.at(3)), "tail text");

    ZrlWriter lone;
    lone.raw("A");
    Loaded d(lone);
    ASSERT_EQ(d.variants(), (std::vector<std::uint32_t>{1537}));
    EXPECT_EQ(textOf(d.at(0)), "A");
}

TEST(ZRLDocParser, AbandonedFrameBytesGoToTheNextRawRun)
{
    const Bytes abandoned = {0x10, 0x02, 0x93, 0x01, 'a', 0x10, 0x05, 'c', 'd'};
    ZrlWriter stream;
    stream.sentenceWithChecksum("$GPGGA,1").raw(abandoned).sentenceWithChecksum("$GPGGA,2");
    Loaded log(stream);
    ASSERT_EQ(log.variants(), (std::vector<std::uint32_t>{512, 1536, 512}));
    EXPECT_EQ(bytesOf(log.at(1)), abandoned);
}

TEST(ZRLDocParser, FrameCutOffByTheEndOfTheFileIsKept)
{
    ZrlWriter stream;
    stream.sentenceWithChecksum("$GPGGA,1").raw(Bytes{0x10, 0x02, 0x93, 0x13, 0x02});
    Loaded log(stream);
    ASSERT_EQ(log.variants(), (std::vector<std::uint32_t>{512, 1536}));
    EXPECT_EQ(bytesOf(log.at(1)), (Bytes{0x10, 0x02, 0x93, 0x13, 0x02}));

    ZrlWriter afterRun;
    afterRun.sentenceWithChecksum("$GPGGA,1").raw("abc").raw(Bytes{0x10, 0x02, 0x93});
    Loaded kept(afterRun);
    ASSERT_EQ(kept.variants(), (std::vector<std::uint32_t>{512, 1536, 1536})) << "the DLE before STX marks the run binary";
    EXPECT_EQ(textOf(kept.at(1)), "abc");
    EXPECT_EQ(bytesOf(kept.at(2)), (Bytes{0x10, 0x02, 0x93})) << "the start bytes stay with the abandoned frame";

    ZrlWriter sentence;
    sentence.raw("$GPGGA,1,2");
    Loaded cut(sentence);
    ASSERT_EQ(cut.variants(), (std::vector<std::uint32_t>{1537}));
    EXPECT_EQ(textOf(cut.at(0)), "$GPGGA,1,2");
}

TEST(ZRLDocParser, SentenceChecksumsAndBadCharacters)
{
    ZrlWriter stream;
    stream.sentence(withChecksum("$GPGGA,1,2,3")).sentence("$GPGGA,1,2,3*7F").sentence("$GP\x01X").sentence("$GPGGA,4");
    Loaded log(stream);
    ASSERT_EQ(log.variants(), (std::vector<std::uint32_t>{512, 513, 515, 512}));
    EXPECT_EQ(textOf(log.at(0)), withChecksum("$GPGGA,1,2,3"));
}

TEST(ZRLDocParser, BstChecksumAndLengthFailures)
{
    Bytes shortHeading = heading;
    shortHeading[12] = 7; // data length no longer matches the message length
    ZrlWriter stream;
    stream.bstFrame(heading, false).bstFrame(shortHeading).raw(Bytes{0x10, 0x02, 0x10, 0x03});
    Loaded log(stream);
    ASSERT_EQ(log.variants(), (std::vector<std::uint32_t>{772, 771, 772}));
    EXPECT_EQ(log.at(0).length(), heading.size() + 1) << "a bad checksum keeps its checksum byte";
    EXPECT_EQ(log.at(1).pgn(), 0u);
    EXPECT_TRUE(log.document.pgnsMet().empty());
}

TEST(ZRLDocParser, BstLengthRules)
{
    const auto check = [](const Bytes& m) { return KelpLib::bstLengthCheck(m.data(), static_cast<std::uint32_t>(m.size())); };
    EXPECT_EQ(check(heading), 0);
    EXPECT_EQ(check(bst94(2, 127250, 255, Bytes(8, 0))), 0);
    EXPECT_EQ(check(bst95(0, {}, Bytes(8, 0))), 0);
    Bytes nineData = bst95(0, {}, Bytes(8, 0));
    nineData.push_back(0);
    EXPECT_EQ(check(nineData), -1097);
    EXPECT_EQ(check(bst95(0, {}, {})), -1097);
    Bytes bem(14, 0);
    bem[0] = 0xA0;
    EXPECT_EQ(check(bem), 0);
    bem[12] = 1;
    EXPECT_EQ(check(bem), -1077);
    EXPECT_EQ(check(Bytes(13, 0xA0)), -1097);
    EXPECT_EQ(check({0xC0}), -1097);
    EXPECT_EQ(check({0xC0, 0x00}), 0);
    EXPECT_EQ(check({0x97, 0x02, 0x00, 0x00}), 0);
    EXPECT_EQ(check({0x97, 0x01, 0x00, 0x00}), -1097);
    EXPECT_EQ(check({0x11, 0x00}), 0);
}

TEST(ZRLDocParser, DeviceTimeOffsetsOfCanFrames)
{
    const CanId rudder{2, 127245, 9};
    ZrlWriter stream;
    stream.timestamp(noon)
        .bstFrame(bst95(1000, rudder, Bytes(8, 0)))
        .bstFrame(bst95(65500, rudder, Bytes(8, 0)))
        .bstFrame(bst95(214, rudder, Bytes(8, 0)))
        .bstFrame(bst95(215, rudder, Bytes(8, 0)));
    Loaded log(stream);
    ASSERT_EQ(log.count(), 4u);
    // An element keeps its time with the offset folded in: FILETIME ticks of 100 ns.
    EXPECT_EQ(log.at(0).time().baseTime - noon, 0u);
    EXPECT_EQ(log.at(1).time().baseTime - noon, 0u) << "the second element still follows the timestamp";
    EXPECT_EQ(log.at(2).time().baseTime - noon, 2500000u) << "wrapped past 65535, still forward";
    EXPECT_EQ(log.at(2).timeText(), "12:00:00.250");
    EXPECT_EQ(log.at(3).time().baseTime - noon, 2510000u);
    EXPECT_EQ(log.at(3).time().sequence, 6u) << "each later CAN frame advances the sequence twice";
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
    ASSERT_EQ(log.count(), frames.size() + 1);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(log.at(i).effectiveVariant(), 1793u);
        EXPECT_EQ(log.at(i).flags(), ZRLElement::canFrameOfAssembly);
        EXPECT_EQ(log.at(i).pgn(), 129029u);
    }
    const ZRLElement& assembled = log.at(frames.size());
    EXPECT_EQ(assembled.effectiveVariant(), 1280u);
    EXPECT_EQ(assembled.flags(), ZRLElement::assembledFromCan);
    EXPECT_EQ(assembled.pgn(), 129029u);
    ASSERT_EQ(assembled.length(), data.size() + 13);
    EXPECT_EQ(assembled.byteAt(0), 0xD0);
    EXPECT_EQ(Bytes(assembled.data() + 13, assembled.data() + assembled.length()), data);

    Loaded hidden(stream, KelpLib::ViewSettings::hideAssemblyFramesBit);
    EXPECT_EQ(hidden.shown.size(), 1u);
    Loaded both(stream, 3);
    EXPECT_EQ(both.shown.size(), 0u);
}

TEST(ZRLDocParser, SingleFramePgnFramesAreNotAssembled)
{
    ZrlWriter stream;
    stream.bstFrame(bst95(0, CanId{2, 127250, 7}, Bytes(8, 0)));
    Loaded log(stream, 1);
    ASSERT_EQ(log.count(), 1u);
    EXPECT_EQ(log.at(0).flags(), 0);
    EXPECT_EQ(log.shown.size(), 1u);
}

TEST(ZRLDocParser, ShortTagsAreIgnoredWithoutReadingPastTheBody)
{
    ZrlWriter stream;
    stream.tag(0x03, {1, 2, 3}).tag(0x07, {}).tag(0x01, {0x01}).raw(Bytes{0x1B, 0x01, 0x1B, 0x0A});
    Loaded log(stream);
    ASSERT_EQ(log.variants(), (std::vector<std::uint32_t>{771, 256}));
    EXPECT_FALSE(log.at(0).time().hasTime);
}

TEST(ZRLDocParser, EveryByteEndsUpSomewhereInRandomStreams)
{
    std::mt19937 random(11);
    Bytes noise(200000);
    for (auto& b : noise)
        b = static_cast<std::uint8_t>(random());
    Loaded log(noise);
    std::size_t covered = 0;
    for (std::size_t i = 0; i < log.count(); ++i)
        covered += log.at(i).length();
    EXPECT_GT(log.count(), 100u);
    EXPECT_LE(covered, noise.size() + 10);
}

TEST(ZRLDocParser, BemBootMessagesAreDecipheredWithTheSharedCipher)
{
    const Bytes plain = bstMessage(0xA7, {0x20, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B});
    Bytes enciphered = plain;
    const auto cipher = KelpLib::makeEncryptor(3, true);
    KelpLib::ByteBuffer bytes;
    KelpLib::wrap(bytes, enciphered.data(), static_cast<std::int64_t>(enciphered.size()));
    cipher->encipher(bytes);
    ASSERT_NE(enciphered, plain);

    // A transfer start (0xA5 with command 16) resets the cipher before the enciphered message.
    Bytes start = bstMessage(0xA5, {16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    ZrlWriter stream;
    stream.bstFrame(start).bstFrame(enciphered).bstFrame(start).embeddedBst(enciphered);
    Loaded log(stream);
    ASSERT_EQ(log.variants(), (std::vector<std::uint32_t>{1027, 1028, 1027, 1028}));
    EXPECT_EQ(bytesOf(log.at(1)), plain);
    EXPECT_EQ(bytesOf(log.at(3)), plain);
}
