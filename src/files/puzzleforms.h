#pragma once

#include "puzzlefile.h"

#include <QList>
#include <QString>
#include <QStringList>

// Puzzles in the forms people pass around, beside Varnodel's own file: one line of 81
// characters, or nine lines of nine, perhaps with the boxes drawn and comments on top.
namespace PuzzleForms {

// How such a grid is written, for the messages that refuse a text.
QString gridFormsText();

// Reads a grid text row by row. Lines that start with '#' are comments; '|', '-', '+'
// and blanks only draw. What is left must be exactly 81 characters, each a digit 1 to 9
// (a given) or one of ". 0 * _ x" (an open cell). Returns the 81 box texts, an empty
// text for an open cell, or an empty list when the text is no such grid.
QStringList readGrid(const QString &text);

// What Get File reads. A file that holds 81 items by the puzzle file's own rule means
// what it always meant; only a file that does not is tried as a grid text.
PuzzleFile::ReadResult read(const QByteArray &bytes);

// The grid as one line of 81 characters: each box's digit 1 to 9, or '.' for an empty
// box. Any other box text cannot be written so; the indices of such boxes go to
// refused, and the line is then empty.
QString toLine(const QStringList &texts, QList<int> *refused);

} // namespace PuzzleForms
