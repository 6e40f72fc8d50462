#include "skinsprites.h"

#include <QPainter>

namespace skin {

QPoint SpriteSheet::allocate(int w, int h, Shape shape)
{
    if (cursorX + w + gap > sheetWidth) {
        shelfY = shelfBottom + gap;
        cursorX = gap;
    }
    const QRect region(cursorX, shelfY, w, h);
    placed.append(region);
    shapes.append(shape);
    cursorX += w + gap;
    shelfBottom = qMax(shelfBottom, shelfY + h);
    return region.topLeft();
}

namespace {

// Each region gets its own hue, a darker frame, a diagonal and its number
// as a row of bit marks along the top, so neighbours and same-sized
// regions never share their pixels.
void drawSprite(QPainter &painter, const QRect &r, int index, SpriteSheet::Shape shape)
{
    const int hue = (index * 137) % 360;
    const QColor fill = QColor::fromHsv(hue, 150 + (index % 3) * 35, 120 + (index % 5) * 25);
    if (shape == SpriteSheet::Shape::Disc) {
        painter.fillRect(r, QColor(16, 16, 16));
        painter.setPen(QPen(fill.lighter(140), qMax(1, r.width() / 20)));
        painter.setBrush(fill.darker(130));
        painter.drawEllipse(r.adjusted(3, 3, -4, -4));
        painter.setBrush(fill);
        painter.drawEllipse(r.adjusted(r.width() / 4, r.height() / 4, -r.width() / 4, -r.height() / 4));
        painter.setBrush(Qt::NoBrush);
    } else {
        painter.fillRect(r, fill);
    }
    if (r.width() < 3 || r.height() < 3)
        return;
    painter.setPen(fill.darker(220));
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    painter.setPen(fill.lighter(160));
    if (shape == SpriteSheet::Shape::Disc)
        painter.drawLine(r.center(), QPoint(r.center().x(), r.y() + 4));   // the wheel's needle
    else
        painter.drawLine(r.topLeft() + QPoint(1, 1), r.bottomRight() - QPoint(1, 1));
    const int mark = qMax(1, qMin(4, r.height() / 6));
    for (int bit = 0; bit < 12 && 2 + bit * (mark + 1) + mark < r.width(); ++bit) {
        const QColor ink = (index >> bit) & 1 ? QColor(250, 250, 250) : QColor(10, 10, 10);
        painter.fillRect(r.x() + 2 + bit * (mark + 1), r.y() + 2, mark, mark, ink);
    }
}

} // namespace

QImage SpriteSheet::render() const
{
    QImage image(sheetWidth, shelfBottom + gap, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    for (int i = 0; i < placed.size(); ++i)
        drawSprite(painter, placed[i], i, shapes[i]);
    painter.end();
    return image;
}

} // namespace skin
