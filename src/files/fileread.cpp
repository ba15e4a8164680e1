#include "fileread.h"
#include "carefulsave.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileRead {

namespace {

FileProblem tooLarge()
{
    return FileProblem::failed(FileProblem::TooLarge);
}

Result readNow(const QByteArray &path, qint64 maxSize)
{
    const QByteArray original = CarefulSave::leftoverOf(path);
    if (!original.isEmpty()) {
        Result leftover;
        leftover.problem.kind = FileProblem::Leftover;
        leftover.problem.name = QFile::decodeName(original.mid(original.lastIndexOf('/') + 1));
        return leftover;
    }
    struct stat info = {};
    if (::stat(path.constData(), &info) != 0)
        return {{},
                errno == ENOENT ? FileProblem::failed(FileProblem::NoSuchFile)
                                : FileProblem::failed(FileProblem::CouldNotOpen, errno)};
    if (!S_ISREG(info.st_mode))
        return {{}, FileProblem::notRegular(info.st_mode)};
    if (info.st_size > maxSize)
        return {{}, tooLarge()};

    // Opened without waiting, so that a FIFO put under this name since the check cannot
    // hold the open up; what was opened is checked again before it is read.
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {{}, FileProblem::failed(FileProblem::CouldNotOpen, errno)};
    Result result;
    if (::fstat(fd, &info) != 0) {
        result.problem = FileProblem::failed(FileProblem::CouldNotRead, errno);
    } else if (!S_ISREG(info.st_mode)) {
        result.problem = FileProblem::notRegular(info.st_mode);
    } else {
        // One byte more than allowed tells a file that grew since the check.
        QByteArray bytes(maxSize + 1, Qt::Uninitialized);
        qint64 got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                result.problem = FileProblem::failed(FileProblem::CouldNotRead, errno);
                break;
            }
            if (n == 0)
                break;
            got += n;
        }
        bytes.truncate(got);
        if (result.problem.isEmpty() && got > maxSize)
            result.problem = tooLarge();
        else if (result.problem.isEmpty())
            result.bytes = bytes;
    }
    ::close(fd);
    return result;
}

} // namespace

bool waitUntil(const std::function<bool()> &done, int maxWaitMs, bool takeInput)
{
    QEventLoop loop;
    QElapsedTimer waited;
    waited.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || waited.elapsed() >= maxWaitMs)
            loop.quit();
    });
    poll.start(10);
    loop.exec(takeInput ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    return done();
}

Result readRegularFile(const QString &fileName, qint64 maxSize)
{
    const std::optional<Result> result = answerWithin<Result>(
        MaxWaitMs, [path = QFile::encodeName(fileName), maxSize, stall = stallHook] {
            if (stall)
                stall();
            return readNow(path, maxSize);
        });
    return result ? *result : Result{{}, noAnswer()};
}

FileProblem noAnswer()
{
    return FileProblem::waited(FileProblem::NoAnswer, MaxWaitMs);
}

} // namespace FileRead
