#include "log/MDT_Container.h"

#include "common/ByteBuffer.h"

#include <algorithm>

namespace KelpLib {

void MDT_Deserialiser::setUp(const MDTStartRecord_s& start)
{
    complete = false;
    received = 0;
    transferId = start.transferId;
    channelId = start.channelId;
    startByte2 = start.byte2;
    size = start.size;
    startByte7 = start.byte7;
    startByte8 = start.byte8;
    header = start.header;
    setup = start.setup;
    data.assign(size, 0xFF);
}

std::int32_t MDT_Deserialiser::addBlock(const MDTDataRecord_s& block)
{
    received += block.length;
    for (std::uint32_t i = 0; i < block.length; ++i) {
        const std::uint64_t at = std::uint64_t(block.offset) + i;
        if (at >= size)
            return bufferOutOfRange;
        data[at] = block.data[i];
    }
    return 0;
}

bool MDT_Container::addObserver(IMDT_ContainerObserver_s* observer)
{
    observers.push_back(observer);
    return true;
}

bool MDT_Container::removeObserver(IMDT_ContainerObserver_s* observer)
{
    observers.erase(std::remove(observers.begin(), observers.end(), observer), observers.end());
    return true;
}

template <typename Call> void MDT_Container::notify(Call call)
{
    // A copy: an observer may change the list from inside its call.
    const auto current = observers;
    for (IMDT_ContainerObserver_s* observer : current)
        if (observer)
            call(*observer);
}

void MDT_Container::startTransfer(const MDTStartRecord_s& start)
{
    auto& transfer = transfers[start.transferId];
    if (!transfer)
        transfer = std::make_unique<MDT_Deserialiser>();
    transfer->setUp(start);
    notify([&](IMDT_ContainerObserver_s& o) { o.onTransferStart(start.transferId); });
}

MDT_Deserialiser* MDT_Container::find(std::uint8_t transferId, std::uint8_t channelId)
{
    const auto found = transfers.find(transferId);
    if (found == transfers.end()) {
        notify([&](IMDT_ContainerObserver_s& o) { o.onTransferError(transferId, mdtTransferIdDoesNotMatch); });
        return nullptr;
    }
    if (found->second->channelId != channelId) {
        notify([&](IMDT_ContainerObserver_s& o) { o.onTransferError(transferId, mdtChannelIdDoesNotMatch); });
        return nullptr;
    }
    return found->second.get();
}

std::int32_t MDT_Container::addDataBlock(const MDTDataRecord_s& block)
{
    MDT_Deserialiser* transfer = find(block.transferId, block.channelId);
    if (!transfer)
        return 0;
    const std::int32_t code = transfer->addBlock(block);
    if (code != 0)
        notify([&](IMDT_ContainerObserver_s& o) { o.onTransferError(block.transferId, code); });
    return code;
}

std::int32_t MDT_Container::endTransfer(const MDTEndRecord_s& end)
{
    MDT_Deserialiser* transfer = find(end.transferId, end.channelId);
    if (!transfer)
        return 0;
    std::int32_t code = 0;
    if (transfer->received != transfer->size)
        code = mdtBadTransferredDataSize;
    else if (end.size != transfer->size)
        code = mdtBadEotDataSize;
    transfer->complete = true;
    if (code != 0)
        notify([&](IMDT_ContainerObserver_s& o) { o.onTransferError(end.transferId, code); });
    else
        notify([&](IMDT_ContainerObserver_s& o) { o.onTransferComplete(end.transferId); });
    return code;
}

std::unique_ptr<MDT_Deserialiser> MDT_Container::takeTransfer(std::uint8_t transferId)
{
    const auto found = transfers.find(transferId);
    if (found == transfers.end())
        return nullptr;
    auto transfer = std::move(found->second);
    transfers.erase(found);
    return transfer;
}

} // namespace KelpLib
