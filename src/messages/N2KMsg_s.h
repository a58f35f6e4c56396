#pragma once

#include <cstdint>

namespace KelpLib {

// An NMEA 2000 header and payload as decoded from one of the BST layouts that carry it.
struct N2KMsg_s {
    static constexpr std::uint32_t maxPayload = 224;
    static constexpr std::uint8_t globalAddress = 255;

    std::uint32_t time = 0;
    std::uint32_t pgn = 0;
    std::uint8_t priority = 0;
    std::uint8_t source = 0;
    std::uint8_t destination = globalAddress;
    std::uint32_t length = 0;
    std::uint8_t data[maxPayload] = {};
};

} // namespace KelpLib
