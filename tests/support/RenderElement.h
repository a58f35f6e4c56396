#pragma once
// Renders everything an element shows in the viewer: its description and every cell of every
// table of its grid adapter (rows capped, as a long transfer's byte table can be large).

#include "grid/IGrid.h"
#include "grid/IGridTable.h"
#include "log/ZRLElement.h"
#include "presentation/ElementPresentation.h"

#include <cstddef>
#include <exception>

inline std::size_t renderElement(const KelpLib::ZRLElement& element)
{
    std::size_t characters = KelpLib::describeElement(element).size();
    const auto grid = KelpLib::elementGrid(element);
    if (!grid)
        return characters;
    for (std::uint32_t t = 0; t < grid->getTableCount(); ++t) {
        const auto table = grid->getTable(t);
        if (!table)
            continue;
        const std::uint32_t rows = table->getRowCount();
        for (std::uint32_t row = 0; row <= rows && row < 256; ++row) // one past the end too
            for (std::uint32_t column = 0; column <= table->getColumnCount(); ++column) {
                try {
                    characters += table->getCellText(row, table->getColumnId(column)).size();
                } catch (const std::exception&) {
                    // a cell may refuse with an exception; it must never crash
                }
                characters += table->getCellMetaData(row, column).size();
            }
        characters += table->getTitle().size();
    }
    return characters;
}
