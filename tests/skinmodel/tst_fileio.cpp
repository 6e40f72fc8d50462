#include <QtTest>

#include <QDomDocument>

#include <sys/stat.h>

#include "skinmodel/fileio.h"
#include "support/filesizelimit.h"
#include "support/testsupport.h"

using fileio::ReadResult;

Q_DECLARE_METATYPE(fileio::ReadResult)

namespace {

QByteArray nested(int depth)
{
    return QByteArray("<a>").repeated(depth) + QByteArray("</a>").repeated(depth);
}

} // namespace

class TestFileIo : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void writeReplacesTheWholeFile();
    void failedWritesKeepTheOldFile_data();
    void failedWritesKeepTheOldFile();
    void readTakesOnlyBoundedRegularFiles_data();
    void readTakesOnlyBoundedRegularFiles();
    void copyRefusesSpecialFiles();
    void depthCheck_data();
    void depthCheck();
    void deepDocumentIsRefusedNotParsed();
    void parseNormalisesLineEnds();
    void parseCanKeepWhitespaceText();

private:
    QScopedPointer<QTemporaryDir> dir;
    QString path(const QString &name) const { return dir->filePath(name); }
};

void TestFileIo::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
}

void TestFileIo::writeReplacesTheWholeFile()
{
    QVERIFY(testsupport::writeFile(path("f"), QByteArray(5000, 'o')));
    QVERIFY(fileio::writefile(path("f"), "new"));
    QCOMPARE(testsupport::readFile(path("f")), QByteArray("new"));
    QVERIFY(fileio::copyfile(path("f"), path("g")));
    QCOMPARE(testsupport::readFile(path("g")), QByteArray("new"));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList({"f", "g"}));
}

// A file-size limit stands in for a full disk: small writes used to sit in a
// buffer and be committed cut or empty, with success reported.
void TestFileIo::failedWritesKeepTheOldFile_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("copy");
    QTest::newRow("small write") << 3000 << false;     // below the save file's buffer
    QTest::newRow("large write") << 200000 << false;
    QTest::newRow("small copy") << 3000 << true;
    QTest::newRow("large copy") << 3000000 << true;
}

void TestFileIo::failedWritesKeepTheOldFile()
{
    QFETCH(int, size);
    QFETCH(bool, copy);
    const QByteArray old("the old content");
    const QByteArray bytes(size, 'x');
    QVERIFY(testsupport::writeFile(path("target"), old));
    QVERIFY(testsupport::writeFile(path("source"), bytes));
    bool written = true;
    {
        testsupport::FileSizeLimit limit(2048);
        QVERIFY(limit.isapplied());
        written = copy ? fileio::copyfile(path("source"), path("target"))
                       : fileio::writefile(path("target"), bytes);
    }
    QVERIFY(!written);
    QCOMPARE(testsupport::readFile(path("target")), old);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList({"source", "target"}));
}

void TestFileIo::readTakesOnlyBoundedRegularFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<ReadResult>("expected");
    QTest::newRow("regular") << "file" << qint64(100) << ReadResult::Read;
    QTest::newRow("exactly the bound") << "file" << qint64(10) << ReadResult::Read;
    QTest::newRow("over the bound") << "file" << qint64(9) << ReadResult::TooLarge;
    QTest::newRow("missing") << "none" << qint64(100) << ReadResult::Missing;
    QTest::newRow("below a file") << "file/x" << qint64(100) << ReadResult::Missing;
    QTest::newRow("folder") << "folder" << qint64(100) << ReadResult::NotRegular;
    QTest::newRow("fifo") << "fifo" << qint64(100) << ReadResult::NotRegular;
    QTest::newRow("endless device") << "/dev/zero" << qint64(100) << ReadResult::NotRegular;
    QTest::newRow("link to a file") << "link" << qint64(100) << ReadResult::Read;
}

