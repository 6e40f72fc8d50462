// A run whose scratch folders cannot be made afresh stops before it writes
// anything, and its message names the folder and says why, so that the user
// can mend it. The folder is never written through nor emptied of what is
// not the user's.
#include <QtTest>

#include <cerrno>

#include "app/createskinjob.h"
#include "support/fixtureskin.h"
#include "support/headlessjob.h"
#include "support/testsupport.h"

class TestScratchFolders : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void namesTheFolderAndTheReason_data();
    void namesTheFolderAndTheReason();

private:
    QTemporaryDir m_files;
};

void TestScratchFolders::initTestCase()
{
    QVERIFY(fixtureskin::writezip(m_files.filePath("fixture.zip")));
}

void TestScratchFolders::namesTheFolderAndTheReason_data()
{
    QTest::addColumn<QString>("folder");   // skin, extracts or toexport
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("reason");   // %1: the folder's full path

    const QString link = QStringLiteral("%1 is a link; remove it, and the tool makes the folder anew.");
    for (const char *folder : {"skin", "extracts", "toexport"})
        QTest::addRow("link in place of %s", folder) << folder << "link" << link;
    QTest::newRow("file in place of extracts")
        << "extracts" << "file" << "%1 is not a folder; remove it, and the tool makes the folder anew.";
    QTest::newRow("another user's folder") << "toexport" << "theirs" << "%1 belongs to another user.";
    QTest::newRow("another user's file inside")
        << "extracts" << "theirs inside" << "%1 holds %1/theirs.txt, which belongs to another user.";
    QTest::newRow("nested 300 deep") << "toexport" << "deep" << "%1 nests deeper than the tool removes.";
    QTest::newRow("a folder inside that can be listed but not entered")
        << "skin" << "locked inside" << "%1 could not be removed: %1/locked/inner.txt could not be deleted.";
    // The work folder itself is broken: the first scratch folder says so.
    QTest::newRow("work folder is a file") << "skin" << "work file" << "%1 could not be removed.";
    QTest::newRow("work folder is a dangling link")
        << "skin" << "work link" << "%1 could not be created: " + qt_error_string(ENOENT) + ".";
}

void TestScratchFolders::namesTheFolderAndTheReason()
{
    QFETCH(QString, folder);
    QFETCH(QString, setup);
    QFETCH(QString, reason);
    HeadlessJob rig(m_files.filePath("fixture.zip"), QStringLiteral("Mine"), 1920, 1080);
    CreateSkinJob job(rig.model, rig.paths, rig.steps());
    job.makefolders();
    const QString workdir = rig.paths.workdir;
    const QString scratch = workdir + "/" + folder;
    const QString elsewhere = rig.base.filePath("elsewhere");
    QVERIFY(testsupport::writeFile(elsewhere + "/mine.txt", "the user's own"));
    QVERIFY(testsupport::writeFile(scratch + "/mine.txt", "left from a run"));
    // The owner's rights back, however the row ends, so that the temporary
    // folder can go.
    const QString locked = scratch + "/locked";
    const auto unlock = qScopeGuard(
        [locked] { QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
    if (setup == "link") {
        QVERIFY(QDir(scratch).removeRecursively());
        QVERIFY(QFile::link(elsewhere, scratch));
    } else if (setup == "file") {
        QVERIFY(QDir(scratch).removeRecursively());
        QVERIFY(testsupport::writeFile(scratch, "a file"));
    } else if (setup == "theirs") {
        // The run removes for another user, so all the runner made is not its.
        for (const QString &other : {rig.paths.skin, rig.paths.extracts})
            QVERIFY(QDir(other).removeRecursively());
        job.scratchowner = fileio::ownedby(testsupport::otherUser());
    } else if (setup == "theirs inside") {
        // Only root could give the file away: the run takes it for another
        // user's instead.
        QVERIFY(testsupport::writeFile(scratch + "/theirs.txt", "another user's"));
        const QString theirs = scratch + "/theirs.txt";
        job.scratchowner = [theirs](uint uid, const QString &path) {
            return uid == fileio::effectiveuser() && path != theirs;
        };
    } else if (setup == "locked inside") {
        QVERIFY(testsupport::writeFile(scratch + "/locked/inner.txt", "left from a run"));
        QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    } else if (setup == "deep") {
        QVERIFY(QDir().mkpath(scratch + QString("/d").repeated(300)));
    } else if (setup == "work file" || setup == "work link") {
        QVERIFY(QDir(workdir).removeRecursively());
        if (setup == "work file")
            QVERIFY(testsupport::writeFile(workdir, "a file"));
        else
            QVERIFY(QFile::link(rig.base.filePath("nowhere"), workdir));
    }

    {
        // Root passes permission bits by unless told otherwise.
        const testsupport::HeedPermissionBits asanyuser;
        QVERIFY(asanyuser.heeded);
        QVERIFY(!job.unpack());
    }

    QCOMPARE(job.failuretext(CreateSkinJob::Failure::Unpack),
             "Skin has not been created.\nThe unpacked Tessary skin could not be prepared in " + workdir + ".\n"
                 + reason.arg(scratch));
    // The run's cleaning up keeps to the same rule.
    job.cleanup();
    // Nothing was written through a link or unpacked anywhere.
    QCOMPARE(QDir(elsewhere).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList("mine.txt"));
    QVERIFY(!QFileInfo::exists(rig.paths.extracts + "/skin.xml"));
    if (setup == "theirs")
        QCOMPARE(testsupport::readFile(scratch + "/mine.txt"), QByteArray("left from a run"));
    if (setup == "theirs inside")
        QCOMPARE(testsupport::readFile(scratch + "/theirs.txt"), QByteArray("another user's"));
}

QTEST_MAIN(TestScratchFolders)
#include "tst_scratchfolders.moc"
