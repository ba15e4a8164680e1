#pragma once

#include <QString>
#include <array>

// The hint: the next digit a player can work out from the grid as it stands, and why;
// or, first of all, what is wrong with the grid. Pure functions over the 81 cells, with
// no widgets, so that they can be tested and fuzzed alone.
namespace Hints {

// What the answer tells, in the order the checks run.
enum class Kind {
    Clash, // equal digits share a row, a column or a box
    NoCandidate, // an open cell that can take no digit
    NoPlace, // a row, column or box that has no place left for a digit it needs
    NoSolution, // the givens allow no solution
    ManySolutions, // the givens allow more than one, or there are none at all
    WrongDigit, // a digit the player typed differs from the one solution
    Full, // every cell is filled and fits
    Deduction, // the next digit, worked out
    Reveal, // nothing known decides a cell: a digit of the solution, given away
};

// The techniques, in the order they are tried, simplest first.
enum class Technique {
    None,
    NakedSingle,
    HiddenSingle,
    Pointing,
    Claiming,
    NakedPair,
    HiddenPair,
    NakedTriple,
    HiddenTriple,
    XWing,
    Swordfish,
    NakedQuad,
    HiddenQuad,
    Jellyfish,
};

struct Answer
{
    Kind kind = Kind::Full;
    int cell = 0; // 1 to 81: the cell the answer is about, where the focus goes; 0 for none
    int digit = 0; // the digit of that cell, for a deduction or a reveal
    Technique hardest = Technique::None; // the hardest technique a deduction used
    QString text; // the whole message, its lines joined by carriage returns
};

// grid holds each cell's digit, 0 for an open cell, row by row. givens marks the cells
// that make up the puzzle; the other digits were typed by the player. When no cell is
// marked, every digit counts as a given.
Answer find(const std::array<int, 81> &grid, const std::array<bool, 81> &givens);

// The name of a technique, as the messages use it.
QString techniqueName(Technique technique);

} // namespace Hints
