#pragma once
// The fader preview: scale lines, a track with its off and on parts, and the
// cap. Deck faders stand upright, the mixer and video crossfaders lie flat.
#include <QColor>

#include "colours/colourscheme.h"

class QGraphicsScene;

struct FaderColours {
    QColor lines;
    QColor trackborder;
    QColor trackoff;
    QColor trackon;
    QColor cap1;  // cap, gradient colour 1
    QColor cap2;  // cap, gradient colour 2
    QColor capoutline;
};

enum class FaderShape { Vertical, Horizontal };

// The fader colours of any of the four scopes; both decks share one colour
// for their scale lines.
FaderColours fadercolours(const ColourScheme &colours, ColourScope scope);

// Decks have upright faders, the mixer and video scopes crossfaders.
FaderShape fadershape(ColourScope scope);

// Replaces the scene's items with the fader (flat cap while flat).
void drawfaderpreview(QGraphicsScene *scene, FaderShape shape, const FaderColours &colours, bool flat);
