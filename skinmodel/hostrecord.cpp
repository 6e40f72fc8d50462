#include "hostrecord.h"

#include "textfunctions.h"

#include <QDomNodeList>

#include "fileio/fileio.h"

namespace {

QString attributeorzero(const QDomElement &element, const QString &name)
{
    return element.hasAttribute(name) ? element.attribute(name) : QStringLiteral("0");
}

RecordEntry readentry(const QDomElement &element)
{
    RecordEntry entry;
    QString number = element.tagName();
    number.remove(QStringLiteral("idx"));
    entry.number = textint(number);
    entry.visible = element.attribute(QStringLiteral("visible")) == QLatin1String("yes");
    entry.x = attributeorzero(element, QStringLiteral("x"));
    entry.y = attributeorzero(element, QStringLiteral("y"));
    entry.width = attributeorzero(element, QStringLiteral("width"));
    entry.height = attributeorzero(element, QStringLiteral("height"));
    return entry;
}

} // namespace

QDomDocument readxmlfile(const QString &path)
{
    QDomDocument document;
    fileio::readxml(path, &document);   // a parse error keeps what was read before it
    return document;
}

HostRecord::HostRecord(const QString &path)
    : doc(readxmlfile(path))
{
}

HostRecord::HostRecord(const QDomDocument &document)
    : doc(document)
{
}

QDomElement HostRecord::firstelement(const QString &tag) const
{
    return doc.elementsByTagName(tag).item(0).toElement();
}

int HostRecord::intelement(const QString &tag, int absent) const
{
    const QDomElement element = firstelement(tag);
    return element.isNull() ? absent : textint(element.text());
}

QString HostRecord::variablestext() const
{
    return firstelement(QStringLiteral("QRNScriptGlobalVariables")).text();
}

bool HostRecord::hasrecordchildren() const
{
    return firstelement(QStringLiteral("skinWindows")).hasChildNodes();
}

QList<QDomElement> HostRecord::skinwindows(const QString &tyname) const
{
    QList<QDomElement> windows;
    const QString prefix = tyname + QLatin1Char(':');
    const QDomElement record = firstelement(QStringLiteral("skinWindows"));
    for (QDomElement window = record.firstChildElement(QStringLiteral("window"));
         !window.isNull(); window = window.nextSiblingElement(QStringLiteral("window"))) {
        if (window.attribute(QStringLiteral("name")).startsWith(prefix))
            windows.append(window);
    }
    return windows;
}

QVector<RecordEntry> HostRecord::entries(const QString &tyname) const
{
    QVector<RecordEntry> result;
    for (const QDomElement &window : skinwindows(tyname)) {
        for (QDomElement child = window.firstChildElement(); !child.isNull();
             child = child.nextSiblingElement())
            result.append(readentry(child));
    }
    return result;
}

RecordEntry HostRecord::entry(int n, const QString &tyname) const
{
    for (const RecordEntry &candidate : entries(tyname)) {
        if (candidate.number == n)
            return candidate;
    }
    RecordEntry none;
    none.number = n;
    return none;
}
