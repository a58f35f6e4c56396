#pragma once

#include "log/BaseEncrypt.h"

namespace KelpLib {

// The cipher of BEM boot messages (type id 3). Bytes 0 and 1 of every buffer (message id and
// length) are left as they are. With mode false only a message 0xA8 is enciphered and only a
// message 0xA7 deciphered; with mode true both act on every buffer.
class Encrypt03 final : public BaseEncrypt {
public:
    explicit Encrypt03(bool mode) : BaseEncrypt(mode, 3) {}
    void reset() override;
    std::int32_t encipher(ByteBuffer& bytes) override;
    std::int32_t decipher(ByteBuffer& bytes) override;
    void seek(std::uint32_t count) override;

    std::uint8_t getIndex() const { return index; }
    std::uint8_t getA() const { return a; }
    std::uint8_t getB() const { return b; }

private:
    void apply(ByteBuffer& bytes, std::uint8_t acceptedId);

    std::uint8_t index = 0;
    std::uint8_t a = 0;
    std::uint8_t b = 0;
};

} // namespace KelpLib
