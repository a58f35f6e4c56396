#include "log/Encrypt06.h"

#include "log/EncryptKeys.h"

namespace KelpLib {

namespace {
constexpr std::uint32_t firstStep = 13;
} // namespace

std::uint8_t Encrypt06Keystream::keyByte() const
{
    return static_cast<std::uint8_t>(EncryptKeys::T55[p] + s);
}

void Encrypt06Keystream::advance()
{
    const std::uint32_t period = EncryptKeys::T55.size();
    p = (p + 1) % period;
    q += step;
    if (q >= period) {
        q = 0;
        step = step == 1 ? firstStep : step - 1;
    }
    s = static_cast<std::uint8_t>(s - EncryptKeys::T55[q]);
}

} // namespace KelpLib
