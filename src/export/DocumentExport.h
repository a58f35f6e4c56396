#pragma once
// The CSV exports of a loaded document as the viewer and zrltool run them: the exporter's
// files, framed by the log lines "Exporting %d messages", then "Exported to %s" per file
// written, an error row naming each file that could not be created or completely written with
// the system's reason (that file is removed), or "Export aborted".
#include "export/ExportFile.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace CommonLib {
class ILogger;
}

namespace KelpLib {

class ZRLDoc;

// Which elements (by line) an export takes; an empty one takes every element.
using ExportCondition = std::function<bool(std::size_t line)>;

// Raw CSV export of the NMEA 2000 messages of the PGNs given (all for an empty list) and of
// the NMEA 0183 sentences, to files named after path, which must end in ".csv".
ExportOutcome exportCsv(const ZRLDoc& document, CommonLib::ILogger& logger, const std::string& path,
                        const std::vector<std::uint32_t>& pgns = {}, const ExportCondition& keeps = {});

// Decoded CSV export of the NMEA 2000 messages of the PGNs given, one column per field, to
// path's base + ".n2kdecoded.csv"; each sentence writes a placeholder line. An empty list
// writes the fixed header and the sentence lines only.
ExportOutcome exportDecodedCsv(const ZRLDoc& document, CommonLib::ILogger& logger, const std::string& path,
                               const std::vector<std::uint32_t>& pgns, const ExportCondition& keeps = {});

} // namespace KelpLib
