#include "cli/Commands.h"
#include "cli/LoadedLog.h"

#include "log/PgnSummary.h"
#include "log/ZRLDoc.h"

#include <cstdio>

namespace ZrlTool {

int pgns(Arguments& args)
{
    const std::string path = args.positional("FILE");
    args.finish();

    const LoadedLog log = loadLog(path);
    const KelpLib::ZRLDoc& doc = *log.document;
    std::string text = "PGN\tDescription\tCount\n";
    for (const KelpLib::PgnSummaryEntry& entry : KelpLib::pgnSummary(doc))
        text += std::to_string(entry.pgn) + '\t' + entry.description + '\t' + std::to_string(entry.count) + '\n';
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

}  // namespace ZrlTool
