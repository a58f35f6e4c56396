#include "cli/Commands.h"
#include "cli/LoadedLog.h"

#include "log/ZRLDoc.h"
#include "messages/N2KMsg.h"
#include "n2k/PgnName.h"

#include <cstdio>
#include <unordered_map>
#include <vector>

namespace ZrlTool {

namespace {

// The PGN of the NMEA 2000 message an element stands for: whole messages, and the single CAN
// frames that did not go into a fast-packet assembly. False for every other element.
bool n2kMessagePgn(const KelpLib::ZRLElement& element, std::uint32_t& pgn)
{
    KelpLib::N2KMsg message;
    if (!element.n2kMessage(message))
        return false;
    pgn = message.pgnNumber();
    return true;
}

struct PgnEntry {
    std::uint32_t pgn;
    std::string description;
    std::uint64_t count;
};

}  // namespace

int pgns(Arguments& args)
{
    const std::string path = args.positional("FILE");
    args.finish();

    const LoadedLog log = loadLog(path);
    const KelpLib::ZRLDoc& doc = *log.document;
    std::vector<PgnEntry> entries;
    std::unordered_map<std::uint32_t, std::size_t> positions;
    // Every element, shown or not, in file order: the entries keep the order PGNs were met.
    for (std::size_t index = 0; index < doc.elementCount(); ++index) {
        std::uint32_t pgn = 0;
        if (!n2kMessagePgn(doc.element(index), pgn))
            continue;
        const auto [at, added] = positions.try_emplace(pgn, entries.size());
        if (added)
            entries.push_back({pgn, StandardsLib::pgnNameText(pgn), 0});
        ++entries[at->second].count;
    }

    std::string text = "PGN\tDescription\tCount\n";
    for (const PgnEntry& entry : entries)
        text += std::to_string(entry.pgn) + '\t' + entry.description + '\t' + std::to_string(entry.count) + '\n';
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

}  // namespace ZrlTool
