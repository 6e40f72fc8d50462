#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef Q_OS_LINUX
#include <linux/capability.h>
#include <sys/syscall.h>
#endif

#include <algorithm>
#include <climits>

namespace testsupport {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

unsigned int otherUser()
{
    return ::geteuid() == 65534 ? 65533 : 65534;
}

QString writeFileBeyondPathLimit(const QString &folder, const QByteArray &bytes)
{
    // The folder that holds the file stays just short of the limit, the
    // file's name takes its path beyond.
    const int folderlength = PATH_MAX - 200;
    if (!QDir().mkpath(folder))
        return QString();
    QByteArray path = QFile::encodeName(QDir(folder).absolutePath());
    int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    while (fd >= 0 && path.size() < folderlength) {
        const QByteArray name(std::min(200, folderlength - path.size()), 'd');
        const int parent = fd;
        fd = ::mkdirat(parent, name.constData(), 0700) == 0
                 ? ::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)
                 : -1;
        ::close(parent);
        path += '/' + name;
    }
    if (fd < 0)
        return QString();
    const int file = ::openat(fd, QByteArray(250, 'f').constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    ::close(fd);
    const bool written = file >= 0 && ::write(file, bytes.constData(), size_t(bytes.size())) == bytes.size();
    if (file >= 0)
        ::close(file);
    return written ? QFile::decodeName(path) : QString();
}

bool makeKilledScratch(const QString &folder)
{
    // The lock this program writes, with a process id that cannot exist.
    QTemporaryDir model;
    QLockFile lock(model.filePath("lock"));
    if (!model.isValid() || !lock.tryLock(0))
        return false;
    QList<QByteArray> lines = readFile(model.filePath("lock")).split('\n');
    lines[0] = "2147483000";
    return writeFile(folder + "/packed.zip", "PK half a zip") && writeFile(folder + "/lock", lines.join('\n'));
}

QList<QPair<QByteArray, QByteArray>> entitydoctypes(const QByteArray &root, int elements, int chain)
{
    const QByteArray wide = QByteArray("<a/>").repeated(elements);
    const auto link = [chain](int n) { return n + 1 < chain ? "e" + QByteArray::number(n) : QByteArray("e"); };
    QByteArray chained;
    for (int n = 0; n < chain; ++n)
        chained += "<!ENTITY " + link(n) + " \"" + (n == 0 ? QByteArray("<a/>") : "&" + link(n - 1) + ";") + "\">";
    return {{"general entity", "<!DOCTYPE " + root + " [<!ENTITY e \"" + wide + "\">]>"},
            {"parameter entity", "<!DOCTYPE " + root + " [<!ENTITY % p \"<!ENTITY e '" + wide + "'>\">%p;]>"},
            {"entity beside an external id",
             "<!DOCTYPE " + root + " SYSTEM \"" + root + ".dtd\" [<!ENTITY e \"" + wide + "\">]>"},
            {"chain of entities", "<!DOCTYPE " + root + " [" + chained + "]>"}};
}

#ifdef Q_OS_LINUX

namespace {

// The calling thread's capability sets, as the kernel's own calls give
// them (glibc wraps neither).
bool capabilities(__user_cap_data_struct (&data)[2])
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(SYS_capget, &header, data) == 0;
}

bool setcapabilities(__user_cap_data_struct (&data)[2])
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(SYS_capset, &header, data) == 0;
}

const quint32 passpermissionbits = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

} // namespace

HeedPermissionBits::HeedPermissionBits()
{
    __user_cap_data_struct data[2];
    if (!capabilities(data))
        return;
    m_effective[0] = data[0].effective;
    m_effective[1] = data[1].effective;
    if ((data[0].effective & passpermissionbits) == 0) {
        heeded = true;
        return;
    }
    // Lowering the effective set needs no privilege of its own.
    data[0].effective &= ~passpermissionbits;
    m_dropped = setcapabilities(data);
    heeded = m_dropped;
}

HeedPermissionBits::~HeedPermissionBits()
{
    __user_cap_data_struct data[2];
    if (!m_dropped || !capabilities(data))
        return;
    data[0].effective = m_effective[0];
    data[1].effective = m_effective[1];
    setcapabilities(data);
}

#else

HeedPermissionBits::HeedPermissionBits() : heeded(true) {}
HeedPermissionBits::~HeedPermissionBits() = default;

#endif

OwnTempFolder::OwnTempFolder(const QString &folder) : saved(qgetenv("TMPDIR"))
{
    QDir().mkpath(folder);
    qputenv("TMPDIR", folder.toUtf8());
}

OwnTempFolder::~OwnTempFolder()
{
    qputenv("TMPDIR", saved);
}

} // namespace testsupport
