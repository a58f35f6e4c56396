#pragma once

#include "common/ByteBuffer.h"

#include <cstdint>

namespace KelpLib {

// A byte-stream cipher working in place on a buffer. The keystream depends only on the position
// and the cipher's own state, never on the data, so enciphering and deciphering are the same
// operation. The state runs on across calls: two calls on consecutive pieces of a stream give
// what one call on the whole would.
class IEncrypt {
public:
    virtual ~IEncrypt() = default;
    // Back to the start state.
    virtual void reset() = 0;
    virtual std::uint32_t typeId() const = 0;
    // Change bytes 0 to length - 1 in place; always 0.
    virtual std::int32_t encipher(ByteBuffer& bytes) = 0;
    virtual std::int32_t decipher(ByteBuffer& bytes) = 0;
    // The state that processing count bytes from the start state would leave.
    virtual void seek(std::uint32_t count) = 0;
};

} // namespace KelpLib
