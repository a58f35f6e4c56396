#include "query/ElementFacts.h"

#include "log/ElementListText.h"
#include "log/ZRLElement.h"
#include "messages/ListColumn.h"

#include <array>
#include <charconv>

namespace KelpLib {

namespace {

constexpr std::uint64_t largestFileTime = 0x7FFFFFFFFFFFFFFFull;

// The list column each header term reads, in HeaderTerm order.
const std::array<ListColumn, 12>& termColumns()
{
    static const std::array<ListColumn, 12> columns = {{
        {"Line", 0, ListColumnLine},
        {"Timestamp", 0, ListColumnTimestamp},
        {"Type", 0, ListColumnType},
        {"PGN", 0, ListColumnPgn},
        {"Src", 0, ListColumnSrc},
        {"Dest", 0, ListColumnDest},
        {"Pri", 0, ListColumnPri},
        {"Size", 0, ListColumnSize},
        {"Name", 0, ListColumnName},
        {"Talker", 0, ListColumnTalker},
        {"Formatter", 0, ListColumnFormatter},
        {"Data", 0, ListColumnData},
    }};
    return columns;
}

std::optional<double> wholeNumber(const std::string& text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

const N2KHeaderView* ElementFacts::n2kHeader()
{
    if (!headerRead_) {
        headerRead_ = true;
        headerValid_ = element_.effectiveVariant() == MsgVariant::N2k &&
                       viewN2KHeader(element_.data(), element_.length(), 0, header_) == 0;
    }
    return headerValid_ ? &header_ : nullptr;
}

std::optional<double> ElementFacts::number(HeaderTerm term)
{
    if (term == HeaderTerm::Line)
        return double(line_);
    if (element_.effectiveVariant() == MsgVariant::N2k) {
        const N2KHeaderView* header = n2kHeader();
        if (header == nullptr)
            return std::nullopt;
        switch (term) {
        case HeaderTerm::Pgn: return header->pgn;
        case HeaderTerm::Src: return header->source;
        case HeaderTerm::Dst: return header->destination;
        case HeaderTerm::Pri: return header->priority;
        case HeaderTerm::Size: return header->length;
        default: return std::nullopt;
        }
    }
    return wholeNumber(text(term));
}

std::string ElementFacts::text(HeaderTerm term)
{
    switch (term) {
    case HeaderTerm::Line: return std::to_string(line_);
    case HeaderTerm::Time: return element_.timeText();
    case HeaderTerm::Type: return element_.typeText();
    default: return elementListText(element_, termColumns()[static_cast<std::size_t>(term)]);
    }
}

std::optional<std::uint64_t> ElementFacts::fileTime() const
{
    const std::uint64_t time = element_.time().baseTime;
    if (time > largestFileTime)
        return std::nullopt;
    return time;
}

std::optional<StandardsLib::N2KPayload> ElementFacts::payload()
{
    const MsgVariant variant = element_.effectiveVariant();
    const bool loneFrame = variant == MsgVariant::CanFrame && element_.standsForN2kMessage();
    N2KHeaderView view;
    if (variant == MsgVariant::N2k) {
        if (n2kHeader() == nullptr)
            return std::nullopt;
        view = header_;
    } else if (!loneFrame || viewN2KHeader(element_.data(), element_.length(), 0, view) != 0) {
        return std::nullopt;
    }
    return StandardsLib::N2KPayload{view.pgn, view.length, view.payload};
}

} // namespace KelpLib
