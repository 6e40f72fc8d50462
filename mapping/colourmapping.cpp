#include "colourmapping.h"

#include <QDomElement>

#include "colours/colourscheme.h"
#include "colours/profileformat.h"

namespace {

const QString deckAttribute = QStringLiteral("deck");
const QString colorAttribute = QStringLiteral("color");
const QString valueAttribute = QStringLiteral("value");

bool hasDeckPrefix(const QString &key)
{
    return key.startsWith(QLatin1String("d1_")) || key.startsWith(QLatin1String("d2_"));
}

} // namespace

QString changexmlcolor(const ColourScheme &colours, const QDomNode &node)
{
    // The colour table's profile keys are the rule table: a define names the
    // key by its deck ("left" for "d1_", "right" for "d2_") and its color.
    const QDomElement define = node.toElement();
    const QString value = define.attribute(valueAttribute);

    QString prefix;
    if (define.hasAttribute(deckAttribute)) {
        const QString deck = define.attribute(deckAttribute);
        if (deck == QLatin1String("left"))
            prefix = QStringLiteral("d1_");
        else if (deck == QLatin1String("right"))
            prefix = QStringLiteral("d2_");
        else
            return value;
    }
    if (!define.hasAttribute(colorAttribute))
        return value;

    const QString key = prefix + define.attribute(colorAttribute);
    // A deck colour is reached only through its deck attribute.
    if (prefix.isEmpty() && hasDeckPrefix(key))
        return value;
    const ColourEntry *entry = ColourScheme::findColour(key);
    if (!entry)
        return value;

    const bool flat = colours.disablegradience && entry->role == GradientRole::Second;
    return colourText(colours.*(flat ? entry->partner : entry->colour));
}
