// Removing a folder tree that another user may have reached into: links are
// removed, never followed; another user's entries stay; a FIFO is removed
// without being opened; an entry that cannot be looked at stays, never
// taken for gone; the removal says what stayed and why. An alarm ends the
// program if anything hangs.
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include "fileio/removetree.h"
#include "support/testsupport.h"

namespace {

using Stayed = fileio::Removal::Stayed;

// "d/d/.../d" with depth steps.
QString nested(int depth)
{
    QStringList steps;
    for (int i = 0; i < depth; ++i)
        steps << "d";
    return steps.join('/');
}

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
    bool make(const QString &entry);
    void unlock();
    // The runner's entries but those that make() counted as another user's.
    fileio::Ownership runners() const
    {
        const QStringList theirs = m_theirs;
        return [theirs](uint uid, const QString &entry) {
            return uid == fileio::effectiveuser() && !theirs.contains(entry);
        };
    }
    QStringList m_theirs;
    QStringList m_locked;
};

void TestRemoveTree::init()
{
    m_theirs.clear();
    m_locked.clear();
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
    unlock();
}

// Gives the folders that make() locked their owner's rights back, so that
// the test folder can be looked at and removed.
void TestRemoveTree::unlock()
{
    for (const QString &folder : qAsConst(m_locked))
        chmod(native(folder).constData(), 0700);
}

