#pragma once
// PNG files made row by row: a picture of a billion pixels compresses to a
// few hundred kilobytes, and is made here without ever holding its pixels,
// so a test can hand the tool a picture at or past its bounds.
#include <QByteArray>

namespace pngfile {

// An RGBA PNG of width x height pixels, depth 8 or 16 bits a channel: rows
// before noiserows hold random bytes (the same for every call), the rest
// an opaque grey. Empty when the arguments cannot make a PNG.
QByteArray make(quint32 width, quint32 height, int depth = 8, quint32 noiserows = 0);

} // namespace pngfile
