#include "n2k/PgnName.h"

#include "n2k/LibN2K.h"

namespace StandardsLib {

std::string pgnNameText(std::uint32_t pgn)
{
    if (const LibN2KPGN_s* definition = theLibN2K().findPgn(pgn))
        return definition->name;
    return "Unknown PGN (" + std::to_string(pgn) + ")";
}

} // namespace StandardsLib
