#include <QtTest>

#include "skinmodel/skinmodel.h"
#include "skinmodel/zones.h"
#include "support/testsupport.h"

namespace {

QByteArray project(const QString &sizes, const QString &variables, const QString &entries,
                   const QString &windowname = "Tessary:skin")
{
    return QString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<project name=\"p\">\r\n%1"
                   "<QRNScriptGlobalVariables>%2</QRNScriptGlobalVariables>\r\n"
                   "<skinWindows>\r\n<window name=\"%3\">\r\n%4</window>\r\n</skinWindows>\r\n"
                   "</project>")
        .arg(sizes, variables, windowname, entries)
        .toUtf8();
}

QString entry(int number, int x, int y, int width, int height, const QString &visible = "yes")
{
    return QString("<idx%1 visible=\"%2\" x=\"%3\" y=\"%4\" width=\"%5\" height=\"%6\"/>\r\n")
        .arg(number)
        .arg(visible)
        .arg(x)
        .arg(y)
        .arg(width)
        .arg(height);
}

const QString fullHd = "<screenwidth>1920</screenwidth>\r\n<screenheight>1080</screenheight>\r\n";

// The zone entries of the three built-in demo projects, among a few module
// entries that are not zones.
const QString demo1Entries = entry(1, 600, 47, 632, 393) + entry(2, 8, 10, 180, 98)
    + entry(4, 778, 181, 366, 348) + entry(84, 20, 500, 300, 300)
    + entry(208, 0, 182, 781, 345) + entry(210, 10, 189, 546, 126);
const QString demo1Variables = "$TYX_JOGFull=0=1.00000, $TYX_LOOPAutoBasic=0=2.00000, "
                               "$TYX_DECKGROUP1_clone=0=1.00000";
const QString demo2Entries = entry(2, 8, 184, 893, 229) + entry(208, 0, 174, 898, 242)
    + entry(210, 7, 184, 658, 130);
const QString demo3Entries = entry(1, 600, 47, 632, 393) + entry(4, 851, 146, 219, 368)
    + entry(208, 0, 148, 851, 368);

const QString hidden = "0 0 0 0 0";
const QString allHidden = QVector<QString>(8, hidden).toList().join(" | ");

QString zonesText(const ZoneTable &zones)
{
    QStringList parts;
    for (const QList<int> &zone : zones) {
        QStringList numbers;
        for (int value : zone)
            numbers << QString::number(value);
        parts << numbers.join(' ');
    }
    return parts.join(" | ");
}

QString flagsText(const QVector<bool> &flags)
{
    QString text;
    for (bool flag : flags)
        text += flag ? '1' : '0';
    return text;
}

} // namespace

class TestZones : public QObject
{
    Q_OBJECT
private slots:
    void readsProjectZones_data();
    void readsProjectZones();
    void missingProjectHidesEveryZone();
    void shiftedFlagsFollowCurrentProjectOnly();
    void zoneOption_data();
    void zoneOption();
    void dropzoneTakesFirstEntryOfAnySkinWindow();
    void countsPiecesOfHostSetting();
};

