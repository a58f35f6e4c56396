#include "log/Encrypt05.h"

#include "log/EncryptKeys.h"

namespace KelpLib {

std::uint8_t Encrypt05Keystream::keyByte() const
{
    return static_cast<std::uint8_t>(EncryptKeys::K5[keyIndex] + s);
}

void Encrypt05Keystream::advance()
{
    keyIndex = (keyIndex + 1) % EncryptKeys::K5.size();
    j = static_cast<std::uint8_t>((j + 1) % EncryptKeys::T28.size());
    s = static_cast<std::uint8_t>(s - EncryptKeys::T28[j]);
}

} // namespace KelpLib
