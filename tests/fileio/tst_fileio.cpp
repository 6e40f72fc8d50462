#include <QtTest>

#include <QDomDocument>
#include <QImage>
#include <QRandomGenerator>
#include <QTextCodec>
#include <QThread>
#include <QXmlStreamReader>

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <cerrno>

#include <functional>
#include <limits>

#include "fileio/fileio.h"
#include "fileio/quoted.h"
#include "support/addressspacelimit.h"
#include "support/filesizelimit.h"
#include "support/testsupport.h"

using fileio::ReadResult;

Q_DECLARE_METATYPE(fileio::ReadResult)
Q_DECLARE_METATYPE(fileio::XmlProblem)

namespace {

QByteArray nested(int depth)
{
    return QByteArray("<a>").repeated(depth) + QByteArray("</a>").repeated(depth);
}

// text in the encoding named, without a byte-order mark.
QByteArray encoded(const char *codec, const QString &text)
{
    QScopedPointer<QTextEncoder> encoder(QTextCodec::codecForName(codec)->makeEncoder(QTextCodec::IgnoreHeader));
    return encoder->fromUnicode(text);
}

// How deep the two readers of Qt nest text: the streaming reader (which does
// not recurse) by its element tokens, the DOM reader by the tree it builds,
// entity references included. Both up to where they stop.
int streamdepth(const QString &xml)
{
    QXmlStreamReader reader(xml);
    int depth = 0;
    int deepest = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement)
            deepest = qMax(deepest, ++depth);
        else if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    return deepest;
}

int treedepth(const QDomNode &node)
{
    int deepest = 0;
    for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling())
        deepest = qMax(deepest, treedepth(child) + (child.isElement() || child.isEntityReference() ? 1 : 0));
    return deepest;
}

int domdepth(const QString &xml)
{
    QDomDocument document;
    document.setContent(xml);
    return treedepth(document);
}

// Whether the scan finds nothing wrong in xml, with no bound on its nodes.
bool scanpasses(const QString &xml, int depth = fileio::maxxmldepth)
{
    return fileio::scanxml(xml, std::numeric_limits<int>::max(), depth).problem == fileio::XmlProblem::None;
}

// A document that the scan passes must be no deeper for either reader.
void verifyscanholds(const QString &xml, int bound)
{
    if (!scanpasses(xml, bound))
        return;
    QVERIFY2(streamdepth(xml) <= bound, qPrintable("stream reader deeper: " + xml));
    QVERIFY2(domdepth(xml) <= bound, qPrintable("DOM reader deeper: " + xml));
}

// Openings of documents that hide brackets, quotes and ends of markup where
// a scan that does not follow them would lose its place, and document types
// that declare entities, which are refused whatever the entities hold.
struct Prolog
{
    const char *name;
    const char *text;
    bool refused;
};

const Prolog prologs[] = {
    {"none", "", false},
    {"declaration", "<?xml version='1.0' encoding='UTF-8'?>", false},
    {"[ in a system id", "<!DOCTYPE a SYSTEM \"x[\">", false},
    {"]> in a public id", "<!DOCTYPE a PUBLIC '-//x]>//' \"y[>\">", false},
    {"[ in a subset comment", "<!DOCTYPE a [<!-- [ -->]>", false},
    {"]> in a subset comment", "<!DOCTYPE a [<!-- ]> -->]>", false},
    {"[ in a subset PI", "<!DOCTYPE a [<?p [ ?>]>", false},
    {"]> in a subset PI", "<!DOCTYPE a [<?p ]> ?>]>", false},
    {"]> in an attribute default", "<!DOCTYPE a [<!ELEMENT a ANY><!ATTLIST a v CDATA \"]>\">]>", false},
    {"]> in a notation's id", "<!DOCTYPE a [<!NOTATION n SYSTEM ']>'>]>", false},
    {"entity declaration in a subset comment", "<!DOCTYPE a [<!-- <!ENTITY deep \"<a><a></a></a>\"> -->]>", false},
    {"entity declaration in a subset PI", "<!DOCTYPE a [<?p <!ENTITY deep \"<a><a></a></a>\"> ?>]>", false},
    {"entity declaration in a system id", "<!DOCTYPE a SYSTEM \"<!ENTITY deep '<a></a>'>\">", false},
    {"[ in an entity value", "<!DOCTYPE a [<!ENTITY e \"[\">]>", true},
    {"]> in an entity value", "<!DOCTYPE a [<!ENTITY e ']>\"'>]>", true},
    {"]> in external ids", "<!DOCTYPE a [<!ENTITY e SYSTEM \"x]>\"><!NOTATION n SYSTEM ']>'>]>", true},
    {"nesting entity", "<!DOCTYPE a [<!ENTITY deep \"<a><a><a></a></a></a>\">]>", true},
    {"nesting by character references",
     "<!DOCTYPE a [<!ENTITY deep \"&#60;a>&#x3c;a>&#60;a>x&#60;/a>&#60;/a>&#60;/a>\">]>", true},
    {"entity in an entity", "<!DOCTYPE a [<!ENTITY in \"<a><a></a></a>\"><!ENTITY deep \"<b>&in;&in;</b>\">]>", true},
    {"entity declared after its user", "<!DOCTYPE a [<!ENTITY deep \"<b>&in;</b>\"><!ENTITY in \"<a></a>\">]>", true},
    {"markup that does not balance", "<!DOCTYPE a [<!ENTITY deep \"<a><a>\"><!ENTITY e \"</a></a>\">]>", true},
    {"parameter entity", "<!DOCTYPE a [<!ENTITY % p \"<!ENTITY deep '<a><a><a></a></a></a>'>\">%p;]>", true},
    {"recursive entity", "<!DOCTYPE a [<!ENTITY deep \"<a>&deep;</a>\">]>", true},
    {"entity declared twice", "<!DOCTYPE a [<!ENTITY deep \"x\"><!ENTITY deep \"<a><a></a></a>\">]>", true},
    {"entity beside an external id", "<!DOCTYPE a SYSTEM \"a.dtd\" [<!ENTITY deep \"<a></a>\">]>", true},
    {"parameter entity's reference", "<!DOCTYPE a SYSTEM \"a.dtd\" [%p;]>", true},
};

// d nested elements, each level dressed as style says, with innermost at
// the bottom.
QString nestedbody(int depth, const QString &style, const QString &innermost)
{
    QString opening = "<a>";
    if (style == "quoted values")
        opening = "<a v='\"<>' w=\"'>/>\">";
    else if (style == "hidden tags")
        opening = "<a><!-- <a><a> --><?p <a> ?><![CDATA[<a><a>]]><b/><b x=\"/>\"/>";
    return opening.repeated(depth) + innermost + QString("</a>").repeated(depth);
}

} // namespace

class TestFileIo : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void writeReplacesTheWholeFile();
    void longestWritableName();
    void nameLimitIsTheFolders();
    void failedWritesSayWhy_data();
    void failedWritesSayWhy();
    void failedWritesKeepTheOldFile_data();
    void failedWritesKeepTheOldFile();
    void picturesAreEncodedIntoTheFile();
    void readTakesOnlyBoundedRegularFiles_data();
    void readTakesOnlyBoundedRegularFiles();
    void copyRefusesSpecialFiles();
    void depthCheck_data();
    void depthCheck();
    void scanHoldsForQtsReaders_data();
    void scanHoldsForQtsReaders();
    void scanHoldsOnGeneratedText();
    void deepDocumentIsRefusedNotParsed_data();
    void deepDocumentIsRefusedNotParsed();
    void entityDeclarationsAreRefused_data();
    void entityDeclarationsAreRefused();
    void parseDecodesBeforeLooking_data();
    void parseDecodesBeforeLooking();
    void decodeTakesOnlyText_data();
    void decodeTakesOnlyText();
    void decodeReadsAsQtDom_data();
    void decodeReadsAsQtDom();
    void parseNormalisesLineEnds_data();
    void parseNormalisesLineEnds();
    void parseCanKeepWhitespaceText();
    void nodesAreBounded_data();
    void nodesAreBounded();
    void scanCountsAtLeastTheTree_data();
    void scanCountsAtLeastTheTree();
    void scanCountsAtLeastTheTreeOnGeneratedText();
    void scanFindsTheSubsetsChildren();
    void xmlDeclarationIsReadByItsGrammar_data();
    void xmlDeclarationIsReadByItsGrammar();
    void referencesKeepTheirCharacters_data();
    void referencesKeepTheirCharacters();
    void refusalsSayWhichFileAndWhy_data();
    void refusalsSayWhichFileAndWhy();
    void quotesAreCutToAFewDozenCharacters_data();
    void quotesAreCutToAFewDozenCharacters();

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

// A name of the length the folder takes is written and replaced; a name one
// byte longer cannot be replaced, as the temporary file's name beside it
// would pass the file system's limit.
void TestFileIo::longestWritableName()
{
    const int longest = fileio::longestwritablename(dir->path());
    const QString fits = path(QString(longest, 'a'));
    QVERIFY(fileio::writefile(fits, "first"));
    QVERIFY(fileio::writefile(fits, "second"));
    QCOMPARE(testsupport::readFile(fits), QByteArray("second"));

    const QString toolong = path(QString(longest + 1, 'b'));
    QVERIFY(testsupport::writeFile(toolong, "old"));
    QString why;
    QVERIFY(!fileio::writefile(toolong, "new", &why));
    QCOMPARE(why, qt_error_string(ENAMETOOLONG));
    QCOMPARE(testsupport::readFile(toolong), QByteArray("old"));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden).size(), 2);

    // A folder that cannot tell gets the usual limit.
    QCOMPARE(fileio::longestwritablename(path("missing")), 255 - 7);
}

// The limit is the one the folder's file system states, not the usual one:
// a smaller one is kept to, and where a file system states more than it
// takes (Linux's vfat and exFAT state 1530 bytes and take 255 characters),
// a name within the stated limit fails with the system's reason.
void TestFileIo::nameLimitIsTheFolders()
{
    struct statvfs status;
    QCOMPARE(statvfs(QFile::encodeName(dir->path()).constData(), &status), 0);
    QCOMPARE(fileio::namelimit(dir->path()), long(status.f_namemax));
    QCOMPARE(fileio::namelimit(path("missing")), 0L);

    QCOMPARE(fileio::longestwritablename(dir->path(), [](const QString &) { return 14L; }), 7);
    QCOMPARE(fileio::longestwritablename(dir->path(), [](const QString &) { return 0L; }), 248);
    const int stated = fileio::longestwritablename(dir->path(), [](const QString &) { return 1530L; });
    QCOMPARE(stated, 1523);
    QString why;
    QVERIFY(!fileio::writefile(path(QString(long(status.f_namemax) + 1, 'a')), "new", &why));
    QCOMPARE(why, qt_error_string(ENAMETOOLONG));
}

