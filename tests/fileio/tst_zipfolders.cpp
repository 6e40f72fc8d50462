#include <QtTest>

#include "fileio/fileio.h"
#include "fileio/removetree.h"
#include "fileio/zipfolders.h"
#include "support/addressspacelimit.h"
#include "support/filesizelimit.h"
#include "support/skinzip.h"
#include "support/testsupport.h"

namespace {

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

// Bytes that deflate cannot shrink, the same on every run.
QByteArray noise(int size)
{
    QRandomGenerator generator(28);
    QByteArray bytes(size, '\0');
    for (char &byte : bytes)
        byte = char(generator.generate());
    return bytes;
}

} // namespace

using skinzip::Entry;
Q_DECLARE_METATYPE(Entry)

class TestZipFolders : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void roundTripKeepsSubFolders();
    void unpackingTakesOnlyTheSkinFiles();
    void oversizedEntryWritesNothing_data();
    void oversizedEntryWritesNothing();
    void unpackingWithoutSkinXmlFails_data();
    void unpackingWithoutSkinXmlFails();
    void hostileArchiveWritesNothing_data();
    void hostileArchiveWritesNothing();
    void packingReplacesAnExistingArchive();
    void failedPackingKeepsTheExistingArchive_data();
    void failedPackingKeepsTheExistingArchive();
    void packingUsesNoTemporaryFolder_data();
    void packingUsesNoTemporaryFolder();
    void packingHoldsNoArchiveInMemory();

private:
    QScopedPointer<QTemporaryDir> dir;
    QString path(const QString &relative) const { return dir->filePath(relative); }
};

void TestZipFolders::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
}

// Some tests leave paths too long for QTemporaryDir to remove.
void TestZipFolders::cleanup()
{
    QVERIFY(fileio::removetree(dir->path()));
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

    JlCompress::extractDir(path("Skins/Mine.zip"), path("unpacked"));
    QCOMPARE(folderContents(path("unpacked")), files);
}

void TestZipFolders::unpackingTakesOnlyTheSkinFiles()
{
    QList<Entry> entries{{"preview.png", "preview"}, {"skin.png", "png"}, {"icons/skin.xml", "<nested/>"},
                         {"skin.xml", "<skin/>"}, {"extra/big.bin", QByteArray(300000, 'b')}};
    for (int i = 0; i < 2000; ++i)
        entries << Entry{QString("many/%1.txt").arg(i), "x"};
    QVERIFY(skinzip::write(path("Tessary.zip"), entries));
    QString toolarge;
    QVERIFY(DecopressDir(path("Tessary.zip"), path("extracts"), &toolarge));
    QCOMPARE(folderContents(path("extracts")),
             (QMap<QString, QByteArray>{{"skin.xml", "<skin/>"}, {"skin.png", "png"}}));
    QVERIFY(toolarge.isEmpty());
}

void TestZipFolders::oversizedEntryWritesNothing_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<quint32>("declared");      // 0: as written
    QTest::addColumn<QString>("toolarge");

    const quint32 fourgigabytes = 0xf0000000;
    QTest::newRow("skin.xml declares 4 GB") << "skin.xml" << QByteArray("<skin/>") << fourgigabytes << "skin.xml";
    QTest::newRow("skin.png declares 4 GB") << "skin.png" << QByteArray("png") << fourgigabytes << "skin.png";
    QTest::newRow("skin.png holds more than the bound")
        << "skin.png" << QByteArray(int(fileio::skinpicturelimit) + 1, '\0') << quint32(0) << "skin.png";
    // The reader stops at the declared size, and the check sum fails.
    QTest::newRow("skin.png holds more than it declares")
        << "skin.png" << QByteArray(100000, 'p') << quint32(10) << "";
}

void TestZipFolders::oversizedEntryWritesNothing()
{
    QFETCH(QString, entry);
    QFETCH(QByteArray, data);
    QFETCH(quint32, declared);
    QFETCH(QString, toolarge);

    QList<Entry> entries{{"skin.xml", "<skin/>"}, {"skin.png", "png"}};
    for (Entry &file : entries) {
        if (file.name == entry)
            file.data = data;
    }
    QVERIFY(skinzip::write(path("Tessary.zip"), entries));
    if (declared)
        QVERIFY(skinzip::setdeclaredsize(path("Tessary.zip"), entry.toUtf8(), declared));
    QVERIFY(QDir().mkpath(path("extracts")));

    QString refused;
    QVERIFY(!DecopressDir(path("Tessary.zip"), path("extracts"), &refused));
    QCOMPARE(refused, toolarge);
    QVERIFY(folderContents(path("extracts")).isEmpty());
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
    QVERIFY(skinzip::write(path("noskin.zip"), {{"skin.png", "png"}}));
    QVERIFY(skinzip::write(path("nested.zip"), {{"Tessary/skin.xml", "<skin/>"}}));
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
    QVERIFY(skinzip::write(path("hostile.zip"), entries));
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
    QTest::addColumn<QString>("fault");
    QTest::newRow("missing folder") << "Skins/Mine.zip" << "absent" << "";
    QTest::newRow("missing skins folder") << "NoSkins/Mine.zip" << "toexport" << "";
    // The disk fills up while the new archive is written, one byte short.
    QTest::newRow("the archive does not fit") << "Skins/Mine.zip" << "toexport" << "full disk";
    // Packing stops at a file it cannot read, after it packed others.
    QTest::newRow("a file cannot be read") << "Skins/Mine.zip" << "toexport" << "unreadable file";
}

