#pragma once

#include <cstdint>
#include <string>

namespace KelpLib {

// The name of a message's PGN definition as the exports write it (the definition its payload
// selects), or "Unknown PGN (%u)".
std::string exportPgnName(std::uint32_t pgn, const std::uint8_t* data, std::uint32_t length);

} // namespace KelpLib
