#include "skinparts.h"

#include <QStringList>

namespace skin {

namespace {

// One line of the colour table: a comment, a colour without deck, or a
// colour defined once per deck.
struct ColourRow
{
    enum Type { Comment, Plain, Pair } type;
    const char *name;
    const char *left;    // the value, or the left deck's
    const char *right;   // the right deck's; null for a pair with equal values
};

// The palette. Names follow the colour keys of the profiles, so that the
// user's colours replace these values; a few names no profile knows keep
// their own values (module backgrounds, the video buttons, deck colours),
// and four names are misspelled on purpose, as in the skin this one
// stands in for.
const ColourRow colourRows[] = {
    {ColourRow::Comment, "Skin background and background zones", nullptr, nullptr},
    {ColourRow::Plain, "backcolor", "#202020", nullptr},
    {ColourRow::Plain, "topbar", "#303030", nullptr},
    {ColourRow::Plain, "draw1back", "#202020", nullptr},
    {ColourRow::Plain, "draw2back", "#202020", nullptr},
    {ColourRow::Plain, "draw3back", "#202020", nullptr},
    {ColourRow::Plain, "draw4back", "#202020", nullptr},
    {ColourRow::Plain, "drawborder", "#000000", nullptr},
    {ColourRow::Plain, "moduleback", "#1A1A1A", nullptr},
    {ColourRow::Plain, "globalsilkscreen", "#808080", nullptr},
    {ColourRow::Pair, "draw5back", "#202020", nullptr},
    {ColourRow::Pair, "draw6back", "#202020", nullptr},
    {ColourRow::Comment, "Deck buttons", nullptr, nullptr},
    {ColourRow::Pair, "buttonoff1", "#535353", nullptr},
    {ColourRow::Pair, "buttonoff2", "#191919", nullptr},
    {ColourRow::Pair, "buttonover1", "#426675", "#754242"},
    {ColourRow::Pair, "buttonover2", "#0a232e", "#3d1010"},
    {ColourRow::Pair, "buttonon1", "#0089ea", "#de0000"},
    {ColourRow::Pair, "buttonon2", "#002958", "#540000"},
    {ColourRow::Pair, "buttonoffborder", "#000000", nullptr},
    {ColourRow::Pair, "buttonoverborder", "#000000", nullptr},
    {ColourRow::Pair, "buttononborder", "#000000", nullptr},
    {ColourRow::Pair, "buttontextoff", "#a4a4a4", nullptr},
    {ColourRow::Pair, "buttontextover", "#bbbbbb", nullptr},
    {ColourRow::Pair, "buttontexton", "#ffffff", nullptr},
    {ColourRow::Pair, "deckcolor", "#4A8AC9", "#D93636"},
    {ColourRow::Pair, "deckcoloroff", "#1C3550", "#501C1C"},
    {ColourRow::Pair, "deckcolorover", "#2D5C8A", "#8A2D2D"},
    {ColourRow::Comment, "Mixer and video buttons", nullptr, nullptr},
    {ColourRow::Plain, "masterbuttonoff1", "#535353", nullptr},
    {ColourRow::Plain, "masterbuttonoff2", "#191919", nullptr},
    {ColourRow::Plain, "masterbuttonover1", "#7a5c00", nullptr},
    {ColourRow::Plain, "masterbuttonover2", "#261f01", nullptr},
    {ColourRow::Plain, "masterbuttonon1", "#ffbf00", nullptr},
    {ColourRow::Plain, "masterbuttonon2", "#4a3b00", nullptr},
    {ColourRow::Plain, "masterbuttonoffborder", "#000000", nullptr},
    {ColourRow::Plain, "masterbuttonoverborder", "#000000", nullptr},
    {ColourRow::Plain, "masterbuttononborder", "#000000", nullptr},
    {ColourRow::Plain, "masterbuttontextoff", "#a4a4a4", nullptr},
    {ColourRow::Plain, "masterbuttontextover", "#bbbbbb", nullptr},
    {ColourRow::Plain, "masterbuttontexton", "#ffffff", nullptr},
    {ColourRow::Plain, "videobuttonoff1", "#535353", nullptr},
    {ColourRow::Plain, "videobuttonoff2", "#191919", nullptr},
    {ColourRow::Plain, "videobuttonover1", "#1F6B1A", nullptr},
    {ColourRow::Plain, "videobuttonover2", "#0B2609", nullptr},
    {ColourRow::Plain, "videobuttonon1", "#0DA302", nullptr},
    {ColourRow::Plain, "videobuttonon2", "#054D00", nullptr},
    {ColourRow::Plain, "videobuttonoffborder", "#000000", nullptr},
    {ColourRow::Plain, "videobuttonoverborder", "#000000", nullptr},
    {ColourRow::Plain, "videobuttononborder", "#000000", nullptr},
    {ColourRow::Plain, "videobuttontextoff", "#a4a4a4", nullptr},
    {ColourRow::Plain, "videobuttontextover", "#bbbbbb", nullptr},
    {ColourRow::Plain, "videobuttontexton", "#ffffff", nullptr},
    {ColourRow::Comment, "Knobs", nullptr, nullptr},
    {ColourRow::Pair, "knobin1", "#424242", nullptr},
    {ColourRow::Pair, "knobin2", "#232323", nullptr},
    {ColourRow::Pair, "knobborder", "#000000", nullptr},
    {ColourRow::Pair, "knobringoff", "#000000", nullptr},
    {ColourRow::Pair, "knobringon", "#4a8ac9", "#d93636"},
    {ColourRow::Pair, "knobfader", "#aaaaaa", nullptr},
    {ColourRow::Pair, "knobtext", "#a4a4a4", nullptr},
    {ColourRow::Pair, "knobfill", "#2A2A2A", nullptr},
    {ColourRow::Plain, "knobmasterin1", "#424242", nullptr},
    {ColourRow::Plain, "knobmasterin2", "#232323", nullptr},
    {ColourRow::Plain, "knobmasterinborder", "#000000", nullptr},
    {ColourRow::Plain, "knobmasterringoff", "#000000", nullptr},
    {ColourRow::Plain, "knobmasterringon", "#CF9C02", nullptr},
    {ColourRow::Plain, "knobmasterfader", "#aaaaaa", nullptr},
    {ColourRow::Plain, "knobmastertext", "#a4a4a4", nullptr},
    {ColourRow::Plain, "knobvideoin1", "#424242", nullptr},
    {ColourRow::Plain, "knobvideoin2", "#232323", nullptr},
    {ColourRow::Plain, "knobvideoinborder", "#000000", nullptr},
    {ColourRow::Plain, "knobvideoringoff", "#000000", nullptr},
    {ColourRow::Plain, "knobvideoringon", "#04e01a", nullptr},
    {ColourRow::Plain, "knobvideofader", "#aaaaaa", nullptr},
    {ColourRow::Plain, "knobvideotext", "#a4a4a4", nullptr},
    {ColourRow::Plain, "knobvideofill", "green", nullptr},
    {ColourRow::Plain, "knobmasterfill", "#2A2A2A", nullptr},
    {ColourRow::Plain, "knobwhitefill", "#E6E6E6", nullptr},
    {ColourRow::Comment, "Faders", nullptr, nullptr},
    {ColourRow::Pair, "faderinoff", "#000000", nullptr},
    {ColourRow::Pair, "faderborder", "#303030", nullptr},
    {ColourRow::Pair, "faderinon", "#4a8ac9", "#d93636"},
    {ColourRow::Pair, "faderfader1", "#292929", nullptr},
    {ColourRow::Pair, "faderfader2", "#151515", nullptr},
    {ColourRow::Pair, "faderfaderborder", "#000000", nullptr},
    {ColourRow::Pair, "faderlines", "#696969", nullptr},
    {ColourRow::Plain, "faderlines", "#696969", nullptr},
    {ColourRow::Plain, "faderbackground", "#101010", nullptr},
    {ColourRow::Plain, "masterfaderlines", "#696969", nullptr},
    {ColourRow::Plain, "masterfaderborder", "#303030", nullptr},
    {ColourRow::Plain, "masterfaderinoff", "#4A8AC9", nullptr},
    {ColourRow::Plain, "masterfaderinon", "#D93636", nullptr},
    {ColourRow::Plain, "masterfaderfader1", "#292929", nullptr},
    {ColourRow::Plain, "masterfaderfader2", "#151515", nullptr},
    {ColourRow::Plain, "masterfaderfaderborder", "#000000", nullptr},
    {ColourRow::Plain, "videofaderlines", "#696969", nullptr},
    {ColourRow::Plain, "videofaderborder", "#303030", nullptr},
    {ColourRow::Plain, "videofaderinoff", "#4A8AC9", nullptr},
    {ColourRow::Plain, "videofaderinon", "#D93636", nullptr},
    {ColourRow::Plain, "videofaderfader1", "#292929", nullptr},
    {ColourRow::Plain, "videofaderfader2", "#151515", nullptr},
    {ColourRow::Plain, "videofaderfaderborder", "green", nullptr},
    {ColourRow::Plain, "cffader1", "#292929", nullptr},
    {ColourRow::Plain, "cffader2", "green", nullptr},
    {ColourRow::Plain, "cffaderborder", "#000000", nullptr},
    {ColourRow::Comment, "Jog wheels", nullptr, nullptr},
    {ColourRow::Pair, "jogfill", "#1f1f1f", nullptr},
    {ColourRow::Pair, "jogborder", "#000000", nullptr},
    {ColourRow::Pair, "jogringoff", "#404040", nullptr},
    {ColourRow::Pair, "jogringon", "#4a8ac9", "#d93636"},
    {ColourRow::Pair, "joginner", "#ff0000", nullptr},
    {ColourRow::Pair, "joginnerborder", "#000000", nullptr},
    {ColourRow::Pair, "jogneedle", "#4a8ac9", "#d93636"},
    {ColourRow::Comment, "Drop-down buttons", nullptr, nullptr},
    {ColourRow::Pair, "dspoff1", "#191919", nullptr},
    {ColourRow::Pair, "dspoff2", "#191919", nullptr},
    {ColourRow::Pair, "dspover1", "#0a232e", "#3d1010"},
    {ColourRow::Pair, "dspover2", "#0a232e", "#3d1010"},
    {ColourRow::Pair, "dspon1", "#0263a8", "#800000"},
    {ColourRow::Pair, "dspon2", "#0263a8", "#800000"},
    {ColourRow::Pair, "dspoffborder", "#000000", nullptr},
    {ColourRow::Pair, "dspoverborder", "#303030", nullptr},
    {ColourRow::Pair, "dsponborder", "#303030", nullptr},
    {ColourRow::Pair, "dsptextoff", "#a4a4a4", nullptr},
    {ColourRow::Pair, "dsptextover", "#bbbbbb", nullptr},
    {ColourRow::Pair, "dsptexton", "#ffffff", nullptr},
    {ColourRow::Plain, "dspmasteroff1", "#191919", nullptr},
    {ColourRow::Plain, "dspmasteroff2", "#191919", nullptr},
    {ColourRow::Plain, "dspmasterover1", "#594300", nullptr},
    {ColourRow::Plain, "dspmasterover2", "#594300", nullptr},
    {ColourRow::Plain, "dspmasteron1", "#9C7603", nullptr},
    {ColourRow::Plain, "dspmasteron2", "#9C7603", nullptr},
    {ColourRow::Plain, "dspmasteroffborder", "#000000", nullptr},
    {ColourRow::Plain, "dspomasteroverborder", "#000000", nullptr},
    {ColourRow::Plain, "dspmasteronborder", "#000000", nullptr},
    {ColourRow::Plain, "dspmastertextoff", "#a4a4a4", nullptr},
    {ColourRow::Plain, "dspmastertextover", "#bbbbbb", nullptr},
    {ColourRow::Plain, "dspmastertexton", "#ffffff", nullptr},
    {ColourRow::Plain, "dspvideooff1", "#191919", nullptr},
    {ColourRow::Plain, "dspvideooff2", "#191919", nullptr},
    {ColourRow::Plain, "dspvideoover1", "#054d00", nullptr},
    {ColourRow::Plain, "dspvideoover2", "#054d00", nullptr},
    {ColourRow::Plain, "dspvideoon1", "#0da302", nullptr},
    {ColourRow::Plain, "dspvideoon2", "#0da302", nullptr},
    {ColourRow::Plain, "dspvideoeoffborder", "#000000", nullptr},
    {ColourRow::Plain, "dspvideoeoverborder", "#404040", nullptr},
    {ColourRow::Plain, "dspvideoeonborder", "#404040", nullptr},
    {ColourRow::Plain, "dspvideotextoff", "#a4a4a4", nullptr},
    {ColourRow::Plain, "dspvideotextover", "#bbbbbb", nullptr},
    {ColourRow::Plain, "dspvideotexton", "#ffffff", nullptr},
    {ColourRow::Comment, "Text displays", nullptr, nullptr},
    {ColourRow::Pair, "textback", "#000000", nullptr},
    {ColourRow::Pair, "textdark", "#808080", nullptr},
    {ColourRow::Pair, "textbright", "#e1e1e1", nullptr},
    {ColourRow::Pair, "textcolor", "#509bd4", "#d93636"},
    {ColourRow::Pair, "silkscreen", "#808080", nullptr},
    {ColourRow::Plain, "textdark", "#808080", nullptr},
    {ColourRow::Plain, "textbright", "#e1e1e1", nullptr},
    {ColourRow::Plain, "textdarker", "#404040", nullptr},
    {ColourRow::Plain, "textwhite", "#FFFFFF", nullptr},
    {ColourRow::Plain, "textmasterborder", "#303030", nullptr},
    {ColourRow::Plain, "textmasteroff", "#000000", nullptr},
    {ColourRow::Plain, "textmastertext", "#aaaaaa", nullptr},
    {ColourRow::Comment, "Level meters and song position", nullptr, nullptr},
    {ColourRow::Pair, "vuledback", "#000000", nullptr},
    {ColourRow::Pair, "vuledoff", "#202020", nullptr},
    {ColourRow::Pair, "vuledon", "#00ff00", nullptr},
    {ColourRow::Pair, "vuledpeak", "#ff0000", nullptr},
    {ColourRow::Plain, "mastervuledback", "#000000", nullptr},
    {ColourRow::Plain, "mastervuledoff", "#202020", nullptr},
    {ColourRow::Plain, "mastervuledon", "#00ff00", nullptr},
    {ColourRow::Plain, "mastervuledpeak", "#ff0000", nullptr},
    {ColourRow::Pair, "colorHigh", "#2c6dac", "#7a0005"},
    {ColourRow::Pair, "colorMed", "#5993ce", "#e4000d"},
    {ColourRow::Pair, "colorBass", "#699ed2", "#db4042"},
    {ColourRow::Pair, "colorPlayed", "#000000", nullptr},
    {ColourRow::Pair, "songposback", "#000000", nullptr},
    {ColourRow::Pair, "songposborder", "#303030", nullptr},
    {ColourRow::Comment, "Scratch waves and system buttons", nullptr, nullptr},
    {ColourRow::Plain, "waveback", "#000000", nullptr},
    {ColourRow::Plain, "waveborder", "#555555", nullptr},
    {ColourRow::Plain, "waveneedle", "#ffffff", nullptr},
    {ColourRow::Plain, "systemiconoff", "#a4a4a4", nullptr},
    {ColourRow::Plain, "systemiconover", "#ffffff", nullptr},
    {ColourRow::Plain, "systemiconon", "#ffffff", nullptr},
    {ColourRow::Plain, "systemoff", "#303030", nullptr},
    {ColourRow::Plain, "systemoffborder", "#303030", nullptr},
    {ColourRow::Plain, "systemover", "#505050", nullptr},
    {ColourRow::Plain, "systemoverborder", "#303030", nullptr},
    {ColourRow::Plain, "systemon", "#505050", nullptr},
    {ColourRow::Plain, "systemonborder", "#303030", nullptr},
};

XmlNode colourGroup()
{
    XmlNode group("group");
    group.set("name", "colors_shortcuts");
    for (const ColourRow &row : colourRows) {
        switch (row.type) {
        case ColourRow::Comment:
            group.add(XmlNode::comment(QLatin1String(row.name)));
            break;
        case ColourRow::Plain:
            group.add(XmlNode("define").set("color", row.name).set("value", row.left));
            break;
        case ColourRow::Pair:
            group.add(XmlNode("define").set("color", row.name).set("value", row.left).set("deck", "left"));
            group.add(XmlNode("define").set("color", row.name).set("value", row.right ? row.right : row.left)
                          .set("deck", "right"));
            break;
        }
    }
    return group;
}

XmlNode define(const QString &cls, const QString &placeholders = QString())
{
    XmlNode node("define");
    node.set("class", cls);
    if (!placeholders.isEmpty())
        node.set("placeholders", placeholders);
    return node;
}

// The gradient look of a state in one colour family ("buttonoff", ...).
XmlNode look(const QString &tag, const QString &family, const QString &part)
{
    return XmlNode(tag).set("shape", "square").set("color", family + part + "1")
        .set("color2", family + part + "2").set("gradient", "vertical")
        .set("border", family + part + "border").set("border_size", 1);
}

XmlNode placeholderText(const QString &tag, const QString &colour)
{
    return XmlNode(tag).set("text", "[TEXT]").set("action", "[TEXTACTION]").set("size", "[TEXTSIZE]")
        .set("fontsize", "[TEXTSIZE]").set("dx", "[TEXTDX]").set("width", "[TEXTWIDTH]")
        .set("weight", "bold").set("align", "center").set("color", colour);
}

// A button template in the colours of `family` ("button", "masterbutton", ...).
XmlNode buttonTemplate(const QString &cls, const QString &family, const QString &textFamily)
{
    return define(cls, "text,textaction,textsize,textdx,textwidth")
        .add(look("off", family, "off")).add(look("over", family, "over"))
        .add(look("selected", family, "on")).add(look("down", family, "on"))
        .add(placeholderText("text", textFamily + "textoff"))
        .add(placeholderText("textover", textFamily + "textover"))
        .add(placeholderText("textselected", textFamily + "texton"))
        .add(placeholderText("textdown", textFamily + "texton"));
}

XmlNode menuButtons()
{
    XmlNode group("group");
    group.set("name", "menubuttons").set("add", "no");
    group.add(define("menubutton", "text,textaction")
                  .add(XmlNode("off").set("color", "#303030").set("border", "#505050").set("border_size", 1))
                  .add(XmlNode("over").set("color", "#505050"))
                  .add(XmlNode("down").set("color", "#707070"))
                  .add(XmlNode("text").set("text", "[TEXT]").set("action", "[TEXTACTION]").set("size", 12)
                           .set("color", "#ffffff")));
    group.add(define("menutoggle", "text,var")
                  .add(XmlNode("off").set("color", "#303030")).add(XmlNode("on").set("color", "#0089ea"))
                  .add(XmlNode("text").set("text", "[TEXT]").set("color", "#a4a4a4"))
                  .add(XmlNode("textselected").set("text", "[TEXT]").set("color", "#ffffff")
                           .set("action", "get_var '[VAR]'")));
    group.add(define("menuheader", "text")
                  .add(XmlNode("background").set("color", "#101010"))
                  .add(XmlNode("text").set("text", "[TEXT]").set("size", 14).set("weight", "bold")));
    group.add(define("menugroup", "module")
                  .add(XmlNode("menu").set("x", 0).set("y", 0).set("width", 120).set("height", 20)
                           .add(XmlNode("icon").set("sysicon", "arrowdown").set("color", "#ffffff")
                                    .set("colorover", "#0089ea").set("width", 12).set("height", 12))
                           .add(XmlNode("item").set("text", "No group").set("action", "set_var '$TYX_[MODULE]' 0"))
                           .add(XmlNode("item").set("text", "Group 1").set("action", "set_var '$TYX_[MODULE]' 1"))));
    group.add(define("menuclone", "group")
                  .add(XmlNode("textzone").set("x", 0).set("y", 0).set("width", 120).set("height", 20)
                           .add(XmlNode("text").set("action", "get_var '$TYX_[GROUP]_clone'"))));
    group.add(define("menudiv").add(XmlNode("line").set("x", 0).set("y", 0).set("width", 600).set("height", 1)
                                        .set("color", "#505050")));
    group.add(define("menuclose").add(XmlNode("off").set("color", "#303030")).add(XmlNode("over").set("color", "#b00000")));
    group.add(define("menupanel").set("x", 0).set("y", 0).set("width", 632).set("height", 393)
                  .add(size(632, 393)));
    return group;
}

XmlNode buttonTemplates(ContentBuilder &content)
{
    XmlNode group("group");
    group.set("name", "buttons");
    group.add(buttonTemplate("button_main", "button", "button"));
    group.add(buttonTemplate("button_master", "masterbutton", "masterbutton"));
    group.add(buttonTemplate("button_video", "videobutton", "videobutton"));
    group.add(buttonTemplate("button_dsp", "dsp", "dsp"));
    group.add(buttonTemplate("button_dspmaster", "dspmaster", "dspmaster"));
    group.add(buttonTemplate("button_dspvideo", "dspvideo", "dspvideo"));
    group.add(define("button_system", "icon,iconsize,icondx")
                  .add(XmlNode("up").set("color", "systemoff").set("border", "systemoffborder"))
                  .add(XmlNode("over").set("color", "systemover").set("border", "systemoverborder"))
                  .add(XmlNode("selected").set("color", "systemon").set("border", "systemonborder"))
                  .add(XmlNode("overselected").set("color", "systemon").set("border", "systemoverborder"))
                  .add(XmlNode("icon").set("sysicon", "[ICON]").set("width", "[ICONSIZE]")
                           .set("height", "[ICONSIZE]").set("dx", "[ICONDX]").set("dy", 0)
                           .set("color", "systemiconoff").set("colorver", "systemiconover")
                           .set("colorselected", "systemiconon").set("colordown", "systemiconon")
                           .set("colorover", "systemiconover")));
    group.add(define("button_icon", "icon,iconsize")
                  .add(XmlNode("icon").set("colorover", "buttontextover").set("colorver", "buttontextover")
                           .set("color", "buttontextoff").set("width", "[ICONSIZE]").set("sysicon", "[ICON]")));
    group.add(define("textdisplay", "textaction,textsize")
                  .add(XmlNode("background").set("color", "textback").set("border", "textdark").set("border_size", 1))
                  .add(XmlNode("text").set("action", "[TEXTACTION]").set("size", "[TEXTSIZE]").set("dx", 3)
                           .set("dy", 1).set("height", 20).set("weight", "bold").set("align", "left")
                           .set("color", "textcolor")));
    group.add(define("textdisplay_master", "textaction")
                  .add(XmlNode("background").set("color", "textmasteroff").set("border", "textmasterborder"))
                  .add(XmlNode("text").set("action", "[TEXTACTION]").set("color", "textmastertext")));
    group.add(define("knobframe", "size,x,y")
                  .add(XmlNode("pos").set("x", "[X]").set("y", "[Y]").set("width", "[SIZE]").set("height", "[SIZE]"))
                  .add(XmlNode("size").set("width", "[SIZE]").set("height", "[SIZE]")));
    group.add(define("labelzone", "text")
                  .add(XmlNode("textzone").set("x", 0).set("y", 0).set("width", 100).set("height", 20)
                           .add(XmlNode("text").set("text", "[TEXT]").set("color", "textwhite")))
                  .add(XmlNode("line").set("x", 0).set("y", 20).set("width", 100).set("height", 1)
                           .set("color", "globalsilkscreen")));
    group.add(define("buttonshadow").set("width", 10).set("height", 10).set("color", "black").set("shadow", 1));
    group.add(XmlNode("define").set("class", "button_deck").set("classdeck", "button_main").set("deck", "left"));
    group.add(define("spritebutton").add(content.spriteButton(0, 0, 30, 30, {"off", "over", "down"})));
    {
        const QPoint off = content.picture(24, 24);
        const QPoint on = content.picture(24, 24);
        group.add(define("spritevisual")
                      .add(XmlNode("visual").set("width", 24).set("height", 24).set("source", "is_playing")
                               .add(XmlNode("off").set("x", off.x()).set("y", off.y()))
                               .add(XmlNode("on").set("x", on.x()).set("y", on.y()))));
    }
    group.add(define("hiddenlogo").set("add", "no").add(XmlNode("logo").add(pos(0, 0)).add(size(120, 32))));
    group.add(define("panelback").set("x", 0).set("y", 0).set("width", 100).set("height", 100)
                  .add(XmlNode("background").set("width", 100).set("height", 100).set("color", "moduleback")));
    group.add(define("tooltipbutton", "tooltip")
                  .add(XmlNode("tooltip").setText("[TOOLTIP]"))
                  .add(XmlNode("pos").set("x", "+75+2").set("y", 0))
                  .add(XmlNode("fill").set("color", "buttonon1"))
                  .add(XmlNode("fader").set("color", "buttonoff1")));
    group.add(define("button_selected", "text")
                  .add(XmlNode("up").set("color", "buttonoff1"))
                  .add(XmlNode("on").set("color", "buttonon1"))
                  .add(XmlNode("selected").set("color", "buttonon1"))
                  .add(XmlNode("overselected").set("color", "buttonon2"))
                  .add(XmlNode("textoverselected").set("text", "[TEXT]").set("color", "buttontexton")));
    group.add(define("button_small").add(look("off", "button", "off")).add(look("over", "button", "over")));
    group.add(define("button_large").add(look("off", "button", "off")).add(size(200, 60)));
    group.add(define("button_led", "color,border_size").add(XmlNode("off").set("color", "[COLOR]").set("border_size", "[BORDER_SIZE]")));
    group.add(define("button_toggle", "text,var")
                  .add(look("off", "dsp", "off")).add(look("selected", "dsp", "on"))
                  .add(XmlNode("textselected").set("text", "[TEXT]").set("color", "dsptexton")
                           .set("action", "get_var '[VAR]'")));
    group.add(define("padbutton")
                  .add(XmlNode("off").set("shape", "round").set("color", "deckcoloroff").set("border", "deckcolor"))
                  .add(XmlNode("textselected").set("color", "deckcolor")));
    return group;
}

XmlNode visualTemplates()
{
    XmlNode group("group");
    group.set("name", "visuals").set("add", "no");
    group.add(define("liveoff").add(XmlNode("off").set("color", "moduleback").set("border", "#000000")));
    group.add(define("liveon").add(XmlNode("off").set("color", "moduleback")));
    group.add(define("jogwheeloff").add(XmlNode("off").set("shape", "circle").set("color", "jogfill")));
    return group;
}

XmlNode roundKnob(const QString &cls, const QString &family)
{
    return define(cls, "action,size")
        .add(XmlNode("slider").set("orientation", "round").set("action", "[ACTION]").set("width", "[SIZE]")
                 .set("height", "[SIZE]")
                 .add(XmlNode("off").set("shape", "circle").set("color", family + "in1").set("color2", family + "in2")
                          .set("gradient", "radial").set("border", family + "ringoff").set("border_size", 1)
                          .set("anglemin", -135).set("anglemax", 135))
                 .add(XmlNode("on").set("color", family + "ringon").set("radius", 18))
                 .add(XmlNode("fill").set("backcolor", family + "ringoff"))
                 .add(XmlNode("fader").set("color", family + "fader").set("width", 3).set("height", 12)))
        .add(XmlNode("size").set("width", "[SIZE]").set("height", "[SIZE]"));
}

XmlNode knobTemplates()
{
    XmlNode group("group");
    group.set("name", "roundknobs");
    group.add(roundKnob("knob_deck", "knob"));
    group.add(roundKnob("knob_master", "knobmaster"));
    group.add(roundKnob("knob_video", "knobvideo"));
    group.add(roundKnob("knob_white", "knobwhite"));
    return group;
}

XmlNode sliderTemplates()
{
    // The fader template carries the one attribute written without a blank
    // before it, and a width written as an expression.
    XmlNode slider("slider");
    slider.set("action", "volume").set("clickthrough", "yes").setGlued("orientation", "vertical")
        .set("width", "202-30").set("height", 150)
        .add(XmlNode("pos").set("x", "+75+2").set("y", 0))
        .add(XmlNode("off").set("color", "faderinoff").set("border", "faderborder").set("border_size", 0))
        .add(XmlNode("mouserect").set("x", -20).set("y", "+0").set("width", 44).set("height", 157));
    XmlNode group("group");
    group.set("name", "sliders");
    return group.add(define("fader_deck").add(slider).add(size(40, 150)));
}

XmlNode browserColours(const QString &tag, const QStringList &names, const QStringList &values)
{
    XmlNode node(tag);
    for (int i = 0; i < names.size(); ++i)
        node.set(names[i], values[i % values.size()]);
    return node;
}

XmlNode browserDefine(const QString &cls, bool dark)
{
    const QStringList ink = dark ? QStringList{"#202020", "#D0D0D0", "#0089ea", "#303030"}
                                 : QStringList{"#f0f0f0", "#202020", "#0062a3", "#c8c8c8"};
    XmlNode colors("colors");
    colors.set("background", ink[0]);
    colors.add(browserColours("separators", {"line", "background"}, ink));
    colors.add(browserColours("toolbars", {"backgroundselected", "backgroundmouseover", "background", "text",
                                           "iconbackground", "border"}, ink));
    colors.add(browserColours("lists", {"background", "text", "stripes", "over", "overstripes", "selected",
                                        "focus", "overtext", "selectedtext", "focustext", "selectedstripes",
                                        "focusstripes"}, ink));
    colors.add(browserColours("grids", {"line", "background", "label"}, ink));
    colors.add(browserColours("columns", {"background", "text", "insert", "border"}, ink));
    colors.add(browserColours("scrollbars", {"background", "buttonactive", "button", "buttonbackground",
                                             "buttonselected"}, ink));
    colors.add(browserColours("info", {"text", "scan", "download", "livefeedback", "automix"}, ink));
    colors.add(browserColours("search", {"background", "text", "cursor", "border"}, ink));
    colors.add(browserColours("prelisten", {"background", "artist", "title", "cursor"}, ink));
    XmlNode node("define");
    node.set("class", cls).add(colors);
    if (!dark) {
        node.set("add", "no");
        node.add(XmlNode("font").set("name", "Arial").set("size", 12).set("weight", "normal").set("color", "#000000"));
        node.add(XmlNode("fontsearch").set("size", 14).set("weight", "bold"));
        node.add(XmlNode("fontheader").set("weight", "bold").set("size", 11));
        node.add(XmlNode("fontgridtitle").set("size", 10));
    }
    return node;
}

XmlNode browserTemplates()
{
    XmlNode group("group");
    group.set("name", "browsers");
    return group.add(browserDefine("browserdark", true)).add(browserDefine("browserwhite", false));
}

} // namespace

XmlNode definesGroup(ContentBuilder &content)
{
    XmlNode defines("group");
    defines.set("name", "defines");
    return defines.add(colourGroup()).add(menuButtons()).add(buttonTemplates(content))
        .add(visualTemplates()).add(knobTemplates()).add(sliderTemplates()).add(browserTemplates());
}

XmlNode systemPanel(ContentBuilder &content)
{
    XmlNode panel("panel");
    panel.set("name", "system");
    panel.add(XmlNode("font").set("name", "Arial"));
    panel.add(XmlNode("mcustomicons").set("x", 1).set("y", 1).set("iconsize", 64).set("nb", 144).set("nbx", 16));
    panel.add(XmlNode("tooltip").set("size", 14).set("color", "#000000").set("back", "#fbf9e0")
                  .set("shortcut", "#58595b"));
    panel.add(XmlNode("grabzone").add(pos(0, 0)).add(size(1920, 48)));
    panel.add(XmlNode("grabzone").add(pos(0, 0)).add(size(15, 1080)));
    panel.add(XmlNode("grabzone").add(pos(0, 1065)).add(size(1920, 15)));
    panel.add(XmlNode("grabzone").add(pos(1905, 0)).add(size(15, 1080)));
    // The designer's frame: shown while the user lays the skin out.
    panel.add(XmlNode("line").set("add", "no").set("x", 0).set("y", 48).set("width", 1920).set("height", 1).set("color", "#505050"));
    panel.add(XmlNode("line").set("add", "no").set("x", 0).set("y", 1064).set("width", 1920).set("height", 1).set("color", "#505050"));
    panel.add(XmlNode("line").set("add", "no").set("x", 960).set("y", 48).set("width", 1).set("height", 1016).set("color", "red"));
    panel.add(XmlNode("line").set("add", "no").set("x", 0).set("y", 540).set("width", 1920).set("height", 1).set("color", "red"));
    const QStringList hints = {"Design mode", "Drag a module by its frame", "Resize from the corner",
                               "Press GO LIVE to try the skin"};
    for (int i = 0; i < hints.size(); ++i)
        panel.add(XmlNode("textzone").set("add", "no").set("x", 20 + i * 300).set("y", 10).set("width", 280)
                      .set("height", 28).add(XmlNode("text").set("text", hints[i]).set("color", "#fbf9e0")));
    const QStringList designButtons = {"MENU", "GO LIVE", "EDIT"};
    for (int i = 0; i < designButtons.size(); ++i)
        panel.add(XmlNode("button").set("add", "no").set("x", 1300 + i * 120).set("y", 10).set("width", 110)
                      .set("height", 28).set("text", designButtons[i])
                      .set("action", i == 1 ? "set_var '$TY_golive' 1" : "set_var '$TY_golive' 0"));
    const QStringList systemIcons = {"minimize", "maximize", "settings", "close"};
    for (int i = 0; i < systemIcons.size(); ++i) {
        XmlNode button = content.spriteButton(1740 + i * 40, 10, 32, 28, {"off", "over", "down"});
        button.set("class", "button_system").set("sysicon", systemIcons[i]).set("action", systemIcons[i]);
        panel.add(button);
    }
    panel.add(XmlNode("visual").set("source", "get_time 'HH:mm'").set("type", "text")
                  .add(pos(900, 10)).add(size(120, 28)).add(XmlNode("off").set("color", "topbar")));
    panel.add(XmlNode("logo").add(pos(30, 8)).add(size(120, 32)));
    return panel;
}

} // namespace skin
