#pragma once

#include <cstdint>

namespace StandardsLib {

// True when the PGN travels in one CAN frame. The parameter groups that cover ranges (the
// group functions and the proprietary fast-packet PGNs) take the transport of their range;
// a PGN the database does not know counts as single-frame.
bool isSingleFramePgn(std::uint32_t pgn);

} // namespace StandardsLib
