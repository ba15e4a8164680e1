#include "carefulsave.h"
#include "puzzlefile.h"

#include <QFile>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace CarefulSave {

bool Watch::wanted() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state != GivenUp && m_state != GivenUpWhileChanging;
}

bool Watch::begin()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_state == GivenUp || m_state == GivenUpWhileChanging)
        return false;
    m_state = Changing;
    return true;
}

void Watch::end(bool landed)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_state == Changing)
        m_state = landed ? Changed : Untouched;
}

Watch::State Watch::giveUp()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_state == Untouched)
        m_state = GivenUp;
    else if (m_state == Changing)
        m_state = GivenUpWhileChanging;
    return m_state;
}

QByteArray leftoverOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray name = path.mid(slash + 1);
    if (name.size() < 9 || !name.startsWith('.') || name.at(name.size() - 7) != '.'
        || !std::all_of(name.end() - 6, name.end(), [](char c) { return std::isalnum(uchar(c)); }))
        return QByteArray();
    const QByteArray original = path.left(slash + 1) + name.mid(1, name.size() - 8);
    struct stat info = {};
    return ::lstat(original.constData(), &info) == 0 ? original : QByteArray();
}

namespace {

constexpr mode_t ModeBits = 07777;
constexpr char CapabilityName[] = "security.capability";

// One save, as its steps see it.
struct Job
{
    QByteArray path;
    const QByteArray &bytes;
    Watch &watch;
    void step(const char *name) const
    {
        if (watch.hook)
            watch.hook(name);
    }
};

FileProblem replacedMeanwhile()
{
    return FileProblem::failed(FileProblem::ReplacedMeanwhile);
}

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

FileProblem createNew(const Job &job)
{
    if (!job.watch.begin())
        return FileProblem();
    const char *path = job.path.constData();
    FileProblem problem;
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        problem = FileProblem::failed(FileProblem::CouldNotCreate, errno);
    } else {
        const bool written = writeAll(fd, job.bytes) && ::fsync(fd) == 0;
        const int error = errno;
        if (::close(fd) != 0 || !written) {
            problem = FileProblem::failed(FileProblem::CouldNotWrite, written ? errno : error);
            // A half-written new file is worth less than none.
            ::unlink(path);
        }
    }
    job.watch.end(problem.isEmpty());
    return problem;
}

// Removes what earlier saves of this file left when they were interrupted: regular files
// named as its new copies are, owned by this user or by the file's owner.
void removeLeftovers(const QByteArray &path, uid_t owner)
{
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : path.left(qMax<qsizetype>(slash, 1));
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray leftover = path.left(slash + 1) + entry->d_name;
        struct stat info = {};
        if (leftoverOf(leftover) == path && ::lstat(leftover.constData(), &info) == 0
            && S_ISREG(info.st_mode) && (info.st_uid == ::geteuid() || info.st_uid == owner))
            ::unlink(leftover.constData());
    }
    ::closedir(dir);
}

// The file's capabilities, which the kernel takes from a file on every write, as it
// takes set-ID bits.
QByteArray capabilities(int fd)
{
    QByteArray value(64, Qt::Uninitialized);
    const ssize_t n = ::fgetxattr(fd, CapabilityName, value.data(), size_t(value.size()));
    return value.left(qMax<ssize_t>(n, 0));
}

