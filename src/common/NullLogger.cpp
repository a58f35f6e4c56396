#include "common/NullLogger.h"

namespace CommonLib {

void NullLogger::logCode(std::int32_t, const char*, ...) {}

void NullLogger::logFormat(const char*, ...) {}

void NullLogger::logText(const std::string&) {}

void NullLogger::logCodeText(std::int32_t, const std::string&) {}

void NullLogger::logBlankLine() {}

void NullLogger::clearEntries() {}

void NullLogger::writeLog(std::ostream&, bool) {}

bool NullLogger::saveLog(const std::string&, bool, bool) { return false; }

std::int32_t NullLogger::logResult(bool) { return 0; }

} // namespace CommonLib
