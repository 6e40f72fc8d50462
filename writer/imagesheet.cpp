#include "imagesheet.h"

#include "picturebounds.h"

#include <QPainter>

#include "fileio/fileio.h"
#include "fileio/pictureconversion.h"

#include <algorithm>
#include <cstring>
#include <limits>

std::optional<QPoint> packpiece(int &packx, int &packy, int &packbottom,
                                int sheetwidth, int sheetheight, int w, int h)
{
    if (w < 0 || h < 0)
        return std::nullopt;
    // In 64 bits: the cursor may stand anywhere in the int range.
    qint64 x = packx;
    qint64 y = packy;
    qint64 bottom = packbottom;
    if (y == 0) {
        y = qint64(sheetheight) + 5;
        bottom = y;
    }
    qint64 cornerx = 5;
    qint64 cornery = qint64(sheetheight) + 5;
    // The piece placed 5 columns right of packx ends at or before the edge.
    if (sheetwidth > x + w + 4) {
        cornerx = x + 5;
        cornery = y;
        x += qint64(w) + 5;
        bottom = std::max(bottom, cornery + h);
    } else {
        x = qint64(w) + 5;
        y = cornery;
        bottom = cornery + h;
    }
    for (const qint64 value : {x, y, bottom, cornerx, cornery}) {
        if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
            return std::nullopt;
    }
    packx = int(x);
    packy = int(y);
    packbottom = int(bottom);
    return QPoint(int(cornerx), int(cornery));
}

ImageSheet::ImageSheet(int &packx, int &packy, int &packbottom)
    : m_packx(packx), m_packy(packy), m_packbottom(packbottom)
{
}

namespace {

// Rows that a new sheet gets at once, as every job packs pieces below the
// background: half its height more, as setheight grows by, within the
// bounds of a picture.
int startcapacity(int width, int height)
{
    const qint64 roomy = qint64(height) * 3 / 2;
    const qint64 mostrows = width > 0 ? std::min(largestpictureside, largestpicturearea / width) : height;
    return int(std::max<qint64>(height, std::min(roomy, mostrows)));
}

// Paints the start of a sheet: the rectangle (0, 0, width, height) filled
// opaque black and then in the background colour, each outlined by a
// hairline pen, with antialiasing.
void paintbackground(QPainter &painter, int width, int height, const QColor &background)
{
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen = painter.pen();
    pen.setWidth(0);
    painter.setPen(pen);
    painter.setBrush(QColor(0, 0, 0, 255));
    painter.drawRect(0, 0, width, height);
    painter.setBrush(background);
    painter.drawRect(0, 0, width, height);
}

} // namespace

void ImageSheet::start(int width, int height, const QColor &background)
{
    m_packx = 0;
    m_packy = 0;
    m_packbottom = 0;
    m_refusal = Refusal::None;
    m_refused = QSize();
    m_block.resize(0);
    m_capacity = 0;
    m_width = 0;
    m_height = 0;
    if (!picturefits(std::max(width, 0), std::max(height, 0))) {
        refuse(width, height, Refusal::Desktop);
        return;
    }
    // A sheet without pixels stays empty.
    if (width <= 0 || height <= 0)
        return;
    if (!reserve(width, startcapacity(width, height)) && !reserve(width, height)) {
        refuse(width, height, Refusal::Memory);
        return;
    }
    m_width = width;
    m_height = height;
    // The hairline outline touches only the outermost pixels; everything
    // inside is the two fills over each other, the same colour throughout.
    // So the inside is filled with that colour directly (taken from a small
    // sheet painted the same way) and only a frame is painted, which gives
    // the very pixels of painting the whole rectangle.
    const int frame = 2;
    QImage sample(4 * frame, 4 * frame, QImage::Format_ARGB32_Premultiplied);
    sample.fill(Qt::transparent);
    {
        QPainter painter(&sample);
        paintbackground(painter, sample.width(), sample.height(), background);
    }
    const QRgb inside = reinterpret_cast<const QRgb *>(sample.constScanLine(2 * frame))[2 * frame];
    QImage pixels = canvas();
    for (int y = 0; y < m_height; ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(pixels.scanLine(y));
        if (y >= frame && y < m_height - frame && m_width > 2 * frame) {
            std::fill(row, row + frame, QRgb(0));
            std::fill(row + frame, row + m_width - frame, inside);
            std::fill(row + m_width - frame, row + m_width, QRgb(0));
        } else {
            std::fill(row, row + m_width, QRgb(0));
        }
    }
    QPainter painter(&pixels);
    QRegion edges = QRegion(0, 0, m_width, m_height);
    if (m_width > 2 * frame && m_height > 2 * frame)
        edges -= QRegion(frame, frame, m_width - 2 * frame, m_height - 2 * frame);
    painter.setClipRegion(edges);
    paintbackground(painter, m_width, m_height, background);
}

