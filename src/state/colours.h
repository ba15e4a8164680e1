#pragma once

#include <QColor>
#include <QString>

class QWidget;

// Box colours are 24-bit numbers in blue-green-red order, as the program has always
// stored and compared them.
namespace Colour {
constexpr int Yellow = 0x00FFFF;
constexpr int White = 0xFFFFFF;
// Pale green (a right digit) and light orange (a wrong one) are written from these texts.
inline const char PaleGreenText[] = "&H00C0FFC0";
inline const char LightOrangeText[] = "&H00C0E0FF";
} // namespace Colour

// Turns a colour text such as "&H00C0FFC0" (or a plain decimal number) into its
// number; returns -1 for a text that is no colour.
int colourFromText(const QString &text);

QColor colourFromBgr(int bgr);
int bgrFromColour(const QColor &colour);

// The background colour of a puzzle box, read and written as a blue-green-red number.
// Painting a box also gives it dark text, so the digit stays readable under any theme.
int backColor(const QWidget *box);
void setBackColor(QWidget *box, int bgr);

// What a puzzle box's colour says of its digit.
enum class BoxStatus { Plain, Given, Right, Wrong };
BoxStatus statusOf(int bgr);
