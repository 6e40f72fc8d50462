#include "gradientswitch.h"

#include "colourscheme.h"

namespace {

const ColourEntry *entrynamed(const QString &member)
{
    for (const ColourEntry &entry : ColourScheme::colourTable()) {
        if (member == QLatin1String(entry.member))
            return &entry;
    }
    return nullptr;
}

} // namespace

QStringList gradientswitchwidgets()
{
    // The gradient pairs of one deck, family by family, as stems: colour 1
    // is stem + "1", colour 2 stem + "2".
    static const QVector<QStringList> families = {
        {"buttonoff", "buttonon", "buttonover"},
        {"dspoff", "dspon", "dspover"},
        {"knobin"},
        {"faderfader"},
    };
    QStringList names;
    for (const char *deck : {"d1_", "d2_"}) {
        for (const QStringList &stems : families) {
            // The widget names come from the colour table, which knows the
            // form's spellings (the fader cap's "fadder" reset).
            for (const QString &stem : stems) {
                if (const ColourEntry *second = entrynamed(QLatin1String(deck) + stem + "2"))
                    names << second->colorButton << second->swatch << second->resetButton;
            }
            for (const QString &stem : stems)
                names << QLatin1String(deck) + stem + "1_to2";
        }
    }
    return names;
}
