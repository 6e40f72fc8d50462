#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include "app/displayoptions.h"
#include "app/statusrules.h"
#include "app/workfolders.h"
#include "app/zonecontrols.h"
#include "support/testsupport.h"

class TestStartupRules : public QObject
{
    Q_OBJECT
private slots:
    void optionIndex_data();
    void optionIndex();
    void checkedOption_data();
    void checkedOption();
    void browserImagePath();
    void windowTitle_data();
    void windowTitle();
    void statusText();
    void createButtonStyle();
    void zoneControls_data();
    void zoneControls();
    void workFoldersCreatedWithParents();
    void scratchFoldersRemovedOthersKept();
    void leftoversRemovedAtStart();
    void installMissing();
};

void TestStartupRules::optionIndex_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("index");
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("1") << "1" << 1;
    QTest::newRow("2") << "2" << 2;
    QTest::newRow("out of range") << "7" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("text") << "dark" << 0;
    QTest::newRow("padded") << " 1" << 0;
}

void TestStartupRules::optionIndex()
{
    QFETCH(QString, value);
    QFETCH(int, index);
    QCOMPARE(displayoptions::optionindex(value), index);
}

void TestStartupRules::checkedOption_data()
{
    QTest::addColumn<bool>("first");
    QTest::addColumn<bool>("second");
    QTest::addColumn<bool>("third");
    QTest::addColumn<int>("option");
    QTest::newRow("first") << true << false << false << 0;
    QTest::newRow("second") << false << true << false << 1;
    QTest::newRow("third") << false << false << true << 2;
    QTest::newRow("none") << false << false << false << 0;
    QTest::newRow("first wins") << true << false << true << 0;
}

void TestStartupRules::checkedOption()
{
    QFETCH(bool, first);
    QFETCH(bool, second);
    QFETCH(bool, third);
    QFETCH(int, option);
    QCOMPARE(displayoptions::checkedoption(first, second, third), option);
}

void TestStartupRules::browserImagePath()
{
    QCOMPARE(displayoptions::browserimagepath(0, 0), QString("://Resources/browser_0_0.png"));
    QCOMPARE(displayoptions::browserimagepath(2, 1), QString("://Resources/browser_2_1.png"));
}

void TestStartupRules::windowTitle_data()
{
    QTest::addColumn<QString>("projectname");
    QTest::addColumn<QString>("title");
    QTest::newRow("Default") << "Default" << "Tessary Extractor - Default (from Quorvelin settings)";
    QTest::newRow("first-run default") << "Default (from Quorvelin settings)"
                                       << "Tessary Extractor - Default (from Quorvelin settings)";
    QTest::newRow("filled-in default") << "Default (from Quorvelin Settings)"
                                       << "Tessary Extractor - Default (from Quorvelin Settings)";
    QTest::newRow("demo") << "Demo 2" << "Tessary Extractor - Demo 2";
    QTest::newRow("case matters") << "default" << "Tessary Extractor - default";
}

void TestStartupRules::windowTitle()
{
    QFETCH(QString, projectname);
    QFETCH(QString, title);
    QCOMPARE(statusrules::windowtitle("Tessary Extractor", projectname), title);
}

void TestStartupRules::statusText()
{
    const QString link = QString("!!! <a href=\"%1\">Tessary</a> skin not detected !!!").arg(statusrules::tessarypage);
    QCOMPARE(statusrules::statustext(false, false, "Tessary"), link);
    QCOMPARE(statusrules::statustext(false, true, "Tessary"), link);
    QCOMPARE(statusrules::statustext(true, false, "Tessary"),
             QString("Quorvelin settings not detected. Make sure Quorvelin is installed or change its folder from Settings"));
    QCOMPARE(statusrules::statustext(true, true, "Tessary"), QString());
    QVERIFY(QUrl(statusrules::tessarypage).host().endsWith("example.com"));
    // A name from the settings file must not break the markup.
    QVERIFY(statusrules::statustext(false, true, "A<b>&").contains(">A&lt;b&gt;&amp;</a>"));
}

