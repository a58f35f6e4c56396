#include "common/CRC32.h"
#include "common/CRC32STM32.h"
#include "common/KorvErr.h"
#include "log/MakeEncryptor.h"
#include "log/MemFile.h"
#include "support/TestPaths.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

#include <string>

using namespace KelpLib;
using ZrlTest::Bytes;

namespace {

const Bytes checkText{'1', '2', '3', '4', '5', '6', '7', '8', '9'};

ByteBuffer view(Bytes& bytes)
{
    ByteBuffer buffer;
    wrap(buffer, bytes.data(), static_cast<std::int64_t>(bytes.size()));
    return buffer;
}

// A device file as a producer writes it: type id, then the CRC and the content enciphered as
// one stream (CRC bytes first).
Bytes encipheredFile(std::uint8_t typeId, Bytes content)
{
    ByteBuffer plain = view(content);
    const std::uint32_t crc = typeId >= 5 ? DeviceLib::CRC32STM32().update(plain) : CommonLib::CRC32().update(plain);
    Bytes crcField{std::uint8_t(crc), std::uint8_t(crc >> 8), std::uint8_t(crc >> 16), std::uint8_t(crc >> 24)};
    const auto cipher = makeEncryptor(typeId, true);
    ByteBuffer crcBuffer = view(crcField);
    cipher->encipher(crcBuffer);
    ByteBuffer contentBuffer = view(content);
    cipher->encipher(contentBuffer);
    Bytes file{typeId};
    file.insert(file.end(), crcField.begin(), crcField.end());
    file.insert(file.end(), content.begin(), content.end());
    return file;
}

struct Failure {
    std::int32_t code = 0;
    std::string message;
};

Failure readFailure(MemFile& file, const std::string& path)
{
    try {
        file.read(path.c_str(), 500000000);
    } catch (const CommonLib::KorvErr& e) {
        EXPECT_EQ(e.getContext(), "MemFile::read");
        return {e.getCode(), e.what()};
    }
    return {};
}

std::string writeScratch(const std::string& name, const Bytes& bytes)
{
    const std::string path = ZrlTest::scratchDir() + "/" + name;
    ZrlTest::writeFile(path, bytes);
    return path;
}

Bytes contentOf(const MemFile& file) { return Bytes(file.data(), file.data() + file.size()); }

} // namespace

// Files written byte for byte: they pin the layout (id, CRC, content; one cipher stream) and
// the choice of CRC by type id.
TEST(MemFileEnciphered, KnownFilesOfEachType)
{
    const struct {
        Bytes file;
        std::uint32_t crc;
    } cases[] = {
        {{0x03, 0x26, 0x39, 0xA7, 0x46, 0x31, 0x32, 0x53, 0x72, 0xA8, 0x5D, 0x3A, 0x04, 0x0D}, 0xCBF43926},
        {{0x04, 0x61, 0x5B, 0xF1, 0x8D, 0x0C, 0x50, 0x66, 0x41, 0xA7, 0x7B, 0x6D, 0x40, 0x7E}, 0xCBF43926},
        {{0x05, 0xD6, 0xB6, 0x50, 0x88, 0x5B, 0x18, 0x1F, 0x02, 0x86, 0x03, 0xA5, 0x32, 0x53}, 0x1556F485},
        {{0x06, 0xB8, 0x46, 0x23, 0x2B, 0xE1, 0x55, 0xDD, 0x42, 0xC3, 0xF5, 0x10, 0x87, 0x20}, 0x1556F485},
        {{0x01, 0x26, 0x39, 0xF4, 0xCB, '1', '2', '3', '4', '5', '6', '7', '8', '9'}, 0xCBF43926},
        {{0x07, 0x85, 0xF4, 0x56, 0x15, '1', '2', '3', '4', '5', '6', '7', '8', '9'}, 0x1556F485},
    };
    for (const auto& c : cases) {
        MemFile file;
        const std::string path = writeScratch("device.korp", c.file);
        file.read(path.c_str(), 500000000);
        EXPECT_EQ(contentOf(file), checkText) << int(c.file[0]);
        EXPECT_EQ(file.data()[file.size()], 0);
        EXPECT_EQ(file.getEncryptionTypeId(), c.file[0]);
        EXPECT_EQ(file.getStoredCrc(), c.crc);
        EXPECT_EQ(file.getComputedCrc(), c.crc);
    }
}

