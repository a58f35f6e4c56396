#include "log/Encrypt00.h"
#include "log/Encrypt03.h"
#include "log/Encrypt06.h"
#include "log/MakeEncryptor.h"

#include "support/ByteView.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

using namespace KelpLib;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes run(IEncrypt& cipher, Bytes bytes, bool encipher = false)
{
    ByteBuffer buffer = ZrlTest::viewOf(bytes);
    EXPECT_EQ(encipher ? cipher.encipher(buffer) : cipher.decipher(buffer), 0);
    return bytes;
}
Bytes decipher(IEncrypt& cipher, Bytes bytes) { return run(cipher, std::move(bytes)); }
Bytes encipher(IEncrypt& cipher, Bytes bytes) { return run(cipher, std::move(bytes), true); }

// A boot message: id, length, then its body.
Bytes bemMessage(std::uint8_t id, Bytes body)
{
    body.insert(body.begin(), {id, static_cast<std::uint8_t>(body.size())});
    return body;
}

Bytes counting(std::size_t count, std::uint8_t first = 0)
{
    Bytes bytes(count);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

// Position of the first changed byte for Encrypt03, which keeps the id and length.
std::size_t firstCipheredByte(std::uint8_t typeId) { return typeId == 3 ? 2 : 0; }

const std::uint8_t cipherIds[] = {3, 4, 5, 6};

} // namespace

// The cipher for each type id, and its mode: as asked for types 0 and 3, always on otherwise.
TEST(Encrypt, MakeEncryptorChoosesByTypeId)
{
    const struct {
        std::uint8_t id;
        std::uint32_t typeId;
        bool modeWhenOff;
    } cases[] = {{0, 0, false}, {1, 0, false}, {3, 3, false}, {4, 4, true}, {5, 5, true}, {6, 6, true}, {7, 0, false}, {255, 0, false}};
    for (const auto& c : cases) {
        const auto cipher = makeEncryptor(c.id, false);
        ASSERT_NE(cipher, nullptr);
        EXPECT_EQ(cipher->typeId(), c.typeId) << int(c.id);
        EXPECT_EQ(dynamic_cast<BaseEncrypt&>(*cipher).getMode(), c.modeWhenOff) << int(c.id);
    }
}

// The keystreams of the key data: these pin the key texts and tables, without which files
// enciphered before could no longer be read.
TEST(Encrypt, KeystreamOfEachType)
{
    const struct {
        std::uint8_t id;
        Bytes first16;
        Bytes at1000;
    } cases[] = {
        {3, {0x53, 0x8D, 0x60, 0x46, 0x9D, 0x6B, 0x0D, 0x3C, 0x34, 0x19, 0x54, 0xBB, 0x99, 0xEF, 0xF5, 0x1E}, {0x21, 0x3F, 0x25, 0x4E}},
        {4, {0x47, 0x62, 0x05, 0x46, 0x3D, 0x62, 0x55, 0x75, 0x92, 0x4D, 0x5A, 0x78, 0x47, 0x48, 0x65, 0x7A}, {0x79, 0x84, 0xA0, 0xA6}},
        {5, {0x53, 0x42, 0x06, 0x9D, 0x6A, 0x2A, 0x2C, 0x36, 0xB3, 0x35, 0x92, 0x0A, 0x6A, 0xBF, 0x8A, 0x13}, {0x94, 0x5F, 0x62, 0xAA}},
        {6, {0x3D, 0xB2, 0x75, 0x3E, 0xD0, 0x67, 0xEE, 0x76, 0xF6, 0xC3, 0x27, 0xBF, 0x19, 0x84, 0xAA, 0x72}, {0x13, 0x74, 0x10, 0xD7}},
    };
    for (const auto& c : cases) {
        const auto cipher = makeEncryptor(c.id, true);
        const std::size_t skip = firstCipheredByte(c.id);
        const Bytes zeros(skip + 1004, 0);
        const Bytes stream = decipher(*cipher, zeros);
        EXPECT_EQ(Bytes(stream.begin() + skip, stream.begin() + skip + 16), c.first16) << int(c.id);
        EXPECT_EQ(Bytes(stream.begin() + skip + 1000, stream.end()), c.at1000) << int(c.id);
    }
}

