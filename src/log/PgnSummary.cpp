#include "log/PgnSummary.h"

#include "log/ZRLDoc.h"
#include "messages/N2KMsg.h"
#include "n2k/PgnName.h"

#include <unordered_map>

namespace KelpLib {

std::vector<PgnSummaryEntry> pgnSummary(const ZRLDoc& document)
{
    std::vector<PgnSummaryEntry> entries;
    std::unordered_map<std::uint32_t, std::size_t> positions;
    for (std::size_t index = 0; index < document.elementCount(); ++index) {
        N2KMsg message;
        if (!document.element(ElementLine(index)).n2kMessage(message))
            continue;
        const std::uint32_t pgn = message.pgnNumber();
        const auto [at, added] = positions.try_emplace(pgn, entries.size());
        if (added)
            entries.push_back({pgn, StandardsLib::pgnNameText(pgn), 0});
        ++entries[at->second].count;
    }
    return entries;
}

}  // namespace KelpLib
