#pragma once
// The tool's own settings file "settings.tyx": one "key,value" line per
// entry, UTF-8, CR LF line ends. These functions know the keys, their order
// and defaults, and the reading rules; MainWindow applies the values.
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

namespace toolsettings {

using SettingsMap = QMap<QString, QString>;
using Entries = QVector<QPair<QString, QString>>;

// The nine tab keys, in the order they are written and applied.
const QStringList &tabkeys();

// Key order of a freshly created file and of every later save.
const QStringList &initorder();
const QStringList &saveorder();

// The first-run entries, in initorder(); documentsdir and profilesdir are the
// folders the default paths are built from.
Entries defaults(const QString &documentsdir, const QString &profilesdir);

// The entries for keys, in that order; a key the map lacks gets "".
Entries ordered(const QStringList &keys, const SettingsMap &values);

// Parses a settings file's bytes. Lines end in LF, CR LF or CR alone; the
// key is the text before a line's first comma and the value everything
// after it, further commas included; a later line for the same key wins; a
// line without any comma (a blank line, for instance) carries no entry and
// is skipped.
SettingsMap parse(const QByteArray &bytes);

// Reads and parses a file; an empty map when it cannot be read.
SettingsMap read(const QString &path);

// The file's bytes for entries: "key,value" CR LF each; a CR or LF inside a
// value is written as a blank, so every entry stays on its one line.
QByteArray format(const Entries &entries);

// Replaces the file at path as a whole (through a temporary file, so a
// failed write keeps the old contents); whether it was written.
bool write(const QString &path, const Entries &entries);

// Gives the keys the rest of the tool cannot do without a value when the
// file lacks them; keys that are present, even with an empty value, stay,
// but for a Tessary name that is no usable file name, which gets the
// default "Tessary".
void fillmissing(SettingsMap &settings, const QString &documentsdir);

} // namespace toolsettings
