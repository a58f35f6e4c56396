#include "messages/ListViewGridTable.h"

#include "messages/GridAdapterTexts.h"

namespace KelpLib {

ListViewGridTable::ListViewGridTable(std::string title, std::vector<std::string> columns)
    : GridTable(kListTableName, std::move(title))
{
    columnIds = std::move(columns);
    setRowCount(1);
}

std::string ListViewGridTable::getCellText(std::uint32_t, const std::string& columnId) const
{
    return columnText(columnId);
}

} // namespace KelpLib
