#pragma once
// Small byte helpers for message tests: a non-owning buffer over test bytes, and
// little-endian values laid out as the wire carries them.

#include "common/ByteBuffer.h"

#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace ZrlTest {

// A buffer over the bytes (not a copy) with the given time word.
inline KelpLib::ByteBuffer viewOf(const std::vector<std::uint8_t>& bytes, std::uint32_t time = 0)
{
    KelpLib::ByteBuffer buffer;
    KelpLib::wrap(buffer, bytes.data(), static_cast<std::int64_t>(bytes.size()));
    buffer.time = time;
    return buffer;
}

// Each {value, width} pair as `width` little-endian bytes, one after the other.
inline std::vector<std::uint8_t> le(std::initializer_list<std::pair<std::uint64_t, unsigned>> values)
{
    std::vector<std::uint8_t> out;
    for (const auto& [value, width] : values)
        for (unsigned i = 0; i < width; ++i)
            out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    return out;
}

} // namespace ZrlTest
