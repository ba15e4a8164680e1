#include "savecheck.h"
#include "puzzlefile.h"
#include "puzzletext.h"
#include "state/value.h"

namespace PuzzleFile {

QList<int> saveRefusal(const QStringList &texts)
{
    // A 0 is read back as an open cell, so a box holding one could not come back either.
    QList<int> cells;
    for (int index = 0; index < texts.size(); ++index)
        if (!isCellText(texts.at(index)) || texts.at(index) == u"0")
            cells << index + 1;
    // The file must load back as this very grid, through the reader Get File uses; digits
    // and empty boxes always do, and this only makes sure of it.
    if (cells.isEmpty()) {
        const PuzzleText::Reading back = PuzzleText::read(PuzzleText::decode(write(texts)));
        const QStringList loaded
            = back.puzzles.size() == 1 ? back.puzzles.first().cells() : QStringList();
        for (int index = 0; index < texts.size(); ++index)
            if (loaded.value(index) != texts.at(index))
                cells << index + 1;
    }
    return cells;
}

} // namespace PuzzleFile
