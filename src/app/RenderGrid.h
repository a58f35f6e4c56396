#pragma once
// A message's details view as a grid of two tables: "title" (the render's title rows, one
// column "Title") and "fields" (a "Field" column of row headers, then the render's columns).
#include "grid/Grid.h"
#include "messages/IGridRender.h"

#include <memory>

namespace ZrlApp {

std::shared_ptr<CommonLib::IGrid> makeRenderGrid(std::shared_ptr<const KelpLib::IGridRender> render);

} // namespace ZrlApp
