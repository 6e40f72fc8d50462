#pragma once
// How large a picture the skin writer takes in or makes, and rectangle
// arithmetic that cannot overflow. A desktop skin's sheet is a few thousand
// pixels each way, and so is the Tessary skin's picture; the bounds keep a
// broken layout or a hostile picture from asking for more memory than the
// tool has before anything is drawn (with every input at its bound the
// whole tool stays under 1 GB), and values read from a skin or a project
// may lie anywhere in the int range.
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

// The new skin's sheet: no side longer than the PNG writer accepts, and no
// more pixels than a square of largestsquare pixels a side holds (256 MiB
// in 32-bit colour); room for an 8K desktop's background (7680 x 4320) and
// as much again in pieces, where the built-in demos take a third of it.
constexpr qint64 largestpictureside = 1000000;
constexpr int largestsquare = 8192;
constexpr qint64 largestpicturearea = qint64(largestsquare) * largestsquare;

// The Tessary skin's picture: no more pixels than a square of
// largestsourceside pixels a side holds, some twenty times the pixels of
// the built-in skin's picture; decoded, 128 MiB at 16 bits a channel, the
// most a PNG's pixel takes in memory.
constexpr int largestsourceside = 4096;
constexpr qint64 largestsourcearea = qint64(largestsourceside) * largestsourceside;

// Whether a sheet of width x height stays within its bound; a negative
// side never does.
bool picturefits(qint64 width, qint64 height);

// Whether the Tessary skin's picture of size stays within its bound.
bool sourcefits(const QSize &size);

// The size that the header of the PNG file at path gives, read without
// decoding it; an invalid size when the file is no PNG or cannot be read.
QSize pngsize(const QString &path);

// The PNG picture at path, as the Tessary skin's picture is read: decoded
// only when its header gives a size within sourcefits, and only as PNG (a
// file of another format might name one size in its header and decode to
// another).
struct SourcePicture
{
    // NotPng: the file does not start as a PNG file does.
    enum class Problem { None, Unreadable, NotPng, TooLarge, OutOfMemory };
    QImage picture;
    QSize size;      // as its header gives it
    Problem problem = Problem::None;
};
SourcePicture readsourcepicture(const QString &path);

// The part of the rectangle (x, y, w, h) that lies inside bounds, worked out
// in 64 bits, so that a far edge beyond the int range does no harm. Nothing
// when a side is negative or the rectangle misses bounds; a zero-sized
// rectangle whose corner lies inside bounds is kept as it is.
std::optional<QRect> partinside(qint64 x, qint64 y, qint64 w, qint64 h, const QRect &bounds);
