// The waveform pictures: one made-up track, its energy per column split into
// bass, mid and high, drawn mirror-symmetric about the middle rows.
#include "pictures.h"

#include <QVector>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace pictures {

namespace {

// Noise that changes smoothly along the track: random values every `step`
// columns, blended with a cosine in between.
class SmoothNoise
{
public:
    SmoothNoise(quint32 seed, int step, int width) : step(step)
    {
        Noise noise(seed);
        for (int i = 0; i <= width / step + 1; ++i)
            points.append(noise.next());
    }
    double at(int x) const
    {
        const int i = x / step;
        const double t = (1 - qCos(M_PI * (x % step) / step)) / 2;
        return points.at(i) * (1 - t) + points.at(i + 1) * t;
    }
private:
    int step;
    QVector<double> points;
};

// How much of the pixel row at distance `d` from the middle lies between
// the radii `inner` and `outer`: 0 to 1, which gives the soft edges.
double coverage(double d, double inner, double outer)
{
    const double low = std::max(0.0, d - 0.5);
    const double high = d + 0.5;
    const double overlap = std::min(high, outer) - std::max(low, inner);
    return std::clamp(overlap / (high - low), 0.0, 1.0);
}

// The kick drum: a strong hit at the start of each beat that dies away.
double kick(int x, int beat)
{
    return qExp(-(x % beat) / 6.0);
}

struct BandRadii { double highOuter, midInner, midOuter, bassInner, bassOuter; };

BandRadii songPositionRadii(int x, const SmoothNoise &slow, const SmoothNoise &medium,
                            const SmoothNoise &fast)
{
    BandRadii r;
    r.highOuter = 2.0 + 7.0 * fast.at(x);
    r.midInner = std::max(0.0, r.highOuter * 0.7 - 0.6);   // almost empty centre
    r.midOuter = r.highOuter + 3.0 + 9.0 * medium.at(x);
    r.bassInner = r.midOuter * 0.85;                        // empty centre
    r.bassOuter = std::min(30.5, r.midOuter + 2.0 + 3.0 * slow.at(x)
                                     + 13.0 * kick(x, 27) * (0.6 + 0.4 * slow.at(x)));
    return r;
}

} // namespace

QImage songPositionBand(int band)
{
    const int width = 381, height = 62;
    const double middle = height / 2.0;
    const SmoothNoise slow(11, 9, width), medium(23, 5, width), fast(37, 3, width);
    // Black and greys: only the alpha is used by the program.
    const int grey = band == 0 ? 128 : band == 1 ? 72 : 0;

    QImage image(width, height, QImage::Format_ARGB32);
    for (int x = 0; x < width; ++x) {
        const BandRadii r = songPositionRadii(x, slow, medium, fast);
        const double inner = band == 0 ? 0.0 : band == 1 ? r.midInner : r.bassInner;
        const double outer = band == 0 ? r.highOuter : band == 1 ? r.midOuter : r.bassOuter;
        for (int y = 0; y < height; ++y) {
            const double d = std::abs(y + 0.5 - middle);
            const int alpha = qRound(255 * coverage(d, inner, outer));
            image.setPixel(x, y, alpha ? qRgba(grey, grey, grey, alpha) : qRgba(0, 0, 0, 0));
        }
    }
    return image;
}

QImage scratchWave()
{
    const int width = 523, height = 81;
    const double middle = height / 2.0;
    const SmoothNoise slow(51, 11, width), medium(67, 6, width), fast(89, 3, width);

    QImage image(width, height, QImage::Format_ARGB32);
    for (int x = 0; x < width; ++x) {
        // Layers from the middle out: high in blues, mid in ambers, bass in reds,
        // each hue drifting along the track.
        const double high = 3.0 + 9.0 * fast.at(x);
        const double mid = high + 4.0 + 10.0 * medium.at(x);
        const double bass = std::min(39.5, mid + 3.0 + 4.0 * slow.at(x)
                                               + 16.0 * kick(x, 31) * (0.5 + 0.5 * slow.at(x)));
        const QColor colours[3] = {
            QColor::fromHsv(185 + qRound(40 * medium.at(x)), 150, 255),
            QColor::fromHsv(28 + qRound(30 * fast.at(x)), 220, 250),
            QColor::fromHsv((345 + qRound(30 * slow.at(x))) % 360, 210, 225),
        };
        for (int y = 0; y < height; ++y) {
            const double d = std::abs(y + 0.5 - middle);
            const double share[3] = {coverage(d, 0.0, high), coverage(d, high, mid),
                                     coverage(d, mid, bass)};
            const double total = share[0] + share[1] + share[2];
            const int alpha = qRound(255 * std::min(1.0, total));
            if (!alpha) {
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
                continue;
            }
            // Where two layers meet inside one pixel, their colours blend.
            double red = 0, green = 0, blue = 0;
            for (int layer = 0; layer < 3; ++layer) {
                red += share[layer] * colours[layer].red();
                green += share[layer] * colours[layer].green();
                blue += share[layer] * colours[layer].blue();
            }
            image.setPixel(x, y, qRgba(qRound(red / total), qRound(green / total),
                                       qRound(blue / total), alpha));
        }
    }
    return image;
}

} // namespace pictures
