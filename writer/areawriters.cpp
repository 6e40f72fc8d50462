// Writers of the simple placed controls: rectangles given by a position and
// a size, on the element itself or in its "pos" and "size" children. Each is
// one table; only where a row says so does a writer differ from the common
// rules (elementwriter.h).
#include "geometryrows.h"
#include "skinwriter.h"

using namespace transforms;

namespace {

// Geometry and then the given attributes, all only when present.
QVector<AttributeRule> geometryand(const QVector<AttributeRule> &more)
{
    return geometryattributes() + more;
}

// Logo, drop zone and cover differ only in the tag they write.
ElementSpec placedarea(const char *tag)
{
    return {QLatin1String(tag), WriteAlways, Ending::ByChildren,
            geometryand({{"visibility"}}), {poschild(), sizechild()}};
}

const ElementSpec logo = placedarea("logo");
// The input names its drop zones "dropzonefake"; the new skin gets them as
// real drop zones.
const ElementSpec dropzone = placedarea("dropzone");
const ElementSpec cover = placedarea("cover");

const ElementSpec square{
    "square", SkipWhenAddNo, Ending::ByChildren,
    geometryand({{"border", sizex}, {"class"}, {"color"}, {"color2"}, {"gradient"},
                 {"border_color"}, {"visibility"}}),
    {poschild(), sizechild()}};

const ElementSpec video{
    "video", WriteAlways, Ending::ByChildren,
    geometryand({{"visibility"}, {"source"}, {"chan"}}),
    {poschild(), sizechild()}};

// A one-pixel separator must not vanish when its module is scaled down, so
// a width or height that scales to 0 is written as 1. Lines have no children.
const ElementSpec line{
    "line", SkipWhenAddNo, Ending::SelfClosing,
    {{"x", posx}, {"y", posy}, {"width", sizexatleast1}, {"height", sizeyatleast1},
     {"color"}, {"visibility"}},
    {}};

// The mouse circle is centred in the element's coordinates; its radius takes
// the horizontal factor alone so that it stays a circle.
const ElementSpec scratch{
    "scratch", WriteAlways, Ending::ByChildren,
    geometryand({{"visibility"}}),
    {poschild(), sizechild(),
     child({QStringLiteral("mousecircle")}, {{"x", posx}, {"y", posy}, {"r", sizex}})}};

// The browser's class is not the input's: it names the browser definition
// (both are in the skin) that the user chose, or none for the default look.
void browserclass(ElementContext &context, const QDomElement &, QString &line)
{
    const QString classname = QStringLiteral("class");
    switch (context.writer.browser) {
    case BrowserOption::Dark:
        appendattribute(line, classname, QStringLiteral("browserdark"));
        break;
    case BrowserOption::White:
        appendattribute(line, classname, QStringLiteral("browserwhite"));
        break;
    case BrowserOption::Default:
        break;
    }
}

// Named apart from SkinWriter::browser, the option that it reads.
const ElementSpec browserarea{
    "browser", WriteAlways, Ending::ByChildren,
    QVector<AttributeRule>{AttributeRule(browserclass)} + geometryand({{"visibility"}}),
    {poschild(), sizechild()}};

// Grab zones carry geometry only. Their vertical factor is the screen's,
// which the dispatcher passes in place of the panel's.
const ElementSpec grabzone{
    "grabzone", WriteAlways, Ending::ByChildren,
    geometryattributes(),
    {poschild(), sizechild()}};

} // namespace

// Each of these writers is its table alone.
#define TYX_TABLE_WRITER(writer, spec)                                                        \
    void SkinWriter::writer(QDomNode node, int level, float resizeX, float resizeY,            \
                            int groupXpos, int groupYpos)                                      \
    {                                                                                          \
        writeelement(spec, node, level, resizeX, resizeY, groupXpos, groupYpos);               \
    }

TYX_TABLE_WRITER(exportlogo, logo)
TYX_TABLE_WRITER(exportdropzone, dropzone)
TYX_TABLE_WRITER(exportcover, cover)
TYX_TABLE_WRITER(exportsquare, square)
TYX_TABLE_WRITER(exportvideo, video)
TYX_TABLE_WRITER(exportline, line)
TYX_TABLE_WRITER(exportscratch, scratch)
TYX_TABLE_WRITER(exportbrowser, browserarea)
TYX_TABLE_WRITER(exportgrabzone, grabzone)

#undef TYX_TABLE_WRITER
