#pragma once
// The PGN definitions that decode a document's NMEA 2000 messages, with a name and a count, in
// the order they were first met. The summary window and `zrltool pgns` show this list.
#include "n2k/PgnDefinitionKey.h"

#include <cstdint>
#include <string>
#include <vector>

namespace KelpLib {

class ZRLDoc;

struct PgnSummaryEntry {
    std::uint32_t pgn = 0;
    std::string description;
    std::uint64_t count = 0;
    StandardsLib::PgnDefinitionKey definition;
};

// Walks every element, shown or not, in file order. A message is an N2K element or a single
// CAN frame that did not go into a fast-packet assembly; it counts for the definition that
// decodes it, so two makers' definitions of one proprietary PGN are two entries and the
// messages neither matches a third (the catch-all's). The description is the definition's
// name, or "Unknown PGN (%u)" for a PGN the database lacks.
std::vector<PgnSummaryEntry> pgnSummary(const ZRLDoc& document);

}  // namespace KelpLib
