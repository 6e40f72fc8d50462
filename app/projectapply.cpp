#include "projectapply.h"

#include <QDomElement>
#include <QFileInfo>
#include <QList>
#include <QRegularExpression>
#include <QStringList>
#include <QVarLengthArray>

#include <algorithm>
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

// A run of text, not a CDATA section, which is markup.
bool istext(const QDomNode &node)
{
    return node.isText() && !node.isCDATASection();
}

// Text that only lays the markup out: XML's own white space. A no-break
// space is a value, not layout.
bool islayout(const QDomNode &node)
{
    if (!istext(node))
        return false;
    const QString text = node.nodeValue();
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
    });
}

bool isblank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Where the layout at the end of node starts, -1 when node does not end
// with layout: all of a text that is only layout; in a text that holds a
// value too (a no-break space, a word), its last line end, when only
// blanks follow it.
int layoutstart(const QDomNode &node)
{
    if (islayout(node))
        return 0;
    if (!istext(node))
        return -1;
    const QString text = node.nodeValue();
    const int lineend = text.lastIndexOf(QLatin1Char('\n'));
    return lineend >= 0 && std::all_of(text.cbegin() + lineend + 1, text.cend(), isblank) ? lineend : -1;
}

// Whether a line end follows node, after blanks at most: then the node ends
// its line, and the layout before it is the node's own.
bool endsline(const QDomNode &node)
{
    const QDomNode next = node.nextSibling();
    if (!istext(next))
        return false;
    const QString text = next.nodeValue();
    const auto end = std::find_if_not(text.cbegin(), text.cend(), isblank);
    return end != text.cend() && *end == QLatin1Char('\n');
}

// Removes node with the white space that puts it on its line, so that a
// replaced record leaves no empty line behind, however often it is replaced.
// A value in the text before the node stays. When something follows the
// node on its line, the white space stays too, and keeps what follows on a
// line of its own (two lines of a value never join).
void removelaidout(const QDomNode &node)
{
    QDomNode parent = node.parentNode();
    QDomNode before = node.previousSibling();
    const int start = layoutstart(before);
    if (start == 0 && endsline(node))
        parent.removeChild(before);
    else if (start > 0 && endsline(node))
        before.setNodeValue(before.nodeValue().left(start));
    parent.removeChild(node);
}

// The line end and indentation at the end of white space.
QString lastline(const QString &layout)
{
    const int lineend = layout.lastIndexOf(QLatin1Char('\n'));
    return lineend < 0 ? layout : layout.mid(lineend);
}

// The line end and the blanks that start the last line of a text, whatever
// follows them there: how what comes after the text is indented. Empty when
// node is no text, or a value without a line end.
QString lastindent(const QDomNode &node)
{
    if (!istext(node))
        return QString();
    const QString text = node.nodeValue();
    const int lineend = text.lastIndexOf(QLatin1Char('\n'));
    if (lineend < 0)
        return islayout(node) ? text : QString();
    const auto indentend = std::find_if_not(text.cbegin() + lineend + 1, text.cend(), isblank);
    return text.mid(lineend, int(indentend - text.cbegin()) - lineend);
}

// Puts each child element of a new element on a line of its own, one blank
// deeper than the element, which stands at indent.
void layout(QDomElement &element, const QString &indent)
{
    if (element.firstChildElement().isNull())
        return;
    const QString inner = indent + QLatin1Char(' ');
    QDomDocument document = element.ownerDocument();
    for (QDomElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
        element.insertBefore(document.createTextNode(inner), child);
        layout(child, inner);
    }
    element.appendChild(document.createTextNode(indent));
}

