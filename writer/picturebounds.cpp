#include "picturebounds.h"

#include <QImageReader>

#include <algorithm>

bool picturefits(qint64 width, qint64 height)
{
    if (width < 0 || height < 0 || width > largestpictureside || height > largestpictureside)
        return false;
    return width * height <= largestpicturearea;
}

QImage readpicture(QImageReader &reader)
{
    // Asked before decoding: a header may claim billions of pixels.
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() || !picturefits(size.width(), size.height()))
        return QImage();
    const QImage picture = reader.read();
    if (picture.isNull() || picture.size() != size)
        return QImage();
    return picture;
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
