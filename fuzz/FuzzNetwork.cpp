// The devices and statistics tables on arbitrary bytes: the payload readers of address claims,
// product and configuration information on the bytes as one payload, then the whole pass over
// the bytes loaded as a log, with every cell of both tables.
#include "FuzzDocument.h"
#include "analysis/NetworkColumns.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto length = static_cast<std::uint32_t>(size);
    std::size_t total = 0;
    if (const auto info = ZrlAnalysis::readProductInformation(data, length))
        total += info->modelId.size() + info->serialCode.size();
    if (const auto info = ZrlAnalysis::readConfigurationInformation(data, length))
        total += info->installation1.size() + info->manufacturerInformation.size();
    std::uint8_t name[8] = {};
    std::copy_n(data, std::min<std::size_t>(size, 8), name);
    total += ZrlAnalysis::decodeDeviceName(name).deviceInstance;

    KelpLib::ZRLDoc document;
    if (!loadFuzzLog(data, size, "network", document))
        return 0;
    const ZrlAnalysis::NetworkTables tables = ZrlAnalysis::analyseNetwork(document);
    for (const auto& row : tables.devices)
        for (const auto& column : ZrlAnalysis::deviceColumns())
            total += column.cell(row).size();
    for (const auto& row : tables.statistics)
        for (const auto& column : ZrlAnalysis::statisticsColumns())
            total += column.cell(row).size();
    for (const auto& change : tables.addressChanges)
        total += ZrlAnalysis::addressChangeText(change).size();
    return total == 0 ? 0 : 0;
}
