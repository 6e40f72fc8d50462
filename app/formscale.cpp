#include "formscale.h"

#include <QCoreApplication>
#include <QWidget>

namespace formscale {

void keepstylemetrics()
{
    // Qt's styles scale their metrics by the font DPI unless told the
    // screen is 96 DPI. Pictures painted with point sizes (the previews, the
    // skin's preview image) then also come out the same on every desktop.
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
}

void pinfonts(QWidget *form)
{
    // Parents before their children: a widget that takes its size from its
    // parent then finds it in pixels already.
    QList<QWidget *> widgets{form};
    widgets += form->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (!widget->testAttribute(Qt::WA_SetFont))
            continue;
        QFont font = widget->font();
        if (font.pointSizeF() > 0)
            font.setPixelSize(qRound(font.pointSizeF() * drawndpi / 72));
        // The captions were fitted to fully hinted text, which advances by
        // whole pixels; with fractional advances a caption can come out a
        // pixel wider than the room the style gives it (a group box clips
        // its title there).
        font.setHintingPreference(QFont::PreferFullHinting);
        widget->setFont(font);
    }
}

} // namespace formscale
