#pragma once

#include "log/BaseEncrypt.h"

namespace KelpLib {

// Keystream of Encrypt06: T55 shifted by a running difference of T55 taken at a position q
// that moves by a step; each time q passes the end it restarts at 0 and the step shrinks by
// one, running 13, 12, ..., 1 and then 13 again.
struct Encrypt06Keystream {
    std::uint32_t p = 0;
    std::uint32_t step = 13;
    std::uint32_t q = 0;
    std::uint8_t s = 0;

    std::uint8_t keyByte() const;
    void advance();
};

// Device file cipher of type id 6 (mode always true).
class Encrypt06 final : public KeystreamEncrypt<Encrypt06Keystream, 6> {
};

} // namespace KelpLib
