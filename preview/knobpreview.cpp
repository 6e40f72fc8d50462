#include "knobpreview.h"

#include <QGraphicsScene>
#include <QtMath>

#include "preview/drawingrules.h"

// The colours of scope prefix p, named like d1_knobin1.
#define TYX_KNOB_COLOURS(c, p)                                                             \
    KnobColours{c.p##knobin1,    c.p##knobin2,     c.p##knobinborder, c.p##knobringoff, \
                c.p##knobringon, c.p##knobfader1,  c.p##knobtext}

KnobColours knobcolours(const ColourScheme &c, ColourScope scope)
{
    switch (scope) {
    case ColourScope::D1:
        return TYX_KNOB_COLOURS(c, d1_);
    case ColourScope::D2:
        return TYX_KNOB_COLOURS(c, d2_);
    case ColourScope::Mixer:
        return TYX_KNOB_COLOURS(c, m_);
    case ColourScope::Video:
        return TYX_KNOB_COLOURS(c, v_);
    default:
        return KnobColours{};
    }
}

#undef TYX_KNOB_COLOURS

QPainterPath ringpath(const QRectF &box, qreal startangle, qreal sweep)
{
    const qreal thickness = box.width() * 20 / 100;
    const QRectF inner(box.x() + thickness / 2, box.y() + thickness / 2, box.width() - thickness,
                       box.width() - thickness);
    const qreal radius = box.width() / 2;
    const qreal radians = qDegreesToRadians(startangle);
    const QPointF start(box.x() + radius + radius * qCos(radians),
                        box.y() + box.height() / 2 - radius * qSin(radians));

    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.moveTo(start);
    path.arcTo(box, startangle, sweep);
    path.arcTo(inner, startangle + sweep, -sweep);
    path.lineTo(start);
    return path;
}

void drawknobpreview(QGraphicsScene *scene, const KnobColours &colours, bool flat)
{
    if (!scene)
        return;
    scene->clear();
    const QFont font = labelfont(9);
    const QRectF ring(25, 25, 50, 50);
    // Full travel runs from the lower right (-40 degrees) over the top to
    // the lower left (220); the lit half from twelve o'clock down the left.
    scene->addPath(ringpath(ring, -40, 260), QPen(Qt::NoPen), solidbrush(colours.ringoff));
    scene->addPath(ringpath(ring, 90, 130), QPen(Qt::NoPen), solidbrush(colours.ringon));
    // The gradient runs five units below the disc, so its top stays flat.
    scene->addEllipse(QRectF(30, 30, 40, 40), outlinepen(colours.inborder, 2),
                      verticalgradient(QPointF(50, 35), QPointF(50, 75), colours.in1, colours.in2, flat));
    centreon(addlabel(scene, QStringLiteral("TEXT"), font, colours.caption), QPointF(50, 85));
    scene->addRect(QRectF(49, 30, 3, 20), QPen(Qt::NoPen), solidbrush(colours.indicator));
}
