#pragma once
// The text display previews: a deck's song and remaining-time displays, and
// the mixer's recording display, with fixed sample texts.
#include <QColor>

#include "colours/colourscheme.h"

class QGraphicsScene;

struct DeckTextColours {
    QColor back;
    QColor title;
    QColor remix;
    QColor artist;  // the artist line and the time share it
    QColor caption;
};

struct MixerTextColours {
    QColor back;
    QColor border;
    QColor text;
};

// The text colours of the left or the right deck; other scopes get invalid
// colours.
DeckTextColours decktextcolours(const ColourScheme &colours, ColourScope scope);
MixerTextColours mixertextcolours(const ColourScheme &colours);

// Replace the scene's items with the display.
void drawdecktextpreview(QGraphicsScene *scene, const DeckTextColours &colours);
void drawmixertextpreview(QGraphicsScene *scene, const MixerTextColours &colours);
