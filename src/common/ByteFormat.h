#pragma once

#include <cstdint>
#include <string>

namespace KelpLib {

// Bytes as two upper-case hex digits each, each preceded by the prefix, with the separator
// between bytes (not after the last). "None" without data, "<Zero size array>" for no bytes,
// "ERROR: ARRAY SIZE > 1000!" for more than 1000.
std::string hexDump(const std::uint8_t* data, std::uint32_t count, const char* prefix = nullptr, const char* separator = nullptr);

// Bytes in decimal, each preceded by the prefix and followed by the separator (the last too).
std::string decimalList(const std::uint8_t* data, std::uint32_t count, const char* prefix = nullptr, const char* separator = nullptr);

// Bytes as text, byte for byte.
std::string bytesAsText(const std::uint8_t* data, std::uint32_t count);

} // namespace KelpLib
