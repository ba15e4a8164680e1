// Any bytes given to the puzzle-file reader: it must never crash, and what it accepts
// must hold up.
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
    // Get File's reader keeps what the file's own rule reads, and reads a grid only else.
    const PuzzleFile::ReadResult forms = PuzzleForms::read(bytes);
    check(forms.lines.size() == forms.items.size() && forms.items.size() % PuzzleFile::Cells == 0);
    check(!result.ok() || forms.items == result.items);
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
