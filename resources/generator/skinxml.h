#pragma once
// A small element tree for authoring the stand-in skin, written out in the
// skin's own text form: ASCII, CR LF line ends, one tab per level.
#include <QByteArray>
#include <QPair>
#include <QString>
#include <QVector>

namespace skin {

class XmlNode
{
public:
    explicit XmlNode(const QString &tag = QString()) : tag(tag) {}

    static XmlNode comment(const QString &text);

    // Sets an attribute; one already there keeps its place.
    XmlNode &set(const QString &name, const QString &value);
    XmlNode &set(const QString &name, const char *value) { return set(name, QString::fromLatin1(value)); }
    XmlNode &set(const QString &name, int value) { return set(name, QString::number(value)); }
    // The next attribute follows the previous one's closing quote directly;
    // the real skin has one such slip that every reader must accept.
    XmlNode &setGlued(const QString &name, const QString &value);
    XmlNode &add(const XmlNode &child);
    XmlNode &addAll(const QVector<XmlNode> &more);
    XmlNode &setText(const QString &t);

    QString tag;
    QVector<QPair<QString, QString>> attributes;
    QVector<XmlNode> children;
    QString text;
    bool isComment = false;
    int gluedAttribute = -1;
};

// The whole document: declaration, then `root`; every line ends in CR LF.
// Apostrophes in attribute values are written as &apos;.
QByteArray serialise(const XmlNode &root);

} // namespace skin
