#pragma once
// Prints a table of the analysis layer: a header line and one line per row, cells separated
// by a TAB; or, as JSON, one object per row with the headers as keys.
#include "analysis/NetworkColumns.h"

#include <span>
#include <string>
#include <vector>

namespace ZrlTool {

struct TableLayout {
    std::vector<const char*> headers;
    std::vector<ZrlAnalysis::CellKind> kinds;
};

// A line of cells: TAB-separated, or a JSON object keyed by the headers in which a string
// stays a string, a number is a number (null when empty) and a list of space-separated
// numbers an array.
std::string tableLine(const TableLayout& layout, const std::vector<std::string>& cells, bool json);
// Writes the text to standard output.
void writeOut(const std::string& text);

// The columns zrltool prints, the header line (unless json) and a line per row.
template <typename Row>
void printTable(std::span<const ZrlAnalysis::TableColumn<Row>> columns, const std::vector<Row>& rows, bool json)
{
    TableLayout layout;
    std::vector<const ZrlAnalysis::TableColumn<Row>*> printed;
    for (const auto& column : columns) {
        if (!column.tool)
            continue;
        printed.push_back(&column);
        layout.headers.push_back(column.header);
        layout.kinds.push_back(column.kind);
    }
    std::string text;
    if (!json)
        text = tableLine(layout, {layout.headers.begin(), layout.headers.end()}, false);
    std::vector<std::string> cells(printed.size());
    for (const Row& row : rows) {
        for (std::size_t i = 0; i < printed.size(); ++i)
            cells[i] = printed[i]->cell(row);
        text += tableLine(layout, cells, json);
    }
    writeOut(text);
}

}  // namespace ZrlTool
