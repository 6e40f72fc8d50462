// Module placement: the factors and offsets of each module, right-hand
// modules placed from their twins (mirror or clone per group), the
// preparation of the windows table, and the module pass over a pruned skin.
#include <QtTest>

#include "writerrig.h"
#include "support/testsupport.h"
#include "writer/moduleplacement.h"

namespace {

using Row = QVector<QString>;

// A windows row: name, Tessary size, prop, host place and size, visible.
Row windowrow(const QString &name, int x, int y, int width, int height, bool visible = true,
              const QString &tessarywidth = "100", const QString &tessaryheight = "50",
              const QString &prop = "0")
{
    return {name, "", "0", "0", tessarywidth, tessaryheight, prop, QString::number(x),
            QString::number(y), QString::number(width), QString::number(height),
            visible ? "1" : "0"};
}

// One call of a writer that the dispatcher made, with what it was given.
struct Call
{
    QString module;     // the logo's name attribute: which module it is in
    float resizeX;
    float resizeY;
    int groupXpos;
    int groupYpos;
};

struct PlacementRig : WriterRig
{
    QTemporaryDir folder;
    QVector<Call> calls;

    PlacementRig()
    {
        model.workdir = folder.path();
        QDir(folder.path()).mkpath("toexport");
        QDir(folder.path()).mkpath("skin");
    }

    // Records the placement that every logo is written with, in place of
    // writing it.
    void recordlogos()
    {
        for (DispatchRow &row : writer.dispatch) {
            if (row.tag != "logo")
                continue;
            row.placed = [this](SkinWriter &, QDomNode node, int, float rx, float ry, int gx, int gy) {
                calls.append({node.toElement().attribute("name"), rx, ry, gx, gy});
            };
        }
    }

    // A pruned skin of one groupo per name, each a live panel with a logo
    // named after its module.
    void writepruned(const QStringList &modules)
    {
        QString xml = "<skin>";
        for (const QString &name : modules)
            xml += QString("<groupo name=\"%1\"><panel><logo name=\"%1\" x=\"0\" y=\"0\"/></panel></groupo>").arg(name);
        xml += "</skin>";
        QVERIFY(testsupport::writeFile(writer.prunedpath(), xml.toUtf8()));
    }

    // Runs the module pass over the pruned skin.
    void placeall()
    {
        QDomDocument pruned;
        QFile file(writer.prunedpath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(pruned.setContent(&file));
        const QDomNodeList modules = pruned.elementsByTagName("groupo");
        for (int i = 0; i < modules.count(); ++i)
            writer.placemodule(modules.item(i).toElement(), writer.skinscale());
    }

    const Call *callfor(const QString &module) const
    {
        for (const Call &call : calls) {
            if (call.module == module)
                return &call;
        }
        return nullptr;
    }
};

} // namespace

class TestPlacement : public QObject
{
    Q_OBJECT
private slots:
    void twinhostx_data();
    void twinhostx();
    void moduleplace_data();
    void moduleplace();
    void preparation_data();
    void preparation();
    void twinsthroughthewriter_data();
    void twinsthroughthewriter();
    void missingrows();
    void twinofmixedname();
    void modulelines();
    void progressQuotesAFewDozenCharactersOfAName();
    void zonemodules();
    void wholejob();
};

void TestPlacement::twinhostx_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("twinx");
    QTest::addColumn<int>("twinwidth");
    QTest::addColumn<bool>("defaultgroup");
    QTest::addColumn<bool>("sideclone");
    QTest::addColumn<bool>("groupclone");
    QTest::addColumn<int>("expected");

    // The default group: the whole side mirrored or moved by half a screen.
    QTest::newRow("default mirrored") << 1920 << 8 << 770 << true << false << false << 1142;
    QTest::newRow("default cloned") << 1920 << 8 << 770 << true << true << false << 968;
    QTest::newRow("default cloned, odd screen") << 1365 << 100 << 200 << true << true << false << 783;
    QTest::newRow("default cloned, even screen") << 1366 << 100 << 200 << true << true << false << 783;
    QTest::newRow("default ignores the group's choice") << 1920 << 8 << 770 << true << false << true << 1142;
    // Group 1 spans 100 to 400; its twin stands at 150, 100 wide.
    QTest::newRow("side mirrored, group cloned") << 1920 << 150 << 100 << false << false << true << 1570;
    QTest::newRow("side mirrored, group mirrored") << 1920 << 150 << 100 << false << false << false << 1670;
    QTest::newRow("side cloned, group cloned") << 1920 << 150 << 100 << false << true << true << 1110;
    QTest::newRow("side cloned, group mirrored") << 1920 << 150 << 100 << false << true << false << 1210;
}

