#pragma once
// The tool's folders below the user's Documents folder and the files it
// places into the host's folder at start-up.
#include <QString>
#include <QStringList>

namespace workfolders {

// Every folder the tool works in, in the order they are created: the work
// folder itself, then projects, extracts, skin, toexport and profiles.
QStringList all(const QString &workdir);

// The three folders a skin job fills and empties again.
QStringList scratch(const QString &workdir);

// Creates every missing folder of all() with every missing parent, so a
// missing Documents folder does not make every later write fail silently.
void create(const QString &workdir);

// Deletes the scratch folders with all their contents that are the user's
// own, never following a link (see fileio::removetree).
void removescratch(const QString &workdir);

// At start-up: removes what a run that never finished (killed or crashed)
// left behind, which is only ever in the scratch folders.
void removeleftovers(const QString &workdir);

// Copies the file source to target when target does not exist yet, as an
// ordinary writable file; an existing target is never touched. Writes
// through a temporary file so the host never sees half a file. Whether a
// file was installed; a missing source or target folder installs nothing.
bool installmissing(const QString &source, const QString &target);

} // namespace workfolders