void TestFileIo::readTakesOnlyBoundedRegularFiles()
{
    QFETCH(QString, name);
    QFETCH(qint64, limit);
    QFETCH(ReadResult, expected);
    QVERIFY(testsupport::writeFile(path("file"), "0123456789"));
    QVERIFY(QDir(dir->path()).mkdir("folder"));
    QCOMPARE(mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
    QVERIFY(QFile::link(path("file"), path("link")));

    QByteArray bytes("stale");
    const QString target = name.startsWith('/') ? name : path(name);
    QCOMPARE(fileio::readfile(target, &bytes, limit), expected);
    QCOMPARE(bytes, expected == ReadResult::Read ? QByteArray("0123456789") : QByteArray());
    QCOMPARE(fileio::isreadablefile(target), expected == ReadResult::Read || expected == ReadResult::TooLarge);
}

void TestFileIo::copyRefusesSpecialFiles()
{
    QCOMPARE(mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
    QVERIFY(!fileio::copyfile(path("fifo"), path("a")));
    QVERIFY(!fileio::copyfile("/dev/zero", path("b")));
    QVERIFY(!QFile::exists(path("a")) && !QFile::exists(path("b")));
}

void TestFileIo::depthCheck_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<bool>("within");
    QTest::newRow("at the bound") << nested(fileio::maxxmldepth) << true;
    QTest::newRow("one past") << nested(fileio::maxxmldepth + 1) << false;
    QTest::newRow("long but flat") << "<r>" + QByteArray("<a x='1'/><b></b>").repeated(5000) + "</r>" << true;
    QTest::newRow("tags in a comment") << "<r><!--" + QByteArray("<a>").repeated(400) + "--></r>" << true;
    QTest::newRow("tags in CDATA") << "<r><![CDATA[" + QByteArray("<a>").repeated(400) + "]]></r>" << true;
    QTest::newRow("'/>' in a value") << "<r>" + QByteArray("<a v=\"/>\">").repeated(300) + "</r>" << false;
    QTest::newRow("'>' in a value") << QByteArray("<a v='>'>").repeated(300) << false;
    QTest::newRow("unclosed deep tail") << "<r>" + QByteArray("<a>").repeated(300) << false;
    QTest::newRow("declaration and doctype")
        << "<?xml version='1.0'?><!DOCTYPE r [<!ENTITY e '<a>'>]>" + nested(3) << true;
}

void TestFileIo::depthCheck()
{
    QFETCH(QByteArray, xml);
    QFETCH(bool, within);
    QCOMPARE(fileio::withinxmldepth(xml), within);
}

// The DOM reader recurses once per level: a deep file would crash the tool.
void TestFileIo::deepDocumentIsRefusedNotParsed()
{
    QDomDocument document;
    QVERIFY(!fileio::parsexml(&document, nested(100000)));
    QVERIFY(document.documentElement().isNull());
    QVERIFY(fileio::parsexml(&document, nested(50)));
    QCOMPARE(document.documentElement().tagName(), QString("a"));
}

void TestFileIo::parseNormalisesLineEnds()
{
    QDomDocument document;
    QVERIFY(fileio::parsexml(&document, "<r>a\r\nb\rc</r>"));
    QCOMPARE(document.documentElement().text(), QString("a\nb\nc"));
    QVERIFY(!fileio::parsexml(&document, "<r><a></r>"));
}

void TestFileIo::parseCanKeepWhitespaceText()
{
    const QByteArray xml("<r><sep> </sep><tab>\t</tab></r>");
    QDomDocument document;
    QVERIFY(fileio::parsexml(&document, xml, true));
    QCOMPARE(document.documentElement().firstChildElement("sep").text(), QString(" "));
    QCOMPARE(document.documentElement().firstChildElement("tab").text(), QString("\t"));
    QVERIFY(fileio::parsexml(&document, xml, false));
    QCOMPARE(document.documentElement().firstChildElement("sep").text(), QString());
}

QTEST_GUILESS_MAIN(TestFileIo)
#include "tst_fileio.moc"
