// Faders and knobs: one table serves every orientation.
#include "geometryrows.h"
#include "skinwriter.h"

using namespace transforms;

namespace {

// The drawing states of a slider. A border must stay visible when scaled
// down, so one that scales to 0 is written as 1.
const QVector<AttributeRule> sliderstate = {
    {"width", sizex}, {"height", sizey}, {"radius", sizex}, {"shape"}, {"backcolor"},
    {"color"}, {"color2"}, {"gradient"}, {"border"}, {"border_size", sizexatleast1},
    {"anglemin"}, {"anglemax"}};

// The mouse rectangle lies relative to the slider and is written signed, as
// the host reads it ("-20", "+0"); it takes no group offset.
const QVector<AttributeRule> mouserect = {
    {"width", sizex}, {"height", sizey}, {"x", signedsizex}, {"y", signedsizey}};

const ElementSpec slider{
    "slider", SkipWhenAddNo, Ending::ByChildren,
    geometryattributes() + QVector<AttributeRule>{
        {"iconsize", sizex}, {"textsize", sizex}, {"class"}, {"action"}, {"rightclick"},
        {"dblclick"}, {"disabled"}, {"frommiddle"}, {"orientation"}, {"direction"},
        {"visibility"}},
    {textchild({QStringLiteral("tooltip")}),
     poschild(),
     sizechild(),
     child({QStringLiteral("off"), QStringLiteral("on"), QStringLiteral("fill"),
            QStringLiteral("fader")},
           sliderstate),
     child({QStringLiteral("mouserect")}, mouserect)}};

} // namespace

void SkinWriter::exportslider(QDomNode node, int level, float resizeX, float resizeY,
                              int groupXpos, int groupYpos)
{
    writeelement(slider, node, level, resizeX, resizeY, groupXpos, groupYpos);
}
