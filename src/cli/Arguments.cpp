#include "cli/Commands.h"

#include <cstdlib>

namespace ZrlTool {

namespace {

unsigned long parseNumber(const std::string& option, const std::string& text)
{
    char* end = nullptr;
    const unsigned long value = std::strtoul(text.c_str(), &end, 0);
    if (text.empty() || *end != '\0' || text[0] == '-')
        throw UsageError("--" + option + " needs an unsigned number, not \"" + text + "\"");
    return value;
}

}  // namespace

Arguments::Arguments(int count, char** words) : words_(words, words + count), used_(words_.size(), false) {}

std::string Arguments::positional(const char* what)
{
    // Commands read their options first, so every word still unused here is positional
    // unless it looks like an option nobody asked for (reported by finish()).
    for (std::size_t i = 0; i < words_.size(); ++i) {
        if (used_[i] || words_[i].rfind("--", 0) == 0) continue;
        used_[i] = true;
        return words_[i];
    }
    throw UsageError(std::string("missing ") + what);
}

unsigned long Arguments::number(const char* name, unsigned long fallback)
{
    const auto all = numbers(name);
    if (all.size() > 1) throw UsageError(std::string("--") + name + " given more than once");
    return all.empty() ? fallback : all.front();
}

std::vector<unsigned long> Arguments::numbers(const char* name)
{
    std::vector<unsigned long> values;
    const std::string option = std::string("--") + name;
    for (std::size_t i = 0; i < words_.size(); ++i) {
        if (used_[i] || words_[i] != option) continue;
        if (i + 1 >= words_.size()) throw UsageError(option + " needs a value");
        used_[i] = used_[i + 1] = true;
        values.push_back(parseNumber(name, words_[i + 1]));
        ++i;
    }
    return values;
}

std::optional<std::string> Arguments::text(const char* name)
{
    const std::string option = std::string("--") + name;
    std::optional<std::string> value;
    for (std::size_t i = 0; i < words_.size(); ++i) {
        if (used_[i] || words_[i] != option) continue;
        if (value) throw UsageError(option + " given more than once");
        if (i + 1 >= words_.size()) throw UsageError(option + " needs a value");
        used_[i] = used_[i + 1] = true;
        value = words_[++i];
    }
    return value;
}

bool Arguments::flag(const char* name)
{
    const std::string option = std::string("--") + name;
    bool found = false;
    for (std::size_t i = 0; i < words_.size(); ++i)
        if (!used_[i] && words_[i] == option) used_[i] = found = true;
    return found;
}

std::vector<std::string> Arguments::rest()
{
    std::vector<std::string> out;
    for (std::size_t i = 0; i < words_.size(); ++i)
        if (!used_[i] && words_[i].rfind("--", 0) != 0) {
            used_[i] = true;
            out.push_back(words_[i]);
        }
    return out;
}

void Arguments::finish() const
{
    for (std::size_t i = 0; i < words_.size(); ++i)
        if (!used_[i]) throw UsageError("unexpected argument \"" + words_[i] + "\"");
}

}  // namespace ZrlTool
