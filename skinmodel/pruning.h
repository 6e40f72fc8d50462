#pragma once
// Reading the Tessary skin document and pruning it down to the modules the
// user shows, so that the skin writer sees only what the new skin carries.
#include "skinmodel/skinmodel.h"

#include <QString>

class QDomDocument;

// Parses the skin document at path. Returns false, leaving doc empty, when
// the file cannot be opened or is not well-formed XML. The reader tolerates
// an attribute that directly follows the previous attribute's closing quote,
// as the Tessary skin has one.
bool readskindocument(const QString &path, QDomDocument &doc);

// Writes skindocumentbytes(doc) (xmlwriter.h) to path. The file is replaced only once the
// whole text is written; why, when given, is set to the system's reason
// when it is not.
bool writeskindocument(const QString &path, const QDomDocument &doc, QString *why = nullptr);

// Whether a windows-table row marks its window as shown ("1" in column 11;
// a row too short to say counts as not shown).
bool rowshowswindow(const QVector<QString> &row);

// The "name" attribute of every element of that tag, in document order
// (the empty text where it is absent).
QVector<QString> elementnames(const QDomDocument &doc, const QString &tag);

// Prunes a Tessary skin document in place. The i-th window element pairs
// with row i of windows: it stays when the row marks it visible ("1" in
// column 11) and it is not the "MENU" window; kept windows lose their layout
// attributes and become "groupo" elements. Live panels (add="yes") lose
// their switching attributes, and every panel, group and visual marked
// add="no" goes with its subtree.
void pruneskindocument(QDomDocument &doc, const TextTable &windows);
