#pragma once

#include "grid/MockGrid.h"

namespace CommonLib {

// The grid a view shows before a document supplies one: named "mock", holding one empty
// MockGridTable named "null" with the title "Null Table".
class NullGrid : public MockGrid {
public:
    NullGrid();
};

} // namespace CommonLib
