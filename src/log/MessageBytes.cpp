#include "log/MessageBytes.h"

#include "log/ClassifyMessage.h"
#include "log/ZRLElement.h"
#include "messages/KorvBuf.h"
#include "messages/N2KHeader.h"

namespace KelpLib {

namespace {

bool payloadAfterPrefix(const ZRLElement& element, KorvBuf& out)
{
    N2KHeaderView header;
    if (viewN2KHeader(element.data(), element.length(), 0, header) != 0 || header.length < 2)
        return false;
    out.assign(header.payload + 2, header.length - 2);
    return true;
}

} // namespace

void ownMessageBytes(const ZRLElement& element, KorvBuf& out) { out = element.bytes(); }

void n2kCarriedMessageBytes(const ZRLElement& element, KorvBuf& out)
{
    if (element.rawVariant() != MsgVariant::N2k || !payloadAfterPrefix(element, out))
        out = element.bytes();
}

void bemMessageBytes(const ZRLElement& element, KorvBuf& out)
{
    if (element.rawVariant() == element.effectiveVariant()) {
        out = element.bytes();
    } else if (element.rawVariant() == MsgVariant::N183) {
        std::uint8_t decoded[200];
        const std::int32_t count = decodeBemSentence(element.data(), element.length(), decoded, sizeof decoded);
        if (count > 0)
            out.assign(decoded, static_cast<std::uint32_t>(count - 1));
        else
            out = element.bytes();
    } else if (!payloadAfterPrefix(element, out)) {
        out = element.bytes();
    }
}

} // namespace KelpLib
