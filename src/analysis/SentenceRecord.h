#pragma once
// The parse of a sentence element, made only when its formatter is the one wanted.
#include "messages/N183SentenceView.h"

#include <string_view>

namespace KelpLib {
class ZRLElement;
}

namespace ZrlAnalysis {

// The view points into the record: neither is copied.
struct ParsedSentenceElement {
    ParsedSentenceElement() = default;
    ParsedSentenceElement(const ParsedSentenceElement&) = delete;
    ParsedSentenceElement& operator=(const ParsedSentenceElement&) = delete;
    KelpLib::N183SentenceRecord record;
    KelpLib::N183SentenceView view;
};

// True (and `out` filled) when the element is a valid NMEA 0183 sentence whose formatter is
// `formatter` (any talker).
bool parseSentenceElement(const KelpLib::ZRLElement& element, std::string_view formatter, ParsedSentenceElement& out);

} // namespace ZrlAnalysis
