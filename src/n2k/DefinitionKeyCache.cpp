#include "n2k/DefinitionKeyCache.h"

#include "n2k/LibN2KTables.h"
#include "n2k/PgnLookup.h"

#include <algorithm>

namespace StandardsLib {

namespace {

// Selectors are kept as one 64-bit word: PGNs whose match fields reach further are looked up
// every time.
constexpr std::uint32_t maxSelectorBytes = 8;

// The bytes the match fields of the PGN's definitions read, from the payload's start.
std::uint32_t selectorBytesOf(std::uint32_t pgn)
{
    const auto table = pgnTable();
    const auto matches = matchTable();
    std::uint32_t end = 0;
    for (const std::uint16_t row : definitionsOf(pgn))
        for (const LibN2KMatch_s& match : matches.subspan(table[row].firstMatch, table[row].matchCount))
            end = std::max<std::uint32_t>(end, (match.bitOffset + match.bits + 7u) / 8u);
    return end;
}

} // namespace

PgnDefinitionKey DefinitionKeyCache::keyFor(const N2KPayload& payload)
{
    PgnSlot& described = pgns[(payload.pgn ^ (payload.pgn >> 7)) % pgns.size()];
    if (described.pgn != payload.pgn) {
        described.pgn = payload.pgn;
        described.selectorBytes = payloadSelectsDefinition(payload.pgn) ? std::max(1u, selectorBytesOf(payload.pgn)) : 0;
        described.fixed = definitionKeyFor({payload.pgn, 0, nullptr});
    }
    if (described.selectorBytes == 0)
        return described.fixed;
    if (described.selectorBytes > maxSelectorBytes || payload.data == nullptr)
        return definitionKeyFor(payload);

    // Bytes past the payload's end are not read: the length they leave tells them apart.
    const std::uint32_t length = std::min(payload.length, described.selectorBytes);
    std::uint64_t selector = 0;
    if (payload.length >= maxSelectorBytes) {
        for (std::uint32_t i = 0; i < maxSelectorBytes; ++i)
            selector |= std::uint64_t(payload.data[i]) << (8 * i);
        if (length < maxSelectorBytes)
            selector &= (std::uint64_t(1) << (8 * length)) - 1;
    } else {
        for (std::uint32_t i = 0; i < length; ++i)
            selector |= std::uint64_t(payload.data[i]) << (8 * i);
    }
    const std::uint64_t hash = (selector ^ (selector >> 29) ^ payload.pgn ^ (std::uint64_t(length) << 40)) * 0x9E3779B97F4A7C15ull;
    SelectorSlot& slot = selectors[hash >> 56];
    if (slot.pgn != payload.pgn || slot.length != length || slot.selector != selector)
        slot = {payload.pgn, length, selector, definitionKeyFor(payload)};
    return slot.key;
}

} // namespace StandardsLib
