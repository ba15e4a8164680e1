#pragma once

#include <QString>
#include <QStringList>

// How messages name the boxes they refuse, so that no message outgrows the screen.
namespace CellList {

// The most lines a message gives to single boxes before it only counts the rest.
constexpr int MaxNamed = 9;
// Longer box texts are cut to this many characters and an ellipsis.
constexpr int MaxQuoted = 20;

// A box text in double quotes, shortened with "…" when it is long.
QString quoted(const QString &text);

// The first MaxNamed lines, then one line telling how many more there are.
QStringList capped(const QStringList &lines);

} // namespace CellList
