// The browser pictures: the host's song browser (search field, folder tree,
// song list with title and artist columns) in each theme with each icon set.
// Text is shown as grey bars, so no font is needed.
#include "pictures.h"

#include <QPainter>

#include <algorithm>

namespace pictures {

namespace {

struct Theme
{
    QColor back, panel, field, fieldBorder, header, rowAlt, text, textDim, selection, iconInk, divider;
};

const Theme themes[3] = {
    // default
    {{40, 43, 50}, {34, 37, 43}, {24, 26, 31}, {70, 75, 85}, {28, 30, 35}, {45, 48, 56},
     {190, 196, 206}, {120, 126, 136}, {52, 98, 160}, {176, 184, 196}, {20, 22, 26}},
    // dark
    {{16, 16, 18}, {11, 11, 12}, {0, 0, 0}, {48, 48, 52}, {6, 6, 7}, {24, 24, 27},
     {150, 150, 156}, {90, 90, 96}, {96, 52, 140}, {130, 130, 138}, {0, 0, 0}},
    // white
    {{246, 246, 248}, {232, 234, 238}, {255, 255, 255}, {170, 174, 182}, {220, 222, 228},
     {236, 238, 242}, {50, 54, 62}, {130, 134, 142}, {156, 196, 238}, {80, 86, 96},
     {190, 194, 200}},
};

// The sizes the pictures were cut at, by theme and icon set.
const QSize sizes[3][3] = {
    {{398, 215}, {392, 215}, {396, 215}},
    {{396, 215}, {395, 216}, {396, 215}},
    {{403, 211}, {403, 216}, {405, 213}},
};

// Icon numbers: glyph column + 16 * badge row.
enum { Folder = 0, Note = 1, Disc = 2, Playlist = 3, Star = 4, Clock = 6, Magnifier = 7,
       Cloud = 8, Drive = 9, Globe = 14 };
enum { Plus = 16, Check = 32, Favourite = 128 };

void textBar(QPainter &painter, qreal x, qreal centreY, qreal width, const QColor &colour)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(x, centreY - 2.5, width, 5), 2, 2);
}

class BrowserPainter
{
public:
    BrowserPainter(QImage &image, const Theme &theme, IconStyle icons)
        : painter(&image), theme(theme), icons(icons), width(image.width()), height(image.height()),
          split(118)
    {
        painter.setRenderHint(QPainter::Antialiasing);
    }

    void paint()
    {
        painter.fillRect(0, 0, width, height, theme.back);
        toolbar();
        folderTree();
        songList();
    }

private:
    void icon(qreal x, qreal y, qreal size, int index)
    {
        drawIcon(painter, QRectF(x, y, size, size), index, icons, theme.iconInk);
    }

    void toolbar()
    {
        painter.fillRect(QRectF(0, 0, width, 29), theme.header);
        const qreal fieldWidth = width * 0.58;
        painter.setPen(QPen(theme.fieldBorder, 1));
        painter.setBrush(theme.field);
        painter.drawRoundedRect(QRectF(6.5, 5.5, fieldWidth, 18), 4, 4);
        drawIcon(painter, QRectF(10, 7, 15, 15), Magnifier, IconStyle::Plain, theme.textDim);
        textBar(painter, 30, 14.5, 64, theme.textDim);
        const int buttons[] = {Star, Globe, Cloud + Plus};
        for (int i = 0; i < 3; ++i)
            icon(fieldWidth + 16 + i * 24, 6, 17, buttons[i]);
    }

    void folderTree()
    {
        painter.fillRect(QRectF(0, 29, split, height - 29), theme.panel);
        painter.fillRect(QRectF(split, 29, 2, height - 29), theme.divider);
        struct Entry { int depth; int icon; int label; };
        const Entry entries[] = {
            {0, Drive, 52}, {1, Folder, 60}, {1, Folder, 44}, {2, Folder + Plus, 50},
            {1, Playlist, 66}, {0, Disc, 40}, {0, Star + Favourite, 58}, {0, Clock, 48},
            {0, Cloud, 38}, {0, Globe, 56},
        };
        const int selected = 2;
        for (int i = 0; i < int(sizeof entries / sizeof *entries); ++i) {
            const qreal top = 32 + i * 19;
            if (top + 19 > height)
                break;
            if (i == selected)
                painter.fillRect(QRectF(0, top, split, 19), theme.selection);
            const qreal x = 5 + entries[i].depth * 11;
            icon(x, top + 2, 15, entries[i].icon);
            textBar(painter, x + 20, top + 9.5, std::min<qreal>(entries[i].label, split - x - 24),
                    theme.text);
        }
    }

    void songList()
    {
        const qreal left = split + 2;
        const qreal artistColumn = left + (width - left) * 0.58;
        painter.fillRect(QRectF(left, 29, width - left, 17), theme.header);
        painter.fillRect(QRectF(artistColumn - 4, 31, 1, 13), theme.fieldBorder);
        textBar(painter, left + 24, 37.5, 26, theme.textDim);            // "Title"
        textBar(painter, artistColumn + 2, 37.5, 32, theme.textDim);     // "Artist"

        Noise noise(0x5eed);
        const int songIcons[] = {Note, Note + Check, Note, Note + Favourite, Note, Note + Check};
        const int selected = 3;
        for (int row = 0; 46 + row * 15 < height; ++row) {
            const qreal top = 46 + row * 15;
            const QColor fill = row == selected ? theme.selection
                                : row % 2 ? theme.rowAlt : theme.back;
            painter.fillRect(QRectF(left, top, width - left, 15), fill);
            icon(left + 4, top + 1.5, 12, songIcons[row % 6]);
            const qreal title = 50 + 70 * noise.next();
            const qreal artist = 36 + 44 * noise.next();
            textBar(painter, left + 24, top + 7.5, std::min(title, artistColumn - left - 34),
                    theme.text);
            textBar(painter, artistColumn + 2, top + 7.5, std::min(artist, width - artistColumn - 14),
                    theme.textDim);
        }
        // The scroll bar along the right edge.
        painter.fillRect(QRectF(width - 6, 46, 6, height - 46), theme.panel);
        painter.setBrush(theme.fieldBorder);
        painter.drawRoundedRect(QRectF(width - 5, 50, 4, 48), 2, 2);
    }

    QPainter painter;
    const Theme &theme;
    IconStyle icons;
    int width, height;
    qreal split;   // right edge of the folder tree
};

} // namespace

QImage browserPicture(int theme, int iconSet)
{
    static const IconStyle styles[3] = {IconStyle::Plain, IconStyle::Alternative, IconStyle::White};
    QImage image(sizes[theme][iconSet], QImage::Format_RGB32);
    BrowserPainter(image, themes[theme], styles[iconSet]).paint();
    return image;
}

} // namespace pictures
