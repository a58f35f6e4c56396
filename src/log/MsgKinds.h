#pragma once
// One row per kind of log element: what it is called and counted as, and how its list cells
// and message bytes are read. The details pane's half of each row is the presentation's
// (presentation/ElementPresentation.cpp), keyed by the same kinds.
#include "log/MsgVariant.h"
#include "messages/ListColumn.h"

#include <array>
#include <string>

namespace KelpLib {

class KorvBuf;
class ZRLElement;

using ListTextFn = std::string (*)(const ZRLElement& element, const ListColumn& column);
using MessageBytesFn = void (*)(const ZRLElement& element, KorvBuf& out);

struct MsgKind {
    MsgVariant variant;
    const char* name; // nullptr: the kind has no name, colour or group (Hidden)
    std::uint32_t colour;
    MsgVariantGroup group;
    MsgFamily family;
    // The BST ids classified as the kind (0: none).
    std::array<std::uint8_t, 6> bstIds;
    // An engineering message, hidden with the reserved fields.
    bool engineering;
    ListTextFn listText;
    MessageBytesFn messageBytes;
};

// The rows, in the order of allMsgVariants.
extern const MsgKind msgKinds[msgVariantCount];

// The row of a kind; a number that is no kind raises std::out_of_range naming the lookup.
inline const MsgKind& msgKind(MsgVariant variant, const char* lookup = "msgKind")
{
    return msgKinds[msgVariantIndex(variant, lookup)];
}

} // namespace KelpLib
