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
        check(puzzle.grid.size() == PuzzleFile::Cells);
        for (QChar c : puzzle.grid)
            check(c == u'.' || (c >= u'1' && c <= u'9'));
    }
    // Varnodel's own file of digits keeps its meaning, a 0 there being an open cell.
    const PuzzleFile::ReadResult items = PuzzleFile::read(text);
    bool own = items.ok() && !text.contains(u',') && text.mid(items.end).trimmed().isEmpty();
    for (const QString &item : items.items)
        own = own && isCellText(item);
    if (own) {
        QStringList cells = items.items;
        cells.replaceInStrings(QStringLiteral("0"), QString());
        check(reading.puzzles.size() == 1 && reading.puzzles.at(0).cells() == cells);
    }
    // A puzzle read is read the same again from its one-line form.
    if (reading.puzzles.size() == 1) {
        const PuzzleText::Reading again = PuzzleText::read(reading.puzzles.at(0).grid);
        check(again.puzzles.size() == 1 && again.puzzles.at(0).grid == reading.puzzles.at(0).grid);
    }
    return 0;
}
