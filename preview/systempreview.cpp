#include "systempreview.h"

#include <QGraphicsScene>

StateRows systemcolours(const ColourScheme &c)
{
    return StateRows{{{c.m_systemoff, c.m_systemoff, c.m_systemoffborder, c.m_systemtextoff},
                      {c.m_systemover, c.m_systemover, c.m_systemoverborder, c.m_systemtextover},
                      {c.m_systemon, c.m_systemon, c.m_systemonborder, c.m_systemtexton}}};
}

void drawsystempreview(QGraphicsScene *scene, const StateRows &states)
{
    if (!scene)
        return;
    scene->clear();
    const QFont font = labelfont(10);
    for (int state = 0; state < StateCount; ++state) {
        const StateColours &colours = states[state];
        const qreal top = 10 + 40 * state;
        scene->addRect(QRectF(10, top, 30, 30), outlinepen(colours.border, 2),
                       solidbrush(colours.fill1));
        centreon(addlabel(scene, QStringLiteral("X"), font, colours.text), QPointF(25, top + 15));
    }
}
