#pragma once
#include <string>

namespace ZrlTest {
// Absolute path of a file below the project's source folder, e.g. "samples/demo.zrl".
std::string sourcePath(const std::string& relative);
// A scratch folder below the build folder, unique to the calling test and emptied when the
// test first asks for it.
std::string scratchDir();
}  // namespace ZrlTest
