#include "n2k/PgnName.h"

#include "n2k/LibN2K.h"
#include "n2k/PgnLookup.h"

namespace StandardsLib {

std::string pgnNameText(std::uint32_t pgn)
{
    if (const LibN2KPGN_s* definition = theLibN2K().findPgn(pgn))
        return definition->name;
    return "Unknown PGN (" + std::to_string(pgn) + ")";
}

std::string pgnNameText(const N2KPayload& payload)
{
    if (const LibN2KPGN_s* definition = definitionFor(payload))
        return definition->name;
    return "Unknown PGN (" + std::to_string(payload.pgn) + ")";
}

} // namespace StandardsLib
