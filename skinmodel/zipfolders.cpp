#include "zipfolders.h"
#include "fileio.h"

#include <JlCompress.h>
#include <quazip.h>
#include <quazipfileinfo.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

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

// Reads the archive's table of contents; false when it cannot be read or an
// entry could escape the target folder.
bool entriesaresafe(const QString &zipfile, const QDir &target)
{
    QuaZip zip(zipfile);
    if (!zip.open(QuaZip::mdUnzip))
        return false;
    const QList<QuaZipFileInfo64> entries = zip.getFileInfoList64();
    const bool listed = zip.getZipError() == UNZ_OK;
    zip.close();
    if (!listed)
        return false;
    for (const QuaZipFileInfo64 &entry : entries) {
        if (entry.isSymbolicLink() || !staysinside(entry.name, target))
            return false;
    }
    return true;
}

} // namespace

bool DecopressDir(const QString &Zipfile, const QString &Directory)
{
    const QDir target(Directory);
    if (!entriesaresafe(Zipfile, target))
        return false;
    const QStringList extracted = JlCompress::extractDir(Zipfile, Directory);
    const QString skinxml = QDir::cleanPath(target.absoluteFilePath(QStringLiteral("skin.xml")));
    for (const QString &file : extracted) {
        if (QDir::cleanPath(QFileInfo(file).absoluteFilePath()) == skinxml)
            return QFileInfo(skinxml).isFile();
    }
    return false;
}

bool CopressDir(const QString &Zipfile, const QString &Directory)
{
    // Packed in a scratch folder first and then copied over the target in
    // one step, so a failure never leaves a damaged skin in the host's skins
    // folder nor destroys the one that was there.
    QTemporaryDir scratch;
    if (!scratch.isValid() || !QFileInfo(Directory).isDir())
        return false;
    const QString packed = scratch.filePath(QStringLiteral("packed.zip"));
    if (!JlCompress::compressDir(packed, Directory, true))
        return false;
    return fileio::copyfile(packed, Zipfile);
}
