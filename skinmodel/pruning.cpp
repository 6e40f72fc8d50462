#include "pruning.h"
#include "fileio/fileio.h"
#include "fileio/xmlwriter.h"

#include <QDomDocument>

namespace {

const int nameColumn = 0;
const int visibleColumn = 11;

// Qt's node lists follow every removal, so each step works on a copy taken
// before it starts.
QVector<QDomElement> elementsnamed(const QDomDocument &doc, const QString &tag)
{
    const QDomNodeList list = doc.elementsByTagName(tag);
    QVector<QDomElement> elements;
    elements.reserve(list.size());
    for (int i = 0; i < list.size(); ++i)
        elements.append(list.at(i).toElement());
    return elements;
}

// False once the element has left the document, on its own or with an
// ancestor that an earlier pass removed.
bool indocument(const QDomNode &node)
{
    QDomNode top = node;
    while (!top.parentNode().isNull())
        top = top.parentNode();
    return top.isDocument();
}

void removeelement(QDomElement &element)
{
    element.parentNode().removeChild(element);
}

bool markedno(const QDomElement &element)
{
    return element.attribute("add") == "no";
}

// A window whose row is missing or too short counts as not shown.
bool keepswindow(const TextTable &windows, int index, const QDomElement &window)
{
    if (index >= windows.size())
        return false;
    const QVector<QString> &row = windows.at(index);
    if (row.value(nameColumn) == "MENU" || window.attribute("name") == "MENU")
        return false;
    return rowshowswindow(row);
}

void dropwindows(QDomDocument &doc, const TextTable &windows)
{
    const QVector<QDomElement> all = elementsnamed(doc, "window");
    for (int i = 0; i < all.size(); ++i) {
        QDomElement window = all.at(i);
        if (indocument(window) && !keepswindow(windows, i, window))
            removeelement(window);
    }
}

void renamewindows(QDomDocument &doc)
{
    static const char *const layoutattributes[] = {
        "width", "height", "image", "shown", "posx", "posy", "breakline", "prop"};
    for (QDomElement window : elementsnamed(doc, "window")) {
        for (const char *attribute : layoutattributes)
            window.removeAttribute(attribute);
        window.setTagName("groupo");
    }
}

// The live panel is shown by the host through these attributes; the new
// skin shows it always.
void strippanels(QDomDocument &doc)
{
    for (QDomElement panel : elementsnamed(doc, "panel")) {
        if (!indocument(panel))
            continue;
        if (panel.attribute("add") == "yes") {
            panel.removeAttribute("visibility");
            panel.removeAttribute("name");
            panel.removeAttribute("add");
        }
        if (markedno(panel))
            removeelement(panel);
    }
}

void dropmarkedno(QDomDocument &doc, const QString &tag)
{
    for (QDomElement element : elementsnamed(doc, tag)) {
        if (indocument(element) && markedno(element))
            removeelement(element);
    }
}

} // namespace

bool readskindocument(const QString &path, QDomDocument &doc)
{
    if (!fileio::readxml(path, &doc, fileio::skinxmllimits)) {
        doc.clear();
        return false;
    }
    return true;
}

bool writeskindocument(const QString &path, const QDomDocument &doc, QString *why)
{
    return fileio::writefile(path, skindocumentbytes(doc), why);
}

void pruneskindocument(QDomDocument &doc, const TextTable &windows)
{
    dropwindows(doc, windows);
    renamewindows(doc);
    strippanels(doc);
    dropmarkedno(doc, "group");
    dropmarkedno(doc, "visual");
}

bool rowshowswindow(const QVector<QString> &row)
{
    return row.value(visibleColumn) == QLatin1String("1");
}

QVector<QString> elementnames(const QDomDocument &doc, const QString &tag)
{
    const QDomNodeList elements = doc.elementsByTagName(tag);
    QVector<QString> names;
    names.reserve(elements.size());
    for (int i = 0; i < elements.size(); ++i)
        names.append(elements.at(i).toElement().attribute(QStringLiteral("name")));
    return names;
}

// Leaves the file as it was when it cannot be read or parsed, so a broken
// skin is never mistaken for an empty one.
bool SkinModel::delwindows()
{
    const QString path = workdir + "/skin/skin.xml";
    QDomDocument doc;
    if (!readskindocument(path, doc))
        return false;
    pruneskindocument(doc, windows);
    return writeskindocument(path, doc, &writeproblem);
}

bool SkinModel::delwindows(QDomDocument skin)
{
    prunedskin.reset();
    pruneskindocument(skin, windows);
    if (!writeskindocument(workdir + "/skin/skin.xml", skin, &writeproblem))
        return false;
    auto pruned = std::make_shared<PrunedSkin>();
    pruned->document = skin;
    pruned->modulenames = elementnames(skin, QStringLiteral("groupo"));
    pruned->groupnames = elementnames(skin, QStringLiteral("group"));
    prunedskin = std::move(pruned);
    return true;
}
