#include "filter/PGNFilterGridAdaptor.h"
#include "filter/PgnFilterGridFields.h"
#include "filter/ZRLDocFilters.h"

#include <gtest/gtest.h>

#include <functional>

using namespace KelpLib;

namespace {

std::shared_ptr<ZRLDocFilters> filtersWith(std::initializer_list<std::uint32_t> pgns, std::uint32_t flags = 0)
{
    auto filters = std::make_shared<ZRLDocFilters>();
    filters->setViewSettings(ViewSettings(flags));
    for (std::uint32_t pgn : pgns)
        filters->addPgn(pgn);
    return filters;
}

// The rows of the filter table, "Line|Enabled|PGN|Name" each, and one row past its end.
std::vector<std::string> rowTexts(const CommonLib::IGridTable& table)
{
    std::vector<std::string> rows;
    for (std::uint32_t row = 0; row <= table.getRowCount(); ++row) {
        std::string texts;
        for (const char* id : {"Line", "Enabled", "PGN", "Name"})
            texts += table.getCellText(row, id) + "|";
        rows.push_back(texts);
    }
    return rows;
}

} // namespace

// The fast-packet view flags: hide the assembly frames by default; copying equal flags is no change.
TEST(ViewSettings, DefaultsCopyAndToggles)
{
    ViewSettings settings;
    EXPECT_TRUE(settings.getFlags() == 1 && settings.isChanged() && settings.hideAssemblyFrames() && !settings.hideAssembled());
    settings.clearChanged();
    settings.copyFrom(ViewSettings(1));
    EXPECT_FALSE(settings.isChanged()) << "equal flags are not a change";
    settings.copyFrom(ViewSettings(2));
    EXPECT_TRUE(settings.isChanged());
    settings.clearChanged();
    settings.toggleHideAssemblyFrames();
    EXPECT_TRUE(settings.isChanged() && settings.getFlags() == 3);
    settings.toggleHideAssembled();
    settings.toggleHideAssemblyFrames();
    EXPECT_FALSE(settings.anyFlagSet());
}

// With no PGN known every PGN passes; known PGNs ascend without repeats; unticking one turns
// filtering on, and then elements without a PGN hide too; a view flag alone turns it on.
TEST(ZRLDocFilters, KnownPgnsAscendAndUntickingActivatesFiltering)
{
    auto none = filtersWith({});
    std::uint32_t pgn = 7;
    EXPECT_TRUE(none->isPgnEnabled(0) && none->isPgnEnabled(127250) && !none->filteringActive());
    EXPECT_EQ(none->knownPgnAt(0, pgn), -2);
    EXPECT_EQ(pgn, 7u);

    auto filters = filtersWith({129025, 127250, 129025});
    std::vector<std::uint32_t> known;
    for (std::uint32_t row = 0; filters->knownPgnAt(row, pgn) == 0; ++row)
        known.push_back(pgn);
    EXPECT_EQ(known, (std::vector<std::uint32_t>{127250, 129025}));
    EXPECT_EQ(filters->knownPgnCount(), 2u);
    EXPECT_FALSE(filters->filteringActive());
    EXPECT_TRUE(filters->togglePgn(129025));
    EXPECT_TRUE(filters->filteringActive());
    EXPECT_FALSE(filters->isPgnEnabled(129025));
    EXPECT_FALSE(filters->isPgnEnabled(0)) << "elements without a PGN hide while filtering";
    EXPECT_EQ(filters->enabledPgnList(), std::vector<std::uint32_t>{127250});
    EXPECT_TRUE(filters->togglePgn(129025));
    EXPECT_FALSE(filters->filteringActive());
    EXPECT_FALSE(filters->togglePgn(59392)) << "a PGN never met cannot be toggled";

    auto flagged = filtersWith({127250}, 1);
    EXPECT_TRUE(flagged->filteringActive() && flagged->isPgnEnabled(127250));
}

