#include <QtTest>

#include "app/toolsettings.h"
#include "support/testsupport.h"

using toolsettings::SettingsMap;

class TestToolSettings : public QObject
{
    Q_OBJECT
private slots:
    void parseReadsLines_data();
    void parseReadsLines();
    void valueStaysOnItsLine_data();
    void valueStaysOnItsLine();
    void defaultsAreTheFirstRunFile();
    void saveOrderWritesEveryKeyOnce();
    void writeAndReadRoundTrip();
    void writeFailureKeepsOldFile();
    void readMissingFileGivesNothing();
    void fillMissingOnlyAbsentKeys();
    void fillMissingKeepsEmptyValues();
    void unusableTessaryNameFallsBack_data();
    void unusableTessaryNameFallsBack();
};

void TestToolSettings::parseReadsLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<SettingsMap>("expected");

    const SettingsMap two{{"tyname", "Tessary"}, {"maintab", "3"}};
    QTest::newRow("CR LF") << QByteArray("tyname,Tessary\r\nmaintab,3\r\n") << two;
    QTest::newRow("LF") << QByteArray("tyname,Tessary\nmaintab,3\n") << two;
    QTest::newRow("mixed, no final line end") << QByteArray("tyname,Tessary\r\nmaintab,3") << two;
    QTest::newRow("CR alone") << QByteArray("tyname,Tessary\rmaintab,3\r") << two;
    QTest::newRow("CR alone, no final line end") << QByteArray("tyname,Tessary\rmaintab,3") << two;
    QTest::newRow("later duplicate wins")
        << QByteArray("tyname,First\r\ntyname,Second\r\n") << SettingsMap{{"tyname", "Second"}};
    QTest::newRow("line without comma skipped")
        << QByteArray("tyname,Tessary\r\n\r\njunk\r\nmaintab,3\r\n") << two;
    QTest::newRow("value keeps its commas")
        << QByteArray("qrnfolder,C:/Host,Folder/x\r\nskinname,Kit, Deluxe\r\n")
        << SettingsMap{{"qrnfolder", "C:/Host,Folder/x"}, {"skinname", "Kit, Deluxe"}};
    QTest::newRow("empty value is present")
        << QByteArray("colorprofile,\r\n") << SettingsMap{{"colorprofile", ""}};
    QTest::newRow("UTF-8 value")
        << QByteArray("skinname,M\xc3\xbc" "ller Skin\r\n") << SettingsMap{{"skinname", QString::fromUtf8("M\xc3\xbcller Skin")}};
    QTest::newRow("byte-order mark dropped")
        << QByteArray("\xef\xbb\xbftyname,Tessary\r\n") << SettingsMap{{"tyname", "Tessary"}};
    QTest::newRow("empty file") << QByteArray() << SettingsMap();
}

void TestToolSettings::parseReadsLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(SettingsMap, expected);
    QCOMPARE(toolsettings::parse(bytes), expected);
}

void TestToolSettings::valueStaysOnItsLine_data()
{
    QTest::addColumn<QString>("skinname");
    QTest::addColumn<QString>("written");

    // A pasted name must not smuggle in a setting of its own.
    QTest::newRow("LF") << "Kit\nqrnfolder,/elsewhere" << "Kit qrnfolder,/elsewhere";
    QTest::newRow("CR LF") << "Kit\r\nqrnfolder,/elsewhere" << "Kit  qrnfolder,/elsewhere";
    QTest::newRow("CR") << "Kit\rqrnfolder,/elsewhere" << "Kit qrnfolder,/elsewhere";
    QTest::newRow("commas") << "Kit, Deluxe,,x" << "Kit, Deluxe,,x";
}

void TestToolSettings::valueStaysOnItsLine()
{
    QFETCH(QString, skinname);
    QFETCH(QString, written);
    const toolsettings::Entries entries{{"qrnfolder", "/host"}, {"skinname", skinname}, {"tyname", "Tessary"}};

    const QByteArray bytes = toolsettings::format(entries);
    QCOMPARE(bytes, "qrnfolder,/host\r\nskinname," + written.toUtf8() + "\r\ntyname,Tessary\r\n");
    QCOMPARE(toolsettings::parse(bytes),
             (SettingsMap{{"qrnfolder", "/host"}, {"skinname", written}, {"tyname", "Tessary"}}));
}

void TestToolSettings::defaultsAreTheFirstRunFile()
{
    const QByteArray expected =
        "qrnfolder,/home/u/Documents/Quorvelin\r\n"
        "tyname,Tessary\r\n"
        "colorprofile,last_used\r\n"
        "gradience,0\r\n"
        "colorprofilepath,/home/u/Documents/TYX/profiles/last_used.tycp\r\n"
        "projectname,Default (from Quorvelin settings)\r\n"
        "projectpath,/home/u/Documents/Quorvelin/settings.xml\r\n"
        "skinname,My Skin\r\n"
        "maintab,0\r\nbuttonstab,0\r\ndropstab,0\r\nfaderstab,0\r\njogstab,0\r\n"
        "vustab,0\r\nwavestab,0\r\ntextstab,0\r\nknobstab,0\r\n"
        "browseroption,0\r\niconoption,0\r\n";
    QCOMPARE(toolsettings::format(toolsettings::defaults("/home/u/Documents", "/home/u/Documents/TYX/profiles")),
             expected);
}

