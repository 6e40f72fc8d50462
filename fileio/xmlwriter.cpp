#include "xmlwriter.h"

#include <QDomDocument>
#include <QRegularExpression>

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
// ">" after "]]"; carriage returns as character references. Half of a
// character (a lone surrogate) is kept: the conversion to UTF-8 writes "?"
// for it, as Qt's writer does.
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
        out += text[i];
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

// The text of an XML declaration as it stands in bytes that are UTF-8:
// whatever other encoding it names (a name that no reader knows included)
// becomes UTF-8, so that a reader decodes what was written rather than
// what the source file was in.
QString utf8declaration(const QString &declaration)
{
    static const QRegularExpression encoding(QStringLiteral("(^|\\s)encoding\\s*=\\s*(\"([^\"]*)\"|'([^']*)')"));
    const QRegularExpressionMatch match = encoding.match(declaration);
    const QString name = match.captured(3) + match.captured(4);
    if (!match.hasMatch() || name.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0
        || name.compare(QLatin1String("UTF8"), Qt::CaseInsensitive) == 0)
        return declaration;
    QString written = declaration;
    written.replace(encoding, QStringLiteral("\\1encoding=\"UTF-8\""));
    return written;
}

// Appends node and its subtree in the layout of QDomNode::save() with an
// indentation of one space per level. False for a kind of node that it
// does not write (a document type and the like).
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
    case QDomNode::EntityReferenceNode:
        // A reference to an entity the document does not declare: by name.
        out += QLatin1Char('&');
        out += node.nodeName();
        out += QLatin1Char(';');
        return true;
    case QDomNode::ProcessingInstructionNode:
        out += QLatin1String("<?");
        out += node.nodeName();
        out += QLatin1Char(' ');
        out += isxmldeclaration(node) ? utf8declaration(node.nodeValue()) : node.nodeValue();
        out += QLatin1String("?>\n");
        return true;
    default:
        return false;
    }
}

// Qt's writer writes a document type, which the one-pass writer does not.
// Its toByteArray() is this text in UTF-8, declaration as it stands.
QByteArray qtwriterbytes(const QDomDocument &doc)
{
    QString text = doc.toString(1);
    const QDomNode first = doc.firstChild();
    if (isxmldeclaration(first)) {
        const auto written = [](const QString &value) { return QLatin1String("<?xml ") + value + QLatin1String("?>"); };
        const QString declaration = written(first.nodeValue());
        if (text.startsWith(declaration))
            text.replace(0, declaration.size(), written(utf8declaration(first.nodeValue())));
    }
    return text.toUtf8();
}

} // namespace

QByteArray skindocumentbytes(const QDomDocument &doc)
{
    // The skins this tool reads have no document type.
    if (!doc.doctype().name().isEmpty())
        return qtwriterbytes(doc);
    QString text;
    for (QDomNode node = doc.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (!appendnode(text, node, 0))
            return qtwriterbytes(doc);
    }
    return text.toUtf8();
}
