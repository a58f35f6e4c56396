#include "common/LogFolder.h"

#include <cstdlib>
#include <system_error>

namespace CommonLib {
namespace {

const char* const applicationFolder = "ZRL Reader";
const char* const logsFolder = "logs";

std::filesystem::path absoluteFromEnvironment(const char* variable)
{
    const char* value = std::getenv(variable);
    if (value == nullptr || *value == '\0')
        return {};
    std::filesystem::path path(value);
    return path.is_absolute() ? path : std::filesystem::path();
}

} // namespace

std::filesystem::path logFolder()
{
    std::filesystem::path dataHome = absoluteFromEnvironment("XDG_DATA_HOME");
    if (dataHome.empty()) {
        const std::filesystem::path home = absoluteFromEnvironment("HOME");
        if (!home.empty()) {
            dataHome = home / ".local" / "share";
        } else {
            std::error_code error;
            dataHome = std::filesystem::temp_directory_path(error);
            if (error)
                dataHome = "/tmp";
        }
    }
    return dataHome / applicationFolder / logsFolder;
}

} // namespace CommonLib
