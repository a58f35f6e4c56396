#pragma once
// Fuzz input as a log file: the bytes are written to a scratch file of this process and opened
// as the viewer opens a log. False when the document refuses the file.
#include "applog/Logger.h"
#include "log/ZRLDoc.h"

#include <unistd.h>

#include <cstdio>
#include <exception>
#include <memory>
#include <string>

inline bool loadFuzzLog(const std::uint8_t* data, std::size_t size, const char* target, KelpLib::ZRLDoc& document)
{
    const std::string path = std::string("/tmp/zrl-fuzz-") + target + "-" + std::to_string(getpid()) + ".zrl";
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    document.setLogger(std::make_shared<CommonLib::Logger>());
    try {
        document.open(path);
    } catch (const std::exception&) {
        return false;
    }
    return true;
}
