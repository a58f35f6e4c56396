#pragma once

namespace CommonLib {
// The program's version, taken from the build ("2.0.0").
const char* versionText();
}  // namespace CommonLib
