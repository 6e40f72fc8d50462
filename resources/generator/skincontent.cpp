#include "skincontent.h"

#include <QStringList>

namespace skin {

XmlNode pos(int x, int y)
{
    return XmlNode("pos").set("x", x).set("y", y);
}

XmlNode size(int width, int height)
{
    return XmlNode("size").set("width", width).set("height", height);
}

namespace {

const char *const goLiveOff = "var_equal '$TY_golive' 0";
const char *const goLiveOn = "var_equal '$TY_golive' 1";

// Colour family words of the controls, per scope.
QString buttonFamily(const Window &w)
{
    if (w.prefix == QLatin1String("M1_") || w.prefix == QLatin1String("M2_"))
        return QStringLiteral("masterbutton");
    if (w.module.startsWith(QLatin1String("VIDEO")))
        return QStringLiteral("videobutton");
    return QStringLiteral("button");
}

XmlNode state(const QString &tag, const QString &family, const QString &part)
{
    return XmlNode(tag).set("shape", "square").set("color", family + part + "1")
        .set("color2", family + part + "2").set("gradient", "vertical")
        .set("border", family + part + "border").set("border_size", 1);
}

XmlNode textState(const QString &tag, const QString &text, const QString &colour)
{
    return XmlNode(tag).set("text", text).set("color", colour).set("size", 12)
        .set("weight", "bold").set("align", "center");
}

XmlNode textZone(int x, int y, int width, int height, const QString &action, const QString &colour)
{
    return XmlNode("textzone").set("x", x).set("y", y).set("width", width).set("height", height)
        .add(XmlNode("text").set("size", 14).set("weight", "bold").set("align", "center")
                 .set("color", colour).set("action", action));
}

// A plain labelled button in the deck's colours.
XmlNode labelButton(int x, int y, int width, int height, const QString &family,
                    const QString &label, const QString &action)
{
    return XmlNode("button").set("x", x).set("y", y).set("width", width).set("height", height)
        .set("action", action)
        .add(state("off", family, "off"))
        .add(state("over", family, "over"))
        .add(state("selected", family, "on"))
        .add(textState("text", label, family + "textoff"))
        .add(textState("textover", label, family + "textover"))
        .add(textState("textselected", label, family + "texton"));
}

// A row of labelled buttons across width x height.
QVector<XmlNode> buttonRow(int width, int height, const QString &family, const QStringList &labels,
                           const QString &actionWord)
{
    QVector<XmlNode> row;
    const int n = labels.size();
    const int cell = width / n;
    for (int i = 0; i < n; ++i) {
        const QString label = labels[i];
        row.append(labelButton(i * cell + 2, 2, cell - 4, height - 4, family, label,
                               actionWord + QLatin1Char(' ') + label.toLower()));
    }
    return row;
}

XmlNode groupLine(int x, int y, int width, int height, const QString &colour,
                  const QString &variable, int value)
{
    return XmlNode("line").set("x", x).set("y", y).set("width", width).set("height", height)
        .set("color", colour)
        .set("visibility", QStringLiteral("var_equal '%1' %2").arg(variable).arg(value));
}

bool isDeck(const Window &w)
{
    return w.prefix == QLatin1String("D1_") || w.prefix == QLatin1String("D2_");
}

bool isMixer(const Window &w)
{
    return w.prefix == QLatin1String("M1_") || w.prefix == QLatin1String("M2_");
}

// The 13 global modules whose background stays in the finished skin.
bool keepsBackground(const Window &w)
{
    return w.idx >= 154 && w.idx <= 166;
}

} // namespace

XmlNode ContentBuilder::spriteButton(int x, int y, int w, int h, const QStringList &states)
{
    XmlNode button("button");
    button.set("x", x).set("y", y).set("width", w).set("height", h);
    for (const QString &tag : states) {
        const QPoint p = picture(w, h);
        button.add(XmlNode(tag).set("x", p.x()).set("y", p.y()));
    }
    return button;
}

XmlNode ContentBuilder::window(const Window &w)
{
    XmlNode node("window");
    node.set("idx", w.idx).set("name", w.name).set("prop", w.prop ? 1 : 0)
        .set("breakline", w.kind == Kind::Zone || w.kind == Kind::DropZone ? 1 : 0)
        .set("width", w.width).set("height", w.height)
        .set("posx", w.idx == 1 ? 600 : 180).set("posy", 47).set("shown", "no");
    if (w.kind == Kind::Menu)
        return node.addAll(menuWindowContent());
    return node.add(editingPanel(w)).add(livePanel(w));
}

XmlNode ContentBuilder::editingPanel(const Window &w)
{
    XmlNode panel("panel");
    panel.set("add", "no").set("visibility", goLiveOff);
    panel.add(XmlNode("grabzone").set("x", 0).set("y", 0).set("width", w.width).set("height", w.height));
    panel.add(XmlNode("resizezone").set("x", w.width - 10).set("y", w.height - 10)
                  .set("width", 10).set("height", 10));
    const bool background = w.kind == Kind::Zone || w.kind == Kind::DropZone;
    if (!background)
        panel.add(XmlNode("button").set("class", "liveoff").set("x", 0).set("y", 0)
                      .set("width", w.width).set("height", w.height));
    if (!background && (isDeck(w) || isMixer(w))) {
        const QString variable = (w.name == QLatin1String("M1_VOLSimple") ? QStringLiteral("@$TYX_")
                                                                        : QStringLiteral("$TYX_"))
            + w.module;
        const char *const colours[] = {"#e02020", "#20c020", "#2060e0", "#e0c020"};
        panel.add(groupLine(0, 0, w.width, 2, colours[0], variable, 1));
        panel.add(groupLine(0, w.height - 2, w.width, 2, colours[1], variable, 2));
        panel.add(groupLine(0, 0, 2, w.height, colours[2], variable, 3));
        panel.add(groupLine(w.width - 2, 0, 2, w.height, colours[3], variable, 4));
    }
    // A working copy for the designer: the module's name, or its frame.
    XmlNode label = textZone(2, 2, w.width - 4, qMin(20, w.height - 4), QStringLiteral("get_text '%1'").arg(w.name), "#ffffff");
    if (w.kind == Kind::Browser) {
        panel.add(XmlNode("browser").add(pos(5, 5)).add(size(1115, 575)));
    } else if (w.kind == Kind::Zone) {
        panel.add(XmlNode("visual").add(pos(0, 0)).add(size(180, 98))
                      .add(XmlNode("off").set("color", "#404040")));
    } else if (w.idx % 5 == 0) {
        panel.add(XmlNode("panel").set("name", "edit_frame").add(label));
    } else {
        panel.add(label);
    }
    return panel;
}

XmlNode ContentBuilder::livePanel(const Window &w)
{
    XmlNode panel("panel");
    panel.set("add", "yes").set("visibility", goLiveOn);
    if (w.kind != Kind::Zone && w.kind != Kind::DropZone) {
        XmlNode background("visual");
        background.set("class", "liveon");
        if (!keepsBackground(w))
            background.set("add", "no");
        panel.add(background.add(pos(0, 0)).add(size(w.width, w.height)));
    }
    return panel.addAll(controls(w));
}

QVector<XmlNode> ContentBuilder::controls(const Window &w)
{
    switch (w.kind) {
    case Kind::Zone:
        // The zone's rectangle: panel, deck, visual with its size.
        return {XmlNode("deck").set("deck", w.prefix == QLatin1String("D2_") ? "right" : "left")
                    .add(XmlNode("visual").add(pos(0, 0)).add(size(180, 98))
                             .add(XmlNode("off").set("color", "draw1back").set("border", "drawborder")))};
    case Kind::DropZone:
        return {XmlNode("dropzonefake").add(pos(0, 0)).add(size(180, 98))};
    case Kind::Browser:
        return {XmlNode("browser").set("x", 0).set("y", 0).set("width", w.width).set("height", w.height)
                    .set("visibility", "true").set("class", "browserdark")
                    .add(XmlNode("pos").set("x", 5).set("y", 5).set("width", 1115).set("height", 575))
                    .add(size(1115, 575))};
    default:
        break;
    }
    if (isDeck(w))
        return {XmlNode("deck").set("deck", deckOf(w)).addAll(deckControls(w))};
    if (isMixer(w))
        return {XmlNode("deck").set("deck", deckOf(w)).addAll(mixerControls(w))};
    return globalControls(w);
}

XmlNode ContentBuilder::transport(const Window &w)
{
    // The full transport shows every attribute a button can carry.
    XmlNode play = spriteButton(4, 4, 56, 52, {"off", "over", "down"});
    play.set("class", "button_main").set("action", "play_pause").set("rightclick", "stop")
        .set("dblclick", "goto_start").set("tooltip", "Play").set("deck", deckOf(w));
    play.children.prepend(XmlNode("tooltip").setText("Play / Pause"));
    if (w.module != QLatin1String("CTRLFull"))
        return play;
    const QPoint up = picture(56, 52);
    const QPoint selected = picture(40, 20);
    const QPoint overselected = picture(40, 20);
    const QPoint background = picture(40, 20);
    play.add(XmlNode("up").set("x", up.x()).set("y", up.y()).set("radius", 4).set("borderresize", "no"));
    play.add(size(40, 20));
    play.add(XmlNode("selected").set("x", selected.x()).set("y", selected.y()).set("width", 40)
                 .set("height", 20).set("shape", "round").set("color", "buttonon1")
                 .set("color2", "buttonon2").set("gradient", "vertical").set("border", "buttononborder")
                 .set("border_size", 0));
    play.add(XmlNode("overselected").set("x", overselected.x()).set("y", overselected.y()));
    play.add(XmlNode("background").set("x", background.x()).set("y", background.y()));
    play.add(XmlNode("on").set("y", 12).set("color", "buttonon1"));
    play.add(XmlNode("text").set("text", "PLAY").set("font", "Arial").set("size", 12)
                 .set("fontsize", 11).set("dx", -2).set("dy", 1).set("width", 52).set("height", 20)
                 .set("weight", "bold").set("align", "center").set("color", "buttontextoff")
                 .set("format", "%s").set("action", "get_time_elapsed & param_cast 'int'"));
    play.add(XmlNode("textover").set("text", "PLAY").set("color", "buttontextover"));
    play.add(XmlNode("textselected").set("text", "PLAY").set("color", "buttontexton"));
    play.add(XmlNode("textoverselected").set("text", "PLAY").set("color", "buttontexton"));
    play.add(XmlNode("textdown").set("text", "PLAY").set("color", "buttontexton"));

    XmlNode cue("button");
    cue.set("x", 64).set("y", 4).set("width", 112).set("height", 52).set("iconsize", 24)
        .set("textsize", 12).set("textwidth", 60).set("border_size", 1).set("textdx", 4)
        .set("icondx", -30).set("class", "button_main")
        .set("action", "set_var \"$TYX_CUE\" 1 & param_bigger 0 ? cue_stop : cue <hold>")
        .set("rightclick", "").set("dblclick", "cue_select").set("sysicon", "cue").set("text", "")
        .set("textaction", "get_cue & param_cast 'int' > 0 ? get_cue : get_text '-'")
        .set("query", "cue \"1\" > 0 & has_cue <1>").set("visibility", "");
    const QPoint cueOff = picture(112, 52);
    cue.add(XmlNode("tooltip").setText("Cue & \"hold\""));
    cue.add(pos(64, 4));
    cue.add(XmlNode("icon").set("sysicon", "cue").set("width", 20).set("height", 20).set("dx", 4)
                .set("dy", 2).set("color", "buttontextoff").set("colorover", "buttontextover")
                .set("colorselected", "buttontexton").set("colordown", "#FFFFFF").set("shadow", 1));
    cue.add(XmlNode("off").set("x", cueOff.x()).set("y", cueOff.y()).set("width", 112)
                .set("height", 52).set("shape", "square").set("color", "buttonoff1")
                .set("color2", "buttonoff2").set("gradient", "vertical").set("border", "buttonoffborder")
                .set("border_size", 1));
    cue.add(XmlNode("textselected").set("text", "CUE").set("color", "buttontexton"));

    XmlNode row("panel");
    row.set("name", "transport_row").set("class", "button_main").set("visibility", "not is_video")
        .set("group", "transport").set("visible", "true");
    return row.add(play).add(cue).add(labelButton(180, 4, 56, 52, "button", "SYNC", "sync"));
}

XmlNode ContentBuilder::songPosition(int width, int height, const QString &deck)
{
    const QPoint cue = picture(13, 11);
    return XmlNode("songpos").set("colorPlayed", "colorPlayed").set("colorBass", "colorBass")
        .set("colorHigh", "colorHigh").set("colorMed", "colorMed").set("deck", deck)
        .add(pos(2, 2)).add(size(width - 4, height - 4))
        .add(XmlNode("cues").set("shade", 0).set("width", 20).set("height", 10)
                 .add(size(13, 11)).add(XmlNode("clipmask").set("x", cue.x()).set("y", cue.y())));
}

XmlNode ContentBuilder::jogVisual(const QString &deck)
{
    const QString ring = deck == QLatin1String("left") ? QStringLiteral("#4A8AC9") : QStringLiteral("#D93636");
    const QPoint off = sheet.allocate(202, 202, SpriteSheet::Shape::Disc);
    const QPoint on = sheet.allocate(202, 202, SpriteSheet::Shape::Disc);
    const QPoint mask = sheet.allocate(202, 202, SpriteSheet::Shape::Disc);
    return XmlNode("visual")
        .set("source", QStringLiteral("get_rotation 33 & color '%1' & ring '%1'").arg(ring))
        .set("type", "rotation").set("colorreplace", ring).set("deck", deck).set("smooth", "yes")
        .add(pos(10, 10)).add(size(202, 202))
        .add(XmlNode("off").set("x", off.x()).set("y", off.y()).set("color", "jogringoff"))
        .add(XmlNode("on").set("x", on.x()).set("y", on.y()).set("color", "jogringon"))
        .add(XmlNode("mask").set("x", mask.x()).set("y", mask.y()));
}

XmlNode ContentBuilder::ledMeter(int x, int y, int width, int height, int leds, bool vertical,
                                 const QString &prefix)
{
    XmlNode meter("visual");
    meter.set("source", "get_vu_meter").set("type", "linear")
        .set("orientation", vertical ? "vertical" : "horizontal").set("direction", vertical ? "up" : "right")
        .add(pos(x, y)).add(size(width, height));
    for (int i = 0; i < leds; ++i) {
        const int step = (vertical ? height : width) / leds;
        XmlNode led("led");
        if (vertical)
            led.set("x", 2).set("y", height - (i + 1) * step).set("width", width - 4).set("height", step - 1);
        else
            led.set("x", i * step).set("y", 2).set("width", step - 1).set("height", height - 4);
        const bool peak = i == leds - 1;
        led.add(XmlNode("off").set("color", prefix + "off"))
           .add(XmlNode("on").set("color", prefix + (peak ? "peak" : "on")));
        meter.add(led);
    }
    return meter;
}

XmlNode ContentBuilder::knob(int x, int y, int side, const QString &family)
{
    return XmlNode("slider").set("x", x).set("y", y).set("width", side).set("height", side)
        .set("orientation", "round").set("action", "filter").set("dblclick", "filter 50%")
        .set("class", family == QLatin1String("knob") ? "knob_deck" : "knob_master")
        .add(XmlNode("off").set("radius", side / 2 - 2).set("shape", "circle").set("color", family + "ringoff")
                 .set("anglemin", -135).set("anglemax", 135))
        .add(XmlNode("on").set("radius", side / 2 - 2).set("shape", "circle").set("color", family + "ringon")
                 .set("anglemin", -135).set("anglemax", 135))
        .add(XmlNode("fader").set("width", 3).set("height", side / 3).set("color", family + "fader"));
}

XmlNode ContentBuilder::fader(int x, int y, int width, int height, const QString &family, bool vertical)
{
    XmlNode slider("slider");
    slider.set("x", x).set("y", y).set("width", width).set("height", height)
        .set("action", vertical ? "volume" : "crossfader").set("clickthrough", "yes")
        .set("orientation", vertical ? "vertical" : "horizontal");
    if (vertical)
        slider.set("direction", "down");
    return slider
        .add(XmlNode("on").set("height", -23).set("shape", "square").set("color", family + "inon"))
        .add(XmlNode("off").set("height", -23).set("shape", "square").set("color", family + "inoff"))
        .add(XmlNode("fader").set("width", vertical ? width - 4 : 20).set("height", vertical ? 20 : height - 4)
                 .set("color", family + "fader1").set("color2", family + "fader2").set("gradient", "vertical")
                 .set("border", family + "faderborder").set("border_size", 1));
}

XmlNode ContentBuilder::rhythmZone(int width, int height, bool mirrored)
{
    const QPoint mask = picture(12, 12);
    XmlNode zone("rhythmzone");
    zone.set("fade", 20).set("deck1", "left").set("deck2", "right");
    if (mirrored)
        zone.set("mirror", "yes").set("upsidedown", "yes").set("visibility", "has_rhythm");
    return zone.add(pos(5, 5)).add(size(width - 10, height - 10))
        .add(XmlNode("colors").set("deck1", "#4a8ac9").set("deck2", "#D93636")
                 .set("deck1_active", "#ffffff").set("deck2_active", "green"))
        .add(XmlNode("rhythm").set("y", 2).set("height", height / 2))
        .add(XmlNode("grid").set("width", 1).set("height", 4).set("maxwidth", 10)
                 .add(XmlNode("pos").set("y1", 3).set("y2", height - 13)))
        .add(XmlNode("cue").set("y", 3).set("height", 12)
                 .add(XmlNode("text").set("dx", 10).set("dy", 0).set("size", 7))
                 .add(XmlNode("mask").set("x", mask.x()).set("y", mask.y()).set("width", 12).set("height", 12)));
}

XmlNode ContentBuilder::scratchWave(int width, int height, const QString &deck, bool withCue)
{
    XmlNode wave("scratchwave");
    if (!deck.isEmpty())
        wave.set("deck", deck);
    const bool vertical = height > width;
    wave.set("orientation", vertical ? "vertical" : "horizontal");
    wave.add(pos(5, 5)).add(size(width - 10, height - 10))
        .add(XmlNode("grid").set("pos", -2).set("mirrored", "yes").set("background", "no")
                 .set("backgroundshaded", "no").set("height", 3).set("size", 1).set("mainsize", 2));
    if (withCue) {
        const QPoint first = picture(12, 12);
        wave.add(XmlNode("cue").set("y", 3).set("height", 12)
                     .add(XmlNode("text").set("dx", 10).set("dy", 0).set("fontsize", 7))
                     .add(XmlNode("mask").set("width", 12).set("height", 12).set("x", first.x()).set("y", first.y())));
    }
    return wave;
}

XmlNode ContentBuilder::loopMenu(int x, int y, int width, int height)
{
    return XmlNode("menu").set("x", x).set("y", y).set("width", width).set("height", height)
        .set("border_size", 1).set("class", "button_dsp").set("visibility", "loop")
        .add(XmlNode("tooltip").setText("Loop length"))
        .add(XmlNode("pos").set("x", "+34").set("y", 0).set("width", width).set("height", height))
        .add(size(width, height))
        .add(XmlNode("off").set("shape", "square").set("color", "dspoff1").set("color2", "dspoff2")
                 .set("gradient", "vertical").set("border", "dspoffborder").set("border_size", 1))
        .add(XmlNode("up").set("width", width).set("height", height).set("color", "dspoff1"))
        .add(XmlNode("over").set("color", "dspover1").set("border", "dspoverborder"))
        .add(XmlNode("down").set("color", "dspon1").set("border", "dsponborder"))
        .add(XmlNode("item").set("text", "1 beat").set("action", "loop 1").set("hascheck", "yes")
                 .set("localize", "no"))
        .add(XmlNode("item").set("text", "-"))
        .add(XmlNode("item").set("text", "4 beats").set("action", "loop 4 & set \"$loop\" 4")
                 .set("check", "loop 4 & var_smaller \"$loop\" <8>"))
        .add(XmlNode("submenu").set("text", "More")
                 .add(XmlNode("item").set("text", "8 beats").set("action", "loop 8"))
                 .add(XmlNode("item").set("text", "16 beats").set("action", "loop 16"))
                 .add(XmlNode("submenu").set("text", "Nested").add(XmlNode("item").set("text", "32"))))
        .add(XmlNode("submenu").set("text", "Empty"));
}

QVector<XmlNode> ContentBuilder::deckControls(const Window &w)
{
    const int W = w.width;
    const int H = w.height;
    const QString deck = deckOf(w);
    switch (w.kind) {
    case Kind::Transport:
        if (w.module == QLatin1String("CTRLFull"))
            return {transport(w)};
        return {transport(w), labelButton(64, 4, W - 68, 52, "button", "CUE", "cue")};
    case Kind::Title: {
        XmlNode title("textzone");
        title.set("x", 2).set("y", 2).set("width", W - 4).set("height", H / 2).set("textsize", 14)
            .set("class", "textdisplay").set("action", "get_title & param_uppercase")
            .set("rightclick", "browser_window 'info'").set("group", "title").set("click", "browser_gotofolder")
            .set("scroll", "yes").set("visibility", "loaded").set("textaction", "get_title")
            .set("text", "no track").set("name", "title")
            .add(pos(2, 2)).add(size(W - 4, H / 2))
            .add(XmlNode("off").set("shape", "square").set("color", "textback").set("border", "textdark")
                     .set("border_size", 1))
            .add(XmlNode("up").set("width", W - 4).set("height", H / 2).set("color", "textback")
                     .set("color2", "textdark").set("gradient", "vertical"))
            .add(XmlNode("background").set("color", "textback"))
            .add(XmlNode("tooltip").setText("Title"))
            .add(XmlNode("textover").set("color", "textbright"))
            .add(XmlNode("text").set("size", 14).set("fontsize", 13).set("weight", "bold").set("align", "left")
                     .set("color", "textbright").set("text", "").set("format", "%s")
                     .set("action", "get_title & param_uppercase").set("dx", 3).set("dy", 1)
                     .set("width", W - 10).set("height", 16));
        return {title, textZone(2, H / 2 + 2, W - 4, H / 2 - 4, "get_artist", "textcolor")};
    }
    case Kind::SongPos: {
        XmlNode songpos = songPosition(W, H, deck);
        if (w.module == QLatin1String("SONGPOSFull")) {
            songpos.set("x", 0).set("y", 0).set("width", W).set("height", H).set("visibility", "loaded");
            songpos.children[0].set("width", W - 4).set("height", H - 4);
        }
        return {songpos};
    }
    case Kind::Value:
        return {textZone(2, 2, W - 4, H - 4, QStringLiteral("get_%1").arg(w.module.toLower()), "textcolor")};
    case Kind::Pitch: {
        XmlNode slider = fader(0, 0, W, H, "fader", true);
        slider.set("frommiddle", "true").set("action", "constant 0.5").set("rightclick", "pitch_reset")
            .set("disabled", "is_sync").set("iconsize", 12).set("textsize", 10).set("visibility", "loaded");
        slider.children.prepend(size(4, H - 10));
        slider.children.prepend(pos(W / 2 - 2, 5));
        slider.children.prepend(XmlNode("tooltip").setText("Pitch"));
        slider.add(XmlNode("mouserect").set("x", -20).set("y", "+0").set("width", W + 4).set("height", H));
        slider.add(XmlNode("fill").set("color", "faderinon").set("backcolor", "faderbackground"));
        QVector<XmlNode> out{slider};
        for (int mark = 0; mark < 5; ++mark)
            out.append(XmlNode("line").set("color", "faderlines").set("x", 2).set("y", 10 + mark * (H - 20) / 4)
                           .set("width", 8).set("height", 1).set("class", "scale"));
        return out;
    }
    case Kind::PitchBend:
        return {labelButton(2, 2, W - 4, H / 2 - 4, "button", "-", "pitch_bend -3%"),
                labelButton(2, H / 2 + 2, W - 4, H / 2 - 4, "button", "+", "pitch_bend +3%")};
    case Kind::DeckVideo:
        return {XmlNode("video").set("visibility", "is_video").set("source", "deck")
                    .add(pos(6, 9)).add(size(160, 90)),
                XmlNode("cover").set("visibility", "is_video ? false : true").add(pos(6, 9)).add(size(90, 90))};
    case Kind::Jog: {
        QVector<XmlNode> out;
        if (w.module == QLatin1String("JOGFull"))
            out.append(XmlNode("visual").set("class", "jogwheeloff").set("add", "no")
                           .add(pos(0, 0)).add(size(W, H)));
        out.append(jogVisual(deck));
        XmlNode scratch("scratch");
        scratch.set("x", 10).set("y", 10).set("width", 202).set("height", 202)
            .add(XmlNode("mousecircle").set("x", 111).set("y", 111).set("r", 101));
        if (w.module == QLatin1String("JOGSimple"))
            scratch.set("visibility", "loaded").add(XmlNode("pos").set("x", 10).set("y", 10).set("width", 202)
                                                        .set("height", 202)).add(size(202, 202));
        out.append(scratch);
        if (w.module == QLatin1String("JOGSimple"))
            out.append(XmlNode("panel").set("name", "jog_center").set("visibility", "loaded")
                           .add(textZone(71, 96, 80, 30, "get_time", "jogneedle")));
        return out;
    }
    case Kind::JogMini: {
        const QPoint off = sheet.allocate(W, H, SpriteSheet::Shape::Disc);
        const QPoint on = sheet.allocate(W, H, SpriteSheet::Shape::Disc);
        return {XmlNode("visual").set("x", 0).set("y", 0).set("width", W).set("height", H)
                    .set("source", "get_rotation").set("type", "rotation").set("action", "jog")
                    .add(XmlNode("off").set("x", off.x()).set("y", off.y()).set("shape", "circle")
                             .set("border", "jogborder").set("border_size", 2).set("borderresize", "no"))
                    .add(XmlNode("on").set("x", on.x()).set("y", on.y()).set("width", W).set("height", H)
                             .set("color", "jogfill").set("color2", "joginner").set("gradient", "radial")
                             .set("border_size", 1).set("radius", 6))};
    }
    case Kind::Loop:
        return buttonRow(W, H, "button", {"IN", "OUT", "EXIT"}, "loop");
    case Kind::LoopMenu:
        return {loopMenu(2, 2, W / 2 - 4, H - 4),
                labelButton(W / 2 + 2, 2, W / 2 - 4, H - 4, "dsp", "AUTO", "loop")};
    case Kind::Hotcue:
        return buttonRow(W, H, "button", {"1", "2", "3", "4"}, "hot_cue");
    case Kind::Pads: {
        QVector<XmlNode> out;
        const int cols = 4;
        const int rows = 2;
        const int cw = W / cols;
        const int ch = H / rows;
        for (int i = 0; i < cols * rows; ++i) {
            const int x = (i % cols) * cw;
            const int y = (i / cols) * ch;
            out.append(labelButton(x + 2, y + 2, cw - 4, ch - 4, "button", QString::number(i + 1),
                                   QStringLiteral("pad %1").arg(i + 1)));
            out.append(XmlNode("square").set("x", x + 4).set("y", y + 4).set("width", cw - 8).set("height", 4)
                           .set("color", "black")
                           .set("visibility", QStringLiteral("%1 %2 ? true")
                                .arg(w.module == QLatin1String("HOTCUEEight") ? "cue_color" : "pad_color")
                                .arg(i + 1)));
        }
        return out;
    }
    case Kind::Sampler:
        return {textZone(2, 2, W - 4, H / 2 - 2, "sampler_name", "textcolor"),
                labelButton(2, H / 2, W / 2 - 4, H / 2 - 2, "button", "PLAY", "sampler_play"),
                labelButton(W / 2, H / 2, W / 2 - 4, H / 2 - 2, "button", "REC", "sampler_rec")};
    case Kind::Fx: {
        QVector<XmlNode> out;
        const int n = qMax(1, W / 100);
        for (int i = 0; i < n; ++i)
            out.append(knob(i * 100 + 10, 5, qMin(40, H - 10), "knob"));
        out.append(labelButton(W - 60, H - 24, 56, 20, "button", "ON", "effect_active"));
        return out;
    }
    case Kind::FxMenu:
        return {XmlNode("panel").set("name", "fxsimple").set("visibility", "not effect_3slots_layout")
                    .add(loopMenu(2, 2, W / 2 - 4, H - 4))
                    .add(labelButton(W / 2 + 2, 2, W / 2 - 4, H - 4, "dsp", "FX", "effect_active"))};
    case Kind::Cover:
        return {XmlNode("cover").add(pos(0, 0)).add(size(W, H))};
    case Kind::LedMeter: {
        XmlNode meter = ledMeter(0, 0, W, H, 8, true, "vuled");
        meter.set("x", 0).set("y", 0).set("width", W).set("height", H).set("iconsize", 8).set("textsize", 8)
            .set("rightclick", "vu_reset").set("dblclick", "vu_reset").set("disabled", "not loaded")
            .set("frommiddle", "false").set("visibility", "loaded");
        meter.children.prepend(XmlNode("tooltip").setText("Level"));
        meter.children.last().children.first().set("width", W - 4).set("height", 10).set("shape", "round")
            .set("color2", "vuledback").set("gradient", "vertical").set("border", "vuledback")
            .set("border_size", 1).set("radius", 2);
        return {meter};
    }
    case Kind::Stems: {
        XmlNode vocal = fader(2, 2, W - 4, H / 2 - 2, "fader", false);
        vocal.set("action", "stem_pad 'vocal'");
        XmlNode rest = fader(2, H / 2, W - 4, H / 2 - 2, "fader", false);
        rest.set("action", "stem_pad 'instru'");
        return {vocal, rest};
    }
    case Kind::DeckLogo:
        return {XmlNode("logo").add(pos(2, 2)).add(size(W - 4, H - 4))};
    default:
        break;
    }
    if (w.module == QLatin1String("LEDBasic")) {
        // Exercises every attribute a square knows.
        return {XmlNode("square").set("x", 2).set("y", 2).set("width", W - 4).set("height", H - 4)
                    .set("border", 1).set("class", "ledsquare").set("color", "deckcolor")
                    .set("color2", "deckcoloroff").set("gradient", "horizontal").set("border_color", "deckcolorover")
                    .set("visibility", "is_selected")
                    .add(XmlNode("pos").set("x", 2).set("y", 2).set("width", W - 4).set("height", H - 4))
                    .add(size(W - 4, H - 4))};
    }
    return buttonRow(W, H, buttonFamily(w), {w.module.left(4), w.module.mid(4)}, QStringLiteral("deck_action"));
}

QVector<XmlNode> ContentBuilder::mixerControls(const Window &w)
{
    const int W = w.width;
    const int H = w.height;
    switch (w.kind) {
    case Kind::Knobs: {
        QVector<XmlNode> out;
        const int side = qMin(W - 10, 50);
        for (int y = 5; y + side <= H; y += side + 10)
            out.append(knob((W - side) / 2, y, side, "knobmaster"));
        return out;
    }
    case Kind::Fader: {
        XmlNode slider = fader(W / 2 - 20, 5, 40, H - 10, "masterfader", true);
        slider.add(XmlNode("mouserect").set("x", -10).set("y", "+0").set("width", 60).set("height", H - 10));
        return {slider, XmlNode("line").set("x", W / 2 - 1).set("y", 10).set("width", 2).set("height", H - 20)
                            .set("color", "masterfaderlines")};
    }
    case Kind::Vu:
        return {ledMeter(0, 0, W, H, 12, true, "mastervuled")};
    case Kind::MixButtons:
        return buttonRow(W, H, "masterbutton", {w.module}, QStringLiteral("mixer"));
    case Kind::ScratchVertical:
        return {scratchWave(W, H, QString(), false)};
    case Kind::ScratchHorizontal:
        return {scratchWave(W, H, QString(), false)};
    default:
        return {};
    }
}

QVector<XmlNode> ContentBuilder::globalControls(const Window &w)
{
    const int W = w.width;
    const int H = w.height;
    switch (w.kind) {
    case Kind::Crossfader: {
        if (w.module.startsWith(QLatin1String("VIDEO")))
            return {fader(5, 5, W - 10, H - 10, "videofader", false)};
        XmlNode slider = fader(5, 5, W - 10, H - 10, "masterfader", false);
        slider.children.last().set("color", "cffader1").set("color2", "cffader2").set("border", "cffaderborder");
        return {slider};
    }
    case Kind::VideoMaster:
        return {XmlNode("panel").set("name", "videomaster")
                    .add(XmlNode("video").set("source", "master").add(pos(6, 9)).add(size(160, 90)))};
    case Kind::VideoChannels:
        return {XmlNode("deck").set("deck", "left")
                    .add(XmlNode("video").set("source", "channel").set("chan", "leftvideo")
                             .add(pos(6, 9)).add(size(160, 90))),
                XmlNode("deck").set("deck", "right")
                    .add(XmlNode("video").set("x", 172).set("y", 0).set("width", 172).set("height", 108)
                             .set("source", "channel").set("chan", "rightvideo")
                             .add(XmlNode("pos").set("x", 178).set("y", 9).set("width", 160).set("height", 90))
                             .add(size(160, 90)))};
    case Kind::Rhythm:
        return {rhythmZone(W, H, w.module == QLatin1String("RHYTHMMirror"))};
    case Kind::RhythmScratch: {
        XmlNode rhythm = rhythmZone(W, H / 2, false);
        rhythm.set("x", 0).set("y", 0).set("width", W).set("height", H / 2);
        XmlNode left = scratchWave(W / 2, H / 2, "left", true);
        XmlNode right = scratchWave(W / 2, H / 2, "right", true);
        right.set("x", W / 2).set("y", H / 2).set("width", W / 2).set("height", H / 2)
             .set("visibility", "deck right loaded");
        return {rhythm, left, right};
    }
    case Kind::Sandbox: {
        XmlNode wave = scratchWave(W, H, QString(), false);
        wave.set("visibility", "has_sandbox");
        return {wave, XmlNode("line").set("x", W / 2).set("y", 0).set("width", 1).set("height", H)
                          .set("color", "waveneedle")};
    }
    case Kind::Clock:
        return {textZone(2, 2, W - 4, H - 4, "get_clock", "textmastertext")};
    case Kind::Logo:
        return {XmlNode("logo").set("x", 0).set("y", 0).set("width", W).set("height", H)
                    .set("visibility", "true").add(XmlNode("pos").set("x", 0).set("y", 0)
                                                       .set("width", W).set("height", H))
                    .add(size(W, H))};
    case Kind::Search:
        return {textZone(2, 2, W - 64, H - 4, "search", "textmastertext"),
                labelButton(W - 60, 2, 58, H - 4, "system", "GO", "search_go")};
    case Kind::Toolbar: {
        QVector<XmlNode> out;
        const QStringList icons = {"settings", "record", "broadcast", "sampler"};
        const int cell = W / icons.size();
        for (int i = 0; i < icons.size(); ++i) {
            out.append(XmlNode("button").set("x", i * cell + 2).set("y", 2).set("width", cell - 4)
                           .set("height", H - 4).set("sysicon", icons[i]).set("class", "button_system")
                           .set("action", icons[i])
                           .add(XmlNode("icon").set("sysicon", icons[i]).set("width", 20).set("height", 20)
                                    .set("color", "systemiconoff").set("colorover", "systemiconover")
                                    .set("colorselected", "systemiconon"))
                           .add(XmlNode("off").set("color", "systemoff").set("border", "systemoffborder"))
                           .add(XmlNode("over").set("color", "systemover").set("border", "systemoverborder"))
                           .add(XmlNode("selected").set("color", "systemon").set("border", "systemonborder")));
        }
        return out;
    }
    case Kind::MasterVu:
        return {ledMeter(0, 0, W, H, 10, H > W, "mastervuled")};
    case Kind::Footer:
        return {XmlNode("font").set("weight", "bold").set("size", 20).set("visibility", "true"),
                XmlNode("logo").add(XmlNode("pos").set("x", 2).set("y", 2).set("width", 100).set("height", 26))
                    .add(size(100, 26)),
                textZone(110, 2, W - 112, H - 4, "get_text 'Stand-in skin'", "textwhite")};
    default:
        break;
    }
    if (w.module == QLatin1String("SAMPLERFull")) {
        return {XmlNode("group").set("name", "samplerbank").set("visibility", "sampler_bank 1").set("visible", "yes")
                    .addAll(buttonRow(W, H / 2, "masterbutton", {"A", "B", "C", "D"}, "sampler_pad"))};
    }
    if (w.module == QLatin1String("SPACER"))
        return {XmlNode("deck").add(XmlNode("line").set("x", 0).set("y", H / 2).set("width", W).set("height", 1)
                                        .set("color", "#aaaaaa"))};
    if (w.module == QLatin1String("SAMPLERStrip")) {
        // A button whose first picture is cut before its size changes.
        XmlNode button = spriteButton(2, 2, 40, 20, {"off"});
        button.add(size(30, 30));
        const QPoint over = picture(30, 30);
        button.add(XmlNode("over").set("x", over.x()).set("y", over.y()));
        return {button};
    }
    const QString family = w.module.startsWith(QLatin1String("VIDEO")) ? QStringLiteral("dspvideo")
                                                                      : QStringLiteral("masterbutton");
    return buttonRow(W, qMin(H, 40), family, {w.module.left(5), w.module.mid(5)}, QStringLiteral("global_action"));
}

QVector<XmlNode> ContentBuilder::menuWindowContent()
{
    QVector<XmlNode> out;
    out.append(XmlNode("grabzone").add(pos(0, 0)).add(size(632, 30)));
    out.append(XmlNode("square").set("x", 0).set("y", 0).set("width", 632).set("height", 393).set("color", "black"));
    out.append(XmlNode("square").set("x", 2).set("y", 30).set("width", 628).set("height", 361).set("color", "moduleback"));
    out.append(XmlNode("button").set("x", 500).set("y", 4).set("width", 120).set("height", 22)
                   .set("text", "GO LIVE").set("action", "set_var '$TY_golive' 1"));
    for (int i = 0; i < 6; ++i)
        out.append(XmlNode("line").set("class", "menudiv").set("x", 10).set("y", 60 + i * 50));
    const QStringList pages = {"menu_deck", "menu_mixer", "menu_global", "menu_zones", "menu_help"};
    for (int p = 0; p < pages.size(); ++p) {
        XmlNode panel("panel");
        panel.set("name", pages[p]).set("visibility", QStringLiteral("var_equal '$TY_menupage' %1").arg(p));
        if (pages[p] == QLatin1String("menu_zones")) {
            for (int zone = 5; zone <= 6; ++zone)
                panel.add(XmlNode("button").set("x", 20).set("y", 40 + (zone - 5) * 30).set("width", 200)
                              .set("height", 24).set("text", QStringLiteral("Zone %1 shifted").arg(zone))
                              .set("action", QStringLiteral("toggle_var '$TYX_ZONE%1'").arg(zone)));
        } else {
            for (int g = 0; g <= 4; ++g) {
                const QString key = pages[p] == QLatin1String("menu_mixer") ? QStringLiteral("MIXERGROUP")
                                                                           : QStringLiteral("DECKGROUP");
                panel.add(XmlNode("button").set("x", 20).set("y", 40 + g * 30).set("width", 200)
                              .set("height", 24).set("text", QStringLiteral("Clone group %1").arg(g))
                              .set("action", QStringLiteral("toggle_var '$TYX_%1%2_clone'").arg(key).arg(g)));
            }
        }
        out.append(panel);
    }
    return out;
}

} // namespace skin
