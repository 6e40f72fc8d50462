#include "profileactions.h"

#include "fileio/fileio.h"

#include <QDir>
#include <QFileInfo>

const QVector<BuiltinProfile> &builtinprofiles()
{
    // The labels of White and Dark are capitalised, their names are not.
    static const QVector<BuiltinProfile> profiles = {
        {"default", "://Resources/default.tycp", "Color Profile : default"},
        {"white", "://Resources/white.tycp", "Color Profile : White"},
        {"dark", "://Resources/dark.tycp", "Color Profile : Dark"},
    };
    return profiles;
}

QString builtinprofilefolder()
{
    return QStringLiteral("://Resources");
}

bool isbuiltinprofile(const QString &path)
{
    return path.startsWith(builtinprofilefolder());
}

QString profilename(const QString &path)
{
    return QFileInfo(path).baseName();
}

QString profilefilter()
{
    return QStringLiteral("TY Color Profiles (*.tycp)");
}

QString profilelabeltext(const QString &name)
{
    return "Color Profile : " + name;
}

QString profilesavedtext(const QString &name)
{
    return "Color Profile " + name + " has been saved succesfully.";
}

QString profileupdatedtext(const QString &name)
{
    return "Color Profile " + name + " has been updated.";
}

QString profilenotsavedtext(const QString &name, const QString &path, const QString &why)
{
    return fileio::withreason("Color Profile " + name + " could not be saved to " + QDir::toNativeSeparators(path),
                              why);
}
