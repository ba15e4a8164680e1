#include "carefulsave.h"
#include "fileproblems.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace CarefulSave {

namespace {

using FileProblems::couldNot;

constexpr mode_t ModeBits = 07777;

bool writeAll(int fd, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n
            = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += n;
    }
    return true;
}

bool readAll(int fd, QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n
            = ::pread(fd, bytes.data() + done, size_t(bytes.size() - done), off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        done += n;
    }
    bytes.truncate(done);
    return true;
}

// The name a save through symbolic links writes to: the end of the chain, which need
// not exist yet.
// A link that another user put in a shared folder (sticky and writable by all, as /tmp)
// is not followed, just as the system's own protection of such links refuses it:
// otherwise anyone could aim a save by root at any file.
bool linkIsShared(const QByteArray &link, const struct stat &info)
{
    struct stat folder = {};
    const QByteArray parent = link.left(qMax<qsizetype>(1, link.lastIndexOf('/')));
    return ::stat(link.contains('/') ? parent.constData() : ".", &folder) == 0
        && (folder.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH)
        && info.st_uid != ::geteuid() && info.st_uid != folder.st_uid;
}

bool followLinks(QByteArray &path, int &error)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info = {};
        if (::lstat(path.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return true;
        if (linkIsShared(path, info)) {
            error = EACCES;
            return false;
        }
        QByteArray target(PATH_MAX, Qt::Uninitialized);
        const ssize_t n = ::readlink(path.constData(), target.data(), size_t(target.size()));
        if (n < 0) {
            error = errno;
            return false;
        }
        target.truncate(n);
        if (!target.startsWith('/'))
            target.prepend(path.left(path.lastIndexOf('/') + 1));
        path = target;
    }
    error = ELOOP;
    return false;
}

QString createNew(const QByteArray &path, const QByteArray &bytes)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return couldNot("created", errno);
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int error = errno;
    if (::close(fd) == 0 && written)
        return QString();
    // A half-written new file is worth less than none.
    ::unlink(path.constData());
    return couldNot("written", written ? errno : error);
}

// Whether this user can set the file's set-ID bits again once a write has cleared
// them: root keeps them anyway; the owner may set set-user-ID, and set-group-ID only
// as a member of the file's group.
bool canKeepSetIdBits(const struct stat &info)
{
    if (!(info.st_mode & (S_ISUID | S_ISGID)) || ::geteuid() == 0)
        return true;
    if (info.st_uid != ::geteuid())
        return false;
    if (!(info.st_mode & S_ISGID) || info.st_gid == ::getegid())
        return true;
    gid_t groups[NGROUPS_MAX];
    const int count = ::getgroups(NGROUPS_MAX, groups);
    return std::find(groups, groups + qMax(count, 0), info.st_gid) != groups + qMax(count, 0);
}

enum class Outcome { Done, Failed, CannotKeep };

// Writes a new file beside the old one and renames it over it. Declines, touching
// nothing, wherever the new file could not be made the same as the old one in all but
// its bytes.
Outcome replaceByRename(const QByteArray &path, const struct stat &old, const QByteArray &bytes,
                        QString &problem)
{
    if (old.st_nlink != 1 || ::listxattr(path.constData(), nullptr, 0) > 0)
        return Outcome::CannotKeep;
    const qsizetype slash = path.lastIndexOf('/');
    QByteArray temp = path.left(slash + 1) + '.' + path.mid(slash + 1) + ".XXXXXX";
    // Fails in a folder the user cannot write, or where the name is too long already.
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return Outcome::CannotKeep;
    // A folder with a default access list gives it to every new file; the old one has none.
    if (::flistxattr(fd, nullptr, 0) > 0) {
        ::close(fd);
        ::unlink(temp.constData());
        return Outcome::CannotKeep;
    }
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0) {
        problem = couldNot("written", errno);
        ::close(fd);
        ::unlink(temp.constData());
        return Outcome::Failed;
    }
    // Owner and group first: changing them clears the set-ID bits, which the mode then
    // puts back. Only afterwards, as a write by anyone but root clears them too.
    struct stat made = {};
    const bool same = ::fchown(fd, old.st_uid, old.st_gid) == 0
        && ::fchmod(fd, old.st_mode & ModeBits) == 0 && ::fstat(fd, &made) == 0
        && made.st_uid == old.st_uid && made.st_gid == old.st_gid
        && (made.st_mode & ModeBits) == (old.st_mode & ModeBits);
    if (::close(fd) != 0 && same) {
        problem = couldNot("written", errno);
        ::unlink(temp.constData());
        return Outcome::Failed;
    }
    if (!same || ::rename(temp.constData(), path.constData()) != 0) {
        ::unlink(temp.constData());
        return Outcome::CannotKeep;
    }
    return Outcome::Done;
}

