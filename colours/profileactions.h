#pragma once
// What the colour profile entries of the Colors menu show and where they
// look: the three built-in profiles, the name of a profile file and the
// texts of the profile messages.
#include <QString>
#include <QVector>

struct BuiltinProfile
{
    QString name;   // the current profile's name while it is loaded
    QString path;   // resource path; every built-in path starts with builtinprofilefolder()
    QString label;  // the profile label's text while it is loaded
};

// Default, White and Dark, in the order of their menu actions
// (loaddefaultcolorprofile, actionWhite, actionDark).
const QVector<BuiltinProfile> &builtinprofiles();

// The folder of the built-in profiles; a profile there cannot be written.
QString builtinprofilefolder();
bool isbuiltinprofile(const QString &path);

// The name of a profile file: its file name without folder and without
// everything from the first dot on ("/p/my.old.tycp" is "my").
QString profilename(const QString &path);

// The file dialogs' filter.
QString profilefilter();

// The text of the profile label for a profile name.
QString profilelabeltext(const QString &name);

// The notices after a save.
QString profilesavedtext(const QString &name);
QString profileupdatedtext(const QString &name);
// The warning when a profile file could not be written, for the system's
// reason why.
QString profilenotsavedtext(const QString &name, const QString &path, const QString &why);
