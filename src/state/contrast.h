#pragma once

#include <QColor>

// Colour contrast as the web's accessibility guidelines measure it: 1 (none) to 21
// (black on white). Text wants 4.5:1 against its background, lines and marks 3:1.
namespace Contrast {

constexpr double Text = 4.5;
constexpr double Line = 3.0;

double luminance(const QColor &colour);
double ratio(const QColor &a, const QColor &b);

// The colour of a box's outline: the window's text colour softened toward the window
// as far as a 3:1 contrast against the window allows, so the grid reads as lines
// rather than as hard black (or white) bars.
QColor outline(const QColor &window, const QColor &windowText);

// The focus ring of a box: the theme's highlight where it stands out from the box,
// otherwise the box's own text colour, which always does.
QColor focusRing(const QColor &highlight, const QColor &base, const QColor &text);

} // namespace Contrast
