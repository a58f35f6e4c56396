#pragma once

#include "log/BaseEncrypt.h"

namespace KelpLib {

// Keystream of Encrypt04: the first 4 characters of K4 mixed with two running sums of T39.
struct Encrypt04Keystream {
    std::uint32_t keyIndex = 0;
    std::uint32_t s1 = 0;
    std::uint32_t s2 = 0;
    std::uint8_t j = 0;
    std::uint8_t m = 0;

    std::uint8_t keyByte() const;
    void advance();
};

// Device file cipher of type id 4 (mode always true).
class Encrypt04 final : public KeystreamEncrypt<Encrypt04Keystream, 4> {
};

} // namespace KelpLib
