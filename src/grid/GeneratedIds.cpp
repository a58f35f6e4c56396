#include "grid/GeneratedIds.h"

#include "common/SafeFormat.h"

namespace CommonLib {

std::string numberedRowId(std::uint32_t row, std::uint32_t rowCount)
{
    if (row >= rowCount)
        return "ROW Error";
    if (row == 0)
        return "row";
    return safeFormat("ROW_%02u", row);
}

std::string numberedCellMetaData(std::uint32_t column, std::uint32_t columnCount)
{
    if (column < columnCount)
        return safeFormat("cellMetaData_%02u", column);
    return "cellMetaDataErr";
}

} // namespace CommonLib
