#pragma once
// Joining several log files into one composite log, byte for byte, in the order given
// (the desktop's Open Multiple and `zrltool join`).
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace KelpLib {

// "composite_" + local time "%Y%m%d_%H%M%S" + ".zrl", inside folder.
std::string compositeFileName(const std::string& folder, std::time_t when);

// Writes the complete bytes of every input, in order, to outPath (replacing it) and returns
// the number of bytes written. Throws CommonLib::KorvErr when an input cannot be read or the
// output cannot be written; a failed output is removed so no partial composite is left behind.
std::uint64_t writeCompositeLog(const std::string& outPath, const std::vector<std::string>& inputs);

}  // namespace KelpLib
