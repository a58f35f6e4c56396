#include "log/ZRLDoc.h"

#include "common/ILogger.h"
#include "common/NullLogger.h"
#include "log/MsgVariant.h"
#include "log/ZRLDocParser.h"
#include "messages/BSTMsg.h"
#include "messages/N183Msg.h"
#include "messages/N2KMsg.h"

#include <algorithm>
#include <chrono>

namespace KelpLib {

namespace {

// The system time in 100-nanosecond units, as the document's timings are kept.
std::int64_t systemTicks()
{
    using namespace std::chrono;
    return duration_cast<duration<std::int64_t, std::ratio<1, 10000000>>>(system_clock::now().time_since_epoch())
        .count();
}

double millisecondsSince(std::int64_t ticks)
{
    return static_cast<double>(systemTicks() - ticks) / 10000.0;
}

}  // namespace

ZRLDoc::ZRLDoc()
    : logger_(std::make_shared<CommonLib::NullLogger>())
{
    clear();
    kind_ = kMixed;
    addColumn("Line", 6, 0);
    addColumn("Timestamp", 12, 1);
    addColumn("Type", 10, 2);
    addColumn("Data", 60, 9);
}

ZRLDoc::~ZRLDoc()
{
    clear();
}

void ZRLDoc::open(const std::string& path)
{
    const std::int64_t t0 = systemTicks();
    clear();
    path_ = path;
    // The content is read in step with the parse (its read time is then part of the parse
    // time), and every element holds a copy of its bytes: the parsed part of the file gives its
    // memory back as the parse goes, and the rest once parsed, so that a large log is never
    // held in memory twice.
    file_.readInStep(path.c_str(), maxFileSize);
    readTime_ = millisecondsSince(t0);
    load();
    file_.clear();
}

void ZRLDoc::load()
{
    logger_->logCode(0, "ZRL file \"%s\": reading started", fileName().c_str());
    const std::int64_t t1 = systemTicks();
    {
        ZRLDocParser parser(file_, *this);
        parser.parse();
    }
    chooseKindAndColumns();
    parseTime_ = millisecondsSince(t1);
    logger_->logCode(0, "ZRL file \"%s\": reading completed in %lf ms.  Number elements = %u", fileName().c_str(),
                     parseTime_, static_cast<unsigned>(elements_.size()));
}

void ZRLDoc::clear()
{
    const std::int64_t t0 = systemTicks();
    elements_.clear();
    pgnsMet_.clear();
    definitionsMet_.clear();
    elementBytes_.clear();
    n2kCount_ = n183Count_ = bstCount_ = canCount_ = mdtCount_ = otherCount_ = 0;
    parseTime_ = -1;
    readTime_ = -1;
    progress_.store(0, std::memory_order_relaxed);
    clearTime_ = millisecondsSince(t0);
}

ZRLElement& ZRLDoc::addElement(const ElementTime& time, const MsgVariantInfo& info, const std::uint8_t* bytes,
                               std::uint32_t length)
{
    const std::uint32_t variant = info.effective;
    switch (MsgVariantToGroup(variant)) {
    case GroupN183: ++n183Count_; break;
    case GroupBst: ++bstCount_; break;
    case GroupN2k: ++n2kCount_; break;
    case GroupCan: ++canCount_; break;
    default: ++otherCount_; break;
    }
    if (variant == VariantMdtControl || variant == VariantMdtData) ++mdtCount_;
    ZRLElement& element = elements_.emplace_back(time, info);
    element.borrowBytes(length, elementBytes_.copy(bytes, length));
    return element;
}

void ZRLDoc::resetColumns()
{
    columns_.clear();
    nextColumn_ = 0;
    addColumn("Line", 6, 0);
    addColumn("Timestamp", 12, 1);
    addColumn("Type", 10, 2);
}

void ZRLDoc::addColumn(const char* name, std::uint32_t width, std::uint32_t id)
{
    for (const auto& [order, column] : columns_)
        if (column.name == name) return;
    columns_.emplace(nextColumn_++, ListColumn{name, width, id, true});
}

namespace {

struct ColumnSpec {
    const char* name;
    std::uint32_t width;
    std::uint32_t id;
};

// The columns of the kinds whose message class has no column set of its own, after Line,
// Timestamp and Type; NMEA 2000, sentence and BST documents take their message class's set.
constexpr ColumnSpec canColumns[] = {{"PGN", 8, 10}, {"Name", 20, 5}, {"Src", 5, 11}, {"Dest", 5, 12},
                                     {"Pri", 4, 13}, {"Size", 5, 8},  {"Data", 60, 9}};
constexpr ColumnSpec mixedColumns[] = {{"Data", 60, 9}};

} // namespace

void ZRLDoc::chooseKindAndColumns()
{
    const std::uint32_t total = n2kCount_ + n183Count_ + bstCount_ + canCount_ + otherCount_;
    const std::uint32_t half = total / 2 + 1;
    resetColumns();
    const auto add = [this](std::uint32_t kind, const auto& specs) {
        kind_ = kind;
        for (const ColumnSpec& spec : specs)
            addColumn(spec.name, spec.width, spec.id);
    };
    const auto addSet = [this](std::uint32_t kind, void (*listColumns)(std::vector<ListColumn>&)) {
        kind_ = kind;
        std::vector<ListColumn> set;
        listColumns(set);
        for (const ListColumn& column : set)
            addColumn(column.name.c_str(), column.width, column.id);
    };
    if (n2kCount_ > half) {
        addSet(kN2k, &N2KMsg::listColumns);
    } else if (n183Count_ > half) {
        addSet(kN183, &N183Msg::listColumns);
    } else if (bstCount_ > half / 2) {
        addSet(kBst, &BSTMsg::listColumns);
    } else if (canCount_ > half / 2) {
        add(kCan, canColumns);
    } else {
        add(kMixed, mixedColumns);
    }
}

std::vector<ListColumn> ZRLDoc::columns() const
{
    std::vector<ListColumn> out;
    out.reserve(columns_.size());
    for (const auto& [order, column] : columns_) out.push_back(column);
    return out;
}

std::string ZRLDoc::fileName() const
{
    const std::string& path = path_;
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void ZRLDoc::setLogger(std::shared_ptr<CommonLib::ILogger> logger)
{
    logger_ = logger ? std::move(logger) : std::make_shared<CommonLib::NullLogger>();
}

}  // namespace KelpLib
