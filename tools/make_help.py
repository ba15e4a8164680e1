#!/usr/bin/env python3
"""Writes src/help/GrdHelp.det from the pages below: CR LF line ends, each page
closed by a line of six asterisks. Run it again after editing the text.

Each translation, tools/help/LANGUAGE.txt (UTF-8, each page closed by a line of six
asterisks, as the English pages are below), becomes src/help/GrdHelp.LANGUAGE.det
in UTF-8 with the same line ends. A translated page keeps to the English page's
limits: at most 15 lines and 46 characters a line, so that it fits the help list."""
import pathlib

PAGES = [
    """WELCOME TO VARNODEL

Varnodel helps you with Sudoku puzzles. Every row,
every column and every 3 x 3 box of the grid must
hold each of the digits 1 to 9 exactly once.

Type the digits of a puzzle into the big grid and
click Solve, or load a puzzle file with Get File,
which solves it at once. Varnodel works out as much
of the answer as it can and tells you how to go on.

Click Next to read on, or Exit to close this window.""",
    """ENTERING A PUZZLE

Click a cell and type its digit. Leave the open
cells empty. The arrow keys move between the cells;
Tab moves on to the next one.

The numbers above the grid count the columns. The
numbers at the left give the cell number of the
first cell of each row, counting row by row from
the top left corner (cells 1 to 81).

A cell takes one digit, or nothing. A second digit
typed into a cell is added to the first ("14"):
delete the first digit before you type another.""",
    """SOLVE

When the puzzle is in, click Solve. Every filled
cell turns yellow: it is a given. Varnodel then
rules out, cell by cell, the digits that already
stand in the same row, column or box, and fills in
every cell with only one digit left. It goes round
again and again while that fills new cells.

The grid keeps showing your own digits: Varnodel
keeps the answer to itself until you ask for it.""",
    """WHEN THE PUZZLE IS SOLVED

Varnodel tells you "Solved". Now type your answer
into the open cells. A right digit turns the cell
pale green, a wrong one light orange. When every
cell is yellow or green, you are congratulated.

Show Result fills every cell that is not a given
with the answer, on pale green.

A yellow cell is a given: typing into it brings a
reminder that it already holds a number. The key
still changes the cell, so put its digit back if
you did not mean to change it.""",
    """WHEN IT IS NOT SO SIMPLE

Some puzzles need more than ruling digits out.
Varnodel then lists, in the Possible Numbers grid
below the puzzle, the digits each cell can still
take, and tells you to work out a number "And Click
Solved.": that means the Solve button.

Work out one more digit yourself, type it into its
cell and click Solve again. Do this until the
puzzle is solved.

An empty box in the Possible Numbers grid means
that no digit fits that cell: some digit in the
grid is wrong.""",
    """HINT

Help > Hint, or F2, names a cell you can work out
next from the grid as it stands, and says why:

  Cell 3 is 9.
  In box 1, 9 can only go in cell 3 (hidden single).
  9 is already in row 3 (cell 23), column 1
  (cell 55) and column 2 (cell 47).

The cursor moves to that cell: type the digit
yourself. Boxes count 1 to 9 row by row from the
top left. A wrong digit, or a puzzle without one
single solution, is named first. When nothing the
hint knows decides a cell, it gives one away.""",
    """THE POSSIBLE NUMBERS GRID

Each time a solve gets stuck, Varnodel switches the
Possible Numbers grid: it shows the grid if it was
hidden and hides it if it was shown. So when a
solve gets stuck twice in a row, the second time
hides the grid.

Show - Hide Possible Numbers Grid brings it back
(or hides it) whenever the puzzle is not yet
solved.""",
    """CLEAR AND QUIT

Clear empties the grid and makes every cell white,
ready for a new puzzle. It leaves the Possible
Numbers grid as it was: it goes on showing the old
puzzle's digits until a puzzle is loaded (Get File,
a paste or a drop) or the next solve gets stuck.

Quit, or the window's close button, ends Varnodel
at once. Nothing is asked and nothing is kept: save
a puzzle first if you want it again.""",
    """SAVE FILE AND GET FILE

Save File writes the grid to a file that you name.
Get File reads such a file back: the grid fills
cell by cell, every filled cell becomes a given,
and Varnodel solves the puzzle straight away.

A file that cannot be loaded is reported, and the
grid stays exactly as it was.

Get File opens in Varnodel's own folder, where a
few sample puzzles wait, from simple to expert.
Save File opens there too when you may write there.
Once Varnodel is installed its folder is usually
not yours to write, so Save File then opens in
your Documents folder, or your home folder.""",
    """THE PUZZLE FILE

A puzzle file is plain text of 81 lines, one for
each cell, row by row from the top left: lines 1
to 9 are the top row, lines 10 to 18 the second
row, and so on. A line holds the cell's digit, or
nothing (or 0) for an open cell.

Commas also separate cells, blanks before a digit
are skipped, and a digit may stand in quotes.
Any text editor can write one.""",
    """PUZZLES FROM ELSEWHERE

Get File also reads puzzles as other programs
write them: one line of 81 characters, perhaps
with a rating after it; nine lines of nine, with
the boxes drawn or not, or with the cells
separated by commas, semicolons or tabs, as a
spreadsheet copies them. A digit 1 to 9 is a
given; one mark, such as . 0 - or a blank, is an
open cell.
Headings, and comments after # // or ;, are
skipped. It reads .sdk files, 9x9 JSON arrays and
OpenSudoku files too, in UTF-8 or UTF-16.""",
    """PASTE, DROP AND COLLECTIONS

Ctrl+Shift+V loads the puzzle on the clipboard
just as Get File loads a file: the old puzzle
goes, and Varnodel solves the new one. A puzzle
file dropped on the window loads the same way.
Ctrl+Shift+C copies the grid as one line of 81
characters, with . for open cells.

A file that holds several puzzles opens a list
of them: choose one with the arrow keys and
press Enter, or press Escape to keep the grid.

A text that is no puzzle is refused with the
line and the character that does not fit.""",
    """KEYS

Alt and the underlined letter presses a button:
Alt+S Save File, Alt+G Get File, Alt+O Solve,
Alt+P Show - Hide, Alt+R Show Result, Alt+Q Quit,
Alt+C Clear; Alt+H opens the Help menu.

Enter presses the button that has the focus.
The arrow keys move through either grid, and F6
brings you back to the cell you used last.
F2 asks for a hint.

A screen reader hears each cell's number, row and
column, and whether it is a given, right or wrong.""",
]

SEPARATOR = "******"


MAX_LINES = 15
MAX_WIDTH = 46


def write(pages, target, encoding):
    lines = []
    for page in pages:
        lines.extend(page.split("\n"))
        lines.append(SEPARATOR)
    target.write_bytes("".join(line + "\r\n" for line in lines).encode(encoding))


def translated_pages(source):
    text = source.read_text(encoding="utf-8").replace("\r\n", "\n")
    pages = [page.strip("\n") for page in text.split(SEPARATOR + "\n")]
    if pages and pages[-1] == "":
        pages.pop()
    for number, page in enumerate(pages, 1):
        lines = page.split("\n")
        if len(lines) > MAX_LINES or max(len(line) for line in lines) > MAX_WIDTH:
            raise SystemExit(f"{source}: page {number} is over {MAX_LINES} lines "
                             f"or {MAX_WIDTH} characters wide")
    return pages


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    write(PAGES, root / "src" / "help" / "GrdHelp.det", "latin-1")
    for source in sorted((root / "tools" / "help").glob("*.txt")):
        write(translated_pages(source), root / "src" / "help" / f"GrdHelp.{source.stem}.det",
              "utf-8")


if __name__ == "__main__":
    main()
