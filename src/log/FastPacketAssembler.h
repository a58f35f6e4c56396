#pragma once

#include "common/ByteBuffer.h"

#include <cstdint>
#include <vector>

namespace KelpLib {

// Joins the CAN frames of NMEA 2000 fast-packet transfers (BST 0x95 messages) into whole
// messages in the BST 0xD0 layout. A transfer takes its frames in counter order only: a first
// frame for a transfer already open restarts it, and a frame whose counter is not the next one
// abandons the transfer, so a message is only ever made of bytes its own frames supplied. All
// records live in one ring pool and the transfer table has a fixed size: nothing is allocated
// per frame.
class FastPacketAssembler {
public:
    struct Statistics {
        std::uint32_t droppedFirstFrames = 0;
        std::uint32_t unknownTransferFrames = 0;
        std::uint32_t restartedTransfers = 0; // a first frame came for a transfer still open
        std::uint32_t abandonedTransfers = 0; // a frame came out of counter order (one was lost)
        std::uint32_t mostTransfers = 0;
    };

    FastPacketAssembler(std::uint32_t poolSize, std::uint32_t transferLimit, std::uint32_t timeout);

    // One CAN frame of the PGN: id, length, device time, CAN identifier, up to 8 data bytes.
    void feedFrame(const ByteBuffer& frame, std::uint32_t pgn);
    // The first complete message; the buffer points into the pool and stays valid until the
    // next feedFrame. False with an empty buffer when no transfer is complete.
    bool takeComplete(ByteBuffer& message);

    const Statistics& statistics() const { return stats; }

private:
    enum class State : std::uint8_t { InProgress, Complete, Freed };
    struct Transfer {
        std::uint32_t key = 0;
        std::uint16_t total = 0;
        std::uint8_t nextFrame = 1; // the counter the next frame must carry
        std::uint8_t frameBound = 0; // one past the last frame's counter
        State state = State::InProgress;
        std::uint32_t start = 0;    // record offset in the pool
        std::uint32_t occupied = 0; // pool bytes taken, bookkeeping included
        std::uint32_t recordLength = 0;
        std::uint32_t time = 0;
    };

    void reclaim();
    void firstFrame(const std::uint8_t* frame, std::uint32_t count, std::uint32_t key, std::uint32_t time);
    void laterFrame(const std::uint8_t* frame, std::uint32_t count, std::uint32_t key, std::uint32_t number);
    bool placeRecord(std::uint32_t occupied, std::uint32_t& start) const;
    Transfer* findInProgress(std::uint32_t key);

    std::vector<std::uint8_t> pool;
    std::vector<Transfer> transfers; // in the order opened; the first transferCount are in use
    std::uint32_t transferCount = 0;
    std::uint32_t timeout;
    Statistics stats;
};

} // namespace KelpLib
