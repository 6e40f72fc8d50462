#include <QtTest>

#include <JlCompress.h>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

#include "skinmodel/zipfolders.h"
#include "support/testsupport.h"

namespace {

struct Entry
{
    QString name;
    QByteArray data;
    bool symlink = false;
};

// Writes an archive entry by entry, so entry names can be anything a
// hostile archive might carry.
bool writeZip(const QString &path, const QList<Entry> &entries)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdCreate))
        return false;
    for (const Entry &entry : entries) {
        QuaZipNewInfo info(entry.name);
        if (entry.symlink)
            info.externalAttr = quint32(0120777) << 16;   // a Unix symbolic link
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::WriteOnly, info) || file.write(entry.data) != entry.data.size())
            return false;
        file.close();
    }
    zip.close();
    return zip.getZipError() == 0;
}

// Every file below folder, by relative path, with its content.
QMap<QString, QByteArray> folderContents(const QString &folder)
{
    QMap<QString, QByteArray> contents;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        contents.insert(QDir(folder).relativeFilePath(path), testsupport::readFile(path));
    }
    return contents;
}

} // namespace

Q_DECLARE_METATYPE(Entry)

class TestZipFolders : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void roundTripKeepsSubFolders();
    void unpackingPutsEntriesAtTheTopOfTheFolder();
    void unpackingWithoutSkinXmlFails_data();
    void unpackingWithoutSkinXmlFails();
    void hostileArchiveWritesNothing_data();
    void hostileArchiveWritesNothing();
    void packingReplacesAnExistingArchive();
    void failedPackingKeepsTheExistingArchive_data();
    void failedPackingKeepsTheExistingArchive();

private:
    QScopedPointer<QTemporaryDir> dir;
    QString path(const QString &relative) const { return dir->filePath(relative); }
};

void TestZipFolders::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
}

void TestZipFolders::roundTripKeepsSubFolders()
{
    const QMap<QString, QByteArray> files{{"skin.xml", "<skin/>"},
                                          {"skin.png", QByteArray("\x89PNG\0\1\2", 7)},
                                          {"mypreview.png", QByteArray(70000, 'p')},
                                          {"icons/deck/play.png", "play"},
                                          {"icons/stop.png", "stop"}};
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        QVERIFY(testsupport::writeFile(path("toexport/" + it.key()), it.value()));
    QVERIFY(QDir().mkpath(path("Skins")));

    QVERIFY(CopressDir(path("Skins/Mine.zip"), path("toexport")));

    QStringList names = JlCompress::getFileList(path("Skins/Mine.zip"));
    names = names.filter(QRegularExpression("[^/]$"));   // without the folder entries
    names.sort();
    QCOMPARE(names, QStringList({"icons/deck/play.png", "icons/stop.png", "mypreview.png",
                                 "skin.png", "skin.xml"}));

    QVERIFY(DecopressDir(path("Skins/Mine.zip"), path("extracts")));
    QCOMPARE(folderContents(path("extracts")), files);
}

void TestZipFolders::unpackingPutsEntriesAtTheTopOfTheFolder()
{
    QVERIFY(writeZip(path("Tessary.zip"),
                     {{"skin.xml", "<skin/>"}, {"skin.png", "png"}, {"preview.png", "preview"}}));
    QVERIFY(DecopressDir(path("Tessary.zip"), path("extracts")));
    QCOMPARE(folderContents(path("extracts")),
             (QMap<QString, QByteArray>{{"skin.xml", "<skin/>"}, {"skin.png", "png"}, {"preview.png", "preview"}}));
}

void TestZipFolders::unpackingWithoutSkinXmlFails_data()
{
    QTest::addColumn<QString>("archive");
    QTest::newRow("missing archive") << "absent.zip";
    QTest::newRow("not an archive") << "garbage.zip";
    QTest::newRow("no skin.xml") << "noskin.zip";
    QTest::newRow("skin.xml only in a sub-folder") << "nested.zip";
}

