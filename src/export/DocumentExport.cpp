#include "export/DocumentExport.h"

#include "common/ILogger.h"
#include "export/PgnNames.h"
#include "export/ZRLDocExport.h"
#include "log/ZRLDoc.h"

namespace KelpLib {

namespace {

// The frame of both exports: the opening log line, the path's base, the exporter's run and
// the closing log lines.
template <typename Run>
void exportWith(const ZRLDoc& document, CommonLib::ILogger& logger, const std::string& path, Run run)
{
    logger.logCode(0, "Exporting %d messages", static_cast<int>(document.elementCount()));
    std::vector<std::string> written;
    std::string base;
    if (ZRLDocExport::csvBase(path, base)) {
        ZRLDocExport exporter(document, base, exportPgnName);
        run(exporter);
        written = exporter.getWrittenFiles();
    }
    if (written.empty())
        logger.logText("Export aborted");
    for (const std::string& file : written)
        logger.logCode(0, "Exported to %s", file.c_str());
}

} // namespace

void exportCsv(const ZRLDoc& document, CommonLib::ILogger& logger, const std::string& path,
               const std::vector<std::uint32_t>& pgns)
{
    exportWith(document, logger, path, [&](ZRLDocExport& exporter) { exporter.exportRaw(pgns); });
}

void exportDecodedCsv(const ZRLDoc& document, CommonLib::ILogger& logger, const std::string& path,
                      const std::vector<std::uint32_t>& pgns)
{
    exportWith(document, logger, path, [&](ZRLDocExport& exporter) { exporter.exportDecoded(pgns); });
}

} // namespace KelpLib
