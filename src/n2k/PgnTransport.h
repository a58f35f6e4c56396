#pragma once

#include <cstdint>

namespace StandardsLib {

// True when the PGN database marks the PGN as travelling in one CAN frame. The parameter groups
// that cover ranges (the group functions and the proprietary PGNs) take the mark of their range;
// a PGN the database does not know takes the mark of its first row, which is single-frame.
bool isSingleFramePgn(std::uint32_t pgn);

} // namespace StandardsLib
