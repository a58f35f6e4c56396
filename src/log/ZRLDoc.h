#pragma once
// The in-memory form of one opened log file: its bytes, every element the parser made from
// them in file order, the elements that pass the filter, the list columns that suit the
// content, counts by group, a logger and timings.
#include "log/ElementByteArena.h"
#include "log/LargePages.h"
#include "log/MemFile.h"
#include "log/StableArray.h"
#include "log/ZRLElement.h"
#include "messages/ListColumn.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace CommonLib {
class ILogger;
}

namespace KelpLib {

class ZRLDocFilters;
class ViewSettings;
class ZRLDoc;

// Position in a document's shown list. An iterator of a document without shown elements
// dereferences to a shared empty element and never advances.
class ZRLDocIterator {
public:
    ZRLDocIterator(const ZRLDoc* document, std::size_t index) : document_(document), index_(index) {}
    const ZRLElement& operator*() const;
    const ZRLElement* operator->() const { return &**this; }
    ZRLDocIterator& operator++();
    bool operator!=(const ZRLDocIterator& other) const
    {
        return document_ != other.document_ || index_ != other.index_;
    }
    bool operator==(const ZRLDocIterator& other) const { return !(*this != other); }
    std::size_t index() const { return index_; }
    const ZRLDoc* document() const { return document_; }

private:
    const ZRLDoc* document_;
    std::size_t index_;
};

class IZRLDocObs {
public:
    virtual ~IZRLDocObs() = default;
    virtual void onElementSelected(ZRLDocIterator /*element*/) {}
};

class ZRLDoc {
public:
    enum Kind : std::uint32_t { kMixed = 0, kN2k = 1, kN183 = 2, kBst = 3, kCan = 4 };

    ZRLDoc();
    virtual ~ZRLDoc();
    ZRLDoc(const ZRLDoc&) = delete;
    ZRLDoc& operator=(const ZRLDoc&) = delete;

    virtual void addObserver(IZRLDocObs* observer);
    virtual void removeObserver(IZRLDocObs* observer);
    const std::vector<IZRLDocObs*>& observers() const { return observers_; }

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

    // Raw CSV export of the NMEA 2000 messages of the PGNs given (all for an empty list) and of
    // the NMEA 0183 sentences, to files named after path, which must end in ".csv". The outcome
    // goes to the log: "Exported to %s" per file written, or "Export aborted".
    void exportCsv(const std::string& path, const std::vector<std::uint32_t>& pgns = {});
    // Decoded CSV export of the NMEA 2000 messages of the PGNs given, one column per field, to
    // path's base + ".n2kdecoded.csv"; each sentence writes a placeholder line. An empty list
    // writes the fixed header and the sentence lines only. Logged as exportCsv is.
    void exportDecodedCsv(const std::string& path, const std::vector<std::uint32_t>& pgns);

    void setViewSettings(const ViewSettings& settings);
    void refreshShown();
    // A condition a shown element must meet besides the filter and the view switches (the
    // messages of one source); empty for none. Rebuilds the shown list.
    void setShownCondition(std::function<bool(const ZRLElement&)> condition);

    ZRLDocIterator begin(std::size_t index = 0) const;
    ZRLDocIterator end() const;

    std::size_t elementCount() const { return elements_.size(); }
    std::size_t shownCount() const { return shownLines_.size(); }
    const ZRLElement& element(std::size_t index) const { return elements_[index]; }
    const ZRLElement& shownElement(std::size_t index) const { return elements_[shownLines_[index]]; }
    // Position of a shown element in the document's element list (the list's "Line").
    std::size_t shownLine(std::size_t index) const { return shownLines_[index]; }

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
    const std::shared_ptr<ZRLDocFilters>& filters() const { return filters_; }
    // The PGNs met in the file that are enabled, ascending.
    std::vector<std::uint32_t> enabledPgns() const;

    // Load progress, readable from any thread while another thread loads.
    void reportProgress(std::uint64_t bytesParsed) { progress_.store(bytesParsed, std::memory_order_relaxed); }
    std::uint64_t bytesParsed() const { return progress_.load(std::memory_order_relaxed); }

    static constexpr std::int32_t maxFileSize = 500000000;

private:
    void rebuildShown();
    void chooseKindAndColumns();
    void resetColumns();
    void addColumn(const char* name, std::uint32_t width, std::uint32_t id);

    std::vector<IZRLDocObs*> observers_;
    std::uint32_t kind_ = kMixed;
    std::uint32_t n2kCount_ = 0;
    std::uint32_t n183Count_ = 0;
    std::uint32_t bstCount_ = 0;
    std::uint32_t canCount_ = 0;
    std::uint32_t mdtCount_ = 0;
    std::uint32_t otherCount_ = 0;
    std::map<std::uint32_t, ListColumn> columns_;
    std::uint32_t nextColumn_ = 0;
    std::shared_ptr<ZRLDocFilters> filters_;
    std::function<bool(const ZRLElement&)> shownCondition_;
    // Elements never move once appended: the array only adds chunks. Their bytes live in the
    // arena, which is cleared with them.
    StableArray<ZRLElement, 18> elements_; // chunks of 262,144 elements, 10 MiB
    ElementByteArena elementBytes_;
    // Lines (element indexes) of the shown elements, in order.
    std::vector<std::uint32_t, LargePageAllocator<std::uint32_t>> shownLines_;
    std::shared_ptr<CommonLib::ILogger> logger_;
    double parseTime_ = -1;
    double readTime_ = -1;
    double clearTime_ = 0;
    MemFile file_;
    std::string path_;
    std::atomic<std::uint64_t> progress_{0};
};

}  // namespace KelpLib
