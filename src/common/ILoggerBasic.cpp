#include "common/ILoggerBasic.h"

namespace CommonLib {

std::int32_t ILoggerBasic::logLevel(std::int32_t, const char*, ...)
{
    return notImplemented;
}

std::int32_t ILoggerBasic::logLevelCode(std::int32_t, std::int32_t, const char*, ...)
{
    return notImplemented;
}

} // namespace CommonLib