void TestZones::readsProjectZones_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("tyname");
    QTest::addColumn<QString>("zones");
    QTest::addColumn<QString>("shownInFile");
    QTest::addColumn<bool>("zone5shifted");
    QTest::addColumn<bool>("zone6shifted");
    QTest::addColumn<int>("skinwidth");
    QTest::addColumn<int>("skinheight");

    QTest::newRow("demo 1: both right zones mirrored")
        << project(fullHd, demo1Variables, demo1Entries) << "Tessary"
        << QStringList{"1 778 181 366 348", hidden, hidden, hidden, "1 0 182 781 345",
                       "1 1139 182 781 345", "1 10 189 546 126", "1 1364 189 546 126"}
               .join(" | ")
        << "10001010" << false << false << 1920 << 1080;
    QTest::newRow("demo 1 with zone 5 option: right zone 5 shifted")
        << project(fullHd, demo1Variables + ", $TYX_ZONE5=0=1.00000", demo1Entries) << "Tessary"
        << QStringList{"1 778 181 366 348", hidden, hidden, hidden, "1 0 182 781 345",
                       "1 960 182 781 345", "1 10 189 546 126", "1 1364 189 546 126"}
               .join(" | ")
        << "10001010" << true << false << 1920 << 1080;
    QTest::newRow("zone 6 option shifts right zone 6, zone 7 means nothing")
        << project(fullHd, "$TYX_ZONE7=0=0.00000,$TYX_ZONE6=0=1.00000", demo1Entries)
        << "Tessary"
        << QStringList{"1 778 181 366 348", hidden, hidden, hidden, "1 0 182 781 345",
                       "1 1139 182 781 345", "1 10 189 546 126", "1 970 189 546 126"}
               .join(" | ")
        << "10001010" << false << true << 1920 << 1080;
    QTest::newRow("demo 2")
        << project(fullHd, "", demo2Entries) << "Tessary"
        << QStringList{hidden, hidden, hidden, hidden, "1 0 174 898 242", "1 1022 174 898 242",
                       "1 7 184 658 130", "1 1255 184 658 130"}
               .join(" | ")
        << "00001010" << false << false << 1920 << 1080;
    QTest::newRow("demo 3: only zone 5 has a pair")
        << project(fullHd, "", demo3Entries) << "Tessary"
        << QStringList{"1 851 146 219 368", hidden, hidden, hidden, "1 0 148 851 368",
                       "1 1069 148 851 368", hidden, hidden}
               .join(" | ")
        << "10001000" << false << false << 1920 << 1080;
    QTest::newRow("both zones of a pair shown keep their placement")
        << project(fullHd, "$TYX_ZONE5=0=1.00000",
                   entry(208, 0, 100, 500, 50) + entry(209, 1300, 120, 600, 60))
        << "Tessary"
        << QStringList{hidden, hidden, hidden, hidden, "1 0 100 500 50", "1 1300 120 600 60",
                       hidden, hidden}
               .join(" | ")
        << "00001100" << false << false << 1920 << 1080;
    QTest::newRow("right zone shown alone derives nothing")
        << project(fullHd, "", entry(211, 1300, 120, 600, 60)) << "Tessary"
        << QStringList{hidden, hidden, hidden, hidden, hidden, hidden, hidden,
                       "1 1300 120 600 60"}
               .join(" | ")
        << "00000001" << false << false << 1920 << 1080;
    QTest::newRow("no screen size: the desktop's, also for mirroring")
        << project("", "", entry(208, 0, 182, 781, 345)) << "Tessary"
        << QStringList{hidden, hidden, hidden, hidden, "1 0 182 781 345", "1 499 182 781 345",
                       hidden, hidden}
               .join(" | ")
        << "00001000" << false << false << 1280 << 720;
    QTest::newRow("screen size that is not a positive whole number: the desktop's")
        << project("<screenwidth>0</screenwidth><screenheight>1080.5</screenheight>", "",
                   entry(4, 1, 2, 3, 4))
        << "Tessary"
        << QStringList{"1 1 2 3 4", hidden, hidden, hidden, hidden, hidden, hidden, hidden}
               .join(" | ")
        << "10000000" << false << false << 1280 << 720;
    QTest::newRow("other screen size")
        << project("<screenwidth>2560</screenwidth><screenheight>1440</screenheight>", "",
                   entry(210, 100, 0, 400, 200))
        << "Tessary"
        << QStringList{hidden, hidden, hidden, hidden, hidden, hidden, "1 100 0 400 200",
                       "1 2060 0 400 200"}
               .join(" | ")
        << "00000010" << false << false << 2560 << 1440;
    QTest::newRow("visible Yes counts as hidden")
        << project(fullHd, "", entry(208, 0, 182, 781, 345, "Yes")) << "Tessary"
        << QStringList{hidden, hidden, hidden, hidden, "0 0 182 781 345", hidden, hidden, hidden}
               .join(" | ")
        << "00000000" << false << false << 1920 << 1080;
    QTest::newRow("missing coordinates read as 0")
        << project(fullHd, "", "<idx4 visible=\"yes\" x=\"12\" width=\"abc\"/>") << "Tessary"
        << QStringList{"1 12 0 0 0", hidden, hidden, hidden, hidden, hidden, hidden, hidden}
               .join(" | ")
        << "10000000" << false << false << 1920 << 1080;
    QTest::newRow("another skin name finds no window")
        << project(fullHd, "", demo1Entries) << "Tessary2"
        << allHidden << "00000000" << false << false << 1920 << 1080;
    QTest::newRow("window name needs the colon")
        << project(fullHd, "", demo1Entries, "Tessary") << "Tessary"
        << allHidden << "00000000" << false << false << 1920 << 1080;
}

void TestZones::readsProjectZones()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, tyname);
    QFETCH(QString, zones);
    QFETCH(QString, shownInFile);
    QFETCH(bool, zone5shifted);
    QFETCH(bool, zone6shifted);
    QFETCH(int, skinwidth);
    QFETCH(int, skinheight);

    QTemporaryDir dir;
    const QString path = dir.path() + "/project.xml";
    QVERIFY(testsupport::writeFile(path, file));
    SkinModel model;
    model.tyname = tyname;
    model.screenwidth = 1280.0f;
    model.screenheight = 720.0f;

    model.initzones(path);

    QCOMPARE(zonesText(model.zones), zones);
    QCOMPARE(flagsText(model.zonesinfile), shownInFile);
    QCOMPARE(model.zone5shifted, zone5shifted);
    QCOMPARE(model.zone6shifted, zone6shifted);
    QCOMPARE(model.skinwidth, skinwidth);
    QCOMPARE(model.skinheight, skinheight);
}

void TestZones::missingProjectHidesEveryZone()
{
    QTemporaryDir dir;
    SkinModel model;
    model.tyname = "Tessary";
    model.screenwidth = 1366.0f;
    model.screenheight = 768.0f;
    model.zones = {{1, 2, 3, 4, 5}};

    model.initzones(dir.path() + "/missing.xml");

    QCOMPARE(zonesText(model.zones), allHidden);
    QCOMPARE(flagsText(model.zonesinfile), QString("00000000"));
    QCOMPARE(model.skinwidth, 1366);
    QCOMPARE(model.skinheight, 768);
}

