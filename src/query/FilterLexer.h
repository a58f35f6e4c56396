#pragma once
// Splits a filter text into tokens with their 1-based columns.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace KelpLib {

struct FilterToken {
    enum class Kind : std::uint8_t { Word, String, Value, Symbol, End };
    Kind kind = Kind::End;
    std::string text; // String: the unescaped content; others: as written
    std::uint32_t column = 0;
};

struct FilterLexResult {
    std::vector<FilterToken> tokens; // ends with an End token
    std::optional<std::string> error; // "filter: ... at column N"
    std::uint32_t errorColumn = 0;
};

// Words are letters, digits and '_' starting with a letter; values start with a digit or a
// '-' before a digit and run over the characters of numbers, times and date-times; strings are
// double-quoted with \" and \\ escapes; symbols are == != <= >= < > && || ! ( ) { } ,.
FilterLexResult lexFilter(std::string_view text);

} // namespace KelpLib
