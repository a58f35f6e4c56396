#pragma once
// The bytes the message class of an element's kind reads, one way per kind (log/MsgKinds.cpp).
namespace KelpLib {

class KorvBuf;
class ZRLElement;

// A copy of the element's bytes.
void ownMessageBytes(const ZRLElement& element, KorvBuf& out);

// A BST message that arrived inside PGN 126720: the message from NMEA 2000 data byte 2.
// Otherwise the element's bytes.
void n2kCarriedMessageBytes(const ZRLElement& element, KorvBuf& out);

// A BEM message: decoded from its "!PQRDB" sentence, or from NMEA 2000 data byte 2 of
// PGN 126720; the element's bytes when it arrived on its own or does not decode.
void bemMessageBytes(const ZRLElement& element, KorvBuf& out);

} // namespace KelpLib
