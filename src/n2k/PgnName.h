#pragma once

#include "n2k/N2KPayload.h"

#include <cstdint>
#include <string>

namespace StandardsLib {

// The name of the PGN definition covering the PGN, or "Unknown PGN (%u)" for a PGN the database
// lacks.
std::string pgnNameText(std::uint32_t pgn);

// The name of the definition that decodes the payload (a manufacturer's own definition of a
// proprietary PGN names itself), or "Unknown PGN (%u)".
std::string pgnNameText(const N2KPayload& payload);

} // namespace StandardsLib
