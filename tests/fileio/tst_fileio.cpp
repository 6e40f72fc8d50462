#include <QtTest>

#include <QDomDocument>
#include <QRandomGenerator>
#include <QTextCodec>
#include <QXmlStreamReader>

#include <sys/stat.h>

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
    if (!fileio::withinxmldepth(xml, bound))
        return;
    QVERIFY2(streamdepth(xml) <= bound, qPrintable("stream reader deeper: " + xml));
    QVERIFY2(domdepth(xml) <= bound, qPrintable("DOM reader deeper: " + xml));
}

// Openings of documents that hide brackets, quotes and ends of markup where
// a scan that does not follow them would lose its place, and entities whose
// text nests elements where they are used.
enum Refusal { Followed, RefusedWhereUsed, Refused };

struct Prolog
{
    const char *name;
    const char *text;
    Refusal refusal;   // where the scan cannot follow what a reader would
    int entitylevels;   // what a reference to "deep" adds: itself and its elements
                        // (a reference no reader resolves is one level)
};

const Prolog prologs[] = {
    {"none", "", Followed, 1},
    {"declaration", "<?xml version='1.0' encoding='UTF-8'?>", Followed, 1},
    {"[ in a system id", "<!DOCTYPE a SYSTEM \"x[\">", Followed, 1},
    {"]> in a public id", "<!DOCTYPE a PUBLIC '-//x]>//' \"y[>\">", Followed, 1},
    {"[ in a subset comment", "<!DOCTYPE a [<!-- [ -->]>", Followed, 1},
    {"]> in a subset comment", "<!DOCTYPE a [<!-- ]> -->]>", Followed, 1},
    {"[ in a subset PI", "<!DOCTYPE a [<?p [ ?>]>", Followed, 1},
    {"]> in a subset PI", "<!DOCTYPE a [<?p ]> ?>]>", Followed, 1},
    {"[ in an entity value", "<!DOCTYPE a [<!ENTITY e \"[\">]>", Followed, 1},
    {"]> in an entity value", "<!DOCTYPE a [<!ENTITY e ']>\"'>]>", Followed, 1},
    {"]> in an attribute default", "<!DOCTYPE a [<!ELEMENT a ANY><!ATTLIST a v CDATA \"]>\">]>", Followed, 1},
    {"]> in external ids", "<!DOCTYPE a [<!ENTITY e SYSTEM \"x]>\"><!NOTATION n SYSTEM ']>'>]>", Followed, 1},
    {"nesting entity", "<!DOCTYPE a [<!ENTITY deep \"<a><a><a></a></a></a>\">]>", Followed, 4},
    {"nesting by character references",
     "<!DOCTYPE a [<!ENTITY deep \"&#60;a>&#x3c;a>&#60;a>x&#60;/a>&#60;/a>&#60;/a>\">]>", Followed, 4},
    {"entity in an entity", "<!DOCTYPE a [<!ENTITY in \"<a><a></a></a>\"><!ENTITY deep \"<b>&in;&in;</b>\">]>", Followed, 5},
    {"entity declared after its user", "<!DOCTYPE a [<!ENTITY deep \"<b>&in;</b>\"><!ENTITY in \"<a></a>\">]>", Followed, 4},
    {"markup that does not balance", "<!DOCTYPE a [<!ENTITY deep \"<a><a>\"><!ENTITY e \"</a></a>\">]>", RefusedWhereUsed, 0},
    {"parameter entity", "<!DOCTYPE a [<!ENTITY % p \"<!ENTITY deep '<a><a><a></a></a></a>'>\">%p;]>", Refused, 0},
    {"recursive entity", "<!DOCTYPE a [<!ENTITY deep \"<a>&deep;</a>\">]>", RefusedWhereUsed, 0},
    {"entity declared twice", "<!DOCTYPE a [<!ENTITY deep \"x\"><!ENTITY deep \"<a><a></a></a>\">]>", Refused, 0},
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
    void parseDecodesBeforeLooking_data();
    void parseDecodesBeforeLooking();
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

void TestFileIo::scanHoldsForQtsReaders_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<bool>("within");
    const int bound = 8;
    for (const Prolog &prolog : prologs) {
        for (const char *style : {"plain", "quoted values", "hidden tags", "entity at the bottom"}) {
            const bool usesentity = QByteArray(style) == "entity at the bottom";
            for (int depth : {bound - 5, bound - 1, bound, bound + 1}) {
                // The empty elements of each hidden-tags level are a level below it.
                const int levels = depth + (QByteArray(style) == "hidden tags" ? 1 : 0)
                                   + (usesentity ? prolog.entitylevels : 0);
                const QString xml = prolog.text + nestedbody(depth, style, usesentity ? "&deep;" : "text");
                QTest::addRow("%s, %s, %d", prolog.name, style, depth)
                    << xml
                    << (levels <= bound
                        && (prolog.refusal == Followed || (prolog.refusal == RefusedWhereUsed && !usesentity)));
            }
        }
    }
}

// The scan must pass only what is within the bound for Qt's readers too,
// whatever a document type holds; it may refuse a document type that it
// cannot follow, but no other document within the bound.
void TestFileIo::scanHoldsForQtsReaders()
{
    QFETCH(QString, xml);
    QFETCH(bool, within);
    const int bound = 8;
    verifyscanholds(xml, bound);
    QCOMPARE(fileio::withinxmldepth(xml, bound), within);
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
// whatever stands in front of it.
void TestFileIo::deepDocumentIsRefusedNotParsed_data()
{
    QTest::addColumn<QByteArray>("prolog");
    QTest::newRow("none") << QByteArray();
    QTest::newRow("[ in a system id") << QByteArray("<!DOCTYPE settings SYSTEM \"x[\">");
    QTest::newRow("[ in a subset comment") << QByteArray("<!DOCTYPE settings [<!-- [ -->]>");
    QTest::newRow("[ in a subset PI") << QByteArray("<!DOCTYPE settings [<?p [ ?>]>");
    QTest::newRow("[ in an entity value") << QByteArray("<!DOCTYPE settings [<!ENTITY e \"[\">]>");
    QTest::newRow("UTF-16") << QByteArray("\xFF\xFE");
}

void TestFileIo::deepDocumentIsRefusedNotParsed()
{
    QFETCH(QByteArray, prolog);
    const auto withprolog = [&](const QByteArray &body) {
        if (prolog != "\xFF\xFE")
            return prolog + body;
        return prolog + encoded("UTF-16LE", QString::fromLatin1(body));
    };
    QDomDocument document;
    QVERIFY(!fileio::parsexml(&document, withprolog(nested(50000))));
    QVERIFY(document.documentElement().isNull());
    QVERIFY(fileio::parsexml(&document, withprolog(nested(50))));
    QCOMPARE(document.documentElement().tagName(), QString("a"));
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
    QCOMPARE(fileio::decodexml(bytes).count(QChar(0xFEFF)), 0);
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
