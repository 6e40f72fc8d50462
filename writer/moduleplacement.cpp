// Module placement: every module window of the pruned skin becomes one
// group of the new document.
#include "skinwriter.h"

#include "xmlescape.h"

// The windows table needs no preparation while every module is written at
// the place its own contents give.
void SkinWriter::preparewindows()
{
}

// Writes the module's live panel scaled by the skin scale, without moving
// it: a module's place on the user's screen is not applied here.
void SkinWriter::placemodule(const QDomElement &module, float skinscale)
{
    const QString name = module.attribute(QStringLiteral("name"));
    showprogress(QStringLiteral("Processing Module XML element ") + name, false);
    QString opening = QStringLiteral("<group");
    appendattribute(opening, QStringLiteral("name"), name);
    document().appendline(1, opening + QLatin1Char('>'));
    const QDomElement content = module.firstChild().toElement();
    if (content.tagName() == QLatin1String("panel"))
        exportpanel(content, 2, skinscale, skinscale, 0, 0);
    document().appendline(1, QStringLiteral("</group>"));
    document().appendemptyline();
}
