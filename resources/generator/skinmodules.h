#pragma once
// The 238 module windows of the stand-in skin, in document order.
#include <QString>
#include <QVector>

namespace skin {

// What a module shows; decides its controls.
enum class Kind {
    Menu, DropZone, Zone, Browser,
    // deck modules
    Transport, Title, SongPos, Value, Pitch, PitchBend, DeckVideo, VideoButtons, Jog, JogMini,
    Loop, LoopMenu, Hotcue, Pads, Sampler, Fx, FxMenu, Cover, LedMeter, Stems, Buttons, DeckLogo,
    // mixer modules
    Knobs, Fader, Vu, MixButtons, ScratchVertical, ScratchHorizontal,
    // global modules
    Crossfader, VideoMaster, VideoChannels, Rhythm, RhythmScratch, Sandbox, Clock, Logo,
    Search, Toolbar, MasterVu, Footer, GlobalButtons
};

struct Window
{
    int idx = 0;       // 1-based place in the document
    QString name;      // prefix + module
    QString module;    // name without its side prefix
    QString prefix;    // "D1_", "D2_", "M1_", "M2_", "GL_", "GR_" or empty
    Kind kind = Kind::Buttons;
    int width = 0;
    int height = 0;
    bool prop = false; // own vertical factor
};

QVector<Window> tessaryWindows();

// "left" for D1_/M1_ windows, "right" for D2_/M2_, empty otherwise.
QString deckOf(const Window &window);

} // namespace skin
