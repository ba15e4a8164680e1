#pragma once

#include <QString>
#include <QStringList>

// How messages name the boxes they refuse, so that no message outgrows the screen.
namespace CellList {

// The most lines a message gives to single boxes before it only counts the rest; fewer
// where a large font leaves the screen room for fewer.
constexpr int MaxNamed = 9;
// Longer box texts are cut to this many characters and an ellipsis.
constexpr int MaxQuoted = 20;
// File names longer than this lose their middle.
constexpr int MaxPath = 160;

// A box text in double quotes, shortened with "…" when it is long.
QString quoted(const QString &text);

// A file name as messages show it: whole, or with its middle cut out when it is too long
// to fit a message on the screen. The start and the file's own name stay.
QString shortPath(const QString &path);

// The first MaxNamed lines, then one line telling how many more there are.
QStringList capped(const QStringList &lines);

// "Cell 23 holds "x"": how a refusal names a box by its cell number.
QString cellLine(int cellNumber, const QString &text);

// The lines naming every box whose text is neither empty nor one digit, as Solve and
// Save File refuse them; the texts are the 81 boxes' in order.
QStringList unusableCells(const QStringList &texts);

// A whole refusal: what is wrong, the boxes it names (capped), then what to do, if
// anything. Empty when no box is named.
QString refusal(const QString &problem, const QStringList &lines, const QString &advice = {});

} // namespace CellList
