#include "workfolders.h"

#include <QDir>
#include <QFile>

#include "fileio/fileio.h"
#include "fileio/removetree.h"

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
        fileio::removetree(folder);
}

void removeleftovers(const QString &workdir)
{
    // Packing keeps no scratch anywhere else, and the temporary folder is
    // shared with other users: nothing there is ours to judge.
    removescratch(workdir);
}

bool installmissing(const QString &source, const QString &target)
{
    if (QFile::exists(target))
        return false;
    if (!fileio::copyfile(source, target))
        return false;
    // A copy of a built-in resource would otherwise keep its read-only mode.
    QFile::setPermissions(target, QFile::permissions(target)
                                      | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    return true;
}

} // namespace workfolders
