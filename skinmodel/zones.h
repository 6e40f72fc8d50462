#pragma once
// The eight background zones of a project: four global zones and a left and
// right zone for each of the two deck pairs. When the project shows the left
// zone of a pair but not its right partner, the right one is derived from it,
// mirrored about the screen's middle or shifted by half the screen width.
#include <QList>
#include <QString>
#include <QVector>

class HostRecord;

// The Tessary window number of each zone, in the order of SkinModel::zones:
// zones 1 to 4, then 5-L, 5-R, 6-L, 6-R.
const QVector<int> &zonewindownumbers();

// The record's placement of one Tessary window as [visible 1 or 0, x, y,
// width, height]; five zeros when the record does not place it.
QList<int> zoneplacement(const HostRecord &record, int windownumber, const QString &tyname);

// Whether the script variables (the text of QRNScriptGlobalVariables) switch
// the zone option "$TYX_ZONE" + zonenr on. The first item whose name holds
// that text decides: on when its value's integer part is exactly "1".
bool zoneoption(const QString &variables, int zonenr);

// The right zone made from a shown left zone: shifted by half the screen
// width, or mirrored about the screen's vertical middle.
QList<int> derivedrightzone(const QList<int> &left, int skinwidth, bool shifted);

// The number of pieces into which splitter cuts the text of the first
// element named setting in the host's settings file at path (empty pieces
// kept, so at least 1). A missing file or element reads as empty text.
int checsetting(const QString &path, const QString &setting, const QString &splitter);
