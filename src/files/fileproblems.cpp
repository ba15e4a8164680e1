#include "fileproblems.h"

#include <cstring>
#include <sys/stat.h>

namespace FileProblems {

QString systemReason(int error)
{
    // The reentrant form: the reading thread may need words at the same time as the window.
    char buffer[256];
    return QString::fromLocal8Bit(strerror_r(error, buffer, sizeof buffer));
}

QString couldNot(const char *done, int error)
{
    return QStringLiteral("It could not be %1: %2").arg(QLatin1String(done), systemReason(error));
}

QString notARegularFile(mode_t mode)
{
    const char *what = S_ISDIR(mode) ? "a folder"
        : S_ISFIFO(mode)             ? "a FIFO (named pipe)"
        : S_ISCHR(mode)              ? "a character device"
        : S_ISBLK(mode)              ? "a block device"
        : S_ISSOCK(mode)             ? "a socket"
                                     : "no regular file";
    return QStringLiteral("It is %1, not a puzzle file.").arg(QLatin1String(what));
}

} // namespace FileProblems
