// The rhythm zone: both decks' rhythm band, beat grid and cue marks.
#include "cuemasks.h"
#include "geometryrows.h"
#include "skinwriter.h"

using namespace transforms;

namespace {

// A grid's pos holds the grid lines' vertical extent only.
const ElementSpec grid{
    "", WriteAlways, Ending::EndTag,
    {{"width", sizex}, {"height", sizey}},
    {child({QStringLiteral("pos")}, {{"y1", posy}, {"y2", posy}})}};

// The text's offsets are sizes: they take no group offset.
const ElementSpec cue{
    "", WriteAlways, Ending::EndTag,
    {startcuemasks(), {"height", sizey}, {"y", posy}},
    {child({QStringLiteral("text")}, {{"dx", sizex}, {"dy", sizey}, {"size", sizey}}),
     maskchild()}};

// The fade runs horizontally; the colours are written as the skin has them.
const ElementSpec rhythmzone{
    "rhythmzone", WriteAlways, Ending::ByChildren,
    geometryattributes() + QVector<AttributeRule>{
        {"fade", sizex}, {"visibility"}, {"mirror"}, {"upsidedown"}, {"deck1"}, {"deck2"}},
    {poschild(),
     sizechild(),
     child({QStringLiteral("colors")}, {{"deck1"}, {"deck2"}, {"deck1_active"}, {"deck2_active"}}),
     child({QStringLiteral("rhythm")}, {{"height", sizey}, {"y", posy}}),
     child({QStringLiteral("grid")}, grid),
     child({QStringLiteral("cue")}, cue)}};

} // namespace

void SkinWriter::exportrhythm(QDomNode node, int level, float resizeX, float resizeY,
                              int groupXpos, int groupYpos)
{
    writeelement(rhythmzone, node, level, resizeX, resizeY, groupXpos, groupYpos);
}
