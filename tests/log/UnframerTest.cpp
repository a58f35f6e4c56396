#include "log/BDT_Deserialise.h"
#include "log/N183_Deserialise.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace KelpLib;
using ZrlTest::Bytes;

namespace {

template <typename Unframer>
std::vector<int> feedAll(Unframer& unframer, const Bytes& bytes)
{
    std::vector<int> states;
    for (std::uint8_t b : bytes)
        states.push_back(unframer.feed(b));
    return states;
}

template <typename Unframer>
std::vector<int> feedText(Unframer& unframer, const std::string& text)
{
    return feedAll(unframer, Bytes(text.begin(), text.end()));
}

template <typename Unframer>
Bytes bodyOf(Unframer& unframer)
{
    return Bytes(unframer.body().data, unframer.body().data + unframer.body().length);
}

} // namespace

// The state answer to each byte (0 outside, 2 escape, 3 start, 4 in frame, 5 complete) and the
// body: an escaped escape is one byte; a bad escape drops the frame; a new start restarts.
TEST(ZRL_Deserialise, EscapesInsideAndOutsideAFrame)
{
    ZRL_Deserialise zrl;
    EXPECT_EQ(feedAll(zrl, {0x1B, 0x01, 0x05, 0x1B, 0x1B, 0x06, 0x1B, 0x0A}), (std::vector<int>{2, 3, 4, 2, 4, 4, 2, 5}));
    EXPECT_EQ(bodyOf(zrl), (Bytes{0x05, 0x1B, 0x06}));
    EXPECT_EQ(feedAll(zrl, {0x41, 0x1B, 0x1B, 0x1B, 0x0A, 0x1B, 0x42}), (std::vector<int>{0, 2, 1, 2, 0, 2, 0}));
    BST_Deserialise bst;
    EXPECT_EQ(feedAll(bst, {0x10, 0x02, 0x93, 0x10, 0x05, 0x44, 0x10, 0x03}), (std::vector<int>{2, 3, 4, 2, 0, 0, 2, 0}));
    EXPECT_EQ(feedAll(bst, {0x10, 0x02, 0x01, 0x10, 0x02, 0x07, 0x10, 0x10, 0x10, 0x03}), (std::vector<int>{2, 3, 4, 2, 3, 4, 2, 4, 2, 5}));
    EXPECT_EQ(bodyOf(bst), (Bytes{0x07, 0x10}));
}

TEST(ZRL_Deserialise, BodyAtTheLimitIsKeptOneMoreAbandonsTheFrame)
{
    for (std::size_t size : {std::size_t(1800), std::size_t(1801)}) {
        ZRL_Deserialise zrl;
        Bytes frame = {0x1B, 0x01};
        frame.insert(frame.end(), size, 0x41);
        EXPECT_EQ(feedAll(zrl, frame).back(), 4) << "the byte past the limit still answers 4";
        EXPECT_EQ(feedAll(zrl, {0x1B, 0x0A}), (std::vector<int>{2, size == 1800 ? 5 : 0})) << size;
        EXPECT_TRUE(size == 1801 || zrl.body().length == 1800u);
    }
}

TEST(N183_Deserialise, SentenceStates)
{
    const std::string gga = ZrlTest::withChecksum("$GPGGA,1,2,3");
    const struct {
        std::string text;
        int last;
        std::string stored;
    } cases[] = {
        {gga + "\r\n", 5, gga},
        {"$GPGGA,1,2,3*7F\r\n", 6, "$GPGGA,1,2,3*7F"},
        {"$GPGGA,1,2,3\r\n", 5, "$GPGGA,1,2,3"},
        {"$GP\tGGA\r\n", 7, "$GP\tGGA"},
        {"$GP~X*00\r\n", 7, "$GP~X*00"},
        {"!AIVDM,\n1\r\n", 5, "!AIVDM,\n1"},
        {"$GPX*5c\r\n", 6, "$GPX*5c"},
        {"$GPGGA,1$GPX\r\n", 5, "$GPX"},
        {"$P*5c\r\n", 5, "$P*5c"}, // "P" has the XOR 0x50: a lower-case digit counts 0, "5c" reads 0x50
    };
    for (const auto& c : cases) {
        N183_Deserialise n183;
        EXPECT_EQ(feedText(n183, c.text).back(), c.last) << c.text;
        EXPECT_EQ(bodyOf(n183), Bytes(c.stored.begin(), c.stored.end()));
    }
}

