// Recursive descent over the tokens: or-expressions of and-expressions of negations of
// comparisons or parenthesised expressions.
#include "query/FilterLexer.h"
#include "query/FilterLiterals.h"
#include "query/FilterSyntax.h"

#include <algorithm>
#include <array>
#include <utility>

namespace KelpLib {

namespace {

struct HeaderTermRow {
    std::string_view name;
    HeaderTerm term;
    TermKind kind;
};

constexpr std::array<HeaderTermRow, 12> headerTerms = {{
    {"line", HeaderTerm::Line, TermKind::Number},
    {"time", HeaderTerm::Time, TermKind::Time},
    {"type", HeaderTerm::Type, TermKind::Text},
    {"pgn", HeaderTerm::Pgn, TermKind::Number},
    {"src", HeaderTerm::Src, TermKind::Number},
    {"dst", HeaderTerm::Dst, TermKind::Number},
    {"pri", HeaderTerm::Pri, TermKind::Number},
    {"size", HeaderTerm::Size, TermKind::Number},
    {"name", HeaderTerm::Name, TermKind::Text},
    {"talker", HeaderTerm::Talker, TermKind::Text},
    {"formatter", HeaderTerm::Formatter, TermKind::Text},
    {"data", HeaderTerm::Data, TermKind::Text},
}};

struct OperatorRow {
    std::string_view text;
    CompareOp op;
};

constexpr std::array<OperatorRow, 9> operators = {{
    {"==", CompareOp::Equal},
    {"!=", CompareOp::NotEqual},
    {"<", CompareOp::Less},
    {"<=", CompareOp::LessEqual},
    {">", CompareOp::Greater},
    {">=", CompareOp::GreaterEqual},
    {"contains", CompareOp::Contains},
    {"matches", CompareOp::Matches},
    {"in", CompareOp::In},
}};

// The literal kinds each term kind may be compared with, and the word an error uses for them.
bool accepts(TermKind term, LiteralKind literal)
{
    switch (term) {
    case TermKind::Number: return literal == LiteralKind::Number;
    case TermKind::Time: return literal == LiteralKind::TimeOfDay || literal == LiteralKind::DateTime;
    case TermKind::Text: return literal == LiteralKind::String;
    case TermKind::Decoded: return true;
    }
    return false;
}

const char* expectedWord(TermKind term)
{
    switch (term) {
    case TermKind::Number: return "a number";
    case TermKind::Time: return "a time";
    case TermKind::Text: return "a string";
    case TermKind::Decoded: break;
    }
    return "a value";
}

struct ParseFailure {
    FilterError error;
};

class Parser {
public:
    Parser(std::vector<FilterToken> tokens, const FieldNameCheck& knownField)
        : tokens_(std::move(tokens)), knownField_(knownField)
    {
    }

    FilterNodePtr parse()
    {
        FilterNodePtr root = orExpression();
        if (peek().kind != FilterToken::Kind::End)
            fail("unexpected " + quoted(peek()), peek());
        return root;
    }

private:
    const FilterToken& peek() const { return tokens_[position_]; }
    const FilterToken& take() { return tokens_[position_ < tokens_.size() - 1 ? position_++ : position_]; }
    bool isSymbol(std::string_view symbol) const
    {
        return peek().kind == FilterToken::Kind::Symbol && peek().text == symbol;
    }
    bool isWord(std::string_view word) const { return peek().kind == FilterToken::Kind::Word && peek().text == word; }

    static std::string quoted(const FilterToken& token)
    {
        if (token.kind == FilterToken::Kind::End)
            return "end of filter";
        return "\"" + token.text + "\"";
    }

    [[noreturn]] static void fail(const std::string& what, const FilterToken& at)
    {
        throw ParseFailure{{"filter: " + what + " at column " + std::to_string(at.column), at.column}};
    }

    static FilterNodePtr join(FilterNode::Kind kind, FilterNodePtr left, FilterNodePtr right)
    {
        auto node = std::make_unique<FilterNode>();
        node->kind = kind;
        node->left = std::move(left);
        node->right = std::move(right);
        return node;
    }

    FilterNodePtr orExpression()
    {
        FilterNodePtr left = andExpression();
        while (isSymbol("||") || isWord("or")) {
            take();
            left = join(FilterNode::Kind::Or, std::move(left), andExpression());
        }
        return left;
    }

    FilterNodePtr andExpression()
    {
        FilterNodePtr left = unary();
        while (isSymbol("&&") || isWord("and")) {
            take();
            left = join(FilterNode::Kind::And, std::move(left), unary());
        }
        return left;
    }

    FilterNodePtr unary()
    {
        if (++depth_ > maxDepth)
            fail("too deeply nested", peek());
        FilterNodePtr node = nestedUnary();
        --depth_;
        return node;
    }

