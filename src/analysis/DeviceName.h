#pragma once
// The 64-bit NAME a device claims its address with (PGN 60928, ISO Address Claim), taken apart.
#include <cstdint>

namespace ZrlAnalysis {

struct DeviceName {
    std::uint64_t raw = 0;
    std::uint32_t uniqueNumber = 0;      // 21 bits
    std::uint16_t manufacturerCode = 0;  // 11 bits
    std::uint8_t deviceInstance = 0;     // lower 3 and upper 5 bits together, 0-255
    std::uint8_t deviceFunction = 0;
    std::uint8_t deviceClass = 0;        // 7 bits
    std::uint8_t systemInstance = 0;     // 4 bits
    std::uint8_t industryGroup = 0;      // 3 bits
    bool arbitraryAddressCapable = false;
};

// The NAME of an address claim payload: its first 8 bytes, least significant first.
DeviceName decodeDeviceName(const std::uint8_t (&payload)[8]);
DeviceName decodeDeviceName(std::uint64_t raw);

}  // namespace ZrlAnalysis
