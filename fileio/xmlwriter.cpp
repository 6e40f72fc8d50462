#include "xmlwriter.h"

#include <QDomDocument>

#include "fileio.h"

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
    const QString name = fileio::xmlencodingname(first.nodeValue());
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

