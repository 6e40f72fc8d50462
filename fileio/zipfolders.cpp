#include "zipfolders.h"
#include "fileio.h"

#include <JlCompress.h>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipfileinfo.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

// Zip entry names come from whoever made the archive; judge them for every
// platform, so "..\\x" and "C:x" count even where they are plain names.
bool staysinside(const QString &entry, const QDir &target)
{
    if (entry.startsWith(QLatin1Char('/')) || entry.startsWith(QLatin1Char('\\')))
        return false;
    if (QDir::isAbsolutePath(entry) || entry.contains(QRegularExpression(QStringLiteral("^[A-Za-z]:"))))
        return false;
    const QStringList steps = entry.split(QRegularExpression(QStringLiteral("[/\\\\]")));
    if (steps.contains(QStringLiteral("..")))
        return false;
    const QString root = QDir::cleanPath(target.absolutePath());
    const QString path = QDir::cleanPath(target.absoluteFilePath(entry));
    return path == root || path.startsWith(root + QLatin1Char('/'));
}

// False when an entry could escape the target folder.
bool entriesaresafe(const QList<QuaZipFileInfo64> &entries, const QDir &target)
{
    for (const QuaZipFileInfo64 &entry : entries) {
        if (entry.isSymbolicLink() || !staysinside(entry.name, target))
            return false;
    }
    return true;
}

// The files of the Tessary skin that a skin job reads; the document must be
// there, the picture may be missing (the job then stops when it moves it).
const char *const skinentries[] = {"skin.xml", "skin.png"};

// Reads one entry whole; false when it cannot be read, is not as long as
// its header says, or fails its check sum.
bool readentry(QuaZip &zip, const QuaZipFileInfo64 &info, QByteArray *bytes)
{
    if (!zip.setCurrentFile(info.name, QuaZip::csSensitive))
        return false;
    QuaZipFile entry(&zip);
    if (!entry.open(QIODevice::ReadOnly))
        return false;
    // The reader never hands out more than the header declares, and the
    // caller has bounded that.
    *bytes = entry.read(qint64(info.uncompressedSize) + 1);
    entry.close();
    return entry.getZipError() == UNZ_OK && quint64(bytes->size()) == info.uncompressedSize;
}

// Packs the files below folder into a zip archive written into device,
// which is left open; false when one cannot be read or written.
bool packfolder(const QString &folder, QIODevice &device)
{
    if (!QFileInfo(folder).isDir())
        return false;
    QuaZip zip(&device);
    // Closing would close the device, which its owner commits or discards.
    zip.setAutoClose(false);
    if (!zip.open(QuaZip::mdCreate))
        return false;
    // The same files as JlCompress::compressDir(Zipfile, folder, true)
    // packs, named by their path relative to folder.
    const bool complete = JlCompress::compressSubDir(&zip, folder, folder, true, QDir::Filters());
    zip.close();
    return complete && zip.getZipError() == ZIP_OK;
}

} // namespace

qint64 skinentrylimit(const QString &entry)
{
    return entry == QLatin1String("skin.xml") ? fileio::skinxmllimits.bytes : fileio::skinpicturelimit;
}

bool DecopressDir(const QString &Zipfile, const QString &Directory, QString *toolarge, QString *why)
{
    const QDir target(Directory);
    QuaZip zip(Zipfile);
    if (!zip.open(QuaZip::mdUnzip))
        return false;
    const QList<QuaZipFileInfo64> entries = zip.getFileInfoList64();
    if (zip.getZipError() != UNZ_OK || !entriesaresafe(entries, target))
        return false;

    QList<QuaZipFileInfo64> wanted;
    for (const char *name : skinentries) {
        const auto found = std::find_if(entries.cbegin(), entries.cend(), [&](const QuaZipFileInfo64 &entry) {
            return entry.name == QLatin1String(name);
        });
        if (found == entries.cend())
            continue;
        // Checked for every entry before any is written.
        if (found->uncompressedSize > quint64(skinentrylimit(found->name))) {
            if (toolarge)
                *toolarge = found->name;
            return false;
        }
        wanted << *found;
    }
    if (wanted.isEmpty() || wanted.first().name != QLatin1String(skinentries[0]))
        return false;

    // All read before any is written, so that a broken entry leaves nothing.
    QList<QByteArray> contents;
    for (const QuaZipFileInfo64 &entry : qAsConst(wanted)) {
        QByteArray bytes;
        if (!readentry(zip, entry, &bytes))
            return false;
        contents << bytes;
    }
    QDir().mkpath(Directory);
    for (int i = 0; i < wanted.size(); ++i) {
        if (!fileio::writefile(target.filePath(wanted.at(i).name), contents.at(i), why)) {
            for (int written = 0; written < i; ++written)
                QFile::remove(target.filePath(wanted.at(written).name));
            return false;
        }
    }
    return true;
}

bool CopressDir(const QString &Zipfile, const QString &Directory, QString *why)
{
    // Written straight into a temporary file beside the target, which it
    // replaces in one step: a failure never leaves a damaged skin in the
    // host's skins folder nor destroys the one that was there, no scratch
    // goes where other users could reach it, and the archive, as large as
    // the sheet where its pixels are noise, is never held in memory.
    return fileio::writestreamed(Zipfile, [&](QIODevice &file) { return packfolder(Directory, file); },
                                 QStringLiteral("the files in ") + QDir::toNativeSeparators(Directory)
                                     + QStringLiteral(" could not be packed"),
                                 why);
}