TEST(N183_Deserialise, TheThreeHundredAndFirstCharacterDropsTheSentence)
{
    N183_Deserialise n183;
    const std::string sentence = "$" + std::string(299, 'A');
    const auto states = feedText(n183, sentence);
    EXPECT_EQ(states.back(), 4);
    EXPECT_EQ(n183.feed('A'), 13);
    EXPECT_EQ(feedText(n183, "AB\r\n"), (std::vector<int>{0, 0, 0, 0}));
}

namespace {

// Taking plain bytes in one go must leave an unframer exactly where feeding them one by one
// would: same count, same body, same answers to the bytes after. Random bodies with many escape
// bytes of both unframers, started at every fill level of the body.
template <typename Unframer>
void expectTakingMatchesFeeding(std::uint8_t start, std::uint8_t escape, std::uint32_t sizeLimit)
{
    std::mt19937 random(17);
    for (int round = 0; round < 4000; ++round) {
        Bytes bytes(random() % (sizeLimit + 60));
        for (auto& b : bytes)
            b = static_cast<std::uint8_t>(random() % 8 == 0 ? (random() % 2 ? 0x10 : 0x1B) : random());
        const std::size_t already = random() % (sizeLimit + 3); // bytes already in the body
        Unframer taken, fed;
        for (Unframer* u : {&taken, &fed}) {
            feedAll(*u, {escape, start});
            feedAll(*u, Bytes(already, 0x41));
        }
        const std::uint32_t n = taken.takePlainBytes(bytes.data(), static_cast<std::uint32_t>(bytes.size()), 0x1B);
        std::uint32_t expected = 0;
        while (expected < bytes.size() && bytes[expected] != escape && bytes[expected] != 0x1B &&
               already + expected < sizeLimit)
            ++expected;
        ASSERT_EQ(n, expected) << round;
        for (std::uint32_t i = 0; i < n; ++i)
            ASSERT_EQ(fed.feed(bytes[i]), UnframerInFrame);
        ASSERT_EQ(bodyOf(taken), bodyOf(fed));
        // Both go on alike with the rest.
        for (std::size_t i = n; i < bytes.size(); ++i)
            ASSERT_EQ(taken.feed(bytes[i]), fed.feed(bytes[i])) << round << " " << i;
    }
    Unframer outside;
    const Bytes plain(20, 0x41);
    EXPECT_EQ(outside.takePlainBytes(plain.data(), 20, 0x1B), 0u) << "outside a frame nothing is taken";
    feedAll(outside, {escape, start, escape});
    EXPECT_EQ(outside.takePlainBytes(plain.data(), 20, 0x1B), 0u) << "nor with an escape pending";
}

} // namespace

TEST(BST_Deserialise, TakingPlainBytesMatchesFeedingThem)
{
    expectTakingMatchesFeeding<BST_Deserialise>(0x02, 0x10, BST_Deserialise::sizeLimit);
}

TEST(ZRL_Deserialise, TakingPlainBytesMatchesFeedingThem)
{
    expectTakingMatchesFeeding<ZRL_Deserialise>(0x01, 0x1B, ZRL_Deserialise::sizeLimit);
}

// A body sums to zero with its checksum byte, which is then removed; a bad sum keeps it.
TEST(BST_Deserialise, ChecksumOfEveryBodyLengthMatchesAPlainSum)
{
    BST_Deserialise empty;
    EXPECT_EQ(feedAll(empty, {0x10, 0x02, 0x10, 0x03}).back(), 5);
    EXPECT_FALSE(empty.checksumCheck());
    std::mt19937 random(5);
    for (std::uint32_t length = 1; length <= BST_Deserialise::sizeLimit; ++length) {
        for (int round = 0; round < 8; ++round) {
            Bytes body(length);
            for (auto& b : body)
                b = static_cast<std::uint8_t>(round < 4 ? random() : 0xFF); // 0xFF: the largest sums
            std::uint8_t sum = 0;
            for (std::size_t i = 0; i + 1 < body.size(); ++i)
                sum = static_cast<std::uint8_t>(sum + body[i]);
            const bool makeGood = round % 2 == 0;
            body.back() = static_cast<std::uint8_t>(makeGood ? -sum : 1 - sum);
            Bytes framed{0x10, 0x02};
            for (std::uint8_t b : body)
                framed.insert(framed.end(), b == 0x10 ? 2 : 1, b);
            framed.insert(framed.end(), {0x10, 0x03});
            BST_Deserialise bst;
            ASSERT_EQ(feedAll(bst, framed).back(), UnframerComplete);
            ASSERT_EQ(bst.checksumCheck(), makeGood) << length << " " << round;
            ASSERT_EQ(bst.body().length, makeGood ? length - 1 : length);
        }
    }
}
