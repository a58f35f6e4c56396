#include "app/ReadableColour.h"

#include <algorithm>
#include <cmath>

namespace ZrlApp {

namespace {

double linearChannel(double value)
{
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

} // namespace

double relativeLuminance(const QColor& colour)
{
    return 0.2126 * linearChannel(colour.redF()) + 0.7152 * linearChannel(colour.greenF()) +
           0.0722 * linearChannel(colour.blueF());
}

double contrastRatio(const QColor& first, const QColor& second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor readableOn(const QColor& text, const QColor& background)
{
    if (contrastRatio(text, background) >= minimumContrast)
        return text;
    // Black or white always reaches 4.5:1 against one of them; move towards it in steps of
    // the colour's own mix so the hue stays recognisable.
    const bool lightBackground = contrastRatio(Qt::black, background) >= contrastRatio(Qt::white, background);
    const QColor target = lightBackground ? QColor(Qt::black) : QColor(Qt::white);
    for (int step = 1; step <= 20; ++step) {
        const double mix = step / 20.0;
        const QColor candidate = QColor::fromRgbF(
            static_cast<float>(text.redF() + (target.redF() - text.redF()) * mix),
            static_cast<float>(text.greenF() + (target.greenF() - text.greenF()) * mix),
            static_cast<float>(text.blueF() + (target.blueF() - text.blueF()) * mix));
        if (contrastRatio(candidate, background) >= minimumContrast)
            return candidate;
    }
    return target;
}

} // namespace ZrlApp
