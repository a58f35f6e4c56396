#include "common/ByteBuffer.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace KelpLib {

namespace {

void allocate(ByteBuffer& destination, std::uint32_t capacity)
{
    destination.data = capacity ? new std::uint8_t[capacity] : nullptr;
    destination.capacity = capacity;
    destination.length = 0;
    destination.time = 0;
}

} // namespace

void makeCopy(ByteBuffer& destination, const ByteBuffer& source)
{
    const std::uint32_t time = source.time;
    makeFromBytes(destination, source.data, source.data ? source.length : 0);
    destination.time = time;
}

void makeFromBytes(ByteBuffer& destination, const std::uint8_t* bytes, std::uint32_t count)
{
    if (bytes == nullptr)
        count = 0;
    allocate(destination, count);
    if (count)
        std::memcpy(destination.data, bytes, count);
    destination.length = count;
}

void makeFilled(ByteBuffer& destination, std::uint8_t byte, std::uint32_t count)
{
    allocate(destination, count);
    if (count)
        std::memset(destination.data, byte, count);
    destination.length = count;
}

void makeEmpty(ByteBuffer& destination, std::uint32_t capacity) { allocate(destination, capacity); }

void wrap(ByteBuffer& destination, const std::uint8_t* bytes, std::int64_t count)
{
    const std::uint32_t size = count <= 0 || bytes == nullptr ? 0 : static_cast<std::uint32_t>(std::min<std::int64_t>(count, UINT32_MAX));
    destination.data = const_cast<std::uint8_t*>(bytes);
    destination.length = destination.capacity = size;
    destination.time = 0;
}

void release(ByteBuffer& buffer)
{
    delete[] buffer.data;
    buffer.data = nullptr;
    buffer.length = buffer.capacity = buffer.time = 0;
}

void reset(ByteBuffer& buffer)
{
    buffer.length = 0;
    buffer.time = 0;
}

bool isFull(const ByteBuffer& buffer) { return buffer.length >= buffer.capacity; }

std::int32_t appendByte(ByteBuffer& buffer, std::uint8_t byte)
{
    if (buffer.length >= buffer.capacity || buffer.data == nullptr)
        return bufferFull;
    buffer.data[buffer.length++] = byte;
    return 0;
}

std::int32_t appendBytes(ByteBuffer& buffer, const std::uint8_t* bytes, std::uint32_t count)
{
    const std::uint32_t room = buffer.data && buffer.capacity > buffer.length ? buffer.capacity - buffer.length : 0;
    const std::uint32_t taken = bytes ? std::min(count, room) : 0;
    if (taken)
        std::memcpy(buffer.data + buffer.length, bytes, taken);
    buffer.length += taken;
    return taken < count ? bufferTooSmall : 0;
}

std::int32_t appendDecimal(ByteBuffer& buffer, std::uint32_t value)
{
    for (char digit : std::to_string(value))
        if (appendByte(buffer, static_cast<std::uint8_t>(digit)) != 0)
            return bufferFull;
    return 0;
}

std::int32_t putByteAt(ByteBuffer& buffer, std::uint32_t& index, std::uint8_t byte)
{
    if (index >= buffer.length || buffer.data == nullptr)
        return bufferOutOfRange;
    buffer.data[index++] = byte;
    return 0;
}

std::uint8_t firstByte(const ByteBuffer& buffer) { return buffer.length && buffer.data ? buffer.data[0] : 0; }

} // namespace KelpLib
