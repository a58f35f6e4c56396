#include "log/ElementListText.h"

#include "log/MsgKinds.h"
#include "log/ZRLElement.h"
#include "messages/BSTMsg.h"
#include "messages/KorvBuf.h"
#include "messages/N2KHeader.h"
#include "messages/N2KMsg.h"
#include "messages/N183Msg.h"

namespace KelpLib {

std::string elementListText(const ZRLElement& element, const ListColumn& column)
{
    return msgKind(element.effectiveVariant(), "elementListText").listText(element, column);
}

// A text of 300 bytes or more is no sentence to the message class and shows as empty.
std::string sentenceListText(const ZRLElement& element, const ListColumn& column)
{
    return N183Msg(element.bytes()).listText(column);
}

std::string bemListText(const ZRLElement& element, const ListColumn& column)
{
    KorvBuf bytes;
    element.messageBytes(bytes);
    const BSTMsg message(bytes.buffer() ? *bytes.buffer() : ByteBuffer());
    return message.listText(column);
}

// The header alone answers every list column of an NMEA 2000 message, so the list neither
// builds a message object nor looks the PGN up. A message that does not decode shows what an
// undecodable N2KMsg shows: an empty header. A single CAN frame reads like a message: PGN,
// name, source, destination and priority from its CAN id, its eight data bytes as Data.
std::string n2kListText(const ZRLElement& element, const ListColumn& column)
{
    N2KMsg_s header;
    if (decodeN2KHeader(element.bytes(), header) != 0)
        header = N2KMsg_s();
    return N2KMsg::listText(header, column);
}

std::string rawListText(const ZRLElement& element, const ListColumn& column)
{
    KorvBuf bytes;
    bytes.wrap(element.data(), element.length());
    return bytes.listText(column);
}

} // namespace KelpLib
