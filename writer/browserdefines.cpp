// Browser definitions: the colours and fonts of the host's file browser,
// copied exactly as the Tessary skin gives them, nothing scaled or
// recoloured. Every one is written; the browser element names the one the
// user chose.
#include "skinwriter.h"

namespace {

const QVector<AttributeRule> colourattributes = {
    {"line"}, {"background"}, {"text"}, {"iconbackground"}, {"border"}, {"stripes"},
    {"over"}, {"overstripes"}, {"selected"}, {"focus"}, {"overtext"}, {"selectedtext"},
    {"focustext"}, {"selectedstripes"}, {"focusstripes"}, {"label"}, {"insert"},
    {"buttonactive"}, {"button"}, {"scan"}, {"download"}, {"livefeedback"}, {"automix"},
    {"artist"}, {"title"}, {"cursor"}, {"buttonbackground"}, {"buttonselected"},
    {"backgroundmouseover"}, {"backgroundselected"}};

const ElementSpec colors{
    "colors", WriteAlways, Ending::EndTag, {{"background"}},
    {child({QStringLiteral("separators"), QStringLiteral("toolbars"), QStringLiteral("lists"),
            QStringLiteral("grids"), QStringLiteral("columns"), QStringLiteral("scrollbars"),
            QStringLiteral("info"), QStringLiteral("search"), QStringLiteral("prelisten")},
           colourattributes)}};

const ElementSpec browserdefine{
    "define", WriteAlways, Ending::EndTag, {{"class"}},
    {child({QStringLiteral("colors")}, colors),
     child({QStringLiteral("font"), QStringLiteral("fontsearch"), QStringLiteral("fontheader"),
            QStringLiteral("fontgridtitle")},
           {{"weight"}, {"size"}})}};

} // namespace

void SkinWriter::exportbrowserdefine(QDomNode node, int level)
{
    writeelement(browserdefine, node, level, 1.0f, 1.0f, 0, 0);
}
