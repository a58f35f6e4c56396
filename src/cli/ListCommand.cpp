#include "cli/Commands.h"
#include "cli/FilterOption.h"
#include "cli/LoadedLog.h"

#include "presentation/ListCells.h"

#include <cstdio>

namespace ZrlTool {

int list(Arguments& args)
{
    const unsigned long flags = args.number("view-flags", 1);
    const auto filter = filterOption(args);
    const std::string path = args.positional("FILE");
    args.finish();

    const LoadedLog log = loadLog(path, flags);
    const KelpLib::ZRLDoc& doc = *log.document;
    const auto columns = doc.columns();

    std::string line;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (c) line += '\t';
        line += columns[c].name;
    }
    line += '\n';
    std::fputs(line.c_str(), stdout);

    const KelpLib::ShownList& shown = *log.shown;
    for (std::uint32_t row = 0; row < shown.size(); ++row) {
        if (filter && !filter->keeps(doc, shown.line(KelpLib::ShownRow(row)).value))
            continue;
        line.clear();
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (c) line += '\t';
            line += KelpLib::listCellText(shown, KelpLib::ShownRow(row), columns[c]);
        }
        line += '\n';
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    return 0;
}

}  // namespace ZrlTool