void TestStartupRules::createButtonStyle()
{
    QCOMPARE(statusrules::createbuttonstyle(""), QString("color: rgb(150, 150,150)"));
    QCOMPARE(statusrules::createbuttonstyle("x"), QString("color: rgb(0, 0,0)"));
}

void TestStartupRules::zoneControls_data()
{
    QTest::addColumn<QVector<bool>>("inFile");
    QTest::addColumn<QVector<bool>>("enabled");
    const bool o = false, X = true;
    QTest::newRow("none shown") << QVector<bool>(8, o) << QVector<bool>(9, o);
    QTest::newRow("demo 1: 1, 5-L, 6-L")
        << QVector<bool>{X, o, o, o, X, o, X, o} << QVector<bool>{X, o, o, o, X, X, X, X, X};
    QTest::newRow("right zone alone")
        << QVector<bool>{o, o, o, o, o, X, o, o} << QVector<bool>{o, o, o, o, o, X, o, o, X};
    QTest::newRow("zone 4 only")
        << QVector<bool>{o, o, o, X, o, o, o, o} << QVector<bool>{o, o, o, X, o, o, o, o, X};
    QTest::newRow("short table") << QVector<bool>{X} << QVector<bool>{X, o, o, o, o, o, o, o, X};
}

void TestStartupRules::zoneControls()
{
    QFETCH(QVector<bool>, inFile);
    QFETCH(QVector<bool>, enabled);
    QCOMPARE(zonecontrols::enabledrows(inFile), enabled);
    QCOMPARE(zonecontrols::widgetnames().size(), enabled.size());
}

void TestStartupRules::workFoldersCreatedWithParents()
{
    QTemporaryDir dir;
    const QString workdir = dir.filePath("no/Documents/TYX");
    workfolders::create(workdir);
    for (const QString &folder : workfolders::all(workdir))
        QVERIFY2(QFileInfo(folder).isDir(), qPrintable(folder));
    QCOMPARE(workfolders::all(workdir).size(), 6);
}

void TestStartupRules::scratchFoldersRemovedOthersKept()
{
    QTemporaryDir dir;
    const QString workdir = dir.filePath("TYX");
    workfolders::create(workdir);
    QVERIFY(testsupport::writeFile(workdir + "/extracts/deep/skin.xml", "<skin/>"));
    QVERIFY(testsupport::writeFile(workdir + "/profiles/mine.tycp", "a,#000000\r\n"));
    // Links, in a scratch folder and in place of one, to the user's files.
    QVERIFY(testsupport::writeFile(dir.filePath("elsewhere/mine.txt"), "the user's own"));
    const QByteArray elsewhere = QFile::encodeName(dir.filePath("elsewhere"));
    QCOMPARE(symlink(elsewhere.constData(), QFile::encodeName(workdir + "/skin/link").constData()), 0);
    QVERIFY(QDir(workdir + "/toexport").removeRecursively());
    QCOMPARE(symlink(elsewhere.constData(), QFile::encodeName(workdir + "/toexport").constData()), 0);

    workfolders::removescratch(workdir);

    QVERIFY(!QFileInfo::exists(workdir + "/extracts"));
    QVERIFY(!QFileInfo::exists(workdir + "/skin"));
    QVERIFY(QFileInfo(workdir + "/toexport").isSymLink());
    QCOMPARE(testsupport::readFile(dir.filePath("elsewhere/mine.txt")), QByteArray("the user's own"));
    QVERIFY(QFileInfo::exists(workdir + "/profiles/mine.tycp"));
    QVERIFY(QFileInfo(workdir + "/projects").isDir());
}

