#pragma once
// Keeps every value that the skin writer puts into skin.xml well-formed.
// Values that already are well-formed come back exactly as given, so text
// that parseaction() escaped, or that a skin spells with references, keeps
// its form; only what would break the document is escaped.
#include <QString>

// An attribute value for use between double quotes: "<" becomes "&lt;",
// '"' becomes "&quot;", and an "&" that does not begin a predefined entity
// or a character reference becomes "&amp;". Characters that XML does not
// allow at all are dropped.
QString xmlattributevalue(const QString &value);

// Element text: as xmlattributevalue, and "]]>" is written "]]&gt;".
QString xmltextcontent(const QString &text);
