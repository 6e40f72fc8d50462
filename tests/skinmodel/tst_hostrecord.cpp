#include <QtTest>

#include "skinmodel/hostrecord.h"
#include "support/testsupport.h"

namespace {

// A host settings file: the record sits below the host's own elements.
const char *hostSettings = R"(<?xml version="1.0" encoding="UTF-8"?>
<settings>
 <options>
  <screenwidth>wide</screenwidth>
  <QRNScriptGlobalVariables>$TYX_JOGFull=0=1.00000, $hostvar=0=3.00000</QRNScriptGlobalVariables>
 </options>
 <skins>
  <skinWindows>
   <window name="Other:skin"><idx3 visible="yes" x="1" y="1" width="1" height="1"/></window>
   <window name="Tessary:skin">
    <idx2 visible="yes" x="8" y="184" width="893" height="229"/>
    <!-- a comment is no entry -->
    <idx208 visible="Yes" x="-4" y="5" width="6" height="7"/>
    <idx007 visible="yes" y="30"/>
    <idx visible="yes" x="9"/>
   </window>
   <window name="tessary:skin"><idx4 visible="yes"/></window>
   <window name="Tessary"><idx4 visible="yes"/></window>
   <windows name="Tessary:skin"><idx4 visible="yes"/></windows>
   <window name="Tessary:browser"><idx2 visible="no" x="77"/><idx9 visible="yes" x="99"/></window>
  </skinWindows>
 </skins>
 <skinWindows><window name="Tessary:skin"><idx50 visible="yes"/></window></skinWindows>
 <screenwidth>1280</screenwidth>
</settings>
)";

} // namespace

class TestHostRecord : public QObject
{
    Q_OBJECT
private slots:
    void missingFileReadsAsEmpty();
    void brokenFileKeepsWhatWasReadBeforeTheFault();
    void elementsAreTheFirstOfTheirTagAnywhere();
    void entriesComeFromTheSkinsRecordWindowsOnly();
    void entryTakesTheFirstOfItsNumber();
    void entryWithoutPlacementIsHiddenAtZero();

private:
    QString writeRecord(const QByteArray &text);
    QTemporaryDir dir;
};

QString TestHostRecord::writeRecord(const QByteArray &text)
{
    const QString path = dir.filePath("settings.xml");
    if (!testsupport::writeFile(path, text))
        qFatal("cannot write the fixture");
    return path;
}

void TestHostRecord::missingFileReadsAsEmpty()
{
    const HostRecord record(dir.filePath("absent.xml"));
    QVERIFY(record.firstelement("screenwidth").isNull());
    QCOMPARE(record.intelement("screenwidth", 1920), 1920);
    QCOMPARE(record.variablestext(), QString());
    QVERIFY(!record.hasrecordchildren());
    QVERIFY(record.entries("Tessary").isEmpty());
}

void TestHostRecord::brokenFileKeepsWhatWasReadBeforeTheFault()
{
    const HostRecord record(writeRecord(
        "<project><screenwidth>1600</screenwidth><skinWindows>"
        "<window name=\"Tessary:skin\"><idx5 visible=\"yes\"/><idx6 <oops"));
    QCOMPARE(record.intelement("screenwidth", 0), 1600);
    const QVector<RecordEntry> entries = record.entries("Tessary");
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.at(0).number, 5);
}

void TestHostRecord::elementsAreTheFirstOfTheirTagAnywhere()
{
    const HostRecord record(writeRecord(hostSettings));
    // The first screenwidth holds no number: it reads as 0, not as the
    // absent default and not as the later 1280.
    QCOMPARE(record.intelement("screenwidth", 1920), 0);
    QCOMPARE(record.intelement("screenheight", 1080), 1080);
    QCOMPARE(record.variablestext(), QString("$TYX_JOGFull=0=1.00000, $hostvar=0=3.00000"));
    QVERIFY(record.hasrecordchildren());

    const HostRecord empty(writeRecord("<project><skinWindows/><skinWindows><window/></skinWindows></project>"));
    QVERIFY(!empty.hasrecordchildren());
}

void TestHostRecord::entriesComeFromTheSkinsRecordWindowsOnly()
{
    const HostRecord record(writeRecord(hostSettings));
    QCOMPARE(record.skinwindows("Tessary").size(), 2);

    const QVector<RecordEntry> entries = record.entries("Tessary");
    QCOMPARE(entries.size(), 6);

    QCOMPARE(entries.at(0).number, 2);
    QVERIFY(entries.at(0).visible);
    QCOMPARE(entries.at(0).x, QString("8"));
    QCOMPARE(entries.at(0).y, QString("184"));
    QCOMPARE(entries.at(0).width, QString("893"));
    QCOMPARE(entries.at(0).height, QString("229"));

    QCOMPARE(entries.at(1).number, 208);
    QVERIFY(!entries.at(1).visible);   // only "yes" shows a window
    QCOMPARE(entries.at(1).x, QString("-4"));

    QCOMPARE(entries.at(2).number, 7);  // leading zeros do not matter
    QCOMPARE(entries.at(2).x, QString("0"));
    QCOMPARE(entries.at(2).y, QString("30"));
    QCOMPARE(entries.at(2).height, QString("0"));

    QCOMPARE(entries.at(3).number, 0);  // "idx" alone carries no number

    QCOMPARE(entries.at(4).number, 2);  // from "Tessary:browser"
    QCOMPARE(entries.at(5).number, 9);

    // Another skin's name, other letter case and a name without the colon
    // are not the Tessary skin's record.
    QCOMPARE(record.entries("Other").size(), 1);
    QVERIFY(record.entries("tessary").size() == 1);
}

void TestHostRecord::entryTakesTheFirstOfItsNumber()
{
    const HostRecord record(writeRecord(hostSettings));
    const RecordEntry second = record.entry(2, "Tessary");
    QVERIFY(second.visible);
    QCOMPARE(second.x, QString("8"));
    QCOMPARE(record.entry(9, "Tessary").x, QString("99"));
    // The second skinWindows element is never read.
    QVERIFY(!record.entry(50, "Tessary").visible);
}

void TestHostRecord::entryWithoutPlacementIsHiddenAtZero()
{
    const HostRecord record(writeRecord(hostSettings));
    const RecordEntry none = record.entry(4, "Tessary");
    QCOMPARE(none.number, 4);
    QVERIFY(!none.visible);
    QCOMPARE(QStringList({none.x, none.y, none.width, none.height}),
             QStringList({"0", "0", "0", "0"}));
}

QTEST_GUILESS_MAIN(TestHostRecord)
#include "tst_hostrecord.moc"
