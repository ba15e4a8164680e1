#include "savecheck.h"
#include "puzzlefile.h"
#include "puzzletext.h"
#include "state/value.h"
#include "ui/celllist.h"

namespace PuzzleFile {

QString saveRefusal(const QStringList &texts)
{
    // A 0 is read back as an open cell, so a box holding one could not come back either.
    QStringList lines;
    for (int index = 0; index < texts.size(); ++index)
        if (!isCellText(texts.at(index)) || texts.at(index) == u"0")
            lines << CellList::cellLine(index + 1, texts.at(index));
    // The file must load back as this very grid, through the reader Get File uses; digits
    // and empty boxes always do, and this only makes sure of it.
    if (lines.isEmpty()) {
        const PuzzleText::Reading back = PuzzleText::read(PuzzleText::decode(write(texts)));
        const QStringList cells
            = back.puzzles.size() == 1 ? back.puzzles.first().cells() : QStringList();
        for (int index = 0; index < texts.size(); ++index)
            if (cells.value(index) != texts.at(index))
                lines << CellList::cellLine(index + 1, texts.at(index));
    }
    return CellList::refusal(QStringLiteral("A puzzle file keeps one digit a cell, or nothing."),
                             lines,
                             QStringLiteral("Correct these cells and click Save File again."));
}

} // namespace PuzzleFile
