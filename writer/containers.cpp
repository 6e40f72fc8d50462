// The container elements: group, deck and panel carry the nesting of the
// skin into the new document and hand every child to the dispatcher.
#include "skinwriter.h"

#include <functional>

namespace {

struct ContainerSpec
{
    const char *tag;            // the tag written
    AddFilter add;              // whether add="no" skips the container
    QVector<AttributeRule> attributes;
    bool emptylineafter;        // groups are set apart by an empty line
};

const ContainerSpec panel{"panel", SkipWhenAddNo,
                          {{"name"}, {"class"}, {"visibility"}, {"group"}, {"visible"}}, false};
const ContainerSpec deck{"deck", WriteAlways, {{"deck"}}, false};
const ContainerSpec group{"group", SkipWhenAddNo, {{"name"}, {"visibility"}, {"visible"}}, true};
// The system panel is written as a group; instead of skipping itself it
// leaves out each of its children marked add="no".
const ContainerSpec systemarea{"group", WriteAlways, {{"name"}, {"visibility"}, {"visible"}}, true};

using ChildHandler = std::function<void(const QDomNode &child, int level)>;

// A container writes its own lines only when its element has attributes
// (listed or not); without them its children stand at its own level.
void writecontainer(SkinWriter &writer, const ContainerSpec &spec, const QDomNode &node, int level,
                    float resizeX, float resizeY, int groupXpos, int groupYpos,
                    const ChildHandler &handlechild)
{
    writer.showprogress(QStringLiteral("Processing XML ..."), true);
    const QDomElement element = node.toElement();
    if (spec.add == SkipWhenAddNo && isaddno(element))
        return;
    const QString tag = QLatin1String(spec.tag);
    const bool ownlines = element.attributes().count() > 0;
    if (ownlines) {
        ElementContext context{writer, writer.document(), resizeX, resizeY, groupXpos, groupYpos};
        writer.document().appendline(level, QLatin1Char('<') + tag
                                            + writeattributes(context, element, spec.attributes)
                                            + QLatin1Char('>'));
    }
    const int childlevel = ownlines ? level + 1 : level;
    for (QDomNode child = element.firstChild(); !child.isNull(); child = child.nextSibling())
        handlechild(child, childlevel);
    if (ownlines) {
        writer.document().appendline(level, QLatin1String("</") + tag + QLatin1Char('>'));
        if (spec.emptylineafter)
            writer.document().appendemptyline();
    }
}

void writeplaced(SkinWriter &writer, const ContainerSpec &spec, const QDomNode &node, int level,
                 float resizeX, float resizeY, int groupXpos, int groupYpos)
{
    writecontainer(writer, spec, node, level, resizeX, resizeY, groupXpos, groupYpos,
                   [&](const QDomNode &child, int childlevel) {
                       writer.exportchild(child, childlevel, resizeX, resizeY, groupXpos, groupYpos);
                   });
}

} // namespace

void SkinWriter::exportpanel(QDomNode node, int level, float resizeX, float resizeY,
                             int groupXpos, int groupYpos)
{
    writeplaced(*this, panel, node, level, resizeX, resizeY, groupXpos, groupYpos);
}

void SkinWriter::exportdeck(QDomNode node, int level, float resizeX, float resizeY,
                            int groupXpos, int groupYpos)
{
    writeplaced(*this, deck, node, level, resizeX, resizeY, groupXpos, groupYpos);
}

void SkinWriter::exportgroup(QDomNode node, int level, float resizeX, float resizeY,
                             int groupXpos, int groupYpos)
{
    writeplaced(*this, group, node, level, resizeX, resizeY, groupXpos, groupYpos);
}

void SkinWriter::exportsystem(QDomNode node, int level, float resize)
{
    writecontainer(*this, systemarea, node, level, resize, resize, 0, 0,
                   [&](const QDomNode &child, int childlevel) {
                       if (!isaddno(child.toElement()))
                           exportchild(child, childlevel, resize, resize, 0, 0);
                   });
}