// Appends a new element as the last child of parent, laid out as the file
// lays out the other children: before the white space that closes the
// parent, on a line of its own indented as the child before it. A file
// without such white space gets none either. A value before that white space
// stays before the new element, so that removelaidout takes away with the
// element what this adds, and a record replaced again comes back the same.
void appendlaidout(QDomNode &parent, QDomElement &child)
{
    QDomNode closing = parent.lastChild();
    const int closingstart = layoutstart(closing);
    if (closingstart < 0) {
        parent.appendChild(child);
        return;
    }
    const QString before = lastindent(closing.previousSibling().previousSibling());
    const QString indent = before.isEmpty() ? lastline(closing.nodeValue()) + QLatin1Char(' ') : before;
    if (closingstart > 0)
        closing = closing.toText().splitText(closingstart);
    parent.insertBefore(child, closing);
    parent.insertBefore(parent.ownerDocument().createTextNode(indent), child);
    layout(child, indent);
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

    // The name is not looked at: a project holds one window, the Tessary one.
    QDomElement window = host.createElement(QStringLiteral("window"));
    const QDomElement projectwindow = firstelement(project, recordtag).firstChildElement();
    fillwindow(host, window, projectwindow, factor);
    window.setAttribute(QStringLiteral("name"), windowname);

    if (!record.isNull()) {
        appendlaidout(record, window);
    } else {
        // Without a skins element the record has nowhere to go and stays as it was.
        QDomElement skins = firstelement(host, QStringLiteral("skins"));
        if (!skins.isNull()) {
            record = host.createElement(recordtag);
            record.appendChild(window);
            appendlaidout(skins, record);
        }
    }
    for (const QDomNode &old : replaced)
        removelaidout(old);
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
    appendlaidout(options, variables);
    if (!old.isNull() && old.parentNode() == options)
        removelaidout(old);
}

// The host's file is written back node by node rather than by
// QDomDocument::save: that one adds a line end after every processing
// instruction, so text after one would grow on every write, and it drops the
// DOCTYPE whenever it writes a declaration of its own.

// Text as markup. In a text a raw CR would read back as a line end; in an
// attribute a raw line end or tab would read back as a blank.
QString escaped(const QString &text, bool attribute)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&': out += QLatin1String("&amp;"); break;
        case '<': out += QLatin1String("&lt;"); break;
        case '>': out += QLatin1String("&gt;"); break;
        case '\r': out += QLatin1String("&#13;"); break;
        case '"': out += attribute ? QLatin1String("&quot;") : QLatin1String("\""); break;
        case '\n': out += attribute ? QLatin1String("&#10;") : QLatin1String("\n"); break;
        case '\t': out += attribute ? QLatin1String("&#9;") : QLatin1String("\t"); break;
        default: out += c;
        }
    }
    return out;
}

// The XML declaration: UTF-8, as written, whatever the file declared before;
// a standalone declaration of the host's stays.
QString declarationtext(const QDomDocument &document)
{
    QString declaration = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"");
    const QDomNode first = document.firstChild();
    if (first.isProcessingInstruction() && first.nodeName() == QLatin1String("xml")) {
        static const QRegularExpression standalone(QStringLiteral("standalone\\s*=\\s*[\"'](yes|no)[\"']"));
        const QRegularExpressionMatch match = standalone.match(first.nodeValue());
        if (match.hasMatch())
            declaration += QStringLiteral(" standalone=\"") + match.captured(1) + QLatin1Char('"');
    }
    return declaration + QStringLiteral("?>\n");
}

void writenode(QString &out, const QDomNode &node);

// Writes element and its children exactly as they are: the white space
// that lays the file out is part of the document.
void writeelement(QString &out, const QDomElement &element)
{
    out += QLatin1Char('<') + element.tagName();
    // The DOM keeps the attributes in a hash seeded anew in every run:
    // written in the order of their names, they come back the same on
    // every Apply. (On the stack: a list on the heap for every element
    // would scatter the heap that the growing text takes.)
    const QDomNamedNodeMap attributes = element.attributes();
    QVarLengthArray<QDomAttr, 16> sorted;
    for (int i = 0; i < attributes.count(); ++i)
        sorted.append(attributes.item(i).toAttr());
    std::sort(sorted.begin(), sorted.end(),
              [](const QDomAttr &a, const QDomAttr &b) { return a.name() < b.name(); });
    for (const QDomAttr &attribute : sorted)
        out += QLatin1Char(' ') + attribute.name() + QLatin1String("=\"") + escaped(attribute.value(), true)
               + QLatin1Char('"');
    if (!element.hasChildNodes()) {
        out += QLatin1String("/>");
        return;
    }
    out += QLatin1Char('>');
    for (QDomNode child = element.firstChild(); !child.isNull(); child = child.nextSibling())
        writenode(out, child);
    out += QLatin1String("</") + element.tagName() + QLatin1Char('>');
}