// Each way a write fails gives the system's reason, and leaves nothing
// beside the target: a folder where the file should be (for which the save
// file has words of its own), a folder that is missing or is a file, one
// the user may not write in, and a full disk (a file-size limit stands in
// for it) for a small and a large write and for a copy.
void TestFileIo::failedWritesSayWhy_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("error");
    QTest::newRow("a folder at the name") << "folder" << "write" << EISDIR;
    QTest::newRow("copied onto a folder") << "folder" << "copy" << EISDIR;
    QTest::newRow("picture onto a folder") << "folder" << "png" << EISDIR;
    QTest::newRow("no such folder") << "missing/f" << "write" << ENOENT;
    QTest::newRow("below a file") << "file/f" << "write" << ENOTDIR;
    QTest::newRow("name past the limit") << QString(256, 'n') << "write" << ENAMETOOLONG;
    QTest::newRow("folder not writable") << "readonly/f" << "write" << EACCES;
    QTest::newRow("full disk, small write") << "file" << "full write" << EFBIG;
    QTest::newRow("full disk, large write") << "file" << "full large write" << EFBIG;
    QTest::newRow("full disk, copy") << "file" << "full copy" << EFBIG;
    QTest::newRow("full disk, picture") << "file" << "full png" << EFBIG;
    // The disk fills up inside one of the encoder's writes, which it then
    // gives up before the system has refused anything.
    QTest::newRow("full disk, picture cut inside a write") << "file" << "full cut png" << EFBIG;
}

