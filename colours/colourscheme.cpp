#include "colourscheme.h"

// Placeholders until the colour table lands.
bool ColourScheme::loadcolorprofile(const QString &) { return false; }
bool ColourScheme::savecolors(const QString &) const { return false; }
