#include "puzzlefile.h"

namespace PuzzleFile {

namespace {

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// A whole number written in decimal digits is taken as its value's decimal text.
QString normalised(const QString &text, bool quoted)
{
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
    return read(QString::fromLatin1(bytes));
}

ReadResult read(const QString &text)
{
    ReadResult result;
    const qsizetype size = text.size();
    qsizetype pos = 0;
    // Line ends are counted up to `counted`; a CR LF pair is one, as is a lone CR or LF.
    int line = 1;
    qsizetype counted = 0;
    while (result.items.size() < Cells) {
        while (pos < size && (text[pos] == u' ' || text[pos] == u'\t'))
            ++pos;
        for (; counted < pos; ++counted)
            if (text[counted] == u'\n'
                || (text[counted] == u'\r' && (counted + 1 == size || text[counted + 1] != u'\n')))
                ++line;
        if (pos >= size) {
            result.error
                = {size == 0 ? ReadError::Empty : ReadError::TooFewCells, int(result.items.size())};
            result.items.clear();
            result.lines.clear();
            return result;
        }

        QString raw;
        bool quoted = false;
        if (text[pos] == u'"') {
            quoted = true;
            const qsizetype close = text.indexOf(u'"', pos + 1);
            if (close < 0) {
                result.error = {ReadError::UnclosedQuote, int(result.items.size()) + 1};
                result.items.clear();
                result.lines.clear();
                return result;
            }
            raw = text.mid(pos + 1, close - pos - 1);
            pos = close + 1;
            // Whatever stands between the closing quote and the separator is dropped.
            while (pos < size && text[pos] != u',' && !isLineEnd(text[pos]))
                ++pos;
        } else {
            const qsizetype start = pos;
            while (pos < size && text[pos] != u',' && !isLineEnd(text[pos]))
                ++pos;
            raw = text.mid(start, pos - start);
        }

        if (raw.size() > MaxItemLength) {
            result.error = {ReadError::LongItem, int(result.items.size()) + 1};
            result.items.clear();
            result.lines.clear();
            return result;
        }
        result.items << normalised(raw, quoted);
        result.raw << raw;
        result.lines << line;

        if (pos < size) {
            if (text[pos] == u'\r' && pos + 1 < size && text[pos + 1] == u'\n')
                pos += 2;
            else
                ++pos;
        }
    }
    result.end = pos;
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
