#include "drawingrules.h"

#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QLinearGradient>

QPen outlinepen(const QColor &colour, int width)
{
    QPen pen(colour);
    pen.setWidth(width);
    return pen;
}

QBrush solidbrush(const QColor &colour)
{
    return QBrush(colour, Qt::SolidPattern);
}

QBrush verticalgradient(const QPointF &top, const QPointF &bottom, const QColor &first,
                        const QColor &second, bool flat)
{
    QLinearGradient gradient(top, bottom);
    gradient.setColorAt(0.0, first);
    gradient.setColorAt(1.0, flat ? first : second);
    return QBrush(gradient);
}

QFont labelfont(int pointsize)
{
    QFont font(QStringLiteral("Arial"), pointsize);
    font.setWeight(QFont::Bold);
    return font;
}

QGraphicsSimpleTextItem *addlabel(QGraphicsScene *scene, const QString &text, const QFont &font,
                                  const QColor &colour)
{
    QGraphicsSimpleTextItem *label = scene->addSimpleText(text, font);
    label->setBrush(solidbrush(colour));
    label->setPen(QPen(Qt::NoPen));
    return label;
}

void centreon(QGraphicsItem *item, const QPointF &centre)
{
    const QRectF box = item->sceneBoundingRect();
    item->setPos(QPointF(centre.x() - box.width() / 2, centre.y() - box.height() / 2));
}

QRectF staterowbox(int state, qreal width)
{
    return QRectF(10, 10 + 40 * state, width, 30);
}

void addcaptionedbox(QGraphicsScene *scene, const QRectF &box, const QPen &pen, const QBrush &brush,
                     const QString &caption, const QFont &font, const QColor &textcolour)
{
    scene->addRect(box, pen, brush);
    centreon(addlabel(scene, caption, font, textcolour), box.center());
}
