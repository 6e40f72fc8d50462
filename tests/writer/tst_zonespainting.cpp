// Zone backgrounds: each zone module painted into the image sheet as one
// filled, outlined rectangle in the user's colour for that zone.
#include <QtTest>

#include "writerrig.h"
#include "writer/zonepainter.h"

namespace {

// Distinct colours for every zone, the outline and the background.
void setcolours(ColourScheme &colours)
{
    colours.skinback = QColor("#101010");
    colours.zoneback = QColor("#200000");
    colours.zone2back = QColor("#002000");
    colours.zone3back = QColor("#000020");
    colours.zone4back = QColor("#202000");
    colours.zone5back = QColor("#500000");
    colours.zone6back = QColor("#005000");
    colours.zone7back = QColor("#000050");
    colours.zone8back = QColor("#505000");
    colours.zoneborder = QColor("#f0f0f0");
}

// A zone module as the pruned skin holds it: panel, deck, visual, size.
QString zonemodule(const QString &name, const QString &visualchildren =
                                            "<pos x=\"500\" y=\"500\"/><size width=\"180\" height=\"98\"/>"
                                            "<off color=\"zone1\" border=\"x\"/>")
{
    return QString("<groupo name=\"%1\"><panel><deck><visual>%2</visual></deck></panel></groupo>")
        .arg(name, visualchildren);
}

struct ZoneRig : WriterRig
{
    explicit ZoneRig(float width = 1920)
    {
        model.screenwidth = width;
        setcolours(colours);
        writer.createpng();
        progresstexts.clear();
    }

    void draw(const QString &module, float rx, float ry, int gx, int gy)
    {
        writer.drawzones(parse(module), rx, ry, gx, gy);
    }

    QColor at(int x, int y) const { return writer.sheet().image().pixelColor(x, y); }
};

} // namespace

class TestZonesPainting : public QObject
{
    Q_OBJECT
private slots:
    void zonecolours_data();
    void zonecolours();
    void painted_data();
    void painted();
    void sizes_data();
    void sizes();
    void laterzonecovers();
    void widenedsheet();
    void zonesfaroff_data();
    void zonesfaroff();
    void zonereachingin();
};

void TestZonesPainting::zonecolours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fill");       // "" for no colour
    QTest::addColumn<bool>("shifted5");
    QTest::addColumn<bool>("shifted6");
    QTest::addColumn<bool>("shifted");

    QTest::newRow("GR_ZONE1") << "GR_ZONE1" << "#200000" << true << true << false;
    QTest::newRow("GR_ZONE2") << "GR_ZONE2" << "#002000" << false << false << false;
    QTest::newRow("GR_ZONE3") << "GR_ZONE3" << "#000020" << false << false << false;
    QTest::newRow("GR_ZONE4") << "GR_ZONE4" << "#202000" << false << false << false;
    QTest::newRow("GR_ZONE9") << "GR_ZONE9" << "#200000" << false << false << false;
    QTest::newRow("GR_ZONEX") << "GR_ZONEX" << "#200000" << false << false << false;
    QTest::newRow("D1_ZONE5 ignores the flags") << "D1_ZONE5" << "#500000" << true << true << false;
    QTest::newRow("D1_ZONE6 ignores the flags") << "D1_ZONE6" << "#000050" << true << true << false;
    QTest::newRow("D2_ZONE5 unshifted") << "D2_ZONE5" << "#005000" << false << true << false;
    QTest::newRow("D2_ZONE5 shifted") << "D2_ZONE5" << "#005000" << true << false << true;
    QTest::newRow("D2_ZONE6 unshifted") << "D2_ZONE6" << "#505000" << true << false << false;
    QTest::newRow("D2_ZONE6 shifted") << "D2_ZONE6" << "#505000" << false << true << true;
    QTest::newRow("D1_ZONE7 has no colour") << "D1_ZONE7" << "" << true << true << false;
    QTest::newRow("D2_ZONE1 has no colour") << "D2_ZONE1" << "" << true << true << false;
}

void TestZonesPainting::zonecolours()
{
    QFETCH(QString, name);
    QFETCH(QString, fill);
    QFETCH(bool, shifted5);
    QFETCH(bool, shifted6);
    QFETCH(bool, shifted);

    SkinModel model;
    ColourScheme colours;
    setcolours(colours);
    model.zone5shifted = shifted5;
    model.zone6shifted = shifted6;
    const ZoneStyle style = zonestyle(name, colours, model);
    QCOMPARE(style.fill, fill.isEmpty() ? QColor() : QColor(fill));
    QCOMPARE(style.shifted, shifted);
}

