#include "log/SixBitArmour.h"

namespace KelpLib {

std::int32_t decodeSixBitArmour(const std::uint8_t* text, std::uint32_t count, std::uint8_t* out, std::uint32_t capacity)
{
    std::uint32_t bits = 0;
    std::uint32_t pending = 0;
    std::uint32_t written = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint8_t c = text[i];
        const std::uint32_t value = static_cast<std::uint32_t>(c < 96 ? c - 48 : c - 56) & 0x3F;
        bits = (bits << 6) | value;
        pending += 6;
        if (pending >= 8) {
            pending -= 8;
            if (written >= capacity)
                return -1;
            out[written++] = static_cast<std::uint8_t>(bits >> pending);
            bits &= (1u << pending) - 1;
        }
    }
    return static_cast<std::int32_t>(written);
}

} // namespace KelpLib
