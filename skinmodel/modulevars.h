#pragma once
// Splitting the host's script-variable text (the content of
// QRNScriptGlobalVariables): items separated by "," or ", ", each item
// "name=field1=field2", e.g. "$TYX_JOGFull=0=1.00000". Names keep their "$"
// and lose every blank; the other fields are copied as they stand, so each
// row can be written back as its texts joined by "=".
// SkinModel::getglobalvars reads the same text into the group and clone tables.
#include <QList>
#include <QString>

using VariableRows = QList<QList<QString>>;

// The items whose name begins with "$TYX_": rows of name, field 1, field 2.
// Items with fewer than three fields are skipped.
VariableRows gettyxglobalvars(const QString &name);

// All other items (the host's own variables). Blank items (an empty item
// after a trailing comma) are skipped; an item with fewer than three fields
// keeps the fields it has, so writing the rows back loses none of them.
VariableRows getsystemglobalvars(const QString &name);
