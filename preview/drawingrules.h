#pragma once
// The drawing rules every colour preview follows, so that all previews look
// alike and a change of style is one edit here.
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QGraphicsSimpleTextItem>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <array>

class QGraphicsItem;
class QGraphicsScene;

// A solid outline of the given width.
QPen outlinepen(const QColor &colour, int width);

// A solid fill.
QBrush solidbrush(const QColor &colour);

// A vertical two-stop gradient from top to bottom (scene coordinates). While
// flat is set the fill is first at both stops and second is not used.
QBrush verticalgradient(const QPointF &top, const QPointF &bottom, const QColor &first,
                        const QColor &second, bool flat);

// "Arial" at the given point size, bold: the font of every preview label.
QFont labelfont(int pointsize);

// Adds a simple text label at the scene origin, filled with colour and
// without outline. Place it afterwards (centreon or setPos).
QGraphicsSimpleTextItem *addlabel(QGraphicsScene *scene, const QString &text, const QFont &font,
                                  const QColor &colour);

// Moves item so that the centre of its scene bounding rectangle lies on
// centre. Measuring the item itself keeps labels centred whatever the
// installed font's metrics.
void centreon(QGraphicsItem *item, const QPointF &centre);

// The colours of one state of a button-like control: a fill (a gradient
// from fill1 to fill2 where the control has one), its border and its text.
struct StateColours {
    QColor fill1;
    QColor fill2;
    QColor border;
    QColor text;
};

// The three states a button-like preview shows, top to bottom.
enum { OffState, OverState, OnState, StateCount };
using StateRows = std::array<StateColours, StateCount>;

// The box of a state's row in a button-like preview, width wide: rows are
// 30 high and 40 apart, the first 10 from the top, each 10 from the left.
QRectF staterowbox(int state, qreal width);

// Adds box, outlined by pen and filled with brush, and caption centred on
// it in the text colour.
void addcaptionedbox(QGraphicsScene *scene, const QRectF &box, const QPen &pen, const QBrush &brush,
                     const QString &caption, const QFont &font, const QColor &textcolour);
