#include "pruning.h"
#include "fileio.h"

#include <QDomDocument>
#include <QRegularExpression>

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
    doc.clear();
    QByteArray bytes;
    if (fileio::readfile(path, &bytes, fileio::skinfilelimit) != fileio::ReadResult::Read)
        return false;
    if (!fileio::parsexml(&doc, bytes)) {
        doc.clear();
        return false;
    }
    return true;
}

namespace {

void appendcharacterreference(QString &out, ushort code)
{
    out += QLatin1String("&#x");
    out += QString::number(code, 16);
    out += QLatin1Char(';');
}

// Appends value escaped as Qt's DOM writer escapes it, in one pass (the DOM
// writer replaces in place, which takes time quadratic in the value's
// length): "<" and "&" always; '"', tab and line feed in attribute values;
// ">" after "]]"; carriage returns and characters that UTF-8 cannot carry
// (a lone surrogate) as character references.
void appendescaped(QString &out, const QString &value, bool attribute)
{
    const QChar *text = value.constData();
    const int length = value.size();
    for (int i = 0; i < length; ++i) {
        const ushort code = text[i].unicode();
        switch (code) {
        case '<':
            out += QLatin1String("&lt;");
            continue;
        case '&':
            out += QLatin1String("&amp;");
            continue;
        case '"':
            if (attribute)
                out += QLatin1String("&quot;");
            else
                out += text[i];
            continue;
        case '>':
            if (i >= 2 && text[i - 1] == QLatin1Char(']') && text[i - 2] == QLatin1Char(']'))
                out += QLatin1String("&gt;");
            else
                out += text[i];
            continue;
        case '\t':
        case '\n':
            if (attribute)
                appendcharacterreference(out, code);
            else
                out += text[i];
            continue;
        case '\r':
            appendcharacterreference(out, code);
            continue;
        default:
            break;
        }
        if (text[i].isHighSurrogate() && i + 1 < length && text[i + 1].isLowSurrogate()) {
            out += text[i];
            out += text[++i];
        } else if (text[i].isSurrogate()) {
            appendcharacterreference(out, code);
        } else {
            out += text[i];
        }
    }
}

QString indentation(int depth)
{
    return QString(depth, QLatin1Char(' '));
}

bool isxmldeclaration(const QDomNode &node)
{
    return node.isProcessingInstruction() && node.nodeName() == QLatin1String("xml");
}

// Appends node and its subtree in the layout of QDomNode::save() with an
// indentation of one space per level. False for a kind of node that it
// does not write (entity references and the like).
bool appendnode(QString &out, const QDomNode &node, int depth)
{
    const bool aftertext = node.previousSibling().isText();
    const bool beforetext = node.nextSibling().isText();
    switch (node.nodeType()) {
    case QDomNode::ElementNode: {
        const QDomElement element = node.toElement();
        if (!aftertext)
            out += indentation(depth);
        out += QLatin1Char('<');
        out += element.tagName();
        const QDomNamedNodeMap attributes = element.attributes();
        for (int i = 0; i < attributes.count(); ++i) {
            const QDomAttr attribute = attributes.item(i).toAttr();
            out += QLatin1Char(' ');
            out += attribute.name();
            out += QLatin1String("=\"");
            appendescaped(out, attribute.value(), true);
            out += QLatin1Char('"');
        }
        if (element.hasChildNodes()) {
            out += QLatin1Char('>');
            if (!element.firstChild().isText())
                out += QLatin1Char('\n');
            for (QDomNode child = element.firstChild(); !child.isNull(); child = child.nextSibling()) {
                if (!appendnode(out, child, depth + 1))
                    return false;
            }
            if (!element.lastChild().isText())
                out += indentation(depth);
            out += QLatin1String("</");
            out += element.tagName();
            out += QLatin1Char('>');
        } else {
            out += QLatin1String("/>");
        }
        if (!beforetext)
            out += QLatin1Char('\n');
        return true;
    }
    case QDomNode::CDATASectionNode:
        out += QLatin1String("<![CDATA[");
        out += node.nodeValue();
        out += QLatin1String("]]>");
        return true;
    case QDomNode::TextNode:
        appendescaped(out, node.nodeValue(), !node.parentNode().isElement());
        return true;
    case QDomNode::CommentNode:
        if (!aftertext)
            out += indentation(depth);
        out += QLatin1String("<!--");
        out += node.nodeValue();
        if (node.nodeValue().endsWith(QLatin1Char('-')))
            out += QLatin1Char(' ');
        out += QLatin1String("-->");
        if (!beforetext)
            out += QLatin1Char('\n');
        return true;
    case QDomNode::ProcessingInstructionNode:
        out += QLatin1String("<?");
        out += node.nodeName();
        out += QLatin1Char(' ');
        out += node.nodeValue();
        out += QLatin1String("?>\n");
        return true;
    default:
        return false;
    }
}

// Whether the document declares an encoding other than UTF-8.
bool declaresotherencoding(const QDomDocument &doc)
{
    const QDomNode first = doc.firstChild();
    if (!isxmldeclaration(first))
        return false;
    static const QRegularExpression encoding(
        QStringLiteral("encoding\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)')"));
    const QRegularExpressionMatch match = encoding.match(first.nodeValue());
    if (!match.hasMatch())
        return false;
    const QString name = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
    return !name.isEmpty() && name.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) != 0
           && name.compare(QLatin1String("UTF8"), Qt::CaseInsensitive) != 0;
}

} // namespace

QByteArray skindocumentbytes(const QDomDocument &doc)
{
    // A document type or another encoding is left to the DOM writer, which
    // writes both; the skins this tool reads have neither.
    if (!doc.doctype().name().isEmpty() || declaresotherencoding(doc))
        return doc.toByteArray(1);
    QString text;
    for (QDomNode node = doc.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (!appendnode(text, node, 0))
            return doc.toByteArray(1);
    }
    return text.toUtf8();
}

bool writeskindocument(const QString &path, const QDomDocument &doc)
{
    return fileio::writefile(path, skindocumentbytes(doc));
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
    return writeskindocument(path, doc);
}

bool SkinModel::delwindows(QDomDocument skin)
{
    prunedskin.reset();
    pruneskindocument(skin, windows);
    if (!writeskindocument(workdir + "/skin/skin.xml", skin))
        return false;
    auto pruned = std::make_shared<PrunedSkin>();
    pruned->document = skin;
    pruned->modulenames = elementnames(skin, QStringLiteral("groupo"));
    pruned->groupnames = elementnames(skin, QStringLiteral("group"));
    prunedskin = std::move(pruned);
    return true;
}
