#pragma once
// The drop-down button preview: a body with the state's caption and an arrow
// part with a "V" mark, in the off, over and on states.
#include "colours/colourscheme.h"
#include "preview/drawingrules.h"

class QGraphicsScene;

// The drop-down colours of any of the four scopes.
StateRows dropdowncolours(const ColourScheme &colours, ColourScope scope);

// Replaces the scene's items with three rows of body, arrow, caption and
// mark; body and arrow share their row's gradient (flat in fill1 while flat).
void drawdropdownpreview(QGraphicsScene *scene, const StateRows &states, bool flat);
