#include "textpreview.h"

#include <QGraphicsScene>
#include <QGraphicsTextItem>

#include "preview/drawingrules.h"

DeckTextColours decktextcolours(const ColourScheme &c, ColourScope scope)
{
    switch (scope) {
    case ColourScope::D1:
        return {c.d1_textback, c.d1_textbright, c.d1_textdark, c.d1_textcolor, c.d1_silkscreen};
    case ColourScope::D2:
        return {c.d2_textback, c.d2_textbright, c.d2_textdark, c.d2_textcolor, c.d2_silkscreen};
    default:
        return DeckTextColours{};
    }
}

MixerTextColours mixertextcolours(const ColourScheme &c)
{
    return {c.m_textback, c.m_textborder, c.m_texttext};
}

namespace {

QFont arial(int pointsize, int weight)
{
    QFont font(QStringLiteral("Arial"), pointsize);
    font.setWeight(weight);
    return font;
}

// Display texts are rich-text items placed by their top-left corner.
void addtext(QGraphicsScene *scene, const QString &text, const QFont &font, const QPointF &topleft,
             const QColor &colour)
{
    QGraphicsTextItem *item = scene->addText(text, font);
    item->setPos(topleft);
    item->setDefaultTextColor(colour);
}

} // namespace

void drawdecktextpreview(QGraphicsScene *scene, const DeckTextColours &colours)
{
    if (!scene)
        return;
    scene->clear();
    const QFont song = arial(12, QFont::Bold);
    const QFont time = arial(14, QFont::Bold);
    const QFont caption = arial(9, QFont::Normal);
    const QPen nopen(Qt::NoPen);

    // The song display runs past the scene's right edge, as a long title would.
    scene->addRect(QRectF(10, 10, 240, 55), nopen, solidbrush(colours.back));
    addtext(scene, QStringLiteral("TITLE"), song, QPointF(15, 15), colours.title);
    addtext(scene, QStringLiteral("(REMIX)"), song, QPointF(65, 15), colours.remix);
    addtext(scene, QStringLiteral("ARTIST"), song, QPointF(15, 35), colours.artist);
    scene->addRect(QRectF(10, 70, 100, 50), nopen, solidbrush(colours.back));
    addtext(scene, QStringLiteral("REMAIN"), caption, QPointF(15, 73), colours.caption);
    addtext(scene, QStringLiteral("0:00.0"), time, QPointF(15, 90), colours.artist);
}

void drawmixertextpreview(QGraphicsScene *scene, const MixerTextColours &colours)
{
    if (!scene)
        return;
    scene->clear();
    const QFont font = arial(9, QFont::Bold);
    scene->addRect(QRectF(10, 10, 200, 55), outlinepen(colours.border, 2), solidbrush(colours.back));
    addtext(scene, QStringLiteral("Record Message ..."), font, QPointF(15, 15), colours.text);
    addtext(scene, QStringLiteral("(TIME xx:xx SIZE : 0kb)"), font, QPointF(15, 35), colours.text);
}
