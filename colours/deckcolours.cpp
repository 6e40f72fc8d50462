#include "deckcolours.h"

const QVector<DeckColour> &deckcolours()
{
#define TYX_DECK_COLOUR_ENTRY(left, right, setter, reset) \
    DeckColour{&ColourScheme::left, &ColourScheme::right, #left, #right, \
               QStringLiteral("d1_" #setter), QStringLiteral("d2_" #setter), \
               QStringLiteral("d1_" #reset), QStringLiteral("d2_" #reset)},
    static const QVector<DeckColour> table{TYX_DECK_COLOURS(TYX_DECK_COLOUR_ENTRY)};
#undef TYX_DECK_COLOUR_ENTRY
    return table;
}
