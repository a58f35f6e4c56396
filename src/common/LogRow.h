#pragma once

#include <cstdint>
#include <string>

namespace CommonLib {

// One line of the application log.
struct LogRow {
    LogRow(std::uint32_t line, std::string text, std::int32_t code, std::string time)
        : line(line), text(std::move(text)), code(code), time(std::move(time))
    {
    }
    virtual ~LogRow() = default;

    std::uint32_t line;  // the log's running counter when the row was added
    std::string text;
    std::int32_t code;   // 0 success, negative error, positive warning
    std::string time;    // local time of day, "%02d:%02d:%02d"
};

} // namespace CommonLib
