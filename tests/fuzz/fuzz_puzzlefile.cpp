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

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const PuzzleFile::ReadResult result = PuzzleFile::read(bytes);
    // Get File's reader keeps what the file's own rule reads; a grid it takes instead
    // copies to a line that reads back the same.
    const PuzzleFile::ReadResult forms = PuzzleForms::read(bytes);
    QList<int> refused;
    if (result.ok())
        check(forms.items == result.items);
    else if (forms.ok())
        check(PuzzleForms::readGrid(PuzzleForms::toLine(forms.items, &refused)) == forms.items);
    else
        check(forms.items.isEmpty());
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