void TestFileIo::failedWritesSayWhy()
{
    QFETCH(QString, target);
    QFETCH(QString, how);
    QFETCH(int, error);
    QVERIFY(QDir(dir->path()).mkdir("folder"));
    QVERIFY(QDir(dir->path()).mkdir("readonly"));
    QVERIFY(QFile::setPermissions(path("readonly"), QFile::ReadOwner | QFile::ExeOwner));
    QVERIFY(testsupport::writeFile(path("file"), "old"));
    const QByteArray bytes(how.contains("large") ? 200000 : 3000, 'x');
    QVERIFY(testsupport::writeFile(path("source"), bytes));
    QImage picture(64, 64, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    const QStringList before = QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    QString why;
    bool written = true;
    {
        const testsupport::HeedPermissionBits asanyuser;
        QVERIFY(asanyuser.heeded);
        QScopedPointer<testsupport::FileSizeLimit> full;
        if (how.startsWith("full"))
            full.reset(new testsupport::FileSizeLimit(how.contains("cut") ? 12 : 16));
        if (how.endsWith("copy"))
            written = fileio::copyfile(path("source"), path(target), &why);
        else if (how.endsWith("png"))
            written = fileio::writepng(path(target), picture, -1, &why);
        else
            written = fileio::writefile(path(target), bytes, &why);
    }
    QVERIFY(QFile::setPermissions(path("readonly"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY(!written);
    QCOMPARE(why, qt_error_string(error));
    QCOMPARE(testsupport::readFile(path("file")), QByteArray("old"));
    QCOMPARE(QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
    QVERIFY(QDir(path("folder")).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    QVERIFY(QDir(path("readonly")).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

// A picture of noise is as large encoded as it is: encoded into memory
// first, it would be held twice.
void TestFileIo::picturesAreEncodedIntoTheFile()
{
    if (testsupport::hasaddresssanitizer)
        QSKIP("the address sanitizer aborts the process on a failed allocation");
    QImage picture(4096, 4096, QImage::Format_ARGB32);
    QRandomGenerator generator(5);
    for (int y = 0; y < picture.height(); ++y)
        generator.fillRange(reinterpret_cast<quint32 *>(picture.scanLine(y)), picture.width());
    bool written = false;
    {
        testsupport::AddressSpaceLimit limit(16 << 20);
        QVERIFY(limit.isapplied());
        written = fileio::writepng(path("noise.png"), picture, -1);
    }
    QVERIFY(written);
    QCOMPARE(QImage(path("noise.png")), picture);
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
        << "<?xml version='1.0'?><!DOCTYPE r [<!ELEMENT a ANY><!-- x -->]>" + nested(3) << true;
    QTest::newRow("declaration and doctype with an entity")
        << "<?xml version='1.0'?><!DOCTYPE r [<!ENTITY e '<a>'>]>" + nested(3) << false;
}

void TestFileIo::depthCheck()
{
    QFETCH(QByteArray, xml);
    QFETCH(bool, within);
    QCOMPARE(scanpasses(xml), within);
}

void TestFileIo::scanHoldsForQtsReaders_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<bool>("within");
    const int bound = 8;
    for (const Prolog &prolog : prologs) {
        for (const char *style : {"plain", "quoted values", "hidden tags", "entity at the bottom"}) {
            const bool usesentity = QByteArray(style) == "entity at the bottom";
            for (int depth : {bound - 5, bound - 1, bound, bound + 1}) {
                // The empty elements of each hidden-tags level are a level
                // below it; so is the reference at the bottom, which no
                // reader resolves.
                const int levels = depth + (QByteArray(style) == "hidden tags" ? 1 : 0) + (usesentity ? 1 : 0);
                const QString xml = prolog.text + nestedbody(depth, style, usesentity ? "&deep;" : "text");
                QTest::addRow("%s, %s, %d", prolog.name, style, depth) << xml << (levels <= bound && !prolog.refused);
            }
        }
    }
}

// The scan must pass only what is within the bound for Qt's readers too,
// whatever a document type holds; it refuses a document type that declares
// entities or that it cannot follow, but no other document within the bound.
void TestFileIo::scanHoldsForQtsReaders()
{
    QFETCH(QString, xml);
    QFETCH(bool, within);
    const int bound = 8;
    verifyscanholds(xml, bound);
    QCOMPARE(scanpasses(xml, bound), within);
}

// Text made of the pieces that trip scanners, in random order: whatever
// the readers make of it, the scan never passes more depth than they read.
void TestFileIo::scanHoldsOnGeneratedText()
{
    static const char *const pieces[] = {
        "<a>", "</a>", "<b/>", "<a v='>'>", "<a v=\">\">", "<a v='\"'>", "<a v=\"'\"/>", "<!-- <a> -->", "<!--",
        "-->", "<![CDATA[<a>", "]]>", "<?p <a>?>", "<?p", "?>", "&e;", "&deep;", "&#60;", "&lt;", "[", "]", "]>",
        ">", "\"", "'", "<!DOCTYPE a [", "<!DOCTYPE a SYSTEM '[", "<!ENTITY deep \"<a><a></a></a>\">",
        "<!ENTITY e '<a>'>", "<!ENTITY e \"&#60;a>\">", "<!ENTITY % p 'x'>", "%p;", "<!ELEMENT a ANY>", "<", "x", " "};
    const int count = int(sizeof pieces / sizeof *pieces);
    QRandomGenerator random(20261210);
    for (int document = 0; document < 4000; ++document) {
        QString xml;
        const int length = random.bounded(5, 60);
        for (int i = 0; i < length; ++i)
            xml += QLatin1String(pieces[random.bounded(count)]);
        verifyscanholds(xml, 3);
        if (QTest::currentTestFailed())
            return;
    }
}

// The DOM reader recurses once per level: a deep file would crash the tool,
// whatever stands in front of it. A document type with an entity is refused
// however shallow the document.
void TestFileIo::deepDocumentIsRefusedNotParsed_data()
{
    QTest::addColumn<QByteArray>("prolog");
    QTest::addColumn<bool>("shallowreads");
    QTest::newRow("none") << QByteArray() << true;
    QTest::newRow("[ in a system id") << QByteArray("<!DOCTYPE settings SYSTEM \"x[\">") << true;
    QTest::newRow("[ in a subset comment") << QByteArray("<!DOCTYPE settings [<!-- [ -->]>") << true;
    QTest::newRow("[ in a subset PI") << QByteArray("<!DOCTYPE settings [<?p [ ?>]>") << true;
    QTest::newRow("[ in an entity value") << QByteArray("<!DOCTYPE settings [<!ENTITY e \"[\">]>") << false;
    QTest::newRow("UTF-16") << QByteArray("\xFF\xFE") << true;
}

void TestFileIo::deepDocumentIsRefusedNotParsed()
{
    QFETCH(QByteArray, prolog);
    QFETCH(bool, shallowreads);
    const auto withprolog = [&](const QByteArray &body) {
        if (prolog != "\xFF\xFE")
            return prolog + body;
        return prolog + encoded("UTF-16LE", QString::fromLatin1(body));
    };
    QDomDocument document;
    QVERIFY(!fileio::parsexml(&document, withprolog(nested(50000))));
    QVERIFY(document.documentElement().isNull());
    QCOMPARE(bool(fileio::parsexml(&document, withprolog(nested(50)))), shallowreads);
    QCOMPARE(document.documentElement().tagName(), shallowreads ? QString("a") : QString());
}

// The DOM reader replaces each reference to an entity by the entity's text
// and bounds only each replacement: 2,000 references in a file of a few
// kilobytes would make two million elements. Any entity declaration is
// refused before a tree is built, and the scan that refuses it follows
// nothing recursively, so it holds on a small stack; a document type
// without one still reads.
void TestFileIo::entityDeclarationsAreRefused_data()
{
    QTest::addColumn<QByteArray>("doctype");
    QTest::addColumn<bool>("reads");
    for (const auto &doctype : testsupport::entitydoctypes("r"))
        QTest::newRow(doctype.first.constData()) << doctype.second << false;
    // Any white space may follow the keyword, and Qt's DOM expands what follows.
    QTest::newRow("declaration after a tab") << QByteArray("<!DOCTYPE r [<!ENTITY\te \"<a/>\">]>") << false;
    QTest::newRow("declaration after a line end") << QByteArray("<!DOCTYPE r [<!ENTITY\ne \"<a/>\">]>") << false;
    QTest::newRow("no document type") << QByteArray() << true;
    QTest::newRow("external id only") << QByteArray("<!DOCTYPE r SYSTEM \"r.dtd\">") << true;
    QTest::newRow("declarations and comments only")
        << QByteArray("<!DOCTYPE r PUBLIC \"-//x//r\" \"r.dtd\" [<!ELEMENT r ANY><!-- <!ENTITY e 'x'> -->"
                      "<!ATTLIST r v CDATA \"&#60;\"><?p <!ENTITY e 'x'>?><!NOTATION n SYSTEM \"n\">]>")
        << true;
}

void TestFileIo::entityDeclarationsAreRefused()
{
    QFETCH(QByteArray, doctype);
    QFETCH(bool, reads);
    // Only the entity rows reference it; elsewhere the text is plain.
    const QByteArray body =
        reads ? QByteArray("<r>x &amp; &#60;y&gt;</r>") : "<r>" + QByteArray("&e;").repeated(2000) + "</r>";
    const QString text = QString::fromUtf8(doctype + body);

    bool within = !reads;
    QScopedPointer<QThread> scan(QThread::create([&] { within = scanpasses(text); }));
    scan->setStackSize(256 * 1024);
    scan->start();
    QVERIFY(scan->wait(60000));
    QCOMPARE(within, reads);

    QDomDocument document;
    QCOMPARE(bool(fileio::parsexml(&document, doctype + body)), reads);
    QCOMPARE(document.documentElement().text(), reads ? QString("x & <y>") : QString());
    QVERIFY(document.documentElement().isNull() != reads);
}

// Host files written on other systems come in UTF-16, where a byte 0x0D is
// half of many characters and a "<" is followed by a NUL. Whatever the
// encoding, the text is Qt's streaming reader's reading of the same bytes,
// with LF line ends.
void TestFileIo::parseDecodesBeforeLooking_data()
{
    QTest::addColumn<QByteArray>("codec");
    QTest::addColumn<QByteArray>("mark");
    QTest::addColumn<QByteArray>("declared");
    QTest::newRow("UTF-8") << QByteArray("UTF-8") << QByteArray() << QByteArray("UTF-8");
    QTest::newRow("UTF-8, marked") << QByteArray("UTF-8") << QByteArray("\xEF\xBB\xBF") << QByteArray("UTF-8");
    QTest::newRow("UTF-8, undeclared") << QByteArray("UTF-8") << QByteArray() << QByteArray();
    QTest::newRow("UTF-16LE, marked") << QByteArray("UTF-16LE") << QByteArray("\xFF\xFE") << QByteArray("UTF-16");
    QTest::newRow("UTF-16BE, marked") << QByteArray("UTF-16BE") << QByteArray("\xFE\xFF") << QByteArray("UTF-16");
    QTest::newRow("UTF-16LE, unmarked") << QByteArray("UTF-16LE") << QByteArray() << QByteArray("UTF-16");
    QTest::newRow("UTF-16BE, unmarked") << QByteArray("UTF-16BE") << QByteArray() << QByteArray();
    QTest::newRow("UTF-32LE, marked") << QByteArray("UTF-32LE") << QByteArray("\xFF\xFE\x00\x00", 4) << QByteArray();
    QTest::newRow("ISO-8859-15, declared") << QByteArray("ISO-8859-15") << QByteArray() << QByteArray("ISO-8859-15");
}

void TestFileIo::parseDecodesBeforeLooking()
{
    QFETCH(QByteArray, codec);
    QFETCH(QByteArray, mark);
    QFETCH(QByteArray, declared);
    // U+4E0D, U+010D and U+300D end in the byte 0x0D; 300 elements are more
    // than the depth bound, so end tags taken for start tags would show.
    const bool latin = codec.startsWith("ISO");
    const QString words = latin ? QString::fromUtf8("Skins \xe2\x82\xac \xc3\xa9") : QString::fromUtf8("Skins \xe4\xb8\x8d \xc4\x8d \xe3\x80\x8d");
    QString text = "<settings>\r\n <language>" + words + "</language>\r\n <note>one\r\ntwo\rthree</note>\r\n"
                   + QString(" <item/>\r\n <item></item>\r\n").repeated(150) + "</settings>\r\n";
    if (!declared.isEmpty())
        text.prepend("<?xml version=\"1.0\" encoding=\"" + declared + "\"?>\r\n");
    const QByteArray bytes = mark + encoded(codec, text);

    QString streamtext;
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::Characters && !reader.isWhitespace())
            streamtext += reader.text() + "|";
    }
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));

    QDomDocument document;
    QVERIFY(fileio::parsexml(&document, bytes));
    const QDomElement root = document.documentElement();
    QCOMPARE(root.firstChildElement("language").text(), words);
    QCOMPARE(root.firstChildElement("note").text(), QString("one\ntwo\nthree"));
    QCOMPARE(root.elementsByTagName("item").count(), 300);
    QCOMPARE(root.firstChildElement("language").text() + "|" + root.firstChildElement("note").text() + "|",
             streamtext);
    QString decoded;
    QVERIFY(fileio::decodexml(bytes, &decoded));
    QCOMPARE(decoded.count(QChar(0xFEFF)), 0);
}

// Bytes that are not text in the document's encoding are refused, never read
// (and written back) with U+FFFD in their place; a U+FFFD that the bytes do
// encode is text. The encoding is the mark's, the first characters' layout's
// or the declaration's (in either quotes), where it reads the declaration's
// ASCII as ASCII.
void TestFileIo::decodeTakesOnlyText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");   // null: refused
    const QString cafe = QString::fromUtf8("caf\xc3\xa9");
    // raw between "<r>" and "</r>" in the encoding named.
    const auto within = [](const char *codec, const QByteArray &raw) {
        return encoded(codec, "<r>") + raw + encoded(codec, "</r>");
    };
    QTest::newRow("UTF-8") << QByteArray("<r>caf\xc3\xa9</r>") << cafe;
    QTest::newRow("U+FFFD in UTF-8") << QByteArray("<r>\xef\xbf\xbd</r>") << QString(QChar(0xFFFD));
    QTest::newRow("U+FFFD in UTF-16LE") << within("UTF-16LE", QByteArrayLiteral("\xfd\xff")) << QString(QChar(0xFFFD));
    QTest::newRow("pair in UTF-16BE") << within("UTF-16BE", QByteArrayLiteral("\xd8\x3d\xde\x00"))
                                      << QString::fromUtf8("\xf0\x9f\x98\x80");
    QTest::newRow("U+10FFFF in UTF-32LE") << within("UTF-32LE", QByteArrayLiteral("\xff\xff\x10\x00"))
                                          << QString::fromUtf8("\xf4\x8f\xbf\xbf");
    QTest::newRow("ISO-8859-1 declared in single quotes")
        << QByteArray("<?xml version='1.0' encoding='ISO-8859-1'?><r>caf\xe9</r>") << cafe;
    // Qt's readers would take these bytes for UTF-16 and fail.
    QTest::newRow("UTF-8 that declares UTF-16")
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-16\"?><r>caf\xc3\xa9</r>") << cafe;

    QTest::newRow("Latin-1 byte in UTF-8, declared")
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><r>caf\xe9</r>") << QString();
    QTest::newRow("Latin-1 byte in UTF-8, undeclared") << QByteArray("<r>caf\xe9</r>") << QString();
    QTest::newRow("Latin-1 byte in UTF-8, marked") << QByteArray("\xef\xbb\xbf<r>caf\xe9</r>") << QString();
    QTest::newRow("lone continuation byte") << QByteArray("<r>\x80</r>") << QString();
    QTest::newRow("overlong '/'") << QByteArray("<r>\xc0\xaf</r>") << QString();
    QTest::newRow("overlong in three bytes") << QByteArray("<r>\xe0\x80\xaf</r>") << QString();
    QTest::newRow("cut before the next character") << QByteArray("<r>\xe4\xb8</r>") << QString();
    QTest::newRow("cut at the end") << QByteArray("<r>x</r>\xe4\xb8") << QString();
    QTest::newRow("encoded surrogate") << QByteArray("<r>\xed\xa0\x80</r>") << QString();
    QTest::newRow("encoded surrogate pair") << QByteArray("<r>\xed\xa0\xbd\xed\xb8\x80</r>") << QString();
    QTest::newRow("past U+10FFFF in UTF-8") << QByteArray("<r>\xf4\x90\x80\x80</r>") << QString();
    QTest::newRow("UTF-16LE, lone high surrogate") << within("UTF-16LE", QByteArrayLiteral("\x00\xd8")) << QString();
    QTest::newRow("UTF-16LE, lone low surrogate") << within("UTF-16LE", QByteArrayLiteral("\x00\xdc")) << QString();
    QTest::newRow("UTF-16LE, pair reversed") << within("UTF-16LE", QByteArrayLiteral("\x00\xdc\x00\xd8")) << QString();
    QTest::newRow("UTF-16BE, lone high surrogate") << within("UTF-16BE", QByteArrayLiteral("\xd8\x00")) << QString();
    QTest::newRow("UTF-16BE, lone low surrogate") << within("UTF-16BE", QByteArrayLiteral("\xdc\x00")) << QString();
    QTest::newRow("UTF-16LE, marked, high surrogate at the end")
        << QByteArrayLiteral("\xff\xfe") + encoded("UTF-16LE", "<r>x</r>") + QByteArrayLiteral("\x00\xd8") << QString();
    QTest::newRow("UTF-16LE, odd byte at the end") << encoded("UTF-16LE", "<r>x</r>") + "\n" << QString();
    QTest::newRow("UTF-16BE, odd byte at the end") << encoded("UTF-16BE", "<r>x</r>") + "\n" << QString();
    QTest::newRow("UTF-32LE, past U+10FFFF") << within("UTF-32LE", QByteArrayLiteral("\x00\x00\x11\x00")) << QString();
    // Qt's converter would make U+10000 of both.
    QTest::newRow("UTF-32LE, 0x4010000") << within("UTF-32LE", QByteArrayLiteral("\x00\x00\x01\x04")) << QString();
    QTest::newRow("UTF-32BE, surrogates as a pair")
        << within("UTF-32BE", QByteArrayLiteral("\x00\x00\xd8\x00\x00\x00\xdc\x00")) << QString();
    QTest::newRow("UTF-32LE, cut at the end") << encoded("UTF-32LE", "<r>x</r>") + "\n" << QString();
    // The converter gives U+FFFD for the byte without counting it invalid.
    QTest::newRow("byte outside US-ASCII")
        << QByteArray("<?xml version=\"1.0\" encoding=\"US-ASCII\"?><r>caf\xe9</r>") << QString();
    // A looser pairing check would let these through, to be written back as "??".
    QTest::newRow("UTF-16LE, two high surrogates")
        << within("UTF-16LE", QByteArrayLiteral("\x3d\xd8\x3d\xd8\x00\xde")) << QString();
    // Converters that put a U+FFFD for what they cannot decode and say nothing.
    const QByteArray gb18030 = "<?xml version=\"1.0\" encoding=\"GB18030\"?><r>";
    QTest::newRow("GB18030") << gb18030 + "\xc4\xe3\xba\xc3</r>" << QString::fromUtf8("\xe4\xbd\xa0\xe5\xa5\xbd");
    QTest::newRow("GB18030, a byte that is not text") << gb18030 + "\x81\x20</r>" << QString();
    QTest::newRow("UTF-7, a byte that is not text")
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-7\"?><r>\xff</r>") << QString();
    QTest::newRow("CESU-8, a byte that is not text")
        << QByteArray("<?xml version=\"1.0\" encoding=\"CESU-8\"?><r>caf\xe9</r>") << QString();

    // Characters that these encodings write in two ways: the bytes are text,
    // though the encoder writes them otherwise.
    const auto declared = [](const char *codec, const QByteArray &raw) {
        return "<?xml version=\"1.0\" encoding=\"" + QByteArray(codec) + "\"?><r>" + raw;
    };
    QTest::newRow("Shift_JIS, NEC-selected IBM extension")   // written back as FA 5C
        << declared("Shift_JIS", "\xed\x40</r>") << QString(QChar(0x7E8A));
    QTest::newRow("windows-31j, NEC special character")   // written back as 81 E0
        << declared("windows-31j", "\x87\x90</r>") << QString(QChar(0x2252));
    QTest::newRow("EUC-JP, JIS X 0212")   // written back as A1 C1
        << declared("EUC-JP", "\x8f\xa2\xb7</r>") << QString(QChar(0xFF5E));
    // The rest of the document, markup included, stays in JIS-Roman.
    QTest::newRow("ISO-2022-JP, back to JIS-Roman")
        << declared("ISO-2022-JP", "\x1b$B4A;z\x1b(J</r>") << QString::fromUtf8("\xe6\xbc\xa2\xe5\xad\x97");
    QTest::newRow("ISO-2022-JP, JIS-Roman's own characters")
        << declared("ISO-2022-JP", "a\x1b(Jb\\~</r>") << QString::fromUtf8("ab\xc2\xa5\xe2\x80\xbe");
    QTest::newRow("UTF-7, base64 for characters that may stand as themselves")
        << declared("UTF-7", "+AGEAYgBj-d</r>") << QString("abcd");
    QTest::newRow("Shift_JIS, a trail byte that is not one") << declared("Shift_JIS", "\x81\x20\xed\x40</r>")
                                                             << QString();
    QTest::newRow("Shift_JIS, a lead byte at the end") << declared("Shift_JIS", "\xed\x40</r>\x82") << QString();
    QTest::newRow("EUC-JP, JIS X 0212 cut short") << declared("EUC-JP", "\x8f\xa2\xb7\x8f\xa2</r>") << QString();
    QTest::newRow("ISO-2022-JP, an escape it does not have")
        << declared("ISO-2022-JP", "\x1b(J\\\x1b(Z</r>") << QString();
    QTest::newRow("ISO-2022-JP, an escape cut at the end")
        << declared("ISO-2022-JP", "\x1b(J\\</r>\x1b$") << QString();
    QTest::newRow("UTF-7, base64 cut at the end") << declared("UTF-7", "+AGE-</r>+AG") << QString();
    QTest::newRow("UTF-7, base64 with bits left over") << declared("UTF-7", "+AGEAYgBj-+AGF-</r>") << QString();
    // Bytes that stand for no character, which the converters drop.
    QTest::newRow("UTF-7, base64 of no whole character") << declared("UTF-7", "a+A-</r>") << QString();
    QTest::newRow("UTF-7, base64 with a digit left over") << declared("UTF-7", "+AGEA-</r>") << QString();
    QTest::newRow("UTF-7, base64 with two bits left over")
        << declared("UTF-7", "+AGEAdA-</r>") << QString("at");
    // A single shift takes the next byte from G2: here Latin-1's upper half.
    QTest::newRow("ISO-2022-JP-2, a single shift") << declared("ISO-2022-JP-2", "\x1b.A\x1bNA</r>")
                                                   << QString(QChar(0xC1));
    QTest::newRow("ISO-2022-JP-2, a single shift before a line feed")
        << declared("ISO-2022-JP-2", "\x1b.A\x1bN\n</r>") << QString();
    QTest::newRow("ISO-2022-JP-2, a single shift before a tab")   // read as U+0089
        << declared("ISO-2022-JP-2", "\x1b.A\x1bN\t</r>") << QString();
    QTest::newRow("ISO-2022-JP-2, a single shift before an escape")
        << declared("ISO-2022-JP-2", "\x1b.A\x1bN\x1b(B</r>") << QString();
    QTest::newRow("ISO-2022-JP-2, a single shift at the end")
        << declared("ISO-2022-JP-2", "\x1b.Ax</r>\x1bN") << QString();
    QTest::newRow("ISO-2022-CN-EXT, a single shift before a line feed")
        << declared("ISO-2022-CN-EXT", "\x1b$+I\x1bO\n</r>") << QString();
    QTest::newRow("SCSU ending in a quote tag") << declared("SCSU", "x</r>\x01") << QString();
    QTest::newRow("EUC-JP, half-width kana") << declared("EUC-JP", "\x8e\xb1</r>") << QString(QChar(0xFF71));
    QTest::newRow("EUC-JP, 0x8E before a byte that is no kana") << declared("EUC-JP", "\x8e\xe0</r>") << QString();
    // JIS X 0212's broken bar, which the encoder does not write at all.
    QTest::newRow("EUC-JP, JIS X 0212 the encoder lacks") << declared("EUC-JP", "\x8f\xa2\xc3</r>")
                                                          << QString(QChar(0xA6));
    QTest::newRow("Big5, a character it has twice")   // written back as A4 51
        << declared("Big5", "\xa2\xcc</r>") << QString(QChar(0x5341));

    // Where the encoding writes each character one way, other bytes for the
    // text are a converter's fallback to another character or to none.
    QTest::newRow("TSCII") << declared("TSCII", "\xab</r>") << QString(QChar(0x0B85));
    QTest::newRow("TSCII, the ligature SRI") << declared("TSCII", "\x82</r>") << QString();
    QTest::newRow("TSCII, right double quotation mark") << declared("TSCII", "\x94</r>") << QString();
    QTest::newRow("hp-roman8") << declared("hp-roman8", "\xa1</r>") << QString(QChar(0xC0));
    QTest::newRow("hp-roman8, lira sign") << declared("hp-roman8", "\xaf</r>") << QString();
    QTest::newRow("hp-roman8, em dash") << declared("hp-roman8", "\xf6</r>") << QString();
    QTest::newRow("hp-roman8, modifier letter grave accent") << declared("hp-roman8", "\xa9</r>") << QString();
    QTest::newRow("SCSU") << declared("SCSU", "caf\xe9</r>") << cafe;
    // A U+FFFD that the bytes encode is text.
    QTest::newRow("U+FFFD in GB18030") << declared("GB18030", "\x84\x31\xa4\x37</r>")
                                       << QString(QChar(0xFFFD));
    QTest::newRow("U+FFFD in CESU-8") << declared("CESU-8", "\xef\xbf\xbd</r>") << QString(QChar(0xFFFD));

    // Only the XML declaration at the very start names the encoding.
    QTest::newRow("encoding in another processing instruction")
        << QByteArray("<?xml-stylesheet encoding=\"ISO-8859-1\"?><r>caf\xc3\xa9</r>") << cafe;
    QTest::newRow("encoding in an attribute")
        << QByteArray("<?xml version=\"1.0\"?><r encoding=\"ISO-8859-1\">caf\xc3\xa9</r>") << cafe;
    QTest::newRow("encoding after a comment")
        << QByteArray("<!-- <?xml version=\"1.0\" encoding=\"ISO-8859-1\"?> --><r>caf\xc3\xa9</r>") << cafe;
}

