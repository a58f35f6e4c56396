#pragma once

#include <cstdint>

namespace CommonLib {

// The smallest logging interface: a printf-formatted line with a result code.
class ILoggerBasic {
public:
    // Returned by the logging entries a logger does not implement ("Method is not implemented").
    static constexpr std::int32_t notImplemented = -3;

    virtual ~ILoggerBasic() = default;

    // Levelled entries; loggers that have no levels keep these defaults.
    virtual std::int32_t logLevel(std::int32_t level, const char* format, ...)
        __attribute__((format(printf, 3, 4)));
    virtual std::int32_t logLevelCode(std::int32_t level, std::int32_t code, const char* format, ...)
        __attribute__((format(printf, 4, 5)));

    // Adds a line with a printf-formatted text and a result code.
    virtual void logCode(std::int32_t code, const char* format, ...) __attribute__((format(printf, 3, 4))) = 0;

    // Hooks with nothing to do in this program.
    virtual void beginSection() {}
    virtual void endSection() {}
    virtual void setVerbosity(std::int32_t verbosity) { (void)verbosity; }
};

} // namespace CommonLib
