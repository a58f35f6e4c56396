// The fast-packet assembler on a sequence of frames cut from the input: each frame is one
// length byte, a PGN selector byte and that many frame bytes.
#include "log/FastPacketAssembler.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    KelpLib::FastPacketAssembler assembler(2000, 16, 750);
    std::size_t at = 0;
    while (at + 2 <= size) {
        const std::size_t length = data[at] % 20;
        const std::uint32_t pgn = 129029 + (data[at + 1] & 3);
        at += 2;
        if (at + length > size)
            break;
        auto frame = std::make_unique<std::uint8_t[]>(length + 1);
        for (std::size_t i = 0; i < length; ++i)
            frame[i] = data[at + i];
        at += length;
        KelpLib::ByteBuffer buffer;
        KelpLib::wrap(buffer, frame.get(), static_cast<std::int64_t>(length));
        assembler.feedFrame(buffer, pgn);
        KelpLib::ByteBuffer message;
        while (assembler.takeComplete(message))
            if (message.length < 13 || message.data[0] != 0xD0)
                __builtin_trap();
    }
    return 0;
}
