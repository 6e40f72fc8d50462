#pragma once
// The jog wheel preview: a platter seen from above with its ring, lit band,
// centre disc and needle.
#include <QColor>

#include "colours/colourscheme.h"

class QGraphicsScene;

struct JogColours {
    QColor border;  // outlines the ring disc and the platter
    QColor ringoff;
    QColor ringon;
    QColor fill;  // the platter
    QColor inner;
    QColor innerborder;
    QColor needle;
};

// The jog colours of the left or the right deck; other scopes have no jog
// wheel and get invalid colours.
JogColours jogcolours(const ColourScheme &colours, ColourScope scope);

// Replaces the scene's items with the jog wheel.
void drawjogpreview(QGraphicsScene *scene, const JogColours &colours);
