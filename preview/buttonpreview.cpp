#include "buttonpreview.h"

#include <QGraphicsScene>

// The colours of scope prefix p, named like d1_buttonoff1.
#define TYX_BUTTON_STATES(c, p)                                                               \
    StateRows{{{c.p##buttonoff1, c.p##buttonoff2, c.p##buttonoffborder, c.p##buttontextoff}, \
               {c.p##buttonover1, c.p##buttonover2, c.p##buttonoverborder,                   \
                c.p##buttontextover},                                                         \
               {c.p##buttonon1, c.p##buttonon2, c.p##buttononborder, c.p##buttontexton}}}

StateRows buttoncolours(const ColourScheme &c, ColourScope scope)
{
    switch (scope) {
    case ColourScope::D1:
        return TYX_BUTTON_STATES(c, d1_);
    case ColourScope::D2:
        return TYX_BUTTON_STATES(c, d2_);
    case ColourScope::Mixer:
        return TYX_BUTTON_STATES(c, m_);
    default:
        return StateRows{};
    }
}

#undef TYX_BUTTON_STATES

void drawbuttonpreview(QGraphicsScene *scene, const StateRows &states, bool flat)
{
    if (!scene)
        return;
    static const char *const captions[StateCount] = {"OFF", "OVER", "ON"};

    scene->clear();
    const QFont font = labelfont(10);
    for (int state = 0; state < StateCount; ++state) {
        const StateColours &colours = states[state];
        const QRectF box = staterowbox(state, 80);
        addcaptionedbox(scene, box, outlinepen(colours.border, 2),
                        verticalgradient(QPointF(50, box.top()), QPointF(50, box.bottom()),
                                         colours.fill1, colours.fill2, flat),
                        QLatin1String(captions[state]), font, colours.text);
    }
}
