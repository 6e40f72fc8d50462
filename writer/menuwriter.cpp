// Drop-down menus with their states, entries and submenus.
#include "geometryrows.h"
#include "skinwriter.h"

using namespace transforms;

namespace {

// A menu's states have no position of their own. Their border is scaled
// like any size (a menu border may vanish, unlike a slider's).
const QVector<AttributeRule> menustate = {
    {"width", sizex}, {"height", sizey}, {"shape"}, {"color"}, {"color2"},
    {"gradient"}, {"border"}, {"border_size", sizex}};

// Entries carry scripts, which are escaped for the attribute.
const QVector<AttributeRule> entry = {
    {"text"}, {"action", action}, {"check", action}, {"hascheck"}, {"localize"}};

// A submenu always has an end tag, even when empty; only its entries are
// kept, a nested submenu is dropped.
const ElementSpec submenu{
    "", WriteAlways, Ending::EndTag, {{"text"}},
    {child({QStringLiteral("item")}, entry)}};

const ElementSpec menu{
    "menu", SkipWhenAddNo, Ending::ByChildren,
    geometryattributes() + QVector<AttributeRule>{
        {"border_size", sizex}, {"class"}, {"visibility"}},
    {textchild({QStringLiteral("tooltip")}),
     poschild(),
     sizechild(),
     child({QStringLiteral("off"), QStringLiteral("up"), QStringLiteral("on"),
            QStringLiteral("selected"), QStringLiteral("over"), QStringLiteral("down"),
            QStringLiteral("downselected"), QStringLiteral("overselected"),
            QStringLiteral("background")},
           menustate),
     child({QStringLiteral("item")}, entry),
     child({QStringLiteral("submenu")}, submenu)}};

} // namespace

void SkinWriter::exportmenu(QDomNode node, int level, float resizeX, float resizeY,
                            int groupXpos, int groupYpos)
{
    writeelement(menu, node, level, resizeX, resizeY, groupXpos, groupYpos);
}
