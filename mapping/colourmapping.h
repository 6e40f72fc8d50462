#pragma once
// The colour that the new skin gives each colour define of the Tessary skin.
#include <QDomNode>
#include <QString>

class ColourScheme;

// For a define of the Tessary skin's "colors_shortcuts" (attributes color,
// value and, for a per-deck colour, deck "left" or "right"): the user's colour
// as "#rrggbb" when the define names one of the scheme's colours, otherwise
// the define's own value unchanged (the empty text when it has none). While
// gradients are disabled, the second colour of a gradient gives the first.
QString changexmlcolor(const ColourScheme &colours, const QDomNode &node);
