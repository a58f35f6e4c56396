#pragma once
// The PGNs of a document's NMEA 2000 messages with a description and a count, in the order
// they were first met. The summary window and `zrltool pgns` show this list.
#include <cstdint>
#include <string>
#include <vector>

namespace KelpLib {

class ZRLDoc;

struct PgnSummaryEntry {
    std::uint32_t pgn = 0;
    std::string description;
    std::uint64_t count = 0;
};

// Walks every element, shown or not, in file order. A message is an N2K element or a single
// CAN frame that did not go into a fast-packet assembly. The description is the database's
// name of the PGN, or "Unknown PGN (%u)" for one it lacks.
std::vector<PgnSummaryEntry> pgnSummary(const ZRLDoc& document);

}  // namespace KelpLib
