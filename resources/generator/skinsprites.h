#pragma once
// The stand-in skin's image sheet: every picture that an element names gets
// a region of its own, packed in shelves, and is drawn so that no two
// regions look alike (a wrong cut shows at once).
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QVector>

namespace skin {

class SpriteSheet
{
public:
    explicit SpriteSheet(int width) : sheetWidth(width) {}

    enum class Shape { Plate, Disc };

    // Reserves a w x h region and returns its top-left corner; a disc is
    // drawn for round controls (jog wheels), a plate for the rest.
    QPoint allocate(int w, int h, Shape shape = Shape::Plate);

    QVector<QRect> regions() const { return placed; }
    QImage render() const;

private:
    int sheetWidth;
    int cursorX = gap;
    int shelfY = gap;
    int shelfBottom = gap;
    QVector<QRect> placed;
    QVector<Shape> shapes;
    static constexpr int gap = 2;
};

} // namespace skin
