#include "n2k/PgnTransport.h"

#include <algorithm>
#include <iterator>

namespace StandardsLib {

namespace {

constexpr std::uint32_t multiFramePgns[] = {
#include "n2k/MultiFramePgns.inc"
};

// Rows whose definition covers the PGNs up to their own value plus 255 (the destination
// address or the manufacturer's range).
constexpr std::uint32_t rangeRows[] = {126208, 126464, 126720, 130816};
constexpr std::uint32_t rangeSpan = 255;

} // namespace

bool isSingleFramePgn(std::uint32_t pgn)
{
    for (std::uint32_t row : rangeRows)
        if (pgn >= row && pgn - row <= rangeSpan)
            return false;
    return !std::binary_search(std::begin(multiFramePgns), std::end(multiFramePgns), pgn);
}

} // namespace StandardsLib
