#include "cuemasks.h"

#include "outputdocument.h"
#include "skinwriter.h"
#include "skinmodel/textfunctions.h"

void overrideint(const QDomElement &element, const QString &name, int &value)
{
    const QString text = element.attribute(name, QString());
    if (!text.isNull())
        value = textint(text);
}

AttributeRule startcuemasks()
{
    return AttributeRule([](ElementContext &context, const QDomElement &, QString &) {
        context.maskx = context.masky = context.maskwidth = context.maskheight = 0;
    });
}

namespace {

// The larger factor; the vertical one when they are equal or either is not
// a number.
float maskfactor(const ElementContext &context)
{
    return context.resizeX > context.resizeY ? context.resizeX : context.resizeY;
}

void writemask(ElementContext &context, const QDomElement &mask, int level)
{
    overrideint(mask, QStringLiteral("x"), context.maskx);
    overrideint(mask, QStringLiteral("y"), context.masky);
    overrideint(mask, QStringLiteral("width"), context.maskwidth);
    overrideint(mask, QStringLiteral("height"), context.maskheight);
    const float factor = maskfactor(context);
    const QList<int> place = context.writer.mergepics(context.maskx, context.masky, context.maskwidth,
                                                      context.maskheight, factor, factor);
    QString line = QStringLiteral("<mask");
    appendattribute(line, QStringLiteral("x"), QString::number(place.value(0)));
    appendattribute(line, QStringLiteral("y"), QString::number(place.value(1)));
    appendattribute(line, QStringLiteral("width"), QString::number(place.value(2)));
    appendattribute(line, QStringLiteral("height"), QString::number(place.value(3)));
    context.document.appendline(level, line + QLatin1String("/>"));
}

} // namespace

ChildRule maskchild()
{
    return child({QStringLiteral("mask")}, writemask);
}
