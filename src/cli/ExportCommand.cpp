#include "cli/Commands.h"
#include "cli/FilterOption.h"
#include "cli/LoadedLog.h"

#include "applog/Logger.h"
#include "export/DocumentExport.h"

#include <cstdio>

namespace ZrlTool {

int exportCsv(Arguments& args)
{
    const bool decoded = args.flag("decoded");
    const std::vector<unsigned long> given = args.numbers("pgn");
    const auto filter = filterOption(args);
    const std::string path = args.positional("FILE");
    const std::string out = args.positional("OUT.csv");
    args.finish();

    const LoadedLog log = loadLog(path);
    const std::size_t before = log.logger->getRowCount();
    std::vector<std::uint32_t> pgns(given.begin(), given.end());
    KelpLib::ExportOutcome outcome;
    KelpLib::ExportCondition keeps;
    if (filter)
        keeps = [&](std::size_t line) { return filter->keeps(*log.document, line); };
    if (decoded) {
        // As the Export dialog does: without a choice, the PGNs the filter shows.
        if (pgns.empty())
            pgns = log.shown->filters().enabledPgnList();
        outcome = KelpLib::exportDecodedCsv(*log.document, *log.logger, out, pgns, keeps);
    } else {
        outcome = KelpLib::exportCsv(*log.document, *log.logger, out, pgns, keeps);
    }
    for (std::size_t row = before; row < log.logger->getRowCount(); ++row)
        std::printf("%s\n", log.logger->getCellText(static_cast<std::uint32_t>(row), "Result").c_str());
    // A file that could not be written, or a name the export refuses, is a failure.
    for (const KelpLib::ExportFailure& failure : outcome.failures)
        std::fprintf(stderr, "zrltool: %s\n", KelpLib::writeFailureText(failure.path, failure.reason).c_str());
    if (outcome.aborted)
        std::fprintf(stderr, "zrltool: export aborted: \"%s\" does not end in .csv\n", out.c_str());
    return outcome.succeeded() ? 0 : kLoadError;
}

} // namespace ZrlTool
