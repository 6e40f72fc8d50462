// The scratch waveform, alone in a scratch module's deck or as one deck's
// half of the double waveform, with its grid and cue marks.
#include "cuemasks.h"
#include "geometryrows.h"
#include "skinwriter.h"

using namespace transforms;

namespace {

// The grid's pos is a setting, not a place; its sizes follow the vertical
// factor whatever the waveform's orientation.
const QVector<AttributeRule> gridattributes = {
    {"mirrored"}, {"pos"}, {"background"}, {"backgroundshaded"},
    {"size", sizey}, {"mainsize", sizey}, {"height", sizey}};

// The text's offsets are sizes: they take no group offset.
const ElementSpec cue{
    "", WriteAlways, Ending::EndTag,
    {startcuemasks(), {"y", posy}, {"height", sizey}},
    {child({QStringLiteral("text")}, {{"dx", sizex}, {"dy", sizey}, {"fontsize", sizey}}),
     maskchild()}};

const ElementSpec scratchwave{
    "scratchwave", WriteAlways, Ending::ByChildren,
    geometryattributes() + QVector<AttributeRule>{{"visibility"}, {"deck"}, {"orientation"}},
    {poschild(),
     sizechild(),
     child({QStringLiteral("grid")}, gridattributes),
     child({QStringLiteral("cue")}, cue)}};

} // namespace

void SkinWriter::exportscratchwave(QDomNode node, int level, float resizeX, float resizeY,
                                   int groupXpos, int groupYpos)
{
    writeelement(scratchwave, node, level, resizeX, resizeY, groupXpos, groupYpos);
}
