#include "swatch.h"

#include <QBrush>
#include <QPalette>
#include <QWidget>

void paintswatch(QWidget *swatch, const QColor &colour)
{
    if (!swatch)
        return;
    QPalette palette = swatch->palette();
    palette.setBrush(QPalette::All, QPalette::Window, QBrush(colour, Qt::SolidPattern));
    swatch->setAutoFillBackground(true);
    swatch->setPalette(palette);
    swatch->update();
}
