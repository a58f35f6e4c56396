#pragma once

#include "common/ByteBuffer.h"

#include <array>
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
        // Most bytes are plain characters before the "*" of a sentence, or bytes outside any
        // sentence: both are decided here after one table look-up.
        const CharClass kind = charClasses[c];
        if (kind == CharClass::plain && inSentence && checksumState == 0) {
            computedXor ^= c; // the start character, stored first, stays out of the XOR
            return store(c);
        }
        if (kind == CharClass::start) {
            begin(c);
            return SentenceStart;
        }
        if (!inSentence)
            return SentenceIdle;
        return feedSpecial(c, kind);
    }

private:
    enum class CharClass : std::uint8_t { plain, start, cr, lf, star, bad };

    // "$" and "!" start a sentence, CR and LF end it, "*" opens the checksum; control characters
    // (LF aside) and 0x7E upwards are bad characters, still stored.
    static constexpr std::array<CharClass, 256> charClasses = [] {
        std::array<CharClass, 256> classes{};
        for (int c = 0; c < 256; ++c)
            classes[c] = c < 0x20 || c >= 0x7E ? CharClass::bad : CharClass::plain;
        classes['$'] = classes['!'] = CharClass::start;
        classes['\r'] = CharClass::cr;
        classes['\n'] = CharClass::lf;
        classes['*'] = CharClass::star;
        return classes;
    }();

    // Starts a sentence, dropping one in progress.
    void begin(std::uint8_t c)
    {
        inSentence = true;
        sawCr = false;
        checksumState = 0;
        computedXor = 0;
        receivedChecksum = 0;
        badChar = false;
        sentence.length = 0;
        sentence.data[sentence.length++] = c;
    }

    // Inside a sentence: CR, LF, "*", bad characters and every character from the "*" on.
    // Kept inline with feed: a call here costs a fifth of the throughput.
    int feedSpecial(std::uint8_t c, CharClass kind)
    {
        if (kind == CharClass::cr) {
            sawCr = true;
            return SentenceCharacter;
        }
        if (kind == CharClass::lf && sawCr) {
            inSentence = false;
            if (badChar)
                return SentenceBadCharacter;
            if (checksumState != 0 && computedXor != receivedChecksum)
                return SentenceChecksumMismatch;
            return SentenceComplete;
        }
        // A LF without a CR before it is an ordinary character.
        if (kind == CharClass::bad)
            badChar = true;
        if (kind == CharClass::star)
            checksumState = 2;
        else if (checksumState == 2) {
            receivedChecksum = static_cast<std::uint8_t>(hexValue(c) << 4);
            checksumState = 3;
        } else if (checksumState == 3) {
            receivedChecksum = static_cast<std::uint8_t>(receivedChecksum | hexValue(c));
            checksumState = 4;
        } else if (checksumState >= 4)
            ++checksumState;
        else
            computedXor ^= c;
        return store(c);
    }

    // Upper-case hex digits only: any other character counts 0.
    static std::uint8_t hexValue(std::uint8_t c)
    {
        if (c >= '0' && c <= '9')
            return static_cast<std::uint8_t>(c - '0');
        if (c >= 'A' && c <= 'F')
            return static_cast<std::uint8_t>(c - 'A' + 10);
        return 0;
    }

    // A full body drops the sentence.
    int store(std::uint8_t c)
    {
        if (sentence.length >= sizeLimit) { // the capacity, as a constant the compiler can keep
            inSentence = false;
            return SentenceTooLong;
        }
        sentence.data[sentence.length++] = c;
        return SentenceCharacter;
    }

    bool inSentence = false;
    bool sawCr = false;
    std::uint32_t checksumState = 0; // 0 before "*", 2 after it, 3 and 4 after the two digits, then counting
    std::uint8_t computedXor = 0;
    std::uint8_t receivedChecksum = 0;
    bool badChar = false;
    ByteBuffer sentence;
};

} // namespace KelpLib
