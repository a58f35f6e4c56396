#include "log/MemFile.h"

#include "common/CRC32.h"
#include "common/CRC32STM32.h"
#include "common/KorvErr.h"
#include "log/MakeEncryptor.h"

namespace KelpLib {

namespace {

// Byte 0: the cipher's type id; bytes 1 to 4: the enciphered CRC of the content.
constexpr std::size_t headerBytes = 5;
constexpr std::size_t crcBytes = 4;
// Files of these types carry the microcontroller CRC, older ones the standard CRC-32.
constexpr std::uint8_t firstStm32CrcType = 5;

// A file too short to hold its header is refused with -186 (the catalogue's "ReadFile Function
// Error!"): it cannot be read as what its name says it is. Nothing past its end is read.
[[noreturn]] void refuseShortFile()
{
    throw CommonLib::KorvErr(-186, "Cannot open file - enciphered file shorter than its 5 header bytes", MemFile::readContext);
}

std::uint32_t littleEndian32(const std::uint8_t* bytes)
{
    return std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16
        | std::uint32_t(bytes[3]) << 24;
}

std::uint32_t contentCrc(std::uint8_t typeId, const ByteBuffer& content)
{
    if (typeId >= firstStm32CrcType)
        return DeviceLib::CRC32STM32().update(content);
    return CommonLib::CRC32().update(content);
}

} // namespace

// The CRC bytes and the content are deciphered as one stream by one cipher, CRC bytes first.
void MemFile::readEnciphered(std::FILE* file, std::uint64_t size)
{
    std::uint8_t header[headerBytes];
    if (size < headerBytes || std::fread(header, 1, headerBytes, file) != headerBytes)
        refuseShortFile();

    encryptionTypeId = header[0];
    const auto cipher = makeEncryptor(encryptionTypeId, true);
    ByteBuffer crcField;
    wrap(crcField, header + 1, crcBytes);
    cipher->decipher(crcField);
    storedCrc = littleEndian32(header + 1);

    const std::size_t room = static_cast<std::size_t>(size - headerBytes);
    allocate(room);
    length = static_cast<std::uint32_t>(std::fread(content, 1, room, file));
    content[length] = 0; // also right after a short read

    ByteBuffer body;
    wrap(body, content, length);
    cipher->decipher(body);
    computedCrc = contentCrc(encryptionTypeId, body);
    if (computedCrc != storedCrc)
        throw CommonLib::KorvErr(-179, "Bad file CRC!", MemFile::readContext);
}

} // namespace KelpLib
