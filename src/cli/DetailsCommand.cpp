#include "cli/Commands.h"
#include "cli/LoadedLog.h"

#include "grid/IGrid.h"
#include "grid/IGridTable.h"
#include "log/ZRLDoc.h"
#include "presentation/ElementPresentation.h"

#include <cstdio>
#include <stdexcept>

namespace ZrlTool {

namespace {

// The element index that LINE names, or false when it names none of the document's elements.
bool parseLine(const std::string& text, std::size_t elementCount, std::size_t& index)
{
    if (text.empty() || text.size() > 18)
        return false;
    std::size_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + static_cast<std::size_t>(c - '0');
    }
    if (value >= elementCount)
        return false;
    index = value;
    return true;
}

// "# name<TAB>title", the column ids, then the cells of each row, all joined by TAB.
void printTable(CommonLib::IGridTable& table)
{
    std::string text = "# " + table.getName() + '\t' + table.getTitle() + '\n';
    const std::uint32_t columns = table.getColumnCount();
    std::vector<std::string> ids;
    for (std::uint32_t column = 0; column < columns; ++column) {
        ids.push_back(table.getColumnId(column));
        if (column) text += '\t';
        text += ids.back();
    }
    text += '\n';
    const std::uint32_t rows = table.getRowCount();
    for (std::uint32_t row = 0; row < rows; ++row) {
        for (std::uint32_t column = 0; column < columns; ++column) {
            if (column) text += '\t';
            text += table.getCellText(row, ids[column]);
        }
        text += '\n';
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
}

}  // namespace

int details(Arguments& args)
{
    const std::string path = args.positional("FILE");
    const std::string lineText = args.positional("LINE");
    args.finish();

    const LoadedLog log = loadLog(path);
    const KelpLib::ZRLDoc& doc = *log.document;
    std::size_t index = 0;
    if (!parseLine(lineText, doc.elementCount(), index))
        throw std::runtime_error("Line \"" + lineText + "\" is not an element of " + doc.fileName() + " (" +
                                 std::to_string(doc.elementCount()) + " elements, lines from 0)");

    const auto grid = KelpLib::elementGrid(doc.element(KelpLib::ElementLine(static_cast<std::uint32_t>(index))));
    for (const char* name : {"list", "title", "fields"})
        printTable(*grid->findTable(name));
    return 0;
}

}  // namespace ZrlTool