std::optional<QPoint> ImageSheet::place(int w, int h)
{
    if (toolarge())
        return std::nullopt;
    // No picture within the bound could hold it, not even cut off.
    if (w > largestpictureside || h > largestpictureside) {
        refuse(w, h, Refusal::Pieces);
        return std::nullopt;
    }
    // Tried on a copy of the cursor: a piece that makes the sheet too large
    // leaves it where it was.
    int packx = m_packx;
    int packy = m_packy;
    int packbottom = m_packbottom;
    const std::optional<QPoint> corner = packpiece(packx, packy, packbottom, m_width, m_height, w, h);
    if (!corner)
        return std::nullopt;
    const qint64 height = qint64(packbottom) + 10;
    if (!picturefits(m_width, height)) {
        refuse(m_width, height, Refusal::Pieces);
        return std::nullopt;
    }
    setheight(int(height));
    if (toolarge())
        return std::nullopt;
    m_packx = packx;
    m_packy = packy;
    m_packbottom = packbottom;
    return corner;
}

void ImageSheet::setheight(int height)
{
    // A sheet that cannot exist at the new size stays as it was.
    if (m_width <= 0 || height <= 0)
        return;
    if (height > m_capacity) {
        // Grown with spare rows, so that a long run of pieces asks for
        // memory a few times rather than once per piece; rows that are
        // never set take no memory.
        const qint64 roomy = std::max<qint64>(height, qint64(m_capacity) * 3 / 2);
        const qint64 mostrows = std::min(largestpictureside, largestpicturearea / m_width);
        const int capacity = int(std::max<qint64>(std::min(roomy, mostrows), height));
        if (!reserve(m_width, capacity) && !(capacity > height && reserve(m_width, height))) {
            // Within the bound, yet more than this machine can hold now.
            refuse(m_width, height, Refusal::Memory);
            return;
        }
    }
    // Rows that the sheet grows into start transparent, as in a fresh
    // image; rows that leave it are gone, and are cleared again if it grows
    // back into them.
    const size_t rowbytes = size_t(m_width) * 4;
    for (int y = m_height; y < height; ++y)
        std::memset(m_block.data() + y * rowbytes, 0, rowbytes);
    m_height = height;
}

void ImageSheet::widen(int width)
{
    if (toolarge() || m_width <= 0 || m_height <= 0 || width <= m_width)
        return;
    if (!picturefits(width, m_height)) {
        refuse(width, m_height, Refusal::Pieces);
        return;
    }
    // The spare rows too, while the wider sheet stays within the bound.
    if (!reserve(width, picturefits(width, m_capacity) ? m_capacity : m_height)) {
        refuse(width, m_height, Refusal::Memory);
        return;
    }
    // Each row moves to its wider place, the last first: a row's new place
    // only overlaps its own old place and the ones below it.
    const size_t oldbytes = size_t(m_width) * 4;
    const size_t newbytes = size_t(width) * 4;
    for (int y = m_height - 1; y >= 0; --y) {
        uchar *row = m_block.data() + y * newbytes;
        std::memmove(row, m_block.data() + y * oldbytes, oldbytes);
        std::memset(row + oldbytes, 0, newbytes - oldbytes);
    }
    m_width = width;
}

bool ImageSheet::reserve(int width, int rows)
{
    if (!m_block.resize(size_t(width) * 4 * size_t(rows)))
        return false;
    m_capacity = rows;
    return true;
}

void ImageSheet::refuse(qint64 width, qint64 height, Refusal why)
{
    m_refusal = why;
    const auto side = [](qint64 value) { return int(qBound<qint64>(0, value, std::numeric_limits<int>::max())); };
    m_refused = QSize(side(width), side(height));
}

void ImageSheet::paint(const std::function<void(QPainter &)> &draw)
{
    if (m_width <= 0 || m_height <= 0)
        return;
    QImage pixels = canvas();
    QPainter painter(&pixels);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(0, 0, m_width, m_height);
    draw(painter);
}

QImage ImageSheet::image() const
{
    if (m_width <= 0 || m_height <= 0)
        return QImage();
    return fileio::convertedpicture(rows(), QImage::Format_ARGB32);
}

bool ImageSheet::save(const QString &path, QString *why) const
{
    if (toolarge() || m_width <= 0 || m_height <= 0)
        return false;
    return fileio::writepng(path, rows(), -1, why);
}

QImage ImageSheet::rows() const
{
    // A view of the sheet's own rows, without the spare ones: no copy is
    // made before the one conversion that encoding or image() needs.
    return QImage(static_cast<const uchar *>(m_block.data()), m_width, m_height, m_width * 4,
                  QImage::Format_ARGB32_Premultiplied);
}

QImage ImageSheet::canvas()
{
    // Writable in place: the image owns no copy while it is the only one.
    return QImage(m_block.data(), m_width, m_height, m_width * 4, QImage::Format_ARGB32_Premultiplied);
}
