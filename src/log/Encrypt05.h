#pragma once

#include "log/BaseEncrypt.h"

namespace KelpLib {

// Keystream of Encrypt05: K5 shifted by a running difference of T28.
struct Encrypt05Keystream {
    std::uint32_t keyIndex = 0;
    std::uint8_t s = 0;
    std::uint8_t j = 0;

    std::uint8_t keyByte() const;
    void advance();
};

// Device file cipher of type id 5 (mode always true).
class Encrypt05 final : public KeystreamEncrypt<Encrypt05Keystream, 5> {
};

} // namespace KelpLib
