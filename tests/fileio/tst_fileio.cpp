#include <QtTest>

#include <QDomDocument>
#include <QRandomGenerator>
#include <QTextCodec>
#include <QThread>
#include <QXmlStreamReader>

#include <sys/stat.h>

#include <functional>
#include <limits>

#include "fileio/fileio.h"
#include "support/filesizelimit.h"
#include "support/testsupport.h"

using fileio::ReadResult;

Q_DECLARE_METATYPE(fileio::ReadResult)

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

// A document that the scan passes must be no deeper for either reader.
void verifyscanholds(const QString &xml, int bound)
{
    if (!fileio::withinxmlbounds(xml, bound))
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
    void failedWritesKeepTheOldFile_data();
    void failedWritesKeepTheOldFile();
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
    void parseNormalisesLineEnds_data();
    void parseNormalisesLineEnds();
    void parseCanKeepWhitespaceText();
    void nodesAreBounded_data();
    void nodesAreBounded();
    void scanCountsAtLeastTheTree_data();
    void scanCountsAtLeastTheTree();
    void scanCountsAtLeastTheTreeOnGeneratedText();
    void referencesKeepTheirCharacters_data();
    void referencesKeepTheirCharacters();
    void refusalsSayWhichFileAndWhy_data();
    void refusalsSayWhichFileAndWhy();

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
        << "<?xml version='1.0'?><!DOCTYPE r [<!ELEMENT a ANY><!-- x -->]>" + nested(3) << true;
    QTest::newRow("declaration and doctype with an entity")
        << "<?xml version='1.0'?><!DOCTYPE r [<!ENTITY e '<a>'>]>" + nested(3) << false;
}

void TestFileIo::depthCheck()
{
    QFETCH(QByteArray, xml);
    QFETCH(bool, within);
    QCOMPARE(fileio::withinxmlbounds(xml), within);
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
    QCOMPARE(fileio::withinxmlbounds(xml, bound), within);
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
    QScopedPointer<QThread> scan(QThread::create([&] { within = fileio::withinxmlbounds(text); }));
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
// comments, processing instructions, CDATA sections, entity references.
int treenodes(const QDomNode &node)
{
    int count = node.attributes().count();
    for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling())
        count += 1 + treenodes(child);
    return count;
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
        QVERIFY2(treenodes(document) <= scan.nodes,
                 qPrintable(QString("%1 > %2: ").arg(treenodes(document)).arg(scan.nodes) + xml));
    }
}

} // namespace

// Each node of Qt's DOM takes hundreds of bytes: a file within its byte
// bound could take gigabytes. It is refused before a tree is built, while
// the largest skin the tool makes still reads.
void TestFileIo::nodesAreBounded_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<bool>("skin");   // the skin document's bounds, or a small file's
    QTest::addColumn<bool>("reads");
    const auto filled = [](const QByteArray &piece, qint64 bytes) {
        return "<r>" + piece.repeated(int((bytes - 7) / piece.size())) + "</r>";
    };
    QTest::newRow("6 MB of tiny elements") << filled("<a b=\"\"/>\n", 6 << 20) << true << false;
    QTest::newRow("8 MB of tiny elements") << filled("<a/>", 8 << 20) << false << false;
    QTest::newRow("8 MB of comments") << filled("<!---->", 8 << 20) << false << false;
    QTest::newRow("8 MB of processing instructions") << filled("<?p?>", 8 << 20) << false << false;
    QTest::newRow("8 MB of attributes") << "<r" + QByteArray(" a=''").repeated(1600000) + "/>" << false << false;
    QTest::newRow("8 MB of texts between comments") << filled("x<!---->", 8 << 20) << false << false;
    QTest::newRow("8 MB of unresolved references") << filled("&e;", 8 << 20) << false << false;
    QTest::newRow("80,000 controls")
        << filled("<button x=\"1\" y=\"2\" width=\"10\" height=\"10\" action=\"cue\"/>", 80000 * 59) << true << true;
    // Far more than a real host file holds.
    QTest::newRow("3 MB of placements")
        << filled("<idx1 visible=\"yes\" x=\"100\" y=\"200\" width=\"300\" height=\"400\"/>\r\n", 3 << 20)
        << false << true;
}

