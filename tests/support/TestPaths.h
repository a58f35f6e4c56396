#pragma once
#include <string>

namespace ZrlTest {
// Absolute path of a file below the project's source folder, e.g. "samples/demo.zrl".
std::string sourcePath(const std::string& relative);
// A fresh, empty scratch folder below the build folder, unique to the calling test.
std::string scratchDir();
}  // namespace ZrlTest
