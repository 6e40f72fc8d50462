#pragma once
// Comparing pictures that Qt's raster engine drew. Its fill and blend
// routines are chosen by the processor, and antialiased edges and gradients
// round a unit apart from one processor to the next; a picture that really
// changed differs by far more.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace testsupport {

// A channel may differ by this much before two drawn pictures count as different.
constexpr int drawingtolerance = 3;

// Empty when the pictures agree: the same size and format, and every channel
// of every pixel within tolerance. Channels are compared premultiplied, so a
// faint pixel weighs only as much as it shows. Otherwise a text that names
// the pixel that differs most, both its values and how many pixels differ.
QString picturedifference(const QImage &actual, const QImage &expected, int tolerance = drawingtolerance);

// The same for two encoded pictures (PNG bytes, say); a text also when
// either does not decode.
QString encodedpicturedifference(const QByteArray &actual, const QByteArray &expected,
                                 int tolerance = drawingtolerance);

} // namespace testsupport
