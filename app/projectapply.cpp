#include "projectapply.h"

#include <QBuffer>
#include <QDomElement>
#include <QList>
#include <QStringList>
#include <QTextStream>

#include <cmath>
#include <limits>

#include "app/projectfile.h"
#include "skinmodel/hostrecord.h"
#include "skinmodel/modulevars.h"
#include "skinmodel/textfunctions.h"

namespace projectapply {

namespace {

const QString variablestag = QStringLiteral("QRNScriptGlobalVariables");
const QString recordtag = QStringLiteral("skinWindows");

QDomElement firstelement(const QDomDocument &document, const QString &tag)
{
    return document.elementsByTagName(tag).item(0).toElement();
}

// The host's Tessary window records, which the project's record replaces.
QList<QDomNode> tessaryrecords(const QDomElement &record, const QString &windowname)
{
    QList<QDomNode> found;
    for (QDomNode node = record.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (node.toElement().attribute(QStringLiteral("name")) == windowname)
            found << node;
    }
    return found;
}

// Copies the placements of the project's window onto window, scaled.
void fillwindow(QDomDocument &host, QDomElement &window, const QDomElement &projectwindow, float factor)
{
    for (QDomElement child = projectwindow.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        QDomElement placement = host.createElement(child.tagName());
        placement.setAttribute(QStringLiteral("visible"), child.attribute(QStringLiteral("visible")));
        for (const char *name : {"x", "y", "width", "height"}) {
            const QString key = QLatin1String(name);
            if (child.hasAttribute(key))
                placement.setAttribute(key, scaled(child.attribute(key), factor));
        }
        window.appendChild(placement);
    }
}

void replacerecord(const QDomDocument &project, QDomDocument &host, const QString &tyname, float factor)
{
    const QString windowname = tyname + QStringLiteral(":skin");
    QDomElement record = firstelement(host, recordtag);
    const QList<QDomNode> replaced = tessaryrecords(record, windowname);

    QDomElement window = host.createElement(QStringLiteral("window"));
    if (record.isNull()) {
        // Without a skins element the record has nowhere to go and stays as it was.
        QDomElement skins = firstelement(host, QStringLiteral("skins"));
        if (!skins.isNull()) {
            record = host.createElement(recordtag);
            skins.appendChild(record);
        }
    }
    if (!record.isNull())
        record.appendChild(window);

    // The name is not looked at: a project holds one window, the Tessary one.
    const QDomElement projectwindow = firstelement(project, recordtag).firstChildElement();
    fillwindow(host, window, projectwindow, factor);
    for (QDomNode old : replaced)
        record.removeChild(old);
    window.setAttribute(QStringLiteral("name"), windowname);
}

void replacevariables(const QDomDocument &project, QDomDocument &host)
{
    QDomElement options = firstelement(host, QStringLiteral("options"));
    QDomElement old = firstelement(host, variablestag);

    QStringList parts;
    const QString projectvariables =
        projectfile::variablestext(gettyxglobalvars(HostRecord(project).variablestext()));
    const QString hostvariables = projectfile::variablestext(getsystemglobalvars(old.text()));
    for (const QString &part : {projectvariables, hostvariables}) {
        if (!part.isEmpty())
            parts << part;
    }

    QDomElement variables = host.createElement(variablestag);
    variables.appendChild(host.createTextNode(parts.join(QLatin1Char(','))));
    if (options.isNull())
        return;   // nowhere to put them: the host keeps its variables
    options.appendChild(variables);
    if (!old.isNull() && old.parentNode() == options)
        options.removeChild(old);
}

} // namespace

int projectwidth(const QDomDocument &project, float screenwidth)
{
    const int desktop = int(screenwidth);
    const int width = HostRecord(project).intelement(QStringLiteral("screenwidth"), desktop);
    return width > 0 ? width : desktop;
}

float scalefactor(float screenwidth, int projectwidth)
{
    if (screenwidth <= 0 || projectwidth <= 0)
        return 1.0f;
    return screenwidth / float(projectwidth);
}

QString scaled(const QString &value, float factor)
{
    // An int times a float is exact in a double, so only the rounding counts.
    const double rounded = std::floor(double(textint(value)) * double(factor) + 0.5);
    const double bounded = qBound(double(std::numeric_limits<int>::min()), rounded,
                                  double(std::numeric_limits<int>::max()));
    return QString::number(qint64(bounded));
}

void apply(const QDomDocument &project, QDomDocument &host, const QString &tyname, float factor)
{
    replacerecord(project, host, tyname, factor);
    replacevariables(project, host);
}

QByteArray hosttext(const QDomDocument &host)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QTextStream stream(&buffer);
    stream.setCodec("UTF-8");
    stream.setGenerateByteOrderMark(false);
    // The declaration is written from the stream's encoding, so it always
    // matches the bytes, whatever the file declared before.
    host.save(stream, 1, QDomNode::EncodingFromTextStream);
    stream.flush();
    buffer.close();
    return bytes.replace("\n", "\r\n");
}

} // namespace projectapply
