#pragma once

#include <cstdint>
#include <string>

namespace CommonLib {

// One entry of a table's context menu.
struct GridMenuItem {
    std::int32_t commandId = 0;
    std::string text;
};

} // namespace CommonLib
