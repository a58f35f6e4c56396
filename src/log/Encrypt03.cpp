#include "log/Encrypt03.h"

#include "log/EncryptKeys.h"

namespace KelpLib {

namespace {

constexpr std::uint8_t bootRequestId = 0xA8;  // enciphered on the way out
constexpr std::uint8_t bootResponseId = 0xA7; // deciphered on the way in
constexpr std::uint32_t keptHeaderBytes = 2;  // message id and length
constexpr std::uint8_t aStep = 19;
constexpr std::uint8_t bStep = 7;

} // namespace

void Encrypt03::reset()
{
    index = a = b = 0;
}

std::int32_t Encrypt03::encipher(ByteBuffer& bytes)
{
    apply(bytes, bootRequestId);
    return 0;
}

std::int32_t Encrypt03::decipher(ByteBuffer& bytes)
{
    apply(bytes, bootResponseId);
    return 0;
}

void Encrypt03::seek(std::uint32_t count)
{
    index = static_cast<std::uint8_t>(count % EncryptKeys::K3.size());
    a = static_cast<std::uint8_t>(aStep * count);
    b = static_cast<std::uint8_t>(0u - bStep * count);
}

void Encrypt03::apply(ByteBuffer& bytes, std::uint8_t acceptedId)
{
    if (bytes.data == nullptr || bytes.length <= keptHeaderBytes)
        return;
    if (!getMode() && bytes.data[0] != acceptedId)
        return;
    for (std::uint32_t i = keptHeaderBytes; i < bytes.length; ++i) {
        const auto key = static_cast<std::uint8_t>(EncryptKeys::K3[index] + a);
        bytes.data[i] = static_cast<std::uint8_t>(key ^ bytes.data[i] ^ b);
        index = static_cast<std::uint8_t>((index + 1) % EncryptKeys::K3.size());
        a = static_cast<std::uint8_t>(a + aStep);
        b = static_cast<std::uint8_t>(b - bStep);
    }
}

} // namespace KelpLib