void TestToolSettings::saveOrderWritesEveryKeyOnce()
{
    const QStringList &save = toolsettings::saveorder();
    QCOMPARE(save.size(), 19);
    QCOMPARE(save.mid(0, 8), (QStringList{"qrnfolder", "colorprofile", "colorprofilepath", "projectname",
                                          "projectpath", "gradience", "skinname", "tyname"}));
    QStringList sortedSave = save, sortedInit = toolsettings::initorder();
    sortedSave.sort();
    sortedInit.sort();
    QCOMPARE(sortedSave, sortedInit);

    // Keys the map lacks are written empty; keys beyond the 19 are dropped.
    const SettingsMap values{{"tyname", "Mine"}, {"stray", "x"}};
    const QByteArray bytes = toolsettings::format(toolsettings::ordered(save, values));
    QVERIFY(bytes.startsWith("qrnfolder,\r\ncolorprofile,\r\n"));
    QVERIFY(bytes.contains("\r\ntyname,Mine\r\n"));
    QVERIFY(!bytes.contains("stray"));
    QCOMPARE(bytes.count("\r\n"), 19);
}

void TestToolSettings::writeAndReadRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.tyx");
    QVERIFY(testsupport::writeFile(path, "old contents that are longer than the new ones\r\n"));

    const toolsettings::Entries entries = toolsettings::defaults(QString::fromUtf8("/home/J\xc3\xb6rg/Documents"), "/p");
    QVERIFY(toolsettings::write(path, entries));
    QCOMPARE(testsupport::readFile(path), toolsettings::format(entries));

    SettingsMap expected;
    for (const auto &entry : entries)
        expected.insert(entry.first, entry.second);
    QCOMPARE(toolsettings::read(path), expected);
}

void TestToolSettings::writeFailureKeepsOldFile()
{
    QTemporaryDir dir;
    QVERIFY(!toolsettings::write(dir.filePath("missing/settings.tyx"), toolsettings::defaults("/d", "/p")));
    QVERIFY(!QFileInfo::exists(dir.filePath("missing")));
}

void TestToolSettings::readMissingFileGivesNothing()
{
    QTemporaryDir dir;
    QVERIFY(toolsettings::read(dir.filePath("none.tyx")).isEmpty());
}

void TestToolSettings::fillMissingOnlyAbsentKeys()
{
    SettingsMap settings{{"qrnfolder", "/host"}};
    toolsettings::fillmissing(settings, "/docs");
    const SettingsMap expected{{"qrnfolder", "/host"},
                               {"projectname", "Default (from Quorvelin Settings)"},
                               {"projectpath", "/host/settings.xml"},
                               {"tyname", "Tessary"},
                               {"gradience", "0"}};
    QCOMPARE(settings, expected);

    SettingsMap none;
    toolsettings::fillmissing(none, "/docs");
    QCOMPARE(none.value("qrnfolder"), QString("/docs/Quorvelin"));
    QCOMPARE(none.value("projectpath"), QString("/docs/Quorvelin/settings.xml"));
    QVERIFY(!none.contains("colorprofile"));
    QVERIFY(!none.contains("skinname"));
}

void TestToolSettings::fillMissingKeepsEmptyValues()
{
    SettingsMap settings{{"qrnfolder", ""}, {"gradience", "1"}};
    toolsettings::fillmissing(settings, "/docs");
    QCOMPARE(settings.value("qrnfolder"), QString());
    QCOMPARE(settings.value("gradience"), QString("1"));
    QCOMPARE(settings.value("projectpath"), QString("/settings.xml"));
}

void TestToolSettings::unusableTessaryNameFallsBack_data()
{
    QTest::addColumn<QString>("tyname");
    QTest::addColumn<QString>("expected");

    const QString fallback = QStringLiteral("Tessary");
    QTest::newRow("renamed") << "My Modular" << "My Modular";
    QTest::newRow("dots inside") << "Tessary.v2" << "Tessary.v2";
    // Each of these would install or look for the zip somewhere else than
    // "<name>.zip" in the skins folder, or under a name Windows refuses.
    QTest::newRow("path out of the skins folder") << "../../../x" << fallback;
    QTest::newRow("absolute path") << "/tmp/x" << fallback;
    QTest::newRow("empty") << "" << fallback;
    QTest::newRow("blanks") << "   " << fallback;
    QTest::newRow("control character") << QString("Tess") + QChar(0x07) + "ary" << fallback;
    QTest::newRow("right-to-left override") << QString("Tess") + QChar(0x202E) + "ary" << fallback;
    QTest::newRow("device name") << "CON" << fallback;
    QTest::newRow("device name with extension") << "lpt1.skin" << fallback;
    QTest::newRow("trailing dot") << "Tessary." << fallback;
}

void TestToolSettings::unusableTessaryNameFallsBack()
{
    QFETCH(QString, tyname);
    QFETCH(QString, expected);
    SettingsMap settings{{"tyname", tyname}};
    toolsettings::fillmissing(settings, "/docs");
    QCOMPARE(settings.value("tyname"), expected);
}

QTEST_GUILESS_MAIN(TestToolSettings)
#include "tst_toolsettings.moc"
