#include "cli/Commands.h"

namespace ZrlTool {

int run(const std::string& command, Arguments args)
{
    if (command == "summary") return summary(args);
    if (command == "list") return list(args);
    if (command == "join") return join(args);
    if (command == "export") return exportCsv(args);
    if (command == "details") return details(args);
    if (command == "pgns") return pgns(args);
    if (command == "series") return series(args);
    if (command == "track") return track(args);
    if (command == "devices") return devices(args);
    if (command == "stats") return stats(args);
    throw UsageError("unknown command \"" + command + "\"");
}

}  // namespace ZrlTool
