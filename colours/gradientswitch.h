#pragma once
// The form widgets that follow the "Disable Gradience" switch.
#include <QStringList>

// The object names of the colour-2 widgets of the two decks' gradient pairs,
// 64 in all, left deck first: for the buttons, the drop-down buttons, the
// knob and the fader, the picker, swatch and reset of each colour 2, then
// the copy buttons of those pairs. While gradients are off, colour 2 follows
// colour 1, so these widgets are disabled. The mixer's and the video
// section's are left out: they stay usable whatever the switch says.
QStringList gradientswitchwidgets();
