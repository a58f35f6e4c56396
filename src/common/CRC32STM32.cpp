#include "common/CRC32STM32.h"

#include <array>

namespace DeviceLib {

namespace {

// f(x): the register after the 32 polynomial steps that follow each word. f is linear over
// GF(2), so f^k of a register is the XOR of per-byte tables, and eight bytes b0..b7 fold in as
//   r' = f^8(r) ^ f^8(b0) ^ f^7(b1) ^ ... ^ f^1(b7),
// eight independent lookups for the bytes plus four for the register.
constexpr std::uint32_t polynomial = 0x04C11DB7;
constexpr int block = 8;

using Table = std::array<std::uint32_t, 256>;

struct Tables {
    std::array<Table, 4> once{};   // once[j][v] = f(v << 8j)
    std::array<Table, 4> eight{};  // eight[j][v] = f^8(v << 8j)
    std::array<Table, block> byte{}; // byte[i][v] = f^(i+1)(v)
};

constexpr std::uint32_t shiftThroughByte(std::uint32_t r)
{
    for (int bit = 0; bit < 8; ++bit)
        r = (r & 0x80000000u) ? (r << 1) ^ polynomial : r << 1;
    return r;
}

constexpr Tables makeTables()
{
    Tables t;
    Table perByte{}; // the register after 8 steps from v << 24
    for (std::uint32_t v = 0; v < 256; ++v)
        perByte[v] = shiftThroughByte(v << 24);
    const auto f = [&perByte](std::uint32_t r) {
        for (int i = 0; i < 4; ++i)
            r = (r << 8) ^ perByte[r >> 24];
        return r;
    };
    for (std::uint32_t v = 0; v < 256; ++v) {
        for (int j = 0; j < 4; ++j) {
            t.once[j][v] = f(v << (8 * j));
            std::uint32_t r = v << (8 * j);
            for (int k = 0; k < block; ++k)
                r = f(r);
            t.eight[j][v] = r;
        }
        std::uint32_t r = v;
        for (int i = 0; i < block; ++i) {
            r = f(r);
            t.byte[i][v] = r;
        }
    }
    return t;
}

constexpr Tables tables = makeTables();

std::uint32_t applyF(const std::array<Table, 4>& parts, std::uint32_t r)
{
    return parts[3][r >> 24] ^ parts[2][(r >> 16) & 0xFF] ^ parts[1][(r >> 8) & 0xFF] ^ parts[0][r & 0xFF];
}

} // namespace

std::uint32_t CRC32STM32::update(const KelpLib::ByteBuffer& bytes)
{
    return update(bytes.data, bytes.data ? bytes.length : 0);
}

std::uint32_t CRC32STM32::update(const std::uint8_t* bytes, std::size_t count)
{
    if (bytes == nullptr)
        return value();
    std::uint32_t r = reg;
    for (; count >= block; count -= block, bytes += block) {
        r = applyF(tables.eight, r)
            ^ tables.byte[7][bytes[0]] ^ tables.byte[6][bytes[1]] ^ tables.byte[5][bytes[2]] ^ tables.byte[4][bytes[3]]
            ^ tables.byte[3][bytes[4]] ^ tables.byte[2][bytes[5]] ^ tables.byte[1][bytes[6]] ^ tables.byte[0][bytes[7]];
    }
    for (; count > 0; --count, ++bytes)
        r = applyF(tables.once, r ^ *bytes);
    reg = r;
    return value();
}

} // namespace DeviceLib
