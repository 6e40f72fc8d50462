#pragma once
// The user's colour scheme as one table: every colour member, the key under
// which profiles and the Tessary skin name it, and the names of everything
// that shows or edits it. Everything that needs the list of colours expands
// this table, so adding or renaming a colour is one edit here.
//
// TYX_COLOURS(X) calls X once per colour, 213 in all, in profile order (the
// order in which a profile file lists them). Columns:
//   member  the QColor member of ColourScheme (and so of MainWindow)
//   key     the profile key; also the colour's name in the Tessary skin's
//           colour defines, where "d1_" and "d2_" stand for a deck attribute
//   family  ColourFamily enumerator
//   scope   ColourScope enumerator (NoScope for the skin, zone and shared
//           fader-lines colours)
//   role    GradientRole enumerator: Single, or the First or Second colour
//           of a gradient pair
//   partner the other colour of the gradient pair; the member itself for
//           a single colour
//   swatch  the QLabel that shows the colour
//   colorButton the QPushButton that opens the colour dialog; it is also the
//           name of the colour's setter, except for the Skin and Zones
//           families, which have no setter
//   resetButton the QPushButton that resets the colour from the profile
//   draw    the preview function that redraws the colour's family and scope
//
// All names are complete identifiers: moc cannot paste a name such as
// stem ## 1_to2, because "1_to2" is no token of its own. Pasting a column
// with a word that begins with a letter or underscore (member ## _to2,
// on_ ## colorButton ## _clicked) works in moc as in the compiler.
//
// The shared fader-lines colour is edited from both decks; its row names the
// left deck's widgets, TYX_COLOUR_EXTRA_EDITOR_ROWS the right deck's.

// Expands its other arguments only for the first colour of a gradient pair
// (the one with a copy button, member ## _to2).
#define TYX_IF_FIRST(role, ...) TYX_IF_FIRST_##role(__VA_ARGS__)
#define TYX_IF_FIRST_First(...) __VA_ARGS__
#define TYX_IF_FIRST_Second(...)
#define TYX_IF_FIRST_Single(...)

