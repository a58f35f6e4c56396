#pragma once

#include <cstdint>
#include <string>

namespace StandardsLib {

// The name of the PGN definition covering the PGN, or "Unknown PGN (%u)" for a PGN the database
// lacks.
std::string pgnNameText(std::uint32_t pgn);

} // namespace StandardsLib
