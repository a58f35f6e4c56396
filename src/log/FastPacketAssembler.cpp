#include "log/FastPacketAssembler.h"

#include <algorithm>
#include <cstring>

namespace KelpLib {

namespace {

constexpr std::uint32_t headerSize = 13;
constexpr std::uint32_t bookkeeping = 24;
constexpr std::uint32_t frameDataAt = 8;
constexpr std::uint32_t firstFrameData = 6;
constexpr std::uint32_t laterFrameData = 7;

std::uint32_t roundUp4(std::uint32_t n) { return (n + 3u) & ~3u; }

} // namespace

FastPacketAssembler::FastPacketAssembler(std::uint32_t poolSize, std::uint32_t transferLimit, std::uint32_t timeout)
    : pool(roundUp4(poolSize + 100)), transfers(transferLimit), timeout(timeout)
{
}

void FastPacketAssembler::reclaim()
{
    // Removing the transfer from the table gives its room back once every record before it in
    // the pool is gone too: the used region always runs from the first transfer to the last.
    for (std::uint32_t i = 0; i < transferCount; ++i)
        if (transfers[i].state == State::Freed) {
            std::move(transfers.begin() + i + 1, transfers.begin() + transferCount, transfers.begin() + i);
            --transferCount;
            return;
        }
}

bool FastPacketAssembler::placeRecord(std::uint32_t occupied, std::uint32_t& start) const
{
    const std::uint32_t size = static_cast<std::uint32_t>(pool.size());
    if (transferCount == 0) {
        start = 0;
        return occupied <= size;
    }
    const std::uint32_t head = transfers[0].start;
    const Transfer& last = transfers[transferCount - 1];
    const std::uint32_t tail = last.start + last.occupied;
    if (tail > head) {
        if (size - tail >= occupied) {
            start = tail;
            return true;
        }
        start = 0;
        return head >= occupied;
    }
    start = tail;
    return head - tail >= occupied;
}

FastPacketAssembler::Transfer* FastPacketAssembler::findInProgress(std::uint32_t key)
{
    for (std::uint32_t i = 0; i < transferCount; ++i)
        if (transfers[i].key == key && transfers[i].state == State::InProgress)
            return &transfers[i];
    return nullptr;
}

void FastPacketAssembler::feedFrame(const ByteBuffer& frame, std::uint32_t pgn)
{
    reclaim();
    const std::uint8_t* b = frame.data;
    if (b == nullptr || frame.length <= frameDataAt) {
        ++stats.unknownTransferFrames;
        return;
    }
    const std::uint32_t count = std::min<std::uint32_t>(frame.length - frameDataAt, 8);
    const std::uint8_t control = b[frameDataAt];
    const std::uint32_t sequence = control >> 5;
    const std::uint32_t number = control & 0x1F;
    const std::uint32_t key = (sequence << 26) + (std::uint32_t(b[4]) << 18) + (pgn & 0x3FFFF);
    if (number == 0)
        firstFrame(b, count, key, frame.time);
    else
        laterFrame(b, count, key, number);
}

void FastPacketAssembler::firstFrame(const std::uint8_t* b, std::uint32_t count, std::uint32_t key, std::uint32_t time)
{
    if (Transfer* open = findInProgress(key)) {
        open->state = State::Freed;
        ++stats.restartedTransfers;
    }
    if (count < 2 || transferCount >= transfers.size()) {
        ++stats.droppedFirstFrames;
        return;
    }
    for (std::uint32_t i = 0; i < transferCount; ++i)
        if (transfers[i].key == key && transfers[i].state == State::Complete) {
            ++stats.droppedFirstFrames;
            return;
        }
    const std::uint8_t total = b[frameDataAt + 1];
    const std::uint32_t recordLength = total + headerSize;
    const std::uint32_t occupied = roundUp4(recordLength) + bookkeeping;
    std::uint32_t start = 0;
    if (!placeRecord(occupied, start)) {
        ++stats.droppedFirstFrames;
        return;
    }
    std::uint8_t* record = pool.data() + start;
    std::memset(record, 0, recordLength);
    const std::uint8_t pduSpecific = b[5];
    const std::uint8_t pduFormat = b[6];
    record[0] = 0xD0;
    record[1] = static_cast<std::uint8_t>(recordLength & 0xFF);
    record[2] = static_cast<std::uint8_t>(recordLength >> 8);
    record[3] = pduFormat < 240 ? pduSpecific : 0xFF;
    record[4] = b[4];
    record[5] = pduSpecific;
    record[6] = pduFormat;
    record[7] = b[7];
    record[8] = 2;
    std::memcpy(record + 9, &time, 4); // little-endian on every supported machine
    const std::uint32_t copied = std::min<std::uint32_t>({firstFrameData, count - 2, total});
    std::memcpy(record + headerSize, b + frameDataAt + 2, copied);

    Transfer& transfer = transfers[transferCount++];
    transfer = Transfer{};
    transfer.key = key;
    transfer.total = total;
    transfer.frameBound = static_cast<std::uint8_t>(total / laterFrameData + 1);
    transfer.state = transfer.frameBound == 1 ? State::Complete : State::InProgress;
    transfer.start = start;
    transfer.occupied = occupied;
    transfer.recordLength = recordLength;
    transfer.time = time;
    stats.mostTransfers = std::max(stats.mostTransfers, transferCount);
}

void FastPacketAssembler::laterFrame(const std::uint8_t* b, std::uint32_t count, std::uint32_t key, std::uint32_t number)
{
    Transfer* transfer = findInProgress(key);
    if (transfer == nullptr) {
        ++stats.unknownTransferFrames;
        return;
    }
    if (number != transfer->nextFrame) {
        transfer->state = State::Freed;
        ++stats.abandonedTransfers;
        return;
    }
    const std::uint32_t offset = laterFrameData * number - 1;
    const std::uint32_t copied = std::min<std::uint32_t>({laterFrameData, count - 1, transfer->total - offset});
    std::memcpy(pool.data() + transfer->start + headerSize + offset, b + frameDataAt + 1, copied);
    if (++transfer->nextFrame == transfer->frameBound)
        transfer->state = State::Complete;
}

bool FastPacketAssembler::takeComplete(ByteBuffer& message)
{
    for (std::uint32_t i = 0; i < transferCount; ++i) {
        Transfer& transfer = transfers[i];
        if (transfer.state != State::Complete)
            continue;
        message.data = pool.data() + transfer.start;
        message.length = message.capacity = transfer.recordLength;
        message.time = transfer.time;
        transfer.state = State::Freed;
        return true;
    }
    message = ByteBuffer{};
    return false;
}

} // namespace KelpLib
