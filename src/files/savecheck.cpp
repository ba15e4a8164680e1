#include "savecheck.h"
#include "puzzlefile.h"
#include "ui/celllist.h"

namespace PuzzleFile {

QString saveRefusal(const QStringList &texts)
{
    QStringList lines = CellList::unusableCells(texts);
    // Digits and empty boxes always come back as they are; this only makes sure of it.
    if (lines.isEmpty()) {
        const ReadResult back = read(write(texts));
        for (int index = 0; index < texts.size(); ++index)
            if (back.items.value(index) != texts.at(index))
                lines << CellList::cellLine(index + 1, texts.at(index));
    }
    return CellList::refusal(QStringLiteral("A puzzle file keeps one digit a cell, or nothing."),
                             lines,
                             QStringLiteral("Correct these cells and click Save File again."));
}

} // namespace PuzzleFile
