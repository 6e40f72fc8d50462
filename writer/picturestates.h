#pragma once
// Rows shared by the controls whose states are pictures cut from the
// Tessary image (buttons and visuals). Such an element knows how large its
// pictures are from its own width and height, or from the last "pos" or
// "size" child before a state: those values, unscaled, are the source size
// that each picture state cuts out. Each function builds fresh rows.
#include "elementwriter.h"

namespace transforms {
// A width (height) that also becomes the source width (height): the
// unscaled value as a whole number, 0 when it is none (a fraction, a
// placeholder, a word). The value written is scaled as a size.
QString sourcewidth(ElementContext &context, const QString &value);
QString sourceheight(ElementContext &context, const QString &value);
} // namespace transforms

// x and y as positions, width and height as sizes that set the source size.
QVector<AttributeRule> sourcegeometry();

// "pos" (x, y, width, height) and "size" (width, height) children whose
// width and height set the source size for the states after them.
ChildRule sourceposchild();
ChildRule sourcesizechild();

// The x and y of a picture state. When the state carries x, the region of
// the source image at (x, y) as large as the current source size is packed
// into the new sheet, scaled by the element's factors, and the place it got
// is written as x and y (a y that is missing reads as 0). Without x nothing
// is packed and neither is written, whatever y says.
AttributeRule packedplace();
