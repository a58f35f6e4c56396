#pragma once
// The list cells an element's message answers (all but Line, Timestamp and Type), one way per
// kind (log/MsgKinds.cpp).
#include "messages/ListColumn.h"

#include <string>

namespace KelpLib {

class ZRLElement;

// The cell by the row of the element's kind.
std::string elementListText(const ZRLElement& element, const ListColumn& column);

// NMEA 0183 sentences: talker, formatter, size and data.
std::string sentenceListText(const ZRLElement& element, const ListColumn& column);
// BEM messages, also those carried in PGN 126720 or a sentence: the BEM message's texts.
std::string bemListText(const ZRLElement& element, const ListColumn& column);
// NMEA 2000 messages and lone CAN frames: the decoded header.
std::string n2kListText(const ZRLElement& element, const ListColumn& column);
// Anything else: the raw bytes' size and hex dump.
std::string rawListText(const ZRLElement& element, const ListColumn& column);

} // namespace KelpLib