bool maySetCapabilities()
{
    __user_cap_header_struct header = {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    return ::syscall(SYS_capget, &header, data) == 0
        && (data[CAP_SETFCAP / 32].effective & (1u << (CAP_SETFCAP % 32)));
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
Outcome replaceByRename(const Job &job, const struct stat &old, FileProblem &problem)
{
    const QByteArray &path = job.path;
    if (old.st_nlink != 1 || ::llistxattr(path.constData(), nullptr, 0) > 0)
        return Outcome::CannotKeep;
    const qsizetype slash = path.lastIndexOf('/');
    QByteArray temp = path.left(slash + 1) + '.' + path.mid(slash + 1) + ".XXXXXX";
    // Fails in a folder the user cannot write, or where the name is too long already.
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return Outcome::CannotKeep;
    const auto drop = [&](Outcome outcome) {
        ::close(fd);
        ::unlink(temp.constData());
        return outcome;
    };
    // A folder with a default access list gives it to every new file; the old one has none.
    if (::flistxattr(fd, nullptr, 0) > 0)
        return drop(Outcome::CannotKeep);
    if (!job.watch.wanted())
        return drop(Outcome::Failed);
    if (!writeAll(fd, job.bytes) || ::fsync(fd) != 0) {
        problem = FileProblem::failed(FileProblem::CouldNotWrite, errno);
        return drop(Outcome::Failed);
    }
    // Owner and group first: changing them clears the set-ID bits, which the mode then
    // puts back. Only afterwards, as a write by anyone but root clears them too.
    struct stat made = {};
    const bool same = ::fchown(fd, old.st_uid, old.st_gid) == 0
        && ::fchmod(fd, old.st_mode & ModeBits) == 0 && ::fstat(fd, &made) == 0
        && made.st_uid == old.st_uid && made.st_gid == old.st_gid
        && (made.st_mode & ModeBits) == (old.st_mode & ModeBits);
    if (::close(fd) != 0 && same) {
        problem = FileProblem::failed(FileProblem::CouldNotWrite, errno);
        ::unlink(temp.constData());
        return Outcome::Failed;
    }
    if (!same) {
        ::unlink(temp.constData());
        return Outcome::CannotKeep;
    }
    // The rename replaces whatever has the name then, and never writes through a link; but
    // a file or link put there since the check would be replaced by one with the checked
    // file's owner and mode, so the name must still be the checked file.
    job.step("rename");
    struct stat now = {};
    if (::lstat(path.constData(), &now) != 0 || now.st_dev != old.st_dev
        || now.st_ino != old.st_ino) {
        ::unlink(temp.constData());
        problem = replacedMeanwhile();
        return Outcome::Failed;
    }
    if (!job.watch.begin()) {
        ::unlink(temp.constData());
        return Outcome::Failed;
    }
    const bool renamed = ::rename(temp.constData(), path.constData()) == 0;
    job.watch.end(renamed);
    if (!renamed)
        ::unlink(temp.constData());
    return renamed ? Outcome::Done : Outcome::CannotKeep;
}

// Writes into the very file that was checked. The bytes the new ones cover and the old
// length are kept first and put back if the write fails.
FileProblem writeInPlace(const Job &job, const struct stat &checked)
{
    job.step("open in place");
    // Without following a link, and compared with the checked file: whatever took its name
    // since, a link to another user's file above all, is left alone.
    const int fd
        = ::open(job.path.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno == ELOOP ? replacedMeanwhile()
                              : FileProblem::failed(FileProblem::CouldNotOpen, errno);
    struct stat old = {};
    FileProblem problem;
    const QByteArray keptCapabilities = capabilities(fd);
    // A file that shrinks gets the new bytes over its whole old length first, blanks
    // filling the room after the last line, and is cut to the new length only then. A
    // load reads nothing after the 81st line, so a save stopped between the two steps
    // leaves the new puzzle, never the new lines followed by the old file's tail. (A file
    // too large to be a puzzle is neither padded nor kept aside whole.)
    QByteArray first = job.bytes;
    QByteArray kept;
    if (::fstat(fd, &old) != 0) {
        problem = FileProblem::failed(FileProblem::CouldNotOpen, errno);
    } else if (!S_ISREG(old.st_mode)) {
        problem = FileProblem::notRegular(old.st_mode);
    } else if (old.st_dev != checked.st_dev || old.st_ino != checked.st_ino
               || old.st_uid != checked.st_uid) {
        problem = replacedMeanwhile();
    } else if (!canKeepSetIdBits(old)) {
        problem = FileProblem::failed(FileProblem::SetIdBits);
    } else if (!keptCapabilities.isEmpty() && !maySetCapabilities()) {
        problem = FileProblem::failed(FileProblem::Capabilities);
    } else {
        if (old.st_size > first.size() && old.st_size <= PuzzleFile::MaxFileSize)
            first.append(qsizetype(old.st_size - first.size()), ' ');
        kept.resize(qMin<qint64>(old.st_size, first.size()));
        if (!readAll(fd, kept))
            problem = FileProblem::failed(FileProblem::CouldNotRead, errno);
    }
    if (!problem.isEmpty() || !job.watch.begin()) {
        ::close(fd);
        return problem;
    }

    job.step("write");
    const qint64 size = job.bytes.size();
    const bool written = writeAll(fd, first) && (old.st_size <= size || ::ftruncate(fd, size) == 0)
        && ::fsync(fd) == 0;
    if (!written) {
        problem = FileProblem::failed(FileProblem::CouldNotWrite, errno);
        if (!writeAll(fd, kept) || ::ftruncate(fd, old.st_size) != 0 || ::fsync(fd) != 0)
            problem.kind = FileProblem::OldBytesLost;
    }
    // A write clears the set-ID bits (unless by root) and the capabilities; both go back.
    struct stat now = {};
    if (::fstat(fd, &now) == 0 && (now.st_mode & ModeBits) != (old.st_mode & ModeBits))
        ::fchmod(fd, old.st_mode & ModeBits);
    if (!keptCapabilities.isEmpty() && capabilities(fd) != keptCapabilities
        && ::fsetxattr(fd, CapabilityName, keptCapabilities.constData(),
                       size_t(keptCapabilities.size()), 0)
            != 0
        && problem.isEmpty())
        problem = FileProblem::failed(FileProblem::CapabilitiesNotSet, errno);
    if (problem.isEmpty() && ::fstat(fd, &now) == 0
        && (now.st_mode & ModeBits) != (old.st_mode & ModeBits)) {
        problem.kind = FileProblem::PermissionsChanged;
        problem.oldMode = old.st_mode & ModeBits;
        problem.newMode = now.st_mode & ModeBits;
    }
    if (::close(fd) != 0 && problem.isEmpty())
        problem = FileProblem::failed(FileProblem::CouldNotWrite, errno);
    job.watch.end(written);
    return problem;
}

} // namespace

FileProblem save(const QString &fileName, const QByteArray &bytes, Watch &watch)
{
    Job job{QFile::encodeName(fileName), bytes, watch};
    job.step("start");
    int error = 0;
    if (!watch.wanted())
        return FileProblem();
    if (!followLinks(job.path, error))
        return FileProblem::failed(FileProblem::CouldNotOpen, error);
    const char *path = job.path.constData();
    // Not following a link: one put here since the links were followed is not the file
    // that was checked.
    struct stat old = {};
    if (::lstat(path, &old) != 0)
        return errno == ENOENT ? createNew(job)
                               : FileProblem::failed(FileProblem::CouldNotOpen, errno);
    if (S_ISLNK(old.st_mode))
        return replacedMeanwhile();
    if (!S_ISREG(old.st_mode))
        return FileProblem::notRegular(old.st_mode);
    // A file the user may not write is not saved over, even where its folder would let
    // a new file take its name.
    if (::faccessat(AT_FDCWD, path, W_OK, AT_EACCESS) != 0)
        return FileProblem::failed(FileProblem::CouldNotOpen, errno);
    if (watch.wanted())
        removeLeftovers(job.path, old.st_uid);

    FileProblem problem;
    switch (replaceByRename(job, old, problem)) {
    case Outcome::Done:
        return FileProblem();
    case Outcome::Failed:
        return problem;
    case Outcome::CannotKeep:
        break;
    }
    return writeInPlace(job, old);
}

} // namespace CarefulSave
