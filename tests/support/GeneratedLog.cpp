#include "support/GeneratedLog.h"

#include <filesystem>
#include <fstream>

namespace ZrlTest {

std::string cachedGeneratedLog(const std::string& name, std::size_t size, const SecondOfTraffic& appendSecond)
{
    const std::string path = std::string(ZRL_BINARY_DIR) + "/" + name;
    if (std::filesystem::exists(path) && std::filesystem::file_size(path) >= size)
        return path;
    std::mt19937 random(20240601);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    std::size_t written = 0;
    for (std::uint32_t second = 0; written < size; ++second) {
        ZrlWriter log;
        appendSecond(log, random, second);
        out.write(reinterpret_cast<const char*>(log.bytes().data()), static_cast<std::streamsize>(log.size()));
        written += log.size();
    }
    return path;
}

} // namespace ZrlTest
