#include "app/GridTableCsv.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <vector>

namespace ZrlApp {

void writeTableCsv(const CommonLib::IGridTable& table, std::ostream& out)
{
    std::vector<std::string> ids;
    const std::uint32_t columns = table.getColumnCount();
    ids.reserve(columns);
    for (std::uint32_t column = 0; column < columns; ++column)
        ids.push_back(table.getColumnId(column));
    auto writeLine = [&out, &ids](auto&& textOf) {
        for (std::size_t column = 0; column < ids.size(); ++column)
            out << (column ? ", " : "") << textOf(ids[column]);
        out << "\r\n";
    };
    writeLine([](const std::string& id) { return id; });
    const std::uint32_t rows = table.getRowCount();
    for (std::uint32_t row = 0; row < rows; ++row)
        writeLine([&table, row](const std::string& id) { return table.getCellText(row, id); });
}

bool writeTableCsv(const CommonLib::IGridTable& table, const std::string& path, std::string& reason)
{
    std::ostringstream text;
    writeTableCsv(table, text);
    const std::string bytes = text.str();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        reason = std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (written && closed)
        return true;
    reason = std::strerror(written ? errno : writeError);
    std::remove(path.c_str());
    return false;
}

} // namespace ZrlApp
