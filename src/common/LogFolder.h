#pragma once

#include <filesystem>

namespace CommonLib {

// The per-user folder where saved logs go when no path is given:
// $XDG_DATA_HOME/ZRL Reader/logs when XDG_DATA_HOME is an absolute path, otherwise
// $HOME/.local/share/ZRL Reader/logs, otherwise (no home) the temporary directory's
// "ZRL Reader/logs". Only computed; not created.
std::filesystem::path logFolder();

} // namespace CommonLib
