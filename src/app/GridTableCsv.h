#pragma once
// Writes a grid table as text: the column ids joined by ", ", then one line per row of the
// cell texts joined by ", " (no quoting); lines end in CR LF like every text file the program
// writes.
#include "grid/IGridTable.h"

#include <ostream>
#include <string>

namespace ZrlApp {

void writeTableCsv(const CommonLib::IGridTable& table, std::ostream& out);
// False, with the system's reason, when the file cannot be created or completely written; a
// partly written file is removed.
bool writeTableCsv(const CommonLib::IGridTable& table, const std::string& path, std::string& reason);

} // namespace ZrlApp
