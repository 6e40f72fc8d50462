#pragma once
// The new skin's one image file, skin.png, while a job builds it: the
// screen-sized background on top and, below it, every image piece packed
// into shelves. It stays in memory for the whole job and is saved once.
//
// Every step (a packed piece, a painted zone) gives exactly the pixels that
// re-reading the saved sheet, painting it onto a new transparent image and
// saving that again would give: the sheet is kept premultiplied, and a
// premultiplied pixel survives saving to PNG and loading unchanged.
#include <QImage>
#include <QPoint>
#include <QSize>

#include "pixelblock.h"

#include <functional>
#include <optional>

class QPainter;

// The shelf placement rule. Places a piece of w x h pixels on a sheet that
// is currently sheetwidth x sheetheight and moves the packing cursor:
// packx is the right edge of the last piece on the current shelf, packy the
// shelf's top row (0 while there is no shelf), packbottom the lowest bottom
// edge of all pieces so far. Pieces stand 5 pixels apart; a piece that does
// not fit on the current shelf opens a new one 5 rows below the sheet.
// Nothing is placed, and the cursor stays, for a piece with a negative side
// or one that would take the cursor beyond the int range.
std::optional<QPoint> packpiece(int &packx, int &packy, int &packbottom,
                                int sheetwidth, int sheetheight, int w, int h);

class ImageSheet
{
public:
    // The cursor lives in the skin model (the main window's members), so
    // it is shared with whoever else packs into the sheet.
    ImageSheet(int &packx, int &packy, int &packbottom);

    // Starts a new sheet of width x height in the background colour,
    // outlined by a hairline black pen, and resets the cursor. A size
    // beyond the picture bound leaves the sheet empty and too large.
    void start(int width, int height, const QColor &background);

    // Why the sheet stopped: it was asked to start (at the desktop's size)
    // or to grow or widen (for the pieces) beyond the picture bound, or it
    // could not be made at a size within it for want of memory.
    enum class Refusal { None, Desktop, Pieces, Memory };
    Refusal refusal() const { return m_refusal; }
    // Whether the sheet stopped so; such a sheet takes no more pieces and
    // must not be saved as the skin's picture.
    bool toolarge() const { return m_refusal != Refusal::None; }
    bool outofmemory() const { return m_refusal == Refusal::Memory; }
    // The size the sheet was asked to take when it became too large or
    // could not be made.
    QSize refusedsize() const { return m_refused; }

    int width() const { return m_width; }
    int height() const { return m_height; }

    // Places a piece of w x h by the placement rule and grows the sheet to
    // 10 rows below the lowest piece. Returns the piece's top-left corner;
    // nothing for a piece that packpiece does not place, or one with a side
    // longer than a picture's or that makes the sheet too large. An empty
    // sheet keeps its size; the cursor moves all the same.
    std::optional<QPoint> place(int w, int h);

    // Widens the sheet to width with transparent columns, for a piece that
    // must lie whole inside it; a sheet at least that wide, or an empty
    // one, stays as it is.
    void widen(int width);

    // Paints on the sheet with antialiasing, clipped to the sheet.
    void paint(const std::function<void(QPainter &)> &draw);

    // The sheet as it is saved: 32-bit ARGB, not premultiplied.
    QImage image() const;

    // Saves the sheet as PNG through a temporary file; false when it is
    // empty or cannot be written (why then as fileio::writepng sets it).
    bool save(const QString &path, QString *why = nullptr) const;

private:
    void setheight(int height);
    // Stops the sheet at a size it cannot take.
    void refuse(qint64 width, qint64 height, Refusal why);
    // Gives the block room for rows rows of width pixels; false, with the
    // block as it was, when there is no memory for them.
    bool reserve(int width, int rows);

    // The rows of the sheet, over the block (valid while it stays).
    QImage rows() const;
    QImage canvas();

    int &m_packx;
    int &m_packy;
    int &m_packbottom;
    // The pixel rows, in one block that grows in place, so the sheet never
    // needs its old and new size at once. Rows beyond m_height, up to
    // m_capacity, are spare room for growth, set only when the sheet grows
    // into them.
    PixelBlock m_block;
    int m_capacity = 0;
    int m_width = 0;
    int m_height = 0;
    Refusal m_refusal = Refusal::None;
    QSize m_refused;
};
