// Custom icons: the browser icon set that the user chose is packed into the
// image sheet, and the customicons element tells the host where it lies.
#include "skinwriter.h"

#include "skinmodel/textfunctions.h"


using namespace transforms;

namespace {

QString iconstrippath(IconOption option)
{
    return option == IconOption::Alternative ? QStringLiteral(":/Resources/icons.png")
                                             : QStringLiteral(":/Resources/icons_white.png");
}

// The strip's place: only when the input asks for one with an x (a missing
// y reads as 0).
void writestripplace(ElementContext &context, const QDomElement &icons, QString &line)
{
    const QString x = icons.attribute(QStringLiteral("x"), QString());
    if (x.isNull())
        return;
    const QList<int> place = context.writer.mergeicons(textint(x),
                                                       textint(icons.attribute(QStringLiteral("y"))));
    appendattribute(line, QStringLiteral("x"), QString::number(place.value(0)));
    appendattribute(line, QStringLiteral("y"), QString::number(place.value(1)));
}

const ElementSpec customicons{
    "customicons", SkipWhenAddNo, Ending::SelfClosing,
    {{"iconsize"}, {"nb", action}, {"nbx"}, AttributeRule(CustomAttributes(writestripplace))},
    {}};

// The host finds the first icon column this far right of the strip's edge.
const int firsticoncolumn = 14;

} // namespace

void SkinWriter::exportcustomicons(QDomNode node, int level)
{
    // The default icons need nothing in the new skin.
    if (icons == IconOption::Default)
        return;
    writeelement(customicons, node, level, 1.0f, 1.0f, 0, 0);
}

QList<int> SkinWriter::mergeicons(int oldX, int oldY)
{
    showprogress(QStringLiteral("Adding Icons ..."), true);
    const QImage strip(iconstrippath(icons));
    const int w = strip.width();
    const int h = strip.height();
    // A desktop narrower than the strip widens the sheet, so that the icons
    // that the document points at all lie inside it.
    m_sheet.widen(w + 5);
    const QPoint at = packregion(strip, oldX, oldY, w, h, w, h);
    return {at.x() + firsticoncolumn, at.y(), w, h};
}
