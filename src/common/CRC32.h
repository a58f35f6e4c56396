#pragma once

#include "common/ByteBuffer.h"

#include <cstddef>
#include <cstdint>

namespace CommonLib {

// The standard CRC-32 (reflected, polynomial 0xEDB88320, register starting at 0xFFFFFFFF,
// complemented at the end): "123456789" gives 0xCBF43926.
class CRC32 {
public:
    virtual ~CRC32() = default;

    // Feeds every byte of the buffer; answers value().
    std::uint32_t update(const KelpLib::ByteBuffer& bytes);
    std::uint32_t update(const std::uint8_t* bytes, std::size_t count);
    // The complement of the register.
    std::uint32_t value() const { return ~reg; }

private:
    std::uint32_t reg = 0xFFFFFFFF;
};

} // namespace CommonLib