void TestPlacement::twinhostx()
{
    QFETCH(int, screen);
    QFETCH(int, twinx);
    QFETCH(int, twinwidth);
    QFETCH(bool, defaultgroup);
    QFETCH(bool, sideclone);
    QFETCH(bool, groupclone);
    QFETCH(int, expected);

    // The side's own extent must not matter: only the block's does.
    for (const QPair<int, int> &side : {qMakePair(8, 792), qMakePair(100, 300), qMakePair(0, 1500)}) {
        const TwinPlacement placement{screen, twinx, twinwidth, defaultgroup, sideclone, groupclone,
                                      side.first, side.second, 100, 300};
        QCOMPARE(::twinhostx(placement), expected);
    }
}

void TestPlacement::moduleplace_data()
{
    QTest::addColumn<Row>("row");
    QTest::addColumn<float>("skinscale");
    QTest::addColumn<float>("resizeX");
    QTest::addColumn<float>("resizeY");
    QTest::addColumn<int>("groupXpos");
    QTest::addColumn<int>("groupYpos");

    const float scale = 2560.0f / 1920.0f;
    QTest::newRow("own vertical factor") << windowrow("D1_A", 10, 20, 300, 50, true, "200", "100", "1")
                                         << 1.0f << 1.5f << 0.5f << 10 << 20;
    QTest::newRow("vertical follows horizontal") << windowrow("D1_A", 10, 20, 300, 50, true, "200", "100", "0")
                                                 << 1.0f << 1.5f << 1.5f << 10 << 20;
    QTest::newRow("larger desktop") << windowrow("D1_A", 1096, 300, 300, 100, true, "300", "100", "1")
                                    << scale << scale << scale << 1461 << 400;
    QTest::newRow("right-hand x") << windowrow("D2_A", 1142, 0, 300, 100, true, "300", "100")
                                  << scale << scale << scale << 1523 << 0;
    QTest::newRow("words read as 0") << Row{"X", "", "", "", "100", "50", "1", "left", "top", "wide", "tall", "1"}
                                     << 1.0f << 0.0f << 0.0f << 0 << 0;
    // Nothing can be divided by a Tessary size of 0: that axis keeps the
    // skin scale, and the other still follows the host.
    QTest::newRow("Tessary width 0") << windowrow("D1_A", 10, 20, 300, 50, true, "0", "100", "1")
                                     << 2.0f << 2.0f << 1.0f << 20 << 40;
    QTest::newRow("Tessary height 0") << windowrow("D1_A", 10, 20, 300, 50, true, "150", "0", "1")
                                      << 1.0f << 2.0f << 1.0f << 10 << 20;
    QTest::newRow("Tessary size not a number") << windowrow("D1_A", 10, 20, 300, 50, true, "wide", "tall", "1")
                                               << 1.0f << 1.0f << 1.0f << 10 << 20;
    QTest::newRow("short row") << Row{"X"} << 1.0f << 1.0f << 1.0f << 0 << 0;
}

void TestPlacement::moduleplace()
{
    QFETCH(Row, row);
    QFETCH(float, skinscale);
    QFETCH(float, resizeX);
    QFETCH(float, resizeY);
    QFETCH(int, groupXpos);
    QFETCH(int, groupYpos);

    const ModulePlace place = ::moduleplace(row, skinscale);
    QCOMPARE(place.resizeX, resizeX);
    QCOMPARE(place.resizeY, resizeY);
    QCOMPARE(place.groupXpos, groupXpos);
    QCOMPARE(place.groupYpos, groupYpos);
}

