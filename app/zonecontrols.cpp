#include "zonecontrols.h"

namespace zonecontrols {

const QVector<QStringList> &widgetnames()
{
    static const QVector<QStringList> rows = {
        {"zonebackcolor", "zone1color_label", "resetzoneback"},
        {"zone2backcolor", "zone2color_label", "resetzone2back"},
        {"zone3backcolor", "zone3color_label", "resetzone3back"},
        {"zone4backcolor", "zone4color_label", "resetzone4back"},
        {"zone5backcolor", "zone5color_label", "resetzone5back"},
        {"zone6backcolor", "zone6color_label", "resetzone6back"},
        {"zone7backcolor", "zone7color_label", "resetzone7back"},
        {"zone8backcolor", "zone8color_label", "resetzone8back"},
        {"zoneborder_color", "zoneborder_label", "zoneborder_reset"},
    };
    return rows;
}

QVector<bool> enabledrows(const QVector<bool> &zonesinfile)
{
    QVector<bool> shown(8, false);
    for (int i = 0; i < 8 && i < zonesinfile.size(); ++i)
        shown[i] = zonesinfile.at(i);

    QVector<bool> rows = shown;
    // Entries 5 and 7 are the right zones of the two deck pairs.
    rows[5] = shown[4] || shown[5];
    rows[7] = shown[6] || shown[7];
    rows.append(shown.contains(true));
    return rows;
}

} // namespace zonecontrols
