#pragma once
// The button preview: one button of a scope in its off, over and on states.
#include "colours/colourscheme.h"
#include "preview/drawingrules.h"

class QGraphicsScene;

// The button colours of the left deck, the right deck or the mixer; other
// scopes have no buttons and get invalid colours.
StateRows buttoncolours(const ColourScheme &colours, ColourScope scope);

// Replaces the scene's items with three captioned boxes stacked from the
// top, each filled with its state's gradient (flat in fill1 while flat).
void drawbuttonpreview(QGraphicsScene *scene, const StateRows &states, bool flat);
