// An NMEA 0183 sentence of arbitrary bytes: parse, field layout and every rendering.
#include "grid/IGridTable.h"
#include "messages/KorvBuf.h"
#include "messages/N183Msg.h"
#include "presentation/N183MsgGridAdapter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    KelpLib::ByteBuffer bytes;
    KelpLib::wrap(bytes, data, static_cast<std::int64_t>(size));
    KelpLib::N183Msg message(bytes);
    std::size_t total = message.name().size() + message.dataText().size() + message.key().size();
    total += message.raw()->length();
    for (std::uint32_t row = 0; row < 6; ++row)
        total += message.titleRow(row).size() + message.rowHeader(row).size();
    for (std::uint32_t row = 0; row <= message.rowCount(); ++row)
        for (const char* column : {"Field", "Name", "Data", "Units", "Other"})
            total += message.cellText(row, column).size();
    for (std::uint32_t id = 0; id < 14; ++id)
        total += message.listText(id).size();
    for (std::uint32_t index = 0; index <= message.fieldCount(); ++index)
        total += message.fieldText(index).size();
    KelpLib::N183Msg copy(message);
    KelpLib::N183MsgGridAdapter adapter(copy, nullptr);
    total += adapter.findTable("fields")->getCellText(0, "Data").size();
    return total == 0 ? 0 : 0;
}
