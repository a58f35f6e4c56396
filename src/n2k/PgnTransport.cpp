#include "n2k/PgnTransport.h"

#include "n2k/LibN2K.h"

namespace StandardsLib {

bool isSingleFramePgn(std::uint32_t pgn) { return LibN2KPGN(pgn).isSingleFrame(); }

} // namespace StandardsLib
