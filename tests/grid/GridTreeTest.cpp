#include "grid/GridTable.h"
#include "grid/GridText.h"
#include "grid/GridTreeJson.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace CommonLib;

namespace {

// A table that persists one text and one number per row.
struct SettingsTable : GridTable {
    explicit SettingsTable(std::string title) : GridTable("settings", std::move(title)) {}

    void setRows(std::vector<std::pair<std::string, int>> values)
    {
        rows = std::move(values);
        setRowCount(static_cast<std::uint32_t>(rows.size()));
    }
    void saveRow(std::uint32_t row, GridPropertyTree& out) const override
    {
        out.put(L"text", widenText(rows.at(row).first));
        out.put(L"number", rows.at(row).second);
    }
    void loadRow(const GridPropertyTree& row) override
    {
        loaded.emplace_back(narrowText(row.get<std::wstring>(L"text", L"")), row.get<int>(L"number", -1));
    }
    std::vector<std::pair<std::string, int>> rows;
    std::vector<std::pair<std::string, int>> loaded;
};

} // namespace

// The default saveRow writes one empty entry per row.
TEST(GridTree, DefaultSaveRowWritesOneEmptyEntryPerRow)
{
    struct ThreeRows : GridTable {
        ThreeRows() : GridTable("n", "Three") { setRowCount(3); }
    };
    GridPropertyTree tree;
    std::make_shared<ThreeRows>()->saveTree(tree);
    EXPECT_EQ(gridTreeToJson(tree, false), "{\"table_name\":\"Three\",\"rows\":[\"\",\"\",\"\"]}\n");
}

// Rows written, turned into JSON text and read back: quotes, backslashes, slashes and code-page
// characters (0xB0 the degree sign, 0x92 the right single quotation mark) survive as UTF-8.
TEST(GridTree, RoundTripThroughJsonText)
{
    auto source = std::make_shared<SettingsTable>("T\xB0");
    source->setRows({{"first", 1}, {"quote \" and \\ slash /", -20}, {"", 0}, {"12\xB0 it\x92s", 5}});
    GridPropertyTree tree;
    source->saveTree(tree);
    const std::string json = gridTreeToJson(tree, false);
    EXPECT_NE(json.find("\"T\xC2\xB0\""), std::string::npos) << json;
    EXPECT_NE(json.find("\\u2019"), std::string::npos) << json;

    GridPropertyTree read;
    ASSERT_TRUE(gridTreeFromJson(json, read));
    EXPECT_EQ(narrowText(read.get<std::wstring>(L"table_name")), "T\xB0");
    auto target = std::make_shared<SettingsTable>("other");
    target->loadTree(read.get_child(L"rows"));
    EXPECT_EQ(target->loaded, source->rows);
    ASSERT_TRUE(gridTreeFromJson(gridTreeToJson(tree), read)); // the indented form reads the same
    EXPECT_EQ(read, tree);
}

// Malformed text, trailing text and an embedded zero byte are refused and leave the tree empty;
// invalid UTF-8 inside a string reads as the replacement character.
TEST(GridTree, MalformedJsonIsRefused)
{
    const std::string texts[] = {"", "{", "{\"a\":}", "[1,2", "{\"a\":\"\\uZZZZ\"}", "\xFF\xFE{}", "{} trailing",
                                 std::string("{\"a\":\"x\xC3\"}\0junk", 16)};
    for (const std::string& text : texts) {
        GridPropertyTree tree;
        tree.put(L"stale", 1);
        EXPECT_FALSE(gridTreeFromJson(text, tree)) << text;
        EXPECT_TRUE(tree.empty()) << text;
    }
    GridPropertyTree tree;
    ASSERT_TRUE(gridTreeFromJson(std::string("{\"a\":\"x\xC3\"}"), tree));
    EXPECT_EQ(tree.get<std::wstring>(L"a"), L"x\xFFFD");
}