void TestFileIo::decodeTakesOnlyText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QString decoded("stale");
    QCOMPARE(fileio::decodexml(bytes, &decoded), !text.isNull());
    if (text.isNull())
        QVERIFY(decoded.isEmpty());
    QDomDocument document;
    QCOMPARE(bool(fileio::parsexml(&document, bytes)), !text.isNull());
    QCOMPARE(document.documentElement().text(), text.isNull() ? QString() : text);
}

// Where Qt's DOM reader reads every byte of a document as a character, so
// does decodexml, and it reads the same, but for the bytes that stand for
// no character in the encoding's table (the converter that both use reads
// them as one, or drops them); where the DOM reader puts a U+FFFD in an
// encoding that has none of its own, decodexml refuses the bytes. The
// characters that the table gives are checked in decodeTakesOnlyText: the
// DOM reader cannot tell a converter's fallback. Generated: every two-byte
// sequence of the rows where Japanese encodings keep their extensions and
// Big5 its characters written twice, JIS X 0212 in EUC-JP, each ISO-2022-JP
// escape before what follows, single shifts before each byte, short UTF-7
// base64 runs and GB18030 sequences.
void TestFileIo::decodeReadsAsQtDom_data()
{
    QTest::addColumn<QByteArray>("codec");
    QTest::addColumn<QList<QByteArray>>("raws");   // each between "<r>" and "</r>"
    QTest::addColumn<QSet<QByteArray>>("none");    // the raws that stand for no character
    // prefix, a lead byte, a trail byte from fromtrail to totrail, suffix.
    const auto pairs = [](const QByteArray &prefix, const QList<int> &leads, int fromtrail, int totrail,
                          const QByteArray &suffix = QByteArray()) {
        QList<QByteArray> raws;
        for (const int lead : leads) {
            for (int trail = fromtrail; trail <= totrail; ++trail)
                raws << prefix + char(lead) + char(trail) + suffix;
        }
        return raws;
    };
    const auto range = [](int from, int to) {
        QList<int> bytes;
        for (int byte = from; byte <= to; ++byte)
            bytes << byte;
        return bytes;
    };
    // NEC's row 13 and selected IBM extensions, IBM's extensions, and the
    // rows on either side of them.
    const QSet<QByteArray> wellformed;
    QTest::newRow("Shift_JIS") << QByteArray("Shift_JIS")
                               << pairs("", range(0x80, 0x88) + range(0xEC, 0xEF) + range(0xF9, 0xFF), 0x20, 0xFF)
                               << wellformed;
    QTest::newRow("windows-31j") << QByteArray("windows-31j") << pairs("", {0x81, 0x87, 0xED, 0xFA}, 0x20, 0xFF)
                                 << wellformed;
    QTest::newRow("EUC-JP, JIS X 0212")
        << QByteArray("EUC-JP") << pairs("\x8f", range(0xA1, 0xB0) + QList<int>{0xED, 0xFE}, 0x7F, 0xFF)
        << wellformed;
    // JIS X 0201's kana are 0x8E and 0xA1 to 0xDF.
    const QList<QByteArray> nokana = pairs("", {0x8E}, 0x7F, 0xA0) + pairs("", {0x8E}, 0xE0, 0xFF);
    QTest::newRow("EUC-JP, JIS X 0208 and kana")
        << QByteArray("EUC-JP") << pairs("", {0x8E, 0xA1, 0xA2, 0xAD, 0xF4, 0xF5, 0xFE}, 0x7F, 0xFF)
        << QSet<QByteArray>(nokana.begin(), nokana.end());
    QTest::newRow("Big5") << QByteArray("Big5") << pairs("", {0xA1, 0xA2, 0xA3, 0xA4, 0xC6, 0xC7, 0xF9, 0xFE}, 0x20, 0xFF)
                          << wellformed;
    // Each escape, two bytes, and back to ASCII or JIS-Roman for the markup.
    QList<QByteArray> iso2022jp;
    for (const char *escape : {"\x1b(B", "\x1b(J", "\x1b(I", "\x1b$@", "\x1b$B", "\x1b$(D", "\x1b(Z", "\x0e", ""}) {
        for (const char *back : {"\x1b(B", "\x1b(J"})
            iso2022jp += pairs(escape, {0x21, 0x24, 0x2D, 0x5C, 0x7E, 0x80}, 0x20, 0x7F, back);
    }
    QTest::newRow("ISO-2022-JP") << QByteArray("ISO-2022-JP") << iso2022jp << wellformed;
    // A single shift takes one graphic character (0x20 to 0x7F) from G2.
    QList<QByteArray> singleshifts;
    QSet<QByteArray> noshifted;
    for (const QByteArray designation : {"\x1b.A", "\x1b.F"}) {
        for (int byte = 0; byte <= 0xFF; ++byte) {
            singleshifts << designation + "\x1bN" + char(byte) + "x";
            if (byte < 0x20 || byte > 0x7F)
                noshifted << singleshifts.last();
        }
    }
    QTest::newRow("ISO-2022-JP-2") << QByteArray("ISO-2022-JP-2") << singleshifts << noshifted;
    // "+", two base64 digits or others, and what ends the run. A run of one,
    // two or four digits holds no whole UTF-16 unit, or a digit over one.
    QList<QByteArray> utf7;
    QSet<QByteArray> brokenruns;
    const QByteArray digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/-~\xff";
    static const QRegularExpression run("\\+([A-Za-z0-9+/]*)");
    for (const char first : digits) {
        for (const char second : digits) {
            for (const char *end : {"-", "A-", "AA-", "Ag-", "/w-", ".", ""}) {
                utf7 << "+" + QByteArray(1, first) + second + end;
                QRegularExpressionMatchIterator runs = run.globalMatch(QString::fromLatin1(utf7.last()));
                while (runs.hasNext()) {
                    const int length = runs.next().capturedLength(1);
                    if (length == 1 || length == 2 || length == 4)
                        brokenruns << utf7.last();
                }
            }
        }
    }
    QTest::newRow("UTF-7") << QByteArray("UTF-7") << utf7 << brokenruns;
    QTest::newRow("GB18030") << QByteArray("GB18030")
                             << pairs("", {0x80, 0x81, 0xA1, 0xA8, 0xFE, 0xFF}, 0x20, 0xFF)
                                    + pairs("\x84\x31", {0xA4, 0xA5}, 0x20, 0x3F) + pairs("\x84", {0x31}, 0x80, 0xFF, "7")
                             << wellformed;
}

