#pragma once
// Removing a folder with everything in it, for folders that others might
// have reached into: a link is never followed, what belongs to another user
// is never removed, and nothing is ever opened but folders, so a FIFO or a
// device cannot block the removal.
#include <QString>

namespace fileio {

// Removes the folder at path and everything below it that belongs to the
// user the program runs as. A link inside is removed itself, never what it
// points to; each sub-folder is entered through its parent's open handle,
// so swapping it for a link while the removal runs cannot send it
// elsewhere. An entry of another user stays, and so do the folders leading
// to it. A path that is a link or not a folder is refused and left alone.
// Returns whether nothing is left at path (true when there was nothing).
bool removetree(const QString &path);

} // namespace fileio
