#include "messages/TimeOfDayText.h"

#include <cstdio>

namespace KelpLib {

std::string timeOfDayText(std::uint32_t timeWord)
{
    // 65535 × 675 is well inside 32 bits.
    const std::uint32_t seconds = (timeWord & 0xFFFFu) * 675u / 512u;
    char text[32];
    std::snprintf(text, sizeof text, "%02u:%02u:%02u:%03u", seconds / 3600u, (seconds / 60u) % 60u, seconds % 60u, 0u);
    return text;
}

} // namespace KelpLib
