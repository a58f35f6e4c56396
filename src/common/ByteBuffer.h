#pragma once

#include <cstdint>

namespace KelpLib {

// A run of bytes with its room and a time word. The record does not know whether it owns
// its bytes: the owner keeps that and calls release when it does.
struct ByteBuffer {
    std::uint32_t length = 0;   // bytes in use; the write position while filling
    std::uint32_t capacity = 0; // room in bytes
    std::uint32_t time = 0;     // carried beside the bytes; copies take it over
    std::uint8_t* data = nullptr;
};

// Result codes of the primitives (error catalogue).
constexpr std::int32_t bufferFull = -1398;        // "Buffer Full: new data not added!"
constexpr std::int32_t bufferTooSmall = -1389;    // "Buffer too small to hold requested message!"
constexpr std::int32_t bufferOutOfRange = -1396;  // "Buffer address out of range!"

// The make operations allocate fresh storage; they do not release what the destination held.
void makeCopy(ByteBuffer& destination, const ByteBuffer& source);
void makeFromBytes(ByteBuffer& destination, const std::uint8_t* bytes, std::uint32_t count);
void makeFilled(ByteBuffer& destination, std::uint8_t byte, std::uint32_t count);
void makeEmpty(ByteBuffer& destination, std::uint32_t capacity);
// Points at the caller's memory; a negative count counts as 0.
void wrap(ByteBuffer& destination, const std::uint8_t* bytes, std::int64_t count);
// Frees the storage (a null pointer is fine) and zeroes length, capacity and time.
void release(ByteBuffer& buffer);
// Length and time 0, storage kept.
void reset(ByteBuffer& buffer);
bool isFull(const ByteBuffer& buffer);

std::int32_t appendByte(ByteBuffer& buffer, std::uint8_t byte);
// Copies what fits; bufferTooSmall when not everything did.
std::int32_t appendBytes(ByteBuffer& buffer, const std::uint8_t* bytes, std::uint32_t count);
// The decimal digits of value, most significant first; bufferFull when the room runs out.
std::int32_t appendDecimal(ByteBuffer& buffer, std::uint32_t value);
// Overwrites the byte at index (below length) and advances index.
std::int32_t putByteAt(ByteBuffer& buffer, std::uint32_t& index, std::uint8_t byte);
// The first byte, 0 for an empty buffer.
std::uint8_t firstByte(const ByteBuffer& buffer);

} // namespace KelpLib
