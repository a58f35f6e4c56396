#pragma once
// The in-memory form of one opened log file: every element the parser made from it in file
// order, the PGNs met, the list columns that suit the content, counts by group, a logger and
// timings. Which elements a view shows is the shown list's business (filter/ShownList.h).
#include "log/ElementByteArena.h"
#include "log/ElementIndex.h"
#include "log/MemFile.h"
#include "log/StableArray.h"
#include "log/ZRLElement.h"
#include "messages/ListColumn.h"
#include "n2k/PgnDefinitionKey.h"

#include <atomic>
#include <cstdint>
#include <map>
#include <set>
#include <memory>
#include <string>
#include <vector>

namespace CommonLib {
class ILogger;
}

namespace KelpLib {

class ZRLDoc {
public:
    enum Kind : std::uint32_t { kMixed = 0, kN2k = 1, kN183 = 2, kBst = 3, kCan = 4 };

    ZRLDoc();
    virtual ~ZRLDoc();
    ZRLDoc(const ZRLDoc&) = delete;
    ZRLDoc& operator=(const ZRLDoc&) = delete;

    // Clears, reads the file (files of maxFileSize bytes or more are refused) and parses it.
    // A read failure propagates as CommonLib::KorvErr and leaves the document empty.
    void open(const std::string& path);
    // Parses the bytes already read and chooses kind and columns.
    void load();
    void clear();
    // Takes ownership of a parsed element, appends it and counts it by group.
    // Appends an element made in place, with a copy of its bytes in the document's arena.
    ZRLElement& addElement(const ElementTime& time, const MsgVariantInfo& variant, const std::uint8_t* bytes,
                           std::uint32_t length);

    std::size_t elementCount() const { return elements_.size(); }
    const ZRLElement& element(ElementLine line) const { return elements_[line.value]; }
    // Every element in file order.
    const auto& elements() const { return elements_; }

    std::uint32_t kind() const { return kind_; }
    std::uint32_t n2kCount() const { return n2kCount_; }
    std::uint32_t n183Count() const { return n183Count_; }
    std::uint32_t bstCount() const { return bstCount_; }
    std::uint32_t canCount() const { return canCount_; }
    std::uint32_t mdtCount() const { return mdtCount_; }
    std::uint32_t otherCount() const { return otherCount_; }
    std::vector<ListColumn> columns() const;

    double parseTime() const { return parseTime_; }
    double readTime() const { return readTime_; }
    double clearTime() const { return clearTime_; }

    // The path given to the last open, without its directory.
    std::string fileName() const;
    // Sets the path that fileName reports, for a load of bytes already in the file.
    void setPath(const std::string& path) { path_ = path; }
    // The file being parsed. open() releases its content once the elements hold their bytes;
    // load() parses whatever the caller has put in it.
    const MemFile& file() const { return file_; }
    MemFile& file() { return file_; }

    const std::shared_ptr<CommonLib::ILogger>& logger() const { return logger_; }
    void setLogger(std::shared_ptr<CommonLib::ILogger> logger);
    // Notes a PGN met while parsing.
    void notePgn(std::uint32_t pgn) { pgnsMet_.insert(pgn); }
    // Every PGN met in the file, ascending.
    const std::set<std::uint32_t>& pgnsMet() const { return pgnsMet_; }
    // Notes the definition that decoded a message met while parsing.
    void noteDefinition(const StandardsLib::PgnDefinitionKey& key) { definitionsMet_.insert(key); }
    // Every PGN definition that decodes a message of the file, by PGN and table row.
    const std::set<StandardsLib::PgnDefinitionKey>& definitionsMet() const { return definitionsMet_; }

    // Load progress, readable from any thread while another thread loads.
    void reportProgress(std::uint64_t bytesParsed) { progress_.store(bytesParsed, std::memory_order_relaxed); }
    std::uint64_t bytesParsed() const { return progress_.load(std::memory_order_relaxed); }

    static constexpr std::int32_t maxFileSize = 500000000;

private:
    void chooseKindAndColumns();
    void resetColumns();
    void addColumn(const char* name, std::uint32_t width, std::uint32_t id);

    std::uint32_t kind_ = kMixed;
    std::uint32_t n2kCount_ = 0;
    std::uint32_t n183Count_ = 0;
    std::uint32_t bstCount_ = 0;
    std::uint32_t canCount_ = 0;
    std::uint32_t mdtCount_ = 0;
    std::uint32_t otherCount_ = 0;
    std::map<std::uint32_t, ListColumn> columns_;
    std::uint32_t nextColumn_ = 0;
    std::set<std::uint32_t> pgnsMet_;
    std::set<StandardsLib::PgnDefinitionKey> definitionsMet_;
    // Elements never move once appended: the array only adds chunks. Their bytes live in the
    // arena, which is cleared with them.
    StableArray<ZRLElement, 18> elements_; // chunks of 262,144 elements, 10 MiB
    ElementByteArena elementBytes_;
    std::shared_ptr<CommonLib::ILogger> logger_;
    double parseTime_ = -1;
    double readTime_ = -1;
    double clearTime_ = 0;
    MemFile file_;
    std::string path_;
    std::atomic<std::uint64_t> progress_{0};
};

}  // namespace KelpLib
