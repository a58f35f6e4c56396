// The NMEA 2000 header decode and the classifier on arbitrary BST messages and sentences.
#include "log/ClassifyMessage.h"
#include "messages/N2KHeader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto length = static_cast<std::uint32_t>(size);
    KelpLib::N2KMsg_s header;
    KelpLib::decodeN2KHeader(data, length, 0, header);
    KelpLib::classifyMessage(data, length, true);
    KelpLib::classifyMessage(data, length, false);
    return 0;
}
