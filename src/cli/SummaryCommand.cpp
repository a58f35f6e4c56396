#include "cli/Commands.h"
#include "cli/LoadedLog.h"

#include "applog/Logger.h"
#include "filter/ZRLDocFilters.h"

#include <cstdio>
#include <sstream>

namespace ZrlTool {

int summary(Arguments& args)
{
    const unsigned long flags = args.number("view-flags", 1);
    const std::string path = args.positional("FILE");
    args.finish();

    const LoadedLog log = loadLog(path, flags);
    const KelpLib::ZRLDoc& doc = *log.document;
    std::printf("File\t%s\n", doc.fileName().c_str());
    std::printf("Elements\t%zu\n", doc.elementCount());
    std::printf("Shown\t%zu\n", log.shown->size());
    std::printf("Kind\t%u\n", doc.kind());
    std::printf("N2K\t%u\n", doc.n2kCount());
    std::printf("N183\t%u\n", doc.n183Count());
    std::printf("BST\t%u\n", doc.bstCount());
    std::printf("CAN\t%u\n", doc.canCount());
    std::printf("MDT\t%u\n", doc.mdtCount());
    std::printf("Other\t%u\n", doc.otherCount());
    std::string known;
    const auto& filters = log.shown->filters();
    for (std::uint32_t row = 0; row < filters.knownPgnCount(); ++row) {
        std::uint32_t pgn = 0;
        if (filters.knownPgnAt(row, pgn) != 0) break;
        if (!known.empty()) known += ' ';
        known += std::to_string(pgn);
    }
    std::printf("KnownPGNs\t%s\n\n", known.c_str());

    std::ostringstream lines;
    log.logger->writeLog(lines, false);
    std::fputs(lines.str().c_str(), stdout);
    return 0;
}

}  // namespace ZrlTool
