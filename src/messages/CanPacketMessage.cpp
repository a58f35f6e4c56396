#include "messages/CanPacketMessage.h"

#include "messages/CanPacket.h"
#include "messages/N2KHeader.h"
#include "messages/N2KMsg.h"
#include "n2k/LibN2K.h"

namespace KelpLib {

bool canPacketIsSingleFrame(const ByteBuffer& frame)
{
    const StandardsLib::LibN2KPGN handle(canPacketPgn(frame));
    // An unknown PGN leaves the handle on the database's first row, whose mark says nothing
    // about this PGN.
    return StandardsLib::theLibN2K().findPgn(handle.pgn()) != nullptr && handle.isSingleFrame();
}

const char* canPacketKindText(const ByteBuffer& frame) { return canPacketIsSingleFrame(frame) ? "SINGLE" : "FAST"; }

const char* canPacketKindTitle(const ByteBuffer& frame)
{
    return canPacketIsSingleFrame(frame) ? "Single-Packet" : "Fast-Packet";
}

std::int32_t canPacketToN2KMsg(const ByteBuffer& frame, N2KMsg& out)
{
    if (frame.data == nullptr || frame.length == 0 || frame.data[0] != 0x95) {
        out = N2KMsg();
        return bstUnknownCommand;
    }
    out = N2KMsg(frame);
    return out.decodeResult();
}

} // namespace KelpLib
