#include "common/LogText.h"

#include "common/SafeFormat.h"

#include <boost/format.hpp>

#include <ctime>

namespace CommonLib {

std::string logTimeOfDay()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr)
        return "00:00:00";
    return safeFormat("%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
}

std::string applyPositionalArgument(const std::string& text, const std::string& argument)
{
    // Only a text that asks for the argument goes through the formatter: any other '%' in a
    // logged text (a percentage, a file name) would otherwise be taken as a directive.
    if (text.find("%1%") == std::string::npos)
        return text;
    try {
        boost::format positional(text);
        if (positional.expected_args() != 1)
            return text;
        positional % argument;
        return positional.str();
    } catch (const boost::io::format_error&) {
        return text;
    }
}

} // namespace CommonLib
