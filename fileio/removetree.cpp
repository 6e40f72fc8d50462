#include "removetree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace fileio {

#ifdef Q_OS_UNIX

uint effectiveuser()
{
    return ::geteuid();
}

Ownership ownedby(uint owner)
{
    return [owner](uint uid, const QString &) { return uid == owner; };
}

namespace {

// Far deeper than any folder the tool makes; each level holds one open
// handle, so an endless tree must not take them all.
constexpr int maxdepth = 256;

// Opens a folder for reading its entries. O_DIRECTORY makes the open fail
// before it could block on a FIFO or reach a device, O_NOFOLLOW refuses a
// link in place of the folder.
int openfolder(int parent, const char *name)
{
    return ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOCTTY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
}

// Opens the entry name of parent as a folder, only when it is still the
// folder that status describes (it may have been swapped since).
int opensame(int parent, const char *name, const struct stat &status)
{
    const int fd = openfolder(parent, name);
    if (fd < 0)
        return -1;
    struct stat opened;
    if (::fstat(fd, &opened) != 0 || opened.st_dev != status.st_dev || opened.st_ino != status.st_ino) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// One removal: whose entries it takes, and the first entry that stayed.
class Walk
{
public:
    explicit Walk(const Ownership &ours) : m_ours(ours) {}

    bool ours(const struct stat &status, const QByteArray &path) const
    {
        return m_ours(status.st_uid, QFile::decodeName(path));
    }

    // Notes why path stays; false, for returning at once.
    bool keep(Removal::Stayed why, const QByteArray &path)
    {
        if (m_result.stayed == Removal::Stayed::Nothing)
            m_result = {why, QFile::decodeName(path)};
        return false;
    }

    const Removal &result() const { return m_result; }

    bool removeentry(int parent, const QByteArray &name, const QByteArray &path, int depth);

private:
    bool emptyfolder(int fd, const QByteArray &path, int depth);

    const Ownership &m_ours;
    Removal m_result;
};

// Removes the entry name of the folder parent, found at path; a folder is
// emptied first through its own handle.
bool Walk::removeentry(int parent, const QByteArray &name, const QByteArray &path, int depth)
{
    struct stat status;
    if (::fstatat(parent, name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT || keep(Removal::Stayed::Failed, path);
    if (!ours(status, path))
        return keep(Removal::Stayed::OtherUser, path);
    if (!S_ISDIR(status.st_mode))
        return ::unlinkat(parent, name.constData(), 0) == 0 || errno == ENOENT || keep(Removal::Stayed::Failed, path);
    if (depth >= maxdepth)
        return keep(Removal::Stayed::TooDeep, path);
    const int fd = opensame(parent, name.constData(), status);
    if (fd < 0)
        return keep(Removal::Stayed::Failed, path);
    if (!emptyfolder(fd, path, depth + 1))
        return false;
    return ::unlinkat(parent, name.constData(), AT_REMOVEDIR) == 0 || errno == ENOENT
           || keep(Removal::Stayed::Failed, path);
}

// Removes what it may of the open folder fd, found at path, and closes fd.
// The names are read before any is removed, since removing while reading
// may skip some.
bool Walk::emptyfolder(int fd, const QByteArray &path, int depth)
{
    DIR *folder = ::fdopendir(fd);
    if (!folder) {
        ::close(fd);
        return keep(Removal::Stayed::Failed, path);
    }
    QList<QByteArray> names;
    errno = 0;
    while (const struct dirent *entry = ::readdir(folder)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names << name;
    }
    bool removed = errno == 0 || keep(Removal::Stayed::Failed, path);
    for (const QByteArray &name : qAsConst(names))
        removed = removeentry(::dirfd(folder), name, path + '/' + name, depth) && removed;
    ::closedir(folder);
    return removed;
}

} // namespace

Removal removetree(const QString &path, const Ownership &ours)
{
    const QFileInfo info(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    const QByteArray name = QFile::encodeName(info.fileName());
    const QByteArray native = QFile::encodeName(info.filePath());
    Walk walk(ours);
    if (path.isEmpty() || name.isEmpty()) {
        walk.keep(Removal::Stayed::Failed, QFile::encodeName(path));
        return walk.result();
    }
    // The folders above are the caller's choice and may well be links.
    const int parent = ::open(QFile::encodeName(info.path()).constData(),
                              O_RDONLY | O_DIRECTORY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (parent < 0) {
        if (errno != ENOENT)
            walk.keep(Removal::Stayed::Failed, native);
        return walk.result();
    }
    struct stat status;
    if (::fstatat(parent, name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT)
            walk.keep(Removal::Stayed::Failed, native);
    } else if (S_ISLNK(status.st_mode)) {
        walk.keep(Removal::Stayed::Link, native);
    } else if (!S_ISDIR(status.st_mode)) {
        walk.keep(Removal::Stayed::NotAFolder, native);
    } else {
        walk.removeentry(parent, name, native, 0);
    }
    ::close(parent);
    return walk.result();
}

#else

uint effectiveuser()
{
    return 0;
}

Ownership ownedby(uint)
{
    return [](uint, const QString &) { return true; };
}

// Without owners to tell apart, everything below path is taken.
Removal removetree(const QString &path, const Ownership &)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    if (info.isSymLink())
        return {Removal::Stayed::Link, path};
    if (!info.isDir())
        return {Removal::Stayed::NotAFolder, path};
    if (!QDir(path).removeRecursively())
        return {Removal::Stayed::Failed, path};
    return {};
}

#endif

} // namespace fileio
