#pragma once
// The columns of the devices and statistics tables as texts: what zrltool prints and what the
// Network pane and the statistics window show.
#include "analysis/NetworkTables.h"

#include <span>
#include <string>

namespace ZrlAnalysis {

// How a cell reads as JSON: a string, a number (null when empty) or a list of numbers.
enum class CellKind { text, number, numbers };

template <typename Row>
struct TableColumn {
    const char* header;
    CellKind kind;
    bool tool;  // zrltool prints it; the panes show every column
    std::string (*cell)(const Row& row);
};

using DeviceColumn = TableColumn<DeviceRow>;
using StatisticsColumn = TableColumn<PgnSourceStatistics>;

std::span<const DeviceColumn> deviceColumns();
std::span<const StatisticsColumn> statisticsColumns();

}  // namespace ZrlAnalysis
