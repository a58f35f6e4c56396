#pragma once

#include "common/ILogger.h"

namespace CommonLib {

// A logger that keeps nothing, for code that must run without a log.
class NullLogger : public ILogger {
public:
    void logCode(std::int32_t code, const char* format, ...) override __attribute__((format(printf, 3, 4)));
    void logFormat(const char* format, ...) override __attribute__((format(printf, 2, 3)));
    void logText(const std::string& text) override;
    void logCodeText(std::int32_t code, const std::string& text) override;
    void logBlankLine() override;
    void clearEntries() override;
    void writeLog(std::ostream& out, bool full) override;
    bool saveLog(const std::string& name, bool nameIsPath, bool full) override;
    std::int32_t logResult(bool passed) override;
};

} // namespace CommonLib
