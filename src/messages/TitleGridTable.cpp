#include "messages/TitleGridTable.h"

#include "messages/GridAdapterTexts.h"

namespace KelpLib {

TitleGridTable::TitleGridTable(std::string title, std::uint32_t rows) : GridTable(kTitleTableName, std::move(title))
{
    columnIds = {std::string()};
    setRowCount(rows);
}

std::string TitleGridTable::getCellText(std::uint32_t row, const std::string&) const { return rowText(row); }

} // namespace KelpLib
