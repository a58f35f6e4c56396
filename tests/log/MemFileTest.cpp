#include "common/KorvErr.h"
#include "log/LargePages.h"
#include "log/MemFile.h"
#include "support/TestPaths.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <sys/resource.h>

using namespace KelpLib;
using ZrlTest::Bytes;

namespace {

const Bytes checkText{'1', '2', '3', '4', '5', '6', '7', '8', '9'};

// Device files byte for byte (type id, CRC, content: CRC and content one cipher stream) of the
// content "123456789": the standard CRC up to type 4, the microcontroller's from type 5 on.
const std::pair<Bytes, std::uint32_t> knownFiles[] = {
    {{0x03, 0x26, 0x39, 0xA7, 0x46, 0x31, 0x32, 0x53, 0x72, 0xA8, 0x5D, 0x3A, 0x04, 0x0D}, 0xCBF43926},
    {{0x04, 0x61, 0x5B, 0xF1, 0x8D, 0x0C, 0x50, 0x66, 0x41, 0xA7, 0x7B, 0x6D, 0x40, 0x7E}, 0xCBF43926},
    {{0x05, 0xD6, 0xB6, 0x50, 0x88, 0x5B, 0x18, 0x1F, 0x02, 0x86, 0x03, 0xA5, 0x32, 0x53}, 0x1556F485},
    {{0x06, 0xB8, 0x46, 0x23, 0x2B, 0xE1, 0x55, 0xDD, 0x42, 0xC3, 0xF5, 0x10, 0x87, 0x20}, 0x1556F485},
    {{0x01, 0x26, 0x39, 0xF4, 0xCB, '1', '2', '3', '4', '5', '6', '7', '8', '9'}, 0xCBF43926},
    {{0x07, 0x85, 0xF4, 0x56, 0x15, '1', '2', '3', '4', '5', '6', '7', '8', '9'}, 0x1556F485},
};

std::string writeScratch(const std::string& name, const Bytes& bytes)
{
    const std::string path = ZrlTest::scratchDir() + "/" + name;
    ZrlTest::writeFile(path, bytes);
    return path;
}

// The code and message of a failed read, {0, ""} when it succeeds.
std::pair<std::int32_t, std::string> readFailure(MemFile& file, const std::string& path, std::int32_t maxFileSize = 500000000)
{
    try {
        file.read(path.c_str(), maxFileSize);
    } catch (const CommonLib::KorvErr& e) {
        EXPECT_EQ(e.getContext(), "MemFile::read");
        return {e.getCode(), e.what()};
    }
    return {0, ""};
}

Bytes contentOf(const MemFile& file) { return Bytes(file.data(), file.data() + file.size()); }

} // namespace

TEST(MemFile, PlainFileIsReadWholeWithATrailingZero)
{
    const std::string path = writeScratch("LOG.HXE", {'a', 'b', 'c'});
    MemFile file;
    file.read(path.c_str(), 500000000);
    ASSERT_EQ(contentOf(file), (Bytes{'a', 'b', 'c'}));
    EXPECT_EQ(file.data()[3], 0);
    EXPECT_EQ(file.getPath(), path);
    EXPECT_EQ(file.getExtension(), ".HXE") << "the enciphered extensions compare case-sensitively";
    EXPECT_EQ(file.getEncryptionTypeId(), 0);
    file.clear();
    EXPECT_EQ(file.data(), nullptr);

    const std::string dir = ZrlTest::scratchDir() + "/dir.v1";
    std::filesystem::create_directories(dir);
    file.read(writeScratch("dir.v1/data", {1}).c_str(), 100);
    EXPECT_EQ(file.getExtension(), ".v1/data");
}

