#pragma once

#include <QFont>
#include <QRect>
#include <QStringList>

class QWidget;

// The layout fixes every box's size, so a font that the desktop makes larger (a bigger
// default font, a higher logical DPI) must shrink to fit the box, or the box would cut
// its text short and show something that is not so.
namespace FitText {

// Where the widget draws its text: a line edit's contents less its frame, text
// margins and inner margin; a button's contents as its caption is painted; a label's
// contents rectangle.
QRect textArea(const QWidget *widget);

// Whether every text, drawn in font, fits inside the widget's text area. Button
// captions may wrap at blanks; other texts stand on one line.
bool fits(const QWidget *widget, const QFont &font, const QStringList &texts);

// The font itself, or the largest pixel size of it at which every text fits the widget.
QFont fitted(const QWidget *widget, QFont font, const QStringList &texts);

// Gives every widget of a group one font, the largest size of font at which each
// widget's texts fit it: the texts given, or else the widget's own caption.
void fitTogether(const QList<QWidget *> &widgets, QFont font, const QStringList &texts = {});

} // namespace FitText