// Writes into the existing file. The bytes the new ones cover and the old length are
// kept first and put back if the write fails.
QString writeInPlace(const QByteArray &path, const QByteArray &bytes)
{
    const int fd = ::open(path.constData(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return couldNot("opened", errno);
    struct stat old = {};
    QString problem;
    QByteArray kept;
    if (::fstat(fd, &old) != 0) {
        problem = couldNot("opened", errno);
    } else if (!S_ISREG(old.st_mode)) {
        problem = FileProblems::notARegularFile(old.st_mode);
    } else if (!canKeepSetIdBits(old)) {
        problem = QStringLiteral("Saving it would clear its set-user-ID or set-group-ID bit, "
                                 "which only its owner may set again.");
    } else {
        kept.resize(qMin<qint64>(old.st_size, bytes.size()));
        if (!readAll(fd, kept))
            problem = couldNot("read", errno);
    }
    if (!problem.isEmpty()) {
        ::close(fd);
        return problem;
    }

    if (!writeAll(fd, bytes) || (old.st_size > bytes.size() && ::ftruncate(fd, bytes.size()) != 0)
        || ::fsync(fd) != 0) {
        problem = couldNot("written", errno);
        // Putting the old bytes and length back is all that is left to try; the problem
        // told is the write's own either way.
        writeAll(fd, kept);
        [[maybe_unused]] const int truncated = ::ftruncate(fd, old.st_size);
        ::fsync(fd);
    }
    // A write by anyone but root clears the set-ID bits; the owner may put them back.
    struct stat now = {};
    if (::fstat(fd, &now) == 0 && (now.st_mode & ModeBits) != (old.st_mode & ModeBits))
        ::fchmod(fd, old.st_mode & ModeBits);
    if (problem.isEmpty() && ::fstat(fd, &now) == 0
        && (now.st_mode & ModeBits) != (old.st_mode & ModeBits))
        problem = QStringLiteral("It was saved, but its permissions changed from %1 to %2.")
                      .arg(old.st_mode & ModeBits, 4, 8, QLatin1Char('0'))
                      .arg(now.st_mode & ModeBits, 4, 8, QLatin1Char('0'));
    if (::close(fd) != 0 && problem.isEmpty())
        problem = couldNot("written", errno);
    return problem;
}

} // namespace

QString save(const QString &fileName, const QByteArray &bytes)
{
    QByteArray path = QFile::encodeName(fileName);
    int error = 0;
    if (!followLinks(path, error))
        return couldNot("opened", error);
    struct stat old = {};
    if (::stat(path.constData(), &old) != 0)
        return errno == ENOENT ? createNew(path, bytes) : couldNot("opened", errno);
    if (!S_ISREG(old.st_mode))
        return FileProblems::notARegularFile(old.st_mode);
    // A file the user may not write is not saved over, even where its folder would let
    // a new file take its name.
    if (::faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) != 0)
        return couldNot("opened", errno);

    QString problem;
    switch (replaceByRename(path, old, bytes, problem)) {
    case Outcome::Done:
        return QString();
    case Outcome::Failed:
        return problem;
    case Outcome::CannotKeep:
        break;
    }
    return writeInPlace(path, bytes);
}

} // namespace CarefulSave