void TestPlacement::preparation_data()
{
    QTest::addColumn<TextTable>("before");
    QTest::addColumn<TextTable>("after");

    const Row twin = windowrow("D1_JOG", 8, 30, 770, 200, true, "100", "50", "1");
    const Row right = windowrow("D2_JOG", 999, 999, 11, 11, false);
    QTest::newRow("deck twin shown")
        << TextTable{twin, right}
        << TextTable{twin, {"D2_JOG", "", "0", "0", "100", "50", "1", "0", "30", "770", "200", "1"}};
    QTest::newRow("twin hidden: right-hand row as recorded")
        << TextTable{windowrow("D1_JOG", 8, 30, 770, 200, false), right}
        << TextTable{windowrow("D1_JOG", 8, 30, 770, 200, false), right};
    QTest::newRow("no twin row") << TextTable{right} << TextTable{right};
    QTest::newRow("mixer twin, short right-hand row padded")
        << TextTable{{"M2_EQ", "", "0", "0", "80"}, windowrow("M1_EQ", 5, 6, 7, 8)}
        << TextTable{{"M2_EQ", "", "0", "0", "80", "", "0", "0", "6", "7", "8", "1"}, windowrow("M1_EQ", 5, 6, 7, 8)};
    QTest::newRow("left-hand and other rows untouched")
        << TextTable{windowrow("D1_A", 1, 2, 3, 4), windowrow("GR_ZONE1", 1, 2, 3, 4), Row{}, Row{"MENU"}}
        << TextTable{windowrow("D1_A", 1, 2, 3, 4), windowrow("GR_ZONE1", 1, 2, 3, 4), Row{}, Row{"MENU"}};
}

void TestPlacement::preparation()
{
    QFETCH(TextTable, before);
    QFETCH(TextTable, after);

    PlacementRig rig;
    rig.model.windows = before;
    rig.writer.createpng();
    QCOMPARE(rig.model.windows, after);
}

void TestPlacement::twinsthroughthewriter_data()
{
    QTest::addColumn<QString>("module");
    QTest::addColumn<QString>("sideclone");    // the default group's clone variable
    QTest::addColumn<QString>("groupclone");   // group 1's clone variable
    QTest::addColumn<int>("expected");

    QTest::newRow("deck default, no variable: mirrored") << "D2_FREE" << "" << "" << 1920 - 8 - 50;
    QTest::newRow("deck default, variable not 1: mirrored") << "D2_FREE" << "0" << "1" << 1920 - 8 - 50;
    QTest::newRow("deck default cloned") << "D2_FREE" << "1" << "" << 8 + 960;
    QTest::newRow("deck group: side mirrored, group cloned") << "D2_T" << "" << "1" << 1570;
    QTest::newRow("deck group: side mirrored, group mirrored") << "D2_T" << "" << "0" << 1670;
    QTest::newRow("deck group: side cloned, group cloned") << "D2_T" << "1" << "1" << 1110;
    QTest::newRow("deck group: side cloned, group mirrored") << "D2_T" << "1" << "" << 1210;
    QTest::newRow("mixer default mirrored") << "M2_EQ" << "" << "" << 1142;
}

void TestPlacement::twinsthroughthewriter()
{
    QFETCH(QString, module);
    QFETCH(QString, sideclone);
    QFETCH(QString, groupclone);
    QFETCH(int, expected);

    PlacementRig rig;
    rig.recordlogos();
    rig.model.windows = {
        windowrow("D1_FREE", 8, 40, 50, 60),
        windowrow("D1_BLOCK", 100, 40, 300, 60),
        windowrow("D1_T", 150, 40, 100, 60),
        windowrow("M1_EQ", 8, 70, 770, 80),
        windowrow("D2_FREE", 0, 0, 0, 0, false),
        windowrow("D2_T", 0, 0, 0, 0, false),
        windowrow("M2_EQ", 0, 0, 0, 0, false),
    };
    rig.model.groupvars = {{"FREE", "0"}, {"BLOCK", "1"}, {"T", "1"}};
    // Deck and mixer keep separate variables: the mixer's say nothing here.
    rig.model.clonevars = {{"MIXERGROUP0", "1"}};
    if (!sideclone.isEmpty())
        rig.model.clonevars.append({"DECKGROUP0", sideclone});
    if (!groupclone.isEmpty())
        rig.model.clonevars.append({"DECKGROUP1", groupclone});
    if (module.startsWith("M2_"))
        rig.model.clonevars = {};
    const TextTable prepared = [&] { rig.writer.createpng(); return rig.model.windows; }();
    rig.writepruned({"D1_FREE", "D1_BLOCK", "D1_T", "M1_EQ", module});
    rig.placeall();

    const Call *call = rig.callfor(module);
    QVERIFY(call);
    QCOMPARE(call->groupXpos, expected);
    QCOMPARE(call->groupYpos, module.startsWith("M2_") ? 70 : 40);
    QCOMPARE(call->resizeX, module == "D2_FREE" ? 0.5f : module == "D2_T" ? 1.0f : 7.7f);
    // The module pass works on copies: the table stays as prepared.
    QCOMPARE(rig.model.windows, prepared);
}

