#pragma once
// Writing a DOM document as text. Qt's own writer escapes each value by
// replacing in place, which takes time quadratic in a value's length; the
// Tessary skin's action scripts are long enough for that to show.
#include <QByteArray>

class QDomDocument;

// The text of doc as QDomDocument::toByteArray(1) writes it (one space of
// indentation per level, UTF-8 without a byte-order mark), in time linear
// in its size, however long a value. A character outside the Basic
// Multilingual Plane is written as itself, which Qt's writer has not done
// in every version. The bytes are UTF-8 whatever the document was read
// from, so an XML declaration that names another encoding is written
// naming UTF-8 (Qt's writer keeps the old name over UTF-8 bytes, and a
// reader would decode them as the old encoding). A document with a
// document type is left to Qt's writer, with that one change.
QByteArray skindocumentbytes(const QDomDocument &doc);
