#pragma once
// The background zones of the new skin: each zone module of the user's
// layout is painted into the image sheet as one filled, outlined rectangle
// in the colour the user chose for it.
#include <QColor>
#include <QDomNode>
#include <QSize>
#include <QString>

class ColourScheme;
class SkinModel;

// How a zone module is painted, chosen by its window name.
struct ZoneStyle
{
    QColor fill;        // invalid when the name names no zone colour
    bool shifted;       // a right-hand deck zone moved by half the screen
};

// "GR_ZONE<n>": zone n's colour (zone 1's for any n but 2, 3 and 4);
// "D1_ZONE5"/"D1_ZONE6": the left-hand deck zone colours; any other name is
// a right-hand deck zone ("D2_ZONE5"/"D2_ZONE6") with its colour and the
// model's shift flag for it.
ZoneStyle zonestyle(const QString &name, const ColourScheme &colours, const SkinModel &model);

// The zone's size: the last "size" child of the module's third-level node
// (panel, deck, visual), scaled by the factors; 0 x 0 without one.
QSize zonesize(const QDomNode &module, float resizeX, float resizeY);

// The zone's left edge on a background sheetwidth wide. A shifted zone arrives
// mirrored (sheetwidth - x - width of its twin) and is moved back to its
// twin's x plus half the sheet.
int zoneleft(bool shifted, int sheetwidth, int groupXpos, int width);
