#pragma once

#include "log/IEncrypt.h"

namespace KelpLib {

// What every cipher carries: its direction mode and its type id.
class BaseEncrypt : public IEncrypt {
public:
    std::uint32_t typeId() const override { return id; }
    bool getMode() const { return mode; }

protected:
    BaseEncrypt(bool mode, std::uint32_t typeId) : mode(mode), id(typeId) {}

private:
    bool mode;
    std::uint32_t id;
};

// A cipher that XORs every byte with the next byte of a keystream. Keystream is a small value
// type whose default value is the start state, with keyByte() (the byte for the current
// position) and advance() (on to the next position).
template <class Keystream, std::uint32_t TypeId>
class KeystreamEncrypt : public BaseEncrypt {
public:
    void reset() override { keystream = Keystream{}; }
    std::int32_t encipher(ByteBuffer& bytes) override { return apply(bytes); }
    std::int32_t decipher(ByteBuffer& bytes) override { return apply(bytes); }
    void seek(std::uint32_t count) override
    {
        reset();
        for (std::uint32_t i = 0; i < count; ++i)
            keystream.advance();
    }
    const Keystream& state() const { return keystream; }

protected:
    KeystreamEncrypt() : BaseEncrypt(true, TypeId) {}

private:
    std::int32_t apply(ByteBuffer& bytes)
    {
        if (bytes.data == nullptr)
            return 0;
        for (std::uint32_t i = 0; i < bytes.length; ++i) {
            bytes.data[i] ^= keystream.keyByte();
            keystream.advance();
        }
        return 0;
    }

    Keystream keystream{};
};

} // namespace KelpLib
