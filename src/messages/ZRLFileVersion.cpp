#include "messages/ZRLFileVersion.h"

namespace KelpLib {

double zrlFileVersion(const std::uint8_t* body, std::uint32_t length)
{
    std::uint32_t value = 0;
    for (std::uint32_t i = 0; i < 4; ++i) {
        const std::uint32_t at = 1 + i;
        if (body && at < length)
            value |= static_cast<std::uint32_t>(body[at]) << (8 * i);
    }
    return value / 1000.0;
}

} // namespace KelpLib
