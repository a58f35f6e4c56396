#pragma once

#include <cstdint>

namespace KelpLib {

// Deciphers, in place, a BEM boot message that starts at offset inside a message of
// messageLength bytes: ids 0xA7 and 0xA8 are deciphered (id, length byte and payload) with the
// one boot cipher the whole process shares; ids 0xA5 and 0xA6 reset that cipher at the start
// of a transfer. Any other id, and a message too short to hold the BEM header, is left alone.
// Safe to call from several loading threads: the cipher is used under one lock.
void decipherBemMessage(std::uint8_t* message, std::uint32_t messageLength, std::uint32_t offset);

} // namespace KelpLib
