#pragma once

#include <QStringList>

class QWidget;

// The small dialog that picks one puzzle of a collection: how many there are, and a list
// of each one's number and heading or first characters, the first one chosen. Enter or
// OK takes the chosen one, Escape or Cancel none.
namespace PuzzleChooser {

// The index of the puzzle chosen, or -1 for a cancel; the dialog bears the given title.
int choose(QWidget *owner, const QString &title, const QStringList &labels);

} // namespace PuzzleChooser
