#include "query/GoToTarget.h"

#include "query/FilterLiterals.h"

#include "log/ZRLDoc.h"

#include <algorithm>
#include <charconv>

namespace KelpLib {

namespace {

constexpr std::uint64_t ticksPerMilli = 10000;

std::uint64_t shownMillis(const ZRLDoc& document, std::size_t row)
{
    return document.shownElement(row).time().baseTime / ticksPerMilli;
}

std::size_t nearestLine(const ZRLDoc& document, std::uint64_t line)
{
    std::size_t low = 0, high = document.shownCount();
    while (low < high) { // first shown row at or after the line
        const std::size_t middle = low + (high - low) / 2;
        if (document.shownLine(middle) < line)
            low = middle + 1;
        else
            high = middle;
    }
    if (low == document.shownCount())
        return low - 1;
    if (low == 0 || document.shownLine(low) == line)
        return low;
    return line - document.shownLine(low - 1) <= document.shownLine(low) - line ? low - 1 : low;
}

struct Nearest {
    std::size_t row = 0;
    std::uint64_t distance = UINT64_MAX;
};

Nearest nearestTime(const ZRLDoc& document, std::uint64_t millis)
{
    std::size_t best = 0;
    std::uint64_t bestDistance = UINT64_MAX;
    for (std::size_t row = 0; row < document.shownCount() && bestDistance != 0; ++row) {
        const std::uint64_t time = shownMillis(document, row);
        const std::uint64_t distance = time > millis ? time - millis : millis - time;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = row;
        }
    }
    return {best, bestDistance};
}

} // namespace

std::variant<GoToTarget, std::string> parseGoToTarget(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    GoToTarget target;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), target.value);
    if (!text.empty() && error == std::errc() && end == text.data() + text.size())
        return target;
    const auto literal = parseValueLiteral(text);
    if (literal && literal->kind != LiteralKind::Number) {
        target.kind = literal->kind == LiteralKind::TimeOfDay ? GoToTarget::Kind::TimeOfDay : GoToTarget::Kind::DateTime;
        target.value = static_cast<std::uint64_t>(literal->millis);
        return target;
    }
    return std::string("Go to a line number, a time hh:mm:ss[.mmm] or a date-time yyyy-mm-ddThh:mm:ss, not \"") +
           std::string(text) + "\"";
}

std::optional<std::size_t> nearestShownRow(const ZRLDoc& document, const GoToTarget& target)
{
    if (document.shownCount() == 0)
        return std::nullopt;
    switch (target.kind) {
    case GoToTarget::Kind::Line: return nearestLine(document, target.value);
    case GoToTarget::Kind::DateTime: return nearestTime(document, target.value).row;
    case GoToTarget::Kind::TimeOfDay: break;
    }
    const std::uint64_t first = shownMillis(document, 0);
    const std::uint64_t day = first - first % millisPerDay;
    const Nearest sameDay = nearestTime(document, day + target.value);
    const Nearest nextDay = nearestTime(document, day + millisPerDay + target.value);
    return (nextDay.distance < sameDay.distance ? nextDay : sameDay).row;
}

} // namespace KelpLib
