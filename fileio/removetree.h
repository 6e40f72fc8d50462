#pragma once
// Removing a folder with everything in it, for folders that others might
// have reached into: a link is never followed, what belongs to another user
// is never removed, and nothing is ever opened but folders, so a FIFO or a
// device cannot block the removal.
#include <QString>

#include <functional>

namespace fileio {

// What stayed at a removal's path, and why.
struct Removal
{
    enum class Stayed {
        Nothing,     // the folder is gone, or was never there
        Link,        // the path is a symbolic link, left alone
        NotAFolder,  // the path is a file, a FIFO or the like, left alone
        OtherUser,   // entry belongs to another user
        TooDeep,     // entry is a folder nested deeper than a removal goes
        Failed       // entry could not be looked at or removed (no permission, ...)
    };
    Stayed stayed = Stayed::Nothing;
    // The entry the reason is about: the path itself or the first entry
    // below it that stayed for that reason.
    QString entry;

    explicit operator bool() const { return stayed == Stayed::Nothing; }
};

// The user the program runs as, as an owner of files.
uint effectiveuser();

// Whether the entry at path, owned by the user uid, is a removal's to take.
using Ownership = std::function<bool(uint uid, const QString &path)>;

// The entries of owner, wherever they are.
Ownership ownedby(uint owner);

// Removes the folder at path and everything below it that ours takes, by
// default what belongs to the user the program runs as. A link inside is
// removed itself, never what it points to; each sub-folder is entered
// through its parent's open handle, so swapping it for a link while the
// removal runs cannot send it elsewhere. An entry that ours does not take
// stays, and so do the folders leading to it. A path that is a link or not
// a folder is refused and left alone. True (as a Removal) when nothing is
// left at path, also when there was nothing.
Removal removetree(const QString &path, const Ownership &ours = ownedby(effectiveuser()));

} // namespace fileio
