#pragma once

#include "n2k/N2KPayload.h"
#include "n2k/PgnDefinitionKey.h"

#include <array>
#include <cstdint>

namespace StandardsLib {

// definitionKeyFor for passes over many messages (the load, the summary, the shown list's
// build). Which definition decodes a message depends only on its PGN, on the payload bytes its
// PGN's match fields read and on whether they are all there: messages equal in those share
// the answer, so recent answers are kept and a proprietary PGN's list of definitions is walked
// once per distinct selector rather than once per message. One per pass; not shared between
// threads.
class DefinitionKeyCache {
public:
    PgnDefinitionKey keyFor(const N2KPayload& payload);

private:
    static constexpr std::uint32_t noPgn = 0xFFFFFFFF;

    // What a PGN's messages need: nothing (fixed), or their first `selectorBytes` bytes.
    struct PgnSlot {
        std::uint32_t pgn = noPgn;
        std::uint32_t selectorBytes = 0; // 0: the payload chooses nothing
        PgnDefinitionKey fixed;
    };
    struct SelectorSlot {
        std::uint32_t pgn = noPgn;
        std::uint32_t length = 0;
        std::uint64_t selector = 0;
        PgnDefinitionKey key;
    };

    std::array<PgnSlot, 64> pgns{};
    std::array<SelectorSlot, 256> selectors{};
};

} // namespace StandardsLib
