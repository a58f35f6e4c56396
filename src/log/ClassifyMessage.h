#pragma once

#include "log/MsgVariant.h"

#include <cstdint>

namespace KelpLib {

// Classifies a BST message (fromBst) or an NMEA 0183 sentence. A BEM message carried in
// PGN 126720 with the maker's code, or in a "!PQRDB" sentence, is classified by its BEM id;
// with reserved fields hidden the engineering variants (reboot, debug, programming and boot,
// not the mass data transfers) become MsgVariant::Hidden.
MsgVariantInfo classifyMessage(const std::uint8_t* bytes, std::uint32_t length, bool fromBst);

// The maker's manufacturer code 273 with industry group 4, as the first two data bytes of
// PGN 126720.
constexpr std::uint8_t makerProprietaryPrefix[2] = {0x11, 0x99};
constexpr std::uint32_t proprietaryFastPacketPgn = 126720;

// A BEM message carried in a "!PQRDB" sentence, decoded from its armour (at most 200 bytes);
// -1 when the sentence carries none or it does not decode.
std::int32_t decodeBemSentence(const std::uint8_t* sentence, std::uint32_t length, std::uint8_t* out, std::uint32_t capacity);

} // namespace KelpLib
