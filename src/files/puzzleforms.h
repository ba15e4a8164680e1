#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The grid in the form people pass puzzles around in: one line of 81 characters.
namespace PuzzleForms {

// The grid as one line of 81 characters: each box's digit 1 to 9, or '.' for an empty
// box. Any other box text cannot be written so; the indices of such boxes go to
// refused, and the line is then empty.
QString toLine(const QStringList &texts, QList<int> *refused);

} // namespace PuzzleForms
