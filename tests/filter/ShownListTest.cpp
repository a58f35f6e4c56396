#include "support/N2kPayloads.h"
#include "support/LoadedLog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace ZrlTest;
using namespace KelpLib;

namespace {

using Loaded = LoadedLog;

ZrlWriter twoPgnsAndASentence()
{
    ZrlWriter log;
    log.bstFrame(bst93(2, 127250, 255, 35, 0, pgn127250(1, 1.0, 0, 0, 1)))
        .bstFrame(bst93(2, 129025, 255, 3, 0, pgn129025(50, -1)))
        .sentenceWithChecksum("$GPGGA,1");
    return log;
}

// Keeps the elements whose line is even.
struct EvenLines : ElementPredicate {
    bool keeps(const ZRLDoc&, ElementLine line) const override { return line.value % 2 == 0; }
};

} // namespace

// A disabled PGN hides its elements and those without a PGN; the fast-packet switches alone
// leave them shown. A predicate is anded with the filter; getters do not mark the filter changed.
TEST(ShownList, PgnFilterAndPredicate)
{
    Loaded log(twoPgnsAndASentence());
    EXPECT_EQ(log.lines(), (std::vector<std::uint32_t>{0, 1, 2}));
    log.shown.filters().knownPgnCount(), log.shown.filters().filteringActive(), log.shown.filters().enabledPgnList();
    EXPECT_FALSE(log.shown.refresh()) << "nothing changed since the build";
    log.shown.filters().togglePgn(127250);
    EXPECT_TRUE(log.shown.refresh());
    EXPECT_EQ(log.lines(), (std::vector<std::uint32_t>{1}));
    EXPECT_EQ(log.shown.element(ShownRow(0)).pgn(), 129025u);
    log.shown.filters().togglePgn(127250);
    log.shown.setViewSettings(ViewSettings(3));
    EXPECT_TRUE(log.shown.refresh());
    EXPECT_EQ(log.lines(), (std::vector<std::uint32_t>{0, 1, 2}));

    log.shown.setPredicate(std::make_shared<EvenLines>());
    EXPECT_TRUE(log.shown.refresh());
    EXPECT_EQ(log.lines(), (std::vector<std::uint32_t>{0, 2}));
    log.shown.filters().togglePgn(129025);
    log.shown.refresh();
    EXPECT_EQ(log.lines(), (std::vector<std::uint32_t>{0})) << "a disabled PGN hides the sentence too";
    log.shown.setPredicate(nullptr);
    log.shown.refresh();
    EXPECT_EQ(log.lines(), (std::vector<std::uint32_t>{0}));
}

// Two makers' definitions of one proprietary PGN and a message neither matches are three rows
// of the filter; hiding one hides exactly its messages, and the PGN-level calls still work.
TEST(ShownList, DefinitionFilterHidesOneMakersVariant)
{
    ZrlWriter writer;
    for (const std::uint16_t maker : {1857, 137, 273, 1857})
        writer.bstFrame(bst93(6, 130820, 255, 35, 0, proprietaryPayload(maker, 4, {0x02, 0x00})));
    writer.bstFrame(bst93(2, 127250, 255, 35, 0, pgn127250(1, 1.0, 0, 0, 1)));
    Loaded log(writer);
    ZRLDocFilters& filters = log.shown.filters();
    const struct {
        const char* name;
        std::vector<std::uint32_t> shownWhenHidden;
    } cases[] = {
        {"Vessel Heading", {0, 1, 2, 3}},
        {"Manu. Proprietary fast-packet broadcast", {0, 1, 3, 4}},
        {"Maretron: Alert Response", {0, 2, 3, 4}},
        {"Simnet: Reprogram Status", {1, 2, 4}},
    };
    std::map<std::string, ZRLDocFilters::DefinitionKey> rows;
    ZRLDocFilters::DefinitionKey key;
    for (std::uint32_t row = 0; filters.knownDefinitionAt(row, key) == 0; ++row)
        rows[StandardsLib::definitionName(key)] = key;
    ASSERT_EQ(rows.size(), std::size(cases));
    EXPECT_EQ(filters.knownPgnCount(), 2u);
    for (const auto& c : cases) {
        ASSERT_EQ(rows.count(c.name), 1u) << c.name;
        filters.toggleDefinition(rows[c.name]);
        EXPECT_TRUE(log.shown.refresh());
        EXPECT_EQ(log.lines(), c.shownWhenHidden) << c.name;
        EXPECT_TRUE(filters.isPgnEnabled(130820)) << c.name;
        // Exports keep the same messages of the proprietary PGN.
        StandardsLib::DefinitionKeyCache cache;
        for (std::uint32_t line = 0; line < 4; ++line)
            EXPECT_EQ(log.shown.definitionKept(ElementLine(line), cache),
                      std::count(c.shownWhenHidden.begin(), c.shownWhenHidden.end(), line) == 1)
                << c.name << " line " << line;
        filters.toggleDefinition(rows[c.name]);
        log.shown.refresh();
    }
    EXPECT_TRUE(filters.togglePgn(130820));
    log.shown.refresh();
    EXPECT_EQ(log.lines(), (std::vector<std::uint32_t>{4}));
    EXPECT_EQ(filters.enabledPgnList(), (std::vector<std::uint32_t>{127250}));
}

TEST(ShownList, RowOfAndNearestRow)
{
    ZrlWriter log;
    for (int i = 0; i < 10; ++i)
        log.sentenceWithChecksum("$GPGGA," + std::to_string(i));
    Loaded loaded(log);
    loaded.shown.setPredicate(std::make_shared<EvenLines>()); // lines 0 2 4 6 8
    loaded.shown.refresh();
    EXPECT_EQ(loaded.shown.rowOf(ElementLine(4)), ShownRow(2));
    EXPECT_EQ(loaded.shown.rowOf(ElementLine(5)), std::nullopt);
    // A line between two shown ones goes to the earlier on a tie.
    for (const auto& [line, row] : std::initializer_list<std::pair<std::uint32_t, std::uint32_t>>{{0, 0}, {1, 0}, {3, 1}, {4, 2}, {8, 4}, {9, 4}, {1000, 4}})
        EXPECT_EQ(loaded.shown.nearestRow(ElementLine(line)), ShownRow(row)) << "line " << line;

    ZRLDoc empty;
    ShownList none(empty);
    none.rebuild();
    EXPECT_EQ(none.nearestRow(ElementLine(0)), std::nullopt);
}
