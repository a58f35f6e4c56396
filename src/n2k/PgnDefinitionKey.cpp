#include "n2k/PgnDefinitionKey.h"

#include "n2k/LibN2KTables.h"
#include "n2k/PgnLookup.h"

namespace StandardsLib {

PgnDefinitionKey definitionKeyFor(const N2KPayload& payload)
{
    const LibN2KPGN_s* definition = definitionFor(payload);
    if (definition == nullptr)
        return {payload.pgn, PgnDefinitionKey::noDefinitionRow};
    return {payload.pgn, static_cast<std::uint16_t>(definition - pgnTable().data())};
}

bool payloadSelectsDefinition(std::uint32_t pgn)
{
    // Definitions are tried in order and one without match fields takes every payload: when the
    // first has none, it decodes them all; when it has some, a payload decides whether it does.
    const auto rows = definitionsOf(pgn);
    return !rows.empty() && pgnTable()[rows.front()].matchCount != 0;
}

std::string definitionName(const PgnDefinitionKey& key)
{
    const auto table = pgnTable();
    if (key.row < table.size())
        return table[key.row].name;
    return "Unknown PGN (" + std::to_string(key.pgn) + ")";
}

} // namespace StandardsLib
