#pragma once
// What Qt's DOM reader would build from an XML document, bounded by a scan
// of its text before any DOM is built from it:
// - in depth: the DOM reader, writer and destructor recurse once per level,
//   so a deep enough document would overflow the stack;
// - in size: the reader replaces every reference to an entity that the
//   document type declares by the entity's text, bounding each replacement
//   but not how many there are, so a file of a few kilobytes could become a
//   tree of millions of elements. No file of the tool's declares entities,
//   so a document that does is refused.
#include <QString>

namespace fileio {

// Deeper than this no file of the tool's nests (the Tessary skin needs fewer
// than 20 levels); a deeper one is treated as unreadable.
constexpr int maxxmldepth = 256;

// True only when a reader of text (decoded already) builds from it no more
// than the text spells out and nests no deeper than maxdepth.
//
// The scan reads what a reader reads: tags with quoted attribute values,
// comments, CDATA sections, processing instructions, and a document type
// with its external identifier and internal subset. It answers false for a
// subset that declares an entity (a general or a parameter one), or holds
// anything but element, attribute-list and notation declarations, comments
// and processing instructions (a parameter entity's reference is such a
// thing); for a document type after the root element or a second one; and
// for markup it does not know. With no entity declared, a reference to one
// other than the predefined ones is a node the DOM reader cannot fill: it
// counts as one level.
//
// The scan stops only where markup does not end, as a reader does. Where
// the text is otherwise not well-formed (an end tag that ends nothing or
// another element, a lone "&", a misspelt tag), a reader stops but the scan
// reads on, which can only count more depth than the reader reaches, never
// less.
bool withinxmlbounds(const QString &text, int maxdepth = maxxmldepth);

} // namespace fileio
