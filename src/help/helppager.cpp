#include "helppager.h"

#include <QIODevice>

const QString HelpPager::Separator = QStringLiteral("******");

bool HelpPager::atEnd() const
{
    return !m_device || !m_device->isOpen() || m_device->atEnd();
}

bool HelpPager::readLine(QString &line)
{
    QByteArray bytes;
    char c = 0;
    for (;;) {
        if (!m_device->getChar(&c)) {
            // Only the end of the file ends a line quietly; anything else is a failure.
            if (!m_device->atEnd())
                return false;
            break;
        }
        if (c == '\r') {
            char next = 0;
            if (m_device->peek(&next, 1) == 1 && next == '\n')
                m_device->getChar(&next);
            break;
        }
        bytes += c;
    }
    line = QString::fromLatin1(bytes);
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