void TestZipFolders::failedPackingKeepsTheExistingArchive()
{
    QFETCH(QString, archive);
    QFETCH(QString, folder);
    QFETCH(QString, fault);
    QVERIFY(QDir().mkpath(path("Skins")));
    QVERIFY(skinzip::write(path("Skins/Mine.zip"), {{"skin.xml", "<older/>"}}));
    const QByteArray older = testsupport::readFile(path("Skins/Mine.zip"));
    QVERIFY(testsupport::writeFile(path("toexport/skin.xml"), "<skin/>"));
    QVERIFY(testsupport::writeFile(path("toexport/a/skin.png"), noise(100000)));
    QScopedPointer<testsupport::FileSizeLimit> full;
    if (fault == "full disk") {
        QVERIFY(CopressDir(path("whole.zip"), path(folder)));
        full.reset(new testsupport::FileSizeLimit(QFileInfo(path("whole.zip")).size() - 1));
        QVERIFY(full->isapplied());
    }
    if (fault == "unreadable file") {
        const QString holder = testsupport::writeFileBeyondPathLimit(path("toexport/z"), "unreadable");
        QVERIFY(!holder.isEmpty());
        QCOMPARE(QDir(holder).entryList(QDir::Files).size(), 1);
        QVERIFY(!QFile(QDir(holder).filePath(QDir(holder).entryList(QDir::Files).at(0))).open(QIODevice::ReadOnly));
    }

    const bool packed = CopressDir(path(archive), path(folder));

    full.reset();
    QVERIFY(!packed);
    QCOMPARE(testsupport::readFile(path("Skins/Mine.zip")), older);
    QCOMPARE(QDir(path("Skins")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList("Mine.zip"));
    QVERIFY(!QFileInfo::exists(path("NoSkins")));
}

// Packing makes nothing in the temporary folder, which other users share,
// so it neither needs one that works nor leaves anything there.
void TestZipFolders::packingUsesNoTemporaryFolder_data()
{
    QTest::addColumn<QString>("tmpdir");
    QTest::addColumn<QString>("made");   // "folder", "read-only" or "file"; empty: missing
    QTest::newRow("empty folder") << "tmp/here" << "folder";
    QTest::newRow("read-only folder") << "tmp/here" << "read-only";
    QTest::newRow("missing folder") << "tmp/here" << "";
    QTest::newRow("a file") << "tmp/here" << "file";
}

void TestZipFolders::packingUsesNoTemporaryFolder()
{
    QFETCH(QString, tmpdir);
    QFETCH(QString, made);
    QVERIFY(QDir().mkpath(path("tmp")));
    if (made == "file")
        QVERIFY(testsupport::writeFile(path(tmpdir), "not a folder"));
    else if (!made.isEmpty())
        QVERIFY(QDir().mkpath(path(tmpdir)));
    if (made == "read-only")
        QVERIFY(QFile::setPermissions(path(tmpdir), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const QStringList before = folderContents(path("tmp")).keys();
    QVERIFY(testsupport::writeFile(path("toexport/skin.xml"), "<skin/>"));
    QVERIFY(testsupport::writeFile(path("toexport/icons/play.png"), "play"));
    QVERIFY(QDir().mkpath(path("Skins")));
    const QByteArray saved = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(path(tmpdir)));

    const bool packed = CopressDir(path("Skins/Mine.zip"), path("toexport"));

    qputenv("TMPDIR", saved);
    QFile::setPermissions(path(tmpdir), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(packed);
    QStringList names = JlCompress::getFileList(path("Skins/Mine.zip")).filter(QRegularExpression("[^/]$"));
    names.sort();
    QCOMPARE(names, QStringList({"icons/play.png", "skin.xml"}));
    QCOMPARE(QDir(path("Skins")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList("Mine.zip"));
    QCOMPARE(QDir(path("tmp")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             made.isEmpty() ? QStringList() : QStringList("here"));
    QCOMPARE(folderContents(path("tmp")).keys(), before);
}

// A skin's picture of noise is as large deflated as it is: packed in memory
// first, the archive would be held whole beside the files.
void TestZipFolders::packingHoldsNoArchiveInMemory()
{
    if (testsupport::hasaddresssanitizer)
        QSKIP("the address sanitizer aborts the process on a failed allocation");
    const int size = 64 << 20;
    QVERIFY(testsupport::writeFile(path("toexport/skin.png"), noise(size)));
    QVERIFY(QDir().mkpath(path("Skins")));
    bool packed = false;
    {
        testsupport::AddressSpaceLimit limit(16 << 20);
        QVERIFY(limit.isapplied());
        packed = CopressDir(path("Skins/Mine.zip"), path("toexport"));
    }
    QVERIFY(packed);
    QCOMPARE(skinzip::entry(path("Skins/Mine.zip"), "skin.png"), noise(size));
}

QTEST_GUILESS_MAIN(TestZipFolders)
#include "tst_zipfolders.moc"
