#include "log/ElementListText.h"

#include "log/ZRLElement.h"
#include "messages/BSTMsg.h"
#include "messages/KorvBuf.h"
#include "messages/N2KHeader.h"
#include "messages/N2KMsg.h"
#include "messages/N183Msg.h"

namespace KelpLib {

namespace {

bool isSentence(MsgVariant variant) { return variant >= VariantN183 && variant <= VariantN183BadChar; }

// A sentence answers its cells as the message class: talker, formatter, size and data (a text
// of 300 bytes or more is no sentence to it and shows as empty).
std::string sentenceListText(const ZRLElement& element, const ListColumn& column)
{
    return N183Msg(element.bytes()).listText(column);
}

bool isBem(MsgVariant variant) { return variant >= VariantBemCommand && variant <= VariantBemN183; }

// BEM commands, responses, debug, programming, boot and mass data transfer messages, also
// those carried inside PGN 126720 or a sentence: the texts of the BEM message itself.
std::string bemListText(const ZRLElement& element, const ListColumn& column)
{
    KorvBuf bytes;
    element.messageBytes(bytes);
    const BSTMsg message(bytes.buffer() ? *bytes.buffer() : ByteBuffer());
    return message.listText(column);
}

// The header alone answers every list column of an NMEA 2000 message, so the list neither
// builds a message object nor looks the PGN up. A message that does not decode shows what an
// undecodable N2KMsg shows: an empty header.
std::string n2kListText(const ZRLElement& element, const ListColumn& column)
{
    N2KMsg_s header;
    if (decodeN2KHeader(element.bytes(), header) != 0)
        header = N2KMsg_s();
    return N2KMsg::listText(header, column);
}

} // namespace

std::string elementListText(const ZRLElement& element, const ListColumn& column)
{
    if (isSentence(element.effectiveVariant()))
        return sentenceListText(element, column);
    if (isBem(element.effectiveVariant()))
        return bemListText(element, column);
    // A single CAN frame reads like a message: PGN, name, source, destination and priority
    // from its CAN id, its eight data bytes as Data.
    if (element.effectiveVariant() == VariantN2k || element.effectiveVariant() == VariantCanFrame)
        return n2kListText(element, column);
    KorvBuf bytes;
    bytes.wrap(element.data(), element.length());
    return bytes.listText(column);
}

} // namespace KelpLib
