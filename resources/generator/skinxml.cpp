#include "skinxml.h"

namespace skin {

XmlNode XmlNode::comment(const QString &text)
{
    XmlNode node;
    node.isComment = true;
    node.text = text;
    return node;
}

XmlNode &XmlNode::set(const QString &name, const QString &value)
{
    for (auto &attribute : attributes) {
        if (attribute.first == name) {
            attribute.second = value;
            return *this;
        }
    }
    attributes.append(qMakePair(name, value));
    return *this;
}

XmlNode &XmlNode::setGlued(const QString &name, const QString &value)
{
    gluedAttribute = attributes.size();
    return set(name, value);
}

XmlNode &XmlNode::add(const XmlNode &child)
{
    children.append(child);
    return *this;
}

XmlNode &XmlNode::addAll(const QVector<XmlNode> &more)
{
    children += more;
    return *this;
}

XmlNode &XmlNode::setText(const QString &t)
{
    text = t;
    return *this;
}

namespace {

QString escaped(const QString &value, bool attribute)
{
    QString out;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '&': out += QLatin1String("&amp;"); break;
        case '<': out += QLatin1String("&lt;"); break;
        case '>': out += QLatin1String("&gt;"); break;
        case '"': out += attribute ? QLatin1String("&quot;") : QLatin1String("\""); break;
        case '\'': out += attribute ? QLatin1String("&apos;") : QLatin1String("'"); break;
        default: out += c;
        }
    }
    return out;
}

void write(QString &out, const XmlNode &node, int level)
{
    const QString indent(level, QLatin1Char('\t'));
    if (node.isComment) {
        out += indent + QLatin1String("<!-- ") + node.text + QLatin1String(" -->\r\n");
        return;
    }
    out += indent + QLatin1Char('<') + node.tag;
    for (int i = 0; i < node.attributes.size(); ++i) {
        if (i != node.gluedAttribute)
            out += QLatin1Char(' ');
        out += node.attributes[i].first + QLatin1String("=\"")
             + escaped(node.attributes[i].second, true) + QLatin1Char('"');
    }
    if (node.children.isEmpty() && node.text.isEmpty()) {
        out += QLatin1String("/>\r\n");
    } else if (node.children.isEmpty()) {
        out += QLatin1Char('>') + escaped(node.text, false) + QLatin1String("</") + node.tag
             + QLatin1String(">\r\n");
    } else {
        out += QLatin1String(">\r\n");
        for (const XmlNode &child : node.children)
            write(out, child, level + 1);
        out += indent + QLatin1String("</") + node.tag + QLatin1String(">\r\n");
    }
}

} // namespace

QByteArray serialise(const XmlNode &root)
{
    QString out = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n");
    write(out, root, 0);
    return out.toLatin1();
}

} // namespace skin
