#include <QtTest>

#include "skinmodel/skinmodel.h"

namespace {

QVector<QString> windowRow(const QString &name, const QString &visible)
{
    return {name, "skin.png", "0", "0", "10", "10", "1", "5", "6", "7", "8", visible};
}

// The tables as a job leaves them, with the traps the lookups must handle:
// a name twice with different flags, a short row, an empty row.
SkinModel filledModel()
{
    SkinModel model;
    model.windows = {windowRow("MENU", "0"), windowRow("D1_JOGFull", "0"), windowRow("D1_JOGFull", "1"),
                     windowRow("M1_EQ", "1"), {"D2_SHORT", "skin.png"}, {}, windowRow("GR_ZONE1", "yes")};
    model.groupvars = {{"JOGFull", "1"}, {"EQ", "2"}, {"FX", "3"}, {"JOGFull", "4"}, {"NOVALUE"},
                       {"M1_EQ2", "4"}};
    model.clonevars = {{"DECKGROUP1", "1"}, {"DECKGROUP2", "0"}, {"DECKGROUP2", "1"},
                       {"DECKGROUP3", "1.0"}, {"MIXERGROUP0", "1"}, {"SCRATCHSimple"}};
    return model;
}

} // namespace

class TestLookups : public QObject
{
    Q_OBJECT
private slots:
    void emptyTablesFindNothing();
    void getWindataCopiesTheFirstRow();
    void visibilityCountsAnyRowMarkedOne_data();
    void visibilityCountsAnyRowMarkedOne();
    void updateVectorExtendsEveryRowOfTheName();
    void groupLookupsDeriveTheModuleKey_data();
    void groupLookupsDeriveTheModuleKey();
    void cloneLookupsTakeTheFirstRow_data();
    void cloneLookupsTakeTheFirstRow();
};

void TestLookups::emptyTablesFindNothing()
{
    SkinModel model;
    QVERIFY(model.getWindata("MENU").isEmpty());
    QVERIFY(!model.getWinvisimage("MENU"));
    QVERIFY(!model.getWinvis("MENU"));
    QVERIFY(!model.hasGroup("D1_JOGFull"));
    QCOMPARE(model.getGroup("D1_JOGFull"), QString());
    QCOMPARE(model.groupnumber("D1_JOGFull"), QString());
    QCOMPARE(model.clonenumber("DECKGROUP1"), QString());
    QVERIFY(!model.isClone("DECKGROUP1"));
    model.updateVector("MENU", "1", "2", "3", "4");
    QVERIFY(model.windows.isEmpty());
    // An empty key does not match a row that has no name column.
    model.windows = {{}};
    QVERIFY(model.getWindata("").isEmpty());
}

void TestLookups::getWindataCopiesTheFirstRow()
{
    SkinModel model = filledModel();
    QVector<QString> found = model.getWindata("D1_JOGFull");
    QCOMPARE(found, windowRow("D1_JOGFull", "0"));
    found[0] = "changed";
    QCOMPARE(model.windows.at(1).at(0), QString("D1_JOGFull"));
    QVERIFY(model.getWindata("d1_jogfull").isEmpty());
    QCOMPARE(model.getWindata("D2_SHORT"), QVector<QString>({"D2_SHORT", "skin.png"}));
}

void TestLookups::visibilityCountsAnyRowMarkedOne_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("visible");
    QTest::newRow("first row 0, later row 1") << "D1_JOGFull" << true;
    QTest::newRow("shown") << "M1_EQ" << true;
    QTest::newRow("hidden") << "MENU" << false;
    QTest::newRow("flag other than 1") << "GR_ZONE1" << false;
    QTest::newRow("row without a flag") << "D2_SHORT" << false;
    QTest::newRow("absent") << "D2_JOGFull" << false;
    QTest::newRow("empty name") << "" << false;
}

void TestLookups::visibilityCountsAnyRowMarkedOne()
{
    QFETCH(QString, name);
    QFETCH(bool, visible);
    const SkinModel model = filledModel();
    QCOMPARE(model.getWinvisimage(name), visible);
    QCOMPARE(model.getWinvis(name), visible);
}

void TestLookups::updateVectorExtendsEveryRowOfTheName()
{
    SkinModel model = filledModel();
    model.updateVector("D1_JOGFull", "30", "40", "100", "200");
    model.updateVector("D1_JOGFull", "1", "2", "3", "4");
    model.updateVector("D2_SHORT", "a", "b", "c", "d");
    QCOMPARE(model.windows.size(), 7);
    for (int index : {1, 2}) {
        QCOMPARE(model.windows.at(index).size(), 20);
        QCOMPARE(model.windows.at(index).mid(12),
                 QVector<QString>({"30", "40", "100", "200", "1", "2", "3", "4"}));
    }
    QCOMPARE(model.windows.at(4), QVector<QString>({"D2_SHORT", "skin.png", "a", "b", "c", "d"}));
    QCOMPARE(model.windows.at(0).size(), 12);
    QCOMPARE(model.windows.at(5).size(), 0);
}

void TestLookups::groupLookupsDeriveTheModuleKey_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("group");
    QTest::addColumn<bool>("hasGroup");
    QTest::newRow("left deck, first row wins") << "D1_JOGFull" << "1" << true;
    QTest::newRow("bare key") << "JOGFull" << "1" << true;
    QTest::newRow("right deck keeps its prefix") << "D2_JOGFull" << "" << false;
    // hasGroup removes only "D1_", so the mixer key stays "M1_EQ".
    QTest::newRow("first mixer") << "M1_EQ" << "2" << false;
    QTest::newRow("second mixer") << "M2_EQ" << "" << false;
    QTest::newRow("prefix twice") << "D1_FXD1_" << "3" << true;
    QTest::newRow("prefix inside") << "FXM1_" << "3" << false;
    QTest::newRow("D1 first, then M1") << "M1D1__EQ" << "2" << false;
    QTest::newRow("lower-case prefix stays") << "d1_JOGFull" << "" << false;
    QTest::newRow("row without a value") << "NOVALUE" << "" << true;
    QTest::newRow("hasGroup keeps M1_") << "D1_M1_EQ2" << "" << true;
}

void TestLookups::groupLookupsDeriveTheModuleKey()
{
    QFETCH(QString, window);
    QFETCH(QString, group);
    QFETCH(bool, hasGroup);
    const SkinModel model = filledModel();
    const QString original = window;
    QCOMPARE(model.getGroup(window), group);
    QCOMPARE(model.groupnumber(window), group);
    QCOMPARE(model.hasGroup(window), hasGroup);
    QCOMPARE(window, original);
}

void TestLookups::cloneLookupsTakeTheFirstRow_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("clone");
    QTest::newRow("cloned") << "DECKGROUP1" << "1" << true;
    QTest::newRow("first row 0 decides") << "DECKGROUP2" << "0" << false;
    QTest::newRow("only exactly 1") << "DECKGROUP3" << "1.0" << false;
    QTest::newRow("absent") << "DECKGROUP4" << "" << false;
    QTest::newRow("row without a value") << "SCRATCHSimple" << "" << false;
    // isClone drops the prefixes, clonenumber does not.
    QTest::newRow("prefix") << "M1_MIXERGROUP0" << "" << true;
}

void TestLookups::cloneLookupsTakeTheFirstRow()
{
    QFETCH(QString, window);
    QFETCH(QString, number);
    QFETCH(bool, clone);
    const SkinModel model = filledModel();
    QCOMPARE(model.clonenumber(window), number);
    QCOMPARE(model.isClone(window), clone);
}

QTEST_GUILESS_MAIN(TestLookups)
#include "tst_lookups.moc"
