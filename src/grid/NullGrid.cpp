#include "grid/NullGrid.h"

#include "grid/MockGridTable.h"

namespace CommonLib {

NullGrid::NullGrid() : MockGrid("mock")
{
    addTable(std::make_shared<MockGridTable>(0, 0, "null", "Null Table"));
}

} // namespace CommonLib
