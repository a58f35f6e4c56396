// zrltool: the ZRL Reader core on the command line, for scripting and black-box tests.
#include "cli/Commands.h"

#include <cstdio>
#include <exception>
#include <string>

namespace {

const char* const kUsage =
    "usage: zrltool COMMAND ...\n"
    "\n"
    "commands:\n"
    "  summary FILE [--view-flags N]   load FILE and print its counts, known PGNs and load log\n"
    "  list FILE [--view-flags N] [--filter EXPR]\n"
    "                                  print the message list (header line, one line per shown element);\n"
    "                                  with --filter, only the elements the display filter EXPR keeps\n"
    "  export FILE OUT.csv [--decoded] [--pgn N]... [--filter EXPR]\n"
    "                                  raw CSV export: FILE's NMEA 2000 messages of the PGNs given\n"
    "                                  (all by default) to OUT.n2k.csv, its sentences to OUT.n183.csv;\n"
    "                                  with --decoded, one column per decoded field to\n"
    "                                  OUT.n2kdecoded.csv (of the PGNs given, else every PGN of FILE);\n"
    "                                  prints the export's log lines; a file that cannot be written\n"
    "                                  (named with the system's reason on standard error) or an\n"
    "                                  OUT not ending in .csv makes it exit 1\n"
    "  details FILE LINE               the details of the element at LINE (the list's \"Line\"): its list,\n"
    "                                  title and fields tables, each as \"# name<TAB>title\", the column\n"
    "                                  ids, then one line of cells per row\n"
    "  pgns FILE                       the PGNs of FILE's NMEA 2000 messages, shown or not, in the order\n"
    "                                  first met: PGN, description and count\n"
    "  series FILE (--pgn N | --sentence FMT) --field NAME [--src S] [--instance I] [--user-units]\n"
    "                                  [--view-flags N]\n"
    "                                  the values of one numeric field across FILE: Line, Time (ISO 8601\n"
    "                                  UTC) and Value (in the details pane's \"Data\" unit, or its \"User\n"
    "                                  Data\" unit with --user-units); an unknown field lists the numeric\n"
    "                                  fields and exits 2\n"
    "  track FILE [--view-flags N]     the valid position fixes of FILE (129025, 129029, RMC, GGA, GLL):\n"
    "                                  Line, Time, Latitude, Longitude (degrees, south and west negative),\n"
    "                                  Source\n"
    "  devices FILE [--json]           the devices on the bus: one line per source address and NAME\n"
    "                                  claimed at it, by address then first seen; address changes are\n"
    "                                  warned about on standard error\n"
    "  stats FILE [--json]             per PGN and source, in the order first met: count, rate in Hz,\n"
    "                                  minimum, mean and maximum interval in ms, end of the longest gap\n"
    "  join OUT FILE...                write the composite of the files, byte for byte, in order\n"
    "  --help                          this text\n"
    "\n"
    "Cells are separated by a TAB. View flags: bit 0 hides the CAN frames of fast-packet transfers,\n"
    "bit 1 hides the messages reassembled from them (default 1). --json prints one JSON object per\n"
    "line with the header's keys. Times are ISO 8601 UTC.\n"
    "Exit status: 0 success, 1 the file cannot be loaded, an export cannot write its file or LINE\n"
    "is not an element (message on standard error), 2 usage error.\n";

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return ZrlTool::kUsageError;
    }
    const std::string command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    try {
        return ZrlTool::run(command, ZrlTool::Arguments(argc - 2, argv + 2));
    } catch (const ZrlTool::UsageError& e) {
        std::fprintf(stderr, "zrltool: %s\n\n%s", e.what(), kUsage);
        return ZrlTool::kUsageError;
    } catch (const ZrlTool::PlainUsageError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return ZrlTool::kUsageError;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return ZrlTool::kLoadError;
    }
}
