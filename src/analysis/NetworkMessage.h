#pragma once
// Which elements are messages on the bus: every N2K element (a message reassembled from
// fast-packet frames among them) and every single CAN frame that did not go into an assembly,
// as the list shows them with the default view switches.
#include "messages/N2KHeader.h"

namespace KelpLib {
class ZRLElement;
}

namespace ZrlAnalysis {

// The message's header and payload, viewed in place; false for an element that is no message
// or whose header does not decode.
bool networkMessage(const KelpLib::ZRLElement& element, KelpLib::N2KHeaderView& header);

}  // namespace ZrlAnalysis
