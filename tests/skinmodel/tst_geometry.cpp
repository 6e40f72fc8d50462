#include <QtTest>

#include "skinmodel/skinmodel.h"
#include "support/testsupport.h"

#include <functional>

namespace {

using Query = std::function<int(const SkinModel &, const QString &)>;

const QMap<QString, Query> &queries()
{
    static const QMap<QString, Query> table = {
        {"deckgrouppos", [](const SkinModel &m, const QString &) { return m.deckgrouppos(); }},
        {"deckgroupwidth", [](const SkinModel &m, const QString &) { return m.deckgroupwidth(); }},
        {"deckchildpos", [](const SkinModel &m, const QString &g) { return m.deckchildpos(g); }},
        {"deckchildwidth", [](const SkinModel &m, const QString &g) { return m.deckchildwidth(g); }},
        {"mixergrouppos", [](const SkinModel &m, const QString &) { return m.mixergrouppos(); }},
        {"mixergroupwidth", [](const SkinModel &m, const QString &) { return m.mixergroupwidth(); }},
        {"mixerchildpos", [](const SkinModel &m, const QString &g) { return m.mixerchildpos(g); }},
        {"mixerchildwidth", [](const SkinModel &m, const QString &g) { return m.mixerchildwidth(g); }},
        {"grouppos", [](const SkinModel &m, const QString &g) { return m.grouppos(g); }},
        {"groupwidth", [](const SkinModel &m, const QString &g) { return m.groupwidth(g); }},
        {"mixerwidth", [](const SkinModel &m, const QString &g) { return m.mixerwidth(g); }},
    };
    return table;
}

// Two visible first-deck blocks with a hidden one between them, the second
// deck and the mixer, as a pruned skin of a typical layout holds them.
const QStringList twoBlocks = {"groupo D1_A 100 300 1", "groupo D1_H 10 2000 0",
                               "groupo D1_B 500 200 1", "groupo D2_A 1200 300 1",
                               "groupo M1_X 900 50 1"};

} // namespace

class TestGeometry : public QObject
{
    Q_OBJECT
private slots:
    void measuresModuleBlocks_data();
    void measuresModuleBlocks();
    void missingSkinCountsNothing();
};

