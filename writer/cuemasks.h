#pragma once
// Cue marks of the waveform displays (rhythm zone and scratch waveform): a
// cue holds a text and mask pictures. A mask's picture is copied from the
// Tessary image into the new image sheet, and the mask is written with the
// place that the sheet gave it.
#include "elementwriter.h"

#include <QDomElement>

// Overwrites value with the base-10 integer of element's attribute name when
// the element carries it (a value that is no whole number reads as 0); an
// absent attribute leaves value as it is.
void overrideint(const QDomElement &element, const QString &name, int &value);

// The first attribute row of a cue: writes nothing, and starts the cue's
// mask region at 0, 0, 0, 0.
AttributeRule startcuemasks();

// A cue's "mask" child. Its x, y, width and height override those of the
// previous mask of the same cue; the region is packed scaled by the larger
// of the two factors on both axes, so that the picture keeps its
// proportions, and the mask line always carries all four numbers.
ChildRule maskchild();
