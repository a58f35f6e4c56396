#pragma once

#include "common/ByteBuffer.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace KelpLib {

// States returned by the byte-stuffing unframers for each byte fed.
enum UnframerState : int {
    UnframerIdle = 0,          // outside a frame, or a frame dropped by a bad escape
    UnframerEscapedEscape = 1, // escape escape outside a frame
    UnframerEscape = 2,        // escape byte seen; the next byte decides
    UnframerStart = 3,         // start sequence: a new frame begins
    UnframerInFrame = 4,       // byte inside a frame
    UnframerComplete = 5,      // end sequence: the body is complete
};

// A byte-stuffing unframer: frames start with escape+start, end with escape+end, and an
// escape byte inside is doubled. Fed one byte at a time; the body storage is allocated once.
class BDT_Deserialise {
public:
    BDT_Deserialise(std::uint32_t sizeLimit, std::uint8_t dle, std::uint8_t stx, std::uint8_t etx);
    virtual ~BDT_Deserialise();
    BDT_Deserialise(const BDT_Deserialise&) = delete;
    BDT_Deserialise& operator=(const BDT_Deserialise&) = delete;

    // The current frame; complete when feed has just returned UnframerComplete.
    virtual ByteBuffer& body() { return frame; }

    int feed(std::uint8_t b)
    {
        // One test settles the common case, a plain byte inside or outside a frame.
        if ((escapePending | (b == dle)) == 0) {
            if (!inFrame)
                return UnframerIdle;
            store(b);
            return UnframerInFrame;
        }
        if (!escapePending) {
            escapePending = true;
            return UnframerEscape;
        }
        escapePending = false;
        if (b == stx) {
            inFrame = true;
            frame.length = 0;
            return UnframerStart;
        }
        if (b == etx) {
            if (!inFrame)
                return UnframerIdle;
            inFrame = false;
            return UnframerComplete;
        }
        if (b == dle) {
            if (!inFrame)
                return UnframerEscapedEscape;
            store(b);
            return UnframerInFrame;
        }
        inFrame = false; // a bad escape drops the frame in progress
        return UnframerIdle;
    }

    // Outside a frame with no escape pending: a plain byte would answer UnframerIdle.
    bool idle() const { return !inFrame && !escapePending; }

    // Inside a frame with no escape pending, takes the plain bytes at the start of
    // [bytes, bytes + count) into the body, exactly as feeding them one by one would (each would
    // answer UnframerInFrame). It stops before the escape byte, before `alsoStopAt`, and where
    // the body is full (the next byte, fed, then abandons the frame). Answers how many it took.
    std::uint32_t takePlainBytes(const std::uint8_t* bytes, std::uint32_t count, std::uint8_t alsoStopAt)
    {
        if (!inFrame || escapePending)
            return 0;
        const std::uint32_t room = frame.capacity - frame.length;
        const std::uint32_t limit = count < room ? count : room;
        std::uint32_t n = 0;
#if defined(__SSE2__)
        // Sixteen bytes at a time while sixteen remain within the limit.
        const __m128i escapes = _mm_set1_epi8(static_cast<char>(dle));
        const __m128i stops = _mm_set1_epi8(static_cast<char>(alsoStopAt));
        for (; n + 16 <= limit; n += 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + n));
            const int found = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, escapes), _mm_cmpeq_epi8(v, stops)));
            if (found != 0) {
                n += static_cast<std::uint32_t>(__builtin_ctz(static_cast<unsigned>(found)));
                return takeInto(bytes, n);
            }
        }
#endif
        while (n < limit && bytes[n] != dle && bytes[n] != alsoStopAt)
            ++n;
        return takeInto(bytes, n);
    }

private:
    std::uint32_t takeInto(const std::uint8_t* bytes, std::uint32_t n)
    {
        if (n != 0) // bytes may be null when there are none
            std::memcpy(frame.data + frame.length, bytes, n);
        frame.length += n;
        return n;
    }

    // A body at its limit abandons the frame; the byte is not kept.
    void store(std::uint8_t b)
    {
        if (frame.length >= frame.capacity) {
            inFrame = false;
            return;
        }
        frame.data[frame.length++] = b;
    }

    bool escapePending = false;
    bool inFrame = false;
    std::uint8_t dle;
    std::uint8_t stx;
    std::uint8_t etx;
    ByteBuffer frame;
};

// The log's own tag frames: ESC SOH ... ESC LF, bodies up to 1800 bytes.
class ZRL_Deserialise : public BDT_Deserialise {
public:
    static constexpr std::uint32_t sizeLimit = 1800;
    static constexpr std::uint8_t escape = 0x1B;
    ZRL_Deserialise() : BDT_Deserialise(sizeLimit, escape, 0x01, 0x0A) {}
    ~ZRL_Deserialise() override = default;
};

// BST serial frames: DLE STX ... DLE ETX, bodies up to 237 bytes with a sum-to-zero checksum.
class BST_Deserialise : public BDT_Deserialise {
public:
    static constexpr std::uint32_t sizeLimit = 237;
    BST_Deserialise() : BDT_Deserialise(sizeLimit, 0x10, 0x02, 0x03) {}
    ~BST_Deserialise() override = default;

    // True when the body is not empty and its bytes sum to 0 modulo 256; the checksum byte is
    // then removed. False leaves the body as received.
    bool checksumCheck();
};

} // namespace KelpLib
