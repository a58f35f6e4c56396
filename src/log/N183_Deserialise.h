#pragma once

#include "messages/ByteBuffer.h"

#include <cstdint>

namespace KelpLib {

// States returned by the NMEA 0183 unframer (idle, start and in-sentence as the other unframers).
enum SentenceState : int {
    SentenceIdle = 0,
    SentenceStart = 3,
    SentenceCharacter = 4,
    SentenceComplete = 5,
    SentenceChecksumMismatch = 6,
    SentenceBadCharacter = 7,
    SentenceTooLong = 13,
};

// NMEA 0183 sentences: "$" or "!" up to CR LF, with an optional "*hh" checksum. The stored
// sentence runs from the start character up to, not including, the CR.
class N183_Deserialise {
public:
    static constexpr std::uint32_t sizeLimit = 300;

    N183_Deserialise();
    virtual ~N183_Deserialise();
    N183_Deserialise(const N183_Deserialise&) = delete;
    N183_Deserialise& operator=(const N183_Deserialise&) = delete;

    virtual ByteBuffer& body() { return sentence; }

    int feed(std::uint8_t c)
    {
        if (c == '$' || c == '!') {
            inSentence = true;
            sawCr = false;
            checksumState = 0;
            computedXor = 0;
            receivedChecksum = 0;
            badChar = false;
            sentence.length = 0;
            sentence.data[sentence.length++] = c;
            return SentenceStart;
        }
        if (!inSentence)
            return SentenceIdle;
        if (c == 0x0D) {
            sawCr = true;
            return SentenceCharacter;
        }
        if (c == 0x0A && sawCr) {
            inSentence = false;
            if (badChar)
                return SentenceBadCharacter;
            if (checksumState != 0 && computedXor != receivedChecksum)
                return SentenceChecksumMismatch;
            return SentenceComplete;
        }
        if (c != 0x0A && (c < 0x20 || c >= 0x7E))
            badChar = true;
        if (c == '*')
            checksumState = 2;
        else if (checksumState == 2) {
            receivedChecksum = static_cast<std::uint8_t>(hexValue(c) << 4);
            checksumState = 3;
        } else if (checksumState == 3) {
            receivedChecksum = static_cast<std::uint8_t>(receivedChecksum | hexValue(c));
            checksumState = 4;
        } else if (checksumState >= 4)
            ++checksumState;
        else if (sentence.length >= 1)
            computedXor ^= c;
        if (sentence.length >= sentence.capacity) {
            inSentence = false;
            return SentenceTooLong;
        }
        sentence.data[sentence.length++] = c;
        return SentenceCharacter;
    }

private:
    // Upper-case hex digits only: any other character counts 0.
    static std::uint8_t hexValue(std::uint8_t c)
    {
        if (c >= '0' && c <= '9')
            return static_cast<std::uint8_t>(c - '0');
        if (c >= 'A' && c <= 'F')
            return static_cast<std::uint8_t>(c - 'A' + 10);
        return 0;
    }

    bool inSentence = false;
    bool sawCr = false;
    std::uint32_t checksumState = 0;
    std::uint8_t computedXor = 0;
    std::uint8_t receivedChecksum = 0;
    bool badChar = false;
    ByteBuffer sentence;
};

} // namespace KelpLib
