#include "cli/Commands.h"
#include "cli/LoadedLog.h"

#include "applog/Logger.h"
#include "export/DocumentExport.h"

#include <cstdio>

namespace ZrlTool {

int exportCsv(Arguments& args)
{
    const bool decoded = args.flag("decoded");
    const std::vector<unsigned long> given = args.numbers("pgn");
    const std::string path = args.positional("FILE");
    const std::string out = args.positional("OUT.csv");
    args.finish();

    const LoadedLog log = loadLog(path);
    const std::size_t before = log.logger->getRowCount();
    std::vector<std::uint32_t> pgns(given.begin(), given.end());
    if (decoded) {
        // As the Export dialog does: without a choice, the PGNs the filter shows.
        if (pgns.empty())
            pgns = log.shown->filters().enabledPgnList();
        KelpLib::exportDecodedCsv(*log.document, *log.logger, out, pgns);
    } else {
        KelpLib::exportCsv(*log.document, *log.logger, out, pgns);
    }
    for (std::size_t row = before; row < log.logger->getRowCount(); ++row)
        std::printf("%s\n", log.logger->getCellText(static_cast<std::uint32_t>(row), "Result").c_str());
    return 0;
}

} // namespace ZrlTool
