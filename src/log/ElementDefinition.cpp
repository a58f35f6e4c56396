#include "log/ElementDefinition.h"

#include "log/ZRLElement.h"
#include "messages/N2KHeader.h"

namespace KelpLib {

bool elementPayload(const ZRLElement& element, StandardsLib::N2KPayload& out)
{
    if (!element.standsForN2kMessage())
        return false;
    N2KHeaderView header;
    if (viewN2KHeader(element.data(), element.length(), 0, header) != 0)
        return false;
    out = {header.pgn, header.length, header.payload};
    return true;
}

std::optional<StandardsLib::PgnDefinitionKey> elementDefinition(const ZRLElement& element,
                                                                StandardsLib::DefinitionKeyCache& cache)
{
    StandardsLib::N2KPayload payload;
    if (!elementPayload(element, payload))
        return std::nullopt;
    return cache.keyFor(payload);
}

}  // namespace KelpLib
