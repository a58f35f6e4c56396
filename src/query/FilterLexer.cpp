#include "query/FilterLexer.h"

#include <array>
#include <cctype>

namespace KelpLib {

namespace {

// Longest first, so "<=" is taken before "<".
constexpr std::array<std::string_view, 14> symbols = {"==", "!=", "<=", ">=", "&&", "||", "<",
                                                      ">",  "!",  "(",  ")",  "{",  "}",  ","};

bool isWordStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0 || c == '_'; }
bool isWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }
bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
bool isValueChar(char c) { return isWordChar(c) || c == '.' || c == ':' || c == '-' || c == '+'; }

std::string columnText(std::size_t index) { return " at column " + std::to_string(index + 1); }

} // namespace

FilterLexResult lexFilter(std::string_view text)
{
    FilterLexResult result;
    std::size_t i = 0;
    auto fail = [&](const std::string& what, std::size_t at) {
        result.error = "filter: " + what + columnText(at);
        result.errorColumn = static_cast<std::uint32_t>(at + 1);
        return result;
    };
    while (i < text.size()) {
        const char c = text[i];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
            continue;
        }
        FilterToken token;
        token.column = static_cast<std::uint32_t>(i + 1);
        const std::size_t start = i;
        if (c == '"') {
            token.kind = FilterToken::Kind::String;
            ++i;
            while (i < text.size() && text[i] != '"') {
                if (text[i] == '\\' && i + 1 < text.size())
                    ++i;
                token.text += text[i++];
            }
            if (i >= text.size())
                return fail("unterminated string", start);
            ++i;
        } else if (isDigit(c) || (c == '-' && i + 1 < text.size() && isDigit(text[i + 1]))) {
            token.kind = FilterToken::Kind::Value;
            ++i;
            while (i < text.size() && isValueChar(text[i]))
                ++i;
            token.text = text.substr(start, i - start);
        } else if (isWordStart(c)) {
            token.kind = FilterToken::Kind::Word;
            while (i < text.size() && isWordChar(text[i]))
                ++i;
            token.text = text.substr(start, i - start);
        } else {
            token.kind = FilterToken::Kind::Symbol;
            for (std::string_view symbol : symbols)
                if (text.substr(i, symbol.size()) == symbol) {
                    token.text = symbol;
                    break;
                }
            if (token.text.empty())
                return fail("unexpected character \"" + std::string(1, c) + "\"", start);
            i += token.text.size();
        }
        result.tokens.push_back(std::move(token));
    }
    FilterToken end;
    end.column = static_cast<std::uint32_t>(text.size() + 1);
    result.tokens.push_back(end);
    return result;
}

} // namespace KelpLib
