#include "messages/CellMetaData.h"

namespace KelpLib {

std::string cellMetaData(std::uint32_t row, std::uint32_t column, std::uint32_t rowCount, std::uint32_t columnCount)
{
    return row < rowCount && column < columnCount ? kCellValidText : kCellErrorText;
}

} // namespace KelpLib
