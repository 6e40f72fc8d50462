#include "skinparts.h"

namespace skin {

namespace {

// Each demo lays out the left deck (and left mixer side) on a 1920 x 1080
// screen; the right-hand twins follow from them, so the left side keeps
// clear of the screen's right half. The modules of one group form a block
// of their own, so that a cloned group keeps clear of its neighbours too.
const DemoEntry demo1[] = {
    {1, {1096, 640, 632, 393}},   // the skin's own menu
    {2, {5, 186, 771, 337}},      // left drop zone over the deck
    {4, {778, 181, 366, 348}},    // background behind the mixer
    {8, {10, 324, 200, 60}},
    {84, {214, 388, 200, 40}},
    {82, {10, 388, 200, 40}},
    {30, {726, 346, 40, 70}},
    {40, {520, 190, 200, 200}},
    {28, {726, 190, 40, 150}},
    {26, {520, 396, 100, 40}},
    {16, {10, 192, 504, 37}},
    {92, {624, 396, 100, 40}},
    {94, {520, 440, 100, 40}},
    {102, {10, 434, 200, 40}},
    {108, {214, 434, 200, 40}},
    {134, {264, 278, 100, 40}},
    {148, {432, 280, 80, 32}},
    {146, {214, 324, 200, 40}},
    {140, {160, 278, 100, 40}},
    {138, {368, 278, 60, 40}},
    {150, {420, 324, 15, 90}},
    {142, {96, 278, 60, 40}},
    {167, {320, 580, 1585, 480}},
    {168, {15, 100, 1890, 80}},
    {169, {15, 56, 150, 40}},
    {170, {15, 580, 300, 400}},
    {171, {1080, 56, 200, 40}},
    {172, {860, 56, 200, 40}},
    {176, {930, 535, 300, 40}},
    {175, {320, 535, 600, 40}},
    {207, {1290, 56, 400, 40}},
    {186, {1700, 56, 200, 27}},
    {192, {850, 186, 50, 150}},
    {200, {924, 186, 30, 200}},
    {199, {784, 370, 60, 60}},
    {104, {10, 234, 80, 80}},
    {18, {96, 234, 414, 40}},
    {154, {810, 480, 300, 40}},
    {214, {175, 56, 300, 40}},
    {198, {784, 434, 60, 30}},
    {193, {784, 186, 60, 180}},
    {194, {904, 186, 16, 150}},
    {201, {850, 340, 60, 120}},
    {208, {0, 182, 781, 345}},
    {210, {10, 189, 546, 126}},
};

const DemoEntry demo2[] = {
    {2, {8, 184, 893, 229}},
    {84, {214, 318, 200, 40}},
    {82, {10, 318, 200, 40}},
    {30, {874, 282, 24, 42}},
    {40, {690, 186, 180, 180}},
    {28, {874, 186, 24, 90}},
    {128, {418, 318, 200, 40}},
    {92, {560, 186, 100, 40}},
    {102, {482, 250, 200, 40}},
    {140, {314, 250, 100, 40}},
    {142, {418, 250, 60, 40}},
    {167, {320, 470, 1585, 590}},
    {168, {15, 100, 1890, 70}},
    {169, {15, 56, 150, 40}},
    {170, {15, 470, 300, 400}},
    {172, {860, 56, 200, 40}},
    {176, {930, 425, 300, 40}},
    {175, {320, 425, 600, 40}},
    {186, {1700, 56, 200, 27}},
    {136, {214, 362, 200, 40}},
    {14, {10, 186, 546, 60}},
    {10, {10, 250, 300, 60}},
    {116, {10, 362, 200, 50}},
    {208, {0, 174, 898, 242}},
    {210, {7, 184, 658, 130}},
};

const DemoEntry demo3[] = {
    {1, {1096, 640, 632, 393}},
    {2, {5, 150, 840, 364}},
    {4, {851, 146, 219, 368}},
    {8, {5, 262, 200, 60}},
    {84, {209, 326, 200, 40}},
    {82, {5, 326, 200, 40}},
    {40, {560, 264, 200, 200}},
    {28, {766, 264, 40, 150}},
    {128, {209, 370, 200, 40}},
    {92, {209, 262, 100, 40}},
    {102, {5, 370, 200, 40}},
    {134, {413, 326, 100, 40}},
    {148, {413, 370, 100, 40}},
    {146, {5, 414, 200, 40}},
    {140, {313, 262, 100, 40}},
    {138, {417, 262, 60, 40}},
    {150, {540, 262, 15, 90}},
    {155, {890, 323, 140, 24}},
    {130, {209, 414, 200, 40}},
    {167, {320, 570, 1585, 490}},
    {168, {15, 100, 1890, 44}},
    {169, {15, 56, 150, 40}},
    {170, {15, 570, 300, 400}},
    {171, {1080, 56, 200, 40}},
    {172, {860, 56, 200, 40}},
    {176, {930, 525, 300, 40}},
    {175, {320, 525, 600, 40}},
    {186, {1700, 56, 200, 27}},
    {192, {855, 150, 30, 150}},
    {104, {555, 152, 80, 80}},
    {18, {5, 216, 546, 40}},
    {154, {855, 488, 210, 26}},
    {156, {890, 150, 140, 88}},
    {161, {890, 381, 140, 28}},
    {162, {890, 412, 140, 28}},
    {158, {890, 350, 140, 28}},
    {160, {890, 443, 140, 42}},
    {220, {890, 241, 140, 79}},
    {14, {5, 152, 546, 60}},
    {32, {640, 152, 172, 108}},
    {208, {0, 148, 851, 368}},
};

template <size_t N>
QVector<DemoEntry> entries(const DemoEntry (&table)[N])
{
    return QVector<DemoEntry>(table, table + N);
}

} // namespace

QVector<DemoProject> demoProjects()
{
    return {
        {QStringLiteral("Demo 1"),
         QStringLiteral("$TYX_JOGFull=0=1.00000, $TYX_LOOPAutoBasic=0=2.00000, $TYX_LOOPManualBasic=0=2.00000, "
                        "$TYX_PITCHFull=0=1.00000, $TYX_PITCHBend=0=1.00000, $TYX_BPMValue=0=1.00000, "
                        "$TYX_KEYFull=0=1.00000, $TYX_CUSTOMTwo=0=1.00000, $TYX_DECKGROUP1_clone=0=1.00000, "
                        "$TYX_DECKGROUP2_clone=0=1.00000"),
         entries(demo1)},
        {QStringLiteral("Demo 2"), QString(), entries(demo2)},
        {QStringLiteral("Demo 3"), QString(), entries(demo3)},
    };
}

QByteArray projectFileText(const DemoProject &demo)
{
    QStringList lines;
    lines << QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")
          << QStringLiteral("<project name=\"%1\">").arg(demo.name)
          << QStringLiteral("\t<screenwidth>1920</screenwidth>")
          << QStringLiteral("\t<screenheight>1080</screenheight>")
          << QStringLiteral("\t<QRNScriptGlobalVariables>%1</QRNScriptGlobalVariables>").arg(demo.variables)
          << QStringLiteral("\t<skinWindows>")
          << QStringLiteral("\t\t<window name=\"Tessary:skin\">");
    for (const DemoEntry &entry : demo.entries) {
        lines << QStringLiteral("\t\t\t<idx%1 visible=\"yes\" x=\"%2\" y=\"%3\" width=\"%4\" height=\"%5\"/>")
                     .arg(entry.idx).arg(entry.place.x()).arg(entry.place.y())
                     .arg(entry.place.width()).arg(entry.place.height());
    }
    lines << QStringLiteral("\t\t</window>") << QStringLiteral("\t</skinWindows>") << QStringLiteral("</project>");
    return lines.join(QLatin1String("\r\n")).toLatin1();
}

} // namespace skin