void TestPlacement::missingrows()
{
    PlacementRig rig;
    rig.recordlogos();
    rig.model.windows = {
        windowrow("D2_ORPHAN", 500, 10, 100, 50),              // no twin row: its own place
        windowrow("D1_FLAT", 10, 10, 100, 50, true, "0", "0", "1"), // no Tessary size
    };
    rig.writepruned({"NOWHERE", "D2_ORPHAN", "D1_FLAT"});
    rig.placeall();

    // A module that no row places is left out; the others are written.
    QVERIFY(!rig.text().contains("NOWHERE"));
    QVERIFY(!rig.callfor("NOWHERE"));
    const Call *orphan = rig.callfor("D2_ORPHAN");
    QVERIFY(orphan);
    QCOMPARE(orphan->groupXpos, 500);
    QCOMPARE(orphan->resizeX, 1.0f);
    const Call *flat = rig.callfor("D1_FLAT");
    QVERIFY(flat);
    QCOMPARE(flat->resizeX, 1.0f);
    QCOMPARE(flat->resizeY, 1.0f);
    QVERIFY(rig.text().contains("<group name=\"D1_FLAT\">"));
}

void TestPlacement::twinofmixedname()
{
    // A mixer module whose name also holds a deck prefix takes its place
    // from the twin with only its own side prefix swapped.
    PlacementRig rig;
    rig.recordlogos();
    rig.model.windows = {
        windowrow("M1_D2_X", 8, 40, 50, 60),
        windowrow("M1_D1_X", 300, 40, 100, 60),
        windowrow("M2_D2_X", 0, 0, 0, 0),
    };
    rig.writepruned({"M2_D2_X"});
    rig.placeall();
    const Call *call = rig.callfor("M2_D2_X");
    QVERIFY(call);
    QCOMPARE(call->groupXpos, 1920 - 8 - 50);
}

void TestPlacement::modulelines()
{
    PlacementRig rig;
    rig.model.windows = {windowrow("D1_A", 10, 20, 100, 50), windowrow("D1_B", 0, 0, 100, 50),
                         windowrow("D1_C", 0, 0, 100, 50)};
    QVERIFY(testsupport::writeFile(rig.writer.prunedpath(),
        "<skin>"
        "<groupo name=\"D1_A\"><panel><logo x=\"1\" y=\"2\" width=\"30\" height=\"40\"/></panel></groupo>"
        "<groupo name=\"D1_B\"><!-- no panel first --><panel><logo/></panel></groupo>"
        "<groupo name=\"D1_C\"><deck><logo/></deck></groupo>"
        "</skin>"));
    rig.placeall();
    QCOMPARE(rig.text(),
             QString("\t<group name=\"D1_A\">\n"
                     "\t\t<logo x=\"11\" y=\"22\" width=\"30\" height=\"40\"/>\n"
                     "\t</group>\n"
                     "\n"
                     "\t<group name=\"D1_B\">\n"
                     "\t</group>\n"
                     "\n"
                     "\t<group name=\"D1_C\">\n"
                     "\t</group>\n"
                     "\n"));
    QVERIFY(rig.progresstexts.contains("Processing Module XML element D1_A"));
    QVERIFY(rig.progresstexts.contains("Processing Module XML element D1_C"));
}

// A module's name comes from the skin's file: a name of millions of letters
// shown whole would freeze the window.
void TestPlacement::progressQuotesAFewDozenCharactersOfAName()
{
    PlacementRig rig;
    const QString name = "D1_" + QString(4000000, 'A');
    rig.model.windows = {windowrow(name, 10, 20, 100, 50)};
    QVERIFY(testsupport::writeFile(rig.writer.prunedpath(),
                                   "<skin><groupo name=\"" + name.toUtf8() + "\"><panel/></groupo></skin>"));
    rig.placeall();
    QCOMPARE(rig.progresstexts.filter("Module"),
             QStringList("Processing Module XML element D1_" + QString(37, 'A') + QChar(0x2026)));
}

