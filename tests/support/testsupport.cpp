#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>

#include <unistd.h>

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