TEST(MemFileEnciphered, EveryExtensionAndTypeReadsBack)
{
    Bytes content(3000);
    for (std::size_t i = 0; i < content.size(); ++i)
        content[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    for (const char* name : {"a.korp", "b.kore", "c.hxex", "d.hxe"}) {
        for (std::uint8_t typeId : {0, 1, 3, 4, 5, 6, 200}) {
            const Bytes bytes = encipheredFile(typeId, content);
            if (typeId >= 3 && typeId <= 6) {
                ASSERT_NE(Bytes(bytes.begin() + 5, bytes.end()), content);
            }
            MemFile file;
            file.read(writeScratch(name, bytes).c_str(), 500000000);
            EXPECT_EQ(contentOf(file), content) << name << " type " << int(typeId);
            EXPECT_EQ(file.size(), bytes.size() - 5);
            EXPECT_EQ(file.data()[file.size()], 0);
            EXPECT_EQ(file.getPath(), "") << "left unset for an enciphered file";
            EXPECT_EQ(file.getExtension(), "");
        }
    }
}

TEST(MemFileEnciphered, BadCrcIsRefusedAndTheContentStays)
{
    Bytes bytes = encipheredFile(6, checkText);
    bytes[9] ^= 0x01;
    MemFile file;
    const Failure failure = readFailure(file, writeScratch("bad.hxe", bytes));
    EXPECT_EQ(failure.code, -179);
    EXPECT_EQ(failure.message, "Bad file CRC!");
    Bytes expected = checkText;
    expected[4] ^= 0x01;
    ASSERT_NE(file.data(), nullptr);
    EXPECT_EQ(contentOf(file), expected);
    EXPECT_NE(file.getStoredCrc(), file.getComputedCrc());

    Bytes badHeader = encipheredFile(3, checkText);
    badHeader[4] ^= 0x80;
    EXPECT_EQ(readFailure(file, writeScratch("bad.kore", badHeader)).code, -179);
}

TEST(MemFileEnciphered, FileShorterThanItsHeaderIsRefused)
{
    const Bytes header{0x05, 0xFF, 0xFF, 0xFF, 0xFF};
    for (std::size_t size = 1; size < header.size(); ++size) {
        MemFile file;
        const Failure failure =
            readFailure(file, writeScratch("short.hxex", Bytes(header.begin(), header.begin() + size)));
        EXPECT_EQ(failure.code, -186) << size;
        EXPECT_EQ(failure.message, "Cannot open file - enciphered file shorter than its 5 header bytes");
        EXPECT_EQ(file.data(), nullptr);
        EXPECT_EQ(file.size(), 0u);
    }
}

TEST(MemFileEnciphered, HeaderOnlyFileHoldsNoContent)
{
    // The CRC of no bytes: 0 for the standard CRC, 0xFFFFFFFF for the microcontroller one.
    EXPECT_EQ(encipheredFile(0, {}), (Bytes{0x00, 0, 0, 0, 0}));
    for (std::uint8_t typeId : {0, 5}) {
        MemFile file;
        file.read(writeScratch("empty.korp", encipheredFile(typeId, {})).c_str(), 500000000);
        EXPECT_EQ(file.getComputedCrc(), typeId == 5 ? 0xFFFFFFFFu : 0u);
        EXPECT_EQ(file.size(), 0u);
        ASSERT_NE(file.data(), nullptr);
        EXPECT_EQ(file.data()[0], 0);
    }
}

TEST(MemFileEnciphered, ReusedFileForgetsTheCipherOfTheLastRead)
{
    MemFile file;
    file.read(writeScratch("one.hxe", encipheredFile(5, checkText)).c_str(), 500000000);
    EXPECT_EQ(file.getEncryptionTypeId(), 5);
    const std::string plain = writeScratch("two.zrl", checkText);
    file.read(plain.c_str(), 500000000);
    EXPECT_EQ(file.getEncryptionTypeId(), 0);
    EXPECT_EQ(file.getStoredCrc(), 0u);
    EXPECT_EQ(file.getComputedCrc(), 0u);
    EXPECT_EQ(contentOf(file), checkText);
    EXPECT_EQ(file.getPath(), plain);
}

TEST(MemFileEnciphered, SizeLimitsComeFirst)
{
    MemFile file;
    const Bytes bytes = encipheredFile(4, checkText);
    std::int32_t code = 0;
    try {
        file.read(writeScratch("big.korp", bytes).c_str(), static_cast<std::int32_t>(bytes.size()));
    } catch (const CommonLib::KorvErr& e) {
        code = e.getCode();
    }
    EXPECT_EQ(code, -180);
    EXPECT_EQ(readFailure(file, writeScratch("zero.korp", {})).code, -186);
}
