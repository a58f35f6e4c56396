#pragma once
// Writes a grid table as text: the column ids joined by ", ", then one line per row of the
// cell texts joined by ", " (no quoting).
#include "grid/IGridTable.h"

#include <ostream>
#include <string>

namespace ZrlApp {

void writeTableCsv(const CommonLib::IGridTable& table, std::ostream& out);
// False (and nothing written) when the file cannot be opened.
bool writeTableCsv(const CommonLib::IGridTable& table, const std::string& path);

} // namespace ZrlApp
