#include <QtTest>

#include "skinmodel/modulevars.h"
#include "skinmodel/skinmodel.h"
#include "support/testsupport.h"

namespace {

const QString demoVariables = QStringLiteral(
    "$TYX_JOGFull=0=1.00000, $TYX_LOOPAutoBasic=0=2.00000, $TYX_LOOPManualBasic=0=2.00000, "
    "$TYX_PITCHFull=0=1.00000, $TYX_PITCHBend=0=1.00000, $TYX_BPMValue=0=1.00000, "
    "$TYX_KEYFull=0=1.00000, $TYX_CUSTOMTwo=0=1.00000, $TYX_DECKGROUP1_clone=0=1.00000, "
    "$TYX_DECKGROUP2_clone=0=1.00000");

TextTable rows(std::initializer_list<QVector<QString>> list)
{
    return TextTable(list);
}

} // namespace

Q_DECLARE_METATYPE(TextTable)
Q_DECLARE_METATYPE(VariableRows)

class TestModuleVars : public QObject
{
    Q_OBJECT
private slots:
    void getglobalvarsFillsGroupAndCloneTables_data();
    void getglobalvarsFillsGroupAndCloneTables();
    void getglobalvarsReadsTheFirstElementOfAHostFile();
    void getglobalvarsAppendsBehindEarlierRows();
    void getglobalvarsLeavesTablesAloneWithoutVariables_data();
    void getglobalvarsLeavesTablesAloneWithoutVariables();
    void splittersSelectTheirItems_data();
    void splittersSelectTheirItems();
    void systemVariablesWriteBackUnchanged();

private:
    QString writeProject(const QString &variables);
    QTemporaryDir dir;
};

QString TestModuleVars::writeProject(const QString &variables)
{
    const QString path = dir.filePath("project.xml");
    const QString text = "<project name=\"p\"><screenwidth>1920</screenwidth>"
                         "<QRNScriptGlobalVariables>" + variables.toHtmlEscaped()
                         + "</QRNScriptGlobalVariables></project>";
    if (!testsupport::writeFile(path, text.toUtf8()))
        qFatal("cannot write the fixture");
    return path;
}

void TestModuleVars::getglobalvarsFillsGroupAndCloneTables_data()
{
    QTest::addColumn<QString>("variables");
    QTest::addColumn<TextTable>("groups");
    QTest::addColumn<TextTable>("clones");

    const TextTable demoGroups = rows({{"JOGFull", "1"}, {"LOOPAutoBasic", "2"}, {"LOOPManualBasic", "2"},
                                       {"PITCHFull", "1"}, {"PITCHBend", "1"}, {"BPMValue", "1"},
                                       {"KEYFull", "1"}, {"CUSTOMTwo", "1"}});
    const TextTable demoClones = rows({{"DECKGROUP1", "1"}, {"DECKGROUP2", "1"}});
    QTest::newRow("demo project, comma and blank") << demoVariables << demoGroups << demoClones;
    QString bare = demoVariables;
    bare.replace(", ", ",");
    QTest::newRow("project file, bare comma") << bare << demoGroups << demoClones;

    QTest::newRow("host variables skipped")
        << "$hostvar=0=4.00000, $TYX_KEYFull=0=3.00000, $other_clone=0=1.00000"
        << rows({{"KEYFull", "3"}}) << TextTable();
    QTest::newRow("value without point, digits after it ignored")
        << "$TYX_A=0=4,$TYX_B=0=2.99999,$TYX_C=0=.5,$TYX_D=0="
        << rows({{"A", "4"}, {"B", "2"}, {"C", ""}, {"D", ""}}) << TextTable();
    QTest::newRow("name without dollar, blanks inside")
        << "TYX_JOGFull=0=1.00000, $ TYX_ KEY Full =0=2.00000"
        << rows({{"JOGFull", "1"}, {"KEYFull", "2"}}) << TextTable();
    QTest::newRow("every occurrence removed")
        << "$TYX_TYX_A_clone_clone=0=1.00000, $$TYX_B$=0=0.00000"
        << rows({{"B", "0"}}) << rows({{"A", "1"}});
    QTest::newRow("zone switches and scratch clones")
        << "$TYX_ZONE5=0=1.00000,$TYX_SCRATCHSimple_clone=0=0.00000,$TYX_MIXERGROUP0_clone=0=1.00000"
        << rows({{"ZONE5", "1"}}) << rows({{"SCRATCHSimple", "0"}, {"MIXERGROUP0", "1"}});
    QTest::newRow("trailing commas and short items skipped")
        << "$TYX_A=0=1.00000,,$TYX_B,$TYX_C=1, ,$TYX_D=0=2.00000,"
        << rows({{"A", "1"}, {"D", "2"}}) << TextTable();
    QTest::newRow("further fields ignored")
        << "$TYX_A=0=3.00000=9" << rows({{"A", "3"}}) << TextTable();
    QTest::newRow("case-sensitive prefix")
        << "$tyx_A=0=1.00000,$TYX_B_Clone=0=1.00000"
        << rows({{"B_Clone", "1"}}) << TextTable();
}

void TestModuleVars::getglobalvarsFillsGroupAndCloneTables()
{
    QFETCH(QString, variables);
    QFETCH(TextTable, groups);
    QFETCH(TextTable, clones);
    SkinModel model;
    model.getglobalvars(writeProject(variables));
    QCOMPARE(model.groupvars, groups);
    QCOMPARE(model.clonevars, clones);
}

