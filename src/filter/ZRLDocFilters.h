#pragma once

#include "filter/ViewSettings.h"
#include "n2k/PgnDefinitionKey.h"

#include <cstdint>
#include <set>
#include <vector>

namespace KelpLib {

// The filter state of one document: every PGN definition met while loading, those currently
// shown and a copy of the application's view switches. A definition is a PGN and the table row
// that decodes its messages, so one maker's variant of a proprietary PGN can be hidden while
// another's stays. Callers that think in PGN numbers (exports, saved choices, zrltool) use the
// PGN-level calls: a PGN is enabled while any of its definitions is. The shown list fills the
// sets on the loading thread before any view reads them; later reads and edits come from the
// window thread through the filter table, which takes its own lock. Reading never changes the
// state.
class ZRLDocFilters : public ViewSettings {
public:
    using DefinitionKey = StandardsLib::PgnDefinitionKey;

    // A definition met for the first time is known and shown.
    void addDefinitions(const std::set<DefinitionKey>& definitions);
    // A PGN none of whose definitions is known becomes known by the definition that decodes
    // its messages when their payload selects nothing (frames of transfers that never
    // completed have no definition of their own).
    void addPgn(std::uint32_t pgn);
    void addPgns(const std::set<std::uint32_t>& pgns);

    // True for every PGN while nothing is known; else true while any definition of the PGN is
    // enabled.
    bool isPgnEnabled(std::uint32_t pgn) const;
    // True when the PGN has definitions enabled and others disabled: its messages must be
    // told apart by their payload.
    bool isPgnSplit(std::uint32_t pgn) const { return !splitPgns.empty() && splitPgns.count(pgn) != 0; }
    bool anyPgnSplit() const { return !splitPgns.empty(); }
    // A definition never met answers as its PGN does.
    bool isDefinitionEnabled(const DefinitionKey& key) const;
    bool everyDefinitionEnabled() const { return enabledDefinitions.size() == knownDefinitionList.size(); }

    // The distinct PGNs of the known definitions, ascending.
    std::uint32_t knownPgnCount() const { return static_cast<std::uint32_t>(knownPgnList.size()); }
    // -2 when the row is past the list, else 0 with the row's PGN.
    std::int32_t knownPgnAt(std::uint32_t row, std::uint32_t& pgn) const;
    // The known definitions, by PGN and then table row.
    std::uint32_t knownDefinitionCount() const { return static_cast<std::uint32_t>(knownDefinitionList.size()); }
    // -2 when the row is past the list, else 0 with the row's definition.
    std::int32_t knownDefinitionAt(std::uint32_t row, DefinitionKey& key) const;
    bool filteringActive() const;
    // The PGNs with an enabled definition, ascending.
    std::vector<std::uint32_t> enabledPgnList() const;

    // Shows every definition of a known PGN when none is shown, else hides them all; false for
    // a PGN that was never met.
    bool togglePgn(std::uint32_t pgn);
    // Shows or hides one known definition; false for one never met.
    bool toggleDefinition(const DefinitionKey& key);
    void enableAllPgns();
    void disableAllPgns();

    void setViewSettings(const ViewSettings& settings) { copyFrom(settings); }
    ViewSettings viewSettings() const { return *this; }

    bool isChanged() const;
    void consumeChange();

private:
    // Recomputes the PGN-level sets from the definition sets.
    void updatePgns();

    std::uint8_t pgnsChanged = 1;
    std::set<DefinitionKey> knownDefinitions;
    std::set<DefinitionKey> enabledDefinitions;
    // knownDefinitions as a vector, for the filter table's rows.
    std::vector<DefinitionKey> knownDefinitionList;
    std::vector<std::uint32_t> knownPgnList;
    std::set<std::uint32_t> enabledPgns;
    std::set<std::uint32_t> splitPgns;
    std::uint8_t filterChanged = 0;
};

} // namespace KelpLib
