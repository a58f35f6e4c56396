#include "grid/IGridTable.h"

namespace CommonLib {

GridOptionList IGridTable::getCellOptions(std::uint32_t, std::uint32_t) const
{
    return {};
}

} // namespace CommonLib