// clang-format off
#define TYX_COLOURS(X) \
    X(skinback,            "backcolor",              Skin,          NoScope, Single, skinback,            skinback_label,            skinback_color,            skinback_reset,            updatescenes) \
    X(topbar,              "topbar",                 Skin,          NoScope, Single, topbar,              topbar_label,              topbar_color,              topbar_reset,              drawskin) \
    X(zoneback,            "draw1back",              Zones,         NoScope, Single, zoneback,            zone1color_label,          zonebackcolor,             resetzoneback,             drawskin) \
    X(zone2back,           "draw2back",              Zones,         NoScope, Single, zone2back,           zone2color_label,          zone2backcolor,            resetzone2back,            drawskin) \
    X(zone3back,           "draw3back",              Zones,         NoScope, Single, zone3back,           zone3color_label,          zone3backcolor,            resetzone3back,            drawskin) \
    X(zone4back,           "draw4back",              Zones,         NoScope, Single, zone4back,           zone4color_label,          zone4backcolor,            resetzone4back,            drawskin) \
    X(zone5back,           "d1_draw5back",           Zones,         NoScope, Single, zone5back,           zone5color_label,          zone5backcolor,            resetzone5back,            drawskin) \
    X(zone7back,           "d1_draw6back",           Zones,         NoScope, Single, zone7back,           zone7color_label,          zone7backcolor,            resetzone7back,            drawskin) \
    X(zone6back,           "d2_draw5back",           Zones,         NoScope, Single, zone6back,           zone6color_label,          zone6backcolor,            resetzone6back,            drawskin) \
    X(zone8back,           "d2_draw6back",           Zones,         NoScope, Single, zone8back,           zone8color_label,          zone8backcolor,            resetzone8back,            drawskin) \
    X(zoneborder,          "drawborder",             Zones,         NoScope, Single, zoneborder,          zoneborder_label,          zoneborder_color,          zoneborder_reset,          drawskin) \
    X(d1_buttonoff1,       "d1_buttonoff1",          Buttons,       D1,      First,  d1_buttonoff2,       d1_buttonoff1_label,       d1_buttonoff1_color,       d1_buttonoff1_reset,       drawbutton) \
    X(d1_buttonoff2,       "d1_buttonoff2",          Buttons,       D1,      Second, d1_buttonoff1,       d1_buttonoff2_label,       d1_buttonoff2_color,       d1_buttonoff2_reset,       drawbutton) \
    X(d1_buttonoffborder,  "d1_buttonoffborder",     Buttons,       D1,      Single, d1_buttonoffborder,  d1_buttonoffborder_label,  d1_buttonoffborder_color,  d1_buttonoffborder_reset,  drawbutton) \
    X(d1_buttonon1,        "d1_buttonon1",           Buttons,       D1,      First,  d1_buttonon2,        d1_buttonon1_label,        d1_buttonon1_color,        d1_buttonon1_reset,        drawbutton) \
    X(d1_buttonon2,        "d1_buttonon2",           Buttons,       D1,      Second, d1_buttonon1,        d1_buttonon2_label,        d1_buttonon2_color,        d1_buttonon2_reset,        drawbutton) \
    X(d1_buttononborder,   "d1_buttononborder",      Buttons,       D1,      Single, d1_buttononborder,   d1_buttononborder_label,   d1_buttononborder_color,   d1_buttononborder_reset,   drawbutton) \
    X(d1_buttonover1,      "d1_buttonover1",         Buttons,       D1,      First,  d1_buttonover2,      d1_buttonover1_label,      d1_buttonover1_color,      d1_buttonover1_reset,      drawbutton) \
    X(d1_buttonover2,      "d1_buttonover2",         Buttons,       D1,      Second, d1_buttonover1,      d1_buttonover2_label,      d1_buttonover2_color,      d1_buttonover2_reset,      drawbutton) \
    X(d1_buttonoverborder, "d1_buttonoverborder",    Buttons,       D1,      Single, d1_buttonoverborder, d1_buttonoverborder_label, d1_buttonoverborder_color, d1_buttonoverborder_reset, drawbutton) \
    X(d2_buttonoff1,       "d2_buttonoff1",          Buttons,       D2,      First,  d2_buttonoff2,       d2_buttonoff1_label,       d2_buttonoff1_color,       d2_buttonoff1_reset,       drawbutton2) \
    X(d2_buttonoff2,       "d2_buttonoff2",          Buttons,       D2,      Second, d2_buttonoff1,       d2_buttonoff2_label,       d2_buttonoff2_color,       d2_buttonoff2_reset,       drawbutton2) \
    X(d2_buttonoffborder,  "d2_buttonoffborder",     Buttons,       D2,      Single, d2_buttonoffborder,  d2_buttonoffborder_label,  d2_buttonoffborder_color,  d2_buttonoffborder_reset,  drawbutton2) \
    X(d2_buttonon1,        "d2_buttonon1",           Buttons,       D2,      First,  d2_buttonon2,        d2_buttonon1_label,        d2_buttonon1_color,        d2_buttonon1_reset,        drawbutton2) \
    X(d2_buttonon2,        "d2_buttonon2",           Buttons,       D2,      Second, d2_buttonon1,        d2_buttonon2_label,        d2_buttonon2_color,        d2_buttonon2_reset,        drawbutton2) \
    X(d2_buttononborder,   "d2_buttononborder",      Buttons,       D2,      Single, d2_buttononborder,   d2_buttononborder_label,   d2_buttononborder_color,   d2_buttononborder_reset,   drawbutton2) \
    X(d2_buttonover1,      "d2_buttonover1",         Buttons,       D2,      First,  d2_buttonover2,      d2_buttonover1_label,      d2_buttonover1_color,      d2_buttonover1_reset,      drawbutton2) \
    X(d2_buttonover2,      "d2_buttonover2",         Buttons,       D2,      Second, d2_buttonover1,      d2_buttonover2_label,      d2_buttonover2_color,      d2_buttonover2_reset,      drawbutton2) \
    X(d2_buttonoverborder, "d2_buttonoverborder",    Buttons,       D2,      Single, d2_buttonoverborder, d2_buttonoverborder_label, d2_buttonoverborder_color, d2_buttonoverborder_reset, drawbutton2) \
    X(d1_buttontextoff,    "d1_buttontextoff",       Buttons,       D1,      Single, d1_buttontextoff,    d1_buttontextoff_label,    d1_buttontextoff_color,    d1_buttontextoff_reset,    drawbutton) \
    X(d1_buttontextover,   "d1_buttontextover",      Buttons,       D1,      Single, d1_buttontextover,   d1_buttontextover_label,   d1_buttontextover_color,   d1_buttontextover_reset,   drawbutton) \
    X(d1_buttontexton,     "d1_buttontexton",        Buttons,       D1,      Single, d1_buttontexton,     d1_buttontexton_label,     d1_buttontexton_color,     d1_buttontexton_reset,     drawbutton) \
    X(d2_buttontextoff,    "d2_buttontextoff",       Buttons,       D2,      Single, d2_buttontextoff,    d2_buttontextoff_label,    d2_buttontextoff_color,    d2_buttontextoff_reset,    drawbutton2) \
    X(d2_buttontextover,   "d2_buttontextover",      Buttons,       D2,      Single, d2_buttontextover,   d2_buttontextover_label,   d2_buttontextover_color,   d2_buttontextover_reset,   drawbutton2) \
    X(d2_buttontexton,     "d2_buttontexton",        Buttons,       D2,      Single, d2_buttontexton,     d2_buttontexton_label,     d2_buttontexton_color,     d2_buttontexton_reset,     drawbutton2) \
    X(m_buttonoff1,        "masterbuttonoff1",       Buttons,       Mixer,   First,  m_buttonoff2,        m_buttonoff1_label,        m_buttonoff1_color,        m_buttonoff1_reset,        drawbuttonm) \
    X(m_buttonoff2,        "masterbuttonoff2",       Buttons,       Mixer,   Second, m_buttonoff1,        m_buttonoff2_label,        m_buttonoff2_color,        m_buttonoff2_reset,        drawbuttonm) \
    X(m_buttonoffborder,   "masterbuttonoffborder",  Buttons,       Mixer,   Single, m_buttonoffborder,   m_buttonoffborder_label,   m_buttonoffborder_color,   m_buttonoffborder_reset,   drawbuttonm) \
    X(m_buttonon1,         "masterbuttonon1",        Buttons,       Mixer,   First,  m_buttonon2,         m_buttonon1_label,         m_buttonon1_color,         m_buttonon1_reset,         drawbuttonm) \
    X(m_buttonon2,         "masterbuttonon2",        Buttons,       Mixer,   Second, m_buttonon1,         m_buttonon2_label,         m_buttonon2_color,         m_buttonon2_reset,         drawbuttonm) \
    X(m_buttononborder,    "masterbuttononborder",   Buttons,       Mixer,   Single, m_buttononborder,    m_buttononborder_label,    m_buttononborder_color,    m_buttononborder_reset,    drawbuttonm) \
    X(m_buttonover1,       "masterbuttonover1",      Buttons,       Mixer,   First,  m_buttonover2,       m_buttonover1_label,       m_buttonover1_color,       m_buttonover1_reset,       drawbuttonm) \
    X(m_buttonover2,       "masterbuttonover2",      Buttons,       Mixer,   Second, m_buttonover1,       m_buttonover2_label,       m_buttonover2_color,       m_buttonover2_reset,       drawbuttonm) \
    X(m_buttonoverborder,  "masterbuttonoverborder", Buttons,       Mixer,   Single, m_buttonoverborder,  m_buttonoverborder_label,  m_buttonoverborder_color,  m_buttonoverborder_reset,  drawbuttonm) \
    X(m_buttontextoff,     "masterbuttontextoff",    Buttons,       Mixer,   Single, m_buttontextoff,     m_buttontextoff_label,     m_buttontextoff_color,     m_buttontextoff_reset,     drawbuttonm) \
    X(m_buttontextover,    "masterbuttontextover",   Buttons,       Mixer,   Single, m_buttontextover,    m_buttontextover_label,    m_buttontextover_color,    m_buttontextover_reset,    drawbuttonm) \
    X(m_buttontexton,      "masterbuttontexton",     Buttons,       Mixer,   Single, m_buttontexton,      m_buttontexton_label,      m_buttontexton_color,      m_buttontexton_reset,      drawbuttonm) \
    X(d1_knobin1,          "d1_knobin1",             Knobs,         D1,      First,  d1_knobin2,          d1_knobin1_label,          d1_knobin1_color,          d1_knobin1_reset,          drawknob) \
    X(d1_knobin2,          "d1_knobin2",             Knobs,         D1,      Second, d1_knobin1,          d1_knobin2_label,          d1_knobin2_color,          d1_knobin2_reset,          drawknob) \
    X(d2_knobin1,          "d2_knobin1",             Knobs,         D2,      First,  d2_knobin2,          d2_knobin_label,           d2_knobin1_color,          d2_knobin1_reset,          drawknob2) \
    X(d2_knobin2,          "d2_knobin2",             Knobs,         D2,      Second, d2_knobin1,          d2_knobin2_label,          d2_knobin2_color,          d2_knobin2_reset,          drawknob2) \
    X(d1_knobinborder,     "d1_knobborder",          Knobs,         D1,      Single, d1_knobinborder,     d1_knobinborder_label,     d1_knobinborder_color,     d1_knobinborder_reset,     drawknob) \
    X(d2_knobinborder,     "d2_knobborder",          Knobs,         D2,      Single, d2_knobinborder,     d2_knobinborder_label,     d2_knobinborder_color,     d2_knobinborder_reset,     drawknob2) \
    X(d1_knobringoff,      "d1_knobringoff",         Knobs,         D1,      Single, d1_knobringoff,      d1_knobringoff_label,      d1_knobringoff_color,      d1_knobringoff_reset,      drawknob) \
    X(d2_knobringoff,      "d2_knobringoff",         Knobs,         D2,      Single, d2_knobringoff,      d2_knobringoff_label,      d2_knobringoff_color,      d2_knobringoff_reset,      drawknob2) \
    X(d1_knobringon,       "d1_knobringon",          Knobs,         D1,      Single, d1_knobringon,       d1_knobringon_label,       d1_knobringon_color,       d1_knobringon_reset,       drawknob) \
    X(d2_knobringon,       "d2_knobringon",          Knobs,         D2,      Single, d2_knobringon,       d2_knobringon_label,       d2_knobringon_color,       d2_knobringon_reset,       drawknob2) \
    X(d1_knobfader1,       "d1_knobfader",           Knobs,         D1,      Single, d1_knobfader1,       d1_knobfader1_label,       d1_knobfader1_color,       d1_knobfader1_reset,       drawknob) \
    X(d2_knobfader1,       "d2_knobfader",           Knobs,         D2,      Single, d2_knobfader1,       d2_knobfader1_label,       d2_knobfader1_color,       d2_knobfader1_reset,       drawknob2) \
    X(d1_knobtext,         "d1_knobtext",            Knobs,         D1,      Single, d1_knobtext,         d1_knobtext_label,         d1_knobtext_color,         d1_knobtext_reset,         drawknob) \
    X(d2_knobtext,         "d2_knobtext",            Knobs,         D2,      Single, d2_knobtext,         d2_knobtext_label,         d2_knobtext_color,         d2_knobtext_reset,         drawknob2) \
    X(m_knobin1,           "knobmasterin1",          Knobs,         Mixer,   First,  m_knobin2,           m_knobin_label,            m_knobin1_color,           m_knobin1_reset,           drawknobm) \
    X(m_knobin2,           "knobmasterin2",          Knobs,         Mixer,   Second, m_knobin1,           m_knobin2_label,           m_knobin2_color,           m_knobin2_reset,           drawknobm) \
    X(m_knobinborder,      "knobmasterinborder",     Knobs,         Mixer,   Single, m_knobinborder,      m_knobinborder_label,      m_knobinborder_color,      m_knobinborder_reset,      drawknobm) \
    X(m_knobfader1,        "knobmasterfader",        Knobs,         Mixer,   Single, m_knobfader1,        m_knobfader1_label,        m_knobfader1_color,        m_knobfader1_reset,        drawknobm) \
    X(m_knobringoff,       "knobmasterringoff",      Knobs,         Mixer,   Single, m_knobringoff,       m_knobringoff_label,       m_knobringoff_color,       m_knobringoff_reset,       drawknobm) \
    X(m_knobringon,        "knobmasterringon",       Knobs,         Mixer,   Single, m_knobringon,        m_knobringon_label,        m_knobringon_color,        m_knobringon_reset,        drawknobm) \
    X(m_knobtext,          "knobmastertext",         Knobs,         Mixer,   Single, m_knobtext,          m_knobtext_label,          m_knobtext_color,          m_knobtext_reset,          drawknobm) \
    X(v_knobin1,           "knobvideoin1",           Knobs,         Video,   First,  v_knobin2,           v_knobin_label,            v_knobin1_color,           v_knobin1_reset,           drawknobv) \
    X(v_knobin2,           "knobvideoin2",           Knobs,         Video,   Second, v_knobin1,           v_knobin2_label,           v_knobin2_color,           v_knobin2_reset,           drawknobv) \
    X(v_knobinborder,      "knobvideoinborder",      Knobs,         Video,   Single, v_knobinborder,      v_knobinborder_label,      v_knobinborder_color,      v_knobinborder_reset,      drawknobv) \
    X(v_knobfader1,        "knobvideofader",         Knobs,         Video,   Single, v_knobfader1,        v_knobfader1_label,        v_knobfader1_color,        v_knobfader1_reset,        drawknobv) \
    X(v_knobringoff,       "knobvideoringoff",       Knobs,         Video,   Single, v_knobringoff,       v_knobringoff_label,       v_knobringoff_color,       v_knobringoff_reset,       drawknobv) \
    X(v_knobringon,        "knobvideoringon",        Knobs,         Video,   Single, v_knobringon,        v_knobringon_label,        v_knobringon_color,        v_knobringon_reset,        drawknobv) \
    X(v_knobtext,          "knobvideotext",          Knobs,         Video,   Single, v_knobtext,          v_knobtext_label,          v_knobtext_color,          v_knobtext_reset,          drawknobv) \
    X(d1_faderinoff1,      "d1_faderinoff",          Faders,        D1,      Single, d1_faderinoff1,      d1_faderinoff1_label,      d1_faderinoff1_color,      d1_faderinoff1_reset,      drawfader) \
    X(d1_faderinon1,       "d1_faderinon",           Faders,        D1,      Single, d1_faderinon1,       d1_faderinon1_label,       d1_faderinon1_color,       d1_faderinon1_reset,       drawfader) \
    X(d1_faderinoffborder, "d1_faderborder",         Faders,        D1,      Single, d1_faderinoffborder, d1_faderinoffborder_label, d1_faderinoffborder_color, d1_faderinoffborder_reset, drawfader) \
    X(d1_faderfader1,      "d1_faderfader1",         Faders,        D1,      First,  d1_faderfader2,      d1_faderfader1_label,      d1_faderfader1_color,      d1_faderfader1_reset,      drawfader) \
    X(d1_faderfader2,      "d1_faderfader2",         Faders,        D1,      Second, d1_faderfader1,      d1_faderfader2_label,      d1_faderfader2_color,      d1_faderfadder2_reset,     drawfader) \
    X(d1_faderfaderborder, "d1_faderfaderborder",    Faders,        D1,      Single, d1_faderfaderborder, d1_faderfaderborder_label, d1_faderfaderborder_color, d1_faderfaderborder_reset, drawfader) \
    X(faderlines,          "faderlines",             Faders,        NoScope, Single, faderlines,          d1_faderlines_label,       d1_faderlines_color,       d1_faderlines_reset,       drawfader) \
    X(d2_faderinoff1,      "d2_faderinoff",          Faders,        D2,      Single, d2_faderinoff1,      d2_faderinoff1_label,      d2_faderinoff1_color,      d2_faderinoff1_reset,      drawfader2) \
    X(d2_faderinon1,       "d2_faderinon",           Faders,        D2,      Single, d2_faderinon1,       d2_faderinon1_label,       d2_faderinon1_color,       d2_faderinon1_reset,       drawfader2) \
    X(d2_faderinoffborder, "d2_faderborder",         Faders,        D2,      Single, d2_faderinoffborder, d2_faderinoffborder_label, d2_faderinoffborder_color, d2_faderinoffborder_reset, drawfader2) \
    X(d2_faderfader1,      "d2_faderfader1",         Faders,        D2,      First,  d2_faderfader2,      d2_faderfader1_label,      d2_faderfader1_color,      d2_faderfader1_reset,      drawfader2) \
    X(d2_faderfader2,      "d2_faderfader2",         Faders,        D2,      Second, d2_faderfader1,      d2_faderfader2_label,      d2_faderfader2_color,      d2_faderfadder2_reset,     drawfader2) \
    X(d2_faderfaderborder, "d2_faderfaderborder",    Faders,        D2,      Single, d2_faderfaderborder, d2_faderfaderborder_label, d2_faderfaderborder_color, d2_faderfaderborder_reset, drawfader2) \
    X(m_faderlines,        "masterfaderlines",       Faders,        Mixer,   Single, m_faderlines,        m_faderlines_label,        m_faderlines_color,        m_faderlines_reset,        drawfaderm) \
    X(m_faderinoffborder,  "masterfaderborder",      Faders,        Mixer,   Single, m_faderinoffborder,  m_faderinoffborder_label,  m_faderinoffborder_color,  m_faderinoffborder_reset,  drawfaderm) \
    X(m_faderinoff1,       "masterfaderinoff",       Faders,        Mixer,   Single, m_faderinoff1,       m_faderinoff1_label,       m_faderinoff1_color,       m_faderinoff1_reset,       drawfaderm) \
    X(m_faderinon1,        "masterfaderinon",        Faders,        Mixer,   Single, m_faderinon1,        m_faderinon1_label,        m_faderinon1_color,        m_faderinon1_reset,        drawfaderm) \
    X(m_faderfader2,       "masterfaderfader2",      Faders,        Mixer,   Second, m_faderfader1,       m_faderfader2_label,       m_faderfader2_color,       m_faderfadder2_reset,      drawfaderm) \
    X(m_faderfader1,       "masterfaderfader1",      Faders,        Mixer,   First,  m_faderfader2,       m_faderfader1_label,       m_faderfader1_color,       m_faderfader1_reset,       drawfaderm) \
    X(m_faderfaderborder,  "masterfaderfaderborder", Faders,        Mixer,   Single, m_faderfaderborder,  m_faderfaderborder_label,  m_faderfaderborder_color,  m_faderfaderborder_reset,  drawfaderm) \
    X(v_faderlines,        "videofaderlines",        Faders,        Video,   Single, v_faderlines,        v_faderlines_label,        v_faderlines_color,        v_faderlines_reset,        drawfaderv) \
    X(v_faderinoffborder,  "videofaderborder",       Faders,        Video,   Single, v_faderinoffborder,  v_faderinoffborder_label,  v_faderinoffborder_color,  v_faderinoffborder_reset,  drawfaderv) \
    X(v_faderinoff1,       "videofaderinoff",        Faders,        Video,   Single, v_faderinoff1,       v_faderinoff1_label,       v_faderinoff1_color,       v_faderinoff1_reset,       drawfaderv) \
    X(v_faderinon1,        "videofaderinon",         Faders,        Video,   Single, v_faderinon1,        v_faderinon1_label,        v_faderinon1_color,        v_faderinon1_reset,        drawfaderv) \
    X(v_faderfader2,       "videofaderfader2",       Faders,        Video,   Second, v_faderfader1,       v_faderfader2_label,       v_faderfader2_color,       v_faderfadder2_reset,      drawfaderv) \
    X(v_faderfader1,       "videofaderfader1",       Faders,        Video,   First,  v_faderfader2,       v_faderfader1_label,       v_faderfader1_color,       v_faderfader1_reset,       drawfaderv) \
    X(v_faderfaderborder,  "videofaderfaderborder",  Faders,        Video,   Single, v_faderfaderborder,  v_faderfaderborder_label,  v_faderfaderborder_color,  v_faderfaderborder_reset,  drawfaderv) \
    X(d1_jogfill,          "d1_jogfill",             Jogs,          D1,      Single, d1_jogfill,          d1_jogfill_label,          d1_jogfill_color,          d1_jogfill_reset,          drawjog) \
    X(d1_jogborder,        "d1_jogborder",           Jogs,          D1,      Single, d1_jogborder,        d1_jogborder_label,        d1_jogborder_color,        d1_jogborder_reset,        drawjog) \
    X(d1_joginner,         "d1_joginner",            Jogs,          D1,      Single, d1_joginner,         d1_joginner_label,         d1_joginner_color,         d1_joginner_reset,         drawjog) \
    X(d1_joginnerborder,   "d1_joginnerborder",      Jogs,          D1,      Single, d1_joginnerborder,   d1_joginnerborder_label,   d1_joginnerborder_color,   d1_joginnerborder_reset,   drawjog) \
    X(d1_jogringoff,       "d1_jogringoff",          Jogs,          D1,      Single, d1_jogringoff,       d1_jogringoff_label,       d1_jogringoff_color,       d1_jogringoff_reset,       drawjog) \
    X(d1_jogringon,        "d1_jogringon",           Jogs,          D1,      Single, d1_jogringon,        d1_jogringon_label,        d1_jogringon_color,        d1_jogringon_reset,        drawjog) \
    X(d1_jogneedle,        "d1_jogneedle",           Jogs,          D1,      Single, d1_jogneedle,        d1_jogneedle_label,        d1_jogneeedle_color,       d1_jogneedle_reset,        drawjog) \
    X(d2_jogfill,          "d2_jogfill",             Jogs,          D2,      Single, d2_jogfill,          d2_jogfill_label,          d2_jogfill_color,          d2_jogfill_reset,          drawjog2) \
    X(d2_jogborder,        "d2_jogborder",           Jogs,          D2,      Single, d2_jogborder,        d2_jogborder_label,        d2_jogborder_color,        d2_jogborder_reset,        drawjog2) \
    X(d2_joginner,         "d2_joginner",            Jogs,          D2,      Single, d2_joginner,         d2_joginner_label,         d2_joginner_color,         d2_joginner_reset,         drawjog2) \
    X(d2_joginnerborder,   "d2_joginnerborder",      Jogs,          D2,      Single, d2_joginnerborder,   d2_joginnerborder_label,   d2_joginnerborder_color,   d2_joginnerborder_reset,   drawjog2) \
    X(d2_jogringoff,       "d2_jogringoff",          Jogs,          D2,      Single, d2_jogringoff,       d2_jogringoff_label,       d2_jogringoff_color,       d2_jogringoff_reset,       drawjog2) \
    X(d2_jogringon,        "d2_jogringon",           Jogs,          D2,      Single, d2_jogringon,        d2_jogringon_label,        d2_jogringon_color,        d2_jogringon_reset,        drawjog2) \
    X(d2_jogneedle,        "d2_jogneedle",           Jogs,          D2,      Single, d2_jogneedle,        d2_jogneedle_label,        d2_jogneeedle_color,       d2_jogneedle_reset,        drawjog2) \
    X(d1_dspoff1,          "d1_dspoff1",             DropDowns,     D1,      First,  d1_dspoff2,          d1_dspoff1_label,          d1_dspoff1_color,          d1_dspoff1_reset,          drawdsp) \
    X(d1_dspoff2,          "d1_dspoff2",             DropDowns,     D1,      Second, d1_dspoff1,          d1_dspoff2_label,          d1_dspoff2_color,          d1_dspoff2_reset,          drawdsp) \
    X(d1_dspover1,         "d1_dspover1",            DropDowns,     D1,      First,  d1_dspover2,         d1_dspover1_label,         d1_dspover1_color,         d1_dspover1_reset,         drawdsp) \
    X(d1_dspover2,         "d1_dspover2",            DropDowns,     D1,      Second, d1_dspover1,         d1_dspover2_label,         d1_dspover2_color,         d1_dspover2_reset,         drawdsp) \
    X(d1_dspon1,           "d1_dspon1",              DropDowns,     D1,      First,  d1_dspon2,           d1_dspon1_label,           d1_dspon1_color,           d1_dspon1_reset,           drawdsp) \
    X(d1_dspon2,           "d1_dspon2",              DropDowns,     D1,      Second, d1_dspon1,           d1_dspon2_label,           d1_dspon2_color,           d1_dspon2_reset,           drawdsp) \
    X(d1_dspoffborder,     "d1_dspoffborder",        DropDowns,     D1,      Single, d1_dspoffborder,     d1_dspoffborder_label,     d1_dspoffborder_color,     d1_dspoffborder_reset,     drawdsp) \
    X(d1_dspoverborder,    "d1_dspoverborder",       DropDowns,     D1,      Single, d1_dspoverborder,    d1_dspoverborder_label,    d1_dspoverborder_color,    d1_dspoverborder_reset,    drawdsp) \
    X(d1_dsponborder,      "d1_dsponborder",         DropDowns,     D1,      Single, d1_dsponborder,      d1_dsponborder_label,      d1_dsponborder_color,      d1_dsponborder_reset,      drawdsp) \
    X(d1_dsptextoff,       "d1_dsptextoff",          DropDowns,     D1,      Single, d1_dsptextoff,       d1_dsptextoff_label,       d1_dsptextoff_color,       d1_dsptextoff_reset,       drawdsp) \
    X(d1_dsptextover,      "d1_dsptextover",         DropDowns,     D1,      Single, d1_dsptextover,      d1_dsptextover_label,      d1_dsptextover_color,      d1_dsptextover_reset,      drawdsp) \
    X(d1_dsptexton,        "d1_dsptexton",           DropDowns,     D1,      Single, d1_dsptexton,        d1_dsptexton_label,        d1_dsptexton_color,        d1_dsptexton_reset,        drawdsp) \
    X(d2_dspoff1,          "d2_dspoff1",             DropDowns,     D2,      First,  d2_dspoff2,          d2_dspoff1_label,          d2_dspoff1_color,          d2_dspoff1_reset,          drawdsp2) \
    X(d2_dspoff2,          "d2_dspoff2",             DropDowns,     D2,      Second, d2_dspoff1,          d2_dspoff2_label,          d2_dspoff2_color,          d2_dspoff2_reset,          drawdsp2) \
    X(d2_dspover1,         "d2_dspover1",            DropDowns,     D2,      First,  d2_dspover2,         d2_dspover1_label,         d2_dspover1_color,         d2_dspover1_reset,         drawdsp2) \
    X(d2_dspover2,         "d2_dspover2",            DropDowns,     D2,      Second, d2_dspover1,         d2_dspover2_label,         d2_dspover2_color,         d2_dspover2_reset,         drawdsp2) \
    X(d2_dspon1,           "d2_dspon1",              DropDowns,     D2,      First,  d2_dspon2,           d2_dspon1_label,           d2_dspon1_color,           d2_dspon1_reset,           drawdsp2) \
    X(d2_dspon2,           "d2_dspon2",              DropDowns,     D2,      Second, d2_dspon1,           d2_dspon2_label,           d2_dspon2_color,           d2_dspon2_reset,           drawdsp2) \
    X(d2_dspoffborder,     "d2_dspoffborder",        DropDowns,     D2,      Single, d2_dspoffborder,     d2_dspoffborder_label,     d2_dspoffborder_color,     d2_dspoffborder_reset,     drawdsp2) \
    X(d2_dspoverborder,    "d2_dspoverborder",       DropDowns,     D2,      Single, d2_dspoverborder,    d2_dspoverborder_label,    d2_dspoverborder_color,    d2_dspoverborder_reset,    drawdsp2) \
    X(d2_dsponborder,      "d2_dsponborder",         DropDowns,     D2,      Single, d2_dsponborder,      d2_dsponborder_label,      d2_dsponborder_color,      d2_dsponborder_reset,      drawdsp2) \
    X(d2_dsptextoff,       "d2_dsptextoff",          DropDowns,     D2,      Single, d2_dsptextoff,       d2_dsptextoff_label,       d2_dsptextoff_color,       d2_dsptextoff_reset,       drawdsp2) \
    X(d2_dsptextover,      "d2_dsptextover",         DropDowns,     D2,      Single, d2_dsptextover,      d2_dsptextover_label,      d2_dsptextover_color,      d2_dsptextover_reset,      drawdsp2) \
    X(d2_dsptexton,        "d2_dsptexton",           DropDowns,     D2,      Single, d2_dsptexton,        d2_dsptexton_label,        d2_dsptexton_color,        d2_dsptexton_reset,        drawdsp2) \
    X(m_dspoff1,           "dspmasteroff1",          DropDowns,     Mixer,   First,  m_dspoff2,           m_dspoff1_label,           m_dspoff1_color,           m_dspoff1_reset,           drawdspm) \
    X(m_dspoff2,           "dspmasteroff2",          DropDowns,     Mixer,   Second, m_dspoff1,           m_dspoff2_label,           m_dspoff2_color,           m_dspoff2_reset,           drawdspm) \
    X(m_dspover1,          "dspmasterover1",         DropDowns,     Mixer,   First,  m_dspover2,          m_dspover1_label,          m_dspover1_color,          m_dspover1_reset,          drawdspm) \
    X(m_dspover2,          "dspmasterover2",         DropDowns,     Mixer,   Second, m_dspover1,          m_dspover2_label,          m_dspover2_color,          m_dspover2_reset,          drawdspm) \
    X(m_dspon1,            "dspmasteron1",           DropDowns,     Mixer,   First,  m_dspon2,            m_dspon1_label,            m_dspon1_color,            m_dspon1_reset,            drawdspm) \
    X(m_dspon2,            "dspmasteron2",           DropDowns,     Mixer,   Second, m_dspon1,            m_dspon2_label,            m_dspon2_color,            m_dspon2_reset,            drawdspm) \
    X(m_dspoffborder,      "dspmasteroffborder",     DropDowns,     Mixer,   Single, m_dspoffborder,      m_dspoffborder_label,      m_dspoffborder_color,      m_dspoffborder_reset,      drawdspm) \
    X(m_dspoverborder,     "dspmasteroverborder",    DropDowns,     Mixer,   Single, m_dspoverborder,     m_dspoverborder_label,     m_dspoverborder_color,     m_dspoverborder_reset,     drawdspm) \
    X(m_dsponborder,       "dspmasteronborder",      DropDowns,     Mixer,   Single, m_dsponborder,       m_dsponborder_label,       m_dsponborder_color,       m_dsponborder_reset,       drawdspm) \
    X(m_dsptextoff,        "dspmastertextoff",       DropDowns,     Mixer,   Single, m_dsptextoff,        m_dsptextoff_label,        m_dsptextoff_color,        m_dsptextoff_reset,        drawdspm) \
    X(m_dsptextover,       "dspmastertextover",      DropDowns,     Mixer,   Single, m_dsptextover,       m_dsptextover_label,       m_dsptextover_color,       m_dsptextover_reset,       drawdspm) \
    X(m_dsptexton,         "dspmastertexton",        DropDowns,     Mixer,   Single, m_dsptexton,         m_dsptexton_label,         m_dsptexton_color,         m_dsptexton_reset,         drawdspm) \
    X(v_dspoff1,           "dspvideooff1",           DropDowns,     Video,   First,  v_dspoff2,           v_dspoff1_label,           v_dspoff1_color,           v_dspoff1_reset,           drawdspv) \
    X(v_dspoff2,           "dspvideooff2",           DropDowns,     Video,   Second, v_dspoff1,           v_dspoff2_label,           v_dspoff2_color,           v_dspoff2_reset,           drawdspv) \
    X(v_dspover1,          "dspvideoover1",          DropDowns,     Video,   First,  v_dspover2,          v_dspover1_label,          v_dspover1_color,          v_dspover1_reset,          drawdspv) \
    X(v_dspover2,          "dspvideoover2",          DropDowns,     Video,   Second, v_dspover1,          v_dspover2_label,          v_dspover2_color,          v_dspover2_reset,          drawdspv) \
    X(v_dspon1,            "dspvideoon1",            DropDowns,     Video,   First,  v_dspon2,            v_dspon1_label,            v_dspon1_color,            v_dspon1_reset,            drawdspv) \
    X(v_dspon2,            "dspvideoon2",            DropDowns,     Video,   Second, v_dspon1,            v_dspon2_label,            v_dspon2_color,            v_dspon2_reset,            drawdspv) \
    X(v_dspoffborder,      "dspvideooffborder",      DropDowns,     Video,   Single, v_dspoffborder,      v_dspoffborder_label,      v_dspoffborder_color,      v_dspoffborder_reset,      drawdspv) \
    X(v_dspoverborder,     "dspvideooverborder",     DropDowns,     Video,   Single, v_dspoverborder,     v_dspoverborder_label,     v_dspoverborder_color,     v_dspoverborder_reset,     drawdspv) \
    X(v_dsponborder,       "dspvideoonborder",       DropDowns,     Video,   Single, v_dsponborder,       v_dsponborder_label,       v_dsponborder_color,       v_dsponborder_reset,       drawdspv) \
    X(v_dsptextoff,        "dspvideotextoff",        DropDowns,     Video,   Single, v_dsptextoff,        v_dsptextoff_label,        v_dsptextoff_color,        v_dsptextoff_reset,        drawdspv) \
    X(v_dsptextover,       "dspvideotextover",       DropDowns,     Video,   Single, v_dsptextover,       v_dsptextover_label,       v_dsptextover_color,       v_dsptextover_reset,       drawdspv) \
    X(v_dsptexton,         "dspvideotexton",         DropDowns,     Video,   Single, v_dsptexton,         v_dsptexton_label,         v_dsptexton_color,         v_dsptexton_reset,         drawdspv) \
    X(d1_textback,         "d1_textback",            Texts,         D1,      Single, d1_textback,         d1_textback_label,         d1_textback_color,         d1_textback_reset,         drawtext1) \
    X(d1_textcolor,        "d1_textcolor",           Texts,         D1,      Single, d1_textcolor,        d1_textcolor_label,        d1_textcolor_color,        d1_textcolor_reset,        drawtext1) \
    X(d1_textdark,         "d1_textdark",            Texts,         D1,      Single, d1_textdark,         d1_textdark_label,         d1_textdark_color,         d1_textdark_reset,         drawtext1) \
    X(d1_textbright,       "d1_textbright",          Texts,         D1,      Single, d1_textbright,       d1_textbright_label,       d1_textbright_color,       d1_textbright_reset,       drawtext1) \
    X(d2_textback,         "d2_textback",            Texts,         D2,      Single, d2_textback,         d2_textback_label,         d2_textback_color,         d2_textback_reset,         drawtext2) \
    X(d2_textcolor,        "d2_textcolor",           Texts,         D2,      Single, d2_textcolor,        d2_textcolor_label,        d2_textcolor_color,        d2_textcolor_reset,        drawtext2) \
    X(d2_textdark,         "d2_textdark",            Texts,         D2,      Single, d2_textdark,         d2_textdark_label,         d2_textdark_color,         d2_textdark_reset,         drawtext2) \
    X(d2_textbright,       "d2_textbright",          Texts,         D2,      Single, d2_textbright,       d2_textbright_label,       d2_textbright_color,       d2_textbright_reset,       drawtext2) \
    X(d1_silkscreen,       "d1_silkscreen",          Texts,         D1,      Single, d1_silkscreen,       d1_silkscreen_label,       d1_silkscreen_color,       d1_silkscreen_reset,       drawtext1) \
    X(d2_silkscreen,       "d2_silkscreen",          Texts,         D2,      Single, d2_silkscreen,       d2_silkscreen_label,       d2_silkscreen_color,       d2_silkscreen_reset,       drawtext2) \
    X(m_textborder,        "textmasterborder",       Texts,         Mixer,   Single, m_textborder,        m_textborder_label,        m_textborder_color,        m_textborder_reset,        drawtextm) \
    X(m_textback,          "textmasteroff",          Texts,         Mixer,   Single, m_textback,          m_textback_label,          m_textback_color,          m_textback_reset,          drawtextm) \
    X(m_texttext,          "textmastertext",         Texts,         Mixer,   Single, m_texttext,          m_texttext_label,          m_texttext_color,          m_texttext_reset,          drawtextm) \
    X(d1_vuback,           "d1_vuledback",           Meters,        D1,      Single, d1_vuback,           d1_vuback_label,           d1_vuback_color,           d1_vuback_reset,           drawvu1) \
    X(d1_vuoff,            "d1_vuledoff",            Meters,        D1,      Single, d1_vuoff,            d1_vuoffl_label,           d1_vuoff_color,            d1_vuoff_reset,            drawvu1) \
    X(d1_vuon,             "d1_vuledon",             Meters,        D1,      Single, d1_vuon,             d1_vuon_label,             d1_vuon_color,             d1_vuon_reset,             drawvu1) \
    X(d1_vupeak,           "d1_vuledpeak",           Meters,        D1,      Single, d1_vupeak,           d1_vupeak_label,           d1_vupeak_color,           d1_vupeak_reset,           drawvu1) \
    X(d2_vuback,           "d2_vuledback",           Meters,        D2,      Single, d2_vuback,           d2_vuback_label,           d2_vuback_color,           d2_vuback_reset,           drawvu2) \
    X(d2_vuoff,            "d2_vuledoff",            Meters,        D2,      Single, d2_vuoff,            d2_vuoffl_label,           d2_vuoff_color,            d2_vuoff_reset,            drawvu2) \
    X(d2_vuon,             "d2_vuledon",             Meters,        D2,      Single, d2_vuon,             d2_vuon_label,             d2_vuon_color,             d2_vuon_reset,             drawvu2) \
    X(d2_vupeak,           "d2_vuledpeak",           Meters,        D2,      Single, d2_vupeak,           d2_vupeak_label,           d2_vupeak_color,           d2_vupeak_reset,           drawvu2) \
    X(m_vuback,            "mastervuledback",        Meters,        Mixer,   Single, m_vuback,            m_vuback_label,            m_vuback_color,            m_vuback_reset,            drawvum) \
    X(m_vuoff,             "mastervuledoff",         Meters,        Mixer,   Single, m_vuoff,             m_vuoffl_label,            m_vuoff_color,             m_vuoff_reset,             drawvum) \
    X(m_vuon,              "mastervuledon",          Meters,        Mixer,   Single, m_vuon,              m_vuon_label,              m_vuon_color,              m_vuon_reset,              drawvum) \
    X(m_vupeak,            "mastervuledpeak",        Meters,        Mixer,   Single, m_vupeak,            m_vupeak_label,            m_vupeak_color,            m_vupeak_reset,            drawvum) \
    X(d1_colorHigh,        "d1_colorHigh",           SongPos,       D1,      Single, d1_colorHigh,        d1_colorHigh_label,        d1_colorHigh_color,        d1_colorHigh_reset,        drawwave1) \
    X(d1_colorMed,         "d1_colorMed",            SongPos,       D1,      Single, d1_colorMed,         d1_colorMed_label,         d1_colorMed_color,         d1_colorMed_reset,         drawwave1) \
    X(d1_colorBass,        "d1_colorBass",           SongPos,       D1,      Single, d1_colorBass,        d1_colorBass_label,        d1_colorBass_color,        d1_colorBass_reset,        drawwave1) \
    X(d1_colorPlayed,      "d1_colorPlayed",         SongPos,       D1,      Single, d1_colorPlayed,      d1_colorPlayed_label,      d1_colorPlayed_color,      d1_colorPlayed_reset,      drawwave1) \
    X(d1_songposback,      "d1_songposback",         SongPos,       D1,      Single, d1_songposback,      d1_songposback_label,      d1_songposback_color,      d1_songposback_reset,      drawwave1) \
    X(d1_songposborder,    "d1_songposborder",       SongPos,       D1,      Single, d1_songposborder,    d1_songposborder_label,    d1_songposborder_color,    d1_songposborder_reset,    drawwave1) \
    X(d2_colorHigh,        "d2_colorHigh",           SongPos,       D2,      Single, d2_colorHigh,        d2_colorHigh_label,        d2_colorHigh_color,        d2_colorHigh_reset,        drawwave2) \
    X(d2_colorMed,         "d2_colorMed",            SongPos,       D2,      Single, d2_colorMed,         d2_colorMed_label,         d2_colorMed_color,         d2_colorMed_reset,         drawwave2) \
    X(d2_colorBass,        "d2_colorBass",           SongPos,       D2,      Single, d2_colorBass,        d2_colorBass_label,        d2_colorBass_color,        d2_colorBass_reset,        drawwave2) \
    X(d2_colorPlayed,      "d2_colorPlayed",         SongPos,       D2,      Single, d2_colorPlayed,      d2_colorPlayed_label,      d2_colorPlayed_color,      d2_colorPlayed_reset,      drawwave2) \
    X(d2_songposback,      "d2_songposback",         SongPos,       D2,      Single, d2_songposback,      d2_songposback_label,      d2_songposback_color,      d2_songposback_reset,      drawwave2) \
    X(d2_songposborder,    "d2_songposborder",       SongPos,       D2,      Single, d2_songposborder,    d2_songposborder_label,    d2_songposborder_color,    d2_songposborder_reset,    drawwave2) \
    X(m_waveback,          "waveback",               ScratchWave,   Mixer,   Single, m_waveback,          m_waveback_label,          m_waveback_color,          m_waveback_reset,          drawwavem) \
    X(m_waveborder,        "waveborder",             ScratchWave,   Mixer,   Single, m_waveborder,        m_waveborder_label,        m_waveborder_color,        m_waveborder_reset,        drawwavem) \
    X(m_waveneedle,        "waveneedle",             ScratchWave,   Mixer,   Single, m_waveneedle,        m_waveneedle_label,        m_waveneedle_color,        m_waveneedle_reset,        drawwavem) \
    X(m_systemtextoff,     "systemiconoff",          SystemButtons, Mixer,   Single, m_systemtextoff,     m_systemtextoff_label,     m_systemtextoff_color,     m_systemtextoff_reset,     drawsystem) \
    X(m_systemtextover,    "systemiconover",         SystemButtons, Mixer,   Single, m_systemtextover,    m_systemtextover_label,    m_systemtextover_color,    m_systemtextover_reset,    drawsystem) \
    X(m_systemtexton,      "systemiconon",           SystemButtons, Mixer,   Single, m_systemtexton,      m_systemtexton_label,      m_systemtexton_color,      m_systemtexton_reset,      drawsystem) \
    X(m_systemoff,         "systemoff",              SystemButtons, Mixer,   Single, m_systemoff,         m_systemoff_label,         m_systemoff_color,         m_systemoff_reset,         drawsystem) \
    X(m_systemoffborder,   "systemoffborder",        SystemButtons, Mixer,   Single, m_systemoffborder,   m_systemoffborder_label,   m_systemoffborder_color,   m_systemoffborder_reset,   drawsystem) \
    X(m_systemover,        "systemover",             SystemButtons, Mixer,   Single, m_systemover,        m_systemover_label,        m_systemover_color,        m_systemover_reset,        drawsystem) \
    X(m_systemoverborder,  "systemoverborder",       SystemButtons, Mixer,   Single, m_systemoverborder,  m_systemoverborder_label,  m_systemoverborder_color,  m_systemoverborder_reset,  drawsystem) \
    X(m_systemon,          "systemon",               SystemButtons, Mixer,   Single, m_systemon,          m_systemon_label,          m_systemon_color,          m_systemon_reset,          drawsystem) \
    X(m_systemonborder,    "systemonborder",         SystemButtons, Mixer,   Single, m_systemonborder,    m_systemonborder_label,    m_systemonborder_color,    m_systemonborder_reset,    drawsystem)

#define TYX_COLOUR_EXTRA_EDITOR_ROWS(X) \
    X(faderlines,          "faderlines",             Faders,        NoScope, Single, faderlines,          d2_faderlines_label,       d2_faderlines_color,       d2_faderlines_reset,       drawfader2)

// Every editor row: the 213 colours and the right deck's fader-lines row.
#define TYX_COLOUR_EDITOR_ROWS(X) TYX_COLOURS(X) TYX_COLOUR_EXTRA_EDITOR_ROWS(X)
// clang-format on

enum class ColourFamily {
    Skin, Zones, Buttons, Knobs, Faders, Jogs, DropDowns, Texts, Meters, SongPos, ScratchWave, SystemButtons
};

enum class ColourScope { NoScope, D1, D2, Mixer, Video };

enum class GradientRole { Single, First, Second };