void TestPlacement::zonemodules()
{
    PlacementRig rig;
    rig.colours.skinback = QColor("#101010");
    rig.colours.zoneback = QColor("#20a040");
    rig.colours.zone6back = QColor("#c03030");
    rig.colours.zoneborder = QColor("#ffffff");
    rig.model.windows = {windowrow("GR_ZONE1", 100, 200, 360, 196, true, "180", "98"),
                         windowrow("D1_ZONE5", 200, 600, 180, 98, true, "180", "98"),
                         windowrow("D2_ZONE5", 0, 0, 0, 0, false, "180", "98")};
    rig.model.groupvars = {{"ZONE5", "0"}};
    rig.writer.createpng();
    const QString zone = "<panel><deck><visual><size width=\"180\" height=\"98\"/></visual></deck></panel>";
    QVERIFY(testsupport::writeFile(rig.writer.prunedpath(),
        QString("<skin><groupo name=\"GR_ZONE1\">%1</groupo><groupo name=\"D2_ZONE5\">%1</groupo></skin>")
            .arg(zone).toUtf8()));
    rig.placeall();

    // Zones are pictures, not elements.
    QVERIFY(rig.text().isEmpty());
    const QImage sheet = rig.writer.sheet().image();
    // GR_ZONE1: twice the Tessary size at its own place.
    QCOMPARE(sheet.pixelColor(100 + 180, 200 + 98), rig.colours.zoneback);
    QCOMPARE(sheet.pixelColor(100 + 355, 200 + 190), rig.colours.zoneback);
    QCOMPARE(sheet.pixelColor(100 + 365, 200 + 98), rig.colours.skinback);
    // D2_ZONE5 mirrors its twin at 200: 1920 - 200 - 180.
    QCOMPARE(sheet.pixelColor(1540 + 90, 600 + 49), rig.colours.zone6back);
    QCOMPARE(sheet.pixelColor(1530, 600 + 49), rig.colours.skinback);
}

// The job's order on a small Tessary skin: the sheet and the prepared
// table, the pruning, then the document.
void TestPlacement::wholejob()
{
    PlacementRig rig;
    rig.model.screenwidth = 2560;
    rig.model.screenheight = 1440;
    rig.model.skinwidth = 1920;
    // Rows pair with the skin's windows by position.
    rig.model.windows = {
        windowrow("MENU", 0, 0, 100, 50),
        windowrow("D1_JOG", 8, 300, 200, 100, true, "100", "50"),
        windowrow("D1_HIDDEN", 8, 300, 100, 50, false),
        windowrow("D2_JOG", 0, 0, 0, 0, false, "100", "50"),
        windowrow("M1_MIX", 860, 300, 200, 100, true, "200", "50", "1"),
        windowrow("M2_MIX", 0, 0, 0, 0, false),   // its twin is shown
        windowrow("D2_HIDDEN", 0, 0, 0, 0, false), // its twin is not
    };
    rig.model.clonevars = {{"MIXERGROUP0", "1"}};
    QString skin = "<skin><group name=\"defines\"/><panel name=\"system\"/>";
    for (const Row &row : qAsConst(rig.model.windows))
        skin += QString("<window name=\"%1\" width=\"1\"><panel add=\"yes\" name=\"live\">"
                        "<logo x=\"0\" y=\"0\" width=\"100\" height=\"50\"/></panel></window>").arg(row.at(0));
    skin += "</skin>";
    QVERIFY(testsupport::writeFile(rig.writer.prunedpath(), skin.toUtf8()));

    rig.writer.createpng();
    QVERIFY(rig.model.delwindows());
    QVERIFY(rig.writer.createxml());

    QDomDocument written;
    QFile file(rig.writer.documentpath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(written.setContent(&file));
    QStringList names;
    QStringList logos;
    for (QDomElement group = written.documentElement().firstChildElement("group"); !group.isNull();
         group = group.nextSiblingElement("group")) {
        const QString name = group.attribute("name");
        if (name == "defines" || name == "system")
            continue;
        names << name;
        const QDomElement logo = group.firstChildElement("logo");
        logos << QStringList{logo.attribute("x"), logo.attribute("y"), logo.attribute("width"),
                             logo.attribute("height")}.join(',');
    }
    QCOMPARE(names, (QStringList{"D1_JOG", "D2_JOG", "M1_MIX", "M2_MIX"}));
    // Host places and sizes scaled by 4/3 from the user's 1920 pixels.
    QCOMPARE(logos, (QStringList{
        // 8 and 300 scaled; twice the Tessary size, scaled.
        "11,400,267,133",
        // Mirrored: 1920 - 8 - 200 = 1712.
        "2283,400,267,133",
        // A vertical factor of its own: 100 host rows over 50.
        "1147,400,133,133",
        // Cloned: 860 + 960 = 1820; the twin's factor flag comes along.
        "2427,400,267,133"}));
}

QTEST_MAIN(TestPlacement)
#include "tst_placement.moc"