void TestModuleVars::getglobalvarsReadsTheFirstElementOfAHostFile()
{
    const QString path = dir.filePath("settings.xml");
    QVERIFY(testsupport::writeFile(path,
        "<settings><options><QRNScriptGlobalVariables>$volume=0=1.00000, $TYX_KEYFull=0=2.00000"
        "</QRNScriptGlobalVariables></options>"
        "<QRNScriptGlobalVariables>$TYX_JOGFull=0=1.00000</QRNScriptGlobalVariables></settings>"));
    SkinModel model;
    model.getglobalvars(path);
    QCOMPARE(model.groupvars, rows({{"KEYFull", "2"}}));
}

void TestModuleVars::getglobalvarsAppendsBehindEarlierRows()
{
    SkinModel model;
    model.groupvars = rows({{"JOGFull", "4"}});
    const QString path = writeProject("$TYX_JOGFull=0=1.00000,$TYX_DECKGROUP1_clone=0=1.00000");
    model.getglobalvars(path);
    model.getglobalvars(path);
    QCOMPARE(model.groupvars, rows({{"JOGFull", "4"}, {"JOGFull", "1"}, {"JOGFull", "1"}}));
    QCOMPARE(model.clonevars, rows({{"DECKGROUP1", "1"}, {"DECKGROUP1", "1"}}));
}

void TestModuleVars::getglobalvarsLeavesTablesAloneWithoutVariables_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("not xml") << QByteArray("$TYX_JOGFull=0=1.00000");
    QTest::newRow("no element") << QByteArray("<project><screenwidth>1920</screenwidth></project>");
    QTest::newRow("empty element") << QByteArray("<project><QRNScriptGlobalVariables/></project>");
}

void TestModuleVars::getglobalvarsLeavesTablesAloneWithoutVariables()
{
    QFETCH(QByteArray, content);
    const QString path = dir.filePath("none.xml");
    QFile::remove(path);
    if (!content.isEmpty())
        QVERIFY(testsupport::writeFile(path, content));
    SkinModel model;
    model.clonevars = rows({{"DECKGROUP0", "1"}});
    model.getglobalvars(path);
    QVERIFY(model.groupvars.isEmpty());
    QCOMPARE(model.clonevars, rows({{"DECKGROUP0", "1"}}));
}

void TestModuleVars::splittersSelectTheirItems_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<VariableRows>("tyx");
    QTest::addColumn<VariableRows>("system");

    QTest::newRow("empty") << "" << VariableRows() << VariableRows();
    QTest::newRow("mixed, comma and blank")
        << "$TYX_JOGFull=0=1.00000, $volume=1=0.50000, $TYX_KEYFull=0=2.00000"
        << VariableRows{{"$TYX_JOGFull", "0", "1.00000"}, {"$TYX_KEYFull", "0", "2.00000"}}
        << VariableRows{{"$volume", "1", "0.50000"}};
    QTest::newRow("blanks only leave the name")
        << " $TYX_KEY Full= 0 = 1.0 "
        << VariableRows{{"$TYX_KEYFull", " 0 ", " 1.0 "}} << VariableRows();
    QTest::newRow("only tyx items") << "$TYX_A=0=1,$TYX_B=0=2"
        << VariableRows{{"$TYX_A", "0", "1"}, {"$TYX_B", "0", "2"}} << VariableRows();
    QTest::newRow("no tyx items") << "$a=0=1"
        << VariableRows() << VariableRows{{"$a", "0", "1"}};
    QTest::newRow("name without dollar is the host's")
        << "TYX_JOGFull=0=1.00000" << VariableRows() << VariableRows{{"TYX_JOGFull", "0", "1.00000"}};
    QTest::newRow("trailing comma and blank item")
        << "$TYX_A=0=1,$a=0=1, ,"
        << VariableRows{{"$TYX_A", "0", "1"}} << VariableRows{{"$a", "0", "1"}};
    QTest::newRow("short items")
        << "$TYX_A,$TYX_B=0,$a,$b=5"
        << VariableRows() << VariableRows{{"$a"}, {"$b", "5"}};
    QTest::newRow("further fields ignored")
        << "$TYX_A=0=1=2,$a=0=1=2"
        << VariableRows{{"$TYX_A", "0", "1"}} << VariableRows{{"$a", "0", "1"}};
}

void TestModuleVars::splittersSelectTheirItems()
{
    QFETCH(QString, text);
    QFETCH(VariableRows, tyx);
    QFETCH(VariableRows, system);
    QCOMPARE(gettyxglobalvars(text), tyx);
    QCOMPARE(getsystemglobalvars(text), system);
}

void TestModuleVars::systemVariablesWriteBackUnchanged()
{
    const QString host = "$volume=0=0.75000,$flag,$pair=1,$TYX_JOGFull=0=1.00000,";
    QStringList written;
    for (const QList<QString> &row : getsystemglobalvars(host))
        written << QStringList(row).join('=');
    QCOMPARE(written.join(','), QString("$volume=0=0.75000,$flag,$pair=1"));
}

QTEST_GUILESS_MAIN(TestModuleVars)
#include "tst_modulevars.moc"
