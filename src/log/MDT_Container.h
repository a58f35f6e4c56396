#pragma once

#include "log/MDTRecords.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace KelpLib {

// One mass data transfer being received: what its start announced and the data so far.
class MDT_Deserialiser {
public:
    virtual ~MDT_Deserialiser() = default;

    void setUp(const MDTStartRecord_s& start);
    // Writes a block at its offset; bufferOutOfRange when a byte falls beyond the size (the
    // rest is dropped). The block's length is counted as received either way.
    std::int32_t addBlock(const MDTDataRecord_s& block);

    bool complete = false;
    std::uint32_t received = 0;
    std::vector<std::uint8_t> setup;
    std::uint8_t transferId = 0;
    std::uint8_t channelId = 0;
    std::uint8_t startByte2 = 0;
    std::uint32_t size = 0;
    std::uint8_t startByte7 = 0;
    std::uint8_t startByte8 = 0;
    std::vector<std::uint8_t> data; // size bytes, 0xFF where nothing was written
    MDTHeader_s header;
};

class IMDT_ContainerObserver_s {
public:
    virtual ~IMDT_ContainerObserver_s() = default;
    virtual void onTransferError(std::uint8_t transferId, std::int32_t code) = 0;
    virtual void onTransferStart(std::uint8_t transferId) = 0;
    virtual void onTransferComplete(std::uint8_t transferId) = 0;
};

// Collects the transfers in progress by id, checks their pieces against the start and tells
// the observers, synchronously, when one starts, completes or fails. Never raises.
class MDT_Container {
public:
    bool addObserver(IMDT_ContainerObserver_s* observer);
    bool removeObserver(IMDT_ContainerObserver_s* observer);
    void startTransfer(const MDTStartRecord_s& start);
    std::int32_t endTransfer(const MDTEndRecord_s& end);
    std::int32_t addDataBlock(const MDTDataRecord_s& block);
    // The transfer, now the caller's; null for an id not in progress.
    std::unique_ptr<MDT_Deserialiser> takeTransfer(std::uint8_t transferId);

private:
    template <typename Call> void notify(Call call);
    MDT_Deserialiser* find(std::uint8_t transferId, std::uint8_t channelId);

    std::vector<IMDT_ContainerObserver_s*> observers;
    std::map<std::uint8_t, std::unique_ptr<MDT_Deserialiser>> transfers;
};

constexpr std::int32_t mdtBadTransferredDataSize = -2599;
constexpr std::int32_t mdtChannelIdDoesNotMatch = -2597;
constexpr std::int32_t mdtTransferIdDoesNotMatch = -2596;
constexpr std::int32_t mdtBadEotDataSize = -2594;

} // namespace KelpLib
