// Removing a folder tree that another user may have reached into: links are
// removed, never followed; another user's entries stay; a FIFO is removed
// without being opened. An alarm ends the program if anything hangs.
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include "fileio/removetree.h"
#include "support/testsupport.h"

namespace {

// Any user other than the one the tests run as.
constexpr uid_t otheruser = 65534;

// Every entry below folder, links not followed, by relative path.
QStringList entriesbelow(const QString &folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << QDir(folder).relativeFilePath(it.next());
    entries.sort();
    return entries;
}

QByteArray native(const QString &path) { return QFile::encodeName(path); }

} // namespace

class TestRemoveTree : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void removesOnlyWhatIsOurs_data();
    void removesOnlyWhatIsOurs();
    void refusesWhatIsNotAFolder_data();
    void refusesWhatIsNotAFolder();

private:
    QScopedPointer<QTemporaryDir> dir;
    QString path(const QString &relative) const { return dir->filePath(relative); }
    bool make(const QString &entry, bool *skipped);
};

void TestRemoveTree::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
    // Files the removal must never reach through a link.
    QVERIFY(testsupport::writeFile(path("outside/keep.txt"), "the user's own"));
    QVERIFY(testsupport::writeFile(path("outside/sub/.hidden"), "the user's own too"));
    alarm(60);   // a blocked open never returns: end the program instead
}

void TestRemoveTree::cleanup()
{
    alarm(0);
}

// Makes one entry of a tree, relative to the test folder: "a/" a folder,
// "a" a file, "a|" a FIFO, "a -> b" a link to b (to the test folder's b
// for "/b"); a leading "~" gives the
// entry to another user (skipped when that is not allowed here).
bool TestRemoveTree::make(const QString &entry, bool *skipped)
{
    QString name = entry;
    const bool theirs = name.startsWith('~');
    if (theirs)
        name.remove(0, 1);
    const int arrow = name.indexOf(" -> ");
    bool made;
    if (arrow >= 0) {
        const QString link = path(name.left(arrow));
        QString target = name.mid(arrow + 4);
        if (target.startsWith('/'))
            target = path(target.mid(1));
        made = QDir().mkpath(QFileInfo(link).path())
               && symlink(native(target).constData(), native(link).constData()) == 0;
        name = name.left(arrow);
    } else if (name.endsWith('/')) {
        made = QDir().mkpath(path(name));
    } else if (name.endsWith('|')) {
        name.chop(1);
        made = QDir().mkpath(QFileInfo(path(name)).path()) && mkfifo(native(path(name)).constData(), 0600) == 0;
    } else {
        made = testsupport::writeFile(path(name), "scratch");
    }
    if (made && theirs && lchown(native(path(name)).constData(), otheruser, otheruser) != 0)
        *skipped = true;
    return made;
}

void TestRemoveTree::removesOnlyWhatIsOurs_data()
{
    QTest::addColumn<QStringList>("tree");
    QTest::addColumn<bool>("removed");
    QTest::addColumn<QStringList>("left");   // below the test folder, besides outside/

    QTest::newRow("files, hidden files and empty folders")
        << QStringList{"tree/skin.xml", "tree/.hidden", "tree/icons/deck/play.png", "tree/.cache/x",
                       "tree/empty/", "tree/a/b/c/d/"}
        << true << QStringList();
    QTest::newRow("links to an outside folder and file")
        << QStringList{"tree/skin.xml", "tree/folder -> ../outside", "tree/sub/file -> ../../outside/keep.txt",
                       "tree/absolute -> /outside/sub", "tree/dangling -> nowhere"}
        << true << QStringList();
    QTest::newRow("FIFO") << QStringList{"tree/lock|", "tree/sub/pipe|", "tree/skin.png"} << true << QStringList();
    QTest::newRow("another user's file")
        << QStringList{"tree/mine.txt", "tree/a/b/mine/", "~tree/a/b/theirs.txt", "tree/c/mine.txt"}
        << false << QStringList{"tree", "tree/a", "tree/a/b", "tree/a/b/theirs.txt"};
    QTest::newRow("another user's folder")
        << QStringList{"tree/mine.txt", "tree/theirs/inner.txt", "~tree/theirs/"}
        << false << QStringList{"tree", "tree/theirs", "tree/theirs/inner.txt"};
    QTest::newRow("another user's link and FIFO")
        << QStringList{"~tree/link -> ../outside", "~tree/pipe|"}
        << false << QStringList{"tree", "tree/link", "tree/pipe"};
    QTest::newRow("another user's tree") << QStringList{"tree/mine.txt", "~tree/"} << false
                                         << QStringList{"tree", "tree/mine.txt"};
}

void TestRemoveTree::removesOnlyWhatIsOurs()
{
    QFETCH(QStringList, tree);
    QFETCH(bool, removed);
    QFETCH(QStringList, left);
    bool skipped = false;
    for (const QString &entry : qAsConst(tree))
        QVERIFY2(make(entry, &skipped), qPrintable(entry));
    if (skipped)
        QSKIP("Files cannot be given to another user here.");

    QCOMPARE(fileio::removetree(path("tree")), removed);

    QStringList expected = left;
    expected << "outside" << "outside/keep.txt" << "outside/sub" << "outside/sub/.hidden";
    expected.sort();
    QCOMPARE(entriesbelow(path(".")), expected);
    QCOMPARE(testsupport::readFile(path("outside/keep.txt")), QByteArray("the user's own"));
}

void TestRemoveTree::refusesWhatIsNotAFolder_data()
{
    QTest::addColumn<QStringList>("tree");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("removed");

    QTest::newRow("link to a folder") << QStringList{"link -> outside"} << "link" << false;
    QTest::newRow("link to a folder, with a slash")
        << QStringList{"link -> outside"} << "link/" << false;
    QTest::newRow("link below a link")
        << QStringList{"folder -> outside", "outside/sub/inner -> .."} << "folder/sub/inner" << false;
    QTest::newRow("file") << QStringList{"file"} << "file" << false;
    QTest::newRow("FIFO") << QStringList{"pipe|"} << "pipe" << false;
    // Nothing there is nothing left to remove.
    QTest::newRow("missing") << QStringList() << "missing" << true;
    QTest::newRow("missing parent") << QStringList() << "missing/tree" << true;
}

void TestRemoveTree::refusesWhatIsNotAFolder()
{
    QFETCH(QStringList, tree);
    QFETCH(QString, target);
    QFETCH(bool, removed);
    bool skipped = false;
    for (const QString &entry : qAsConst(tree))
        QVERIFY2(make(entry, &skipped), qPrintable(entry));
    const QStringList before = entriesbelow(path("."));

    QCOMPARE(fileio::removetree(path(target)), removed);

    QCOMPARE(entriesbelow(path(".")), before);
    QCOMPARE(testsupport::readFile(path("outside/keep.txt")), QByteArray("the user's own"));
}

QTEST_GUILESS_MAIN(TestRemoveTree)
#include "tst_removetree.moc"
