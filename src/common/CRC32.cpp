#include "common/CRC32.h"

#include <array>

namespace CommonLib {

namespace {

constexpr std::uint32_t polynomial = 0xEDB88320;
constexpr int slices = 8;

using Table = std::array<std::uint32_t, 256>;

// tables[0] is the usual per-byte table; tables[k] advances a byte k further positions, so
// eight bytes are folded in with eight independent lookups.
constexpr std::array<Table, slices> makeTables()
{
    std::array<Table, slices> tables{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t r = i;
        for (int bit = 0; bit < 8; ++bit)
            r = (r & 1) ? (r >> 1) ^ polynomial : r >> 1;
        tables[0][i] = r;
    }
    for (int k = 1; k < slices; ++k)
        for (std::uint32_t i = 0; i < 256; ++i)
            tables[k][i] = (tables[k - 1][i] >> 8) ^ tables[0][tables[k - 1][i] & 0xFF];
    return tables;
}

constexpr std::array<Table, slices> tables = makeTables();

std::uint32_t littleEndian32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

} // namespace

std::uint32_t CRC32::update(const KelpLib::ByteBuffer& bytes)
{
    return update(bytes.data, bytes.data ? bytes.length : 0);
}

std::uint32_t CRC32::update(const std::uint8_t* bytes, std::size_t count)
{
    if (bytes == nullptr)
        return value();
    std::uint32_t r = reg;
    for (; count >= slices; count -= slices, bytes += slices) {
        const std::uint32_t low = littleEndian32(bytes) ^ r;
        const std::uint32_t high = littleEndian32(bytes + 4);
        r = tables[7][low & 0xFF] ^ tables[6][(low >> 8) & 0xFF] ^ tables[5][(low >> 16) & 0xFF] ^ tables[4][low >> 24]
            ^ tables[3][high & 0xFF] ^ tables[2][(high >> 8) & 0xFF] ^ tables[1][(high >> 16) & 0xFF] ^ tables[0][high >> 24];
    }
    for (; count > 0; --count, ++bytes)
        r = tables[0][(r ^ *bytes) & 0xFF] ^ (r >> 8);
    reg = r;
    return value();
}

} // namespace CommonLib
