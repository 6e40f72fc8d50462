#pragma once
// The system button preview: one icon button of the mixer in its off, over
// and on states, with an "X" for its icon.
#include "colours/colourscheme.h"
#include "preview/drawingrules.h"

class QGraphicsScene;

// The mixer's system button colours; fill2 repeats fill1 (solid fills).
StateRows systemcolours(const ColourScheme &colours);

// Replaces the scene's items with three solid squares, each with its mark.
void drawsystempreview(QGraphicsScene *scene, const StateRows &states);
