#include "picturestates.h"

#include "skinwriter.h"
#include "skinmodel/textfunctions.h"

namespace transforms {

QString sourcewidth(ElementContext &context, const QString &value)
{
    context.sourcewidth = textint(value);
    return sizex(context, value);
}

QString sourceheight(ElementContext &context, const QString &value)
{
    context.sourceheight = textint(value);
    return sizey(context, value);
}

} // namespace transforms

using namespace transforms;

QVector<AttributeRule> sourcegeometry()
{
    return {{"x", posx}, {"y", posy}, {"width", sourcewidth}, {"height", sourceheight}};
}

ChildRule sourceposchild()
{
    return child({QStringLiteral("pos")}, sourcegeometry());
}

ChildRule sourcesizechild()
{
    return child({QStringLiteral("size")}, {{"width", sourcewidth}, {"height", sourceheight}});
}

namespace {

void writepackedplace(ElementContext &context, const QDomElement &state, QString &line)
{
    const QString x = state.attribute(QStringLiteral("x"), QString());
    if (x.isNull())
        return;
    // The place in the source image is taken as it stands: it is no screen
    // position, so it is neither scaled nor shifted.
    const int oldY = textint(state.attribute(QStringLiteral("y")));
    const int oldX = textint(x);
    const QList<int> place = context.writer.mergepics(oldX, oldY, context.sourcewidth,
                                                      context.sourceheight, context.resizeX,
                                                      context.resizeY);
    appendattribute(line, QStringLiteral("x"), QString::number(place.value(0)));
    appendattribute(line, QStringLiteral("y"), QString::number(place.value(1)));
}

} // namespace

AttributeRule packedplace()
{
    return AttributeRule(CustomAttributes(writepackedplace));
}
