#pragma once
// The CSV exports of a loaded document as the viewer and zrltool run them: the exporter's
// files, framed by the log lines "Exporting %d messages", then "Exported to %s" per file
// written, or "Export aborted".
#include <cstdint>
#include <string>
#include <vector>

namespace CommonLib {
class ILogger;
}

namespace KelpLib {

class ZRLDoc;

// Raw CSV export of the NMEA 2000 messages of the PGNs given (all for an empty list) and of
// the NMEA 0183 sentences, to files named after path, which must end in ".csv".
void exportCsv(const ZRLDoc& document, CommonLib::ILogger& logger, const std::string& path,
               const std::vector<std::uint32_t>& pgns = {});

// Decoded CSV export of the NMEA 2000 messages of the PGNs given, one column per field, to
// path's base + ".n2kdecoded.csv"; each sentence writes a placeholder line. An empty list
// writes the fixed header and the sentence lines only.
void exportDecodedCsv(const ZRLDoc& document, CommonLib::ILogger& logger, const std::string& path,
                      const std::vector<std::uint32_t>& pgns);

} // namespace KelpLib
