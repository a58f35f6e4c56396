#include "analysis/DeviceName.h"

namespace ZrlAnalysis {

namespace {

std::uint64_t bits(std::uint64_t raw, unsigned at, unsigned count) { return (raw >> at) & ((1ull << count) - 1); }

}  // namespace

DeviceName decodeDeviceName(const std::uint8_t (&payload)[8])
{
    std::uint64_t raw = 0;
    for (int i = 7; i >= 0; --i)
        raw = (raw << 8) | payload[i];
    return decodeDeviceName(raw);
}

DeviceName decodeDeviceName(std::uint64_t raw)
{
    DeviceName name;
    name.raw = raw;
    name.uniqueNumber = static_cast<std::uint32_t>(bits(raw, 0, 21));
    name.manufacturerCode = static_cast<std::uint16_t>(bits(raw, 21, 11));
    name.deviceInstance = static_cast<std::uint8_t>(bits(raw, 32, 8));
    name.deviceFunction = static_cast<std::uint8_t>(bits(raw, 40, 8));
    name.deviceClass = static_cast<std::uint8_t>(bits(raw, 49, 7));
    name.systemInstance = static_cast<std::uint8_t>(bits(raw, 56, 4));
    name.industryGroup = static_cast<std::uint8_t>(bits(raw, 60, 3));
    name.arbitraryAddressCapable = bits(raw, 63, 1) != 0;
    return name;
}

}  // namespace ZrlAnalysis
