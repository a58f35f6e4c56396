#include "n2k/FieldSentinel.h"

namespace StandardsLib {

std::uint32_t reservedTopValues(std::uint32_t widthBits)
{
    if (widthBits >= 8)
        return 3;
    if (widthBits >= 4)
        return 2;
    return widthBits >= 2 ? 1 : 0;
}

FieldStatus sentinelStatus(std::uint64_t rawBits, std::uint32_t widthBits, bool isSigned)
{
    if (widthBits == 0 || widthBits > 64)
        return StatusValid;
    const std::uint32_t magnitudeBits = isSigned ? widthBits - 1 : widthBits;
    const std::uint64_t top = magnitudeBits >= 64 ? ~0ULL : (1ULL << magnitudeBits) - 1;
    // Above the top: a negative signed value (or bits beyond the field), never a sentinel.
    if (rawBits > top || top - rawBits >= reservedTopValues(widthBits))
        return StatusValid;
    const std::uint64_t below = top - rawBits;
    static constexpr FieldStatus statuses[3] = {StatusDataNotAvailable, StatusOutOfRange, StatusReserved};
    return statuses[below];
}

const char* sentinelText(std::uint32_t status)
{
    return status == StatusReserved ? "Reserved" : fieldStatusText(status);
}

} // namespace StandardsLib
