#include "grid/MockGridTable.h"

#include "grid/GeneratedIds.h"
#include "common/SafeFormat.h"

namespace CommonLib {

MockGridTable::MockGridTable(std::uint32_t rows, std::uint32_t columns, std::string name, std::string title)
    : GridTable(std::move(name), std::move(title)), rows(rows), columns(columns)
{
    columnIds.reserve(columns);
    for (std::uint32_t column = 0; column < columns; ++column)
        columnIds.push_back(safeFormat("COL_%02u", column));
}

std::string MockGridTable::getName() const { return "Title"; }

std::uint32_t MockGridTable::getRowCount() const { return rows; }

std::string MockGridTable::getRowId(std::uint32_t row) const
{
    return numberedRowId(row, rows);
}

std::string MockGridTable::getCellText(std::uint32_t row, const std::string& columnId) const
{
    return safeFormat("R %02u C %s", row, columnId.c_str());
}

std::string MockGridTable::getCellMetaData(std::uint32_t, std::uint32_t column) const
{
    return numberedCellMetaData(column, columns);
}

std::shared_ptr<IGridTable> makeFallbackGridTable()
{
    return std::make_shared<MockGridTable>(1, 1, "null", "error");
}

} // namespace CommonLib