void TestFileIo::decodeReadsAsQtDom()
{
    QFETCH(QByteArray, codec);
    QFETCH(QList<QByteArray>, raws);
    QFETCH(QSet<QByteArray>, none);
    QTextCodec *const encoding = QTextCodec::codecForName(codec);
    QVERIFY(encoding);
    // Whether the encoding has bytes of its own for U+FFFD.
    const QString replacement(QChar(QChar::ReplacementCharacter));
    const bool encodesreplacement = encoding->toUnicode(encoding->fromUnicode(replacement)) == replacement;
    int taken = 0;
    int readasacharacter = 0;   // of the raws that stand for none
    for (const QByteArray &raw : raws) {
        const QByteArray bytes = "<?xml version=\"1.0\" encoding=\"" + codec + "\"?><r>" + raw + "</r>";
        const QString row = QString::fromLatin1(raw.toHex(' '));
        QDomDocument dom;
        const bool domread = dom.setContent(bytes);
        const QString domtext = dom.documentElement().text();
        QString text;
        const bool decoded = fileio::decodexml(bytes, &text);
        if (decoded) {
            ++taken;
            QDomDocument fromtext;
            QVERIFY2(fromtext.setContent(text) == domread, qPrintable(row));
            QVERIFY2(fromtext.documentElement().text() == domtext, qPrintable(row + ": " + domtext));
        }
        if (!domread)
            continue;
        const bool whole = !domtext.contains(replacement) && QStringView(domtext).isValidUtf16();
        if (whole && none.contains(raw))
            ++readasacharacter;
        if (whole || !encodesreplacement)
            QVERIFY2(decoded == (whole && !none.contains(raw)), qPrintable(row + ": " + domtext));
    }
    QVERIFY(taken > 0);
    QCOMPARE(readasacharacter > 0, !none.isEmpty());
}

// Line ends become LF in one pass over the decoded text, so a byte 0x0D
// inside a UTF-16 character stays what it is: U+0D0A is the bytes CR LF in
// UTF-16BE and LF CR in UTF-16LE.
void TestFileIo::parseNormalisesLineEnds_data()
{
    QTest::addColumn<QByteArray>("codec");
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("text");   // the root element's
    QTest::newRow("CR LF") << QByteArray("UTF-8") << "<r>a\r\nb</r>" << "a\nb";
    QTest::newRow("lone CR") << QByteArray("UTF-8") << "<r>a\rb</r>" << "a\nb";
    QTest::newRow("CR at the end of the text") << QByteArray("UTF-8") << "<r>a\r</r>" << "a\n";
    QTest::newRow("CR at the end of the document") << QByteArray("UTF-8") << "<r>a</r>\r" << "a";
    QTest::newRow("CR LF at the end of the document") << QByteArray("UTF-8") << "<r>a</r>\r\n" << "a";
    QTest::newRow("CR CR LF") << QByteArray("UTF-8") << "<r>a\r\r\nb</r>" << "a\n\nb";
    QTest::newRow("LF CR") << QByteArray("UTF-8") << "<r>a\n\rb</r>" << "a\n\nb";
    QTest::newRow("CR LF LF") << QByteArray("UTF-8") << "<r>a\r\n\nb</r>" << "a\n\nb";
    QTest::newRow("mixed") << QByteArray("UTF-8") << "<r>\r\na\rb\nc\r\n\r\rd\n\r\n</r>" << "\na\nb\nc\n\n\nd\n\n";
    QTest::newRow("none") << QByteArray("UTF-8") << "<r>a b\tc</r>" << "a b\tc";
    const QString halves = QString::fromUtf8("\xe0\xb4\x8a \xc4\x8d \xe4\xb8\x8d");   // U+0D0A, U+010D, U+4E0D
    QTest::newRow("UTF-16BE") << QByteArray("UTF-16BE") << "<r>" + halves + "\r\n" + halves + "</r>"
                              << halves + "\n" + halves;
    QTest::newRow("UTF-16LE") << QByteArray("UTF-16LE") << "<r>" + halves + "\r" + halves + "</r>"
                              << halves + "\n" + halves;
}

void TestFileIo::parseNormalisesLineEnds()
{
    QFETCH(QByteArray, codec);
    QFETCH(QString, xml);
    QFETCH(QString, text);
    QDomDocument document;
    QVERIFY(fileio::parsexml(&document, encoded(codec, xml), /*keepwhitespace=*/true));
    QCOMPARE(document.documentElement().text(), text);
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

namespace {

// Every node Qt's DOM holds below node: elements, attributes, texts,
// comments, processing instructions, CDATA sections, entity references;
// below a document type, its notations and entities. An attribute counts
// with the one text node Qt 5 keeps beneath it for its value, as the scan
// counts it; any more beneath it count too.
int treenodes(const QDomNode &node)
{
    const QDomNamedNodeMap attributes = node.attributes();
    int count = attributes.count();
    for (int i = 0; i < attributes.count(); ++i)
        count += qMax(0, attributes.item(i).childNodes().count() - 1);
    for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling())
        count += 1 + treenodes(child);
    return count;
}

// Every node of document: its children (the XML declaration, comments and
// processing instructions before and after the root, those of the document
// type's subset among them) and all below them, and the document type,
// which is no child, with what it holds.
int documentnodes(const QDomDocument &document)
{
    const QDomDocumentType doctype = document.doctype();
    const int typenodes = doctype.name().isEmpty() && !doctype.hasChildNodes() ? 0 : 1 + treenodes(doctype);
    return treenodes(document) + typenodes;
}

// Whatever either of the tool's readers builds from xml, the scan has
// counted at least as many nodes.
void verifycountholds(const QString &xml)
{
    const fileio::XmlScan scan = fileio::scanxml(xml, std::numeric_limits<int>::max());
    if (scan.problem != fileio::XmlProblem::None)
        return;
    for (const bool keepwhitespace : {false, true}) {
        QDomDocument document;
        fileio::parsexml(&document, xml.toUtf8(), keepwhitespace, {1 << 30, std::numeric_limits<int>::max()});
        const int built = documentnodes(document);
        QVERIFY2(built <= scan.nodes, qPrintable(QString("%1 > %2 (%3): ")
                                                     .arg(built)
                                                     .arg(scan.nodes)
                                                     .arg(keepwhitespace ? "keeping white space" : "plain")
                                                 + xml));
    }
}

} // namespace

