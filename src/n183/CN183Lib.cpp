#include "n183/CN183Lib.h"

#include <cstring>

namespace StandardsLib {

std::uint32_t n183FormatterKey(std::string_view formatter) {
    std::uint32_t key = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const unsigned char c = i < formatter.size() ? static_cast<unsigned char>(formatter[i]) : 0;
        key = (key << 8) | c;
    }
    return key;
}

const N183Sentence_s* findN183Sentence(std::uint32_t key) {
    const char letters[4] = {static_cast<char>(key >> 24), static_cast<char>(key >> 16),
                             static_cast<char>(key >> 8), 0};
    const std::span<const N183Sentence_s> table = n183Sentences();
    std::size_t low = 0;
    std::size_t high = table.size();
    while (high != low) {
        const std::size_t mid = (low + high) / 2;
        const int order = std::strcmp(letters, table[mid].address + 2);
        if (order == 0)
            return &table[mid];
        if (order > 0) {
            if (low == mid)
                return nullptr;
            low = mid;
        } else {
            if (high == mid)
                return nullptr;
            high = mid;
        }
    }
    return nullptr;
}

} // namespace StandardsLib
