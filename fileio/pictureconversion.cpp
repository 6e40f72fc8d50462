#include "pictureconversion.h"

#include <QColorSpace>
#include <QPixmap>

#include <algorithm>
#include <cstring>
#include <functional>

namespace {

// Qt splits a conversion once the picture holds two blocks of 64 KiB, so a
// strip of at most one block (or a single row, which Qt never splits) is
// converted on the calling thread.
const qint64 stripbytes = 64 * 1024;

// Strips are as tall as rows of Qt's widest pixel allow: Qt converts some
// pairs of formats through a third, wider one (an 8-bit picture to 16 bits
// goes through 32), and a pixmap's format is not known beforehand.
const int widestpixelbytes = 8;

bool hascolourtable(QImage::Format format)
{
    return format == QImage::Format_Mono || format == QImage::Format_MonoLSB
           || format == QImage::Format_Indexed8;
}

int striprows(const QImage &image)
{
    const qint64 widestrow = std::max<qint64>(qint64(image.width()) * widestpixelbytes, 1);
    return int(std::clamp<qint64>(stripbytes / widestrow, 1, std::max(image.height(), 1)));
}

// Calls each with the strips of image from the top, each a copy of up to
// rows rows with the picture's colour table and metadata, until it returns
// false.
void forstrips(const QImage &image, int rows, const std::function<bool(int top, const QImage &strip)> &each)
{
    for (int top = 0; top < image.height(); top += rows) {
        const int count = std::min(rows, image.height() - top);
        if (!each(top, image.copy(0, top, image.width(), count)))
            return;
    }
}

void copymetadata(QImage &to, const QImage &from)
{
    to.setDotsPerMeterX(from.dotsPerMeterX());
    to.setDotsPerMeterY(from.dotsPerMeterY());
    to.setOffset(from.offset());
    to.setDevicePixelRatio(from.devicePixelRatio());
    to.setColorSpace(from.colorSpace());
    const QStringList keys = from.textKeys();
    for (const QString &key : keys)
        to.setText(key, from.text(key));
}

// The format QPixmap::fromImage gives image: the screen's own for an opaque
// picture, its format with alpha for one with a pixel that is not opaque
// (or a colour table with such a colour). Each strip's pixmap tells that
// for the strip's pixels with Qt's own test.
QImage::Format pixmapformat(const QImage &image)
{
    QImage::Format format = QImage::Format_Invalid;
    forstrips(image, striprows(image), [&](int, const QImage &strip) {
        const QPixmap piece = QPixmap::fromImage(strip);
        const bool alpha = piece.hasAlphaChannel();
        if (format == QImage::Format_Invalid || alpha)
            format = piece.toImage().format();
        // A picture without an alpha channel has no strip with alpha.
        return !alpha && image.hasAlphaChannel();
    });
    return format;
}

} // namespace

namespace fileio {

QImage convertedpicture(const QImage &image, QImage::Format format)
{
    // Qt converts nothing for these: it shares the picture or gives none.
    if (image.isNull() || image.format() == format || format == QImage::Format_Invalid)
        return image.convertToFormat(format);
    if (hascolourtable(format))
        return QImage();
    QImage converted;
    bool complete = true;
    forstrips(image, striprows(image), [&](int top, const QImage &strip) {
        const QImage piece = strip.convertToFormat(format);
        if (converted.isNull()) {
            converted = QImage(image.width(), image.height(), format);
            if (!converted.isNull())
                copymetadata(converted, piece);
        }
        complete = !piece.isNull() && !converted.isNull()
                   && piece.bytesPerLine() == converted.bytesPerLine();
        for (int y = 0; complete && y < piece.height(); ++y)
            std::memcpy(converted.scanLine(top + y), piece.constScanLine(y), size_t(piece.bytesPerLine()));
        return complete;
    });
    return complete ? converted : QImage();
}

QPixmap picturepixmap(const QImage &image)
{
    if (image.isNull())
        return QPixmap::fromImage(image);
    const QImage::Format format = pixmapformat(image);
    // Qt keeps the pixels of a picture already in that format, and takes an
    // opaque 32-bit ARGB picture as it is for RGB32.
    const bool reinterpreted = format == QImage::Format_RGB32
                               && (image.format() == QImage::Format_ARGB32
                                   || image.format() == QImage::Format_ARGB32_Premultiplied);
    if (format == image.format() || reinterpreted)
        return QPixmap::fromImage(image);
    return QPixmap::fromImage(convertedpicture(image, format));
}

} // namespace fileio
