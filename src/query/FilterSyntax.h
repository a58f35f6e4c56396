#pragma once
// The display-filter language as written: tokens, the parsed expression and its errors. Pure
// text handling: which decoded field names exist is asked of the caller.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <regex>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace KelpLib {

// The element header terms, each read from the element alone.
enum class HeaderTerm : std::uint8_t { Line, Time, Type, Pgn, Src, Dst, Pri, Size, Name, Talker, Formatter, Data };

// What a term holds, which decides the literals it may be compared with.
enum class TermKind : std::uint8_t { Number, Time, Text, Decoded };

enum class CompareOp : std::uint8_t { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual, Contains, Matches, In };

enum class LiteralKind : std::uint8_t { Number, String, TimeOfDay, DateTime };

struct Literal {
    LiteralKind kind = LiteralKind::Number;
    double number = 0;        // Number
    std::int64_t millis = 0;  // TimeOfDay: since midnight UTC; DateTime: since 1601-01-01 UTC
    std::string text;         // String, or the text as written for the others
};

// A header term or a decoded field by the name the details pane shows.
struct FieldRef {
    TermKind kind = TermKind::Number;
    HeaderTerm header = HeaderTerm::Line; // when kind is not Decoded
    std::string name;                     // as written (Decoded: the field name)
};

struct FilterNode;
using FilterNodePtr = std::unique_ptr<FilterNode>;

struct FilterNode {
    enum class Kind : std::uint8_t { And, Or, Not, Compare, Present };
    Kind kind = Kind::Compare;
    FilterNodePtr left, right; // And, Or: both; Not: left
    FieldRef field;            // Compare, Present
    CompareOp op = CompareOp::Equal;
    std::vector<Literal> values;        // one, or the members of an "in" set
    std::shared_ptr<const std::regex> regex; // Matches
};

struct FilterError {
    std::string message; // "filter: ... at column N"
    std::uint32_t column = 0;
};

// The result of a parse: a tree, or null for a blank text (keeps everything), or an error.
struct ParsedFilter {
    FilterNodePtr root;
    std::optional<FilterError> error;
};

// True when some definition has a decoded field of that name.
using FieldNameCheck = std::function<bool(std::string_view)>;

// Parses a filter. `knownField` decides which quoted field names exist; without it every name
// is accepted.
ParsedFilter parseFilter(std::string_view text, const FieldNameCheck& knownField = {});

// The header term called `name` ("pgn", "src", ...), if any, and its kind.
std::optional<HeaderTerm> headerTermNamed(std::string_view name);
TermKind headerTermKind(HeaderTerm term);

} // namespace KelpLib
