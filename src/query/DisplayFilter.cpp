#include "query/DisplayFilter.h"

#include "query/ElementFacts.h"
#include "query/FilterLiterals.h"

#include "log/ZRLDoc.h"

#include <algorithm>
#include <cctype>

namespace KelpLib {

struct DisplayFilter::Condition {
    FilterNode::Kind kind = FilterNode::Kind::Compare;
    std::unique_ptr<Condition> left, right;
    FieldRef field;
    const DecodedField* decoded = nullptr;
    CompareOp op = CompareOp::Equal;
    std::vector<Literal> values;
    std::string lowered; // Contains: the lower-case needle
    std::shared_ptr<const std::regex> regex;
};

namespace {

using Condition = DisplayFilter::Condition;

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

template <typename T>
bool ordered(const T& value, CompareOp op, const T& literal)
{
    switch (op) {
    case CompareOp::Equal:
    case CompareOp::In: return value == literal;
    case CompareOp::NotEqual: return value != literal;
    case CompareOp::Less: return value < literal;
    case CompareOp::LessEqual: return value <= literal;
    case CompareOp::Greater: return value > literal;
    case CompareOp::GreaterEqual: return value >= literal;
    default: return false;
    }
}

// Applies the condition's operator to a value through `one`, which compares it with one
// literal; "in" asks every member of the set.
template <typename One>
bool anyLiteral(const Condition& condition, One one)
{
    return std::any_of(condition.values.begin(), condition.values.end(), one);
}

bool textMatches(const std::string& text, const Condition& condition)
{
    if (condition.op == CompareOp::Contains)
        return lowerCase(text).find(condition.lowered) != std::string::npos;
    if (condition.op == CompareOp::Matches)
        return std::regex_search(text, *condition.regex);
    return anyLiteral(condition, [&](const Literal& literal) { return ordered(text, condition.op, literal.text); });
}

bool isTextOperator(CompareOp op) { return op == CompareOp::Contains || op == CompareOp::Matches; }

bool numberMatches(double value, const Condition& condition)
{
    return anyLiteral(condition, [&](const Literal& literal) { return ordered(value, condition.op, literal.number); });
}

bool timeMatches(std::uint64_t fileTime, const Condition& condition)
{
    const auto millis = static_cast<std::int64_t>(fileTime / 10000);
    return anyLiteral(condition, [&](const Literal& literal) {
        const std::int64_t value = literal.kind == LiteralKind::TimeOfDay ? millis % millisPerDay : millis;
        return ordered(value, condition.op, literal.millis);
    });
}

// A decoded value against a literal: numbers and times of day (as seconds) with the value's
// number, strings with its text.
bool decodedMatches(const DecodedValue& value, const Condition& condition)
{
    if (isTextOperator(condition.op))
        return textMatches(value.text, condition);
    return anyLiteral(condition, [&](const Literal& literal) {
        switch (literal.kind) {
        case LiteralKind::String: return ordered(value.text, condition.op, literal.text);
        case LiteralKind::Number: return value.number && ordered(*value.number, condition.op, literal.number);
        case LiteralKind::TimeOfDay:
            return value.number && ordered(*value.number, condition.op, double(literal.millis) / 1000);
        case LiteralKind::DateTime: return false;
        }
        return false;
    });
}

bool compare(const Condition& condition, ElementFacts& facts)
{
    const FieldRef& field = condition.field;
    if (field.kind == TermKind::Decoded) {
        const auto payload = facts.payload();
        return payload && condition.decoded->anyValue(*payload, [&](const DecodedValue& value) {
            return decodedMatches(value, condition);
        });
    }
    if (isTextOperator(condition.op) || field.kind == TermKind::Text) {
        const std::string text = facts.text(field.header);
        return !text.empty() && textMatches(text, condition);
    }
    if (field.kind == TermKind::Time) {
        const auto time = facts.fileTime();
        return time && timeMatches(*time, condition);
    }
    const auto number = facts.number(field.header);
    return number && numberMatches(*number, condition);
}

bool present(const Condition& condition, ElementFacts& facts)
{
    switch (condition.field.kind) {
    case TermKind::Decoded: {
        const auto payload = facts.payload();
        return payload && condition.decoded->anyValue(*payload, [](const DecodedValue&) { return true; });
    }
    case TermKind::Time: return facts.fileTime().has_value();
    case TermKind::Number: return facts.number(condition.field.header).has_value();
    case TermKind::Text: return !facts.text(condition.field.header).empty();
    }
    return false;
}

bool evaluate(const Condition& condition, ElementFacts& facts)
{
    switch (condition.kind) {
    case FilterNode::Kind::And: return evaluate(*condition.left, facts) && evaluate(*condition.right, facts);
    case FilterNode::Kind::Or: return evaluate(*condition.left, facts) || evaluate(*condition.right, facts);
    case FilterNode::Kind::Not: return !evaluate(*condition.left, facts);
    case FilterNode::Kind::Present: return present(condition, facts);
    case FilterNode::Kind::Compare: return compare(condition, facts);
    }
    return false;
}

} // namespace

namespace {

std::unique_ptr<Condition> compileNode(const FilterNode& node,
                                       std::vector<std::unique_ptr<DecodedField>>& decodedFields)
{
    auto condition = std::make_unique<Condition>();
    condition->kind = node.kind;
    if (node.left)
        condition->left = compileNode(*node.left, decodedFields);
    if (node.right)
        condition->right = compileNode(*node.right, decodedFields);
    condition->field = node.field;
    condition->op = node.op;
    condition->values = node.values;
    condition->regex = node.regex;
    if (node.op == CompareOp::Contains && !node.values.empty())
        condition->lowered = lowerCase(node.values.front().text);
    if ((node.kind == FilterNode::Kind::Compare || node.kind == FilterNode::Kind::Present) &&
        node.field.kind == TermKind::Decoded) {
        const auto same = std::find_if(decodedFields.begin(), decodedFields.end(),
                                       [&](const auto& field) { return field->name() == node.field.name; });
        if (same != decodedFields.end()) {
            condition->decoded = same->get();
        } else {
            decodedFields.push_back(std::make_unique<DecodedField>(node.field.name));
            condition->decoded = decodedFields.back().get();
        }
    }
    return condition;
}

} // namespace

std::variant<std::shared_ptr<const DisplayFilter>, FilterError> DisplayFilter::compile(std::string_view text)
{
    ParsedFilter parsed = parseFilter(text, [](std::string_view name) { return DecodedField::known(name); });
    if (parsed.error)
        return *parsed.error;
    std::shared_ptr<DisplayFilter> filter(new DisplayFilter());
    filter->text_ = text;
    if (parsed.root)
        filter->root_ = compileNode(*parsed.root, filter->decodedFields_);
    return std::shared_ptr<const DisplayFilter>(std::move(filter));
}

bool DisplayFilter::keepsElement(const ZRLElement& element, std::size_t line) const
{
    if (!root_)
        return true;
    ElementFacts facts(element, line);
    return evaluate(*root_, facts);
}

bool DisplayFilter::keeps(const ZRLDoc& document, std::size_t line) const
{
    return line < document.elementCount() && keepsElement(document.element(ElementLine(static_cast<std::uint32_t>(line))), line);
}

} // namespace KelpLib
