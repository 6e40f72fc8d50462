// The browser icons: 16 glyphs (one per column) times 9 badges (one per row)
// give the 144 icons of a strip, each distinct from the others.
#include "pictures.h"

#include "fileio/pictureconversion.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace pictures {

namespace {

// All shapes are laid out in a 64 x 64 design box.
QPainterPath rect(qreal x, qreal y, qreal w, qreal h, qreal radius = 0)
{
    QPainterPath path;
    if (radius > 0)
        path.addRoundedRect(x, y, w, h, radius, radius);
    else
        path.addRect(x, y, w, h);
    return path;
}

QPainterPath ellipse(qreal cx, qreal cy, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), rx, ry);
    return path;
}

QPainterPath ring(qreal cx, qreal cy, qreal outer, qreal inner)
{
    return ellipse(cx, cy, outer, outer).subtracted(ellipse(cx, cy, inner, inner));
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QVector<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath star(qreal cx, qreal cy, qreal outer, qreal inner)
{
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 ? inner : outer;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        points << QPointF(cx + radius * qCos(angle), cy + radius * qSin(angle));
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

QPainterPath folder()
{
    return rect(10, 20, 44, 28, 3).united(rect(10, 15, 18, 9, 2));
}

QPainterPath note()
{
    return ellipse(21, 42, 8, 6)
        .united(rect(26, 13, 3.5, 30))
        .united(polygon({{29, 13}, {44, 19}, {44, 26}, {29, 20}}));
}

QPainterPath disc()
{
    return ring(32, 32, 21, 5).subtracted(ring(32, 32, 14, 13));
}

QPainterPath playlist()
{
    return rect(10, 15, 30, 4, 1)
        .united(rect(10, 24, 30, 4, 1))
        .united(rect(10, 33, 20, 4, 1))
        .united(polygon({{36, 33}, {54, 42}, {36, 51}}));
}

QPainterPath heart()
{
    QPainterPath path(QPointF(32, 52));
    path.cubicTo(4, 34, 12, 8, 32, 22);
    path.cubicTo(52, 8, 60, 34, 32, 52);
    return path;
}

QPainterPath clock()
{
    return ring(32, 32, 21, 17)
        .united(rect(30.5, 18, 3, 16, 1.5))
        .united(rect(30.5, 30.5, 13, 3, 1.5));
}

QPainterPath magnifier()
{
    return ring(27, 27, 15, 10.5)
        .united(polygon({{36, 39}, {39, 36}, {54, 51}, {51, 54}}));
}

QPainterPath cloud()
{
    return ellipse(22, 37, 11, 10)
        .united(ellipse(34, 29, 13, 13))
        .united(ellipse(45, 38, 9, 9))
        .united(rect(22, 35, 23, 12, 2));
}

QPainterPath drive()
{
    QPainterPath body = rect(9, 21, 46, 22, 4);
    return body.subtracted(ellipse(46, 32, 3, 3)).subtracted(rect(15, 30, 20, 4, 1));
}

QPainterPath headphones()
{
    const QPainterPath band = ring(32, 34, 21, 17).intersected(rect(0, 0, 64, 34));
    return band.united(rect(10, 32, 10, 18, 3)).united(rect(44, 32, 10, 18, 3));
}

QPainterPath microphone()
{
    const QPainterPath cradle = ring(32, 30, 15, 12).intersected(rect(0, 30, 64, 34));
    return rect(25, 10, 14, 28, 7)
        .united(cradle)
        .united(rect(30.5, 44, 3, 7))
        .united(rect(23, 50, 18, 3.5, 1.5));
}

QPainterPath house()
{
    return polygon({{8, 32}, {32, 11}, {56, 32}})
        .united(rect(15, 30, 34, 23))
        .subtracted(rect(28, 40, 8, 13));
}

QPainterPath speaker()
{
    const QPainterPath waves = ring(34, 32, 20, 16.5).united(ring(34, 32, 12, 8.5))
                                   .intersected(polygon({{34, 32}, {60, 8}, {60, 56}}));
    return polygon({{9, 25}, {19, 25}, {32, 14}, {32, 50}, {19, 39}, {9, 39}}).united(waves);
}

QPainterPath globe()
{
    return ring(32, 32, 21, 17.5)
        .united(ellipse(32, 32, 9, 21).subtracted(ellipse(32, 32, 6, 18)))
        .united(rect(12, 30.5, 40, 3));
}

QPainterPath tag()
{
    return polygon({{10, 10}, {32, 10}, {55, 33}, {33, 55}, {10, 32}})
        .subtracted(ellipse(21, 21, 4.5, 4.5));
}

QPainterPath glyph(int column)
{
    using Glyph = QPainterPath (*)();
    static const Glyph glyphs[iconColumns] = {
        folder, note, disc, playlist, [] { return star(32, 33, 22, 9); }, heart, clock, magnifier,
        cloud, drive, headphones, microphone, house, speaker, globe, tag,
    };
    return glyphs[column % iconColumns]();
}

// The symbol of a row's badge, drawn in a circle about (49, 49); row 0 has none.
QPainterPath badgeSymbol(int row)
{
    switch (row) {
    case 1: return rect(43, 47.5, 12, 3).united(rect(47.5, 43, 3, 12));     // plus
    case 2: return polygon({{42, 49}, {45, 46}, {48, 50}, {54, 43}, {57, 46}, {48, 55}});   // check
    case 3: return polygon({{44, 46}, {46, 44}, {49, 47}, {52, 44}, {54, 46}, {51, 49},
                            {54, 52}, {52, 54}, {49, 51}, {46, 54}, {44, 52}, {47, 49}});  // cross
    case 4: return polygon({{49, 42}, {56, 50}, {51, 50}, {51, 56}, {47, 56}, {47, 50}, {42, 50}});
    case 5: return polygon({{49, 56}, {56, 48}, {51, 48}, {51, 42}, {47, 42}, {47, 48}, {42, 48}});
    case 6: return ellipse(49, 49, 4, 4);
    case 7: return rect(44, 48, 10, 8, 1).united(ring(49, 48, 4, 2).intersected(rect(40, 40, 20, 8)));
    case 8: return star(49, 49.5, 7, 3);
    default: return {};
    }
}

QColor columnColour(int column, int value)
{
    return QColor::fromHsv(column * 360 / iconColumns, 150, value);
}

} // namespace

void drawIcon(QPainter &painter, const QRectF &target, int index, IconStyle style, const QColor &ink)
{
    const int column = index % iconColumns;
    const int row = (index / iconColumns) % iconRows;
    const bool badged = row != 0;
    const QPainterPath badge = ellipse(49, 49, 11, 11);

    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / iconCell, target.height() / iconCell);
    painter.setRenderHint(QPainter::Antialiasing);

    QPainterPath shape = glyph(column);
    if (badged)
        shape = shape.subtracted(ellipse(49, 49, 13, 13));   // a gap between glyph and badge

    switch (style) {
    case IconStyle::Plain:
        painter.fillPath(shape, ink);
        if (badged) {
            painter.fillPath(badge, columnColour(column, 210));
            painter.fillPath(badgeSymbol(row), QColor(20, 20, 20));
        }
        break;
    case IconStyle::Alternative: {
        QLinearGradient plate(0, 1, 0, 63);
        plate.setColorAt(0, columnColour(column, 215));
        plate.setColorAt(1, columnColour(column, 140));
        painter.fillPath(rect(1, 1, 62, 62, 12), plate);
        painter.fillPath(shape, QColor(255, 255, 255));
        if (badged) {
            painter.fillPath(badge, QColor(28, 28, 32));
            painter.fillPath(badgeSymbol(row), QColor(255, 255, 255));
        }
        break;
    }
    case IconStyle::White: {
        // A light edge of dark keeps the white readable on a light browser.
        const QPen edge(QColor(0, 0, 0, 110), 1.5);
        painter.strokePath(rect(1, 1, 62, 62, 12), QPen(QColor(255, 255, 255), 2));
        painter.strokePath(shape, edge);
        painter.fillPath(shape, QColor(255, 255, 255));
        if (badged) {
            const QPainterPath cut = badge.subtracted(badgeSymbol(row));
            painter.strokePath(cut, edge);
            painter.fillPath(cut, QColor(255, 255, 255));
        }
        break;
    }
    }
    painter.restore();
}

QImage iconStrip(IconStyle style)
{
    const bool white = style == IconStyle::White;
    QImage strip(white ? 1039 : 1040, white ? 595 : 594, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    for (int index = 0; index < iconColumns * iconRows; ++index) {
        const QRect cell(iconGridLeft + (index % iconColumns) * iconCell,
                         (index / iconColumns) * iconCell, iconCell, iconCell);
        // Nothing of an icon may spill into its neighbour's cell.
        painter.setClipRect(cell);
        drawIcon(painter, cell, index, style);
    }
    painter.end();
    return fileio::convertedpicture(strip, QImage::Format_ARGB32);
}

} // namespace pictures
