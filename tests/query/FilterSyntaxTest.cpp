#include "query/FilterLiterals.h"
#include "query/FilterSyntax.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace KelpLib;

namespace {

const char* opText(CompareOp op)
{
    static const char* texts[] = {"==", "!=", "<", "<=", ">", ">=", "contains", "matches", "in"};
    return texts[static_cast<int>(op)];
}

std::string literalText(const Literal& literal)
{
    char number[32];
    std::snprintf(number, sizeof number, "%g", literal.number);
    if (literal.kind == LiteralKind::Number || literal.kind == LiteralKind::String)
        return literal.kind == LiteralKind::Number ? number : "'" + literal.text + "'";
    return (literal.kind == LiteralKind::TimeOfDay ? "t" : "d") + std::to_string(literal.millis);
}

// The tree as an S-expression: (and a b), (or a b), (not a), (op field value...), field.
std::string tree(const FilterNode& node)
{
    switch (node.kind) {
    case FilterNode::Kind::And: return "(and " + tree(*node.left) + " " + tree(*node.right) + ")";
    case FilterNode::Kind::Or: return "(or " + tree(*node.left) + " " + tree(*node.right) + ")";
    case FilterNode::Kind::Not: return "(not " + tree(*node.left) + ")";
    case FilterNode::Kind::Present: return node.field.name;
    case FilterNode::Kind::Compare: break;
    }
    std::string text = std::string("(") + opText(node.op) + " " + node.field.name;
    for (const Literal& value : node.values)
        text += " " + literalText(value);
    return text + ")";
}

std::string parsed(const std::string& text)
{
    const ParsedFilter result = parseFilter(text, [](std::string_view name) { return name != "Wnd Speed"; });
    if (result.error)
        return result.error->message;
    return result.root ? tree(*result.root) : "all";
}

} // namespace

TEST(FilterSyntax, GrammarPrecedenceOperatorsAndLiterals)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "all"},
        {"  \t", "all"},
        {"pgn == 130306", "(== pgn 130306)"},
        {"pgn==0x1FD02", "(== pgn 130306)"},
        {"src != 35 && dst < 255 || pri <= 3", "(or (and (!= src 35) (< dst 255)) (<= pri 3))"},
        {"line > 1 or size >= 8 and not pgn", "(or (> line 1) (and (>= size 8) (not pgn)))"},
        {"!(line > 1 || size > 2) && talker", "(and (not (or (> line 1) (> size 2))) talker)"},
        {"((line == 1))", "(== line 1)"},
        {"!!line", "(not (not line))"},
        {"\"Wind Speed\" > 10.5", "(> Wind Speed 10.5)"},
        {"\"Heading\" >= -0.25", "(>= Heading -0.25)"},
        {"name contains \"wind\"", "(contains name 'wind')"},
        {"name matches \"^W.*d$\"", "(matches name '^W.*d$')"},
        {"type in {\"N2K\", \"N183\"}", "(in type 'N2K' 'N183')"},
        {"data == \"a\\\"b\\\\\"", "(== data 'a\"b\\')"},
        {"time >= 09:00:00", "(>= time t32400000)"},
        {"time < 23:59:59.5", "(< time t86399500)"},
        {"time < 0:00:01.25", "(< time t1250)"},
        {"time > 1601-01-01T00:00:01Z", "(> time d1000)"},
        {"time > 1601-01-01T01:00:01+01:00", "(> time d1000)"},
        {"time > 1970-01-01T00:00:00.123", "(> time d11644473600123)"},
        {"\"Time\" > 12:00:00", "(> Time t43200000)"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(parsed(text), expected) << text;
}

TEST(FilterSyntax, EveryErrorNamesItsColumn)
{
    const std::pair<const char*, const char*> cases[] = {
        {"pgn ==", "filter: expected a value after \"==\" at column 7"},
        {"pgn == )", "filter: expected a value after \"==\" at column 8"},
        {"\"Wnd Speed\" > 3", "filter: unknown field \"Wnd Speed\" at column 1"},
        {"pgn == 1 && \"Wnd Speed\"", "filter: unknown field \"Wnd Speed\" at column 13"},
        {"colour == 3", "filter: unknown term \"colour\" at column 1"},
        {"5 == pgn", "filter: expected a field, found \"5\" at column 1"},
        {"pgn == 1 &&", "filter: expected a field, found end of filter at column 12"},
        {"pgn == 1 2", "filter: unexpected \"2\" at column 10"},
        {"(pgn == 1", "filter: expected \")\" at column 10"},
        {"pgn == 1)", "filter: unexpected \")\" at column 9"},
        {"pgn = 1", "filter: unexpected character \"=\" at column 5"},
        {"name == \"abc", "filter: unterminated string at column 9"},
        {"pgn == 12x", "filter: invalid number \"12x\" at column 8"},
        {"pgn == 0x", "filter: invalid number \"0x\" at column 8"},
        {"time > 24:00:00", "filter: invalid time \"24:00:00\" at column 8"},
        {"time > 2024-02-30T00:00:00", "filter: invalid time \"2024-02-30T00:00:00\" at column 8"},
        {"pgn == \"x\"", "filter: expected a number after \"==\" at column 8"},
        {"time < 5", "filter: expected a time after \"<\" at column 8"},
        {"name == 5", "filter: expected a string after \"==\" at column 9"},
        {"name contains 5", "filter: expected a string after \"contains\" at column 15"},
        {"name matches \"(\"", "filter: invalid regular expression \"(\" at column 14"},
        {"pgn in 1", "filter: expected \"{\" after \"in\" at column 8"},
        {"pgn in {1 2}", "filter: expected \",\" or \"}\" at column 11"},
        {"pgn in {1,}", "filter: expected a value after \",\" at column 11"},
        {"pgn in {\"a\"}", "filter: expected a number after \"{\" at column 9"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(parsed(text), expected) << text;

    EXPECT_EQ(parsed(std::string(300, '(') + "line"), "filter: too deeply nested at column 257");
    const ParsedFilter error = parseFilter("pgn ==");
    ASSERT_TRUE(error.error);
    EXPECT_EQ(error.error->column, 7u);
}

TEST(FilterSyntax, CalendarDatesAtTheirBoundaries)
{
    // The origin and 1970 are pinned by the date-time rows of the grammar table.
    EXPECT_EQ(millisSince1601(2024, 3, 1, 0) - millisSince1601(2024, 2, 28, 0), 2 * millisPerDay) << "leap year";
    EXPECT_TRUE(parseValueLiteral("2024-02-29T00:00:00"));
    EXPECT_FALSE(parseValueLiteral("2023-02-29T00:00:00"));
    EXPECT_FALSE(parseValueLiteral("1600-12-31T23:59:59"));
    EXPECT_FALSE(parseValueLiteral("12:60:00"));
    EXPECT_FALSE(parseValueLiteral("12:00:00.1234"));
}
