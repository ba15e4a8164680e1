#include "helppager.h"

#include <QIODevice>
#include <cstring>

const QString HelpPager::Separator = QStringLiteral("******");

bool HelpPager::atEnd() const
{
    return !m_device || !m_device->isOpen() || m_device->atEnd();
}

bool HelpPager::readLine(QString &line)
{
    // Takes the text up to the next carriage return a short block at a time: lines are
    // short, and a long block would be copied again for every line.
    QByteArray bytes;
    for (;;) {
        char block[256];
        const qint64 got = m_device->peek(block, sizeof block);
        if (got < 0)
            return false;
        if (got == 0) {
            // Only the end of the file ends a line quietly; anything else is a failure.
            if (!m_device->atEnd())
                return false;
            break;
        }
        const char *cr = static_cast<const char *>(std::memchr(block, '\r', size_t(got)));
        const qint64 text = cr ? cr - block : got;
        bytes.append(block, text);
        if (m_device->skip(text + (cr ? 1 : 0)) != text + (cr ? 1 : 0))
            return false;
        if (cr) {
            char next = 0;
            if (m_device->peek(&next, 1) == 1 && next == '\n')
                m_device->skip(1);
            break;
        }
    }
    line = m_utf8 ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
    return true;
}

HelpPager::Status HelpPager::readPage(QStringList &rows)
{
    QString line;
    while (line != Separator) {
        if (atEnd())
            return EndOfFile;
        if (!readLine(line))
            return ReadFailed;
        rows << line;
    }
    return PageRead;
}