// Failures carry their codes and messages; the size limit is tested before anything is read
// (sparse files at the document's limit of 500000000 bytes).
TEST(MemFile, FailuresCarryTheirCodesAndMessages)
{
    const std::string ten = writeScratch("ten.zrl", Bytes(10, 0x41)), atLimit = writeScratch("limit.zrl", {1}), under = writeScratch("under.zrl", {1});
    std::filesystem::resize_file(atLimit, 500000000);
    std::filesystem::resize_file(under, 499999999);
    const Bytes header{0x05, 0xFF, 0xFF, 0xFF, 0xFF};
    const struct {
        std::string path;
        std::int32_t maxFileSize;
        std::int32_t code;
        std::string message;
    } cases[] = {
        {"/nonexistent/x.zrl", 100, -198, "File \"/nonexistent/x.zrl\" Not found"},
        {writeScratch("empty.zrl", {}), 0, -186, "Cannot open file - file size is zero"}, // an empty file is not too large
        {ten, 10, -180, "Cannot open file - bigger than MaxFileSize"},
        {ten, 11, 0, ""},
        {atLimit, 500000000, -180, "Cannot open file - bigger than MaxFileSize"},
        {under, 500000000, 0, ""},
        {writeScratch("big.korp", knownFiles[1].first), 14, -180, "Cannot open file - bigger than MaxFileSize"},
        {writeScratch("zero.korp", {}), 100, -186, "Cannot open file - file size is zero"},
        {writeScratch("s1.hxex", Bytes(header.begin(), header.begin() + 1)), 100, -186, "Cannot open file - enciphered file shorter than its 5 header bytes"},
        {writeScratch("s4.hxex", Bytes(header.begin(), header.begin() + 4)), 100, -186, "Cannot open file - enciphered file shorter than its 5 header bytes"},
    };
    for (const auto& c : cases) {
        MemFile file;
        EXPECT_EQ(readFailure(file, c.path, c.maxFileSize), std::make_pair(c.code, c.message)) << c.path;
        EXPECT_EQ(file.data() == nullptr, c.code != 0) << c.path;
    }
    std::filesystem::remove(atLimit);
    std::filesystem::remove(under);
}

