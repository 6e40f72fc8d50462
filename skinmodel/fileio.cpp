#include "fileio.h"
#include "xmlscan.h"

#include <QBuffer>
#include <QDomDocument>
#include <QImage>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QXmlInputSource>
#include <QXmlSimpleReader>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fileio {

namespace {

// Opens path for reading without ever blocking, and only when it is a
// regular file: a FIFO would block the open, a device would read forever.
ReadResult openregular(const QString &path, QFile *file)
{
    if (path.startsWith(QLatin1Char(':'))) {
        // A built-in resource: never a special file.
        file->setFileName(path);
        if (file->open(QIODevice::ReadOnly))
            return ReadResult::Read;
        return file->exists() ? ReadResult::Unreadable : ReadResult::Missing;
    }
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? ReadResult::Missing : ReadResult::Unreadable;
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return ReadResult::NotRegular;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return ReadResult::Unreadable;
    }
    return ReadResult::Read;
#else
    const QFileInfo info(path);
    if (!info.exists())
        return ReadResult::Missing;
    if (!info.isFile())
        return ReadResult::NotRegular;
    file->setFileName(path);
    return file->open(QIODevice::ReadOnly) ? ReadResult::Read : ReadResult::Unreadable;
#endif
}

// Unbuffered, so a write that does not reach the disk fails here and not
// silently inside a buffer that commit() would rename over the target.
bool openforwrite(QSaveFile *file)
{
    return file->open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

bool writeall(QSaveFile *file, const char *data, qint64 size)
{
    while (size > 0) {
        const qint64 written = file->write(data, size);
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

bool finish(QSaveFile *file, bool complete)
{
    if (!complete || !file->flush()) {
        file->cancelWriting();
        return false;
    }
    return file->commit();
}

// Skips the markup at pos (its "<") that opens no element: a comment,
// CDATA, processing instruction or declaration. Returns the index past its
// end, or -1 when an element's start or end tag stands at pos.
int skipnonelement(const QByteArray &bytes, int pos)
{
    if (xmlisothermarkup(bytes, pos)) {
        const int end = xmlothermarkupend(bytes, pos);
        return end < 0 ? bytes.size() : end;
    }
    if (bytes.at(pos + 1) == '!') {
        // A DOCTYPE may hold an internal subset in brackets with '>' inside.
        int brackets = 0;
        for (int i = pos + 2; i < bytes.size(); ++i) {
            const char c = bytes.at(i);
            if (c == '[')
                ++brackets;
            else if (c == ']')
                --brackets;
            else if (c == '>' && brackets <= 0)
                return i + 1;
        }
        return bytes.size();
    }
    return -1;
}

} // namespace

ReadResult readfile(const QString &path, QByteArray *bytes, qint64 limit)
{
    bytes->clear();
    QFile file;
    const ReadResult opened = openregular(path, &file);
    if (opened != ReadResult::Read)
        return opened;
    if (file.size() > limit)
        return ReadResult::TooLarge;
    // Read one byte past the bound: the file may have grown since fstat.
    QByteArray read = file.read(limit + 1);
    if (read.size() > limit)
        return ReadResult::TooLarge;
    if (file.error() != QFileDevice::NoError)
        return ReadResult::Unreadable;
    *bytes = std::move(read);
    return ReadResult::Read;
}

bool isreadablefile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

bool writefile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!openforwrite(&file))
        return false;
    return finish(&file, writeall(&file, bytes.constData(), bytes.size()));
}

bool writepng(const QString &path, const QImage &image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG", quality))
        return false;
    return writefile(path, bytes);
}

bool copyfile(const QString &from, const QString &to)
{
    QFile source;
    if (openregular(from, &source) != ReadResult::Read)
        return false;
    QSaveFile target(to);
    if (!openforwrite(&target))
        return false;
    QByteArray chunk;
    bool complete = true;
    while (complete && !source.atEnd()) {
        chunk = source.read(1 << 20);
        complete = !chunk.isEmpty() && writeall(&target, chunk.constData(), chunk.size());
    }
    complete = complete && source.error() == QFileDevice::NoError;
    return finish(&target, complete);
}

bool withinxmldepth(const QByteArray &bytes, int maxdepth)
{
    int depth = 0;
    int pos = bytes.indexOf('<');
    while (pos >= 0 && pos + 1 < bytes.size()) {
        const int skipped = skipnonelement(bytes, pos);
        int next = skipped;
        if (skipped < 0) {
            const int found = xmltagend(bytes, pos + 1, false);
            const int end = found < 0 ? bytes.size() : found;
            if (bytes.at(pos + 1) == '/')
                --depth;
            else if (bytes.at(end - 1) != '/' && ++depth > maxdepth)
                return false;
            next = end + 1;
        }
        pos = bytes.indexOf('<', next);
    }
    return true;
}

bool parsexml(QDomDocument *document, const QByteArray &raw, bool keepwhitespace)
{
    *document = QDomDocument();
    if (!withinxmldepth(raw))
        return false;
    // Qt's DOM reader keeps the CRs of CR LF, and writing such a document
    // back would add a "&#xd;" on every rewrite.
    QByteArray bytes = raw;
    bytes.replace("\r\n", "\n").replace('\r', '\n');
    if (!keepwhitespace)
        return document->setContent(bytes);
    // Only a reader of our own reports text that is nothing but white space.
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
    QXmlInputSource source;
    source.setData(bytes);
    QXmlSimpleReader reader;
    // Names are taken as written, as the reader above takes them: with
    // namespaces on, an xml:space attribute would come back with an
    // xmlns:xml declaration of its own.
    reader.setFeature(QStringLiteral("http://xml.org/sax/features/namespaces"), false);
    reader.setFeature(QStringLiteral("http://xml.org/sax/features/namespace-prefixes"), true);
    return document->setContent(&source, &reader);
QT_WARNING_POP
}

} // namespace fileio
