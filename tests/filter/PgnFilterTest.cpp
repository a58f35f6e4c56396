#include "filter/PGNFilterGridAdaptor.h"
#include "filter/PgnFilterGridFields.h"
#include "filter/ZRLDocFilters.h"

#include <gtest/gtest.h>

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

std::string rowTexts(const CommonLib::IGridTable& table, std::uint32_t row)
{
    std::string texts;
    for (const char* id : {"Line", "Enabled", "PGN", "Name"})
        texts += table.getCellText(row, id) + "|";
    return texts;
}

} // namespace

TEST(ViewSettings, DefaultsCopyAndToggles)
{
    ViewSettings settings;
    EXPECT_EQ(settings.getFlags(), 1u);
    EXPECT_TRUE(settings.isChanged());
    EXPECT_TRUE(settings.hideAssemblyFrames());
    EXPECT_FALSE(settings.hideAssembled());

    settings.clearChanged();
    settings.copyFrom(ViewSettings(1));
    EXPECT_FALSE(settings.isChanged()) << "equal flags are not a change";
    settings.copyFrom(ViewSettings(2));
    EXPECT_TRUE(settings.isChanged());
    EXPECT_EQ(settings.getFlags(), 2u);

    settings.clearChanged();
    settings.toggleHideAssemblyFrames();
    EXPECT_TRUE(settings.isChanged());
    EXPECT_EQ(settings.getFlags(), 3u);
    settings.toggleHideAssembled();
    settings.toggleHideAssemblyFrames();
    EXPECT_FALSE(settings.anyFlagSet());
}

TEST(ZRLDocFilters, EmptyFilterPassesEveryPgn)
{
    auto filters = filtersWith({});
    EXPECT_TRUE(filters->isPgnEnabled(0));
    EXPECT_TRUE(filters->isPgnEnabled(127250));
    EXPECT_EQ(filters->knownPgnCount(), 0u);
    EXPECT_FALSE(filters->filteringActive());
    std::uint32_t pgn = 7;
    EXPECT_EQ(filters->knownPgnAt(0, pgn), -2);
    EXPECT_EQ(pgn, 7u);
}

TEST(ZRLDocFilters, KnownPgnsAscendAndUntickingActivatesFiltering)
{
    auto filters = filtersWith({129025, 127250, 129025});
    EXPECT_EQ(filters->knownPgnCount(), 2u);
    std::uint32_t pgn = 0;
    ASSERT_EQ(filters->knownPgnAt(0, pgn), 0);
    EXPECT_EQ(pgn, 127250u);
    ASSERT_EQ(filters->knownPgnAt(1, pgn), 0);
    EXPECT_EQ(pgn, 129025u);
    EXPECT_EQ(filters->knownPgnAt(2, pgn), -2);
    EXPECT_FALSE(filters->filteringActive());

    EXPECT_TRUE(filters->togglePgn(129025));
    EXPECT_TRUE(filters->filteringActive());
    EXPECT_FALSE(filters->isPgnEnabled(129025));
    EXPECT_FALSE(filters->isPgnEnabled(0)) << "elements without a PGN hide while filtering";
    EXPECT_EQ(filters->enabledPgnList(), std::vector<std::uint32_t>{127250});

    EXPECT_TRUE(filters->togglePgn(129025));
    EXPECT_FALSE(filters->filteringActive());
    EXPECT_FALSE(filters->togglePgn(59392)) << "a PGN never met cannot be toggled";
}

TEST(ZRLDocFilters, ViewFlagAloneActivatesFiltering)
{
    auto filters = filtersWith({127250}, 1);
    EXPECT_TRUE(filters->filteringActive());
    EXPECT_TRUE(filters->isPgnEnabled(127250));
}

TEST(ZRLDocFilters, ChangesAreRaisedAndConsumed)
{
    auto filters = std::make_shared<ZRLDocFilters>();
    EXPECT_TRUE(filters->isChanged()) << "a new filter counts as changed";
    filters->consumeChange();
    EXPECT_FALSE(filters->isChanged());

    filters->addPgn(127250);
    filters->knownPgnCount();
    EXPECT_TRUE(filters->isChanged()) << "rebuilding the list is a change";
    filters->consumeChange();

    filters->setViewSettings(ViewSettings(3));
    EXPECT_TRUE(filters->isChanged());
    EXPECT_EQ(filters->viewSettings().getFlags(), 3u);
    filters->consumeChange();
    filters->disableAllPgns();
    EXPECT_TRUE(filters->isChanged());
}

