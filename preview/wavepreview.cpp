#include "wavepreview.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QPixmap>

#include "fileio/pictureconversion.h"
#include "preview/drawingrules.h"

const char *const songpositionpictures[3] = {"://Resources/songpos_high.png",
                                             "://Resources/songpos_mid.png",
                                             "://Resources/songpos_bass.png"};
const char *const scratchwavepicture = "://Resources/scratchwave_pic.png";

SongPositionColours songpositioncolours(const ColourScheme &c, ColourScope scope)
{
    switch (scope) {
    case ColourScope::D1:
        return {c.d1_songposback, c.d1_songposborder, c.d1_colorHigh,
                c.d1_colorMed,    c.d1_colorBass,     c.d1_colorPlayed};
    case ColourScope::D2:
        return {c.d2_songposback, c.d2_songposborder, c.d2_colorHigh,
                c.d2_colorMed,    c.d2_colorBass,     c.d2_colorPlayed};
    default:
        return SongPositionColours{};
    }
}

ScratchWaveColours scratchwavecolours(const ColourScheme &c)
{
    return {c.m_waveback, c.m_waveborder, c.m_waveneedle};
}

QImage recolouredband(const QImage &picture, const QColor &colour)
{
    QImage image = fileio::convertedpicture(picture, QImage::Format_ARGB32);
    const QRgb rgb = colour.rgb();
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(line[x]);
            if (alpha > 0)
                line[x] = qRgba(qRed(rgb), qGreen(rgb), qBlue(rgb), alpha);
        }
    }
    return image;
}

namespace {

void addpicture(QGraphicsScene *scene, const QPixmap &pixmap, qreal scale, const QPointF &pos)
{
    QGraphicsPixmapItem *item = scene->addPixmap(pixmap);
    item->setScale(scale);
    item->setPos(pos);
}

} // namespace

void drawsongpositionpreview(QGraphicsScene *scene, const SongPositionColours &colours)
{
    if (!scene)
        return;
    scene->clear();
    scene->addRect(QRectF(10, 50, 200, 34), outlinepen(colours.border, 1), solidbrush(colours.back));

    const QColor bands[3] = {colours.high, colours.mid, colours.bass};
    for (int band = 0; band < 3; ++band) {
        const QImage picture(QLatin1String(songpositionpictures[band]));
        addpicture(scene, fileio::picturepixmap(recolouredband(picture, bands[band])), 0.5,
                   QPointF(15, 51));
    }

    QColor played = colours.played;
    played.setAlpha(playedalpha);
    scene->addRect(QRectF(11, 51, 68, 32), QPen(Qt::NoPen), solidbrush(played));
}

void drawscratchwavepreview(QGraphicsScene *scene, const ScratchWaveColours &colours)
{
    if (!scene)
        return;
    scene->clear();
    scene->addRect(QRectF(10, 40, 200, 35), outlinepen(colours.border, 1), solidbrush(colours.back));
    addpicture(scene, fileio::picturepixmap(QImage(QLatin1String(scratchwavepicture))), 0.377,
               QPointF(12, 43));
    scene->addRect(QRectF(110, 40, 2, 35), QPen(Qt::NoPen), solidbrush(colours.needle));
}
