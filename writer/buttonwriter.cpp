// Buttons: their geometry and scripts, a picture per image state, caption
// states, icon and tooltip.
#include "picturestates.h"
#include "skinwriter.h"

using namespace transforms;

namespace {

// A border that scales to nothing would vanish, so it stays 1 pixel wide.
const QVector<AttributeRule> imagestate = {
    packedplace(), {"width", sizex}, {"height", sizey}, {"shape"}, {"color"}, {"color2"},
    {"gradient"}, {"border"}, {"border_size", sizexatleast1}};

// Captions scale with the horizontal factor only, heights and offsets
// included, so that the text keeps its proportions inside the button.
const QVector<AttributeRule> textstate = {
    {"size", sizex}, {"fontsize", sizex}, {"dx", sizex}, {"dy", sizex}, {"width", sizex},
    {"height", sizex}, {"weight"}, {"align"}, {"color"}, {"text"}, {"format"},
    {"action", action}};

// An icon's offsets are sizes: they move it within the button, without the
// group's offset. Its vertical offset follows the horizontal factor.
const QVector<AttributeRule> icon = {
    {"sysicon"}, {"width", sizex}, {"height", sizey}, {"dx", sizex}, {"dy", sizex},
    {"color"}, {"colorover"}, {"colorselected"}, {"colordown"}};

const QStringList imagestatetags = {
    QStringLiteral("off"), QStringLiteral("up"), QStringLiteral("on"),
    QStringLiteral("selected"), QStringLiteral("over"), QStringLiteral("down"),
    QStringLiteral("downselected"), QStringLiteral("overselected"),
    QStringLiteral("background")};

const QStringList textstatetags = {
    QStringLiteral("text"), QStringLiteral("textover"), QStringLiteral("textselected"),
    QStringLiteral("textdown")};

const ElementSpec button{
    "button", SkipWhenAddNo, Ending::ByChildren,
    sourcegeometry() + QVector<AttributeRule>{
        {"iconsize", sizex}, {"textsize", sizex}, {"textwidth", sizex},
        {"border_size", sizexatleast1}, {"textdx", sizex}, {"icondx", sizex}, {"class"},
        {"action", action}, {"rightclick"}, {"dblclick"}, {"sysicon"}, {"text"},
        {"textaction", action}, {"query", action}, {"visibility"}},
    {textchild({QStringLiteral("tooltip")}),
     sourceposchild(),
     sourcesizechild(),
     child({QStringLiteral("icon")}, icon),
     child(imagestatetags, imagestate),
     child(textstatetags, textstate)}};

} // namespace

void SkinWriter::exportbutton(QDomNode node, int level, float resizeX, float resizeY,
                              int groupXpos, int groupYpos)
{
    writeelement(button, node, level, resizeX, resizeY, groupXpos, groupYpos);
}
