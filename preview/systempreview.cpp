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
        addcaptionedbox(scene, staterowbox(state, 30), outlinepen(colours.border, 2),
                        solidbrush(colours.fill1), QStringLiteral("X"), font, colours.text);
    }
}