    FilterNodePtr nestedUnary()
    {
        if (isSymbol("!") || isWord("not")) {
            take();
            return join(FilterNode::Kind::Not, unary(), nullptr);
        }
        if (isSymbol("(")) {
            take();
            FilterNodePtr inner = orExpression();
            if (!isSymbol(")"))
                fail("expected \")\"", peek());
            take();
            return inner;
        }
        return comparison();
    }

    FieldRef field()
    {
        const FilterToken& token = peek();
        FieldRef ref;
        ref.name = token.text;
        if (token.kind == FilterToken::Kind::String) {
            if (knownField_ && !knownField_(token.text))
                fail("unknown field \"" + token.text + "\"", token);
            ref.kind = TermKind::Decoded;
        } else if (token.kind == FilterToken::Kind::Word) {
            const auto term = headerTermNamed(token.text);
            if (!term)
                fail("unknown term \"" + token.text + "\"", token);
            ref.header = *term;
            ref.kind = headerTermKind(*term);
        } else {
            fail("expected a field, found " + quoted(token), token);
        }
        take();
        return ref;
    }

    // A value after `after` (the operator, "{" or ","), checked against the term's kind.
    Literal value(const FieldRef& ref, const FilterToken& after)
    {
        const FilterToken& token = peek();
        const std::string afterText = "after \"" + after.text + "\"";
        Literal literal;
        if (token.kind == FilterToken::Kind::String) {
            literal.kind = LiteralKind::String;
            literal.text = token.text;
        } else if (token.kind == FilterToken::Kind::Value) {
            auto parsed = parseValueLiteral(token.text);
            if (!parsed)
                fail(std::string(token.text.find(':') != std::string::npos ? "invalid time" : "invalid number") +
                         " \"" + token.text + "\"",
                     token);
            literal = std::move(*parsed);
        } else {
            fail("expected a value " + afterText, token);
        }
        if (!accepts(ref.kind, literal.kind))
            fail(std::string("expected ") + expectedWord(ref.kind) + " " + afterText, token);
        take();
        return literal;
    }

    FilterNodePtr comparison()
    {
        auto node = std::make_unique<FilterNode>();
        node->field = field();
        const FilterToken& opToken = peek();
        const auto row = std::find_if(operators.begin(), operators.end(), [&](const OperatorRow& r) {
            return (opToken.kind == FilterToken::Kind::Symbol || opToken.kind == FilterToken::Kind::Word) &&
                   r.text == opToken.text;
        });
        if (row == operators.end()) {
            node->kind = FilterNode::Kind::Present;
            return node;
        }
        const FilterToken op = take();
        node->op = row->op;
        switch (row->op) {
        case CompareOp::Contains:
        case CompareOp::Matches: {
            if (peek().kind != FilterToken::Kind::String)
                fail("expected a string after \"" + op.text + "\"", peek());
            Literal pattern;
            pattern.kind = LiteralKind::String;
            pattern.text = take().text;
            if (row->op == CompareOp::Matches) {
                try {
                    node->regex = std::make_shared<const std::regex>(pattern.text, std::regex::ECMAScript);
                } catch (const std::regex_error&) {
                    fail("invalid regular expression \"" + pattern.text + "\"", tokens_[position_ - 1]);
                }
            }
            node->values.push_back(std::move(pattern));
            break;
        }
        case CompareOp::In: {
            if (!isSymbol("{"))
                fail("expected \"{\" after \"in\"", peek());
            FilterToken separator = take();
            for (;;) {
                node->values.push_back(value(node->field, separator));
                if (isSymbol("}"))
                    break;
                if (!isSymbol(","))
                    fail("expected \",\" or \"}\"", peek());
                separator = take();
            }
            take();
            break;
        }
        default:
            node->values.push_back(value(node->field, op));
        }
        return node;
    }

    std::vector<FilterToken> tokens_;
    const FieldNameCheck& knownField_;
    std::size_t position_ = 0;
    // Parentheses and negations nest at most this deep, so no text can exhaust the stack.
    static constexpr int maxDepth = 256;
    int depth_ = 0;
};

} // namespace

std::optional<HeaderTerm> headerTermNamed(std::string_view name)
{
    for (const HeaderTermRow& row : headerTerms)
        if (row.name == name)
            return row.term;
    return std::nullopt;
}

TermKind headerTermKind(HeaderTerm term) { return headerTerms[static_cast<std::size_t>(term)].kind; }

ParsedFilter parseFilter(std::string_view text, const FieldNameCheck& knownField)
{
    ParsedFilter result;
    FilterLexResult lexed = lexFilter(text);
    if (lexed.error) {
        result.error = FilterError{*lexed.error, lexed.errorColumn};
        return result;
    }
    if (lexed.tokens.size() == 1)
        return result; // blank: keeps everything
    try {
        result.root = Parser(std::move(lexed.tokens), knownField).parse();
    } catch (const ParseFailure& failure) {
        result.error = failure.error;
    }
    return result;
}

} // namespace KelpLib
