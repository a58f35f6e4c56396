#include "export/PgnNames.h"

#include "n2k/PgnName.h"

namespace KelpLib {

std::string exportPgnName(std::uint32_t pgn) { return StandardsLib::pgnNameText(pgn); }

} // namespace KelpLib
