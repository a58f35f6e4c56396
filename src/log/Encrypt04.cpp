#include "log/Encrypt04.h"

#include "log/EncryptKeys.h"

namespace KelpLib {

namespace {
constexpr std::uint32_t usedKeyCharacters = 4;
constexpr std::uint8_t jPeriod = 32;
} // namespace

std::uint8_t Encrypt04Keystream::keyByte() const
{
    std::uint8_t t = static_cast<std::uint8_t>(EncryptKeys::K4[keyIndex] + static_cast<std::uint8_t>(s1));
    t = static_cast<std::uint8_t>(t ^ static_cast<std::uint8_t>(s2));
    if (s2 != 0)
        t = static_cast<std::uint8_t>(t + s1 / s2);
    return t;
}

void Encrypt04Keystream::advance()
{
    keyIndex = (keyIndex + 1) % usedKeyCharacters;
    j = static_cast<std::uint8_t>((j + 1) % jPeriod);
    m = static_cast<std::uint8_t>((m + 1) % EncryptKeys::T39.size());
    s2 += EncryptKeys::T39[m];
    s1 -= EncryptKeys::T39[j];
}

} // namespace KelpLib
