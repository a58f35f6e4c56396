#include "export/DocumentExport.h"

#include "common/ILogger.h"
#include "export/PgnNames.h"
#include "export/ZRLDocExport.h"
#include "log/ZRLDoc.h"

namespace KelpLib {

namespace {

// The frame of both exports: the opening log line, the path's base, the exporter's run and
// the closing log lines: "Exported to" for each file written, an error row naming the file
// and the reason for each file that could not be written.
template <typename Run>
ExportOutcome exportWith(const ZRLDoc& document, CommonLib::ILogger& logger, const std::string& path,
                         const ExportCondition& keeps, Run run)
{
    logger.logCode(0, "Exporting %d messages", static_cast<int>(document.elementCount()));
    ExportOutcome outcome;
    std::string base;
    if (ZRLDocExport::csvBase(path, base)) {
        ZRLDocExport exporter(document, base, exportPgnName);
        exporter.setCondition(keeps);
        run(exporter);
        outcome.written = exporter.getWrittenFiles();
        outcome.failures = exporter.getFailures();
    } else {
        outcome.aborted = true;
    }
    if (outcome.written.empty() && outcome.failures.empty())
        logger.logText("Export aborted");
    for (const std::string& file : outcome.written)
        logger.logCode(0, "Exported to %s", file.c_str());
    for (const ExportFailure& failure : outcome.failures)
        logger.logCodeText(writeFailureCode, writeFailureText(failure.path, failure.reason));
    return outcome;
}

} // namespace

ExportOutcome exportCsv(const ZRLDoc& document, CommonLib::ILogger& logger, const std::string& path,
                        const std::vector<std::uint32_t>& pgns, const ExportCondition& keeps)
{
    return exportWith(document, logger, path, keeps, [&](ZRLDocExport& exporter) { exporter.exportRaw(pgns); });
}

ExportOutcome exportDecodedCsv(const ZRLDoc& document, CommonLib::ILogger& logger, const std::string& path,
                               const std::vector<std::uint32_t>& pgns, const ExportCondition& keeps)
{
    return exportWith(document, logger, path, keeps, [&](ZRLDocExport& exporter) { exporter.exportDecoded(pgns); });
}

} // namespace KelpLib
