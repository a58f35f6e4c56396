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

namespace {

std::int32_t readFailure(MemFile& file, const std::string& path, std::int32_t maxFileSize, std::string* message = nullptr)
{
    try {
        file.read(path.c_str(), maxFileSize);
    } catch (const CommonLib::KorvErr& e) {
        if (message)
            *message = e.what();
        EXPECT_EQ(e.getContext(), "MemFile::read");
        return e.getCode();
    }
    return 0;
}

} // namespace

TEST(MemFile, PlainFileIsReadWholeWithATrailingZero)
{
    const std::string path = ZrlTest::scratchDir() + "/LOG.HXE";
    ZrlTest::writeFile(path, {'a', 'b', 'c'});
    MemFile file;
    file.read(path.c_str(), 500000000);
    ASSERT_EQ(file.size(), 3u);
    EXPECT_EQ(file.data()[2], 'c');
    EXPECT_EQ(file.data()[3], 0);
    EXPECT_EQ(file.getPath(), path);
    EXPECT_EQ(file.getExtension(), ".HXE") << "the enciphered extensions compare case-sensitively";
    EXPECT_EQ(file.getEncryptionTypeId(), 0);
    file.clear();
    EXPECT_EQ(file.data(), nullptr);
    EXPECT_EQ(file.size(), 0u);
}

TEST(MemFile, ExtensionFromADottedDirectory)
{
    const std::string dir = ZrlTest::scratchDir() + "/dir.v1";
    std::filesystem::create_directories(dir);
    ZrlTest::writeFile(dir + "/data", {1});
    MemFile file;
    file.read((dir + "/data").c_str(), 100);
    EXPECT_EQ(file.getExtension(), ".v1/data");
    EXPECT_EQ(file.size(), 1u);
}

TEST(MemFile, FailuresCarryTheirCodesAndMessages)
{
    MemFile file;
    std::string message;
    EXPECT_EQ(readFailure(file, "/nonexistent/x.zrl", 100, &message), -198);
    EXPECT_EQ(message, "File \"/nonexistent/x.zrl\" Not found");

    const std::string empty = ZrlTest::scratchDir() + "/empty.zrl";
    ZrlTest::writeFile(empty, {});
    EXPECT_EQ(readFailure(file, empty, 0, &message), -186) << "an empty file is not too large";
    EXPECT_EQ(message, "Cannot open file - file size is zero");

    const std::string ten = ZrlTest::scratchDir() + "/ten.zrl";
    ZrlTest::writeFile(ten, ZrlTest::Bytes(10, 0x41));
    EXPECT_EQ(readFailure(file, ten, 10, &message), -180);
    EXPECT_EQ(message, "Cannot open file - bigger than MaxFileSize");
    EXPECT_EQ(file.data(), nullptr);
    EXPECT_EQ(readFailure(file, ten, 11), 0);
    EXPECT_EQ(file.size(), 10u);
}

TEST(MemFile, LimitOfTheDocument)
{
    // Sparse files: the size test happens before anything is read.
    const std::string big = ZrlTest::scratchDir() + "/big.zrl";
    for (std::uintmax_t size : {std::uintmax_t(500000000), std::uintmax_t(499999999)}) {
        { std::ofstream(big, std::ios::binary | std::ios::trunc).put('x'); }
        std::filesystem::resize_file(big, size);
        MemFile file;
        EXPECT_EQ(readFailure(file, big, 500000000), size == 500000000 ? -180 : 0) << size;
        EXPECT_EQ(file.size(), size == 500000000 ? 0u : 499999999u);
    }
    std::filesystem::remove(big);
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
            std::string message;
            const std::int32_t code = readFailure(file, big, 500000000, &message);
            std::exit(code == -1394 && message == "Buffer Malloc allocation failed!" && file.data() == nullptr ? 0 : 1);
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
    const std::string path = ZrlTest::scratchDir() + "/step.zrl";
    ZrlTest::Bytes bytes(3 * page - 1);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i % 251 + 1); // no 0 anywhere
    ZrlTest::writeFile(path, bytes);
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
    EXPECT_EQ(file.data()[page], bytes[page]);
    EXPECT_EQ(file.data()[page + 4999], bytes[page + 4999]);
    EXPECT_EQ(file.data()[0], 0) << "a released page reads as 0";
    EXPECT_EQ(file.data()[page - 1], 0);
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
    const std::string path = ZrlTest::scratchDir() + "/cut.zrl";
    ZrlTest::writeFile(path, ZrlTest::Bytes(1000, 'a'));
    MemFile file;
    file.readInStep(path.c_str(), 500000000);
    EXPECT_EQ(file.fill(100), 100u);
    std::filesystem::resize_file(path, 300);
    EXPECT_EQ(file.fill(1000), 300u);
    EXPECT_EQ(file.size(), 300u);
    EXPECT_EQ(file.data()[300], 0);

    MemFile emptied;
    emptied.readInStep(path.c_str(), 500000000);
    std::filesystem::resize_file(path, 0);
    EXPECT_EQ(emptied.fill(1000), 0u);
    EXPECT_EQ(emptied.size(), 0u);
    EXPECT_EQ(emptied.getPath(), "") << "nothing was read";
}
