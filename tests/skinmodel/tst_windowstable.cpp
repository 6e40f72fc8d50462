#include <QtTest>

#include "skinmodel/skinmodel.h"
#include "support/testsupport.h"

namespace {

// Five windows; one sits inside a group, one lacks every layout attribute,
// and their own idx attributes are misleading: rows pair by position. The
// definition before them has an attribute glued to the previous one.
const char *tessarySkin = R"(<?xml version="1.0" encoding="UTF-8"?>
<skin name="Tessary">
 <define name="fader"><slider clickthrough="yes"orientation="vertical"/></define>
 <window idx="1" name="MENU" posx="600" posy="47" width="632" height="393" prop="0"/>
 <window idx="2" name="D1_DROPZONE" posx="180" posy="47" width="180" height="98" prop="1"/>
 <group><window idx="9" name="D2_DROPZONE" posx="1" posy="2" width="3" height="4" prop="1"/></group>
 <window idx="4" name="GR_ZONE1"/>
 <window idx="3" name="D1_JOGFull" posx="10" posy="20" width="30" height="40" prop="x"/>
</skin>
)";

QByteArray record(const QByteArray &entries, const QByteArray &name = "Tessary:skin")
{
    return "<project name=\"p\"><screenwidth>1920</screenwidth><screenheight>1080</screenheight>"
           "<skinWindows><window name=\"" + name + "\">" + entries + "</window></skinWindows></project>";
}

QVector<QString> row(const QStringList &cells)
{
    return cells.toVector();
}

const QStringList menuSkin{"MENU", "skin.png", "600", "47", "632", "393", "0"};
const QStringList dropSkin{"D1_DROPZONE", "skin.png", "180", "47", "180", "98", "1"};
const QStringList drop2Skin{"D2_DROPZONE", "skin.png", "1", "2", "3", "4", "1"};
const QStringList zoneSkin{"GR_ZONE1", "skin.png", "", "", "", "", ""};
const QStringList jogSkin{"D1_JOGFull", "skin.png", "10", "20", "30", "40", "x"};
const QStringList unplaced{"0", "0", "0", "0", "0"};

} // namespace

Q_DECLARE_METATYPE(TextTable)

class TestWindowsTable : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void unusedRecordLeavesTheTable_data();
    void unusedRecordLeavesTheTable();
    void pairsEntriesWithWindowsByPosition_data();
    void pairsEntriesWithWindowsByPosition();
    void missingTessaryDocumentGivesNoRows();
    void brokenTessaryDocumentGivesTheWindowsBeforeTheFault();
    void secondCallAppendsASecondBlock();

private:
    QString writeRecord(const QByteArray &content);
    QScopedPointer<QTemporaryDir> dir;
    SkinModel model;
};

void TestWindowsTable::init()
{
    dir.reset(new QTemporaryDir);
    model = SkinModel();
    model.workdir = dir->path();
    model.tyname = "Tessary";
    QVERIFY(testsupport::writeFile(dir->filePath("extracts/skin.xml"), tessarySkin));
}

QString TestWindowsTable::writeRecord(const QByteArray &content)
{
    const QString path = dir->filePath("project.xml");
    if (!testsupport::writeFile(path, content))
        qFatal("cannot write the fixture");
    return path;
}

void TestWindowsTable::unusedRecordLeavesTheTable_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("missing record file") << QByteArray();
    QTest::newRow("not xml") << QByteArray("skinWindows");
    QTest::newRow("no skinWindows") << QByteArray("<project><screenwidth>1920</screenwidth></project>");
    QTest::newRow("empty skinWindows")
        << QByteArray("<project><skinWindows/><skinWindows><window name=\"Tessary:skin\">"
                      "<idx2 visible=\"yes\"/></window></skinWindows></project>");
    QTest::newRow("only the menu shown") << record("<idx1 visible=\"yes\" x=\"1\"/><idx2 visible=\"no\"/>");
    QTest::newRow("visible in other spellings") << record("<idx2 visible=\"Yes\"/><idx3 visible=\"1\"/>");
    QTest::newRow("number-less tag") << record("<idx visible=\"yes\"/><idx0 visible=\"yes\"/>");
    QTest::newRow("lowest int") << record("<idx-2147483648 visible=\"yes\"/>");
    QTest::newRow("name in other case") << record("<idx2 visible=\"yes\"/>", "tessary:skin");
    QTest::newRow("name without colon") << record("<idx2 visible=\"yes\"/>", "Tessary");
    QTest::newRow("other skin") << record("<idx2 visible=\"yes\"/>", "Other:skin");
}

void TestWindowsTable::unusedRecordLeavesTheTable()
{
    QFETCH(QByteArray, content);
    const QString path = content.isEmpty() ? dir->filePath("absent.xml") : writeRecord(content);
    const TextTable before{row({"kept"})};
    model.windows = before;
    QVERIFY(!model.getWins2(path));
    QCOMPARE(model.windows, before);
}

