#pragma once

#include "n2k/N2KPayload.h"

#include <cstdint>
#include <string>

namespace StandardsLib {

// Which PGN definition decoded a message: its PGN and the row of the PGN table that decodes it
// (a definition of the PGN's own, its standard row, or the catch-all row whose range covers
// it), or noDefinitionRow for a PGN the database lacks. Two makers' definitions of one
// proprietary PGN are two keys; so is the catch-all that takes that PGN's unmatched messages.
struct PgnDefinitionKey {
    static constexpr std::uint16_t noDefinitionRow = 0xFFFF;

    std::uint32_t pgn = 0;
    std::uint16_t row = noDefinitionRow;

    bool operator==(const PgnDefinitionKey&) const = default;
    // By PGN, then row.
    bool operator<(const PgnDefinitionKey& other) const { return pgn != other.pgn ? pgn < other.pgn : row < other.row; }
};

// The key of the definition that decodes the payload (through the definition index).
PgnDefinitionKey definitionKeyFor(const N2KPayload& payload);

// True when a message's payload chooses among definitions of the PGN (one has match fields);
// otherwise every message of the PGN has the key of definitionKeyFor with any payload.
bool payloadSelectsDefinition(std::uint32_t pgn);

// The definition's name, or "Unknown PGN (%u)".
std::string definitionName(const PgnDefinitionKey& key);

} // namespace StandardsLib