void TestZipFolders::unpackingWithoutSkinXmlFails()
{
    QFETCH(QString, archive);
    QVERIFY(testsupport::writeFile(path("garbage.zip"), "this is not a zip file"));
    QVERIFY(writeZip(path("noskin.zip"), {{"skin.png", "png"}}));
    QVERIFY(writeZip(path("nested.zip"), {{"Tessary/skin.xml", "<skin/>"}}));
    // A skin.xml left over from an earlier run does not count as unpacked.
    QVERIFY(testsupport::writeFile(path("extracts/skin.xml"), "<old/>"));
    QVERIFY(!DecopressDir(path(archive), path("extracts")));
}

void TestZipFolders::hostileArchiveWritesNothing_data()
{
    QTest::addColumn<QList<Entry>>("entries");
    const Entry skin{"skin.xml", "<skin/>"};
    QTest::newRow("climbs out") << QList<Entry>{skin, {"../evil.txt", "x"}};
    QTest::newRow("climbs out from a sub-folder") << QList<Entry>{skin, {"sub/../../evil.txt", "x"}};
    QTest::newRow("climbs out with backslashes") << QList<Entry>{skin, {"..\\evil.txt", "x"}};
    QTest::newRow("absolute path") << QList<Entry>{skin, {path("evil.txt"), "x"}};
    QTest::newRow("drive letter") << QList<Entry>{skin, {"C:evil.txt", "x"}};
    QTest::newRow("symbolic link") << QList<Entry>{skin, {"link", "..", true}, {"link/evil.txt", "x"}};
}

void TestZipFolders::hostileArchiveWritesNothing()
{
    QFETCH(QList<Entry>, entries);
    QVERIFY(writeZip(path("hostile.zip"), entries));
    QVERIFY(QDir().mkpath(path("work/extracts")));

    QVERIFY(!DecopressDir(path("hostile.zip"), path("work/extracts")));

    QVERIFY(folderContents(path("work")).isEmpty());
    QVERIFY(!QFileInfo::exists(path("evil.txt")));
    QVERIFY(!QFileInfo::exists(path("work/evil.txt")));
    QVERIFY(!QFileInfo::exists(path("work/extracts/link")));
}

void TestZipFolders::packingReplacesAnExistingArchive()
{
    QVERIFY(testsupport::writeFile(path("Skins/Mine.zip"), "an older skin"));
    QVERIFY(testsupport::writeFile(path("toexport/skin.xml"), "<skin/>"));
    QVERIFY(CopressDir(path("Skins/Mine.zip"), path("toexport")));
    QCOMPARE(JlCompress::getFileList(path("Skins/Mine.zip")), QStringList("skin.xml"));
    QCOMPARE(QDir(path("Skins")).entryList(QDir::Files | QDir::Hidden), QStringList("Mine.zip"));
}

void TestZipFolders::failedPackingKeepsTheExistingArchive_data()
{
    QTest::addColumn<QString>("archive");
    QTest::addColumn<QString>("folder");
    QTest::newRow("missing folder") << "Skins/Mine.zip" << "absent";
    QTest::newRow("missing skins folder") << "NoSkins/Mine.zip" << "toexport";
}

void TestZipFolders::failedPackingKeepsTheExistingArchive()
{
    QFETCH(QString, archive);
    QFETCH(QString, folder);
    QVERIFY(testsupport::writeFile(path("Skins/Mine.zip"), "an older skin"));
    QVERIFY(testsupport::writeFile(path("toexport/skin.xml"), "<skin/>"));
    QVERIFY(!CopressDir(path(archive), path(folder)));
    QCOMPARE(testsupport::readFile(path("Skins/Mine.zip")), QByteArray("an older skin"));
    QVERIFY(!QFileInfo::exists(path("NoSkins")));
}

QTEST_GUILESS_MAIN(TestZipFolders)
#include "tst_zipfolders.moc"
