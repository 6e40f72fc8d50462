// Definitions: colour definitions get the user's colour for their name and
// deck; class definitions are copied with their template children, whole
// controls among them going to the control writers.
#include "skinwriter.h"

#include "mapping/colourmapping.h"

using namespace transforms;

namespace {

// The colour pair: a colour definition needs both its name and a value to
// be recoloured; either alone is dropped.
void writecolourpair(ElementContext &context, const QDomElement &define, QString &line)
{
    const QString color = define.attribute(QStringLiteral("color"), QString());
    if (color.isNull() || !define.hasAttribute(QStringLiteral("value")))
        return;
    appendattribute(line, QStringLiteral("color"), color);
    appendattribute(line, QStringLiteral("value"), changexmlcolor(context.writer.colours(), define));
}

using ControlMember = void (SkinWriter::*)(QDomNode, int, float, float, int, int);

// A whole control inside a definition is written by its own writer with the
// definition's factors and offsets (a grab zone keeps the definition's
// vertical factor, unlike one that the dispatcher meets).
ChildRule controlchild(const char *tag, ControlMember writer)
{
    return child({QLatin1String(tag)}, [writer](ElementContext &context, const QDomElement &element,
                                               int level) {
        (context.writer.*writer)(element, level, context.resizeX, context.resizeY,
                                 context.groupXpos, context.groupYpos);
    });
}

// The template children are the definition's own lists: they are not the
// lists of the same tags inside the controls.
const QVector<AttributeRule> position = {
    {"x", posx}, {"y", posy}, {"width", sizex}, {"height", sizey}};

const QVector<AttributeRule> size = {{"width", sizex}, {"height", sizey}};

const QVector<AttributeRule> icon = {
    {"sysicon"}, {"width", sizex}, {"height", sizey}, {"dx", sizex}, {"dy", sizex},
    {"color"}, {"colorver"}, {"colorselected"}, {"colordown"}, {"colorover"}};

const QVector<AttributeRule> state = {
    {"width", sizex}, {"height", sizey}, {"shape"}, {"color"}, {"color2"}, {"gradient"},
    {"border"}, {"border_size", sizex}};

// Text looks scale every size, the height included, horizontally.
const QVector<AttributeRule> text = {
    {"size", sizex}, {"fontsize", sizex}, {"dx", sizex}, {"dy", sizex}, {"width", sizex},
    {"height", sizex}, {"weight"}, {"align"}, {"color"}, {"text"}, {"action"}};

const ElementSpec define{
    "define", SkipWhenAddNo, Ending::ByChildren,
    {{"class"}, {"classdeck"}, AttributeRule(CustomAttributes(writecolourpair)), {"deck"},
     {"placeholders"}},
    {controlchild("button", &SkinWriter::exportbutton),
     controlchild("slider", &SkinWriter::exportslider),
     controlchild("textzone", &SkinWriter::exporttextzone),
     controlchild("visual", &SkinWriter::exportvisual),
     controlchild("logo", &SkinWriter::exportlogo),
     controlchild("grabzone", &SkinWriter::exportgrabzone),
     controlchild("line", &SkinWriter::exportline),
     child({QStringLiteral("pos")}, position),
     child({QStringLiteral("size")}, size),
     child({QStringLiteral("icon")}, icon),
     child({QStringLiteral("off"), QStringLiteral("up"), QStringLiteral("on"),
            QStringLiteral("selected"), QStringLiteral("over"), QStringLiteral("down"),
            QStringLiteral("downselected"), QStringLiteral("overselected"),
            QStringLiteral("background")},
           state),
     child({QStringLiteral("text"), QStringLiteral("textover"), QStringLiteral("textselected"),
            QStringLiteral("textdown")},
           text)}};

} // namespace

void SkinWriter::exportdefine(QDomNode node, int level, float resizeX, float resizeY,
                              int groupXpos, int groupYpos)
{
    // Browser definitions have a vocabulary of their own, and are written
    // whatever their add says.
    const QString cls = node.toElement().attribute(QStringLiteral("class"), QString());
    if (cls.startsWith(QLatin1String("browser"))) {
        exportbrowserdefine(node, level);
        return;
    }
    writeelement(define, node, level, resizeX, resizeY, groupXpos, groupYpos);
}
