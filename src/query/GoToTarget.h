#pragma once
// Go to: a line number or a time (hh:mm:ss[.mmm] of day, UTC, or an ISO 8601 date-time), and
// the shown row nearest to it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace KelpLib {

class ShownList;

struct GoToTarget {
    enum class Kind { Line, TimeOfDay, DateTime };
    Kind kind = Kind::Line;
    std::uint64_t value = 0; // the line, or milliseconds (of the day, or since 1601-01-01 UTC)
};

// The target a text names, or a message saying what is accepted.
std::variant<GoToTarget, std::string> parseGoToTarget(std::string_view text);

// The shown row nearest the target: the shown element of that line or the closest line on
// either side (the earlier one on a tie); the first element nearest in time among those after
// the log's first timestamp, a time of day taken on the day of the first of them or the day
// after, whichever comes nearer an element. Nothing when no row (or, for a time, no row with a
// time) is shown.
std::optional<std::size_t> nearestShownRow(const ShownList& shown, const GoToTarget& target);

} // namespace KelpLib
