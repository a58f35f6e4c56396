#include "grid/Grid.h"

#include "grid/MockGridTable.h"

namespace CommonLib {

Grid::Grid(std::string name) : name(std::move(name)) {}

std::string Grid::getName() const { return name; }

std::uint32_t Grid::getTableCount() const { return static_cast<std::uint32_t>(tables.size()); }

std::shared_ptr<IGridTable> Grid::findTable(const std::string& key)
{
    const std::uint32_t count = getTableCount();
    for (std::uint32_t index = 0; index < count; ++index) {
        std::shared_ptr<IGridTable> table = getTable(index);
        if (table && table->getName() == key)
            return table;
    }
    return fallbackTable();
}

std::shared_ptr<IGridTable> Grid::getTable(std::uint32_t index)
{
    if (index < tables.size() && tables[index])
        return tables[index];
    return fallbackTable();
}

void Grid::addTable(std::shared_ptr<IGridTable> table) { tables.push_back(std::move(table)); }

std::shared_ptr<IGridTable> Grid::fallbackTable()
{
    if (!fallback)
        fallback = makeFallbackGridTable();
    return fallback;
}

} // namespace CommonLib
