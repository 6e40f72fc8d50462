#pragma once
// How large a picture the skin writer takes in or makes, and rectangle
// arithmetic that cannot overflow. A desktop skin's sheet is a few thousand
// pixels each way; the bound keeps a broken layout or a hostile picture from
// asking for gigabytes before anything is drawn, and values read from a
// skin or a project may lie anywhere in the int range.
#include <QImage>
#include <QRect>

#include <optional>

class QImageReader;

// No side longer than the PNG writer accepts, and no more pixels than a
// square of largestsquare pixels a side holds (1 GiB in 32-bit colour).
constexpr qint64 largestpictureside = 1000000;
constexpr int largestsquare = 16384;
constexpr qint64 largestpicturearea = qint64(largestsquare) * largestsquare;

// Whether a picture of width x height stays within the bound; a negative
// side never does.
bool picturefits(qint64 width, qint64 height);

// Decodes the picture the reader is set on, but only when its header tells
// a size within the bound. A null image when the size is unknown or too
// large, or when the picture does not decode to at least one pixel.
QImage readpicture(QImageReader &reader);

// The part of the rectangle (x, y, w, h) that lies inside bounds, worked out
// in 64 bits, so that a far edge beyond the int range does no harm. Nothing
// when a side is negative or the rectangle misses bounds; a zero-sized
// rectangle whose corner lies inside bounds is kept as it is.
std::optional<QRect> partinside(qint64 x, qint64 y, qint64 w, qint64 h, const QRect &bounds);
