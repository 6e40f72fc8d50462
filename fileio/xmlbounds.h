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
    Entities,     // declares an entity, or refers to a parameter entity or to an
                  // undeclared one where it would be lost
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
    QString detail;             // for Malformed and Entities: what is wrong there
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

// Scans a document's text (decoded already) as a reader reads it: the XML
// declaration, tags with quoted attribute values, comments, CDATA sections,
// processing instructions, and a document type with its external
// identifier and internal subset.
//
// It counts, more rather than fewer, every node that either of Qt's DOM
// readers (the plain one and the one that keeps white-space text) holds:
// - the XML declaration, each processing instruction and each comment,
//   those of the internal subset included;
// - the document type, and each notation it declares (names may repeat:
//   each declaration is a node); element and attribute-list declarations
//   make no node;
// - each element, each attribute (by its "=": however the attributes are
//   laid out, each has one), each CDATA section, and each run of text
//   between markup, outside the root element too. An attribute counts once
//   with the one text node Qt 5's DOM keeps beneath it for its value: the
//   tests measure the DOM so, and the memory each counted node may take is
//   measured with attributes among the nodes;
// - each reference in text to an entity other than the predefined ones: a
//   node of its own, one level down, with a run of text after it.
// Character references and the predefined entities (&lt; ...) count as the
// text they stand in.
//
// It refuses:
// - a document that nests deeper than maxdepth or holds more than maxnodes
//   nodes (TooDeep, TooMany);
// - a subset that declares an entity (a general or a parameter one) or
//   refers to a parameter entity; a reference to an undeclared entity in an
//   attribute value, where Qt's readers drop it, or in a default value in
//   the subset, where the reader that keeps white space makes it a node of
//   the document (Entities, with detail saying which, as "declares an
//   entity");
// - an XML declaration that is not a version ("1." and digits), then
//   optionally an encoding (a letter, then letters, digits, ".", "_", "-")
//   and standalone ("yes" or "no"), in that order, with white space only
//   where XML allows it; a processing instruction named "xml" in any letter
//   case anywhere but at the very start; a character that XML does not
//   allow, raw or as a reference (a value past U+10FFFF, however many
//   digits, or digits not of its base); a document type after the root
//   element or a second one; a subset that holds anything but element,
//   attribute-list and notation declarations, comments and processing
//   instructions; markup it does not know (Malformed, with detail saying
//   what is wrong).
//
// Past the XML declaration, the scan stops only where markup does not end,
// as a reader does, and counts what the reader builds of that markup before
// it reports the end of the text: a start tag cut off counts as an element
// with every attribute it has so far (Qt's readers build it when only its
// ">" is missing, and hold its attributes before they fail otherwise); a
// comment, processing instruction or CDATA section cut off counts as one
// node; a document type cut off counts with what its subset holds so far.
// Where the text is otherwise not well-formed (an end tag that ends
// nothing or another element, a lone "&", a misspelt tag), a reader stops
// but the scan reads on, which can only count more than the reader builds,
// never less.
XmlScan scanxml(const QString &text, int maxnodes, int maxdepth = maxxmldepth);

} // namespace fileio
