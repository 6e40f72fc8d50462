#pragma once
// Which colour controls of the background zones the user may edit: only
// those of zones the current project shows.
#include <QStringList>
#include <QVector>

namespace zonecontrols {

// The picker, swatch and reset of each of the eight zones (in the zone
// table's order), then those of the zone border.
const QVector<QStringList> &widgetnames();

// For each row of widgetnames(), whether its controls are enabled, from the
// eight zones' visibility as the project file records it (before a right
// zone is derived from its left twin). A derived right zone follows its
// left twin; the border is editable while any zone shows. Missing entries
// count as hidden.
QVector<bool> enabledrows(const QVector<bool> &zonesinfile);

} // namespace zonecontrols
