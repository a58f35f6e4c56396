#pragma once

#include <cstdint>

namespace KelpLib {

inline constexpr std::uint8_t kZrlFileVersionTag = 0x01;

// The file version that a ZRL tag 0x01 body (tag byte first) records: the little-endian u32
// at bytes 1–4 divided by 1000, so a stored 1000 is version 1.000. A body too short for the
// four bytes reads the missing ones as 0.
double zrlFileVersion(const std::uint8_t* body, std::uint32_t length);

} // namespace KelpLib
