#include "celllist.h"
#include "state/value.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace CellList {

namespace {

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(CellList)
};

// Line breaks and other control characters in a quoted text or a file name would
// stretch a message over many lines; each shows as a replacement mark instead.
QString oneLine(QString text)
{
    for (QChar &c : text) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph)
            c = QChar(QChar::ReplacementCharacter);
    }
    return text;
}

// How many boxes a message may name and still fit the screen with the lines around
// the list and its OK button, in the application's font.
int namedLimit()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return MaxNamed;
    const int lineHeight = QFontMetrics(QGuiApplication::font()).lineSpacing();
    const int lines = screen->availableGeometry().height() / qMax(1, lineHeight) - 10;
    return std::clamp(lines, 1, MaxNamed);
}

} // namespace

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
    return QLatin1Char('"') + oneLine(shown) + QLatin1Char('"');
}

QString shortPath(const QString &path)
{
    if (path.size() <= MaxPath)
        return oneLine(path);
    qsizetype head = MaxPath / 2;
    qsizetype tail = MaxPath / 2;
    if (path.at(head - 1).isHighSurrogate())
        --head;
    if (path.at(path.size() - tail).isLowSurrogate())
        --tail;
    return oneLine(path.left(head) + QChar(0x2026) + path.right(tail));
}

QStringList capped(const QStringList &lines)
{
    const int limit = namedLimit();
    if (lines.size() <= limit)
        return lines;
    QStringList shown = lines.mid(0, limit);
    const qsizetype more = lines.size() - limit;
    shown << Words::tr("and %n more", nullptr, int(more));
    return shown;
}

QString cellLine(int cellNumber, const QString &text)
{
    return Words::tr("Cell %1 holds %2").arg(cellNumber).arg(quoted(text));
}

QStringList unusableCells(const QStringList &texts)
{
    QStringList lines;
    for (int index = 0; index < texts.size(); ++index)
        if (!isCellText(texts.at(index)))
            lines << cellLine(index + 1, texts.at(index));
    return lines;
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
