#include "celllist.h"

namespace CellList {

QString quoted(const QString &text)
{
    QString shown = text;
    if (shown.size() > MaxQuoted) {
        // Never split a surrogate pair: the half left behind would show as garbage.
        qsizetype cut = MaxQuoted;
        if (shown.at(cut - 1).isHighSurrogate())
            --cut;
        shown = shown.left(cut) + QChar(0x2026);
    }
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

QString shortPath(const QString &path)
{
    if (path.size() <= MaxPath)
        return path;
    const int keep = MaxPath / 2;
    return path.left(keep) + QChar(0x2026) + path.right(keep);
}

QStringList capped(const QStringList &lines)
{
    if (lines.size() <= MaxNamed)
        return lines;
    QStringList shown = lines.mid(0, MaxNamed);
    const qsizetype more = lines.size() - MaxNamed;
    shown << (more == 1 ? QStringLiteral("and 1 more") : QStringLiteral("and %1 more").arg(more));
    return shown;
}

QString cellLine(int cellNumber, const QString &text)
{
    return QStringLiteral("Cell %1 holds %2").arg(cellNumber).arg(quoted(text));
}

QString refusal(const QString &problem, const QStringList &lines, const QString &advice)
{
    if (lines.isEmpty())
        return QString();
    QStringList all = capped(lines);
    all.prepend(problem);
    if (!advice.isEmpty())
        all << advice;
    return all.join(QLatin1Char('\r'));
}

} // namespace CellList
