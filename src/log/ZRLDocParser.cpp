#include "log/ZRLDocParser.h"

#include "common/ILogger.h"
#include "log/BDT_Deserialise.h"
#include "log/BemDecipher.h"
#include "log/ClassifyMessage.h"
#include "log/ElementDefinition.h"
#include "log/MemFile.h"
#include "log/N183_Deserialise.h"
#include "log/ZRLDoc.h"
#include "log/ZRLElement.h"
#include "messages/N2KHeader.h"
#include "n2k/PgnTransport.h"

#include <cstring>

namespace KelpLib {

namespace {

// Fast-packet assembler settings of every parse.
constexpr std::uint32_t assemblerPoolSize = 100000;
constexpr std::uint32_t assemblerTransferLimit = 255;
constexpr std::uint32_t assemblerTimeout = 750;

constexpr std::uint8_t tagVersion = 0x01;
constexpr std::uint8_t tagTimestamp = 0x03;
constexpr std::uint8_t tagEmbeddedBst = 0x07;
constexpr std::uint32_t fileTimeBytes = 8;

constexpr std::int32_t wrongLength = -1097;
constexpr std::int32_t bemTargetDetected = -1077;
constexpr std::uint32_t progressStep = 1u << 20;
constexpr std::uint32_t readStep = 4u << 20;

bool isRawByteBinary(std::uint8_t b) { return b > 0x7E || (b < 0x20 && b != 0x0D && b != 0x0A); }

} // namespace

std::int32_t bstLengthCheck(const std::uint8_t* m, std::uint32_t n)
{
    if (n < 2)
        return wrongLength;
    const N2KFrameLayout* layout = n2kFrameLayout(m[0]);
    if (layout && layout->streamCheck != N2KStreamCheck::TotalLength) {
        const std::uint32_t offset = layout->payloadOffset;
        if (n <= offset)
            return wrongLength;
        // Byte 1 counts the bytes after it, the length byte only the payload.
        if (layout->streamCheck == N2KStreamCheck::PayloadByte)
            return m[layout->lengthByte] == static_cast<std::uint8_t>(m[1] - (offset - 2)) ? 0 : wrongLength;
        return n - offset <= layout->maxPayload ? 0 : wrongLength;
    }
    switch (m[0]) {
    case 0xA0: case 0xA2: case 0xA3: case 0xA5: case 0xA7: case 0xA9:
        if (n < 14)
            return wrongLength;
        return (m[10] | m[11] | m[12] | m[13]) != 0 ? bemTargetDetected : 0;
    case 0xA1: case 0xA4: case 0xA6: case 0xA8: case 0xC0: return 0;
    // The message arrives without its checksum byte: id, length and the payload it counts.
    default: return m[1] == n - 2 ? 0 : wrongLength;
    }
}

ZRLDocParser::ZRLDocParser(MemFile& file, ZRLDoc& document)
    : file(file), document(document), assembler(assemblerPoolSize, assemblerTransferLimit, assemblerTimeout)
{
}

void ZRLDocParser::parse()
{
    ZRL_Deserialise zrl;
    BST_Deserialise bst;
    N183_Deserialise n183;
    timestampConflicts = 0;
    lastState = UnframerIdle;

    // The file is read a step ahead of the parse, and the memory of the bytes before the open
    // raw run (the only bytes the parse may still need) is given back as it goes.
    const std::uint8_t* data = file.data();
    std::uint32_t size = 0;
    std::uint32_t p = 0;
    for (size = file.fill(readStep); p < size; size = file.fill(p + readStep)) {
        file.release(runStart);
        for (; p < size; ++p) {
            // The body of a tag frame, or of a BST frame outside any tag frame: its plain bytes
            // need none of the per-byte steps below but the binary test, so they are taken in
            // one go. (Inside a tag frame the other unframers see no bytes at all.)
            {
                const std::uint32_t taken = zrl.idle() ? bst.takePlainBytes(data + p, size - p, ZRL_Deserialise::escape)
                                                       : zrl.takePlainBytes(data + p, size - p, ZRL_Deserialise::escape);
                if (taken != 0) {
                    for (std::uint32_t i = 0; i < taken && !runIsBinary; ++i)
                        runIsBinary = isRawByteBinary(data[p + i]);
                    lastState = UnframerInFrame;
                    if (((p ^ (p + taken)) & ~(progressStep - 1)) != 0)
                        document.reportProgress(p + taken);
                    p += taken;
                    if (p == size)
                        break;
                }
            }
            const std::uint8_t b = data[p];

            // Where a start sequence seen at this byte begins: the escape byte before it for the
            // two-byte starts, the character itself for a sentence.
            std::uint32_t startAt = p == 0 ? 0 : p - 1;
            int state = zrl.feed(b);
            if (state == UnframerComplete) {
                const ByteBuffer& body = zrl.body();
                handleZrlBody(body.data, body.length);
                startRunAfter(p);
            }
            if (state <= UnframerEscapedEscape) {
                state = bst.feed(b);
                if (state == UnframerComplete) {
                    const bool checksumOk = bst.checksumCheck();
                    ByteBuffer& body = bst.body();
                    handleBstMessage(body.data, body.length, checksumOk);
                    startRunAfter(p);
                }
            }
            if (state <= UnframerEscapedEscape) {
                state = n183.feed(b);
                startAt = p;
                if (state == SentenceComplete || state == SentenceChecksumMismatch || state == SentenceBadCharacter) {
                    const ByteBuffer& body = n183.body();
                    const MsgVariant variant = state == SentenceComplete ? classifyMessage(body.data, body.length, false).effective
                                               : state == SentenceChecksumMismatch ? VariantN183ChecksumError
                                                                                   : VariantN183BadChar;
                    handleSentence(body.data, body.length, variant);
                    startRunAfter(p);
                }
            }

            lastState = state;
            if (state == UnframerIdle) {
                runEnd = p;
                runHasBytes = true;
            }
            if (isRawByteBinary(b))
                runIsBinary = true;
            if (state == UnframerStart) {
                if (runHasBytes) {
                    emitRawRun();
                    // The new frame's start bytes open the next run, so that they are kept should
                    // the frame be abandoned; a frame that completes moves the run past itself.
                    runStart = runEnd = startAt;
                    runHasBytes = false;
                }
                runIsBinary = false;
            }
            if ((p & (progressStep - 1)) == 0)
                document.reportProgress(p);
        }
    }
    // A frame cut off by the end of the file still has its bytes kept: the last raw run
    // reaches to the last byte.
    if (size != 0 && runStart < size && lastState != UnframerIdle) {
        runEnd = size - 1;
        runHasBytes = true;
    }
    if (runHasBytes)
        emitRawRun();
    runIsBinary = false;
    document.reportProgress(size);

    if (timestampConflicts != 0)
        document.logger()->logCode(1,
            "ZRL file \"%s\" read, there were %llu timestamp conflicts found. Possible reason - two time sources on system",
            document.fileName().c_str(), static_cast<unsigned long long>(timestampConflicts));
    const FastPacketAssembler::Statistics& transfers = assembler.statistics();
    if (transfers.abandonedTransfers != 0 || transfers.restartedTransfers != 0)
        document.logger()->logCode(1,
            "ZRL file \"%s\" read, %u fast-packet transfers abandoned (a frame missing or out of order), %u restarted by a new first frame",
            document.fileName().c_str(), transfers.abandonedTransfers, transfers.restartedTransfers);
}

ZRLElement& ZRLDocParser::append(const MsgVariantInfo& variant, const std::uint8_t* bytes, std::uint32_t length)
{
    return document.addElement(clock, variant, bytes, length);
}

void ZRLDocParser::handleZrlBody(const std::uint8_t* body, std::uint32_t length)
{
    if (length == 0)
        return; // ESC SOH ESC LF: nothing to keep
    switch (body[0]) {
    case tagTimestamp: {
        // A timestamp tag too short to hold its FILETIME carries no value and is ignored.
        if (length < 1 + fileTimeBytes)
            return;
        std::uint64_t t = 0;
        for (std::uint32_t i = fileTimeBytes; i >= 1; --i)
            t = (t << 8) | body[i];
        if (!clock.applyTimestamp(t))
            ++timestampConflicts;
        return;
    }
    case tagEmbeddedBst: {
        // Deciphering works in place, so the embedded message leaves the unframer's body first.
        std::uint8_t message[ZRL_Deserialise::sizeLimit];
        std::memcpy(message, body + 1, length - 1);
        handleBstMessage(message, length - 1, true);
        return;
    }
    default:
        append(MsgVariantInfo{VariantZrl, VariantZrl, 0}, body, length);
        return;
    }
}

void ZRLDocParser::handleSentence(const std::uint8_t* sentence, std::uint32_t length, MsgVariant variant)
{
    clock.advanceSequence();
    append(MsgVariantInfo{variant, variant, 0}, sentence, length);
}

void ZRLDocParser::notePgn(std::uint32_t pgn)
{
    // A log repeats a handful of PGNs: those added lately are not looked up in the document's
    // set again.
    std::uint32_t& recent = recentPgns[(pgn ^ (pgn >> 8)) % recentPgnSlots];
    if (recent == pgn)
        return;
    recent = pgn;
    document.notePgn(pgn);
}

void ZRLDocParser::noteDefinition(const ZRLElement& element)
{
    // Most messages are of a PGN whose definition their payload does not choose and which was
    // noted already: the PGN the element carries settles those without reading the header.
    // (Elements that carry no PGN read it.)
    const std::uint32_t carried = element.pgn();
    if (carried != 0 && fixedPgns[(carried ^ (carried >> 8)) % fixedPgns.size()] == carried)
        return;
    StandardsLib::N2KPayload payload;
    if (!elementPayload(element, payload))
        return;
    const StandardsLib::PgnDefinitionKey key = definitions.keyFor(payload);
    StandardsLib::PgnDefinitionKey& noted = notedDefinitions[(key.pgn ^ (key.pgn >> 8) ^ (key.row * 7u)) % notedDefinitions.size()];
    if (noted == key)
        return;
    noted = key;
    document.noteDefinition(key);
    if (!StandardsLib::payloadSelectsDefinition(payload.pgn))
        fixedPgns[(payload.pgn ^ (payload.pgn >> 8)) % fixedPgns.size()] = payload.pgn;
}

void ZRLDocParser::startRunAfter(std::uint32_t p)
{
    runStart = runEnd = p + 1;
    runHasBytes = false;
}

void ZRLDocParser::emitRawRun()
{
    runHasBytes = false;
    clock.advanceSequence();
    const MsgVariant variant = runIsBinary ? VariantBinary : VariantAscii;
    append(MsgVariantInfo{variant, variant, 0}, file.data() + runStart, runEnd - runStart + 1);
}

void ZRLDocParser::handleBstMessage(std::uint8_t* message, std::uint32_t length, bool checksumOk)
{
    MsgVariantInfo variant{VariantBstChecksumError, VariantBstChecksumError, 0};
    if (checksumOk) {
        const std::int32_t check = bstLengthCheck(message, length);
        if (check == 0 || check == bemTargetDetected)
            variant = classifyMessage(message, length, true);
        else
            variant = MsgVariantInfo{VariantBstBad, VariantBstBad, 0};
    }

    if (variant.effective == VariantCanFrame) {
        const std::uint16_t deviceTime = static_cast<std::uint16_t>(message[2] | (message[3] << 8));
        if (clock.hasTime && clock.sequence <= 1) {
            deviceTimeReference = deviceTime;
        } else {
            clock.advanceSequence();
            clock.offsetMicros = static_cast<std::uint32_t>(static_cast<std::uint16_t>(deviceTime - deviceTimeReference)) * 1000u;
        }
    }
    if (variant.effective == VariantHidden)
        return;

    clock.advanceSequence();
    const bool intact = variant.raw != VariantBstChecksumError && variant.raw != VariantBstBad;
    const std::uint8_t id = length ? message[0] : 0;
    std::uint32_t pgn = 0;
    const N2KFrameLayout* layout = intact ? n2kFrameLayout(id) : nullptr;
    const bool carriesN2k = layout && layout->received;
    if (carriesN2k) {
        pgn = n2kFramePgn(*layout, message);
        notePgn(pgn);
    }

    if (intact && id >= 0xA5 && id <= 0xA8) {
        decipherBemMessage(message, length, 0);
    } else if (carriesN2k && pgn == proprietaryFastPacketPgn) {
        // A BEM message inside the maker's proprietary PGN starts at NMEA 2000 data byte 2.
        const std::uint32_t dataAt = layout->payloadOffset;
        if (length >= dataAt + 4 && message[dataAt] == makerProprietaryPrefix[0] && message[dataAt + 1] == makerProprietaryPrefix[1])
            decipherBemMessage(message, length, dataAt + 2);
    }

    ZRLElement& element = append(variant, message, length);
    element.setPgn(pgn);
    // A lone CAN frame: its identifier names the PGN, and it may belong to a fast packet.
    if (layout && layout->addressing == N2KAddressing::CanId)
        fastPacketStep(element, message, length);
    noteDefinition(element);
}

void ZRLDocParser::fastPacketStep(ZRLElement& canElement, const std::uint8_t* message, std::uint32_t length)
{
    const std::uint32_t pgn = canIdPgn(message + 4);
    canElement.setPgn(pgn);
    notePgn(pgn);
    if (StandardsLib::isSingleFramePgn(pgn))
        return;

    canElement.setFlags(static_cast<std::uint8_t>(canElement.flags() | ZRLElement::canFrameOfAssembly));
    ByteBuffer frame;
    wrap(frame, message, length);
    assembler.feedFrame(frame, pgn);
    ByteBuffer complete;
    if (assembler.takeComplete(complete)) {
        clock.advanceSequence();
        ZRLElement& assembled = append(classifyMessage(complete.data, complete.length, true), complete.data, complete.length);
        assembled.setFlags(ZRLElement::assembledFromCan);
        assembled.setPgn(pgn);
        noteDefinition(assembled);
    }
}

} // namespace KelpLib
