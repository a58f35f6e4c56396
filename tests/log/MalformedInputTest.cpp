// Hand-made damaged logs: every prefix of a representative log, frames whose length bytes lie,
// escapes at the end of the file. Each must load, and every element must render.
#include "support/N2kPayloads.h"
#include "support/RenderElement.h"
#include "support/LoadedLog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <vector>

using namespace ZrlTest;

namespace {

// A short log with one of every kind of element: tags, whole messages of every header layout,
// a fast-packet transfer as CAN frames, a sentence, a BEM command and stray bytes. pieceEnds
// receives the offset just past each tag, frame, sentence and run of noise.
Bytes representativeLog(std::vector<std::size_t>* pieceEnds = nullptr)
{
    std::mt19937 random(11);
    ZrlWriter log;
    const auto piece = [&] {
        if (pieceEnds)
            pieceEnds->push_back(log.size());
    };
    log.version(1000), piece();
    log.timestamp(fileTimeUtc(2024, 6, 1, 8, 0, 0)), piece();
    log.bstFrame(bst93(2, 127250, 255, 35, 1000, pgn127250(1, 1.0, 0.01, -0.02, 1))), piece();
    log.embeddedBst(bst94(3, 129026, 255, pgn129026(2, 0, 1.5, 3.2))), piece();
    const Bytes gnss = pgn129029(1, 19723, 3600, -33.8, 151.2, 12.5, 0, 2, 9, 0.9, 1.6, 22.1);
    for (const Bytes& frame : fastPacketFrames(3, gnss))
        log.bstFrame(bst95(20, CanId{3, 129029, 7}, frame)), piece();
    log.bstFrame(bstMessage(0xD0, Bytes{0x00, 0x00, 0x00, 0x00, 0x25, 0xF8, 0x01, 0xFF, 0x23, 0x08, 0x00,
                                        0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08})), piece();
    log.sentenceWithChecksum("$GPRMC,080000.00,A,5006.0000,N,00112.0000,W,3.2,1.5,010624,,,A"), piece();
    log.bstFrame(bstMessage(0xA1, Bytes{0x10, 0x01, 0x00, 0x00})), piece();
    log.noise(random, 12), piece();
    log.bstFrame(bst93(6, 59904, 0, 35, 2000, Bytes{0x00, 0xEE, 0x00})), piece();
    return log.bytes();
}

struct LoadedElement {
    KelpLib::MsgVariant variant;
    Bytes bytes;
    bool operator==(const LoadedElement&) const = default;
};

// The effective variant and bytes of every element of the file, in order. Every element's
// description and grid cells are rendered on the way: damaged elements must render too.
std::vector<LoadedElement> loadElements(const Bytes& bytes)
{
    const LoadedLog log(bytes);
    std::vector<LoadedElement> elements;
    for (std::size_t i = 0; i < log.count(); ++i) {
        EXPECT_GT(renderElement(log.at(i)), 0u) << "element " << i;
        elements.push_back({log.at(i).effectiveVariant(), Bytes(log.at(i).data(), log.at(i).data() + log.at(i).length())});
    }
    return elements;
}

bool isRawRun(const LoadedElement& e) { return e.variant == KelpLib::MsgVariant::Ascii || e.variant == KelpLib::MsgVariant::Binary; }

// The bytes of elements [from, to), which must all be raw runs, joined in order.
Bytes rawRunBytes(const std::vector<LoadedElement>& elements, std::size_t from, std::size_t to)
{
    Bytes joined;
    for (std::size_t i = from; i < to; ++i) {
        EXPECT_TRUE(isRawRun(elements[i])) << "element " << i << " is " << KelpLib::MsgVariantToString(elements[i].variant);
        joined.insert(joined.end(), elements[i].bytes.begin(), elements[i].bytes.end());
    }
    return joined;
}

} // namespace

// Cutting a log at any byte: it loads and renders, the elements of the pieces before the cut are
// untouched, and every byte after the last whole piece is kept in raw runs: together, in order,
// exactly those bytes. No byte is lost and none is counted twice.
TEST(MalformedInput, EveryByteOfACutLogIsAccountedFor)
{
    std::vector<std::size_t> ends;
    const Bytes log = representativeLog(&ends);
    ASSERT_EQ(ends.back(), log.size());
    std::size_t lastWhole = 0;
    std::vector<LoadedElement> whole; // the elements of log[0, lastWhole) that end in a frame
    for (std::size_t n = 1; n <= log.size(); ++n) {
        const std::vector<LoadedElement> cut = loadElements(Bytes(log.begin(), log.begin() + static_cast<std::ptrdiff_t>(n)));
        if (std::find(ends.begin(), ends.end(), n) != ends.end()) {
            ASSERT_GE(cut.size(), whole.size()) << n;
            ASSERT_TRUE(std::equal(whole.begin(), whole.end(), cut.begin())) << n;
            // A run of noise at the end is still open: bytes after it join it.
            whole = cut;
            lastWhole = n;
            while (!whole.empty() && isRawRun(whole.back())) {
                lastWhole -= whole.back().bytes.size();
                whole.pop_back();
            }
            continue;
        }
        ASSERT_GT(cut.size(), whole.size()) << n;
        ASSERT_TRUE(std::equal(whole.begin(), whole.end(), cut.begin())) << n;
        EXPECT_EQ(rawRunBytes(cut, whole.size(), cut.size()), Bytes(log.begin() + static_cast<std::ptrdiff_t>(lastWhole), log.begin() + static_cast<std::ptrdiff_t>(n)))
            << n << " bytes";
    }
    EXPECT_EQ(lastWhole, log.size()); // the log ends in a frame
}

