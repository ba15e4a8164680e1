#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace PuzzleFile {

constexpr int Cells = 81;
// Room for collections of some hundred thousand puzzles, one a line; anything larger is
// no puzzle file, and no cell text comes near the item length.
constexpr qint64 MaxFileSize = 8 * 1024 * 1024;
constexpr int MaxItemLength = 100;

// Why a file holds no 81 items; the window words it.
struct ReadError
{
    enum Kind { None, Empty, TooFewCells, UnclosedQuote, LongItem };
    Kind kind = None;
    int cell = 0; // the cell it concerns; of too few, how many the file holds
};

struct ReadResult
{
    QStringList items; // the 81 box texts, when the file could be read
    QList<int> lines; // the line each item starts on, counted from 1
    QStringList raw; // each item as the file holds it, leading zeros kept
    ReadError error; // why not, otherwise
    qsizetype end = 0; // where the text after the 81st item starts
    bool ok() const { return error.kind == ReadError::None; }
};

// Reads the 81 items of a puzzle file. Commas and line ends (CR LF, CR or LF) separate
// items, blanks before an item are skipped, a quoted item loses its quotes, and a whole
// number loses its leading zeros. Bytes are Latin-1 characters; nothing after the 81st
// item is read.
ReadResult read(const QByteArray &bytes);
// The same rule over text already decoded.
ReadResult read(const QString &text);

// The bytes Save File writes: each box text on a line of its own, ended by CR LF.
QByteArray write(const QStringList &texts);

} // namespace PuzzleFile
