#pragma once

#include "export/ExportFile.h"
#include "log/MDT_Container.h"

#include <cstdint>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace KelpLib {

class ZRLDoc;
class ZRLElement;
struct N2KMsg_s;

// Writes a loaded document as comma-separated files for spreadsheets: the raw export (one
// file of NMEA 2000 messages, one of NMEA 0183 sentences, MDT files of sampled data) and the
// decoded export (one file, one column per decoded field). Lives for one export; every line
// ends with CR LF.
class ZRLDocExport : private IMDT_ContainerObserver_s {
public:
    using PgnNameLookup = std::function<std::string(std::uint32_t pgn, const std::uint8_t* data, std::uint32_t length)>;

    static constexpr std::uint32_t n2kFileKey = 0x10000;
    static constexpr std::uint32_t n183FileKey = 0x10001;

    // base: the output path without its ".csv".
    ZRLDocExport(const ZRLDoc& document, std::string base, PgnNameLookup pgnName);

    static constexpr std::uint32_t maxSamplesPerRow = 10000;

    // Exports only the elements whose line the condition keeps (a display filter); every
    // element without one.
    void setCondition(std::function<bool(std::size_t line)> keeps) { condition = std::move(keeps); }

    // NMEA 2000 messages of the PGNs given (all when the list is empty), every valid sentence
    // and, when the document holds MDT messages, one row per completed sampled-data transfer.
    void exportRaw(const std::vector<std::uint32_t>& pgns);

    // One line per NMEA 2000 message of the PGNs given, each field's value in a column of its
    // own: one field block per PGN definition met (a proprietary PGN's manufacturer definitions
    // each have their own), side by side in the order each is first met; the Name column names
    // the definition. The file, base + ".n2kdecoded.csv", is written even when the list is empty.
    void exportDecoded(const std::vector<std::uint32_t>& pgns);

    // The files written completely; those that could not be created or completely written
    // are in getFailures() instead, and removed.
    const std::vector<std::string>& getWrittenFiles() const { return writtenFiles; }
    const std::vector<ExportFailure>& getFailures() const { return failures; }

    // The path without its ".csv" extension (compared case-sensitively); false for any other.
    static bool csvBase(const std::string& path, std::string& base);

private:
    void onTransferError(std::uint8_t transferId, std::int32_t code) override;
    void onTransferStart(std::uint8_t) override {}
    void onTransferComplete(std::uint8_t transferId) override;
    void exportMdt();
    std::ostream& mdtStream(std::uint32_t key);
    void writeMdtRow(const MDT_Deserialiser& transfer);

    std::ostream& stream(std::uint32_t key, const std::string& suffix, const char* header);
    // Closes the file and moves it from the written files to the failures when it failed.
    void finishFile(ExportFile& file);
    void closeStreams();
    void writeDecodedLines(std::ostream& file, const std::vector<std::uint32_t>& pgns);
    void writeN2kLine(const ZRLElement& element, std::size_t line, const std::vector<std::uint32_t>& pgns);

    // One PGN definition of the decoded file: where its field block starts and the name written.
    struct DecodedBlock {
        std::uint32_t offset = 0;
        std::string name;
        bool met = false;
    };
    // The blocks, indexed by PGN table row (the last entry: messages without a definition).
    std::vector<DecodedBlock> decodedHeader(const std::vector<std::uint32_t>& pgns, std::string& header) const;

    bool kept(std::size_t line) const { return !condition || condition(line); }

    const ZRLDoc& document;
    std::function<bool(std::size_t line)> condition;
    std::string base;
    PgnNameLookup pgnName;
    std::map<std::uint32_t, std::unique_ptr<ExportFile>> streams;
    std::vector<std::string> writtenFiles;
    std::vector<ExportFailure> failures;
    MDT_Container mdt;
    std::uint32_t mdtLine = 0;
};

// The element's time of day as "%02d:%02d:%02d.%03d", or "Time Error".
std::string elementTimeText(const ZRLElement& element);

// Appends the columns both NMEA 2000 files start with, each followed by ",": line number,
// time, type, PGN as "%6d", the quoted PGN name, source, destination, priority and length.
void appendN2kColumns(std::string& row, const ZRLElement& element, std::size_t line, const N2KMsg_s& message,
                      std::string_view pgnName);

} // namespace KelpLib