void TestWindowsTable::pairsEntriesWithWindowsByPosition_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<TextTable>("expected");

    QTest::newRow("fewer entries than windows")
        << record("<idx2 visible=\"yes\" x=\"8\" y=\"184\" width=\"893\" height=\"229\"/>")
        << TextTable{row(menuSkin + unplaced), row(dropSkin + QStringList{"8", "184", "893", "229", "1"}),
                     row(drop2Skin + unplaced), row(zoneSkin + unplaced), row(jogSkin + unplaced)};
    QTest::newRow("missing coordinates, hidden entries, leading zeros")
        << record("<idx005 visible=\"yes\" y=\"7\" width=\"8\" height=\"9\"/>"
                  "<idx3 visible=\"no\" x=\"-5\" y=\"a\" width=\"\" height=\"1\"/>"
                  "<idx1 visible=\"yes\" x=\"1\" y=\"2\" width=\"3\" height=\"4\"/>")
        << TextTable{row(menuSkin + QStringList{"1", "2", "3", "4", "1"}), row(dropSkin + unplaced),
                     row(drop2Skin + QStringList{"-5", "a", "", "1", "0"}), row(zoneSkin + unplaced),
                     row(jogSkin + QStringList{"0", "7", "8", "9", "1"})};
    // The first entry of a number wins, across record windows too; the
    // second window's shown entry still makes the record used.
    QTest::newRow("first entry of a number wins")
        << QByteArray("<project><skinWindows>"
                      "<window name=\"Tessary:skin\"><idx4 visible=\"no\" x=\"1\"/></window>"
                      "<window name=\"Other:skin\"><idx2 visible=\"yes\"/></window>"
                      "<window name=\"Tessary:browser\"><idx4 visible=\"yes\" x=\"2\"/></window>"
                      "</skinWindows></project>")
        << TextTable{row(menuSkin + unplaced), row(dropSkin + unplaced), row(drop2Skin + unplaced),
                     row(zoneSkin + QStringList{"1", "0", "0", "0", "0"}), row(jogSkin + unplaced)};
    QTest::newRow("lowest int pairs with nothing")
        << record("<idx-2147483648 visible=\"yes\" x=\"5\"/><idx2 visible=\"yes\"/>")
        << TextTable{row(menuSkin + unplaced), row(dropSkin + QStringList{"0", "0", "0", "0", "1"}),
                     row(drop2Skin + unplaced), row(zoneSkin + unplaced), row(jogSkin + unplaced)};
    QTest::newRow("entry beyond the last window")
        << record("<idx239 visible=\"yes\" x=\"1\"/>")
        << TextTable{row(menuSkin + unplaced), row(dropSkin + unplaced), row(drop2Skin + unplaced),
                     row(zoneSkin + unplaced), row(jogSkin + unplaced)};
}

void TestWindowsTable::pairsEntriesWithWindowsByPosition()
{
    QFETCH(QByteArray, content);
    QFETCH(TextTable, expected);
    QVERIFY(model.getWins2(writeRecord(content)));
    QCOMPARE(model.windows, expected);
}

void TestWindowsTable::missingTessaryDocumentGivesNoRows()
{
    QVERIFY(QFile::remove(dir->filePath("extracts/skin.xml")));
    QVERIFY(model.getWins2(writeRecord(record("<idx2 visible=\"yes\"/>"))));
    QVERIFY(model.windows.isEmpty());
}

void TestWindowsTable::brokenTessaryDocumentGivesTheWindowsBeforeTheFault()
{
    QVERIFY(testsupport::writeFile(dir->filePath("extracts/skin.xml"),
                                   "<skin><window name=\"MENU\"/><window name=\"D1_A\"/><window <broken"));
    QVERIFY(model.getWins2(writeRecord(record("<idx2 visible=\"yes\" x=\"3\"/>"))));
    QCOMPARE(model.windows.size(), 2);
    QCOMPARE(model.windows.at(1),
             row({"D1_A", "skin.png", "", "", "", "", "", "3", "0", "0", "0", "1"}));
}

void TestWindowsTable::secondCallAppendsASecondBlock()
{
    const QString path = writeRecord(record("<idx2 visible=\"yes\"/>"));
    QVERIFY(model.getWins2(path));
    QVERIFY(model.getWins2(path));
    QCOMPARE(model.windows.size(), 10);
    QCOMPARE(model.windows.at(6), model.windows.at(1));
    QCOMPARE(model.windows.at(6).value(11), QString("1"));
}

QTEST_GUILESS_MAIN(TestWindowsTable)
#include "tst_windowstable.moc"