// Makes one entry of a tree, relative to the test folder: "a/" a folder,
// "a" a file, "a|" a FIFO, "a -> b" a link to b (to the test folder's b
// for "/b"), "a/=0444" the folder a (made when missing) given that mode,
// so it comes after what a holds; a leading "~" counts the entry as
// another user's. Only root could give it away, so the removal is told
// whose it is instead: the rule then holds the same for every user that
// runs the test.
bool TestRemoveTree::make(const QString &entry)
{
    QString name = entry;
    const bool theirs = name.startsWith('~');
    if (theirs)
        name.remove(0, 1);
    const int arrow = name.indexOf(" -> ");
    const int mode = name.indexOf("/=");
    bool made;
    if (mode >= 0) {
        const QString folder = path(name.left(mode));
        made = QDir().mkpath(folder) && chmod(native(folder).constData(), name.mid(mode + 2).toUInt(nullptr, 8)) == 0;
        m_locked.prepend(folder);
        name = name.left(mode);
    } else if (arrow >= 0) {
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
    if (theirs)
        m_theirs << QDir::cleanPath(path(name));
    return made;
}

void TestRemoveTree::removesOnlyWhatIsOurs_data()
{
    QTest::addColumn<QStringList>("tree");
    QTest::addColumn<bool>("forother");            // removed for another user, not for the runner
    QTest::addColumn<QStringList>("remaining");    // below the test folder, besides outside/
    QTest::addColumn<int>("why");                  // a Removal::Stayed
    QTest::addColumn<QString>("entry");            // what the removal names, relative

    QTest::newRow("files, hidden files and empty folders")
        << QStringList{"tree/skin.xml", "tree/.hidden", "tree/icons/deck/play.png", "tree/.cache/x",
                       "tree/empty/", "tree/a/b/c/d/"}
        << false << QStringList() << int(Stayed::Nothing) << "";
    QTest::newRow("links to an outside folder and file")
        << QStringList{"tree/skin.xml", "tree/folder -> ../outside", "tree/sub/file -> ../../outside/keep.txt",
                       "tree/absolute -> /outside/sub", "tree/dangling -> nowhere"}
        << false << QStringList() << int(Stayed::Nothing) << "";
    QTest::newRow("FIFO") << QStringList{"tree/lock|", "tree/sub/pipe|", "tree/skin.png"} << false
                          << QStringList() << int(Stayed::Nothing) << "";
    QTest::newRow("200 folders deep") << QStringList{"tree/" + nested(200) + "/"} << false << QStringList()
                                      << int(Stayed::Nothing) << "";

    // Every entry here is the runner's, so any user can see the rule kept.
    QTest::newRow("a tree removed for another user")
        << QStringList{"tree/mine.txt", "tree/a/b/file", "tree/link -> ../outside", "tree/pipe|"} << true
        << QStringList{"tree", "tree/a", "tree/a/b", "tree/a/b/file", "tree/link", "tree/mine.txt", "tree/pipe"}
        << int(Stayed::OtherUser) << "tree";

    // What stays keeps the folders leading to it; the rest goes.
    QStringList deep{"tree", "tree/deep"};
    for (int depth = 1; depth <= 300; ++depth)
        deep << "tree/deep/" + nested(depth);
    QTest::newRow("folders nested 300 deep")
        << QStringList{"tree/mine.txt", "tree/deep/" + nested(300) + "/", "tree/z/mine.txt"} << false << deep
        << int(Stayed::TooDeep) << "tree/deep/d/";

    // Entries of two owners.
    QTest::newRow("another user's file")
        << QStringList{"tree/mine.txt", "tree/a/b/mine/", "~tree/a/b/theirs.txt", "tree/c/mine.txt"} << false
        << QStringList{"tree", "tree/a", "tree/a/b", "tree/a/b/theirs.txt"}
        << int(Stayed::OtherUser) << "tree/a/b/theirs.txt";
    QTest::newRow("another user's folder")
        << QStringList{"tree/mine.txt", "tree/theirs/inner.txt", "~tree/theirs/"} << false
        << QStringList{"tree", "tree/theirs", "tree/theirs/inner.txt"} << int(Stayed::OtherUser) << "tree/theirs";
    QTest::newRow("another user's link and FIFO")
        << QStringList{"~tree/link -> ../outside", "~tree/pipe|"} << false
        << QStringList{"tree", "tree/link", "tree/pipe"} << int(Stayed::OtherUser) << "tree/";
    QTest::newRow("another user's tree") << QStringList{"tree/mine.txt", "~tree/"} << false
                                         << QStringList{"tree", "tree/mine.txt"} << int(Stayed::OtherUser) << "tree";

    // Entries that cannot be looked at stay, and are named; the removal
    // runs with root's rights to pass permission bits by set aside.
    QTest::newRow("a folder that can be listed but not entered")
        << QStringList{"tree/mine.txt", "tree/locked/inner.txt", "tree/locked/sub/", "tree/locked/=0444",
                       "tree/z/mine.txt"}
        << false << QStringList{"tree", "tree/locked", "tree/locked/inner.txt", "tree/locked/sub"}
        << int(Stayed::Failed) << "tree/locked/";
    QTest::newRow("a folder that can be neither listed nor entered")
        << QStringList{"tree/mine.txt", "tree/locked/inner.txt", "tree/locked/=0000"} << false
        << QStringList{"tree", "tree/locked", "tree/locked/inner.txt"} << int(Stayed::Failed) << "tree/locked";
    QTest::newRow("an empty folder that can be listed but not entered")
        << QStringList{"tree/mine.txt", "tree/locked/=0444"} << false << QStringList() << int(Stayed::Nothing) << "";
}

// An entry column ending in a slash stands for any entry below that path.
void TestRemoveTree::removesOnlyWhatIsOurs()
{
    QFETCH(QStringList, tree);
    QFETCH(bool, forother);
    QFETCH(QStringList, remaining);
    QFETCH(int, why);
    QFETCH(QString, entry);
    for (const QString &made : qAsConst(tree))
        QVERIFY2(make(made), qPrintable(made));

    fileio::Removal removal;
    {
        const testsupport::HeedPermissionBits asanyuser;
        QVERIFY(asanyuser.heeded);
        removal = fileio::removetree(path("tree"), forother ? fileio::ownedby(testsupport::otherUser()) : runners());
    }
    unlock();

    QCOMPARE(int(removal.stayed), why);
    QCOMPARE(bool(removal), why == int(Stayed::Nothing));
    if (entry.endsWith('/'))
        QVERIFY2(removal.entry.startsWith(path(entry)), qPrintable(removal.entry));
    else
        QCOMPARE(removal.entry, entry.isEmpty() ? QString() : path(entry));
    QStringList expected = remaining;
    expected << "outside" << "outside/keep.txt" << "outside/sub" << "outside/sub/.hidden";
    expected.sort();
    QCOMPARE(entriesbelow(path(".")), expected);
    QCOMPARE(testsupport::readFile(path("outside/keep.txt")), QByteArray("the user's own"));
}

void TestRemoveTree::refusesWhatIsNotAFolder_data()
{
    QTest::addColumn<QStringList>("tree");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("why");
    QTest::addColumn<QString>("entry");

    QTest::newRow("link to a folder") << QStringList{"link -> outside"} << "link" << int(Stayed::Link) << "link";
    QTest::newRow("link to a folder, with a slash")
        << QStringList{"link -> outside"} << "link/" << int(Stayed::Link) << "link";
    QTest::newRow("link below a link")
        << QStringList{"folder -> outside", "outside/sub/inner -> .."} << "folder/sub/inner" << int(Stayed::Link)
        << "folder/sub/inner";
    QTest::newRow("file") << QStringList{"file"} << "file" << int(Stayed::NotAFolder) << "file";
    QTest::newRow("FIFO") << QStringList{"pipe|"} << "pipe" << int(Stayed::NotAFolder) << "pipe";
    // A path that cannot be looked into is no path that holds nothing.
    QTest::newRow("below a file") << QStringList{"file"} << "file/tree" << int(Stayed::Failed) << "file/tree";
    // Nothing there is nothing left to remove.
    QTest::newRow("missing") << QStringList() << "missing" << int(Stayed::Nothing) << "";
    QTest::newRow("missing parent") << QStringList() << "missing/tree" << int(Stayed::Nothing) << "";
}

void TestRemoveTree::refusesWhatIsNotAFolder()
{
    QFETCH(QStringList, tree);
    QFETCH(QString, target);
    QFETCH(int, why);
    QFETCH(QString, entry);
    for (const QString &made : qAsConst(tree))
        QVERIFY2(make(made), qPrintable(made));
    const QStringList before = entriesbelow(path("."));

    const fileio::Removal removal = fileio::removetree(path(target));

    QCOMPARE(int(removal.stayed), why);
    QCOMPARE(removal.entry, entry.isEmpty() ? QString() : path(entry));
    QCOMPARE(entriesbelow(path(".")), before);
    QCOMPARE(testsupport::readFile(path("outside/keep.txt")), QByteArray("the user's own"));
}

QTEST_GUILESS_MAIN(TestRemoveTree)
#include "tst_removetree.moc"