// Each node of Qt's DOM takes hundreds of bytes: a file within its byte
// bound could take gigabytes. It is refused before a tree is built, while
// the largest skin the tool makes still reads.
void TestFileIo::nodesAreBounded_data()
{
    using fileio::XmlProblem;
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<bool>("skin");   // the skin document's bounds, or a small file's
    QTest::addColumn<XmlProblem>("problem");
    const auto filled = [](const QByteArray &piece, qint64 bytes) {
        return "<r>" + piece.repeated(int((bytes - 7) / piece.size())) + "</r>";
    };
    // A document type whose subset is piece repeated, in front of body.
    const auto subset = [](const QByteArray &piece, qint64 bytes, const QByteArray &body = "<r/>") {
        const QByteArray open = "<!DOCTYPE r [";
        return open + piece.repeated(int((bytes - open.size() - 2 - body.size()) / piece.size())) + "]>" + body;
    };
    QTest::newRow("6 MB of tiny elements") << filled("<a b=\"\"/>\n", 6 << 20) << true << XmlProblem::TooMany;
    QTest::newRow("8 MB of tiny elements") << filled("<a/>", 8 << 20) << false << XmlProblem::TooMany;
    QTest::newRow("8 MB of comments") << filled("<!---->", 8 << 20) << false << XmlProblem::TooMany;
    QTest::newRow("8 MB of processing instructions") << filled("<?p?>", 8 << 20) << false << XmlProblem::TooMany;
    QTest::newRow("8 MB of attributes") << "<r" + QByteArray(" a=''").repeated(1600000) + "/>" << false
                                        << XmlProblem::TooMany;
    QTest::newRow("8 MB of texts between comments") << filled("x<!---->", 8 << 20) << false << XmlProblem::TooMany;
    QTest::newRow("8 MB of unresolved references") << filled("&e;", 8 << 20) << false << XmlProblem::TooMany;
    // Qt's DOM keeps each comment and processing instruction of a subset as
    // a node of the document, and each notation in the document type.
    QTest::newRow("8 MB of processing instructions in a subset") << subset("<?a?>", 8 << 20) << true
                                                                 << XmlProblem::TooMany;
    QTest::newRow("8 MB of comments in a subset") << subset("<!---->", 8 << 20) << false << XmlProblem::TooMany;
    QTest::newRow("8 MB of notations beside elements")
        << subset("<!NOTATION n SYSTEM ''>", (8 << 20) - 300000 * 4, "<r>" + QByteArray("<a/>").repeated(300000) + "</r>")
        << false << XmlProblem::TooMany;
    // The reader that keeps white space makes each entity reference of a
    // default value a node of the document; no real file has one.
    QTest::newRow("8 MB of references in attribute defaults")
        << subset("<!ATTLIST r a CDATA '" + QByteArray("&e;").repeated(1000) + "'>", 8 << 20) << false
        << XmlProblem::Entities;
    // The same reader makes each reference in the XML declaration a node.
    QTest::newRow("a declaration full of references")
        << "<?xml version=\"1." + QByteArray("&nbsp;").repeated((8 << 20) / 6 - 10) + "0\"?><r/>" << false
        << XmlProblem::Malformed;
    // What the readers build of markup the file ends inside: a start tag
    // that lacks only its ">" is built with every attribute, and one cut off
    // sooner has its attributes held before the reader fails.
    const QByteArray million = "<r" + QByteArray(" a=''").repeated(1000000);
    QTest::newRow("a million attributes in a tag cut off after its /") << million + " /" << false
                                                                      << XmlProblem::TooMany;
    QTest::newRow("a million attributes in a tag cut off before its /") << million << false << XmlProblem::TooMany;
    QTest::newRow("a million attributes in a tag cut off in a value") << million + " b='x>" << false
                                                                     << XmlProblem::TooMany;
    // Elements up to the node bound, and markup cut off after them.
    const auto atbound = [](const QByteArray &tail) {
        return "<r>" + QByteArray("<a/>").repeated(fileio::smallxmllimits.nodes - 1) + tail;
    };
    QTest::newRow("at the bound, then a start tag cut off after its /") << atbound("<b c='' /") << false
                                                                         << XmlProblem::TooMany;
    QTest::newRow("at the bound, then an empty start tag cut off") << atbound("<b") << false << XmlProblem::TooMany;
    QTest::newRow("at the bound, then a comment cut off") << atbound("<!-- c") << false << XmlProblem::TooMany;
    QTest::newRow("at the bound, then an instruction cut off") << atbound("<?p d") << false << XmlProblem::TooMany;
    QTest::newRow("at the bound, then CDATA cut off") << atbound("<![CDATA[d") << false << XmlProblem::TooMany;
    QTest::newRow("at the bound, then text at the end") << atbound("x") << false << XmlProblem::TooMany;
    QTest::newRow("a subset at the bound, cut off in a comment")
        << "<!DOCTYPE r [" + QByteArray("<!---->").repeated(fileio::smallxmllimits.nodes - 1) + "<!-- c" << false
        << XmlProblem::TooMany;
    QTest::newRow("a subset at the bound, cut off in a notation")
        << "<!DOCTYPE r [" + QByteArray("<?p?>").repeated(fileio::smallxmllimits.nodes - 1) + "<!NOTATION n SYSTEM '"
        << false << XmlProblem::TooMany;
    QTest::newRow("80,000 controls")
        << filled("<button x=\"1\" y=\"2\" width=\"10\" height=\"10\" action=\"cue\"/>", 80000 * 59) << true
        << XmlProblem::None;
    // Far more than a real host file holds.
    QTest::newRow("3 MB of placements")
        << filled("<idx1 visible=\"yes\" x=\"100\" y=\"200\" width=\"300\" height=\"400\"/>\r\n", 3 << 20)
        << false << XmlProblem::None;
}

void TestFileIo::nodesAreBounded()
{
    QFETCH(QByteArray, xml);
    QFETCH(bool, skin);
    QFETCH(fileio::XmlProblem, problem);
    const fileio::XmlLimits limits = skin ? fileio::skinxmllimits : fileio::smallxmllimits;
    QVERIFY(xml.size() <= limits.bytes);
    for (const bool keepwhitespace : {false, true}) {
        QDomDocument document;
        const fileio::XmlRead read = fileio::parsexml(&document, xml, keepwhitespace, limits);
        QCOMPARE(read.problem, problem);
        QCOMPARE(document.documentElement().isNull(), problem != fileio::XmlProblem::None);
    }
}

// The scan counts what the tree will hold, never less: whatever Qt's DOM
// makes of elements, attributes, texts around references, comments and
// the rest, in either reader.
void TestFileIo::scanCountsAtLeastTheTree_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<int>("nodes");   // what the scan counts
    QTest::newRow("one of each")
        << "<r><a b='1' c=\"2\"/>x<!--c--><?p d?><![CDATA[e]]>&f;</r>" << 11;
    QTest::newRow("texts around references") << "<r>a&lt;b&#60;c&#x1F600;d</r>" << 2;
    QTest::newRow("attribute values with markup") << "<r a='<b c=\"d\">' e=\"'>\"/>" << 3;
    QTest::newRow("white space") << "<r>\n <a/>\n <a/>\n</r>" << 6;
    QTest::newRow("document type") << "<!DOCTYPE r SYSTEM 'r.dtd'><!--c--><r/><?p?>" << 4;
    QTest::newRow("namespaces") << "<q:r xmlns:q='urn:x' q:a='1'><q:b/></q:r>" << 4;
    QTest::newRow("end tags that end nothing") << "<r></a></b>x</r>" << 2;
    QTest::newRow("XML declaration") << "<?xml version = '1.0'\tencoding=\"UTF-8\" standalone='no' ?><r/>" << 2;
    QTest::newRow("subset comments, instructions and notations")
        << "<!DOCTYPE r [<!--c--><?p?> <!NOTATION n SYSTEM 'n'><!NOTATION n SYSTEM 'm'><!ELEMENT r ANY>]><r/>" << 6;
    QTest::newRow("references in attribute defaults")
        << "<!DOCTYPE r [<!ATTLIST r a CDATA '&amp;&#60;' b CDATA \"&lt;>\" c CDATA #FIXED '&#x1F600;'>]><r/>" << 2;
    QTest::newRow("attributes one per line") << "<r\n a='1'\n\tb\t=\t\"2\"\n c\n=\n'3'\n/>" << 4;
    // Cut off inside markup: what the readers build of it before they fail.
    QTest::newRow("start tag cut off after its /") << "<r><a b='1' c = \"2\" /" << 4;
    QTest::newRow("start tag cut off before its /") << "<r><a b='1' c='2'" << 4;
    QTest::newRow("start tag cut off in a value") << "<r><a b='1' c='2" << 4;
    QTest::newRow("end tag cut off") << "<r><a/></a" << 2;
    QTest::newRow("comment cut off") << "<r>x<!-- c" << 3;
    QTest::newRow("instruction cut off") << "<r><?p d" << 2;
    QTest::newRow("CDATA cut off") << "<r><![CDATA[e" << 2;
    QTest::newRow("document type cut off in its subset")
        << "<!DOCTYPE r [<!--c--><?p?><!NOTATION n SYSTEM 'n'><!NOTATION m SYSTEM 'm" << 5;
    QTest::newRow("subset cut off in a comment") << "<!DOCTYPE r [<?p?><!-- c" << 3;
    QTest::newRow("document type cut off in its id") << "<?xml version='1.0'?><!DOCTYPE r SYSTEM 'r" << 2;
    QTest::newRow("a reference at the very end") << "<r>a&e;" << 4;
}

void TestFileIo::scanCountsAtLeastTheTree()
{
    QFETCH(QString, xml);
    QFETCH(int, nodes);
    QCOMPARE(fileio::scanxml(xml, std::numeric_limits<int>::max()).nodes, nodes);
    QCOMPARE(fileio::scanxml(xml, nodes).problem, fileio::XmlProblem::None);
    QCOMPARE(fileio::scanxml(xml, nodes - 1).problem, fileio::XmlProblem::TooMany);
    verifycountholds(xml);
}

