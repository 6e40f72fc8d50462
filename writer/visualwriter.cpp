// Visuals: displays of a script value, drawn as shapes or as pictures cut
// from the Tessary image, with optional rows of lamps (leds) and a mask.
#include "picturestates.h"
#include "skinwriter.h"

#include "colours/colourscheme.h"

using namespace transforms;

namespace {

// A visual that names a colour in colorreplace shows, in place of it, the
// jog ring colour that the user chose for its deck (the left deck's when
// deck is "left", else the right deck's).
void recolouredsource(ElementContext &context, const QDomElement &visual, QString &line)
{
    QString source = visual.attribute(QStringLiteral("source"), QString());
    if (source.isNull())
        return;
    const QString replaced = visual.attribute(QStringLiteral("colorreplace"));
    // An empty search text would put the colour between every two characters.
    if (!replaced.isEmpty()) {
        const ColourScheme &colours = context.writer.colours();
        const bool left = visual.attribute(QStringLiteral("deck")) == QLatin1String("left");
        const QColor &ring = left ? colours.d1_jogringon : colours.d2_jogringon;
        source.replace(replaced, ring.name(), Qt::CaseSensitive);
    }
    appendattribute(line, QStringLiteral("source"), source);
}

// A state's border scales like the button's (never below 1 pixel) unless
// the state asks with borderresize "no" to keep it exactly as given.
void stateborder(ElementContext &context, const QDomElement &state, QString &line)
{
    const QString size = state.attribute(QStringLiteral("border_size"), QString());
    if (size.isNull())
        return;
    const bool keep = state.attribute(QStringLiteral("borderresize")) == QLatin1String("no");
    appendattribute(line, QStringLiteral("border_size"),
                    keep ? size : sizexatleast1(context, size));
}

const QVector<AttributeRule> visualstate = {
    packedplace(), {"width", sizex}, {"height", sizey}, {"shape"}, {"color"}, {"color2"},
    {"gradient"}, {"border"}, AttributeRule(CustomAttributes(stateborder)), {"radius", sizex}};

// A lamp's looks are shapes only: no picture, and its border scales plainly.
const QVector<AttributeRule> lampstate = {
    {"width", sizex}, {"height", sizey}, {"shape"}, {"color"}, {"color2"}, {"gradient"},
    {"border"}, {"border_size", sizex}, {"radius", sizex}};

// A lamp sits in the visual's own coordinates; it always has an end tag.
const ElementSpec led{
    "led", WriteAlways, Ending::EndTag,
    {{"x", posx}, {"y", posy}, {"width", sizex}, {"height", sizey}},
    {child({QStringLiteral("off"), QStringLiteral("on")}, lampstate)}};

const ElementSpec visual{
    "visual", SkipWhenAddNo, Ending::ByChildren,
    sourcegeometry() + QVector<AttributeRule>{
        {"iconsize", sizex}, {"textsize", sizex}, {"class"}, {"action"},
        AttributeRule(CustomAttributes(recolouredsource)), {"type"}, {"rightclick"},
        {"dblclick"}, {"disabled"}, {"frommiddle"}, {"orientation"}, {"direction"},
        {"visibility"}, {"smooth"}},
    {textchild({QStringLiteral("tooltip")}),
     sourceposchild(),
     sourcesizechild(),
     child({QStringLiteral("off"), QStringLiteral("on")}, visualstate),
     child({QStringLiteral("led")}, led),
     child({QStringLiteral("mask")}, {packedplace()})}};

} // namespace

void SkinWriter::exportvisual(QDomNode node, int level, float resizeX, float resizeY,
                              int groupXpos, int groupYpos)
{
    writeelement(visual, node, level, resizeX, resizeY, groupXpos, groupYpos);
}
