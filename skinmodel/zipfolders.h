#pragma once
// Unpacking the Tessary skin zip and packing the new skin's folder into a zip.
// The archive comes first, the folder second.
#include <QString>

// Unpacks every entry of Zipfile into Directory under its own path. An archive
// with an entry that would land outside Directory (an absolute path, a ".."
// step, a symbolic link) is refused as a whole and nothing is written.
// Returns true when the archive was unpacked and held a top-level skin.xml.
bool DecopressDir(const QString &Zipfile, const QString &Directory);

// Packs Directory and its sub-folders into Zipfile, each file named by its
// path relative to Directory. An existing Zipfile is replaced only once the
// new archive is complete. Returns whether the archive was written.
bool CopressDir(const QString &Zipfile, const QString &Directory);
