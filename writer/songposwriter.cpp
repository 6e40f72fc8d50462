// The song position display of a deck, with the picture of its cue marks.
#include "cuemasks.h"
#include "geometryrows.h"
#include "outputdocument.h"
#include "skinwriter.h"

namespace {

// A "cues" child always becomes the same four lines, whatever it holds: its
// head, the size and the place of its picture in the new sheet, and its end
// tag. The picture's region is the cues' own width and height at 0, 0,
// overridden by its "size" and "clipmask" children (a later one wins, part
// by part); it is scaled by each axis' own factor.
void writecues(ElementContext &context, const QDomElement &cues, int level)
{
    const QString tag = cues.tagName();
    context.document.appendline(
        level, QLatin1Char('<') + tag + writeattributes(context, cues, {{"shade"}}) + QLatin1Char('>'));

    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    overrideint(cues, QStringLiteral("width"), width);
    overrideint(cues, QStringLiteral("height"), height);
    for (QDomNode node = cues.firstChild(); !node.isNull(); node = node.nextSibling()) {
        const QDomElement part = node.toElement();
        if (part.tagName() == QLatin1String("size")) {
            overrideint(part, QStringLiteral("width"), width);
            overrideint(part, QStringLiteral("height"), height);
        }
        if (part.tagName() == QLatin1String("clipmask")) {
            overrideint(part, QStringLiteral("x"), x);
            overrideint(part, QStringLiteral("y"), y);
        }
    }
    const QList<int> place = context.writer.mergepics(x, y, width, height,
                                                      context.resizeX, context.resizeY);

    QString size = QStringLiteral("<size");
    appendattribute(size, QStringLiteral("width"), QString::number(place.value(2)));
    appendattribute(size, QStringLiteral("height"), QString::number(place.value(3)));
    context.document.appendline(level + 1, size + QLatin1String("/>"));
    QString clipmask = QStringLiteral("<clipmask");
    appendattribute(clipmask, QStringLiteral("x"), QString::number(place.value(0)));
    appendattribute(clipmask, QStringLiteral("y"), QString::number(place.value(1)));
    context.document.appendline(level + 1, clipmask + QLatin1String("/>"));
    context.document.appendline(level, QLatin1String("</") + tag + QLatin1Char('>'));
}

// The colours name colour definitions of the skin, which are recoloured
// there; the deck is not written.
const ElementSpec songpos{
    "songpos", WriteAlways, Ending::ByChildren,
    geometryattributes() + QVector<AttributeRule>{
        {"visibility"}, {"colorPlayed"}, {"colorBass"}, {"colorHigh"}, {"colorMed"}},
    {poschild(), sizechild(), child({QStringLiteral("cues")}, writecues)}};

} // namespace

void SkinWriter::exportsongpos(QDomNode node, int level, float resizeX, float resizeY,
                               int groupXpos, int groupYpos)
{
    writeelement(songpos, node, level, resizeX, resizeY, groupXpos, groupYpos);
}
