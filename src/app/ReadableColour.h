#pragma once
// Text colours that stay readable: the lists keep the hue a colour table gives a row or a cell
// (red for no time, orange for CAN frames, ...) but darken or lighten it until it reaches the
// contrast ratio of 4.5:1 against the background it is drawn on.
#include <QColor>

namespace ZrlApp {

inline constexpr double minimumContrast = 4.5;

// The relative luminance of a colour (sRGB, 0 for black to 1 for white).
double relativeLuminance(const QColor& colour);
// The contrast ratio of two colours, from 1 (equal) to 21 (black on white).
double contrastRatio(const QColor& first, const QColor& second);
// The colour itself when it reads on the background, else the same hue darkened (on a light
// background) or lightened (on a dark one) just enough to reach minimumContrast.
QColor readableOn(const QColor& text, const QColor& background);

} // namespace ZrlApp
