#pragma once
// Table rows that many control writers share: the geometry of a placed
// element and its "pos" and "size" children. Each function builds fresh
// rows, so writers may use them in their own static tables.
#include "elementwriter.h"

// x and y as positions, width and height as sizes, in that order.
QVector<AttributeRule> geometryattributes();

// A "pos" child: x, y, width, height, scaled like the element's own.
ChildRule poschild();

// A "size" child: width and height only; an x or y on it is dropped.
ChildRule sizechild();
