#include "jogpreview.h"

#include <QGraphicsScene>

#include "preview/drawingrules.h"
#include "preview/knobpreview.h"

// The colours of scope prefix p, named like d1_jogborder.
#define TYX_JOG_COLOURS(c, p)                                                        \
    JogColours{c.p##jogborder, c.p##jogringoff,      c.p##jogringon, c.p##jogfill, \
               c.p##joginner,  c.p##joginnerborder, c.p##jogneedle}

JogColours jogcolours(const ColourScheme &c, ColourScope scope)
{
    switch (scope) {
    case ColourScope::D1:
        return TYX_JOG_COLOURS(c, d1_);
    case ColourScope::D2:
        return TYX_JOG_COLOURS(c, d2_);
    default:
        return JogColours{};
    }
}

#undef TYX_JOG_COLOURS

void drawjogpreview(QGraphicsScene *scene, const JogColours &colours)
{
    if (!scene)
        return;
    scene->clear();
    scene->addEllipse(QRectF(10, 10, 110, 110), outlinepen(colours.border, 1),
                      solidbrush(colours.ringoff));
    // Lit from the lower right up to twelve o'clock; the platter covers the
    // band's inner edge.
    scene->addPath(ringpath(QRectF(12, 12, 106, 106), -40, 130), QPen(Qt::NoPen),
                   solidbrush(colours.ringon));
    scene->addEllipse(QRectF(20, 20, 90, 90), outlinepen(colours.border, 1), solidbrush(colours.fill));
    scene->addEllipse(QRectF(50, 50, 30, 30), outlinepen(colours.innerborder, 1),
                      solidbrush(colours.inner));
    scene->addRect(QRectF(62, 20, 6, 30), QPen(Qt::NoPen), solidbrush(colours.needle));
}
