// Any bytes given to the puzzle readers: they must never crash, and what they accept
// must hold up.
#include "files/puzzlefile.h"
#include "files/puzzletext.h"
#include "state/value.h"

#include <cstddef>
#include <cstdint>

static void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const PuzzleFile::ReadResult result = PuzzleFile::read(bytes);
    if (result.ok()) {
        check(result.items.size() == PuzzleFile::Cells);
        for (const QString &item : result.items)
            check(item.size() <= PuzzleFile::MaxItemLength);
        // What was read can be saved and read again.
        check(PuzzleFile::read(PuzzleFile::write(result.items)).ok());
    } else {
        check(result.items.isEmpty());
    }

    // The reader of every form either refuses with a reason or gives puzzles of 81 cells,
    // each a digit 1 to 9 or open.
    const QString text = PuzzleText::decode(bytes);
    const PuzzleText::Reading reading = PuzzleText::read(text);
    check(reading.puzzles.isEmpty() != reading.refusal.isEmpty());
    for (const PuzzleText::Puzzle &puzzle : reading.puzzles) {
        check(puzzle.cells.size() == PuzzleFile::Cells);
        for (const QString &cell : puzzle.cells)
            check(cell.isEmpty()
                  || (cell.size() == 1 && cell != QLatin1String("0") && isCellText(cell)));
    }
    // Varnodel's own file of digits keeps its meaning, a 0 there being an open cell.
    bool own = result.ok() && !text.contains(u',');
    for (const QString &item : result.items)
        own = own && isCellText(item);
    if (own && reading.puzzles.size() == 1) {
        QStringList cells = result.items;
        cells.replaceInStrings(QStringLiteral("0"), QString());
        check(reading.puzzles.at(0).cells == cells);
    }
    // A puzzle read is read the same again from its one-line form.
    if (reading.puzzles.size() == 1) {
        QString line;
        for (const QString &cell : reading.puzzles.at(0).cells)
            line += cell.isEmpty() ? QStringLiteral(".") : cell;
        const PuzzleText::Reading again = PuzzleText::read(line);
        check(again.puzzles.size() == 1
              && again.puzzles.at(0).cells == reading.puzzles.at(0).cells);
    }
    return 0;
}
