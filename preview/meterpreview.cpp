#include "meterpreview.h"

#include <QGraphicsScene>

#include "preview/drawingrules.h"

MeterColours metercolours(const ColourScheme &c, ColourScope scope)
{
    switch (scope) {
    case ColourScope::D1:
        return {c.d1_vuback, c.d1_vuoff, c.d1_vuon, c.d1_vupeak};
    case ColourScope::D2:
        return {c.d2_vuback, c.d2_vuoff, c.d2_vuon, c.d2_vupeak};
    case ColourScope::Mixer:
        return {c.m_vuback, c.m_vuoff, c.m_vuon, c.m_vupeak};
    default:
        return MeterColours{};
    }
}

namespace {

const int segments = 9;
const qreal segmentpitch = 12;  // a 10-unit segment and a 2-unit gap

QRectF segment(qreal columnx, int index)
{
    return QRectF(columnx + 2, 12 + segmentpitch * index, 16, 10);
}

} // namespace

void drawmeterpreview(QGraphicsScene *scene, const MeterColours &colours)
{
    if (!scene)
        return;
    const qreal silent = 30;
    const qreal loud = 65;
    const QPen nopen(Qt::NoPen);

    scene->clear();
    scene->addRect(QRectF(silent, 10, 20, 111), nopen, solidbrush(colours.back));
    scene->addRect(QRectF(loud, 10, 20, 111), nopen, solidbrush(colours.back));
    for (int index = 0; index < segments; ++index)
        scene->addRect(segment(silent, index), nopen, solidbrush(colours.off));
    scene->addRect(segment(loud, 0), nopen, solidbrush(colours.peak));
    for (int index = 1; index < segments; ++index)
        scene->addRect(segment(loud, index), nopen, solidbrush(colours.on));
}