namespace {

// The document's children before its root element, the XML declaration
// left out, as "type name value" lines.
QStringList prologlines(const QString &xml)
{
    QDomDocument document;
    fileio::parsexml(&document, xml.toUtf8(), true, {1 << 30, std::numeric_limits<int>::max()});
    QStringList lines;
    for (QDomNode node = document.firstChild(); !node.isNull() && !node.isElement(); node = node.nextSibling()) {
        if (node.nodeName() != QLatin1String("xml"))
            lines << QString("%1 %2 %3").arg(node.nodeType()).arg(node.nodeName(), node.nodeValue());
    }
    return lines;
}

} // namespace

// Qt's DOM makes the comments and processing instructions of a document
// type's subset children of the document: the scan says how many there are
// and how many stand after the document type, so that a writer can tell
// them from the others. Checked against the DOM of the document, of the
// document without its document type and of the document type alone.
void TestFileIo::scanFindsTheSubsetsChildren()
{
    static const char *const outside[] = {"<!--c-->", "<?p x?>", "<?q?>", "<!--c-->", " ", "\n"};
    static const char *const inside[] = {"<!--c-->", "<?p x?>", "<!-- d -->", "<!NOTATION n SYSTEM '<!--x--><?y?>'>",
                                         "<!ELEMENT r ANY>", "<!ATTLIST r a CDATA '?>'>", " ", "\n"};
    QRandomGenerator random(20261212);
    const auto pieces = [&random](const auto &list, int most) {
        QString text;
        for (int i = random.bounded(most + 1); i > 0; --i)
            text += QLatin1String(list[random.bounded(int(sizeof list / sizeof *list))]);
        return text;
    };
    for (int document = 0; document < 500; ++document) {
        const QString doctype = "<!DOCTYPE r [" + pieces(inside, 6) + "]>";
        const QString before = "<?xml version='1.0'?>" + pieces(outside, 3);
        const QString xml = before + doctype + pieces(outside, 3) + "<r/>" + pieces(outside, 2);
        const fileio::XmlScan scan = fileio::scanxml(xml, std::numeric_limits<int>::max());
        QCOMPARE(scan.problem, fileio::XmlProblem::None);
        QCOMPARE(xml.mid(scan.doctypestart, scan.doctypeend - scan.doctypestart), doctype);
        const QStringList subset = prologlines(doctype + "<r/>");
        QStringList expected = prologlines(QString(xml).remove(scan.doctypestart, doctype.size()));
        for (int i = 0; i < subset.size(); ++i)
            expected.insert(expected.size() - scan.afterdoctype, subset.at(i));
        QCOMPARE(scan.subsetchildren, subset.size());
        QVERIFY2(prologlines(xml) == expected, qPrintable(xml));
    }
}

// Documents made of pieces in random order, some opened by a declaration
// and a document type whose subset holds pieces of its own, whole and cut
// off at a random point: whatever either reader builds of them, up to where
// it stops, the scan counted.
void TestFileIo::scanCountsAtLeastTheTreeOnGeneratedText()
{
    static const char *const declarations[] = {
        "", "", "<?xml version='1.0'?>", "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>",
        "<?xml version='1.&e;0'?>", "<?xml version='1.0' encoding='&e;&f;'?>", "<?xml version='1.0' foo='x'?>",
        "<?xml version='1.0' &e;?>", "<?xml version = '1.0'\n\tencoding\t=\t'UTF-8' ?>", "<?XML version='1.0'?>",
        "<?xml?>", "<?xml-stylesheet href='a'?>", " <?xml version='1.0'?>"};
    static const char *const subsetpieces[] = {
        "<!---->", "<!-- <a> ]> -->", "<?p?>", "<?p ]> ?>", "<?xml x?>", "<?Xml?>", "<!NOTATION n SYSTEM 'n'>",
        "<!NOTATION n PUBLIC 'p' '&e;]>'>", "<!ELEMENT a ANY>", "<!ATTLIST a v CDATA '&e;&f;'>",
        "<!ATTLIST a v CDATA \"&amp;&#60;>\" w CDATA #FIXED '&#x1F600;'>", " ", "\n", "]", "'", "<!--", "<?p"};
    static const char *const pieces[] = {
        "<a>", "</a>", "<b/>", "<a v='>'>", "<a v=\">\" w='1'>", "<b x='\"' y=\"'\"/>", "<!-- <a> -->", "<!--",
        "-->", "<![CDATA[<a>", "]]>", "<?p <a>?>", "<?p", "?>", "&e;", "&#60;", "&lt;", "&#x1F600;", "]", ">",
        "\"", "'", "=", "<!DOCTYPE a SYSTEM 'a'>", "<", "x", " ", "\n", "<c d='&amp;'/>", "<q:a xmlns:q='u'>",
        "<a\n b='1'\n c=\"2\"\n>", "<b\tc\t=\t'1'\td =\n\"2\"/>", "<b c\n=\n'1'/>", "<?xml version='1.0'?>",
        "<?XML?>", "<!DOCTYPE a [", "<!NOTATION n SYSTEM 'n'>", "]>"};
    const auto pick = [](QRandomGenerator &random, const auto &from) {
        return QLatin1String(from[random.bounded(int(sizeof from / sizeof *from))]);
    };
    QRandomGenerator random(20261211);
    for (int document = 0; document < 4000; ++document) {
        QString xml = pick(random, declarations);
        if (random.bounded(2) == 0) {
            xml += "<!DOCTYPE a [";
            for (int i = random.bounded(0, 12); i > 0; --i)
                xml += pick(random, subsetpieces);
            xml += "]>";
        }
        for (int i = random.bounded(5, 60); i > 0; --i)
            xml += pick(random, pieces);
        verifycountholds(xml);
        // Cut off anywhere, inside any kind of markup.
        verifycountholds(xml.left(random.bounded(xml.size() + 1)));
        if (QTest::currentTestFailed())
            return;
    }
}

// The XML declaration is a version, then an encoding and standalone if
// given, and nothing else: Qt's readers take more (a version "2.0", an
// encoding "u&amp;8", references that the reader keeping white space makes
// nodes before the root), and a document written back from them would not
// be XML. Only the declaration at the very start may be named "xml".
void TestFileIo::xmlDeclarationIsReadByItsGrammar_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<int>("column");   // where it is refused on line 1; 0: it reads
    QTest::newRow("version") << "<?xml version=\"1.0\"?><r/>" << 0;
    QTest::newRow("all three in single quotes") << "<?xml version='1.1' encoding='UTF-8' standalone='yes'?><r/>" << 0;
    QTest::newRow("white space where XML allows it")
        << "<?xml version =\t\"1.0\"\n\tencoding\n=  'ISO-8859-1'\r\n standalone= \"no\"  ?><r/>" << 0;
    QTest::newRow("encoding of letters, digits, '.', '_' and '-'")
        << "<?xml version=\"1.0\" encoding=\"UTF-8\"?><?xml-stylesheet href='a'?><r/>" << 0;
    QTest::newRow("an instruction whose name begins with xml") << "<?xmlfoo a?><r><?xml-x?></r>" << 0;
    QTest::newRow("no version") << "<?xml encoding=\"UTF-8\"?><r/>" << 7;
    QTest::newRow("version 2.0") << "<?xml version=\"2.0\"?><r/>" << 16;
    QTest::newRow("version without digits") << "<?xml version='1.'?><r/>" << 16;
    QTest::newRow("a reference in the version") << "<?xml version=\"1.&nbsp;0\" encoding=\"UTF-8\"?><r/>" << 16;
    QTest::newRow("a reference in the encoding") << "<?xml version=\"1.0\" encoding=\"UTF&#45;8\"?><r/>" << 31;
    QTest::newRow("an encoding that begins with a digit") << "<?xml version='1.0' encoding='8bit'?><r/>" << 31;
    QTest::newRow("standalone neither yes nor no") << "<?xml version='1.0' standalone='Yes'?><r/>" << 33;
    QTest::newRow("an unknown value") << "<?xml version=\"1.0\" foo=\"x\"?><r/>" << 21;
    QTest::newRow("references after the values") << "<?xml version=\"1.0\" &a;&b;?><r/>" << 21;
    QTest::newRow("standalone before the encoding")
        << "<?xml version=\"1.0\" standalone=\"yes\" encoding=\"UTF-8\"?><r/>" << 38;
    QTest::newRow("no blank before the encoding") << "<?xml version=\"1.0\"encoding=\"UTF-8\"?><r/>" << 20;
    QTest::newRow("no '='") << "<?xml version \"1.0\"?><r/>" << 15;
    QTest::newRow("no quotes") << "<?xml version=1.0?><r/>" << 15;
    QTest::newRow("a value twice") << "<?xml version='1.0' version='1.0'?><r/>" << 21;
    QTest::newRow("no end") << "<?xml version='1.0'" << 20;
    QTest::newRow("after white space") << " <?xml version=\"1.0\"?><r/>" << 2;
    QTest::newRow("after a comment") << "<!-- c --><?xml version=\"1.0\"?><r/>" << 11;
    QTest::newRow("twice") << "<?xml version=\"1.0\"?><?xml version=\"1.0\"?><r/>" << 22;
    QTest::newRow("in capitals at the start") << "<?XML version=\"1.0\"?><r/>" << 1;
    QTest::newRow("named xml in the root") << "<r><?xml version=\"1.0\"?></r>" << 4;
    QTest::newRow("named Xml in a subset") << "<!DOCTYPE r [<?Xml x?>]><r/>" << 14;
    QTest::newRow("named xML after the root") << "<r/><?xML?>" << 5;
}

void TestFileIo::xmlDeclarationIsReadByItsGrammar()
{
    QFETCH(QString, xml);
    QFETCH(int, column);
    for (const bool keepwhitespace : {false, true}) {
        QDomDocument document;
        const fileio::XmlRead read = fileio::parsexml(&document, xml.toUtf8(), keepwhitespace);
        QCOMPARE(read.problem, column ? fileio::XmlProblem::Malformed : fileio::XmlProblem::None);
        QCOMPARE(document.documentElement().isNull(), column != 0);
        if (!column)
            continue;
        QVERIFY(!read.detail.isEmpty());
        QCOMPARE(read.line, 1);
        QCOMPARE(read.column, column);
    }
}

