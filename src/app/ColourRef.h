#pragma once
// Colours of the core tables are COLORREF words (0x00BBGGRR); the windows need QColor.
#include <QColor>
#include <QVariant>

#include <cstdint>

namespace ZrlApp {

inline QColor colourFromColourRef(std::uint32_t colourRef)
{
    return QColor(static_cast<int>(colourRef & 0xFF), static_cast<int>((colourRef >> 8) & 0xFF),
                  static_cast<int>((colourRef >> 16) & 0xFF));
}

// An empty variant (the view's own colour) for the "no colour" word, else the brush colour.
inline QVariant colourRoleValue(std::uint32_t colourRef)
{
    if (colourRef == 0xFFFFFFFF)
        return {};
    return colourFromColourRef(colourRef);
}

} // namespace ZrlApp
