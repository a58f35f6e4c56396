#include "log/PgnSummary.h"

#include "export/ZRLDocExport.h"
#include "log/ZRLDoc.h"
#include "n2k/PgnName.h"

#include <unordered_map>

namespace KelpLib {

std::vector<PgnSummaryEntry> pgnSummary(const ZRLDoc& document)
{
    std::vector<PgnSummaryEntry> entries;
    std::unordered_map<std::uint32_t, std::size_t> positions;
    for (std::size_t index = 0; index < document.elementCount(); ++index) {
        const ZRLElement& element = document.element(index);
        // TODO(n2kmsg): ask the element for its NMEA 2000 message once it offers one.
        if (!isExportedN2kMessage(element))
            continue;
        const std::uint32_t pgn = element.pgn();
        const auto [at, added] = positions.try_emplace(pgn, entries.size());
        if (added)
            entries.push_back({pgn, StandardsLib::pgnNameText(pgn), 0});
        ++entries[at->second].count;
    }
    return entries;
}

}  // namespace KelpLib