// What a killed job left is only ever in the work folder's scratch
// folders. The temporary folder is shared with other users, who may plant
// anything there, including what looks like this program's old packing
// scratch: start-up leaves all of it alone and never opens any of it.
void TestStartupRules::leftoversRemovedAtStart()
{
    QTemporaryDir dir;
    const QString workdir = dir.filePath("TYX");
    workfolders::create(workdir);
    QVERIFY(testsupport::writeFile(workdir + "/toexport/skin.png", "half a sheet"));
    QVERIFY(testsupport::writeFile(workdir + "/extracts/icons/.hidden", "unpacked"));
    QVERIFY(testsupport::writeFile(workdir + "/projects/mine.xml", "<project/>"));

    const testsupport::OwnTempFolder tmp(dir.filePath("tmp"));
    const QString pack = dir.filePath("tmp/") + QCoreApplication::applicationName() + "-pack-";
    QVERIFY(testsupport::makeKilledScratch(pack + "Ab12Cd"));
    QVERIFY(testsupport::writeFile(pack + "backup/skin.zip", "PK kept"));
    const qint64 longago = QDateTime::currentDateTime().addSecs(-3600).toSecsSinceEpoch();
    const struct utimbuf times{longago, longago};
    QCOMPARE(utime(QFile::encodeName(pack + "backup").constData(), &times), 0);
    QVERIFY(testsupport::writeFile(pack + "Fifo12/packed.zip", "PK half a zip"));
    QCOMPARE(mkfifo(QFile::encodeName(pack + "Fifo12/lock").constData(), 0600), 0);
    QVERIFY(testsupport::writeFile(dir.filePath("victim/mine.txt"), "the user's own"));
    QCOMPARE(symlink(QFile::encodeName(dir.filePath("victim")).constData(),
                     QFile::encodeName(pack + "Link12").constData()), 0);
    const auto everything = [&] {
        QStringList entries;
        QDirIterator it(dir.filePath("tmp"), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            entries << it.next();
        entries.sort();
        return entries;
    };
    const QStringList planted = everything();
    QCOMPARE(planted.size(), 9);

    workfolders::removeleftovers(workdir);

    QVERIFY(!QFileInfo::exists(workdir + "/toexport"));
    QVERIFY(!QFileInfo::exists(workdir + "/extracts"));
    QVERIFY(QFileInfo::exists(workdir + "/projects/mine.xml"));
    QCOMPARE(everything(), planted);
    QCOMPARE(testsupport::readFile(pack + "backup/skin.zip"), QByteArray("PK kept"));
    QCOMPARE(testsupport::readFile(dir.filePath("victim/mine.txt")), QByteArray("the user's own"));
}

void TestStartupRules::installMissing()
{
    QTemporaryDir dir;
    const QString source = dir.filePath("source.zip");
    QVERIFY(testsupport::writeFile(source, "PK built-in"));
    QFile::setPermissions(source, QFileDevice::ReadOwner | QFileDevice::ReadUser);

    // Installed as an ordinary writable file.
    const QString target = dir.filePath("Skins/Tessary.zip");
    QVERIFY(QDir().mkpath(dir.filePath("Skins")));
    QVERIFY(workfolders::installmissing(source, target));
    QCOMPARE(testsupport::readFile(target), QByteArray("PK built-in"));
    QVERIFY(QFile::permissions(target) & QFileDevice::WriteOwner);

    // An existing file is never replaced.
    QVERIFY(testsupport::writeFile(target, "PK the user's own"));
    QVERIFY(!workfolders::installmissing(source, target));
    QCOMPARE(testsupport::readFile(target), QByteArray("PK the user's own"));

    // No skins folder, or nothing to copy: nothing appears.
    QVERIFY(!workfolders::installmissing(source, dir.filePath("NoHost/Skins/Tessary.zip")));
    QVERIFY(!QFileInfo::exists(dir.filePath("NoHost")));
    QVERIFY(!workfolders::installmissing(dir.filePath("none.zip"), dir.filePath("Skins/Other.zip")));
    QVERIFY(!QFileInfo::exists(dir.filePath("Skins/Other.zip")));
    QVERIFY(!workfolders::installmissing(":/Resources/no-such-resource.zip", dir.filePath("Skins/Other.zip")));
    QVERIFY(!QFileInfo::exists(dir.filePath("Skins/Other.zip")));
}

QTEST_GUILESS_MAIN(TestStartupRules)
#include "tst_startuprules.moc"
