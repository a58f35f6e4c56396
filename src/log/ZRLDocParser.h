#pragma once

#include "log/ElementTime.h"
#include "log/FastPacketAssembler.h"
#include "log/MsgVariant.h"
#include "n2k/DefinitionKeyCache.h"
#include "n2k/PgnDefinitionKey.h"

#include <array>
#include <cstdint>
#include <memory>

namespace KelpLib {

class MemFile;
class ZRLDoc;
class ZRLElement;

// The length rule of a BST message: 0, -1097 ("BST Wrong length!") or -1077 ("BST-BEM Target
// Detected Error!" when a BEM message addresses a target).
std::int32_t bstLengthCheck(const std::uint8_t* message, std::uint32_t length);

// One pass over a loaded log file: unframes the byte stream, keeps the clock, classifies each
// frame, sentence and raw run, joins fast-packet CAN frames and appends the resulting
// elements to the document in file order. Every byte ends up in an element, a completed frame
// or the raw run that covers an abandoned frame.
class ZRLDocParser {
public:
    ZRLDocParser(MemFile& file, ZRLDoc& document);

    void parse();

private:
    void handleZrlBody(const std::uint8_t* body, std::uint32_t length);
    void handleBstMessage(std::uint8_t* message, std::uint32_t length, bool checksumOk);
    void handleSentence(const std::uint8_t* sentence, std::uint32_t length, MsgVariant variant);
    void emitRawRun();
    // Empties the pending run; the next one starts after byte p.
    void startRunAfter(std::uint32_t p);
    void fastPacketStep(ZRLElement& canElement, const std::uint8_t* message, std::uint32_t length);
    ZRLElement& append(const MsgVariantInfo& variant, const std::uint8_t* bytes, std::uint32_t length);
    // Adds the PGN to the document's filter.
    void notePgn(std::uint32_t pgn);
    // Adds the definition that decodes the element's NMEA 2000 message, if it is one.
    void noteDefinition(const ZRLElement& element);

    MemFile& file;
    ZRLDoc& document;
    FastPacketAssembler assembler;
    std::uint32_t runStart = 0;
    std::uint32_t runEnd = 0;
    bool runIsBinary = false;
    // The pending run holds at least one byte. Its bounds are inclusive, so equal bounds alone
    // cannot tell a one-byte run from none; a stray byte between two frames is still kept.
    bool runHasBytes = false;
    std::uint16_t deviceTimeReference = 0;
    ElementTime clock;
    int lastState = 0;
    std::uint64_t timestampConflicts = 0;
    static constexpr std::size_t recentPgnSlots = 16;
    static constexpr std::uint32_t noPgn = 0xFFFFFFFF; // above every PGN
    std::array<std::uint32_t, recentPgnSlots> recentPgns = [] {
        std::array<std::uint32_t, recentPgnSlots> slots;
        slots.fill(noPgn);
        return slots;
    }();
    // PGNs whose definition is noted and which their payload does not choose, and the
    // definitions noted lately: both spare the document's set a lookup per message.
    std::array<std::uint32_t, recentPgnSlots> fixedPgns = [] {
        std::array<std::uint32_t, recentPgnSlots> slots;
        slots.fill(noPgn);
        return slots;
    }();
    std::array<StandardsLib::PgnDefinitionKey, 4 * recentPgnSlots> notedDefinitions = [] {
        std::array<StandardsLib::PgnDefinitionKey, 4 * recentPgnSlots> slots;
        slots.fill({noPgn, StandardsLib::PgnDefinitionKey::noDefinitionRow});
        return slots;
    }();
    StandardsLib::DefinitionKeyCache definitions;
};

} // namespace KelpLib
