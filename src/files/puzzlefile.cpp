#include "puzzlefile.h"

namespace PuzzleFile {

namespace {

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// A whole number written in decimal digits is taken as its value's decimal text.
QString normalised(const QByteArray &raw, bool quoted)
{
    QString text = QString::fromLatin1(raw);
    if (quoted || text.isEmpty())
        return text;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return text;
    qsizetype zeros = 0;
    while (zeros < text.size() - 1 && text.at(zeros) == u'0')
        ++zeros;
    return text.mid(zeros);
}

} // namespace

ReadResult read(const QByteArray &bytes)
{
    ReadResult result;
    const qsizetype size = bytes.size();
    qsizetype pos = 0;
    // Line ends are counted up to `counted`; a CR LF pair is one, as is a lone CR or LF.
    int line = 1;
    qsizetype counted = 0;
    while (result.items.size() < Cells) {
        while (pos < size && (bytes[pos] == ' ' || bytes[pos] == '\t'))
            ++pos;
        for (; counted < pos; ++counted)
            if (bytes[counted] == '\n'
                || (bytes[counted] == '\r' && (counted + 1 == size || bytes[counted + 1] != '\n')))
                ++line;
        if (pos >= size) {
            result.error = size == 0
                ? QStringLiteral("The file is empty.")
                : QStringLiteral("It holds only %1 of the 81 cells a puzzle file needs.")
                      .arg(result.items.size());
            result.items.clear();
            result.lines.clear();
            return result;
        }

        QByteArray raw;
        bool quoted = false;
        if (bytes[pos] == '"') {
            quoted = true;
            const qsizetype close = bytes.indexOf('"', pos + 1);
            if (close < 0) {
                result.error = QStringLiteral("Cell %1 opens a quote that is never closed.")
                                   .arg(result.items.size() + 1);
                result.items.clear();
                result.lines.clear();
                return result;
            }
            raw = bytes.mid(pos + 1, close - pos - 1);
            pos = close + 1;
            // Whatever stands between the closing quote and the separator is dropped.
            while (pos < size && bytes[pos] != ',' && !isLineEnd(bytes[pos]))
                ++pos;
        } else {
            const qsizetype start = pos;
            while (pos < size && bytes[pos] != ',' && !isLineEnd(bytes[pos]))
                ++pos;
            raw = bytes.mid(start, pos - start);
        }

        if (raw.size() > MaxItemLength) {
            result.error = QStringLiteral("Cell %1 holds more than %2 characters.")
                               .arg(result.items.size() + 1)
                               .arg(MaxItemLength);
            result.items.clear();
            result.lines.clear();
            return result;
        }
        result.items << normalised(raw, quoted);
        result.lines << line;

        if (pos < size) {
            if (bytes[pos] == '\r' && pos + 1 < size && bytes[pos + 1] == '\n')
                pos += 2;
            else
                ++pos;
        }
    }
    return result;
}

QByteArray write(const QStringList &texts)
{
    QByteArray bytes;
    for (const QString &text : texts) {
        bytes += text.toLatin1();
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace PuzzleFile
