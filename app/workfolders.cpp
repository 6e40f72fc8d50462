#include "workfolders.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace workfolders {

QStringList all(const QString &workdir)
{
    return {workdir, workdir + "/projects", workdir + "/extracts",
            workdir + "/skin", workdir + "/toexport", workdir + "/profiles"};
}

QStringList scratch(const QString &workdir)
{
    return {workdir + "/skin", workdir + "/extracts", workdir + "/toexport"};
}

void create(const QString &workdir)
{
    for (const QString &folder : all(workdir))
        QDir().mkpath(folder);
}

void removescratch(const QString &workdir)
{
    for (const QString &folder : scratch(workdir))
        QDir(folder).removeRecursively();
}

bool installmissing(const QString &source, const QString &target)
{
    if (QFile::exists(target))
        return false;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = in.readAll();

    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (out.write(bytes) != bytes.size()) {
        out.cancelWriting();
        return false;
    }
    if (!out.commit())
        return false;
    // A copy of a built-in resource would otherwise keep its read-only mode.
    QFile::setPermissions(target, QFile::permissions(target)
                                      | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    return true;
}

} // namespace workfolders