void TestFileIo::nodesAreBounded()
{
    QFETCH(QByteArray, xml);
    QFETCH(bool, skin);
    QFETCH(bool, reads);
    const fileio::XmlLimits limits = skin ? fileio::skinxmllimits : fileio::smallxmllimits;
    QVERIFY(xml.size() <= limits.bytes);
    QDomDocument document;
    const fileio::XmlRead read = fileio::parsexml(&document, xml, false, limits);
    QCOMPARE(read.problem, reads ? fileio::XmlProblem::None : fileio::XmlProblem::TooMany);
    QCOMPARE(document.documentElement().isNull(), !reads);
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

void TestFileIo::scanCountsAtLeastTheTreeOnGeneratedText()
{
    static const char *const pieces[] = {
        "<a>", "</a>", "<b/>", "<a v='>'>", "<a v=\">\" w='1'>", "<b x='\"' y=\"'\"/>", "<!-- <a> -->", "<!--",
        "-->", "<![CDATA[<a>", "]]>", "<?p <a>?>", "<?p", "?>", "&e;", "&#60;", "&lt;", "&#x1F600;", "]", ">",
        "\"", "'", "=", "<!DOCTYPE a SYSTEM 'a'>", "<", "x", " ", "\n", "<c d='&amp;'/>", "<q:a xmlns:q='u'>"};
    const int count = int(sizeof pieces / sizeof *pieces);
    QRandomGenerator random(20261211);
    for (int document = 0; document < 4000; ++document) {
        QString xml;
        const int length = random.bounded(5, 60);
        for (int i = 0; i < length; ++i)
            xml += QLatin1String(pieces[random.bounded(count)]);
        verifycountholds(xml);
        if (QTest::currentTestFailed())
            return;
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
    QTest::newRow("a surrogate") << "<r>&#xD800;&#xDC00;</r>" << false;
    QTest::newRow("U+FFFE") << "<r>&#xFFFE;</r>" << false;
    QTest::newRow("raw U+0001") << QString("<r>a") + QChar(1) + "b</r>" << false;
    QTest::newRow("raw U+FFFF") << QString("<r a='") + QChar(0xFFFF) + "'/>" << false;
}

void TestFileIo::referencesKeepTheirCharacters()
{
    QFETCH(QString, xml);
    QFETCH(bool, reads);
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
    QTest::newRow("entities") << QByteArray("<!DOCTYPE r [\n<!ENTITY e 'x'>]><r>&e;</r>")
                              << "%1 declares entities or refers to one in an attribute value, "
                                 "which no real one does (line 2, column 1).";
    QTest::newRow("undeclared entity in an attribute") << QByteArray("<r a='&nbsp;'/>")
                                                       << "%1 declares entities or refers to one in an attribute "
                                                          "value, which no real one does (line 1, column 7).";
    QTest::newRow("deep") << nested(300) << "%1 nests deeper than any real one: more than 256 levels at line 1, "
                                            "column 769.";
    QTest::newRow("too many nodes")
        << "<r>" + QByteArray("<a/>").repeated(fileio::smallxmllimits.nodes) + "</r>"
        << "%1 holds more than any real one (more than 500,000 elements, attributes, texts and comments).";
    QTest::newRow("not well-formed") << QByteArray("<r>\n <a></b>\n</r>")
                                     << "%1 is not well-formed XML: tag mismatch (line 2, column 8).";
    QTest::newRow("reference to no character")
        << QByteArray("<r>&#0;</r>")
        << "%1 is not well-formed XML: the reference &#0; names no character XML allows (line 1, column 4).";
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

QTEST_GUILESS_MAIN(TestFileIo)
#include "tst_fileio.moc"
