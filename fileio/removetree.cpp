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

namespace {

// Far deeper than any folder the tool makes; each level holds one open
// handle, so an endless tree must not take them all.
constexpr int maxdepth = 256;

// Opens a folder for reading its entries. O_DIRECTORY makes the open fail
// before it could block on a FIFO or reach a device, O_NOFOLLOW refuses a
// link in place of the folder.
int openfolder(int parent, const char *name)
{
    return ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
}

bool ours(const struct stat &status)
{
    return status.st_uid == ::geteuid();
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

bool emptyfolder(int fd, int depth);

// Removes the entry name of the folder parent; a folder is emptied first
// through its own handle.
bool removeentry(int parent, const char *name, int depth)
{
    struct stat status;
    if (::fstatat(parent, name, &status, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT;
    if (!ours(status))
        return false;
    if (!S_ISDIR(status.st_mode))
        return ::unlinkat(parent, name, 0) == 0 || errno == ENOENT;
    if (depth >= maxdepth)
        return false;
    const int fd = opensame(parent, name, status);
    if (fd < 0 || !emptyfolder(fd, depth + 1))
        return false;
    return ::unlinkat(parent, name, AT_REMOVEDIR) == 0 || errno == ENOENT;
}

// Removes what it may of the open folder fd, and closes fd. The names are
// read before any is removed, since removing while reading may skip some.
bool emptyfolder(int fd, int depth)
{
    DIR *folder = ::fdopendir(fd);
    if (!folder) {
        ::close(fd);
        return false;
    }
    QList<QByteArray> names;
    errno = 0;
    while (const struct dirent *entry = ::readdir(folder)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names << name;
    }
    bool removed = errno == 0;
    for (const QByteArray &name : qAsConst(names))
        removed = removeentry(::dirfd(folder), name.constData(), depth) && removed;
    ::closedir(folder);
    return removed;
}

} // namespace

bool removetree(const QString &path)
{
    const QFileInfo info(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    const QByteArray name = QFile::encodeName(info.fileName());
    if (path.isEmpty() || name.isEmpty())
        return false;
    // The folders above are the caller's choice and may well be links.
    const int parent = ::open(QFile::encodeName(info.path()).constData(),
                              O_RDONLY | O_DIRECTORY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (parent < 0)
        return errno == ENOENT;
    struct stat status;
    bool removed;
    if (::fstatat(parent, name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        removed = errno == ENOENT;
    else
        removed = S_ISDIR(status.st_mode) && removeentry(parent, name.constData(), 0);
    ::close(parent);
    return removed;
}

#else

bool removetree(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true;
    if (info.isSymLink() || !info.isDir())
        return false;
    return QDir(path).removeRecursively();
}

#endif

} // namespace fileio
