// Text zones: controls that show a text, with their looks and the text's
// own sizes and script. They hold no picture.
#include "geometryrows.h"
#include "skinwriter.h"

using namespace transforms;

namespace {

// A text zone's border scales like any size, down to 0.
const QVector<AttributeRule> zonestate = {
    {"width", sizex}, {"height", sizey}, {"shape"}, {"color"}, {"color2"}, {"gradient"},
    {"border"}, {"border_size", sizex}};

const QVector<AttributeRule> zonetext = {
    {"size", sizex}, {"fontsize", sizex}, {"weight"}, {"align"}, {"color"}, {"text"},
    {"format"}, {"action", action}};

const ElementSpec textzone{
    "textzone", SkipWhenAddNo, Ending::ByChildren,
    geometryattributes() + QVector<AttributeRule>{
        {"textsize", sizex}, {"class"}, {"action", action}, {"rightclick"}, {"group"},
        {"click"}, {"scroll"}, {"visibility"}},
    {poschild(),
     sizechild(),
     child({QStringLiteral("off"), QStringLiteral("up"), QStringLiteral("background")},
           zonestate),
     child({QStringLiteral("text")}, zonetext)}};

} // namespace

void SkinWriter::exporttextzone(QDomNode node, int level, float resizeX, float resizeY,
                                int groupXpos, int groupYpos)
{
    writeelement(textzone, node, level, resizeX, resizeY, groupXpos, groupYpos);
}
