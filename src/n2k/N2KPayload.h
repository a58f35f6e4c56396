#pragma once

#include <cstdint>

namespace StandardsLib {

// The parts of one NMEA 2000 message that its fields are decoded from. The bytes are not
// owned: they belong to the message, which outlives every field laid over it.
struct N2KPayload {
    std::uint32_t pgn = 0;
    std::uint32_t length = 0;
    const std::uint8_t* data = nullptr;
};

} // namespace StandardsLib
