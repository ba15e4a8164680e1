#include "savecheck.h"
#include "puzzlefile.h"
#include "state/value.h"
#include "ui/celllist.h"

namespace PuzzleFile {

QString saveRefusal(const QStringList &texts)
{
    const ReadResult back = read(write(texts));
    QStringList lines;
    for (int index = 0; index < texts.size(); ++index) {
        const QString &text = texts.at(index);
        if (!isCellText(text) || back.items.value(index) != text)
            lines << QStringLiteral("Cell %1 holds %2").arg(index + 1).arg(CellList::quoted(text));
    }
    if (lines.isEmpty())
        return QString();
    lines = CellList::capped(lines);
    lines.prepend(QStringLiteral("A puzzle file keeps one digit a cell, or nothing."));
    lines << QStringLiteral("Correct these cells and click Save File again.");
    return lines.join(QLatin1Char('\r'));
}

} // namespace PuzzleFile
