#include "export/PgnNames.h"

namespace KelpLib {

// Until the PGN database answers names, every PGN reads as unknown.
std::string exportPgnName(std::uint32_t pgn) { return "Unknown PGN (" + std::to_string(pgn) + ")"; }

} // namespace KelpLib