void TestZonesPainting::painted_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<float>("sheetwidth");
    QTest::addColumn<bool>("shifted");
    QTest::addColumn<int>("groupXpos");
    QTest::addColumn<QRect>("zone");        // where the zone must lie
    QTest::addColumn<QString>("fill");

    QTest::newRow("GR_ZONE1 at its place") << "GR_ZONE1" << 1920.0f << true << 40 << QRect(40, 100, 180, 98) << "#200000";
    QTest::newRow("GR_ZONE3 at its place") << "GR_ZONE3" << 1920.0f << false << 700 << QRect(700, 100, 180, 98) << "#000020";
    QTest::newRow("GR_ZONE4 at its place") << "GR_ZONE4" << 1920.0f << false << 1700 << QRect(1700, 100, 180, 98) << "#202000";
    QTest::newRow("D1_ZONE5") << "D1_ZONE5" << 1920.0f << true << 200 << QRect(200, 100, 180, 98) << "#500000";
    QTest::newRow("D2_ZONE6 mirrored") << "D2_ZONE6" << 1920.0f << false << 1500 << QRect(1500, 100, 180, 98) << "#505000";
    QTest::newRow("D2_ZONE6 shifted") << "D2_ZONE6" << 1920.0f << true << 1500 << QRect(1200, 100, 180, 98) << "#505000";
    QTest::newRow("GR_ZONE2 at its place") << "GR_ZONE2" << 1920.0f << false << 300 << QRect(300, 100, 180, 98) << "#002000";
    QTest::newRow("D1_ZONE6") << "D1_ZONE6" << 1920.0f << true << 200 << QRect(200, 100, 180, 98) << "#000050";
    QTest::newRow("D2_ZONE5 mirrored") << "D2_ZONE5" << 1920.0f << false << 1540 << QRect(1540, 100, 180, 98) << "#005000";
    // The mirror of a left zone at 200 moved back to 200 + 960.
    QTest::newRow("D2_ZONE5 shifted") << "D2_ZONE5" << 1920.0f << true << 1540 << QRect(1160, 100, 180, 98) << "#005000";
    // On an odd width half the sheet is 682: 1365 + 682 - 985 - 180.
    QTest::newRow("D2_ZONE5 shifted, odd sheet") << "D2_ZONE5" << 1365.0f << true << 985 << QRect(882, 100, 180, 98) << "#005000";
}

void TestZonesPainting::painted()
{
    QFETCH(QString, name);
    QFETCH(float, sheetwidth);
    QFETCH(bool, shifted);
    QFETCH(int, groupXpos);
    QFETCH(QRect, zone);
    QFETCH(QString, fill);

    ZoneRig rig(sheetwidth);
    rig.model.zone5shifted = shifted;
    rig.model.zone6shifted = shifted;
    rig.draw(zonemodule(name), 1.0f, 1.0f, groupXpos, 100);

    // Inside: the zone's colour; on its edge: the outline; beyond: the
    // background.
    const QColor colour(fill);
    for (const QPoint &inside : {zone.center(), zone.topLeft() + QPoint(3, 3), zone.bottomRight() - QPoint(3, 3)})
        QCOMPARE(rig.at(inside.x(), inside.y()), colour);
    const int edge = qMax(rig.at(zone.center().x(), zone.top() - 1).red(), rig.at(zone.center().x(), zone.top()).red());
    QVERIFY2(edge > 0x70, "outlined");
    for (const QPoint &outside : {zone.topLeft() - QPoint(3, 3), zone.bottomRight() + QPoint(3, 3)})
        QCOMPARE(rig.at(outside.x(), outside.y()), rig.colours.skinback);
    QCOMPARE(rig.progresstexts, QStringList{"Processing Image ... +events"});
    // The sheet keeps its size.
    QCOMPARE(rig.writer.sheet().image().size(), QSize(int(sheetwidth), 1080));
}

void TestZonesPainting::sizes_data()
{
    QTest::addColumn<QString>("visualchildren");
    QTest::addColumn<float>("resizeX");
    QTest::addColumn<float>("resizeY");
    QTest::addColumn<QSize>("size");

    QTest::newRow("scaled") << "<size width=\"180\" height=\"98\"/>" << 0.75f << 1.5f << QSize(135, 147);
    QTest::newRow("halves go up") << "<size width=\"5\" height=\"3\"/>" << 0.5f << 0.5f << QSize(3, 2);
    QTest::newRow("last size wins") << "<size width=\"10\" height=\"10\"/><off/><size width=\"40\" height=\"20\"/>"
                                    << 1.0f << 1.0f << QSize(40, 20);
    QTest::newRow("no size") << "<pos x=\"1\" y=\"1\" width=\"50\" height=\"50\"/>" << 1.0f << 1.0f << QSize(0, 0);
    QTest::newRow("words read as 0") << "<size width=\"wide\"/>" << 1.0f << 1.0f << QSize(0, 0);
}

