#pragma once
// The one mechanism behind every element writer of the new skin.xml: an
// element is described by a table (its tag, whether add="no" skips it, its
// attributes in output order with the transform of each, and its children
// by tag), and writeelement() writes any element from such a table under
// the rules that all writers share:
//
//  - Lines: the element's own lines at tabs(level), the children that it
//    writes itself at level + 1, theirs at level + 2, each line ending in LF.
//  - Attributes come out in table order, each only when the input element
//    carries it (an empty value counts as carried), as  name="value"  with
//    no blank before "/>" or ">". Attributes that are not in the table are
//    dropped; add is never written.
//  - A value is the attribute's text as parsed (references decoded), passed
//    through the row's transform and then made well-formed (xmlescape.h).
//  - By default an element with any child node at all (a comment counts)
//    ends its opening line in ">", writes the children that its table knows
//    in document order, and closes with its end tag; without child nodes it
//    is one line ending in "/>". Children of other tags are dropped with
//    everything below them.
//
// How to add a writer (a control such as "slider"):
//
//  1. In its own file, e.g. writer/sliderwriter.cpp, write the table:
//
//       namespace {
//       using namespace transforms;
//       const QVector<AttributeRule> sliderstate = {
//           {"width", sizex}, {"height", sizey}, {"shape"},
//           {"border_size", sizexatleast1}};
//       const ElementSpec slider{"slider", SkipWhenAddNo, Ending::ByChildren,
//           {{"x", posx}, {"y", posy}, {"width", sizex}, {"height", sizey},
//            {"class"}, {"action"}},
//           {textchild({"tooltip"}),
//            child({"pos"}, {{"x", posx}, {"y", posy}}),
//            child({"off", "on", "fill", "fader"}, sliderstate),
//            child({"mouserect"}, {{"x", signedsizex}, {"y", signedsizey}})}};
//       } // namespace
//
//       void SkinWriter::exportslider(QDomNode node, int level, float resizeX,
//                                     float resizeY, int groupXpos, int groupYpos)
//       {
//           writeelement(slider, node, level, resizeX, resizeY, groupXpos, groupYpos);
//       }
//
//     The member is already declared in skinwriter.h.
//  2. Plug it into the dispatcher: in writer/dispatcher.cpp replace the
//     nullptr of its row with &SkinWriter::exportslider.
//
// What the rows can say:
//  - AttributeRule{"name"} writes the value raw; {"name", transform} passes
//    it through a transform: a plain function of the context and the value
//    (the ones below, or one of the writer's own). A transform may also
//    record something in the context (e.g. the source size of a button).
//  - AttributeRule(custom) hands the whole attribute step to a function
//    that appends attributes of its own making with appendattribute(), for
//    values that do not come from the input (a class chosen by an option,
//    the place that mergepics returns).
//  - Children: child(tags, attributes) writes a one-line, self-closing
//    child; child(tags, spec) a child with children of its own (written by
//    the same rules one level deeper); textchild(tags) a child written as
//    <tag>text</tag> on one line; child(tags, function) a child that the
//    function writes itself (it gets the context and the child's level).
//  - Ending: ByChildren (the rule above), SelfClosing (always "/>", children
//    dropped), TextContent (<tag attributes>text</tag> on one line) or
//    EndTag (always an end tag, even without children).
#include <QDomElement>
#include <QDomNode>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>

class OutputDocument;
class SkinWriter;

// What one call of a writer knows while it writes its element and children.
struct ElementContext
{
    SkinWriter &writer;
    OutputDocument &document;
    float resizeX;
    float resizeY;
    int groupXpos;
    int groupYpos;
    // The size of the source image region that the element's next image
    // child copies (buttons and visuals): set by the element and its pos or
    // size children, read by their image states.
    int sourcewidth = 0;
    int sourceheight = 0;
    // The source image region of the next mask picture of a waveform cue
    // (rhythm zone, scratch waveform): every cue starts it at 0, 0, 0, 0,
    // and each mask overrides the parts that it names.
    int maskx = 0;
    int masky = 0;
    int maskwidth = 0;
    int maskheight = 0;
};

using Transform = QString (*)(ElementContext &context, const QString &value);

namespace transforms {
QString raw(ElementContext &, const QString &value);
// P: positions, scaled and shifted by the axis' factor and offset.
QString posx(ElementContext &context, const QString &value);
QString posy(ElementContext &context, const QString &value);
// S: sizes, scaled by the axis' factor; every size but a height is
// horizontal.
QString sizex(ElementContext &context, const QString &value);
QString sizey(ElementContext &context, const QString &value);
// S, with a result of exactly "0" written as "1", so that a thin border or
// line never vanishes when it is scaled down.
QString sizexatleast1(ElementContext &context, const QString &value);
QString sizeyatleast1(ElementContext &context, const QString &value);
// S without offset, written with a sign: "+" in front of a result that
// reads as an integer of 0 or more (or not as an integer at all).
QString signedsizex(ElementContext &context, const QString &value);
QString signedsizey(ElementContext &context, const QString &value);
// A: an action script, escaped by parseaction().
QString action(ElementContext &, const QString &value);
} // namespace transforms

using CustomAttributes = std::function<void(ElementContext &context,
                                            const QDomElement &element,
                                            QString &line)>;

struct AttributeRule
{
    AttributeRule(const char *attributename, Transform attributetransform = transforms::raw)
        : name(QLatin1String(attributename)), transform(attributetransform) {}
    AttributeRule(CustomAttributes write) : transform(nullptr), custom(std::move(write)) {}

    QString name;
    Transform transform;
    CustomAttributes custom;
};

enum class Ending { ByChildren, SelfClosing, TextContent, EndTag };

enum AddFilter { WriteAlways, SkipWhenAddNo };

struct ChildRule;

struct ElementSpec
{
    QString tag;            // the tag written; empty: the input's own tag
    AddFilter add = WriteAlways;
    Ending ending = Ending::ByChildren;
    QVector<AttributeRule> attributes;
    QVector<ChildRule> children;
};

using CustomChild = std::function<void(ElementContext &context,
                                       const QDomElement &child, int level)>;

struct ChildRule
{
    QStringList tags;
    std::shared_ptr<const ElementSpec> spec;   // written by writeelement()
    CustomChild custom;                        // or written by this function
};

ChildRule child(const QStringList &tags, const QVector<AttributeRule> &attributes);
ChildRule child(const QStringList &tags, const ElementSpec &spec);
ChildRule child(const QStringList &tags, CustomChild write);
ChildRule textchild(const QStringList &tags);

// Writes node by spec at level into context.document. An element whose
// table asks for it is skipped when its add is exactly "no".
void writeelement(ElementContext &context, const QDomNode &node, int level,
                  const ElementSpec &spec);

// The attributes of element by the rows, in row order, as written on a line
// (each as a blank, the name, "=" and the quoted value).
QString writeattributes(ElementContext &context, const QDomElement &element,
                        const QVector<AttributeRule> &rules);

// Appends one attribute, its value made well-formed, to line.
void appendattribute(QString &line, const QString &name, const QString &value);

// Whether element's add attribute is exactly "no".
bool isaddno(const QDomElement &element);
