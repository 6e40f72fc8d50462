#pragma once
// Where each module window of the user's layout goes in the new skin, and
// how the right-hand modules (second deck "D2_", right mixer side "M2_")
// are placed from their left-hand twins ("D1_", "M1_").
#include "skinmodel/skinmodel.h"

#include <QString>
#include <QVector>

// The scale factors and offsets that a module's contents are written with.
struct ModulePlace
{
    float resizeX;
    float resizeY;
    int groupXpos;
    int groupYpos;
};

// The place of a module from its windows row (host place and size on the
// user's screen, Tessary size) and the skin scale. A Tessary width or height
// that is not positive cannot give a factor: that axis keeps the skin scale.
ModulePlace moduleplace(const QVector<QString> &row, float skinscale);

// Everything the new host x of a right-hand module depends on.
struct TwinPlacement
{
    int screen;             // the width of the user's screen
    int twinx;              // the twin's host x and width
    int twinwidth;
    bool defaultgroup;      // the twin is in no numbered group
    bool sideclone;         // the default group is cloned, not mirrored
    bool groupclone;        // the twin's own group is cloned
    int sidepos;            // all visible left-hand modules of the side
    int sidewidth;
    int blockpos;           // those of the twin's group
    int blockwidth;
};

// The right-hand module's host x: the twin mirrored across the middle of the
// screen or moved right by half of it; in a numbered group, the group's
// block is moved by the side's choice and the module within the block by
// the group's own choice.
int twinhostx(const TwinPlacement &placement);

// The name of a right-hand row's twin as the preparation looks it up: every
// "D2_" becomes "D1_", then every "M2_" becomes "M1_". (The module pass
// swaps only the module's own side prefix.)
QString twinname(const QString &name);

// Before pruning: each right-hand row whose twin the host shows takes the
// twin's size, vertical place and factor flag, an x of 0 (placed later)
// and becomes visible. Rows are padded to the twelve columns first.
void preparetwinrows(SkinModel &model);