// A new filter counts as changed; each of these changes is raised again after being consumed.
TEST(ZRLDocFilters, ChangesAreRaisedAndConsumed)
{
    auto filters = std::make_shared<ZRLDocFilters>();
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"new", [] {}},
        {"rebuilding the list", [&] { filters->addPgn(127250), filters->knownPgnCount(); }},
        {"view settings", [&] { filters->setViewSettings(ViewSettings(3)); }},
        {"disabling all", [&] { filters->disableAllPgns(); }},
    };
    for (const auto& [what, change] : changes) {
        change();
        EXPECT_TRUE(filters->isChanged()) << what;
        filters->consumeChange();
        EXPECT_FALSE(filters->isChanged()) << what;
    }
}

// The table's rows and column traits; an edit of the check box toggles whatever its text, edits
// elsewhere change nothing; the two menu commands hide and view all.
TEST(PgnFilterGridFields, RowsEditsAndCommands)
{
    auto filters = filtersWith({129025, 127250});
    PgnFilterGridFields table(filters, [](const ZRLDocFilters::DefinitionKey& key) { return "name of " + std::to_string(key.pgn); });
    EXPECT_EQ(table.getName() + "|" + table.getTitle() + "|" + table.getColumnId(3) + "|" + table.getCellText(0, "Other"), "fields|Pgn Filter|Name|");
    ASSERT_EQ(table.getColumnCount(), 4u);
    EXPECT_EQ(rowTexts(table), (std::vector<std::string>{"0|true|127250|name of 127250|", "1|true|129025|name of 129025|", "||PGN||"}));
    CommonLib::GridCellTraits traits, plain;
    EXPECT_TRUE(table.getColumnTraits("Enabled", traits));
    EXPECT_TRUE(traits.editorKind == CommonLib::GridEditorCheckBox && traits.alignment == CommonLib::GridAlignCentre);
    EXPECT_FALSE(table.getColumnTraits("PGN", plain));
    EXPECT_EQ(plain.editorKind, CommonLib::GridEditorText);

    std::uint32_t value = 9;
    EXPECT_TRUE(table.getCellValue(1, "Enabled", value) && value == 1u);
    EXPECT_FALSE(table.getCellValue(1, "PGN", value) || table.getCellValue(2, "Enabled", value));
    table.setCellText(1, "Enabled", "true");
    EXPECT_TRUE(table.getCellValue(1, "Enabled", value) && value == 0u);
    EXPECT_EQ(table.getCellText(1, "Enabled"), "false");
    table.setCellText(1, "PGN", "x");
    table.setCellText(5, "Enabled", "x");
    EXPECT_EQ(filters->enabledPgnList(), std::vector<std::uint32_t>{127250});
    table.setCellText(1, "Enabled", "");
    EXPECT_FALSE(filters->filteringActive());

    std::vector<CommonLib::GridMenuItem> items;
    table.getContextMenuItems(items);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(std::to_string(items[0].commandId) + " " + items[0].text + "|" + std::to_string(items[1].commandId) + " " + items[1].text,
              "12004 Hide all PGNs|12003 View all PGNs");
    EXPECT_TRUE(table.onCommand(12004));
    EXPECT_FALSE(filters->isPgnEnabled(127250) || filters->isPgnEnabled(129025));
    EXPECT_TRUE(table.onCommand(12003));
    EXPECT_TRUE(filters->isPgnEnabled(127250) && !filters->filteringActive());
    EXPECT_FALSE(table.onCommand(12002));
}

// The adaptor's one table names PGNs from the database, a PGN it lacks as unknown.
TEST(PGNFilterGridAdaptor, NamesPgnsFromTheDatabase)
{
    auto grid = std::make_shared<PGNFilterGridAdaptor>(filtersWith({131072, 59904 + 17, 127250}));
    EXPECT_EQ(grid->getName(), "PGN Filter");
    ASSERT_EQ(grid->getTableCount(), 1u);
    EXPECT_EQ(grid->getTable(0), grid->fields());
    EXPECT_EQ(rowTexts(*grid->getTable(0)),
              (std::vector<std::string>{"0|true|059921|ISO Request|", "1|true|127250|Vessel Heading|", "2|true|131072|Unknown PGN (131072)|", "||PGN||"}));
}
