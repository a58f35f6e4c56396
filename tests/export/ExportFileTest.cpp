#include "export/ExportFile.h"

#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>

using KelpLib::ExportFile;

// A file that cannot be created or completely written says why and leaves nothing behind.
TEST(ExportFile, FailuresNameTheSystemsReasonAndLeaveNoFile)
{
    const std::string dir = ZrlTest::scratchDir();
    const std::string full = dir + "/full.csv";
    std::filesystem::remove(full);
    std::filesystem::create_symlink("/dev/full", full);
    std::ofstream(dir + "/plain") << "x";
    struct Case {
        std::string path;
        const char* reason;
    } const cases[] = {
        {dir + "/missing/x.csv", "No such file or directory"},
        {dir + "/plain/x.csv", "Not a directory"},
        {full, "No space left on device"},
    };
    for (const Case& c : cases) {
        ExportFile file(c.path);
        for (int line = 0; line < 2000; ++line)
            file << "a line of an export that does not fit\r\n";
        EXPECT_FALSE(file.finish()) << c.path;
        EXPECT_EQ(file.failure(), c.reason) << c.path;
        EXPECT_FALSE(std::filesystem::is_regular_file(c.path)) << c.path;
    }
    EXPECT_EQ(KelpLib::writeFailureText("/a/b.csv", "No such file or directory"),
              "Cannot write \"/a/b.csv\": No such file or directory");
}

// A regular file that stops taking bytes part-way (here at the process's file size limit) is
// removed, not left behind looking like an export.
TEST(ExportFile, PartlyWrittenFileIsRemoved)
{
    const std::string path = ZrlTest::scratchDir() + "/limited.csv";
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit limited = old;
    limited.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    ExportFile file(path);
    for (int line = 0; line < 2000; ++line)
        file << "a line of an export that does not fit\r\n";
    const bool finished = file.finish();
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_FALSE(finished);
    EXPECT_EQ(file.failure(), "File too large");
    EXPECT_FALSE(std::filesystem::exists(path));
}
