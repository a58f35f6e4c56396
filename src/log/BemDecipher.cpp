#include "log/BemDecipher.h"

#include "log/IEncrypt.h"
#include "log/MakeEncryptor.h"

#include <algorithm>
#include <memory>
#include <mutex>

namespace KelpLib {

namespace {

constexpr std::uint8_t bootCipherType = 3;

std::mutex& cipherLock()
{
    static std::mutex lock;
    return lock;
}

// Created on first use; a function-local static is safe against concurrent first use.
IEncrypt& bootCipher()
{
    static const std::unique_ptr<IEncrypt> cipher = makeEncryptor(bootCipherType, true);
    return *cipher;
}

bool startsTransfer(const std::uint8_t* bem, std::uint32_t available)
{
    const std::uint8_t length = bem[1];
    if (available < 3)
        return false;
    const std::uint8_t command = bem[2];
    return command == 16 || (command == 0 && length > 12) || (command == 0 && length == 2 && available >= 4 && bem[3] == 1);
}

} // namespace

void decipherBemMessage(std::uint8_t* message, std::uint32_t messageLength, std::uint32_t offset)
{
    if (message == nullptr || offset >= messageLength || messageLength - offset < 2)
        return;
    std::uint8_t* bem = message + offset;
    const std::uint32_t available = messageLength - offset;
    const std::uint8_t id = bem[0];
    if (id == 0xA7 || id == 0xA8) {
        // The id, the length byte and the payload, as far as the message holds them.
        ByteBuffer bytes;
        wrap(bytes, bem, std::min<std::uint32_t>(bem[1] + 2u, available));
        std::lock_guard lock(cipherLock());
        bootCipher().decipher(bytes);
    } else if ((id == 0xA5 || id == 0xA6) && startsTransfer(bem, available)) {
        std::lock_guard lock(cipherLock());
        bootCipher().reset();
    }
}

} // namespace KelpLib
