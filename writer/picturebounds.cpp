#include "picturebounds.h"

#include <QFile>
#include <QImageReader>

#include <algorithm>

namespace {

void setpng(QImageReader &reader)
{
    reader.setFormat("png");
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
}

// Whether the file at path starts with the signature of every PNG file.
bool startsaspng(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(8) == QByteArray("\x89PNG\r\n\x1a\n", 8);
}

} // namespace

bool picturefits(qint64 width, qint64 height)
{
    if (width < 0 || height < 0 || width > largestpictureside || height > largestpictureside)
        return false;
    return width * height <= largestpicturearea;
}

bool sourcefits(const QSize &size)
{
    return size.isValid() && qint64(size.width()) * size.height() <= largestsourcearea;
}

QSize pngsize(const QString &path)
{
    QImageReader reader(path);
    setpng(reader);
    return reader.size();
}

SourcePicture readsourcepicture(const QString &path)
{
    using Problem = SourcePicture::Problem;
    SourcePicture read;
    QImageReader reader(path);
    setpng(reader);
    // Asked before decoding: a header may claim billions of pixels.
    read.size = reader.size();
    if (!read.size.isValid() || read.size.isEmpty()) {
        read.problem = startsaspng(path) ? Problem::Unreadable : Problem::NotPng;
        return read;
    }
    if (!sourcefits(read.size)) {
        read.problem = Problem::TooLarge;
        return read;
    }
    const QImage::Format format = reader.imageFormat();
    read.picture = reader.read();
    if (read.picture.isNull() || read.picture.size() != read.size) {
        read.picture = QImage();
        // The reader says the same when it could not make the image as when
        // the data is broken; a picture that cannot be made now either did
        // not fail for its data.
        const QImage room(read.size, format == QImage::Format_Invalid ? QImage::Format_RGBA64 : format);
        read.problem = room.isNull() ? Problem::OutOfMemory : Problem::Unreadable;
    }
    return read;
}

std::optional<QRect> partinside(qint64 x, qint64 y, qint64 w, qint64 h, const QRect &bounds)
{
    if (w < 0 || h < 0)
        return std::nullopt;
    const qint64 left = std::max<qint64>(x, bounds.left());
    const qint64 top = std::max<qint64>(y, bounds.top());
    const qint64 right = std::min(x + w, qint64(bounds.left()) + bounds.width());
    const qint64 bottom = std::min(y + h, qint64(bounds.top()) + bounds.height());
    if (right < left || bottom < top)
        return std::nullopt;
    return QRect(int(left), int(top), int(right - left), int(bottom - top));
}
