#pragma once

#include <QStringList>

class QIODevice;

// Reads the help text a page at a time. A page is a run of lines closed by a line of
// exactly six asterisks, which belongs to the page. CR LF or a lone CR ends a line; a
// lone LF stays in the line's text. Bytes are Latin-1 characters, as in the English help
// file, or UTF-8, as in its translations.
class HelpPager
{
public:
    enum Status {
        PageRead, // the page ended with its separator line
        EndOfFile, // the file ended before the page's separator line
        ReadFailed, // the device could not be read
    };

    static const QString Separator;

    explicit HelpPager(QIODevice *device) : m_device(device) { }

    // Reads the next page, appending each line to rows as it is read, so the rows
    // read before a failure are kept.
    Status readPage(QStringList &rows);
    bool atEnd() const;
    void setUtf8(bool utf8) { m_utf8 = utf8; }

private:
    bool readLine(QString &line);
    QIODevice *m_device;
    bool m_utf8 = false;
};
