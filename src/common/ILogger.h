#pragma once

#include "common/ILoggerBasic.h"

#include <cstdint>
#include <ostream>
#include <string>

namespace CommonLib {

// The application log as seen by code that writes to it. Any thread may log.
class ILogger : public ILoggerBasic {
public:
    // Code and text of logResult(false).
    static constexpr std::int32_t failedCode = -2199;

    // Adds a line with the printf-formatted text and code 0.
    virtual void logFormat(const char* format, ...) __attribute__((format(printf, 2, 3))) = 0;
    // Adds a line with the text and code 0.
    virtual void logText(const std::string& text) = 0;
    virtual void logCodeText(std::int32_t code, const std::string& text) = 0;
    virtual void logBlankLine() = 0;
    virtual void clearEntries() = 0;
    // Writes every line ending in CR LF; full adds a header and the line, time and code columns.
    virtual void writeLog(std::ostream& out, bool full) = 0;
    // Writes the log to the file name when nameIsPath, else to name + ".csv" in the log folder.
    // False when the file could not be written (nothing is reported).
    virtual bool saveLog(const std::string& name, bool nameIsPath, bool full) = 0;
    // "Passed" with code 0 (returns 0), or "!!!!  Failed  !!!!" with -2199 (returns -2199).
    virtual std::int32_t logResult(bool passed) = 0;
};

} // namespace CommonLib