#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__) // they reserve vast address space
TEST(MemFileDeathTest, NoMemoryForTheBufferIsReportedAsSuch)
{
    // A child whose address space is capped below the file's size cannot get the buffer: the
    // failure names the memory, not the file.
    const std::string big = ZrlTest::scratchDir() + "/nomemory.zrl";
    { std::ofstream(big, std::ios::binary | std::ios::trunc).put('x'); }
    std::filesystem::resize_file(big, 400000000);
    EXPECT_EXIT(
        {
            rlimit cap{};
            getrlimit(RLIMIT_AS, &cap);
            std::ifstream status("/proc/self/statm");
            std::size_t pages = 0;
            status >> pages;
            cap.rlim_cur = pages * 4096 + (64u << 20);
            setrlimit(RLIMIT_AS, &cap);
            MemFile file;
            const auto failure = readFailure(file, big);
            std::exit(failure == std::make_pair(-1394, std::string("Buffer Malloc allocation failed!")) && file.data() == nullptr ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
    std::filesystem::remove(big);
}
#endif

// Pages given back are reused for the bytes still to be read; the file ends one byte short of a
// large page, so a reused page also holds the 0 after the last byte.
TEST(MemFile, ReadInStepFillsAsAskedAndReusesReleasedPages)
{
    constexpr std::size_t page = KelpLib::largePageSize; // released in whole large pages
    Bytes bytes(3 * page - 1);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i % 251 + 1); // no 0 anywhere
    const std::string path = writeScratch("step.zrl", bytes);
    MemFile file;
    file.readInStep(path.c_str(), 500000000);
    EXPECT_EQ(file.size(), bytes.size()) << "the size is known before the content is read";
    EXPECT_EQ(file.getPath(), path);
    EXPECT_EQ(file.fill(10), 10u);
    EXPECT_EQ(file.data()[9], bytes[9]);
    EXPECT_EQ(file.fill(page + 5000), page + 5000);
    file.release(page - 1); // less than a whole page: nothing is given back
    EXPECT_EQ(file.data()[0], bytes[0]);
    file.release(page + 10); // the first page only
    EXPECT_EQ(file.data()[page + 4999], bytes[page + 4999]);
    EXPECT_EQ(file.data()[page - 1], 0) << "a released page reads as 0";
    EXPECT_EQ(file.fill(1u << 30), bytes.size());
    EXPECT_TRUE(std::equal(bytes.begin() + page, bytes.end(), file.data() + page));
    EXPECT_EQ(file.data()[bytes.size()], 0);
    file.release(4 * page); // past what was filled: ignored
    EXPECT_EQ(file.data()[page], bytes[page]);
    file.release(static_cast<std::uint32_t>(bytes.size()));
    EXPECT_EQ(file.data()[bytes.size()], 0) << "nothing is left to reuse the pages for";
}

TEST(MemFile, FileCutWhileReadInStepEndsWhereItsReadingStopped)
{
    const std::string path = writeScratch("cut.zrl", Bytes(1000, 'a'));
    MemFile file;
    file.readInStep(path.c_str(), 500000000);
    EXPECT_EQ(file.fill(100), 100u);
    std::filesystem::resize_file(path, 300);
    EXPECT_TRUE(file.fill(1000) == 300 && file.size() == 300);
    EXPECT_EQ(file.data()[300], 0);

    MemFile emptied;
    emptied.readInStep(path.c_str(), 500000000);
    std::filesystem::resize_file(path, 0);
    EXPECT_TRUE(emptied.fill(1000) == 0 && emptied.size() == 0 && emptied.getPath().empty()) << "nothing was read";
}

// Every enciphered extension reads each known file back, the CRC checked; the extension is
// case-sensitive and left unset, as is the path.
TEST(MemFileEnciphered, KnownFilesOfEachTypeAndExtension)
{
    for (const char* name : {"a.korp", "b.kore", "c.hxex", "d.hxe"}) {
        for (const auto& [bytes, crc] : knownFiles) {
            MemFile file;
            file.read(writeScratch(name, bytes).c_str(), 500000000);
            ASSERT_EQ(contentOf(file), checkText) << name << " " << int(bytes[0]);
            EXPECT_EQ(file.data()[file.size()], 0);
            EXPECT_TRUE(file.getEncryptionTypeId() == bytes[0] && file.getStoredCrc() == crc && file.getComputedCrc() == crc) << name << " " << int(bytes[0]);
            EXPECT_EQ(file.getPath() + file.getExtension(), "") << "left unset for an enciphered file";
        }
    }
    // The CRC of no bytes: 0 for the standard CRC, 0xFFFFFFFF (enciphered) for the microcontroller one.
    for (const Bytes& empty : {Bytes{0x00, 0, 0, 0, 0}, Bytes{0x07, 0xFF, 0xFF, 0xFF, 0xFF}}) {
        MemFile file;
        file.read(writeScratch("empty.korp", empty).c_str(), 500000000);
        EXPECT_EQ(file.getComputedCrc(), empty[0] == 7 ? 0xFFFFFFFFu : 0u);
        ASSERT_TRUE(file.size() == 0 && file.data() != nullptr);
        EXPECT_EQ(file.data()[0], 0);
    }
}

TEST(MemFileEnciphered, BadCrcIsRefusedAndTheContentStays)
{
    Bytes bytes = knownFiles[3].first;
    bytes[9] ^= 0x01;
    MemFile file;
    EXPECT_EQ(readFailure(file, writeScratch("bad.hxe", bytes)), std::make_pair(-179, std::string("Bad file CRC!")));
    Bytes expected = checkText;
    expected[4] ^= 0x01;
    ASSERT_NE(file.data(), nullptr);
    EXPECT_EQ(contentOf(file), expected);
    EXPECT_NE(file.getStoredCrc(), file.getComputedCrc());
    Bytes badHeader = knownFiles[0].first;
    badHeader[4] ^= 0x80;
    EXPECT_EQ(readFailure(file, writeScratch("bad.kore", badHeader)).first, -179);

    // A plain file read next forgets the cipher.
    const std::string plain = writeScratch("two.zrl", checkText);
    file.read(plain.c_str(), 500000000);
    EXPECT_EQ(std::to_string(file.getEncryptionTypeId()) + " " + std::to_string(file.getStoredCrc()) + " " + std::to_string(file.getComputedCrc()), "0 0 0");
    EXPECT_EQ(contentOf(file), checkText);
    EXPECT_EQ(file.getPath(), plain);
}
