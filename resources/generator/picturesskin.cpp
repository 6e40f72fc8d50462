// The preview picture of a finished skin (two decks, mixer, waveforms and
// browser below a dark band that takes the skin's name) and the maker's logo.
#include "pictures.h"

#include "fileio/pictureconversion.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace pictures {

namespace {

const QColor previewBack(21, 23, 27);
const QColor moduleBack(30, 33, 39);
const QColor moduleEdge(52, 56, 64);
const QColor hollow(12, 13, 16);
const QColor metal(200, 204, 210);
const QColor deckAccents[2] = {QColor(39, 180, 216), QColor(240, 138, 36)};

void module(QPainter &painter, const QRectF &area)
{
    painter.setPen(QPen(moduleEdge, 1));
    painter.setBrush(moduleBack);
    painter.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
}

void bar(QPainter &painter, const QRectF &area, const QColor &colour)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(area, area.height() / 2, area.height() / 2);
}

void verticalFader(QPainter &painter, qreal centreX, qreal top, qreal bottom, qreal handleY)
{
    painter.fillRect(QRectF(centreX - 3, top, 6, bottom - top), hollow);
    bar(painter, QRectF(centreX - 15, handleY - 7, 30, 14), metal);
}

void knob(QPainter &painter, const QPointF &centre, qreal radius, qreal turn, const QColor &ring)
{
    painter.setPen(QPen(ring, 2.5));
    painter.setBrush(QColor(48, 52, 60));
    painter.drawEllipse(centre, radius, radius);
    const qreal angle = qDegreesToRadians(-225 + 270 * turn);
    painter.setPen(QPen(metal, 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(qCos(angle), -qSin(angle)) * (radius - 3));
}

void waveform(QPainter &painter, const QRectF &area, const QColor &accent, quint32 seed)
{
    painter.setPen(QPen(moduleEdge, 1));
    painter.setBrush(hollow);
    painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
    Noise noise(seed);
    const qreal middle = area.center().y();
    for (int x = int(area.left()) + 3; x < area.right() - 3; ++x) {
        const qreal swing = 3 + 12 * qExp(-(x % 38) / 9.0) * (0.6 + 0.4 * noise.next());
        const bool played = x < area.left() + area.width() * 0.3;
        painter.setPen(played ? accent.darker(170) : accent);
        painter.drawLine(QPointF(x + 0.5, middle - swing), QPointF(x + 0.5, middle + swing));
    }
    painter.fillRect(QRectF(area.left() + area.width() * 0.3, area.top() + 1, 2, area.height() - 2),
                     QColor(255, 255, 255));
}

void deck(QPainter &painter, qreal left, const QColor &accent)
{
    module(painter, QRectF(left, 308, 470, 214));

    // Track display: title, artist and tempo as bars.
    painter.setPen(Qt::NoPen);
    painter.setBrush(hollow);
    painter.drawRoundedRect(QRectF(left + 12, 318, 214, 34), 3, 3);
    bar(painter, QRectF(left + 20, 324, 130, 7), accent);
    bar(painter, QRectF(left + 20, 338, 90, 6), QColor(130, 136, 146));
    bar(painter, QRectF(left + 180, 326, 38, 14), metal);

    // Jog wheel.
    const QPointF jog(left + 128, 436);
    painter.setBrush(QColor(18, 19, 22));
    painter.drawEllipse(jog, 78, 78);
    painter.setPen(QPen(accent, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(jog, 73, 73);
    QRadialGradient platter(jog, 64, jog - QPointF(20, 20));
    platter.setColorAt(0, QColor(78, 83, 92));
    platter.setColorAt(1, QColor(30, 32, 37));
    painter.setPen(Qt::NoPen);
    painter.setBrush(platter);
    painter.drawEllipse(jog, 64, 64);
    painter.setPen(QPen(QColor(255, 255, 255), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(jog - QPointF(0, 18), jog - QPointF(0, 60));
    painter.setPen(Qt::NoPen);
    painter.setBrush(hollow);
    painter.drawEllipse(jog, 14, 14);

    // Hot cue pads, each in its own colour.
    for (int pad = 0; pad < 8; ++pad) {
        const QColor colour = QColor::fromHsv(pad * 45, 170, 220);
        painter.setBrush(colour);
        painter.drawRoundedRect(QRectF(left + 236 + (pad % 4) * 44, 364 + (pad / 4) * 36, 38, 28), 4, 4);
    }

    // Cue and play.
    painter.setPen(QPen(accent, 2.5));
    painter.setBrush(QColor(48, 52, 60));
    painter.drawEllipse(QPointF(left + 256, 474), 20, 20);
    painter.drawEllipse(QPointF(left + 310, 474), 20, 20);
    painter.setPen(Qt::NoPen);
    painter.setBrush(metal);
    painter.drawRect(QRectF(left + 249, 467, 14, 14));
    painter.drawPolygon(QPolygonF({QPointF(left + 304, 464), QPointF(left + 320, 474),
                                   QPointF(left + 304, 484)}));
    // Loop buttons.
    for (int loop = 0; loop < 3; ++loop)
        bar(painter, QRectF(left + 346 + loop * 26, 466, 22, 16), QColor(64, 69, 78));

    verticalFader(painter, left + 446, 330, 506, 410);
}

void mixer(QPainter &painter)
{
    module(painter, QRectF(486, 308, 296, 214));
    const qreal channels[2] = {552, 716};
    const qreal turns[2][3] = {{0.5, 0.62, 0.35}, {0.5, 0.42, 0.7}};
    for (int ch = 0; ch < 2; ++ch) {
        for (int k = 0; k < 3; ++k)
            knob(painter, QPointF(channels[ch], 334 + k * 40), 14, turns[ch][k], deckAccents[ch]);
        verticalFader(painter, channels[ch], 440, 494, ch ? 452 : 472);
    }
    // Level meters between the channels: green, then amber, then red at the top.
    for (int meter = 0; meter < 2; ++meter) {
        const int lit = meter ? 9 : 11;
        for (int segment = 0; segment < 14; ++segment) {
            const QColor on = segment >= 12 ? QColor(230, 50, 40)
                              : segment >= 9 ? QColor(240, 180, 30) : QColor(60, 200, 90);
            painter.fillRect(QRectF(620 + meter * 28, 480 - segment * 11, 14, 8),
                             segment < lit ? on : on.darker(400));
        }
    }
    // Crossfader.
    painter.fillRect(QRectF(584, 506, 100, 6), hollow);
    bar(painter, QRectF(626, 502, 16, 14), metal);
}

void browser(QPainter &painter)
{
    module(painter, QRectF(8, 530, 1252, 176));
    painter.fillRect(QRectF(9, 531, 238, 174), QColor(26, 28, 33));
    Noise noise(0xb0a7);
    for (int row = 0; row < 8; ++row) {
        const qreal top = 538 + row * 20;
        drawIcon(painter, QRectF(16 + (row % 3 == 2) * 12, top + 2, 15, 15), row == 5 ? 9 : 0,
                 IconStyle::Plain, QColor(176, 184, 196));
        bar(painter, QRectF(38 + (row % 3 == 2) * 12, top + 7, 60 + 100 * noise.next(), 5),
            QColor(150, 156, 166));
    }
    painter.fillRect(QRectF(250, 531, 1009, 20), QColor(24, 26, 31));
    for (int row = 0; row < 8; ++row) {
        const qreal top = 552 + row * 19;
        if (row == 2)
            painter.fillRect(QRectF(250, top, 1009, 19), deckAccents[0].darker(220));
        else if (row % 2)
            painter.fillRect(QRectF(250, top, 1009, 19), QColor(36, 39, 46));
        drawIcon(painter, QRectF(256, top + 2, 15, 15), 1, IconStyle::Plain, QColor(176, 184, 196));
        bar(painter, QRectF(282, top + 7, 120 + 220 * noise.next(), 5), QColor(190, 196, 206));
        bar(painter, QRectF(760, top + 7, 80 + 160 * noise.next(), 5), QColor(130, 136, 146));
        bar(painter, QRectF(1190, top + 7, 40, 5), QColor(130, 136, 146));
    }
}

} // namespace

QImage skinPreview()
{
    const int width = 1268, height = 714;
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(previewBack);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // Top bar with the system buttons.
    painter.fillRect(QRectF(0, 0, width, 20), QColor(35, 38, 44));
    for (int button = 0; button < 5; ++button)
        bar(painter, QRectF(width - 110 + button * 20, 4, 14, 12), QColor(70, 75, 85));
    bar(painter, QRectF(8, 6, 70, 8), QColor(70, 75, 85));

    // The band that takes the skin's name must stay one flat colour.
    painter.fillRect(QRect(0, 20, width, 200), QColor(5, 5, 5));

    waveform(painter, QRectF(8, 226, 1252, 36), deckAccents[0], 7);
    waveform(painter, QRectF(8, 266, 1252, 36), deckAccents[1], 8);
    deck(painter, 8, deckAccents[0]);
    mixer(painter);
    deck(painter, 790, deckAccents[1]);
    browser(painter);
    painter.end();

    // A half-transparent outermost frame softens the picture's edge.
    image = fileio::convertedpicture(image, QImage::Format_ARGB32);
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            if (x == 0 || y == 0 || x == width - 1 || y == height - 1) {
                const QRgb pixel = image.pixel(x, y);
                image.setPixel(x, y, qRgba(qRed(pixel), qGreen(pixel), qBlue(pixel), 128));
            }
        }
    }
    return image;
}

QImage logo()
{
    const int size = 128;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient ground(0, 0, size, size);
    ground.setColorAt(0, QColor(24, 150, 170));
    ground.setColorAt(1, QColor(92, 60, 170));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ground);
    painter.drawRoundedRect(QRectF(4, 4, size - 8, size - 8), 26, 26);

    // Two halves of a disc, pulled apart along a slanted cut.
    QPainterPath disc;
    disc.addEllipse(QPointF(64, 64), 38, 38);
    QPainterPath leftSide;
    leftSide.addPolygon(QPolygonF({QPointF(0, 0), QPointF(76, 0), QPointF(52, 128), QPointF(0, 128)}));
    const QPainterPath left = disc.intersected(leftSide);
    const QPainterPath right = disc.subtracted(leftSide);
    painter.fillPath(left.translated(-5, -3), QColor(255, 255, 255));
    painter.fillPath(right.translated(5, 3), QColor(255, 255, 255, 190));
    painter.end();
    return fileio::convertedpicture(image, QImage::Format_ARGB32);
}

} // namespace pictures
