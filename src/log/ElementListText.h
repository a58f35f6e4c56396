#pragma once

#include "messages/ListColumn.h"

#include <string>

namespace KelpLib {

class ZRLElement;

// The list cell of an element for the columns its message answers (all but Line, Timestamp
// and Type): the NMEA 0183 texts for sentences, the decoded header for NMEA 2000 messages, the
// BEM message's name, size and hex dump for BEM variants, the raw bytes' size and hex dump
// otherwise.
std::string elementListText(const ZRLElement& element, const ListColumn& column);

} // namespace KelpLib
