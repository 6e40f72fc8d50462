#pragma once
// The built-in pictures, drawn from shapes only (no fonts), so that every run
// on every machine with the same Qt gives the same pixels.
#include <QColor>
#include <QImage>
#include <QRectF>

class QPainter;

namespace pictures {

// The look of a browser icon: the host's own plain glyphs, the "Alternative"
// set (glyphs on coloured plates) and the "White" set (outlined white glyphs).
enum class IconStyle { Plain, Alternative, White };

// The icon strips read by the custom icons: 16 x 9 icons of 64 pixels on a
// transparent ground.
constexpr int iconColumns = 16;
constexpr int iconRows = 9;
constexpr int iconCell = 64;
constexpr int iconGridLeft = 14;   // first column of the grid in both strips

// Draws icon `index` (0 to 143) scaled into `target`; `ink` colours the
// plain style's glyph and is ignored by the other two.
void drawIcon(QPainter &painter, const QRectF &target, int index, IconStyle style,
              const QColor &ink = QColor(200, 200, 200));

QImage iconStrip(IconStyle style);        // Alternative: 1040 x 594, White: 1039 x 595
QImage browserPicture(int theme, int iconSet);   // theme and icon set 0 to 2
QImage songPositionBand(int band);        // 0 high, 1 mid, 2 bass; 381 x 62
QImage scratchWave();                     // 523 x 81
QImage skinPreview();                     // 1268 x 714
QImage logo();                            // 128 x 128

// A repeatable pseudo-random sequence (no library generator: its numbers
// may change between versions).
class Noise
{
public:
    explicit Noise(quint32 seed) : state(seed) {}
    double next();                        // in [0, 1)
private:
    quint32 state;
};

} // namespace pictures
