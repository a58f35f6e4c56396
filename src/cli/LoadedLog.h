#pragma once
// A log loaded the way the desktop document loads it, for the commands that read one.
#include "filter/ShownList.h"
#include "log/ZRLDoc.h"

#include <memory>
#include <string>

namespace CommonLib {
class Logger;
}

namespace ZrlTool {

struct LoadedLog {
    std::shared_ptr<CommonLib::Logger> logger;
    std::unique_ptr<KelpLib::ZRLDoc> document;
    // What the viewer would show of the document with the view flags given.
    std::unique_ptr<KelpLib::ShownList> shown;
};

// Loads path with the given view flags (the application's default is 1). Throws
// CommonLib::KorvErr when the file cannot be read.
LoadedLog loadLog(const std::string& path, unsigned long viewFlags = 1);

}  // namespace ZrlTool
