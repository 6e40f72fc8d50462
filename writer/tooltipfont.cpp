// Tooltip and font elements: the look of the skin's tooltips and its
// default font. Nothing in them is scaled.
#include "skinwriter.h"

namespace {

const ElementSpec tooltip{"tooltip", WriteAlways, Ending::SelfClosing,
                          {{"color"}, {"shortcut"}, {"back"}, {"size"}}, {}};
const ElementSpec font{"font", WriteAlways, Ending::SelfClosing,
                       {{"name"}, {"size"}, {"weight"}}, {}};

} // namespace

void SkinWriter::exporttooltip(QDomNode node, int level)
{
    writeelement(tooltip, node, level, 1.0f, 1.0f, 0, 0);
}

void SkinWriter::exportfont(QDomNode node, int level)
{
    writeelement(font, node, level, 1.0f, 1.0f, 0, 0);
}
