#include "log/PgnSummary.h"

#include "log/ElementDefinition.h"
#include "log/ZRLDoc.h"

#include <map>

namespace KelpLib {

std::vector<PgnSummaryEntry> pgnSummary(const ZRLDoc& document)
{
    std::vector<PgnSummaryEntry> entries;
    std::map<StandardsLib::PgnDefinitionKey, std::size_t> positions;
    // A log repeats a few definitions in runs: the last one is tried before the map.
    std::size_t last = 0;
    StandardsLib::DefinitionKeyCache definitions;
    for (const ZRLElement& element : document.elements()) {
        const auto key = elementDefinition(element, definitions);
        if (!key)
            continue;
        if (entries.empty() || entries[last].definition != *key) {
            const auto [at, added] = positions.try_emplace(*key, entries.size());
            if (added)
                entries.push_back({key->pgn, StandardsLib::definitionName(*key), 0, *key});
            last = at->second;
        }
        ++entries[last].count;
    }
    return entries;
}

}  // namespace KelpLib
