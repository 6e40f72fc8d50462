#pragma once
// The colours of one deck, as the deck actions of the Colors menu walk them:
// copying a deck onto the other deck and resetting a deck from the profile.
#include <QColor>
#include <QVector>

#include "colours/colourscheme.h"

// TYX_DECK_COLOURS(X) calls X once per deck colour, 60 in all, family by
// family (buttons, knobs, faders, jog wheels, drop-down buttons, text
// displays, level meters, song position); colour 1 of a gradient pair comes
// right before its colour 2, so that a copy made while gradients are off
// still ends with the source deck's colour 2. Columns:
//   left, right  the left and the right deck's colour member; the fader
//                lines are one colour that both decks edit
//   setter       the setter without its deck prefix ("d1_" or "d2_")
//   reset        the reset button without its deck prefix; its slot is
//                on_d1_<reset>_clicked or on_d2_<reset>_clicked
// The needle's setter and the fader cap's colour-2 reset carry the spelling
// of their buttons on the form.
// clang-format off
#define TYX_DECK_COLOURS(X) \
    X(d1_buttonoff1,       d2_buttonoff1,       buttonoff1_color,       buttonoff1_reset) \
    X(d1_buttonoff2,       d2_buttonoff2,       buttonoff2_color,       buttonoff2_reset) \
    X(d1_buttonoffborder,  d2_buttonoffborder,  buttonoffborder_color,  buttonoffborder_reset) \
    X(d1_buttonover1,      d2_buttonover1,      buttonover1_color,      buttonover1_reset) \
    X(d1_buttonover2,      d2_buttonover2,      buttonover2_color,      buttonover2_reset) \
    X(d1_buttonoverborder, d2_buttonoverborder, buttonoverborder_color, buttonoverborder_reset) \
    X(d1_buttonon1,        d2_buttonon1,        buttonon1_color,        buttonon1_reset) \
    X(d1_buttonon2,        d2_buttonon2,        buttonon2_color,        buttonon2_reset) \
    X(d1_buttononborder,   d2_buttononborder,   buttononborder_color,   buttononborder_reset) \
    X(d1_buttontextoff,    d2_buttontextoff,    buttontextoff_color,    buttontextoff_reset) \
    X(d1_buttontextover,   d2_buttontextover,   buttontextover_color,   buttontextover_reset) \
    X(d1_buttontexton,     d2_buttontexton,     buttontexton_color,     buttontexton_reset) \
    X(d1_knobin1,          d2_knobin1,          knobin1_color,          knobin1_reset) \
    X(d1_knobin2,          d2_knobin2,          knobin2_color,          knobin2_reset) \
    X(d1_knobinborder,     d2_knobinborder,     knobinborder_color,     knobinborder_reset) \
    X(d1_knobringoff,      d2_knobringoff,      knobringoff_color,      knobringoff_reset) \
    X(d1_knobringon,       d2_knobringon,       knobringon_color,       knobringon_reset) \
    X(d1_knobfader1,       d2_knobfader1,       knobfader1_color,       knobfader1_reset) \
    X(d1_knobtext,         d2_knobtext,         knobtext_color,         knobtext_reset) \
    X(d1_faderinoff1,      d2_faderinoff1,      faderinoff1_color,      faderinoff1_reset) \
    X(d1_faderinoffborder, d2_faderinoffborder, faderinoffborder_color, faderinoffborder_reset) \
    X(d1_faderinon1,       d2_faderinon1,       faderinon1_color,       faderinon1_reset) \
    X(d1_faderfader1,      d2_faderfader1,      faderfader1_color,      faderfader1_reset) \
    X(d1_faderfader2,      d2_faderfader2,      faderfader2_color,      faderfadder2_reset) \
    X(d1_faderfaderborder, d2_faderfaderborder, faderfaderborder_color, faderfaderborder_reset) \
    X(faderlines,          faderlines,          faderlines_color,       faderlines_reset) \
    X(d1_jogfill,          d2_jogfill,          jogfill_color,          jogfill_reset) \
    X(d1_jogborder,        d2_jogborder,        jogborder_color,        jogborder_reset) \
    X(d1_jogringoff,       d2_jogringoff,       jogringoff_color,       jogringoff_reset) \
    X(d1_jogringon,        d2_jogringon,        jogringon_color,        jogringon_reset) \
    X(d1_joginner,         d2_joginner,         joginner_color,         joginner_reset) \
    X(d1_joginnerborder,   d2_joginnerborder,   joginnerborder_color,   joginnerborder_reset) \
    X(d1_jogneedle,        d2_jogneedle,        jogneeedle_color,       jogneedle_reset) \
    X(d1_dspoff1,          d2_dspoff1,          dspoff1_color,          dspoff1_reset) \
    X(d1_dspoff2,          d2_dspoff2,          dspoff2_color,          dspoff2_reset) \
    X(d1_dspover1,         d2_dspover1,         dspover1_color,         dspover1_reset) \
    X(d1_dspover2,         d2_dspover2,         dspover2_color,         dspover2_reset) \
    X(d1_dspon1,           d2_dspon1,           dspon1_color,           dspon1_reset) \
    X(d1_dspon2,           d2_dspon2,           dspon2_color,           dspon2_reset) \
    X(d1_dspoffborder,     d2_dspoffborder,     dspoffborder_color,     dspoffborder_reset) \
    X(d1_dspoverborder,    d2_dspoverborder,    dspoverborder_color,    dspoverborder_reset) \
    X(d1_dsponborder,      d2_dsponborder,      dsponborder_color,      dsponborder_reset) \
    X(d1_dsptextoff,       d2_dsptextoff,       dsptextoff_color,       dsptextoff_reset) \
    X(d1_dsptextover,      d2_dsptextover,      dsptextover_color,      dsptextover_reset) \
    X(d1_dsptexton,        d2_dsptexton,        dsptexton_color,        dsptexton_reset) \
    X(d1_textcolor,        d2_textcolor,        textcolor_color,        textcolor_reset) \
    X(d1_textbright,       d2_textbright,       textbright_color,       textbright_reset) \
    X(d1_textdark,         d2_textdark,         textdark_color,         textdark_reset) \
    X(d1_textback,         d2_textback,         textback_color,         textback_reset) \
    X(d1_silkscreen,       d2_silkscreen,       silkscreen_color,       silkscreen_reset) \
    X(d1_vuback,           d2_vuback,           vuback_color,           vuback_reset) \
    X(d1_vuoff,            d2_vuoff,            vuoff_color,            vuoff_reset) \
    X(d1_vuon,             d2_vuon,             vuon_color,             vuon_reset) \
    X(d1_vupeak,           d2_vupeak,           vupeak_color,           vupeak_reset) \
    X(d1_colorHigh,        d2_colorHigh,        colorHigh_color,        colorHigh_reset) \
    X(d1_colorMed,         d2_colorMed,         colorMed_color,         colorMed_reset) \
    X(d1_colorBass,        d2_colorBass,        colorBass_color,        colorBass_reset) \
    X(d1_colorPlayed,      d2_colorPlayed,      colorPlayed_color,      colorPlayed_reset) \
    X(d1_songposback,      d2_songposback,      songposback_color,      songposback_reset) \
    X(d1_songposborder,    d2_songposborder,    songposborder_color,    songposborder_reset)
// clang-format on

// One deck colour, with the names of its editors on either deck.
struct DeckColour
{
    QColor ColourScheme::*left;
    QColor ColourScheme::*right;
    const char *leftmember;
    const char *rightmember;
    QString leftsetter;   // d1_<setter>
    QString rightsetter;  // d2_<setter>
    QString leftreset;    // d1_<reset>, the reset button of the left deck
    QString rightreset;   // d2_<reset>
};

// The 60 colours of TYX_DECK_COLOURS, in its order.
const QVector<DeckColour> &deckcolours();

