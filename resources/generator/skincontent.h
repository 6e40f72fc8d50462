#pragma once
// The panels of the stand-in skin's module windows.
#include "skinmodules.h"
#include "skinsprites.h"
#include "skinxml.h"

namespace skin {

// Builds the content of the windows; every picture an element names is
// reserved on `sheet` while the element is made.
class ContentBuilder
{
public:
    explicit ContentBuilder(SpriteSheet &sheet) : sheet(sheet) {}

    // The whole `window` element of `window`, with its two panels (or, for
    // the menu window, its controls and five panels).
    XmlNode window(const Window &window);

    // A button of w x h whose image states (tags) each get a picture.
    XmlNode spriteButton(int x, int y, int w, int h, const QStringList &states);

    // Reserves a picture of w x h on the sheet.
    QPoint picture(int w, int h) { return sheet.allocate(w, h); }

private:
    XmlNode editingPanel(const Window &w);
    XmlNode livePanel(const Window &w);
    QVector<XmlNode> controls(const Window &w);
    QVector<XmlNode> deckControls(const Window &w);
    QVector<XmlNode> mixerControls(const Window &w);
    QVector<XmlNode> globalControls(const Window &w);
    QVector<XmlNode> menuWindowContent();

    XmlNode transport(const Window &w);
    XmlNode songPosition(int width, int height, const QString &deck);
    XmlNode jogVisual(const QString &deck);
    XmlNode ledMeter(int x, int y, int width, int height, int leds, bool vertical,
                     const QString &prefix);
    XmlNode knob(int x, int y, int size, const QString &family);
    XmlNode fader(int x, int y, int width, int height, const QString &family, bool vertical);
    XmlNode rhythmZone(int width, int height, bool mirrored);
    XmlNode scratchWave(int width, int height, const QString &deck, bool withCue);
    XmlNode loopMenu(int x, int y, int width, int height);

    SpriteSheet &sheet;
};

// Short forms for the many position and size children.
XmlNode pos(int x, int y);
XmlNode size(int width, int height);

} // namespace skin
