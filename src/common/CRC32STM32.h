#pragma once

#include "common/ByteBuffer.h"

#include <cstddef>
#include <cstdint>

namespace DeviceLib {

// The CRC-32 of a microcontroller's CRC unit fed one byte per 32-bit word: not reflected,
// polynomial 0x04C11DB7, register starting at 0xFFFFFFFF, no final complement. Each byte b is
// the word 0x000000bb: it is XORed into the register, then the register is shifted through 32
// polynomial steps. "123456789" gives 0x1556F485; a single 0x00 gives 0xC704DD7B.
class CRC32STM32 {
public:
    virtual ~CRC32STM32() = default;

    // Feeds every byte of the buffer, one word each; answers value().
    std::uint32_t update(const KelpLib::ByteBuffer& bytes);
    std::uint32_t update(const std::uint8_t* bytes, std::size_t count);
    // The register itself.
    std::uint32_t value() const { return reg; }

private:
    std::uint32_t reg = 0xFFFFFFFF;
};

} // namespace DeviceLib
