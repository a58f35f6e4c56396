// `zrltool devices` and `zrltool stats`: the two tables of the Network pane.
#include "cli/Commands.h"
#include "cli/LoadedLog.h"
#include "cli/TableOutput.h"

#include "analysis/NetworkColumns.h"

#include <cstdio>

namespace ZrlTool {

namespace {

ZrlAnalysis::NetworkTables analysedLog(Arguments& args, bool& json)
{
    json = args.flag("json");
    const std::string path = args.positional("FILE");
    args.finish();
    const LoadedLog log = loadLog(path);
    return ZrlAnalysis::analyseNetwork(*log.document);
}

}  // namespace

int devices(Arguments& args)
{
    bool json = false;
    const ZrlAnalysis::NetworkTables tables = analysedLog(args, json);
    for (const ZrlAnalysis::AddressChange& change : tables.addressChanges)
        std::fprintf(stderr, "warning: %s\n", ZrlAnalysis::addressChangeText(change).c_str());
    printTable(ZrlAnalysis::deviceColumns(), tables.devices, json);
    return 0;
}

int stats(Arguments& args)
{
    bool json = false;
    const ZrlAnalysis::NetworkTables tables = analysedLog(args, json);
    printTable(ZrlAnalysis::statisticsColumns(), tables.statistics, json);
    return 0;
}

}  // namespace ZrlTool
