#pragma once
// The PGN definition that decodes an element's NMEA 2000 message, found from its header bytes
// through the definition index: the parser notes it, the summary counts by it and the shown
// list filters by it.
#include "n2k/DefinitionKeyCache.h"
#include "n2k/N2KPayload.h"
#include "n2k/PgnDefinitionKey.h"

#include <optional>

namespace KelpLib {

class ZRLElement;

// The PGN and payload of the element's NMEA 2000 message, left in the element's bytes. False
// for an element that is no NMEA 2000 message (see ZRLElement::n2kMessage) or whose header
// does not decode.
bool elementPayload(const ZRLElement& element, StandardsLib::N2KPayload& out);

// The key of the definition that decodes the element's message, through the pass's cache; none
// when elementPayload is false.
std::optional<StandardsLib::PgnDefinitionKey> elementDefinition(const ZRLElement& element,
                                                                StandardsLib::DefinitionKeyCache& cache);

}  // namespace KelpLib
