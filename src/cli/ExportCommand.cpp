#include "cli/Commands.h"
#include "cli/LoadedLog.h"

#include "common/Logger.h"

#include <cstdio>
#include <sstream>

namespace ZrlTool {

int exportCsv(Arguments& args)
{
    const std::vector<unsigned long> given = args.numbers("pgn");
    const std::string path = args.positional("FILE");
    const std::string out = args.positional("OUT.csv");
    args.finish();

    const LoadedLog log = loadLog(path);
    const std::size_t before = log.logger->getRowCount();
    std::vector<std::uint32_t> pgns(given.begin(), given.end());
    log.document->exportCsv(out, pgns);
    for (std::size_t row = before; row < log.logger->getRowCount(); ++row)
        std::printf("%s\n", log.logger->getCellText(static_cast<std::uint32_t>(row), "Result").c_str());
    return 0;
}

} // namespace ZrlTool
