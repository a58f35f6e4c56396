// The mass data transfer container on arbitrary sequences of start, data and end records.
// Each record of the input is a kind byte, a length byte and that many message bytes.
#include "log/MDTRecords.h"
#include "log/MDT_Container.h"

#include <set>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    KelpLib::MDT_Container container;
    std::set<std::uint8_t> ids;
    std::size_t at = 0;
    while (at + 2 <= size) {
        const std::uint8_t kind = data[at] % 3;
        const std::size_t length = std::min<std::size_t>(data[at + 1], size - at - 2);
        // Each message gets its own allocation so a read past it is caught.
        const std::vector<std::uint8_t> message(data + at + 2, data + at + 2 + length);
        const auto count = static_cast<std::uint32_t>(message.size());
        at += 2 + length;
        if (kind == 0) {
            KelpLib::MDTStartRecord_s start;
            if (KelpLib::decodeMdtStart(message.data(), count, start) == 0) {
                container.startTransfer(start);
                ids.insert(start.transferId);
            }
        } else if (kind == 1) {
            KelpLib::MDTDataRecord_s block;
            if (KelpLib::decodeMdtData(message.data(), count, block) == 0)
                container.addDataBlock(block);
        } else {
            KelpLib::MDTEndRecord_s end;
            if (KelpLib::decodeMdtEnd(message.data(), count, end) == 0)
                container.endTransfer(end);
        }
    }
    std::size_t bytes = 0;
    for (std::uint8_t id : ids)
        if (auto transfer = container.takeTransfer(id))
            bytes += transfer->data.size() + transfer->received;
    return bytes == 1 ? 0 : 0;
}
