#pragma once

#include "grid/IGridTable.h"

#include <string>
#include <string_view>

namespace CommonLib {

// A table's saved tree as JSON text in UTF-8 (indented when pretty).
std::string gridTreeToJson(const GridPropertyTree& tree, bool pretty = true);

// Reads JSON text in UTF-8 into out. False, with out emptied, when the text is not valid JSON.
bool gridTreeFromJson(std::string_view json, GridPropertyTree& out);

} // namespace CommonLib