// Enciphering then deciphering after a reset gives the bytes back; the state runs on across
// calls, wherever a buffer is cut.
TEST(Encrypt, RoundTripAndStateRunningOnAcrossCalls)
{
    const Bytes plain = bemMessage(0xA7, counting(250, 7));
    for (std::uint8_t id : cipherIds) {
        const auto cipher = makeEncryptor(id, true);
        const Bytes ciphered = encipher(*cipher, plain);
        EXPECT_NE(ciphered, plain) << int(id);
        cipher->reset();
        EXPECT_EQ(decipher(*cipher, ciphered), plain) << int(id);
        for (std::size_t cut : {std::size_t(0), std::size_t(1), std::size_t(4), std::size_t(249)}) {
            if (id == 3)
                continue; // Encrypt03 keeps the first two bytes of every buffer
            cipher->reset();
            Bytes head = decipher(*cipher, Bytes(ciphered.begin(), ciphered.begin() + cut));
            const Bytes tail = decipher(*cipher, Bytes(ciphered.begin() + cut, ciphered.end()));
            head.insert(head.end(), tail.begin(), tail.end());
            EXPECT_EQ(head, plain) << int(id) << " cut " << cut;
        }
    }
}

TEST(Encrypt, Encrypt03PiecesEachKeepTheirOwnFirstTwoBytes)
{
    Encrypt03 cipher(true);
    Bytes pieces = decipher(cipher, bemMessage(0xA7, Bytes(5, 0)));
    const Bytes second = decipher(cipher, bemMessage(0xA7, Bytes(4, 0)));
    Bytes whole = decipher(*makeEncryptor(3, true), bemMessage(0xA7, Bytes(9, 0)));
    pieces.insert(pieces.end(), second.begin(), second.end());
    whole.insert(whole.begin() + 7, {0xA7, 4});
    whole[1] = 5;
    EXPECT_EQ(pieces, whole);
}

TEST(Encrypt, Encrypt03AcceptsByMessageIdOnlyWithModeFalse)
{
    const Bytes request = bemMessage(0xA8, counting(6));
    const Bytes response = bemMessage(0xA7, counting(6));
    Encrypt03 strict(false);
    EXPECT_EQ(decipher(strict, request), request) << "a request is not deciphered";
    EXPECT_EQ(encipher(strict, response), response) << "a response is not enciphered";
    EXPECT_EQ(strict.getIndex(), 0) << "a refused buffer leaves the state";
    EXPECT_NE(decipher(strict, response), response);
    strict.reset();
    EXPECT_NE(encipher(strict, request), request);

    Encrypt03 open(true);
    const Bytes other = bemMessage(0x93, counting(6));
    EXPECT_NE(decipher(open, other), other);
    EXPECT_NE(encipher(open, other), other);
}

TEST(Encrypt, ShortAndEmptyBuffersAreLeftAlone)
{
    for (std::uint8_t id : {0, 3, 4, 5, 6}) {
        ByteBuffer empty, lengthWithoutStorage{4, 4, 0, nullptr}; // no storage, nothing to touch
        EXPECT_EQ(makeEncryptor(id, true)->encipher(empty), 0);
        EXPECT_EQ(makeEncryptor(id, true)->decipher(lengthWithoutStorage), 0);
    }
    Encrypt03 cipher(true);
    for (const Bytes& shortMessage : {Bytes{0xA7}, Bytes{0xA7, 0x00}})
        EXPECT_EQ(decipher(cipher, shortMessage), shortMessage);
    EXPECT_EQ(cipher.getIndex(), 0);
}

TEST(Encrypt, SeekMatchesProcessingDummyBytes)
{
    const Bytes data = counting(40, 0x30);
    for (std::uint8_t id : cipherIds) {
        for (std::uint32_t n : {0u, 1u, 12u, 13u, 14u, 27u, 28u, 55u, 56u, 169u, 170u, 171u, 300u, 1000u}) {
            const std::size_t skip = firstCipheredByte(id);
            const auto reference = makeEncryptor(id, true);
            decipher(*reference, Bytes(skip + n, 0xEE));
            const Bytes expected = decipher(*reference, data);

            const auto seeker = makeEncryptor(id, true);
            decipher(*seeker, counting(77)); // a state to be replaced by the seek
            seeker->seek(n);
            EXPECT_EQ(decipher(*seeker, data), expected) << int(id) << " seek " << n;
        }
    }
}

// Seeking past 2^32 - 1 bytes wraps the counters as processing that many bytes would.
TEST(Encrypt, Encrypt03SeekWrapsItsCounters)
{
    Encrypt03 cipher(true);
    cipher.seek(0xFFFFFFFFu);
    EXPECT_EQ(cipher.getIndex(), 0xFFFFFFFFu % 13);
    EXPECT_EQ(cipher.getA(), static_cast<std::uint8_t>(19u * 0xFFFFFFFFu));
    EXPECT_EQ(cipher.getB(), 7) << "-7 x (2^32 - 1) mod 256";
}