// Qt 5's reader keeps only the low 16 bits of a character reference and
// takes references to no character at all: what the tool reads is what
// Qt's streaming reader reads, or the document is refused as it refuses it.
void TestFileIo::referencesKeepTheirCharacters_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<bool>("reads");
    QTest::newRow("past U+FFFF in text") << "<r>a&#x1F600;b&#128512;c</r>" << true;
    QTest::newRow("past U+FFFF in an attribute") << "<r><a v='&#x1F600;'/><a v=\"&#x10FFFF;\"/></r>" << true;
    QTest::newRow("beside other references") << "<r>&lt;&#x10000;&amp;&#x20;&#9;</r>" << true;
    QTest::newRow("in a comment and CDATA, as written") << "<r><!--&#x1F600;--><![CDATA[&#x1F600;]]></r>" << true;
    QTest::newRow("U+0000") << "<r>&#0;</r>" << false;
    QTest::newRow("U+0001 in an attribute") << "<r a='&#x1;'/>" << false;
    QTest::newRow("past U+10FFFF") << "<r>&#x110000;</r>" << false;
    QTest::newRow("far past U+10FFFF") << "<r>&#99999999999999999999;</r>" << false;
    QTest::newRow("leading zeros") << "<r a='&#00000000000000000000065;'>&#x0000000000000000000041;</r>" << true;
    // 2^32 + 65 and 2^64 + 65: an integer that wraps would read them as "A".
    QTest::newRow("past 32 bits") << "<r>&#4294967361;</r>" << false;
    QTest::newRow("past 64 bits") << "<r>&#18446744073709551681;</r>" << false;
    QTest::newRow("past 64 bits, in hexadecimal") << "<r a='&#x10000000000000041;'/>" << false;
    QTest::newRow("hexadecimal letters in a decimal one") << "<r>&#12a;</r>" << false;
    QTest::newRow("a decimal one with no digits but hexadecimal") << "<r>&#A;</r>" << false;
    QTest::newRow("a hexadecimal one without digits") << "<r>&#x;</r>" << false;
    QTest::newRow("a surrogate") << "<r>&#xD800;&#xDC00;</r>" << false;
    QTest::newRow("U+FFFE") << "<r>&#xFFFE;</r>" << false;
    QTest::newRow("raw U+0001") << QString("<r>a") + QChar(1) + "b</r>" << false;
    QTest::newRow("raw U+FFFF") << QString("<r a='") + QChar(0xFFFF) + "'/>" << false;
}

void TestFileIo::referencesKeepTheirCharacters()
{
    QFETCH(QString, xml);
    QFETCH(bool, reads);
    // Refused by the scan, before Qt's reader could take it.
    QCOMPARE(bool(fileio::checkxml(xml.toUtf8(), fileio::smallxmllimits)), reads);
    QDomDocument document;
    QCOMPARE(bool(fileio::parsexml(&document, xml.toUtf8())), reads);
    QString streamed;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isCharacters() || reader.isComment())
            streamed += reader.text();
        for (const QXmlStreamAttribute &attribute : reader.attributes())
            streamed += attribute.value();
    }
    QCOMPARE(reader.hasError(), !reads);
    if (!reads)
        return;
    QString read;
    const std::function<void(const QDomNode &)> collect = [&](const QDomNode &node) {
        for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling()) {
            if (child.isCharacterData() || child.isCDATASection())
                read += child.nodeValue();
            for (int i = 0; i < child.attributes().count(); ++i)
                read += child.attributes().item(i).nodeValue();
            collect(child);
        }
    };
    collect(document);
    QCOMPARE(read, streamed);
}

// The line a message gives for a file that was not read names the file and
// says why, in words a user can act on.
void TestFileIo::refusalsSayWhichFileAndWhy_data()
{
    QTest::addColumn<QByteArray>("bytes");   // the file's; "folder": a folder
    QTest::addColumn<QString>("line");       // %1: the file
    QTest::newRow("missing") << QByteArray() << "%1 does not exist.";
    QTest::newRow("folder") << QByteArray("folder") << "%1 is not a regular file.";
    QTest::newRow("larger than its bound") << QByteArray(int(fileio::smallxmllimits.bytes) + 1, ' ')
                                          << "%1 is larger than any real one (more than 8 MB).";
    QTest::newRow("not text") << QByteArray("<r>caf\xe9</r>")
                             << "%1 is not text: it holds bytes that are not characters in its encoding, UTF-8.";
    QTest::newRow("not text in UTF-16")
        << QByteArray("\xff\xfe<\0r\0>\0\x00\xd8<\0/\0r\0>\0", 16)
        << "%1 is not text: it holds bytes that are not characters in its encoding, UTF-16LE.";
    QTest::newRow("entity") << QByteArray("<!DOCTYPE r [\n<!ENTITY e 'x'>]><r>&e;</r>")
                            << "%1 declares an entity, which no real one does (line 2, column 1).";
    QTest::newRow("parameter entity") << QByteArray("<!DOCTYPE r [<!-- x -->\n <!ENTITY\t% p 'x'>]><r/>")
                                      << "%1 declares a parameter entity, which no real one does (line 2, column 2).";
    QTest::newRow("parameter entity's reference")
        << QByteArray("<!DOCTYPE r SYSTEM 'r.dtd' [\n%p;]><r/>")
        << "%1 refers to a parameter entity in its document type, which no real one does (line 2, column 1).";
    QTest::newRow("undeclared entity in an attribute")
        << QByteArray("<r>&e;\n<a b='&amp;' c='x&nbsp;'/></r>")
        << "%1 refers to the undeclared entity &nbsp; in an attribute value, which no real one does "
           "(line 2, column 18).";
    QTest::newRow("undeclared entity in a default value")
        << QByteArray("<!DOCTYPE r [<!ATTLIST r a CDATA '&#60;&e;'>]><r/>")
        << "%1 refers to the undeclared entity &e; in an attribute value, which no real one does "
           "(line 1, column 40).";
    QTest::newRow("deep") << nested(300) << "%1 nests deeper than any real one: more than 256 levels at line 1, "
                                            "column 769.";
    QTest::newRow("too many nodes")
        << "<r>" + QByteArray("<a/>").repeated(fileio::smallxmllimits.nodes) + "</r>"
        << "%1 holds more than any real one (more than 500,000 elements, attributes, texts, comments and other markup).";
    QTest::newRow("not well-formed") << QByteArray("<r>\n <a></b>\n</r>")
                                     << "%1 is not well-formed XML: tag mismatch (line 2, column 8).";
    QTest::newRow("XML declaration with an unknown value")
        << QByteArray("<?xml version=\"1.0\" foo=\"x\"?><r/>")
        << "%1 is not well-formed XML: the XML declaration holds more than a version, an encoding and standalone, "
           "in that order (line 1, column 21).";
    QTest::newRow("XML declaration with a reference in its version")
        << QByteArray("<?xml version=\"1.&nbsp;0\"?>\n<r/>")
        << "%1 is not well-formed XML: the XML declaration's version is not \"1.\" followed by digits "
           "(line 1, column 16).";
    QTest::newRow("instruction named xml")
        << QByteArray("<r>\n<?XML x?></r>")
        << "%1 is not well-formed XML: a processing instruction is named \"XML\", which only the XML declaration at "
           "the very start may be (line 2, column 1).";
    QTest::newRow("reference to no character")
        << QByteArray("<r>&#0;</r>")
        << "%1 is not well-formed XML: the reference &#0; names no character XML allows (line 1, column 4).";
    // A quote from the file is cut to a few dozen characters: the line and
    // column say where the rest stands.
    QTest::newRow("undeclared entity with a name of 8 million letters")
        << "<r>\n<a b='&" + QByteArray(8000000, 'n') + ";'/></r>"
        << "%1 refers to the undeclared entity &" + QString(39, 'n')
               + "\u2026 in an attribute value, which no real one does (line 2, column 7).";
    QTest::newRow("reference of 8 million zeros to no character")
        << "<r>&#x" + QByteArray(8000000, '0') + ";</r>"
        << "%1 is not well-formed XML: the reference &#x" + QString(37, '0')
               + "\u2026 names no character XML allows (line 1, column 4).";
    QTest::newRow("character XML does not allow")
        << QByteArray("<r>\r\n\x01</r>")
        << "%1 is not well-formed XML: the character U+0001 is not allowed in XML (line 2, column 1).";
}

void TestFileIo::refusalsSayWhichFileAndWhy()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, line);
    const QString file = path("settings.xml");
    if (bytes == "folder")
        QVERIFY(QDir().mkpath(file));
    else if (!bytes.isEmpty())
        QVERIFY(testsupport::writeFile(file, bytes));
    QDomDocument document;
    const fileio::XmlRead read = fileio::readxml(file, &document);
    QVERIFY(!read);
    QCOMPARE(fileio::xmlproblemtext(read, file), line.arg(file));
}

// A message quotes no more of a file than a person reads, and never half
// of a character.
void TestFileIo::quotesAreCutToAFewDozenCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("quote");
    const QString emoji = QString::fromUtf8("\xf0\x9f\x98\x80");
    const QString ellipsis(QChar(0x2026));
    QTest::newRow("short") << "&nbsp;" << "&nbsp;";
    QTest::newRow("as long as a quote may be") << QString(40, 'a') << QString(40, 'a');
    QTest::newRow("one longer") << QString(41, 'a') << QString(40, 'a') + ellipsis;
    QTest::newRow("8 million letters") << QString(8000000, 'a') << QString(40, 'a') + ellipsis;
    QTest::newRow("a pair of surrogates across the cut")
        << QString(39, 'a') + emoji + "b" << QString(39, 'a') + ellipsis;
    QTest::newRow("a pair of surrogates before the cut") << QString(38, 'a') + emoji + "bc"
                                                         << QString(38, 'a') + emoji + ellipsis;
}

void TestFileIo::quotesAreCutToAFewDozenCharacters()
{
    QFETCH(QString, text);
    QFETCH(QString, quote);
    QCOMPARE(fileio::quoted(text), quote);
    QVERIFY(fileio::quoted(text).size() <= fileio::quotedlength + 1);
}

QTEST_GUILESS_MAIN(TestFileIo)
#include "tst_fileio.moc"
