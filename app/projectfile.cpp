#include "projectfile.h"

#include <QFile>
#include <QFileInfo>

#include "fileio/fileio.h"
#include <QStringList>

#include "skinmodel/hostrecord.h"

namespace projectfile {

namespace {

const QString lineend = QStringLiteral("\r\n");

// Names and values come from files the user may have edited by hand; escaped
// they can never break the markup, and they read back as they were.
QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString attribute(const QString &name, const QString &value)
{
    return QLatin1Char(' ') + name + QStringLiteral("=\"") + escaped(value) + QLatin1Char('"');
}

// One placement of a Tessary window, e.g. <idx84 visible="yes" x="214" .../>.
// visible is always written; the coordinates only when the source has them.
QString placementline(const QDomElement &child)
{
    QString line = QStringLiteral("\t\t\t<") + child.tagName()
                   + attribute(QStringLiteral("visible"), child.attribute(QStringLiteral("visible")));
    for (const char *name : {"x", "y", "width", "height"}) {
        const QString key = QLatin1String(name);
        if (child.hasAttribute(key))
            line += attribute(key, child.attribute(key));
    }
    return line + QStringLiteral("/>");
}

} // namespace

QString basename(const QString &path)
{
    return QFileInfo(path).baseName();
}

QString variablestext(const VariableRows &rows)
{
    QStringList items;
    for (const QList<QString> &row : rows)
        items << QStringList(row).join(QLatin1Char('='));
    return items.join(QLatin1Char(','));
}

QByteArray projecttext(const ProjectContent &content, const QDomDocument &source)
{
    const HostRecord record(source);
    QStringList lines;
    lines << QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")
          << QStringLiteral("<project") + attribute(QStringLiteral("name"), content.name) + QLatin1Char('>')
          << QStringLiteral("\t<screenwidth>%1</screenwidth>").arg(content.screenwidth)
          << QStringLiteral("\t<screenheight>%1</screenheight>").arg(content.screenheight)
          << QStringLiteral("\t<QRNScriptGlobalVariables>")
                 + escaped(variablestext(gettyxglobalvars(record.variablestext())))
                 + QStringLiteral("</QRNScriptGlobalVariables>")
          << QStringLiteral("\t<skinWindows>");
    const QString windowname = content.tyname + QStringLiteral(":skin");
    for (const QDomElement &window : record.skinwindows(content.tyname)) {
        lines << QStringLiteral("\t\t<window") + attribute(QStringLiteral("name"), windowname) + QLatin1Char('>');
        // Comments and text between the placements carry nothing to keep.
        for (QDomElement child = window.firstChildElement(); !child.isNull();
             child = child.nextSiblingElement())
            lines << placementline(child);
        lines << QStringLiteral("\t\t</window>");
    }
    lines << QStringLiteral("\t</skinWindows>") << QStringLiteral("</project>");
    return lines.join(lineend).toUtf8();
}

bool writefile(const QString &path, const QByteArray &bytes, QString *why)
{
    return fileio::writefile(path, bytes, why);
}

ProjectChoice hostproject(const QString &hostfolder, const QString &settingsfilename,
                          float screenwidth, float screenheight)
{
    ProjectChoice choice;
    choice.name = QStringLiteral("Default");
    choice.path = hostfolder + settingsfilename;
    choice.title = QStringLiteral("Default (from Quorvelin settings)");
    choice.setsize = true;
    choice.width = int(screenwidth);
    choice.height = int(screenheight);
    choice.mark = 0;
    // The host's file is the project itself: there is nothing to apply.
    choice.applicable = false;
    return choice;
}

ProjectChoice demoproject(int number, const QString &resourcesdir)
{
    ProjectChoice choice;
    choice.name = QStringLiteral("Demo %1").arg(number);
    choice.path = resourcesdir + QLatin1Char('/') + choice.name + QStringLiteral(".xml");
    choice.title = choice.name;
    choice.setsize = true;
    choice.width = 1920;
    choice.height = 1080;
    choice.mark = number;
    return choice;
}

ProjectChoice fileproject(const QString &path)
{
    ProjectChoice choice;
    choice.name = basename(path);
    choice.path = path;
    choice.title = path;
    return choice;
}

} // namespace projectfile