TEST(PgnFilterGridFields, RowsColumnsAndTexts)
{
    auto filters = filtersWith({129025, 59392});
    PgnFilterGridFields table(filters, [](const ZRLDocFilters::DefinitionKey& key) { return "name of " + std::to_string(key.pgn); });
    EXPECT_EQ(table.getName(), "fields");
    EXPECT_EQ(table.getTitle(), "Pgn Filter");
    ASSERT_EQ(table.getColumnCount(), 4u);
    EXPECT_EQ(table.getColumnId(3), "Name");
    EXPECT_EQ(table.getRowCount(), 2u);
    EXPECT_EQ(rowTexts(table, 0), "0|true|059392|name of 59392|");
    EXPECT_EQ(rowTexts(table, 1), "1|true|129025|name of 129025|");
    EXPECT_EQ(rowTexts(table, 2), "||PGN||");
    EXPECT_EQ(table.getCellText(0, "Other"), "");

    CommonLib::GridCellTraits traits;
    EXPECT_TRUE(table.getColumnTraits("Enabled", traits));
    EXPECT_EQ(traits.editorKind, CommonLib::GridEditorCheckBox);
    EXPECT_EQ(traits.alignment, CommonLib::GridAlignCentre);
    CommonLib::GridCellTraits plain;
    EXPECT_FALSE(table.getColumnTraits("PGN", plain));
    EXPECT_EQ(plain.editorKind, CommonLib::GridEditorText);
}

TEST(PgnFilterGridFields, CheckBoxEditsToggleWhateverTheText)
{
    auto filters = filtersWith({127250, 129025}, 0);
    PgnFilterGridFields table(filters, {});
    std::uint32_t value = 9;
    ASSERT_TRUE(table.getCellValue(1, "Enabled", value));
    EXPECT_EQ(value, 1u);
    EXPECT_FALSE(table.getCellValue(1, "PGN", value));
    EXPECT_FALSE(table.getCellValue(2, "Enabled", value));

    table.setCellText(1, "Enabled", "true");
    ASSERT_TRUE(table.getCellValue(1, "Enabled", value));
    EXPECT_EQ(value, 0u);
    EXPECT_EQ(table.getCellText(1, "Enabled"), "false");
    EXPECT_TRUE(filters->filteringActive());

    table.setCellText(1, "PGN", "x");
    table.setCellText(5, "Enabled", "x");
    EXPECT_EQ(filters->enabledPgnList(), std::vector<std::uint32_t>{127250});
    table.setCellText(1, "Enabled", "");
    EXPECT_FALSE(filters->filteringActive());
}

TEST(PgnFilterGridFields, HideAllAndViewAllCommands)
{
    auto filters = filtersWith({127250, 129025}, 0);
    PgnFilterGridFields table(filters, {});
    std::vector<CommonLib::GridMenuItem> items;
    table.getContextMenuItems(items);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].commandId, 12004);
    EXPECT_EQ(items[0].text, "Hide all PGNs");
    EXPECT_EQ(items[1].commandId, 12003);
    EXPECT_EQ(items[1].text, "View all PGNs");

    filters->consumeChange();
    EXPECT_TRUE(table.onCommand(12004));
    EXPECT_TRUE(filters->isChanged());
    EXPECT_FALSE(filters->isPgnEnabled(127250));
    EXPECT_FALSE(filters->isPgnEnabled(129025));
    EXPECT_TRUE(table.onCommand(12003));
    EXPECT_TRUE(filters->isPgnEnabled(127250));
    EXPECT_FALSE(filters->filteringActive());
    EXPECT_FALSE(table.onCommand(12002));
}

TEST(PGNFilterGridAdaptor, HoldsTheFilterTable)
{
    auto filters = filtersWith({127250});
    auto grid = std::make_shared<PGNFilterGridAdaptor>(filters);
    EXPECT_EQ(grid->getName(), "PGN Filter");
    EXPECT_EQ(grid->getTableCount(), 1u);
    EXPECT_EQ(grid->getTable(0), grid->fields());
    EXPECT_EQ(grid->getTable(0)->getCellText(0, "PGN"), "127250");
    EXPECT_EQ(grid->getTable(0)->getCellText(0, "Name"), "Vessel Heading");
}

TEST(PGNFilterGridAdaptor, NamesAPgnTheDatabaseLacksAsUnknown)
{
    auto grid = std::make_shared<PGNFilterGridAdaptor>(filtersWith({131072, 59904 + 17}));
    EXPECT_EQ(grid->getTable(0)->getCellText(0, "Name"), "ISO Request");
    EXPECT_EQ(grid->getTable(0)->getCellText(1, "Name"), "Unknown PGN (131072)");
}
