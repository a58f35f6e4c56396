#pragma once

#include <cstdint>
#include <string>

namespace KelpLib {

// The name of a PGN as the exports write it: the database's name, or "Unknown PGN (%u)".
std::string exportPgnName(std::uint32_t pgn);

} // namespace KelpLib
