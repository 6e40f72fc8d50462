#pragma once
// Project files: what the tool keeps of a host layout (the screen size, the
// host's "$TYX_" script variables and the Tessary window record), written as
// a small XML file in the projects folder, plus the choice of the current
// project among the host's settings file, the built-in demos and such files.
#include <QByteArray>
#include <QDomDocument>
#include <QString>

#include "skinmodel/modulevars.h"

namespace projectfile {

// The name a file gives its project: the file name without its folder and
// without everything from its first dot ("live.set.xml" gives "live").
QString basename(const QString &path);

// The variable rows written back as text: each row's fields joined by "=",
// the rows joined by "," without blanks.
QString variablestext(const VariableRows &rows);

// Everything a project file records, taken from a source in the layout of the
// host's settings file (the host file itself, a demo or a project file).
struct ProjectContent
{
    QString name;          // the project's base name
    int screenwidth = 0;   // the screen the project's positions were laid out for
    int screenheight = 0;
    QString tyname;        // the Tessary skin's name in the host
};

// The text of a project file: the source's "$TYX_" variables and each of its
// Tessary windows (renamed tyname + ":skin") with the placements of their
// children copied unchanged. Lines end in CR LF, the last one has no line
// end; names and values are escaped so the file is always well-formed.
QByteArray projecttext(const ProjectContent &content, const QDomDocument &source);

// Replaces path with bytes through a temporary file in the same folder, so an
// interrupted write never leaves half a file. False when nothing was written;
// why, when given, then says the system's reason.
bool writefile(const QString &path, const QByteArray &bytes, QString *why = nullptr);

// What choosing a project sets in the main window.
struct ProjectChoice
{
    QString name;            // projectname
    QString path;            // projectpath
    QString title;           // the window title after apptitle + " - "
    bool setsize = false;    // whether the screen size is set before the zones are read
    int width = 0;
    int height = 0;
    int mark = -1;           // checked entry: 0 Default, 1 to 3 the demos, -1 none
    bool applicable = true;  // whether the project can be applied to the host
};

// The host's own settings file, laid out for this desktop.
ProjectChoice hostproject(const QString &hostfolder, const QString &settingsfilename,
                          float screenwidth, float screenheight);
// Built-in demo number 1 to 3, laid out for 1920 x 1080.
ProjectChoice demoproject(int number, const QString &resourcesdir);
// A project file the user chose; the screen size stays until its zones are read.
ProjectChoice fileproject(const QString &path);

} // namespace projectfile
