#pragma once

#include "grid/Grid.h"

namespace CommonLib {

// A grid for tests and placeholders; adds nothing to Grid.
class MockGrid : public Grid {
public:
    using Grid::Grid;
};

} // namespace CommonLib
