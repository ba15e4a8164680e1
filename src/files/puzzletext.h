#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The one reader of puzzle texts, whether they come from Get File, a dropped file or the
// clipboard: the same text gives the same puzzles, or the same refusal, either way.
// Varnodel's own file (81 items, one a line) keeps its meaning; anything else is read
// as a grid text: one line of 81 cells, nine lines of nine (drawn or not, with any one
// mark for an open cell, or separated by commas, semicolons or tabs), a .sdk file,
// a 9x9 JSON array, or OpenSudoku's XML. A text may hold several puzzles.
namespace PuzzleText {

struct Puzzle
{
    QString grid; // its 81 cells row by row: a digit 1 to 9, or '.' for an open cell
    QString label; // its heading, or its first characters
    int line = 0; // where it starts, counted from 1
    QStringList cells() const; // the 81 box texts, empty for an open cell
};

struct Reading
{
    QList<Puzzle> puzzles; // at least one, unless refused
    QString refusal; // why the text holds no puzzle, otherwise
};

// The text of a file's bytes: UTF-16 with its byte-order mark, UTF-8 (with or without
// its mark), or else Latin-1, as Varnodel has always read its files.
QString decode(const QByteArray &bytes);

Reading read(const QString &text);

// What a refusal adds: the forms Varnodel reads.
QString formsText();

} // namespace PuzzleText
