#include "puzzleforms.h"

namespace PuzzleForms {

namespace {

bool onlyDraws(QChar c)
{
    return c == u'|' || c == u'-' || c == u'+' || c.isSpace();
}

bool isOpenMark(QChar c)
{
    return c == u'.' || c == u'0' || c == u'*' || c == u'_' || c == u'x';
}

bool isGiven(QChar c)
{
    return c >= u'1' && c <= u'9';
}

// The grid's box texts and, when asked, the line (from 1) each cell stands on.
QStringList readGridLines(const QString &text, QList<int> *cellLines)
{
    QStringList texts;
    // Any line end will do: files come from every system, pasted text from any page.
    QString unified = text;
    unified.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    const QStringList lines = unified.split(u'\n');
    for (int number = 1; number <= lines.size(); ++number) {
        const QString &line = lines.at(number - 1);
        if (line.trimmed().startsWith(u'#'))
            continue;
        for (QChar c : line) {
            if (onlyDraws(c))
                continue;
            if (texts.size() == PuzzleFile::Cells || !(isGiven(c) || isOpenMark(c)))
                return QStringList();
            texts << (isGiven(c) ? QString(c) : QString());
            if (cellLines)
                cellLines->append(number);
        }
    }
    return texts.size() == PuzzleFile::Cells ? texts : QStringList();
}

} // namespace

QString gridFormsText()
{
    return QStringLiteral("a grid of 81 cells, row by row: one line of 81 characters or nine "
                          "lines of nine, a digit for a given and . 0 * _ or x for an open cell");
}

QStringList readGrid(const QString &text)
{
    return readGridLines(text, nullptr);
}

PuzzleFile::ReadResult read(const QByteArray &bytes)
{
    PuzzleFile::ReadResult result = PuzzleFile::read(bytes);
    if (result.ok() || bytes.isEmpty())
        return result;
    // Editors on some systems start a text file with a byte-order mark.
    const QByteArray mark("\xEF\xBB\xBF");
    const QByteArray text = bytes.startsWith(mark) ? bytes.mid(mark.size()) : bytes;
    PuzzleFile::ReadResult grid;
    grid.items = readGridLines(QString::fromLatin1(text), &grid.lines);
    if (!grid.items.isEmpty())
        return grid;
    result.error += QStringLiteral("\r\rVarnodel reads its own puzzle file, 81 lines of one cell "
                                   "each, or %1.")
                        .arg(gridFormsText());
    return result;
}

QString toLine(const QStringList &texts, QList<int> *refused)
{
    QString line;
    for (int index = 0; index < texts.size(); ++index) {
        const QString &text = texts.at(index);
        if (text.isEmpty())
            line += u'.';
        else if (text.size() == 1 && isGiven(text.at(0)))
            line += text;
        else
            refused->append(index);
    }
    return refused->isEmpty() ? line : QString();
}

} // namespace PuzzleForms
