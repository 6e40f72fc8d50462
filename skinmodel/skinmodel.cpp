#include "skinmodel.h"

// Placeholder until the zone reader lands.
void SkinModel::initzones(const QString &)
{
    zones.clear();
    for (int i = 0; i < 8; ++i)
        zones.append({0, 0, 0, 0, 0});
}
