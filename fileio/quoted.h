#pragma once
// A file's text as a message quotes it.
#include <QString>

namespace fileio {

// The most characters of a file's text a message quotes: a person reads no
// more in a box, and a label of millions of characters freezes the window.
constexpr int quotedlength = 40;

// text as a message quotes it: whole up to quotedlength characters, cut
// there with "…" when longer (never between the halves of a surrogate
// pair). The message's line and column, or its context, say where it stands.
QString quoted(QStringView text);

} // namespace fileio
