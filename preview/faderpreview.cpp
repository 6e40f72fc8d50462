#include "faderpreview.h"

#include <QGraphicsScene>

#include "preview/drawingrules.h"

// The colours of scope prefix p, named like d1_faderinoff1, with the given
// scale-line colour.
#define TYX_FADER_COLOURS(c, p, lines)                                                \
    FaderColours{c.lines,          c.p##faderinoffborder, c.p##faderinoff1,          \
                 c.p##faderinon1,  c.p##faderfader1,      c.p##faderfader2,          \
                 c.p##faderfaderborder}

FaderColours fadercolours(const ColourScheme &c, ColourScope scope)
{
    switch (scope) {
    case ColourScope::D1:
        return TYX_FADER_COLOURS(c, d1_, faderlines);
    case ColourScope::D2:
        return TYX_FADER_COLOURS(c, d2_, faderlines);
    case ColourScope::Mixer:
        return TYX_FADER_COLOURS(c, m_, m_faderlines);
    case ColourScope::Video:
        return TYX_FADER_COLOURS(c, v_, v_faderlines);
    default:
        return FaderColours{};
    }
}

#undef TYX_FADER_COLOURS

FaderShape fadershape(ColourScope scope)
{
    return scope == ColourScope::Mixer || scope == ColourScope::Video ? FaderShape::Horizontal
                                                                      : FaderShape::Vertical;
}

namespace {

// Tick k (1 to 12) is firsttick moved by k - 1 ticksteps; the ticks cross
// behind the track. The cap's gradient runs from its top edge to its bottom.
struct FaderLayout {
    QRectF firsttick;
    QPointF tickstep;
    QRectF trackborder;
    QRectF trackoff;
    QRectF trackon;
    QRectF cap;
    qreal gradientx;
};

const FaderLayout vertical = {QRectF(40, 10, 30, 2),  QPointF(0, 10),      QRectF(51, 6, 8, 118),
                              QRectF(52, 8, 6, 114),  QRectF(52, 65, 6, 57), QRectF(43, 58, 24, 15),
                              55};
const FaderLayout horizontal = {QRectF(20, 60, 2, 30),  QPointF(10, 0),       QRectF(19, 71, 118, 8),
                                QRectF(20, 72, 114, 6), QRectF(77, 72, 57, 6), QRectF(70, 63, 15, 24),
                                77};

const int tickcount = 12;

} // namespace

void drawfaderpreview(QGraphicsScene *scene, FaderShape shape, const FaderColours &colours, bool flat)
{
    if (!scene)
        return;
    const FaderLayout &layout = shape == FaderShape::Vertical ? vertical : horizontal;
    const QPen nopen(Qt::NoPen);

    scene->clear();
    for (int tick = 0; tick < tickcount; ++tick)
        scene->addRect(layout.firsttick.translated(layout.tickstep * tick), nopen,
                       solidbrush(colours.lines));
    scene->addRect(layout.trackborder, nopen, solidbrush(colours.trackborder));
    scene->addRect(layout.trackoff, nopen, solidbrush(colours.trackoff));
    scene->addRect(layout.trackon, nopen, solidbrush(colours.trackon));
    const QRectF &cap = layout.cap;
    scene->addRect(cap, outlinepen(colours.capoutline, 1),
                   verticalgradient(QPointF(layout.gradientx, cap.top()),
                                    QPointF(layout.gradientx, cap.bottom()), colours.cap1,
                                    colours.cap2, flat));
}
