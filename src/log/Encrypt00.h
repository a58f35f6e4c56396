#pragma once

#include "log/BaseEncrypt.h"

namespace KelpLib {

// The pass-through cipher (type id 0), also the answer for any unknown type id.
class Encrypt00 final : public BaseEncrypt {
public:
    explicit Encrypt00(bool mode) : BaseEncrypt(mode, 0) {}
    void reset() override {}
    std::int32_t encipher(ByteBuffer&) override { return 0; }
    std::int32_t decipher(ByteBuffer&) override { return 0; }
    void seek(std::uint32_t) override {}
};

} // namespace KelpLib
