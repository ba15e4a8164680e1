#include "contrast.h"

#include <cmath>

namespace Contrast {

double luminance(const QColor &colour)
{
    const auto linear
        = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF())
        + 0.0722 * linear(rgb.blueF());
}

double ratio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor outline(const QColor &window, const QColor &windowText)
{
    const auto mix = [&](double t) {
        return QColor::fromRgbF(
            float(window.redF() + t * (windowText.redF() - window.redF())),
            float(window.greenF() + t * (windowText.greenF() - window.greenF())),
            float(window.blueF() + t * (windowText.blueF() - window.blueF())));
    };
    // A little margin over 3:1, so rounding to 8-bit colour cannot fall below it.
    for (int step = 5; step < 10; ++step) {
        const QColor candidate = mix(step / 10.0);
        if (ratio(candidate, window) >= Line + 0.1)
            return candidate;
    }
    // A theme whose text hardly differs from its window: fall back to black or white.
    return ratio(Qt::black, window) > ratio(Qt::white, window) ? QColor(Qt::black)
                                                               : QColor(Qt::white);
}

QColor focusRing(const QColor &highlight, const QColor &base, const QColor &text)
{
    return ratio(highlight, base) >= Line ? highlight : text;
}

} // namespace Contrast
