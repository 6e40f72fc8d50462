#include "imagesheet.h"

#include <QPainter>

#include "skinmodel/fileio.h"

#include <algorithm>
#include <cstring>

QPoint packpiece(int &packx, int &packy, int &packbottom,
                 int sheetwidth, int sheetheight, int w, int h)
{
    if (packy == 0) {
        packy = sheetheight + 5;
        packbottom = sheetheight + 5;
    }
    // The piece placed 5 columns right of packx ends at or before the edge.
    if (sheetwidth > packx + w + 4) {
        const QPoint corner(packx + 5, packy);
        packx += w + 5;
        packbottom = std::max(packbottom, corner.y() + h);
        return corner;
    }
    const QPoint corner(5, sheetheight + 5);
    packx = w + 5;
    packy = corner.y();
    packbottom = corner.y() + h;
    return corner;
}

ImageSheet::ImageSheet(int &packx, int &packy, int &packbottom)
    : m_packx(packx), m_packy(packy), m_packbottom(packbottom)
{
}

void ImageSheet::start(int width, int height, const QColor &background)
{
    m_packx = 0;
    m_packy = 0;
    m_packbottom = 0;
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    m_pixels = QImage(m_width, m_height, QImage::Format_ARGB32_Premultiplied);
    if (m_pixels.isNull()) {
        m_width = m_height = 0;
        return;
    }
    m_pixels.fill(Qt::transparent);
    QPainter painter(&m_pixels);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen = painter.pen();
    pen.setWidth(0);
    painter.setPen(pen);
    painter.setBrush(QColor(0, 0, 0, 255));
    painter.drawRect(0, 0, m_width, m_height);
    painter.setBrush(background);
    painter.drawRect(0, 0, m_width, m_height);
}

QPoint ImageSheet::place(int w, int h)
{
    const QPoint corner = packpiece(m_packx, m_packy, m_packbottom, m_width, m_height, w, h);
    setheight(m_packbottom + 10);
    return corner;
}

void ImageSheet::setheight(int height)
{
    // A sheet that cannot exist at the new size stays as it was.
    if (m_width <= 0 || height <= 0)
        return;
    if (height > m_pixels.height()) {
        // Grow with spare rows, so that a long run of pieces copies the
        // sheet a few times rather than once per piece.
        const qint64 roomy = std::max<qint64>(height, qint64(m_pixels.height()) * 3 / 2);
        const int capacity = int(std::min<qint64>(roomy, 1 << 20));
        QImage grown(m_width, std::max(capacity, height), QImage::Format_ARGB32_Premultiplied);
        if (grown.isNull() && capacity > height)
            grown = QImage(m_width, height, QImage::Format_ARGB32_Premultiplied);
        if (grown.isNull())
            return;
        grown.fill(Qt::transparent);
        const int rows = std::min(m_height, m_pixels.height());
        for (int y = 0; y < rows; ++y)
            std::memcpy(grown.scanLine(y), m_pixels.constScanLine(y), size_t(m_pixels.bytesPerLine()));
        m_pixels = grown;
    } else if (height < m_height) {
        // Rows that leave the sheet are gone: growing again later gives
        // transparent rows there, as a fresh image would.
        for (int y = height; y < m_height; ++y)
            std::memset(m_pixels.scanLine(y), 0, size_t(m_pixels.bytesPerLine()));
    }
    m_height = height;
}

void ImageSheet::widen(int width)
{
    if (m_width <= 0 || m_height <= 0 || width <= m_width)
        return;
    QImage wider(width, m_pixels.height(), QImage::Format_ARGB32_Premultiplied);
    if (wider.isNull())
        return;
    wider.fill(Qt::transparent);
    const size_t rowbytes = size_t(m_width) * 4;
    const int rows = std::min(m_height, m_pixels.height());
    for (int y = 0; y < rows; ++y)
        std::memcpy(wider.scanLine(y), m_pixels.constScanLine(y), rowbytes);
    m_pixels = wider;
    m_width = width;
}

void ImageSheet::paint(const std::function<void(QPainter &)> &draw)
{
    if (m_width <= 0 || m_height <= 0)
        return;
    QPainter painter(&m_pixels);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(0, 0, m_width, m_height);
    draw(painter);
}

QImage ImageSheet::image() const
{
    if (m_width <= 0 || m_height <= 0)
        return QImage();
    return m_pixels.copy(0, 0, m_width, m_height).convertToFormat(QImage::Format_ARGB32);
}

bool ImageSheet::save(const QString &path) const
{
    return fileio::writepng(path, image());
}
