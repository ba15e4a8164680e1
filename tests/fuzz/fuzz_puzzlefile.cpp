// Any bytes given to the puzzle-file readers: they must never crash, and what they
// accept must hold up.
#include "files/puzzlefile.h"
#include "files/puzzleforms.h"

#include <cstddef>
#include <cstdint>

static void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// Get File's reader: a file its own rule reads means just that; otherwise a grid it
// takes holds only digits and open cells, and copies to a line that reads back the same.
static void checkForms(const QByteArray &bytes, const PuzzleFile::ReadResult &own)
{
    const PuzzleFile::ReadResult result = PuzzleForms::read(bytes);
    if (own.ok()) {
        check(result.ok() && result.items == own.items);
        return;
    }
    if (!result.ok()) {
        check(result.items.isEmpty());
        return;
    }
    check(result.items.size() == PuzzleFile::Cells);
    QList<int> refused;
    const QString line = PuzzleForms::toLine(result.items, &refused);
    check(refused.isEmpty() && line.size() == PuzzleFile::Cells);
    check(PuzzleForms::readGrid(line) == result.items);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const PuzzleFile::ReadResult result = PuzzleFile::read(bytes);
    checkForms(bytes, result);
    if (!result.ok()) {
        check(result.items.isEmpty());
        return 0;
    }
    check(result.items.size() == PuzzleFile::Cells);
    for (const QString &item : result.items)
        check(item.size() <= PuzzleFile::MaxItemLength);
    // What was read can be saved and read again.
    check(PuzzleFile::read(PuzzleFile::write(result.items)).ok());
    return 0;
}
