#include "export/PgnNames.h"

#include "n2k/PgnName.h"

namespace KelpLib {

std::string exportPgnName(std::uint32_t pgn, const std::uint8_t* data, std::uint32_t length)
{
    return StandardsLib::pgnNameText(StandardsLib::N2KPayload{pgn, length, data});
}

} // namespace KelpLib