void TestZonesPainting::sizes()
{
    QFETCH(QString, visualchildren);
    QFETCH(float, resizeX);
    QFETCH(float, resizeY);
    QFETCH(QSize, size);

    WriterRig rig;
    QCOMPARE(zonesize(rig.parse(zonemodule("GR_ZONE1", visualchildren)), resizeX, resizeY), size);
    // A size on the panel or the deck is not the zone's.
    const QDomElement elsewhere = rig.parse(
        "<groupo name=\"GR_ZONE1\"><panel><size width=\"9\" height=\"9\"/><deck><size width=\"9\" height=\"9\"/>"
        "<visual/></deck></panel></groupo>");
    QCOMPARE(zonesize(elsewhere, 1.0f, 1.0f), QSize(0, 0));
}

void TestZonesPainting::laterzonecovers()
{
    // A scaled zone, then another over part of it; an empty sheet takes
    // nothing and does not fail.
    ZoneRig rig;
    rig.draw(zonemodule("GR_ZONE3"), 0.75f, 1.5f, 100, 100);
    rig.draw(zonemodule("GR_ZONE4"), 1.0f, 1.0f, 150, 150);
    QCOMPARE(rig.at(110, 110), rig.colours.zone3back);
    QCOMPARE(rig.at(120, 240), rig.colours.zone3back);   // 100 + 135 by 100 + 147
    QCOMPARE(rig.at(160, 160), rig.colours.zone4back);
    QCOMPARE(rig.at(240, 255), rig.colours.skinback);

    ZoneRig empty(0);
    empty.draw(zonemodule("GR_ZONE1"), 1.0f, 1.0f, 0, 0);
    QVERIFY(empty.writer.sheet().image().isNull());
}

void TestZonesPainting::widenedsheet()
{
    // On a desktop narrower than the icon strip the sheet is widened below
    // the background; a shifted zone still moves by half the screen.
    ZoneRig rig(1000);
    rig.writer.icons = IconOption::Alternative;
    rig.writer.mergeicons(1, 1);
    QVERIFY(rig.writer.sheet().width() > 1000);
    rig.model.zone5shifted = true;
    rig.draw(zonemodule("D2_ZONE5"), 1.0f, 1.0f, 1000 - 200 - 180, 100);
    QCOMPARE(rig.at(200 + 500 + 90, 149), rig.colours.zone6back);
}

void TestZonesPainting::zonesfaroff_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<bool>("shifted");
    QTest::addColumn<int>("groupXpos");
    QTest::addColumn<int>("groupYpos");
    const int most = std::numeric_limits<int>::max();
    const int least = std::numeric_limits<int>::min();
    const QString usual("<size width=\"180\" height=\"98\"/>");
    QTest::newRow("right edge past the int range") << usual << false << most - 50 << 100;
    QTest::newRow("bottom edge past the int range") << usual << false << 100 << most - 50;
    QTest::newRow("shifted from the int range's start") << usual << true << least << 100;
    QTest::newRow("as wide as an int, right of the sheet") << "<size width=\"2147483647\" height=\"98\"/>"
                                                          << false << 1930 << 100;
    QTest::newRow("negative width") << "<size width=\"-180\" height=\"98\"/>" << false << 400 << 100;
    QTest::newRow("negative height") << "<size width=\"180\" height=\"-98\"/>" << false << 400 << 300;
}

// A zone that lies off the sheet, or has a negative size, paints nothing,
// however far its edges reach.
void TestZonesPainting::zonesfaroff()
{
    QFETCH(QString, size);
    QFETCH(bool, shifted);
    QFETCH(int, groupXpos);
    QFETCH(int, groupYpos);

    ZoneRig rig;
    rig.model.zone5shifted = shifted;
    const QImage before = rig.writer.sheet().image();
    rig.draw(zonemodule("D2_ZONE5", size), 1.0f, 1.0f, groupXpos, groupYpos);
    QCOMPARE(rig.writer.sheet().image(), before);
}

// A zone that reaches into the sheet from far outside is painted where it
// lies on the sheet, outlined only along the edges that lie there.
void TestZonesPainting::zonereachingin()
{
    ZoneRig rig;
    rig.draw(zonemodule("GR_ZONE2", "<size width=\"2000000100\" height=\"2147483647\"/>"), 1.0f, 1.0f,
             -2000000000, 1000);
    QCOMPARE(rig.at(50, 1050), rig.colours.zone2back);
    QCOMPARE(rig.at(0, 1079), rig.colours.zone2back);
    QVERIFY2(rig.at(100, 1050).red() > 0x70, "outlined at the right edge");
    QCOMPARE(rig.at(103, 1050), rig.colours.skinback);
    QCOMPARE(rig.at(50, 997), rig.colours.skinback);
}

QTEST_MAIN(TestZonesPainting)
#include "tst_zonespainting.moc"
