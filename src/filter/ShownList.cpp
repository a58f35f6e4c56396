#include "filter/ShownList.h"

#include "log/ElementDefinition.h"
#include "log/MsgVariant.h"
#include "log/ZRLDoc.h"

#include <algorithm>

namespace KelpLib {

ShownList::ShownList(const ZRLDoc& document)
    : document_(document), filters_(std::make_shared<ZRLDocFilters>())
{
}

void ShownList::setPredicate(std::shared_ptr<const ElementPredicate> predicate)
{
    predicate_ = std::move(predicate);
    predicateChanged_ = true;
}

const ZRLElement& ShownList::element(ShownRow row) const
{
    return document_.element(line(row));
}

void ShownList::rebuild()
{
    filters_->addDefinitions(document_.definitionsMet());
    filters_->addPgns(document_.pgnsMet());
    build();
}

bool ShownList::refresh()
{
    if (!filters_->isChanged() && !predicateChanged_)
        return false;
    build();
    return true;
}

bool ShownList::definitionShown(const ZRLElement& element, StandardsLib::DefinitionKeyCache& definitions) const
{
    // A frame that went into an assembly has no definition of its own: it stays with its PGN.
    const auto definition = elementDefinition(element, definitions);
    return !definition || filters_->isDefinitionEnabled(*definition);
}

bool ShownList::definitionKept(ElementLine line, StandardsLib::DefinitionKeyCache& definitions) const
{
    if (!filters_->anyPgnSplit() || line.value >= document_.elementCount())
        return true;
    const ZRLElement& e = document_.element(line);
    return !filters_->isPgnSplit(e.pgn()) || definitionShown(e, definitions);
}

void ShownList::build()
{
    filters_->consumeChange();
    predicateChanged_ = false;
    lines_.clear();
    lines_.reserve(document_.elementCount());
    const ViewSettings view = filters_->viewSettings();
    const bool filtering = filters_->filteringActive();
    // Elements without a PGN (sentences, raw runs, tags) answer only to the PGN filter: the
    // fast-packet view switches alone must not hide them, or a default view of a mixed log
    // would show no NMEA 0183 traffic at all.
    const bool everyPgnEnabled = filters_->everyDefinitionEnabled();
    // Only the messages of a PGN with some definitions hidden and others shown are looked up
    // (header bytes, definition index); every other element answers by its PGN alone.
    const bool anyPgnSplit = filters_->anyPgnSplit();
    StandardsLib::DefinitionKeyCache definitions;
    const ElementPredicate* predicate = predicate_.get();

    std::uint32_t line = 0;
    for (const ZRLElement& e : document_.elements()) {
        bool pass = e.variant().effective != MsgVariant::Hidden;
        if (pass && filtering) {
            bool pgnPasses = filters_->isPgnEnabled(e.pgn()) || (e.pgn() == 0 && everyPgnEnabled);
            if (pgnPasses && anyPgnSplit && filters_->isPgnSplit(e.pgn()))
                pgnPasses = definitionShown(e, definitions);
            pass = pgnPasses && view.keeps(e);
        }
        if (pass && predicate)
            pass = predicate->keeps(document_, ElementLine(line));
        if (pass)
            lines_.push_back(line);
        ++line;
    }
    // Room for every element was reserved: only a list much shorter than that is worth a copy.
    if (lines_.size() < lines_.capacity() / 4 * 3)
        lines_.shrink_to_fit();
}

std::optional<ShownRow> ShownList::rowOf(ElementLine line) const
{
    const auto found = std::lower_bound(lines_.begin(), lines_.end(), line.value);
    if (found == lines_.end() || *found != line.value)
        return std::nullopt;
    return ShownRow(static_cast<std::uint32_t>(found - lines_.begin()));
}

std::optional<ShownRow> ShownList::nearestRow(ElementLine line) const
{
    if (lines_.empty())
        return std::nullopt;
    const auto after = std::lower_bound(lines_.begin(), lines_.end(), line.value);
    auto nearest = after;
    if (after == lines_.end() || (after != lines_.begin() && line.value - *(after - 1) <= *after - line.value))
        nearest = after - 1;
    return ShownRow(static_cast<std::uint32_t>(nearest - lines_.begin()));
}

} // namespace KelpLib
