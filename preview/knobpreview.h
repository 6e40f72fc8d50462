#pragma once
// The knob preview: a knob at half travel with its ring, inner disc,
// indicator and caption; and the ring band shape it shares with the jog
// wheel preview.
#include <QColor>
#include <QPainterPath>
#include <QRectF>

#include "colours/colourscheme.h"

class QGraphicsScene;

struct KnobColours {
    QColor in1;        // inner disc, gradient colour 1
    QColor in2;        // inner disc, gradient colour 2
    QColor inborder;
    QColor ringoff;
    QColor ringon;
    QColor indicator;
    QColor caption;
};

// The knob colours of any of the four scopes.
KnobColours knobcolours(const ColourScheme &colours, ColourScope scope);

// A band along the edge of the ellipse in box, from startangle over sweep
// degrees (0 at three o'clock, counter-clockwise positive). The band is a
// fifth of the box width thick; the radius of its start point is half the
// box width.
QPainterPath ringpath(const QRectF &box, qreal startangle, qreal sweep);

// Replaces the scene's items with the knob (flat inner disc while flat).
void drawknobpreview(QGraphicsScene *scene, const KnobColours &colours, bool flat);
