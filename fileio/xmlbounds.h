#pragma once
// What Qt's DOM reader would build from an XML document, bounded by a scan
// of its text before any DOM is built from it:
// - in depth: the DOM reader, writer and destructor recurse once per level,
//   so a deep enough document would overflow the stack;
// - in size: Qt's DOM takes some 200 to 460 bytes of memory for each node
//   (an element, an attribute, a run of text, a comment ...), so a file of
//   a few megabytes of tiny elements would take gigabytes; and the reader
//   replaces every reference to an entity that the document type declares
//   by the entity's text, bounding each replacement but not how many there
//   are. No file of the tool's declares entities, so a document that does
//   is refused;
// - in what it keeps: Qt 5's reader keeps only the low 16 bits of a
//   character reference past U+FFFF, takes references to no character at
//   all (&#0;) and characters XML does not allow, and drops a reference to
//   an undeclared entity in an attribute value. A document that would lose
//   characters so is refused, and the references past U+FFFF are listed so
//   that the caller can put the characters in their place.
#include <QString>
#include <QVector>

namespace fileio {

// Deeper than this no file of the tool's nests (the Tessary skin needs fewer
// than 20 levels); a deeper one is treated as unreadable.
constexpr int maxxmldepth = 256;

// Why an XML file was not read; the first five come from reading the file,
// the others from its text.
enum class XmlProblem {
    None,
    Missing,
    NotRegular,   // a folder, a FIFO, a device
    Unreadable,
    TooLarge,     // more bytes than the file's bound
    NotText,      // bytes that are not text in the file's encoding
    Entities,     // declares entities, or refers to an undeclared one where it would be lost
    TooDeep,      // nests deeper than maxxmldepth
    TooMany,      // more nodes than the file's bound
    Malformed     // not well-formed XML
};

// A character reference past U+FFFF: where it stands in the text, how long
// it is, and the character it names.
struct WideReference
{
    int position;
    int length;
    uint character;
};

// What the scan found.
struct XmlScan
{
    XmlProblem problem = XmlProblem::None;
    int position = 0;           // where the problem was found
    QString detail;             // for Malformed: what is wrong there
    int nodes = 0;              // the nodes counted up to where the scan stopped
    int doctypestart = -1;      // the document type declaration's span,
    int doctypeend = -1;        // -1 when there is none
    // Qt's DOM makes the comments and processing instructions of the
    // internal subset children of the document, among those that stand
    // between the document type and the root element: how many of each.
    int subsetchildren = 0;
    int afterdoctype = 0;
    QVector<WideReference> widereferences;
};

// Scans a document's text (decoded already) as a reader reads it: tags with
// quoted attribute values, comments, CDATA sections, processing
// instructions, and a document type with its external identifier and
// internal subset. It counts every node the DOM would hold (elements,
// attributes, runs of text, comments, processing instructions, CDATA
// sections, entity references), more rather than fewer, and refuses:
// - a document that nests deeper than maxdepth or holds more than maxnodes
//   nodes (TooDeep, TooMany);
// - a subset that declares an entity (a general or a parameter one) or that
//   holds anything but element, attribute-list and notation declarations,
//   comments and processing instructions; a reference to an undeclared
//   entity inside an attribute value (Entities);
// - a character that XML does not allow, raw or as a reference; a document
//   type after the root element or a second one; markup it does not know
//   (Malformed).
// With no entity declared, a reference to one other than the predefined ones
// in content is a node the DOM reader keeps by name: it counts as one level.
//
// The scan stops only where markup does not end, as a reader does. Where
// the text is otherwise not well-formed (an end tag that ends nothing or
// another element, a lone "&", a misspelt tag), a reader stops but the scan
// reads on, which can only count more than the reader builds, never less.
XmlScan scanxml(const QString &text, int maxnodes, int maxdepth = maxxmldepth);

// Whether scanxml finds nothing wrong, with no bound on the number of nodes.
bool withinxmlbounds(const QString &text, int maxdepth = maxxmldepth);

} // namespace fileio