void TestZones::shiftedFlagsFollowCurrentProjectOnly()
{
    QTemporaryDir dir;
    const QString shifted = dir.path() + "/shifted.xml";
    const QString bothShown = dir.path() + "/both.xml";
    QVERIFY(testsupport::writeFile(
        shifted, project(fullHd, "$TYX_ZONE5=0=1.00000,$TYX_ZONE6=0=1.00000", demo1Entries)));
    QVERIFY(testsupport::writeFile(
        bothShown, project(fullHd, "", entry(208, 0, 1, 2, 3) + entry(209, 4, 5, 6, 7))));
    SkinModel model;
    model.tyname = "Tessary";

    model.initzones(shifted);
    QVERIFY(model.zone5shifted);
    QVERIFY(model.zone6shifted);

    model.initzones(bothShown);
    QVERIFY(!model.zone5shifted);
    QVERIFY(!model.zone6shifted);
}

void TestZones::zoneOption_data()
{
    QTest::addColumn<QString>("variables");
    QTest::addColumn<int>("zone");
    QTest::addColumn<bool>("on");

    QTest::newRow("demo spelling") << "$TYX_JOGFull=0=1.00000, $TYX_ZONE5=0=1.00000" << 5 << true;
    QTest::newRow("project file spelling") << "$TYX_JOGFull=0=1.00000,$TYX_ZONE5=0=1.00000" << 5
                                           << true;
    QTest::newRow("off") << "$TYX_ZONE5=0=0.00000" << 5 << false;
    QTest::newRow("one without fraction") << "$TYX_ZONE5=0=1" << 5 << true;
    QTest::newRow("one and a half") << "$TYX_ZONE5=0=1.5" << 5 << true;
    QTest::newRow("leading zero") << "$TYX_ZONE5=0=01.0" << 5 << false;
    QTest::newRow("two") << "$TYX_ZONE5=0=2.00000" << 5 << false;
    QTest::newRow("other zone") << "$TYX_ZONE6=0=1.00000" << 5 << false;
    QTest::newRow("name found by containment") << "$TYX_ZONE55=0=1.00000" << 5 << true;
    QTest::newRow("first matching item decides")
        << "$TYX_ZONE5=0=0.00000, $TYX_ZONE5=0=1.00000" << 5 << false;
    QTest::newRow("name is case-sensitive") << "$tyx_zone5=0=1.00000" << 5 << false;
    QTest::newRow("item without value") << "$TYX_ZONE5=0, $TYX_ZONE5=0=1.00000" << 5 << false;
    QTest::newRow("item without fields") << "$TYX_ZONE5,, x" << 5 << false;
    QTest::newRow("empty") << "" << 5 << false;
}

void TestZones::zoneOption()
{
    QFETCH(QString, variables);
    QFETCH(int, zone);
    QFETCH(bool, on);

    QCOMPARE(zoneoption(variables, zone), on);
}

void TestZones::dropzoneTakesFirstEntryOfAnySkinWindow()
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/host.xml";
    const QByteArray host =
        "<settings><options><QRNScriptGlobalVariables>$TYX_ZONE6=0=1.00000"
        "</QRNScriptGlobalVariables></options><skins><skinWindows>"
        "<window name=\"Other:skin\"><idx208 visible=\"yes\" x=\"1\"/></window>"
        "<window name=\"Tessary:editor\"><idx208 visible=\"no\" x=\"2\" y=\"3\"/></window>"
        "<window name=\"Tessary:skin\"><idx208 visible=\"yes\" x=\"4\"/></window>"
        "</skinWindows></skins></settings>";
    QVERIFY(testsupport::writeFile(path, host));
    SkinModel model;
    model.tyname = "Tessary";
    model.screenwidth = 1600.0f;
    model.screenheight = 900.0f;

    QCOMPARE(model.getDropzone(208, path), (QList<int>{0, 2, 3, 0, 0}));
    QCOMPARE(model.getDropzone(209, path), (QList<int>{0, 0, 0, 0, 0}));
    QCOMPARE(model.skinwidth, 1600);
    QCOMPARE(model.skinheight, 900);
    QVERIFY(model.getzonevar(6, path));
    QVERIFY(!model.getzonevar(5, path));
}

QTEST_GUILESS_MAIN(TestZones)
void TestZones::countsPiecesOfHostSetting()
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/settings.xml";
    QVERIFY(testsupport::writeFile(path, "<settings><options><skin>a;b;;c</skin><skin>x</skin>"
                                         "<empty/></options></settings>"));

    QCOMPARE(checsetting(path, "skin", ";"), 4);      // empty pieces count; the first element wins
    QCOMPARE(checsetting(path, "skin", ","), 1);
    QCOMPARE(checsetting(path, "empty", ";"), 1);
    QCOMPARE(checsetting(path, "missing", ";"), 1);
    QCOMPARE(checsetting(dir.path() + "/none.xml", "skin", ";"), 1);
}

#include "tst_zones.moc"
