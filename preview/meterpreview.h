#pragma once
// The level meter preview: a silent column beside a loud one.
#include <QColor>

#include "colours/colourscheme.h"

class QGraphicsScene;

struct MeterColours {
    QColor back;
    QColor off;
    QColor on;
    QColor peak;
};

// The meter colours of the left deck, the right deck or the mixer; the video
// scope has no meter and gets invalid colours.
MeterColours metercolours(const ColourScheme &colours, ColourScope scope);

// Replaces the scene's items with two columns of nine segments: the left one
// all unlit, the right one lit with its top segment at peak.
void drawmeterpreview(QGraphicsScene *scene, const MeterColours &colours);
