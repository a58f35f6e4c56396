#include "app/GridTableCsv.h"

#include <fstream>
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
        out << '\n';
    };
    writeLine([](const std::string& id) { return id; });
    const std::uint32_t rows = table.getRowCount();
    for (std::uint32_t row = 0; row < rows; ++row)
        writeLine([&table, row](const std::string& id) { return table.getCellText(row, id); });
}

bool writeTableCsv(const CommonLib::IGridTable& table, const std::string& path)
{
    std::ofstream out(path);
    if (!out)
        return false;
    writeTableCsv(table, out);
    return static_cast<bool>(out);
}

} // namespace ZrlApp
