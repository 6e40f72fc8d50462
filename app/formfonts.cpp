#include "formfonts.h"

#include <QWidget>

namespace formfonts {

void pintopixels(QWidget *form)
{
    // Parents before their children: a widget that takes its size from its
    // parent then finds it in pixels already and is left alone.
    QList<QWidget *> widgets{form};
    widgets += form->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (!widget->testAttribute(Qt::WA_SetFont))
            continue;
        QFont font = widget->font();
        if (font.pointSizeF() <= 0)
            continue;
        font.setPixelSize(qRound(font.pointSizeF() * drawndpi / 72));
        widget->setFont(font);
    }
}

} // namespace formfonts
