#include "dropdownpreview.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>

// The colours of scope prefix p, named like d1_dspoff1.
#define TYX_DROPDOWN_STATES(c, p)                                                   \
    StateRows{{{c.p##dspoff1, c.p##dspoff2, c.p##dspoffborder, c.p##dsptextoff},    \
               {c.p##dspover1, c.p##dspover2, c.p##dspoverborder, c.p##dsptextover}, \
               {c.p##dspon1, c.p##dspon2, c.p##dsponborder, c.p##dsptexton}}}

StateRows dropdowncolours(const ColourScheme &c, ColourScope scope)
{
    switch (scope) {
    case ColourScope::D1:
        return TYX_DROPDOWN_STATES(c, d1_);
    case ColourScope::D2:
        return TYX_DROPDOWN_STATES(c, d2_);
    case ColourScope::Mixer:
        return TYX_DROPDOWN_STATES(c, m_);
    case ColourScope::Video:
        return TYX_DROPDOWN_STATES(c, v_);
    default:
        return StateRows{};
    }
}

#undef TYX_DROPDOWN_STATES

namespace {

// Where a row's caption and mark go. Both are placed by one reference size:
// the caption's own, or (off row) the arrow box's, which puts the off
// caption and its mark at the same points whatever the font.
struct DropDownRow {
    const char *caption;
    qreal captionx;
    qreal texty;
    qreal markx;
    bool measurearrow;
};

const DropDownRow rows[StateCount] = {
    {"OFF", 40, 32, 93, true},
    {"OVER", 40, 65, 96, false},
    {"ON", 40, 105, 88, false},
};

} // namespace

void drawdropdownpreview(QGraphicsScene *scene, const StateRows &states, bool flat)
{
    if (!scene)
        return;
    scene->clear();
    const QFont font = labelfont(10);
    for (int state = 0; state < StateCount; ++state) {
        const StateColours &colours = states[state];
        const DropDownRow &row = rows[state];
        const QRectF body = staterowbox(state, 60);
        const qreal top = body.top();

        const QPen pen = outlinepen(colours.border, 2);
        const QBrush brush = verticalgradient(QPointF(50, top), QPointF(50, body.bottom()),
                                              colours.fill1, colours.fill2, flat);
        scene->addRect(body, pen, brush);
        QGraphicsRectItem *arrow = scene->addRect(QRectF(70, top, 25, 30), pen, brush);
        const QSizeF arrowsize = arrow->sceneBoundingRect().size();

        QGraphicsSimpleTextItem *caption =
            addlabel(scene, QLatin1String(row.caption), font, colours.text);
        const QSizeF size = row.measurearrow ? arrowsize : caption->sceneBoundingRect().size();
        caption->setPos(row.captionx - size.width() / 2, row.texty - size.height() / 2);

        QGraphicsSimpleTextItem *mark = addlabel(scene, QStringLiteral("V"), font, colours.text);
        mark->setPos(row.markx - size.width() / 2, row.texty - size.height() / 2);
    }
}
