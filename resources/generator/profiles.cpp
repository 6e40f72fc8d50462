// The three built-in colour profiles: default, dark and white.
#include <QDir>
#include <QSaveFile>

#include "generator.h"

namespace {

// One row per key in profile order: the colour of each built-in profile.
// White leaves the mixer and video faders unset (nullptr); none of the three
// sets the button on-border colours, which stay as the user picks them.
// The default keeps the upper-case digits it has always shipped with.
struct ProfileRow
{
    const char *key;
    const char *defaultColour;
    const char *darkColour;
    const char *whiteColour;
};

const ProfileRow profileRows[] = {
    {"backcolor",              "#202020", "#151515", "#dadada"},
    {"topbar",                 "#303030", "#2d2d2d", "#c2c2c2"},
    {"draw1back",              "#202020", "#151515", "#dadada"},
    {"draw2back",              "#202020", "#151515", "#dadada"},
    {"draw3back",              "#202020", "#151515", "#dadada"},
    {"draw4back",              "#202020", "#151515", "#dadada"},
    {"d1_draw5back",           "#202020", "#151515", "#dadada"},
    {"d1_draw6back",           "#202020", "#151515", "#dadada"},
    {"d2_draw5back",           "#202020", "#151515", "#dadada"},
    {"d2_draw6back",           "#202020", "#151515", "#dadada"},
    {"drawborder",             "#000000", "#000000", "#8c8c8c"},
    {"d1_buttonoff1",          "#535353", "#3a3a3a", "#f2f2f2"},
    {"d1_buttonoff2",          "#191919", "#121212", "#c9c9c9"},
    {"d1_buttonoffborder",     "#000000", "#000000", "#8c8c8c"},
    {"d1_buttonon1",           "#0089ea", "#006bb3", "#0062a3"},
    {"d1_buttonon2",           "#002958", "#006bb3", "#0062a3"},
    {"d1_buttonover1",         "#426675", "#304954", "#96b0bb"},
    {"d1_buttonover2",         "#0a232e", "#071921", "#7d9aa6"},
    {"d1_buttonoverborder",    "#000000", "#000000", "#8c8c8c"},
    {"d2_buttonoff1",          "#535353", "#3a3a3a", "#f2f2f2"},
    {"d2_buttonoff2",          "#191919", "#121212", "#c9c9c9"},
    {"d2_buttonoffborder",     "#000000", "#000000", "#8c8c8c"},
    {"d2_buttonon1",           "#de0000", "#b30002", "#930000"},
    {"d2_buttonon2",           "#540000", "#b30002", "#930000"},
    {"d2_buttonover1",         "#754242", "#543030", "#bb9696"},
    {"d2_buttonover2",         "#3d1010", "#2c0c0c", "#a06e6e"},
    {"d2_buttonoverborder",    "#000000", "#000000", "#8c8c8c"},
    {"d1_buttontextoff",       "#a4a4a4", "#8c8c8c", "#3c3c3c"},
    {"d1_buttontextover",      "#bbbbbb", "#a8a8a8", "#000000"},
    {"d1_buttontexton",        "#ffffff", "#ffffff", "#ffffff"},
    {"d2_buttontextoff",       "#a4a4a4", "#8c8c8c", "#3c3c3c"},
    {"d2_buttontextover",      "#bbbbbb", "#a8a8a8", "#000000"},
    {"d2_buttontexton",        "#ffffff", "#ffffff", "#ffffff"},
    {"masterbuttonoff1",       "#535353", "#3a3a3a", "#f2f2f2"},
    {"masterbuttonoff2",       "#191919", "#121212", "#c9c9c9"},
    {"masterbuttonoffborder",  "#000000", "#000000", "#8c8c8c"},
    {"masterbuttonon1",        "#ffbf00", "#ffbf00", "#272727"},
    {"masterbuttonon2",        "#4a3b00", "#ffbf00", "#272727"},
    {"masterbuttonover1",      "#7a5c00", "#584200", "#c3ae6b"},
    {"masterbuttonover2",      "#261f01", "#1b1601", "#7a7044"},
    {"masterbuttonoverborder", "#000000", "#000000", "#8c8c8c"},
    {"masterbuttontextoff",    "#a4a4a4", "#8c8c8c", "#3c3c3c"},
    {"masterbuttontextover",   "#bbbbbb", "#a8a8a8", "#000000"},
    {"masterbuttontexton",     "#ffffff", "#ffffff", "#ffffff"},
    {"d1_knobin1",             "#424242", "#2e2e2e", "#f2f2f2"},
    {"d1_knobin2",             "#232323", "#181818", "#c9c9c9"},
    {"d2_knobin1",             "#424242", "#2e2e2e", "#f2f2f2"},
    {"d2_knobin2",             "#232323", "#181818", "#c9c9c9"},
    {"d1_knobborder",          "#000000", "#000000", "#7a7a7a"},
    {"d2_knobborder",          "#000000", "#000000", "#7a7a7a"},
    {"d1_knobringoff",         "#000000", "#000000", "#b4b4b4"},
    {"d2_knobringoff",         "#000000", "#000000", "#b4b4b4"},
    {"d1_knobringon",          "#4a8ac9", "#356391", "#386897"},
    {"d2_knobringon",          "#d93636", "#9c2727", "#a32929"},
    {"d1_knobfader",           "#aaaaaa", "#8f8f8f", "#3c3c3c"},
    {"d2_knobfader",           "#aaaaaa", "#8f8f8f", "#3c3c3c"},
    {"d1_knobtext",            "#a4a4a4", "#8c8c8c", "#000000"},
    {"d2_knobtext",            "#a4a4a4", "#8c8c8c", "#000000"},
    {"knobmasterin1",          "#424242", "#2e2e2e", "#f2f2f2"},
    {"knobmasterin2",          "#232323", "#181818", "#c9c9c9"},
    {"knobmasterinborder",     "#000000", "#000000", "#7a7a7a"},
    {"knobmasterfader",        "#aaaaaa", "#8f8f8f", "#3c3c3c"},
    {"knobmasterringoff",      "#000000", "#000000", "#b4b4b4"},
    {"knobmasterringon",       "#CF9C02", "#957001", "#9b7501"},
    {"knobmastertext",         "#a4a4a4", "#8c8c8c", "#000000"},
    {"knobvideoin1",           "#424242", "#2e2e2e", "#f2f2f2"},
    {"knobvideoin2",           "#232323", "#181818", "#c9c9c9"},
    {"knobvideoinborder",      "#000000", "#000000", "#7a7a7a"},
    {"knobvideofader",         "#aaaaaa", "#8f8f8f", "#3c3c3c"},
    {"knobvideoringoff",       "#000000", "#000000", "#b4b4b4"},
    {"knobvideoringon",        "#04e01a", "#03a113", "#03a814"},
    {"knobvideotext",          "#a4a4a4", "#8c8c8c", "#000000"},
    {"d1_faderinoff",          "#000000", "#000000", "#b4b4b4"},
    {"d1_faderinon",           "#4a8ac9", "#356391", "#386897"},
    {"d1_faderborder",         "#303030", "#2d2d2d", "#a0a0a0"},
    {"d1_faderfader1",         "#292929", "#1f1f1f", "#f2f2f2"},
    {"d1_faderfader2",         "#151515", "#0e0e0e", "#c4c4c4"},
    {"d1_faderfaderborder",    "#000000", "#000000", "#5a5a5a"},
    {"faderlines",             "#696969", "#4a4a4a", "#7a7a7a"},
    {"d2_faderinoff",          "#000000", "#000000", "#b4b4b4"},
    {"d2_faderinon",           "#d93636", "#9c2727", "#a32929"},
    {"d2_faderborder",         "#303030", "#2d2d2d", "#a0a0a0"},
    {"d2_faderfader1",         "#292929", "#1f1f1f", "#f2f2f2"},
    {"d2_faderfader2",         "#151515", "#0e0e0e", "#c4c4c4"},
    {"d2_faderfaderborder",    "#000000", "#000000", "#5a5a5a"},
    {"masterfaderlines",       "#696969", "#4a4a4a", nullptr},
    {"masterfaderborder",      "#303030", "#2d2d2d", nullptr},
    {"masterfaderinoff",       "#4A8AC9", "#356391", nullptr},
    {"masterfaderinon",        "#D93636", "#9c2727", nullptr},
    {"masterfaderfader2",      "#151515", "#0e0e0e", nullptr},
    {"masterfaderfader1",      "#292929", "#1f1f1f", nullptr},
    {"masterfaderfaderborder", "#000000", "#000000", nullptr},
    {"videofaderlines",        "#696969", "#4a4a4a", nullptr},
    {"videofaderborder",       "#303030", "#2d2d2d", nullptr},
    {"videofaderinoff",        "#4A8AC9", "#356391", nullptr},
    {"videofaderinon",         "#D93636", "#9c2727", nullptr},
    {"videofaderfader2",       "#151515", "#0e0e0e", nullptr},
    {"videofaderfader1",       "#292929", "#1f1f1f", nullptr},
    {"videofaderfaderborder",  "#04E01A", "#03a113", nullptr},
    {"d1_jogfill",             "#1f1f1f", "#161616", "#e6e6e6"},
    {"d1_jogborder",           "#000000", "#000000", "#8c8c8c"},
    {"d1_joginner",            "#ff0000", "#b30002", "#930000"},
    {"d1_joginnerborder",      "#000000", "#000000", "#8c8c8c"},
    {"d1_jogringoff",          "#404040", "#2d2d2d", "#b4b4b4"},
    {"d1_jogringon",           "#4a8ac9", "#356391", "#386897"},
    {"d1_jogneedle",           "#4a8ac9", "#356391", "#386897"},
    {"d2_jogfill",             "#1f1f1f", "#161616", "#e6e6e6"},
    {"d2_jogborder",           "#000000", "#000000", "#8c8c8c"},
    {"d2_joginner",            "#ff0000", "#b30002", "#930000"},
    {"d2_joginnerborder",      "#000000", "#000000", "#8c8c8c"},
    {"d2_jogringoff",          "#404040", "#2d2d2d", "#b4b4b4"},
    {"d2_jogringon",           "#d93636", "#9c2727", "#a32929"},
    {"d2_jogneedle",           "#d93636", "#9c2727", "#a32929"},
    {"d1_dspoff1",             "#191919", "#121212", "#f2f2f2"},
    {"d1_dspoff2",             "#191919", "#121212", "#c9c9c9"},
    {"d1_dspover1",            "#0a232e", "#071921", "#b7cdd6"},
    {"d1_dspover2",            "#0a232e", "#071921", "#b7cdd6"},
    {"d1_dspon1",              "#0263a8", "#014779", "#7fb2d9"},
    {"d1_dspon2",              "#0263a8", "#014779", "#7fb2d9"},
    {"d1_dspoffborder",        "#000000", "#000000", "#8c8c8c"},
    {"d1_dspoverborder",       "#303030", "#2d2d2d", "#8c8c8c"},
    {"d1_dsponborder",         "#303030", "#2d2d2d", "#8c8c8c"},
    {"d1_dsptextoff",          "#a4a4a4", "#8c8c8c", "#3c3c3c"},
    {"d1_dsptextover",         "#bbbbbb", "#a8a8a8", "#000000"},
    {"d1_dsptexton",           "#ffffff", "#ffffff", "#000000"},
    {"d2_dspoff1",             "#191919", "#121212", "#f2f2f2"},
    {"d2_dspoff2",             "#191919", "#121212", "#c9c9c9"},
    {"d2_dspover1",            "#3d1010", "#2c0c0c", "#dcb4b4"},
    {"d2_dspover2",            "#3d1010", "#2c0c0c", "#dcb4b4"},
    {"d2_dspon1",              "#800000", "#5c0000", "#d98c8c"},
    {"d2_dspon2",              "#800000", "#5c0000", "#d98c8c"},
    {"d2_dspoffborder",        "#000000", "#000000", "#8c8c8c"},
    {"d2_dspoverborder",       "#303030", "#2d2d2d", "#8c8c8c"},
    {"d2_dsponborder",         "#303030", "#2d2d2d", "#8c8c8c"},
    {"d2_dsptextoff",          "#a4a4a4", "#8c8c8c", "#3c3c3c"},
    {"d2_dsptextover",         "#bbbbbb", "#a8a8a8", "#000000"},
    {"d2_dsptexton",           "#ffffff", "#ffffff", "#000000"},
    {"dspmasteroff1",          "#191919", "#121212", "#f2f2f2"},
    {"dspmasteroff2",          "#191919", "#121212", "#c9c9c9"},
    {"dspmasterover1",         "#594300", "#403000", "#ecdcaa"},
    {"dspmasterover2",         "#594300", "#403000", "#ecdcaa"},
    {"dspmasteron1",           "#9C7603", "#705502", "#e6c36a"},
    {"dspmasteron2",           "#9C7603", "#705502", "#e6c36a"},
    {"dspmasteroffborder",     "#000000", "#000000", "#8c8c8c"},
    {"dspmasteroverborder",    "#000000", "#000000", "#8c8c8c"},
    {"dspmasteronborder",      "#000000", "#000000", "#8c8c8c"},
    {"dspmastertextoff",       "#a4a4a4", "#8c8c8c", "#3c3c3c"},
    {"dspmastertextover",      "#bbbbbb", "#a8a8a8", "#000000"},
    {"dspmastertexton",        "#ffffff", "#ffffff", "#000000"},
    {"dspvideooff1",           "#191919", "#121212", "#f2f2f2"},
    {"dspvideooff2",           "#191919", "#121212", "#c9c9c9"},
    {"dspvideoover1",          "#054d00", "#043700", "#b9e6b4"},
    {"dspvideoover2",          "#054d00", "#043700", "#b9e6b4"},
    {"dspvideoon1",            "#0da302", "#097501", "#86d17f"},
    {"dspvideoon2",            "#0da302", "#097501", "#86d17f"},
    {"dspvideooffborder",      "#000000", "#000000", "#8c8c8c"},
    {"dspvideooverborder",     "#404040", "#2d2d2d", "#8c8c8c"},
    {"dspvideoonborder",       "#404040", "#2d2d2d", "#8c8c8c"},
    {"dspvideotextoff",        "#a4a4a4", "#8c8c8c", "#3c3c3c"},
    {"dspvideotextover",       "#bbbbbb", "#a8a8a8", "#000000"},
    {"dspvideotexton",         "#ffffff", "#ffffff", "#000000"},
    {"d1_textback",            "#000000", "#000000", "#ececec"},
    {"d1_textcolor",           "#509bd4", "#0080d6", "#2f5d7e"},
    {"d1_textdark",            "#808080", "#666666", "#5a5a5a"},
    {"d1_textbright",          "#e1e1e1", "#c8c8c8", "#000000"},
    {"d2_textback",            "#000000", "#000000", "#ececec"},
    {"d2_textcolor",           "#d93636", "#d60003", "#7e2f2f"},
    {"d2_textdark",            "#808080", "#666666", "#5a5a5a"},
    {"d2_textbright",          "#e1e1e1", "#c8c8c8", "#000000"},
    {"d1_silkscreen",          "#808080", "#666666", "#6e6e6e"},
    {"d2_silkscreen",          "#808080", "#666666", "#6e6e6e"},
    {"textmasterborder",       "#303030", "#2d2d2d", "#a0a0a0"},
    {"textmasteroff",          "#000000", "#000000", "#ececec"},
    {"textmastertext",         "#aaaaaa", "#8f8f8f", "#000000"},
    {"d1_vuledback",           "#000000", "#000000", "#c8c8c8"},
    {"d1_vuledoff",            "#202020", "#151515", "#b0b0b0"},
    {"d1_vuledon",             "#00ff00", "#009500", "#187c18"},
    {"d1_vuledpeak",           "#ff0000", "#b30002", "#c00000"},
    {"d2_vuledback",           "#000000", "#000000", "#c8c8c8"},
    {"d2_vuledoff",            "#202020", "#151515", "#b0b0b0"},
    {"d2_vuledon",             "#00ff00", "#009500", "#187c18"},
    {"d2_vuledpeak",           "#ff0000", "#b30002", "#c00000"},
    {"mastervuledback",        "#000000", "#000000", "#c8c8c8"},
    {"mastervuledoff",         "#202020", "#151515", "#b0b0b0"},
    {"mastervuledon",          "#00ff00", "#009500", "#187c18"},
    {"mastervuledpeak",        "#ff0000", "#b30002", "#c00000"},
    {"d1_colorHigh",           "#2c6dac", "#204e7c", "#215281"},
    {"d1_colorMed",            "#5993ce", "#406a94", "#436e9b"},
    {"d1_colorBass",           "#699ed2", "#4c7297", "#4f769e"},
    {"d1_colorPlayed",         "#000000", "#000000", "#ffffff"},
    {"d1_songposback",         "#000000", "#000000", "#ececec"},
    {"d1_songposborder",       "#303030", "#2d2d2d", "#a0a0a0"},
    {"d2_colorHigh",           "#7a0005", "#580004", "#5c0004"},
    {"d2_colorMed",            "#e4000d", "#a40009", "#ab000a"},
    {"d2_colorBass",           "#db4042", "#9e2e30", "#a43032"},
    {"d2_colorPlayed",         "#000000", "#000000", "#ffffff"},
    {"d2_songposback",         "#000000", "#000000", "#ececec"},
    {"d2_songposborder",       "#303030", "#2d2d2d", "#a0a0a0"},
    {"waveback",               "#000000", "#000000", "#ececec"},
    {"waveborder",             "#555555", "#3c3c3c", "#8c8c8c"},
    {"waveneedle",             "#ffffff", "#ffffff", "#000000"},
    {"systemiconoff",          "#a4a4a4", "#8c8c8c", "#3c3c3c"},
    {"systemiconover",         "#ffffff", "#ffffff", "#000000"},
    {"systemiconon",           "#ffffff", "#ffffff", "#000000"},
    {"systemoff",              "#303030", "#2d2d2d", "#cfcfcf"},
    {"systemoffborder",        "#303030", "#2d2d2d", "#a0a0a0"},
    {"systemover",             "#505050", "#3c3c3c", "#e6e6e6"},
    {"systemoverborder",       "#303030", "#2d2d2d", "#a0a0a0"},
    {"systemon",               "#505050", "#3c3c3c", "#f2f2f2"},
    {"systemonborder",         "#303030", "#2d2d2d", "#a0a0a0"},
};

enum class Profile { Default, Dark, White };

const char *colourOf(const ProfileRow &row, Profile profile)
{
    switch (profile) {
    case Profile::Default:
        return row.defaultColour;
    case Profile::Dark:
        return row.darkColour;
    case Profile::White:
        return row.whiteColour;
    }
    return nullptr;
}

// ASCII lines "key,#rrggbb", each ending in CR LF, as the host platform's
// text files do.
QByteArray profileText(Profile profile)
{
    QByteArray text;
    for (const ProfileRow &row : profileRows) {
        const char *colour = colourOf(row, profile);
        if (!colour)
            continue;
        text += row.key;
        text += ',';
        text += colour;
        text += "\r\n";
    }
    return text;
}

bool writeProfile(const QString &path, Profile profile)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(profileText(profile));
    return file.commit();
}

} // namespace

bool writeProfileResources(const QString &out)
{
    const QDir dir(out);
    bool ok = writeProfile(dir.filePath(QStringLiteral("default.tycp")), Profile::Default);
    ok &= writeProfile(dir.filePath(QStringLiteral("dark.tycp")), Profile::Dark);
    ok &= writeProfile(dir.filePath(QStringLiteral("white.tycp")), Profile::White);
    return ok;
}
