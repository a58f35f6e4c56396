#pragma once

#include <array>
#include <cstdint>

// Key texts and number tables of the file and message ciphers. They are design data: a file or
// message enciphered elsewhere reads back only with these same contents.
namespace KelpLib::EncryptKeys {

extern const std::array<std::uint8_t, 13> K3;  // key text of Encrypt03
extern const std::array<std::uint8_t, 564> K4; // key text of Encrypt04 (its first 4 characters are used)
extern const std::array<std::uint8_t, 170> K5; // key text of Encrypt05
extern const std::array<std::uint32_t, 39> T39; // Encrypt04
extern const std::array<std::uint8_t, 28> T28;  // Encrypt05
extern const std::array<std::uint8_t, 55> T55;  // Encrypt06

} // namespace KelpLib::EncryptKeys
