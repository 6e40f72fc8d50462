#include "skinmodules.h"

#include <QMap>

namespace skin {

namespace {

struct Module
{
    const char *name;
    Kind kind;
    int width;
    int height;
    bool prop;
};

// Deck modules, one left/right pair each, placed at 8/9, 10/11, ... 152/153.
const Module deckModules[] = {
    {"CTRLBasic", Kind::Transport, 200, 60, false},
    {"CTRLFull", Kind::Transport, 300, 60, false},
    {"CTRLMini", Kind::Transport, 120, 60, false},
    {"TITLEFull", Kind::Title, 546, 60, false},
    {"TITLEBasic", Kind::Title, 546, 40, false},
    {"SONGPOSBasic", Kind::SongPos, 456, 40, true},
    {"SONGPOSFull", Kind::SongPos, 546, 60, false},
    {"SONGPOSMini", Kind::SongPos, 300, 30, false},
    {"TIMEBasic", Kind::Value, 120, 40, false},
    {"BPMValue", Kind::Value, 100, 40, false},
    {"PITCHFull", Kind::Pitch, 40, 150, false},
    {"PITCHBend", Kind::PitchBend, 40, 70, false},
    {"VIDEOSimple", Kind::DeckVideo, 172, 108, true},
    {"VIDEOFull", Kind::VideoButtons, 344, 60, false},
    {"LOOPRoll", Kind::Loop, 200, 40, false},
    {"LOOPMove", Kind::Loop, 200, 40, false},
    {"JOGFull", Kind::Jog, 222, 222, false},
    {"JOGSimple", Kind::Jog, 222, 222, false},
    {"JOGMini", Kind::JogMini, 120, 120, false},
    {"KEYBasic", Kind::Value, 100, 40, false},
    {"KEYLock", Kind::Buttons, 60, 40, false},
    {"SLIPBasic", Kind::Buttons, 60, 40, false},
    {"REVBasic", Kind::Buttons, 60, 40, false},
    {"CENSORBasic", Kind::Buttons, 60, 40, false},
    {"BEATGRIDBasic", Kind::Buttons, 200, 40, false},
    {"GRIDAdjust", Kind::Buttons, 200, 40, false},
    {"TEMPOBasic", Kind::Value, 100, 40, false},
    {"TEMPORange", Kind::LoopMenu, 100, 40, false},
    {"HOTCUEFull", Kind::Hotcue, 400, 60, false},
    {"HOTCUEEight", Kind::Pads, 400, 100, false},
    {"PADSBasic", Kind::Pads, 300, 150, false},
    {"PADSFull", Kind::Pads, 400, 200, false},
    {"SAMPLERFull", Kind::Sampler, 400, 100, false},
    {"SAMPLERMini", Kind::Sampler, 200, 50, false},
    {"FXFull", Kind::Fx, 400, 100, false},
    {"FXSlots", Kind::FxMenu, 400, 60, false},
    {"FXMini", Kind::Fx, 200, 50, false},
    {"LOOPAutoBasic", Kind::LoopMenu, 200, 40, false},
    {"LOOPManualBasic", Kind::Loop, 200, 40, false},
    {"LOOPAutoFull", Kind::LoopMenu, 300, 60, false},
    {"LOOPManualFull", Kind::Loop, 300, 60, false},
    {"LOOPIn", Kind::Buttons, 100, 40, false},
    {"KEYFull", Kind::Value, 100, 40, false},
    {"CUSTOMTwo", Kind::Buttons, 100, 40, false},
    {"CUSTOMOne", Kind::Buttons, 50, 40, false},
    {"CUSTOMFour", Kind::Buttons, 200, 40, false},
    {"CUSTOMEight", Kind::Buttons, 400, 40, false},
    {"HOTCUEBasic", Kind::Hotcue, 200, 40, false},
    {"COVERBasic", Kind::Cover, 80, 80, false},
    {"COVERInfo", Kind::Value, 160, 40, false},
    {"FXBasic", Kind::FxMenu, 200, 40, false},
    {"FXParam", Kind::Fx, 200, 60, false},
    {"STEMSBasic", Kind::Stems, 200, 40, false},
    {"STEMSFull", Kind::Stems, 300, 60, false},
    {"SAMPLERBasic", Kind::Sampler, 200, 50, false},
    {"DECKInfo", Kind::Value, 200, 40, false},
    {"DECKNumber", Kind::Value, 40, 40, false},
    {"MASTERDeck", Kind::Buttons, 80, 40, false},
    {"LEDBasic", Kind::Buttons, 60, 20, false},
    {"PAGESBasic", Kind::Buttons, 200, 30, false},
    {"ACTIONSBasic", Kind::Buttons, 200, 40, false},
    {"VIDEOFx", Kind::VideoButtons, 200, 40, false},
    {"VIDEOMix", Kind::VideoButtons, 200, 40, false},
    {"BEATJump", Kind::Buttons, 100, 40, false},
    {"FXButtons", Kind::Buttons, 200, 40, false},
    {"QUANTBasic", Kind::Buttons, 60, 40, false},
    {"SYNCBasic", Kind::Buttons, 100, 40, false},
    {"EJECTBasic", Kind::Buttons, 60, 40, false},
    {"LOADBasic", Kind::Buttons, 60, 40, false},
    {"SLICERBasic", Kind::Buttons, 200, 40, false},
    {"SEEKBasic", Kind::Buttons, 100, 40, false},
    {"LEDMeter", Kind::LedMeter, 20, 120, false},
    {"MENUDeck", Kind::DeckLogo, 60, 40, false},
};

// Mixer modules: the left side at 188 to 202, the right side at 223 to 237.
const Module mixerModules[] = {
    {"EQFull", Kind::Knobs, 80, 200, false},
    {"VOLFull", Kind::Fader, 80, 260, false},
    {"VUFull", Kind::Vu, 20, 260, false},
    {"GAIN", Kind::Knobs, 80, 60, false},
    {"VOLSimple", Kind::Fader, 60, 200, true},
    {"EQ", Kind::Knobs, 60, 180, false},
    {"VUSimple", Kind::Vu, 20, 200, true},
    {"FILTER", Kind::Knobs, 60, 60, false},
    {"FXSend", Kind::Knobs, 80, 60, false},
    {"CFAssign", Kind::MixButtons, 80, 30, false},
    {"PFL", Kind::MixButtons, 60, 30, false},
    {"FILTERSimple", Kind::Knobs, 60, 60, false},
    {"SCRATCHSimple", Kind::ScratchVertical, 40, 200, true},
    {"MIXKnobs", Kind::Knobs, 60, 120, false},
    {"SCRATCHHorizontal", Kind::ScratchHorizontal, 300, 40, true},
};

// Global modules by window number.
const QMap<int, Module> &globalModules()
{
    static const QMap<int, Module> table = {
        {154, {"CFAudio", Kind::Crossfader, 300, 40, true}},
        {155, {"VIDEOCF", Kind::Crossfader, 300, 40, true}},
        {156, {"VIDEOMaster", Kind::VideoMaster, 172, 108, true}},
        {157, {"VIDEOChannels", Kind::VideoChannels, 344, 108, false}},
        {158, {"VIDEOTransition", Kind::GlobalButtons, 200, 40, false}},
        {159, {"VIDEOSkin", Kind::GlobalButtons, 200, 40, false}},
        {160, {"VIDEOFx", Kind::GlobalButtons, 200, 60, false}},
        {161, {"VIDEOLevel", Kind::Crossfader, 200, 40, false}},
        {162, {"VIDEOButtons", Kind::GlobalButtons, 200, 40, false}},
        {163, {"VIDEOText", Kind::Clock, 200, 40, false}},
        {164, {"CFFull", Kind::Crossfader, 400, 60, false}},
        {165, {"CFCurve", Kind::GlobalButtons, 100, 40, false}},
        {166, {"MASTERVolume", Kind::GlobalButtons, 80, 80, false}},
        {168, {"RHYTHMDefault", Kind::Rhythm, 1000, 60, true}},
        {169, {"CLOCK", Kind::Clock, 150, 40, false}},
        {170, {"SIDEView", Kind::GlobalButtons, 300, 400, false}},
        {171, {"MASTERLevel", Kind::MasterVu, 200, 40, false}},
        {172, {"LOGO", Kind::Logo, 200, 40, false}},
        {173, {"RHYTHMMirror", Kind::Rhythm, 1000, 60, true}},
        {174, {"RHYTHMScratch", Kind::RhythmScratch, 1000, 100, true}},
        {175, {"BROWSERTabs", Kind::GlobalButtons, 600, 40, false}},
        {176, {"SEARCH", Kind::Search, 300, 40, false}},
        {177, {"SANDBOXWave", Kind::Sandbox, 1000, 80, true}},
        {178, {"RECORD", Kind::GlobalButtons, 100, 40, false}},
        {179, {"BROADCAST", Kind::GlobalButtons, 100, 40, false}},
        {180, {"SAMPLERBank", Kind::GlobalButtons, 400, 100, false}},
        {181, {"MICBasic", Kind::GlobalButtons, 200, 40, false}},
        {182, {"AUTOMIX", Kind::GlobalButtons, 200, 40, false}},
        {183, {"SETTINGSButtons", Kind::Toolbar, 200, 40, false}},
        {184, {"CPUMeter", Kind::MasterVu, 100, 40, false}},
        {185, {"MASTERHeadphone", Kind::GlobalButtons, 120, 60, false}},
        {186, {"TOOLBar", Kind::Toolbar, 300, 40, false}},
        {187, {"HEADPHONEMix", Kind::GlobalButtons, 120, 60, false}},
        {203, {"MASTERVu", Kind::MasterVu, 40, 200, false}},
        {204, {"MASTERBalance", Kind::GlobalButtons, 100, 40, false}},
        {205, {"BOOTH", Kind::GlobalButtons, 100, 60, false}},
        {206, {"CFReverse", Kind::GlobalButtons, 100, 40, false}},
        {207, {"SAMPLERStrip", Kind::GlobalButtons, 400, 40, false}},
        {212, {"SAMPLERFull", Kind::GlobalButtons, 600, 120, false}},
        {213, {"MIXERFrame", Kind::GlobalButtons, 366, 60, false}},
        {214, {"FXMaster", Kind::GlobalButtons, 300, 40, false}},
        {215, {"PLAYLIST", Kind::GlobalButtons, 300, 400, false}},
        {216, {"KEYMatch", Kind::GlobalButtons, 100, 40, false}},
        {217, {"BPMMaster", Kind::Clock, 100, 40, false}},
        {218, {"TIMECode", Kind::Clock, 200, 40, false}},
        {219, {"NOTES", Kind::Clock, 300, 200, false}},
        {220, {"VIDEOPreview", Kind::GlobalButtons, 344, 194, false}},
        {221, {"LIGHTS", Kind::GlobalButtons, 200, 40, false}},
        {222, {"SPACER", Kind::GlobalButtons, 100, 100, false}},
        {238, {"FOOTER", Kind::Footer, 1920, 30, false}},
    };
    return table;
}

Window makeWindow(int idx, const QString &prefix, const Module &m)
{
    return Window{idx, prefix + QLatin1String(m.name), QLatin1String(m.name), prefix, m.kind,
                  m.width, m.height, m.prop};
}

} // namespace

QVector<Window> tessaryWindows()
{
    QMap<int, Window> byIdx;
    byIdx.insert(1, Window{1, "MENU", "MENU", QString(), Kind::Menu, 632, 393, false});
    byIdx.insert(2, makeWindow(2, "D1_", {"DROPZONE", Kind::DropZone, 180, 98, true}));
    byIdx.insert(3, makeWindow(3, "D2_", {"DROPZONE", Kind::DropZone, 180, 98, true}));
    for (int zone = 1; zone <= 4; ++zone) {
        const QByteArray name = "ZONE" + QByteArray::number(zone);
        byIdx.insert(3 + zone, makeWindow(3 + zone, "GR_", {name.constData(), Kind::Zone, 180, 98, true}));
    }
    for (int k = 0; k < int(sizeof deckModules / sizeof deckModules[0]); ++k) {
        byIdx.insert(8 + 2 * k, makeWindow(8 + 2 * k, "D1_", deckModules[k]));
        byIdx.insert(9 + 2 * k, makeWindow(9 + 2 * k, "D2_", deckModules[k]));
    }
    byIdx.insert(167, Window{167, "BROWSER", "BROWSER", QString(), Kind::Browser, 1130, 585, true});
    for (int k = 0; k < int(sizeof mixerModules / sizeof mixerModules[0]); ++k) {
        byIdx.insert(188 + k, makeWindow(188 + k, "M1_", mixerModules[k]));
        byIdx.insert(223 + k, makeWindow(223 + k, "M2_", mixerModules[k]));
    }
    byIdx.insert(208, makeWindow(208, "D1_", {"ZONE5", Kind::Zone, 180, 98, true}));
    byIdx.insert(209, makeWindow(209, "D2_", {"ZONE5", Kind::Zone, 180, 98, true}));
    byIdx.insert(210, makeWindow(210, "D1_", {"ZONE6", Kind::Zone, 180, 98, true}));
    byIdx.insert(211, makeWindow(211, "D2_", {"ZONE6", Kind::Zone, 180, 98, true}));
    const QMap<int, Module> &globals = globalModules();
    for (auto it = globals.begin(); it != globals.end(); ++it)
        byIdx.insert(it.key(), makeWindow(it.key(), "GL_", it.value()));

    QVector<Window> windows;
    for (int idx = 1; idx <= 238; ++idx) {
        Q_ASSERT(byIdx.contains(idx));
        windows.append(byIdx.value(idx));
    }
    return windows;
}

QString deckOf(const Window &window)
{
    if (window.prefix == QLatin1String("D1_") || window.prefix == QLatin1String("M1_"))
        return QStringLiteral("left");
    if (window.prefix == QLatin1String("D2_") || window.prefix == QLatin1String("M2_"))
        return QStringLiteral("right");
    return QString();
}

} // namespace skin
