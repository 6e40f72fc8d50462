#pragma once
// How deep an XML document nests, found by scanning its text before any
// DOM is built from it: Qt's DOM reader, writer and destructor recurse once
// per level, so a deep enough document would overflow the stack.
#include <QString>

namespace fileio {

// Deeper than this no file of the tool's nests (the Tessary skin needs fewer
// than 20 levels); a deeper one is treated as unreadable.
constexpr int maxxmldepth = 256;

// True only when a reader of text (decoded already) cannot nest elements
// deeper than maxdepth. The scan follows what a reader follows: tags with
// quoted attribute values, comments, CDATA sections, processing
// instructions, a document type with its internal subset, and references
// to the entities declared there, whose markup nests where they are used
// (each reference counts as a level of its own). Where the text stops
// being well-formed a reader stops too, so a broken tail adds no depth;
// what the scan cannot follow with certainty (parameter entities, an entity
// declared twice or recursively, an entity whose markup does not balance,
// a document type after the root element or unknown markup) makes it
// answer false.
bool withinxmldepth(const QString &text, int maxdepth = maxxmldepth);

} // namespace fileio
