#include "savecheck.h"
#include "puzzlefile.h"
#include "state/value.h"
#include "ui/celllist.h"

namespace PuzzleFile {

namespace {

QString cellLine(int index, const QString &text)
{
    return QStringLiteral("Cell %1 holds %2").arg(index + 1).arg(CellList::quoted(text));
}

} // namespace

QString saveRefusal(const QStringList &texts)
{
    QStringList lines;
    for (int index = 0; index < texts.size(); ++index)
        if (!isCellText(texts.at(index)))
            lines << cellLine(index, texts.at(index));
    // Digits and empty boxes always come back as they are; this only makes sure of it.
    if (lines.isEmpty()) {
        const ReadResult back = read(write(texts));
        for (int index = 0; index < texts.size(); ++index)
            if (back.items.value(index) != texts.at(index))
                lines << cellLine(index, texts.at(index));
    }
    if (lines.isEmpty())
        return QString();
    lines = CellList::capped(lines);
    lines.prepend(QStringLiteral("A puzzle file keeps one digit a cell, or nothing."));
    lines << QStringLiteral("Correct these cells and click Save File again.");
    return lines.join(QLatin1Char('\r'));
}

} // namespace PuzzleFile
