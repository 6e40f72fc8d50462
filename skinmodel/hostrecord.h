#pragma once
// The host's record of the Tessary skin, as the host keeps it in its
// settings.xml and as project files carry it: the screen size the layout was
// made for (screenwidth, screenheight), the script variables
// (QRNScriptGlobalVariables) and the window record (skinWindows).
//
// Every element is found as the first element of its tag anywhere in the
// document; parents are never checked. A file that is missing reads as an
// empty document, and one with a syntax error as the elements read before
// the error, so readers simply find nothing and use their defaults.
//
//   HostRecord record(projectpath);
//   skinwidth = record.intelement("screenwidth", int(screenwidth));
//   const RecordEntry zone = record.entry(208, tyname);
//   const QString variables = record.variablestext();
#include <QDomDocument>
#include <QDomElement>
#include <QList>
#include <QString>
#include <QVector>

// Parses the XML file at path from a read-only open; failures are not
// reported (missing: empty document; broken: what was read before the fault).
QDomDocument readxmlfile(const QString &path);

// One idx<N> child of a record window: where the user placed Tessary window N.
struct RecordEntry
{
    int number = 0;            // N, the tag without "idx"; 0 when not a number
    bool visible = false;      // attribute visible is exactly "yes"
    QString x = QStringLiteral("0");       // the attributes as written,
    QString y = QStringLiteral("0");       // "0" when absent
    QString width = QStringLiteral("0");
    QString height = QStringLiteral("0");
};

class HostRecord
{
public:
    HostRecord() = default;                      // an empty record
    explicit HostRecord(const QString &path);    // reads a settings or project file
    explicit HostRecord(const QDomDocument &document);

    const QDomDocument &document() const { return doc; }

    // The first element of that tag anywhere; null when there is none.
    QDomElement firstelement(const QString &tag) const;

    // The integer text of the first element of that tag (text that is not a
    // number reads as 0), or absent when the document has no such element.
    int intelement(const QString &tag, int absent) const;

    // The text of the first QRNScriptGlobalVariables; empty when absent.
    QString variablestext() const;

    // Whether the first skinWindows element has any child node.
    bool hasrecordchildren() const;

    // The record windows of the Tessary skin: children of the first
    // skinWindows whose tag is exactly "window" and whose name begins with
    // tyname + ":", in document order.
    QList<QDomElement> skinwindows(const QString &tyname) const;

    // The element children of all those windows, in document order.
    QVector<RecordEntry> entries(const QString &tyname) const;

    // The first of those entries whose N is n; an entry that is not visible
    // and placed at zeros when the record has none.
    RecordEntry entry(int n, const QString &tyname) const;

private:
    QDomDocument doc;
};
