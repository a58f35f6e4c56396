#include "common/CRC32.h"
#include "common/CRC32STM32.h"

#include <gtest/gtest.h>

#include <random>
#include <string_view>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

KelpLib::ByteBuffer view(const Bytes& bytes)
{
    KelpLib::ByteBuffer buffer;
    KelpLib::wrap(buffer, bytes.data(), static_cast<std::int64_t>(bytes.size()));
    return buffer;
}

Bytes text(std::string_view characters) { return Bytes(characters.begin(), characters.end()); }

// Bit at a time, straight from the definition: the tables of the real accumulators must agree.
std::uint32_t referenceCrc32(const Bytes& bytes)
{
    std::uint32_t r = 0xFFFFFFFF;
    for (std::uint8_t b : bytes) {
        r ^= b;
        for (int bit = 0; bit < 8; ++bit)
            r = (r & 1) ? (r >> 1) ^ 0xEDB88320 : r >> 1;
    }
    return ~r;
}

// The unit feeds each byte as a 32-bit word, most significant bit first, without reflection.
std::uint32_t referenceStm32(const Bytes& bytes)
{
    std::uint32_t r = 0xFFFFFFFF;
    for (std::uint8_t b : bytes) {
        r ^= b;
        for (int bit = 0; bit < 32; ++bit)
            r = (r & 0x80000000u) ? (r << 1) ^ 0x04C11DB7 : r << 1;
    }
    return r;
}

Bytes randomBytes(std::size_t count, unsigned seed)
{
    std::mt19937 generator(seed);
    Bytes bytes(count);
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(generator());
    return bytes;
}

} // namespace

// The published check values ("123456789"), one zero byte and a sentence; the register as it
// starts when no byte was fed.
TEST(CRC, CheckValues)
{
    CommonLib::CRC32 crc;
    EXPECT_EQ(crc.value(), 0u) << "the complement of the fresh register";
    EXPECT_EQ(crc.update(view(text("123456789"))), 0xCBF43926u);
    EXPECT_EQ(crc.value(), 0xCBF43926u);
    EXPECT_EQ(CommonLib::CRC32().update(view(Bytes{0x00})), 0xD202EF8Du);
    EXPECT_EQ(CommonLib::CRC32().update(view(text("The quick brown fox jumps over the lazy dog"))), 0x414FA339u);
    DeviceLib::CRC32STM32 stm;
    EXPECT_EQ(stm.update(view(Bytes{})), 0xFFFFFFFFu);
    EXPECT_EQ(stm.update(view(text("123456789"))), 0x1556F485u);
    EXPECT_EQ(DeviceLib::CRC32STM32().update(view(Bytes{0x00})), 0xC704DD7Bu);
    // A buffer without storage feeds nothing.
    const KelpLib::ByteBuffer noStorage{5, 5, 0, nullptr};
    EXPECT_EQ(CommonLib::CRC32().update(noStorage), 0u);
    EXPECT_EQ(DeviceLib::CRC32STM32().update(noStorage), 0xFFFFFFFFu);
}

// Every length around the eight-byte blocks, whole and split in two: the block loop and the byte
// tail both count.
TEST(CRC, AgreesWithTheDefinitionForEveryLengthAndSplit)
{
    const Bytes data = randomBytes(70, 1234);
    for (std::size_t length = 0; length <= data.size(); ++length) {
        const Bytes part(data.begin(), data.begin() + length);
        const Bytes head(part.begin(), part.begin() + length / 3);
        const Bytes tail(part.begin() + length / 3, part.end());
        CommonLib::CRC32 crc;
        DeviceLib::CRC32STM32 stm;
        EXPECT_EQ(CommonLib::CRC32().update(view(part)), referenceCrc32(part)) << length;
        EXPECT_EQ(DeviceLib::CRC32STM32().update(view(part)), referenceStm32(part)) << length;
        crc.update(view(head));
        stm.update(view(head));
        EXPECT_EQ(crc.update(view(tail)), referenceCrc32(part)) << "split " << length;
        EXPECT_EQ(stm.update(view(tail)), referenceStm32(part)) << "split " << length;
    }
}
