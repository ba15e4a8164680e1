#pragma once

#include "puzzlefile.h"

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

// A place in the text, counted from 1 (column 0: the whole line), and the character
// that stands there: null for an empty field, a blank, or any other.
struct Spot
{
    int line = 0;
    int column = 0;
    QChar c;
};

// One thing wrong with a text, as the reader found it; the window words it.
struct Problem
{
    enum Kind {
        None,
        Empty, // nothing at all
        TooLarge, // longer than any puzzle file may be
        OwnFile, // own: why it is no file of Varnodel's own
        UnreadItems, // count items in all, item count2 on at.line would be left unread
        FieldTooLong, // at: the field's second character
        SeparatedCount, // at.line holds count cells, separated by at.c
        CellCount, // at.line holds count cells
        RowWidth, // at.line is count characters wide
        TwoMarks, // at: the odd mark of an open cell, other: the mark it clashes with
        BreaksIntoGrid, // at.line breaks into the grid from other.line after count rows
        FieldCount, // at.line holds count fields, other.line count2
        ShortGrid, // the grid from at.line holds count rows
        JsonSyntax, // at, text: the parser's message
        JsonShape,
        XmlData, // the game's data at at.line holds count characters
        XmlSyntax, // at, text: the parser's message
        XmlNoGame,
    };
    Kind kind = None;
    Spot at, other;
    int count = 0, count2 = 0;
    QString text;
    PuzzleFile::ReadError own;
};

// An item of Varnodel's own file that is no box text: the line it starts on, and what it
// holds as the text has it.
struct Item
{
    int line = 0;
    QString text;
};

// Why a text holds no puzzle: its problems, a line each, or the items of an own file
// that are no box texts; then perhaps the forms Varnodel reads.
struct Refusal
{
    QList<Problem> problems;
    QList<Item> unusable;
    bool forms = false;
    bool isEmpty() const { return problems.isEmpty() && unusable.isEmpty() && !forms; }
};

struct Reading
{
    QList<Puzzle> puzzles; // at least one, unless refused
    Refusal refusal; // why the text holds no puzzle, otherwise
};

// The text of a file's bytes: UTF-16 with its byte-order mark, UTF-8 (with or without
// its mark), or else Latin-1, as Varnodel has always read its files.
QString decode(const QByteArray &bytes);

Reading read(const QString &text);

} // namespace PuzzleText