void TestGeometry::measuresModuleBlocks_data()
{
    // Each module: tag, name, host x, host width, visible flag; "norow"
    // gives an element without a windows row, "short" a row that ends
    // before the visible flag. Groups: module key = group number.
    QTest::addColumn<QStringList>("modules");
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("expected");

    const QStringList none;
    QTest::newRow("block left edge") << twoBlocks << none << "deckgrouppos" << "" << 100;
    QTest::newRow("block width to rightmost edge")
        << twoBlocks << none << "deckgroupwidth" << "" << 600;
    QTest::newRow("hidden member ignored")
        << QStringList{"groupo D1_A 100 300 1", "groupo D1_B 500 200 0"} << none
        << "deckgroupwidth" << "" << 300;
    QTest::newRow("beyond the screen: left edge stays the screen width")
        << QStringList{"groupo D1_A 2000 100 1"} << none << "deckgrouppos" << "" << 1920;
    QTest::newRow("beyond the screen: width from the screen width")
        << QStringList{"groupo D1_A 2000 100 1"} << none << "deckgroupwidth" << "" << 180;
    QTest::newRow("negative x lowers the left edge")
        << QStringList{"groupo D1_A -50 100 1", "groupo D1_B -200 150 1"} << none
        << "deckgrouppos" << "" << -200;
    QTest::newRow("edges at or left of 0 never raise the right edge")
        << QStringList{"groupo D1_A -200 150 1", "groupo D1_B -100 100 1"} << none
        << "deckgroupwidth" << "" << 200;
    QTest::newRow("no module: left edge") << none << none << "deckgrouppos" << "" << 1920;
    QTest::newRow("no module: width") << none << none << "deckchildwidth" << "1" << -1920;
    QTest::newRow("no module: mixer") << none << none << "mixergroupwidth" << "" << -1920;
    QTest::newRow("no module: first edge") << none << none << "grouppos" << "0" << 0;
    QTest::newRow("no module: first width") << none << none << "mixerwidth" << "0" << 0;
    QTest::newRow("prefix is case-sensitive and anchored")
        << QStringList{"groupo d1_A 100 10 1", "groupo XD1_A 200 10 1", "groupo D2_A 300 10 1",
                       "groupo GL_A 400 10 1", "groupo M1_A 500 10 1", "groupo D1_ZONE5 600 10 1"}
        << none << "deckgrouppos" << "" << 600;
    QTest::newRow("element without row or with a short row skipped")
        << QStringList{"groupo D1_A 100 10 norow", "groupo D1_B 200 10 short",
                       "groupo D1_C 300 10 1"}
        << none << "deckgrouppos" << "" << 300;
    QTest::newRow("host x that is not a number counts as 0")
        << QStringList{"groupo D1_A abc 50 1"} << none << "deckgroupwidth" << "" << 50;
    QTest::newRow("skin groups are not modules")
        << QStringList{"group D1_A 100 10 1"} << none << "deckgrouppos" << "" << 1920;

    const QStringList grouped = {"groupo D1_A 100 300 1", "groupo D1_B 500 200 1",
                                 "groupo D1_C 50 10 1", "groupo D1_D 700 20 1",
                                 "groupo M1_X 300 100 1", "groupo M1_Y 600 50 1"};
    const QStringList groupOf = {"A=1", "B=2", "C=1", "D=0", "X=1", "Y=2"};
    QTest::newRow("group left edge") << grouped << groupOf << "deckchildpos" << "1" << 50;
    QTest::newRow("group width") << grouped << groupOf << "deckchildwidth" << "1" << 350;
    QTest::newRow("other group") << grouped << groupOf << "deckchildwidth" << "2" << 200;
    QTest::newRow("group 0 is a group like any other")
        << grouped << groupOf << "deckchildpos" << "0" << 700;
    QTest::newRow("empty group takes modules without group")
        << grouped << QStringList{"A=1"} << "deckchildpos" << "" << 50;
    QTest::newRow("unknown group counts nothing")
        << grouped << groupOf << "deckchildpos" << "3" << 1920;
    QTest::newRow("mixer block") << grouped << groupOf << "mixergrouppos" << "" << 300;
    QTest::newRow("mixer block width") << grouped << groupOf << "mixergroupwidth" << "" << 350;
    QTest::newRow("mixer group") << grouped << groupOf << "mixerchildpos" << "2" << 600;
    QTest::newRow("mixer group width") << grouped << groupOf << "mixerchildwidth" << "2" << 50;

    const QStringList firstEdges = {"groupo D1_A 0 50 1", "groupo D1_B 400 100 1",
                                    "groupo D1_C 100 10 1"};
    QTest::newRow("first edge passes over x 0, not the leftmost")
        << firstEdges << none << "grouppos" << "0" << 400;
    QTest::newRow("first edge of one group")
        << firstEdges << QStringList{"B=1", "C=2"} << "grouppos" << "2" << 100;
    QTest::newRow("first widths see only skin groups")
        << firstEdges << none << "groupwidth" << "0" << 0;
    QTest::newRow("first width from different modules")
        << QStringList{"group D1_A 0 50 1", "group D1_B 400 100 1"} << none << "groupwidth" << "0"
        << -350;
    QTest::newRow("first mixer width")
        << QStringList{"group M1_X 300 100 1", "group M1_Y 600 50 1"} << none << "mixerwidth"
        << "0" << 100;
}

void TestGeometry::measuresModuleBlocks()
{
    QFETCH(QStringList, modules);
    QFETCH(QStringList, groups);
    QFETCH(QString, query);
    QFETCH(QString, group);
    QFETCH(int, expected);

    QTemporaryDir dir;
    SkinModel model;
    model.workdir = dir.path();
    model.screenwidth = 1920.0f;

    QByteArray skin = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<skin>\n"
                      " <group name=\"defines\"/>\n";
    for (const QString &module : modules) {
        const QStringList fields = module.split(' ');
        skin += QString(" <%1 idx=\"1\" name=\"%2\"><panel/></%1>\n")
                    .arg(fields.at(0), fields.at(1)).toUtf8();
        if (fields.at(4) == "norow")
            continue;
        QVector<QString> row = {fields.at(1), "skin.png", "180", "47", "10", "10", "0",
                                fields.at(2), "47", fields.at(3), "80", fields.at(4)};
        if (fields.at(4) == "short")
            row.resize(11);
        model.windows.append(row);
    }
    skin += "</skin>\n";
    QVERIFY(testsupport::writeFile(dir.path() + "/skin/skin.xml", skin));
    for (const QString &entry : groups)
        model.groupvars.append({entry.section('=', 0, 0), entry.section('=', 1)});

    QVERIFY(queries().contains(query));
    QCOMPARE(queries().value(query)(model, group), expected);
}

void TestGeometry::missingSkinCountsNothing()
{
    QTemporaryDir dir;
    SkinModel model;
    model.workdir = dir.path();
    model.screenwidth = 1280.0f;
    model.windows.append({"D1_A", "skin.png", "", "", "", "", "", "100", "0", "50", "0", "1"});

    QCOMPARE(model.deckgrouppos(), 1280);
    QCOMPARE(model.deckgroupwidth(), -1280);
    QCOMPARE(model.grouppos("0"), 0);
}

QTEST_GUILESS_MAIN(TestGeometry)
#include "tst_geometry.moc"