void writenode(QString &out, const QDomNode &node)
{
    switch (node.nodeType()) {
    case QDomNode::ElementNode:
        writeelement(out, node.toElement());
        break;
    case QDomNode::TextNode:
        out += escaped(node.nodeValue(), false);
        break;
    case QDomNode::CDATASectionNode:
        out += QLatin1String("<![CDATA[") + node.nodeValue() + QLatin1String("]]>");
        break;
    case QDomNode::CommentNode:
        out += QLatin1String("<!--") + node.nodeValue() + QLatin1String("-->");
        break;
    case QDomNode::ProcessingInstructionNode: {
        const QString data = node.nodeValue();
        out += QLatin1String("<?") + node.nodeName() + (data.isEmpty() ? QString() : QLatin1Char(' ') + data)
               + QLatin1String("?>");
        break;
    }
    case QDomNode::EntityReferenceNode:
        // A document that declares entities is never read, so this is a
        // reference to an entity declared elsewhere (in an external
        // document type, or in the host's head): written back as written.
        out += QLatin1Char('&') + node.nodeName() + QLatin1Char(';');
        break;
    default:
        break;
    }
}

// What reading text as the host's settings would come to: the byte bound
// is checked first, so that a text past it is not decoded too.
fileio::XmlRead hostbounds(const QByteArray &text)
{
    if (text.size() > fileio::smallxmllimits.bytes) {
        fileio::XmlRead read;
        read.problem = fileio::XmlProblem::TooLarge;
        return read;
    }
    return fileio::checkxml(text, fileio::smallxmllimits);
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

QByteArray hosttext(const QDomDocument &host, const fileio::XmlRead &read)
{
    // Qt's DOM holds no node for the document type among the document's
    // children, but it does hold the comments and processing instructions of
    // its internal subset, which its text as written holds already: the text
    // goes where they stand, after the nodes before the document type, and
    // they are not written again.
    const auto isdeclaration = [](const QDomNode &node) {
        return node.isProcessingInstruction() && node.nodeName() == QLatin1String("xml");
    };
    int beforeroot = 0;
    for (QDomNode node = host.firstChild(); !node.isNull() && !node.isElement(); node = node.nextSibling())
        beforeroot += isdeclaration(node) ? 0 : 1;
    const int subsetfirst = qMax(0, beforeroot - read.afterdoctype - read.subsetchildren);
    const int subsetend = subsetfirst + read.subsetchildren;

    QString text = declarationtext(host);
    int index = 0;   // among the document's children, the declaration left out
    for (QDomNode node = host.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (node.isDocumentType() || isdeclaration(node))
            continue;
        if (index == subsetfirst && !read.doctype.isEmpty())
            text += read.doctype + QLatin1Char('\n');
        const bool fromsubset = index >= subsetfirst && index < subsetend;
        ++index;
        if (fromsubset)
            continue;
        writenode(text, node);
        text += QLatin1Char('\n');
    }
    return text.replace(QLatin1Char('\n'), QLatin1String("\r\n")).toUtf8();
}

Applied applyfile(const QString &projectpath, const QString &hostfile, const QString &tyname, float screenwidth)
{
    Applied applied;
    if (!QFileInfo::exists(hostfile)) {
        applied.result = Applied::NoHostFile;
        return applied;
    }
    // A file that cannot be read whole would replace the host's record with
    // nothing, or the host's whole file with an empty one: nothing is written.
    QDomDocument project;
    applied.read = fileio::readxml(projectpath, &project);
    if (!applied.read) {
        applied.result = Applied::ProjectUnread;
        return applied;
    }
    applied.projectwidth = projectwidth(project, screenwidth);
    const float factor = scalefactor(screenwidth, applied.projectwidth);

    // Every value of the host's own comes back as it was, blanks included.
    QDomDocument host;
    applied.read = fileio::readxml(hostfile, &host, fileio::smallxmllimits, /*keepwhitespace=*/true);
    if (!applied.read) {
        applied.result = Applied::HostUnread;
        return applied;
    }
    apply(project, host, tyname, factor);
    const QByteArray text = hosttext(host, applied.read);
    host.clear();
    // A host that this tool would refuse to read is never written: the
    // project's placements may take it past its bounds.
    applied.read = hostbounds(text);
    if (!applied.read) {
        applied.result = Applied::HostOutOfBounds;
        return applied;
    }
    if (!fileio::writefile(hostfile, text, &applied.writeproblem))
        applied.result = Applied::HostUnwritten;
    return applied;
}

} // namespace projectapply
