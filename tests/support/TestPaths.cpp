#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace ZrlTest {

std::string sourcePath(const std::string& relative)
{
    return std::string(ZRL_SOURCE_DIR) + "/" + relative;
}

std::string scratchDir()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "scratch";
    for (char& c : name)
        if (c == '/') c = '_';
    std::filesystem::path dir = std::filesystem::path(ZRL_BINARY_DIR) / "scratch" / name;
    // Emptied on the first call of each test only, so that a test may ask for it again.
    static std::string lastTest;
    if (name != lastTest) {
        std::filesystem::remove_all(dir);
        lastTest = name;
    }
    std::filesystem::create_directories(dir);
    return dir.string();
}

}  // namespace ZrlTest