// Frames whose length bytes lie, escapes at the end of the file, messages declaring more data
// than they hold, and damaged sentences (30 fields, of which 25 are kept; no checksum; a
// lower-case or non-hex checksum; an embedded NUL; a start alone): each loads and renders, and
// the good element written after the damage is still found.
TEST(MalformedInput, DamagedFramesAndSentencesBeforeAGoodOne)
{
    const Bytes good = bst93(2, 127250, 255, 35, 1000, pgn127250(1, 1.0, 0, 0, 1));
    std::vector<Bytes> logs;
    for (int delta : {-8, -1, 1, 8, 200}) {
        Bytes lying = good;
        lying[1] = static_cast<std::uint8_t>(lying[1] + delta);
        logs.push_back(ZrlWriter().bstFrame(lying).bstFrame(good).bytes());
    }
    Bytes zero = good, declared = good;
    zero[1] = 0;
    declared[12] = 200; // data length byte
    for (const Bytes& tail : {Bytes{0x10}, Bytes{0x10, 0x02}, Bytes{0x10, 0x10}, Bytes{0x10, 0x02, 0x93, 0x10}})
        logs.push_back(ZrlWriter().bstFrame(zero).bstFrame(good).raw(tail).bytes());
    logs.push_back(ZrlWriter().bstFrame(bstMessage(0xD0, Bytes{0x00, 0x00, 0x00, 0x00, 0x25, 0xF8, 0x01, 0xFF, 0x23, 0xE0, 0x00, 0x01, 0x02}))
                       .bstFrame(declared).bstFrame(good).bytes());
    std::string many = "$GPXDR";
    for (int i = 0; i < 30; ++i)
        many += ",F" + std::to_string(i);
    for (const std::string& sentence : {withChecksum(many), std::string("$GPGGA,123519,4807.038,N,01131.000,E,1,08"), std::string("$GPHDT,123.4,T*2a"),
                                        std::string("$GPHDT,12\0.4,T*00", 17), std::string("$GPHDT,123.4,T*ZZ"), std::string("$")})
        logs.push_back(ZrlWriter().raw(sentence + "\r\n").bstFrame(good).bytes());
    for (std::size_t i = 0; i < logs.size(); ++i) {
        std::vector<LoadedElement> loaded;
        ASSERT_NO_THROW(loaded = loadElements(logs[i])) << i;
        EXPECT_GE(loaded.size(), 2u) << i;
        EXPECT_TRUE(std::any_of(loaded.begin(), loaded.end(), [&](const LoadedElement& e) { return e.bytes == good; })) << i;
    }
}

// Each frame kind at its size limit loads as one element; one byte more abandons the frame, its
// bytes go to raw runs, and the frame after it is still found.
TEST(MalformedInput, FramesAtAndJustOverTheirSizeLimits)
{
    const Bytes next = bst93(2, 127250, 255, 35, 1000, pgn127250(1, 1.0, 0, 0, 1));
    struct Kind {
        const char* name;
        std::size_t limit; // the longest element the frame makes
        std::function<void(ZrlWriter&, std::size_t)> write;
    };
    const Kind kinds[] = {
        {"tag", 1800, [](ZrlWriter& log, std::size_t n) { log.tag(0x05, Bytes(n - 1, 0x41)); }},
        // The BST body holds the message and its checksum byte.
        {"BST", 236, [](ZrlWriter& log, std::size_t n) { log.bstFrame(bstMessage(0xC1, Bytes(n - 2, 0x41))); }},
        {"sentence", 300, [](ZrlWriter& log, std::size_t n) { log.sentence("$GPTXT," + std::string(n - 7, 'A')); }},
    };
    for (const Kind& kind : kinds) {
        for (std::size_t n : {kind.limit, kind.limit + 1}) {
            ZrlWriter log;
            kind.write(log, n);
            const std::size_t frameBytes = log.size();
            log.bstFrame(next);
            const std::vector<LoadedElement> loaded = loadElements(log.bytes());
            ASSERT_GE(loaded.size(), 2u) << kind.name << " " << n;
            EXPECT_EQ(loaded.back().bytes, next) << kind.name << " " << n;
            if (n == kind.limit) {
                ASSERT_EQ(loaded.size(), 2u) << kind.name;
                EXPECT_EQ(loaded[0].bytes.size(), n) << kind.name;
                EXPECT_NE(loaded[0].variant, KelpLib::MsgVariant::Ascii) << kind.name;
                continue;
            }
            EXPECT_EQ(rawRunBytes(loaded, 0, loaded.size() - 1), Bytes(log.bytes().begin(), log.bytes().begin() + static_cast<std::ptrdiff_t>(frameBytes)))
                << kind.name;
        }
    }
}
