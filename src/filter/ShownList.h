#pragma once

#include "filter/ElementPredicate.h"
#include "filter/ZRLDocFilters.h"
#include "log/ElementIndex.h"
#include "log/LargePages.h"
#include "n2k/DefinitionKeyCache.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace KelpLib {

class ZRLDoc;
class ZRLElement;

// A position in a shown list: the list view's row.
struct ShownRow {
    constexpr ShownRow() = default;
    constexpr explicit ShownRow(std::uint32_t row) : value(row) {}
    constexpr bool operator==(const ShownRow&) const = default;
    constexpr bool operator<(const ShownRow& other) const { return value < other.value; }

    std::uint32_t value = 0;
};

// The elements of one document that a view shows, in file order: those that pass the PGN
// definition filter, the fast-packet view switches and the predicate, when there is one. It is built on
// the loading thread once the parse has ended, and rebuilt on the window thread after an edit.
class ShownList {
public:
    explicit ShownList(const ZRLDoc& document);
    ShownList(const ShownList&) = delete;
    ShownList& operator=(const ShownList&) = delete;

    const ZRLDoc& document() const { return document_; }
    ZRLDocFilters& filters() const { return *filters_; }
    const std::shared_ptr<ZRLDocFilters>& sharedFilters() const { return filters_; }

    // Takes a copy of the view switches; refresh() then shows their effect.
    void setViewSettings(const ViewSettings& settings) { filters_->setViewSettings(settings); }
    // Sets (or, with null, removes) the extra condition; refresh() then shows its effect.
    void setPredicate(std::shared_ptr<const ElementPredicate> predicate);
    const std::shared_ptr<const ElementPredicate>& predicate() const { return predicate_; }

    // Makes every PGN the document met known to the filter (new ones shown) and rebuilds.
    void rebuild();
    // Rebuilds when the PGN filter, the view switches or the predicate changed since the last
    // build; true when it did.
    bool refresh();

    std::size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    ElementLine line(ShownRow row) const { return ElementLine(lines_[row.value]); }
    const ZRLElement& element(ShownRow row) const;

    // False only for a message of a PGN whose definitions are partly hidden when its own
    // definition is hidden: exports leave out what the list leaves out for that reason.
    bool definitionKept(ElementLine line, StandardsLib::DefinitionKeyCache& definitions) const;

    // The row showing the element at `line`, if it is shown.
    std::optional<ShownRow> rowOf(ElementLine line) const;
    // The row of the shown element nearest to `line` (the earlier one of two as near); none
    // when nothing is shown.
    std::optional<ShownRow> nearestRow(ElementLine line) const;

private:
    void build();
    // For an element of a PGN whose definitions are partly hidden: whether its own is shown.
    bool definitionShown(const ZRLElement& element, StandardsLib::DefinitionKeyCache& definitions) const;

    const ZRLDoc& document_;
    std::shared_ptr<ZRLDocFilters> filters_;
    std::shared_ptr<const ElementPredicate> predicate_;
    bool predicateChanged_ = false;
    // Lines of the shown elements, ascending.
    std::vector<std::uint32_t, LargePageAllocator<std::uint32_t>> lines_;
};

} // namespace KelpLib
