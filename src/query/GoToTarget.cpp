#include "query/GoToTarget.h"

#include "query/FilterLiterals.h"

#include "filter/ShownList.h"
#include "log/ZRLElement.h"

#include <algorithm>
#include <charconv>

namespace KelpLib {

namespace {

constexpr std::uint64_t ticksPerMilli = 10000;

std::uint64_t shownMillis(const ShownList& shown, std::size_t row)
{
    return shown.element(ShownRow(static_cast<std::uint32_t>(row))).time().baseTime / ticksPerMilli;
}

std::size_t nearestLine(const ShownList& shown, std::uint64_t line)
{
    const std::uint32_t clamped = static_cast<std::uint32_t>(std::min<std::uint64_t>(line, UINT32_MAX));
    return shown.nearestRow(ElementLine(clamped))->value;
}

struct Nearest {
    std::size_t row = 0;
    std::uint64_t distance = UINT64_MAX;
};

Nearest nearestTime(const ShownList& shown, std::uint64_t millis)
{
    Nearest best;
    for (std::size_t row = 0; row < shown.size() && best.distance != 0; ++row) {
        if (!shown.element(ShownRow(static_cast<std::uint32_t>(row))).time().hasTime)
            continue; // before the log's first timestamp
        const std::uint64_t time = shownMillis(shown, row);
        const std::uint64_t distance = time > millis ? time - millis : millis - time;
        if (distance < best.distance)
            best = {row, distance};
    }
    return best;
}

// The time of the first shown element after the log's first timestamp.
std::optional<std::uint64_t> firstTime(const ShownList& shown)
{
    for (std::size_t row = 0; row < shown.size(); ++row)
        if (shown.element(ShownRow(static_cast<std::uint32_t>(row))).time().hasTime)
            return shownMillis(shown, row);
    return std::nullopt;
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

std::optional<std::size_t> nearestShownRow(const ShownList& shown, const GoToTarget& target)
{
    if (shown.empty())
        return std::nullopt;
    switch (target.kind) {
    case GoToTarget::Kind::Line: return nearestLine(shown, target.value);
    case GoToTarget::Kind::DateTime: {
        const Nearest nearest = nearestTime(shown, target.value);
        return nearest.distance == UINT64_MAX ? std::nullopt : std::optional<std::size_t>(nearest.row);
    }
    case GoToTarget::Kind::TimeOfDay: break;
    }
    const auto first = firstTime(shown);
    if (!first)
        return std::nullopt;
    const std::uint64_t day = *first - *first % millisPerDay;
    const Nearest sameDay = nearestTime(shown, day + target.value);
    const Nearest nextDay = nearestTime(shown, day + millisPerDay + target.value);
    return (nextDay.distance < sameDay.distance ? nextDay : sameDay).row;
}

} // namespace KelpLib
