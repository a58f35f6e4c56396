#pragma once
// What the filter's terms read from one element, each worked out once and only when asked.
#include "query/FilterSyntax.h"

#include "messages/N2KHeader.h"
#include "n2k/N2KPayload.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace KelpLib {

class ZRLElement;

class ElementFacts {
public:
    ElementFacts(const ZRLElement& element, std::size_t line) : element_(element), line_(line) {}

    // A number term as the list column shows it; nothing where the cell is empty.
    std::optional<double> number(HeaderTerm term);
    // A term's cell text as the list shows it ("Line" and "Timestamp" included).
    std::string text(HeaderTerm term);
    // The time the Timestamp column shows (FILETIME), nothing for "Time Error".
    std::optional<std::uint64_t> fileTime() const;
    // The NMEA 2000 message the details pane decodes: an NMEA 2000 element or a CAN frame that
    // went into no assembly.
    std::optional<StandardsLib::N2KPayload> payload();

private:
    // The header of an NMEA 2000 element, the one the list's columns show.
    const N2KHeaderView* n2kHeader();

    const ZRLElement& element_;
    std::size_t line_;
    bool headerRead_ = false;
    bool headerValid_ = false;
    N2KHeaderView header_;
};

} // namespace KelpLib
