#pragma once
// Unpacking the Tessary skin zip and packing the new skin's folder into a zip.
// The archive comes first, the folder second.
#include <QString>

// The most bytes the Tessary skin's entry may hold: the bound of the skin
// document for skin.xml, of the skin's picture otherwise.
qint64 skinentrylimit(const QString &entry);

// Unpacks the top-level skin.xml and skin.png of Zipfile into Directory,
// each written whole or not at all; nothing else of the archive is read.
// An archive with an entry that would land outside Directory (an absolute
// path, a ".." step, a symbolic link) is refused as a whole, and so is one
// whose skin.xml or skin.png declares more bytes than skinentrylimit allows:
// that entry's name goes to toolarge. Nothing is written then. Returns true
// when the archive held a top-level skin.xml and it was unpacked; when an
// entry could not be written, why, when given, is set to the system's reason.
bool DecopressDir(const QString &Zipfile, const QString &Directory, QString *toolarge = nullptr,
                 QString *why = nullptr);

// Packs Directory and its sub-folders into Zipfile, each file named by its
// path relative to Directory. The archive is written through a temporary
// file beside Zipfile, so an existing Zipfile is replaced only once the new
// archive is complete, nothing is made in the temporary folder, and the
// archive is never held whole in memory. A file below Directory that
// cannot be read fails the packing. Returns whether the archive was
// written; why, when given, is set to the reason it was not (the system's
// when the write failed).
bool CopressDir(const QString &Zipfile, const QString &Directory, QString *why = nullptr);

