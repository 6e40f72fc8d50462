// The one-pass writer of DOM documents must give the bytes of Qt's own
// writer (QDomDocument::toByteArray(1)), which it stands in for, but for
// the encoding that the XML declaration names: the bytes are UTF-8, and so
// is the name.
#include <QtTest>
#include <QDomDocument>
#include <QTextCodec>
#include <QXmlStreamReader>

#include "fileio/fileio.h"
#include "fileio/xmlwriter.h"

Q_DECLARE_METATYPE(QDomDocument)

namespace {

// Characters that escaping must get right, alone and together.
const char *const tricky[][2] = {
    {"double quote", "say \"hi\""},
    {"apostrophe", "it's"},
    {"ampersand", "a & b &amp;"},
    {"less than", "a < b"},
    {"greater than", "a > b"},
    {"end of CDATA", "a]]>b ]> ]]]>"},
    {"carriage return", "a\rb"},
    {"tab", "a\tb"},
    {"line feed", "a\nb"},
    {"CR LF", "a\r\nb"},
    {"blanks only", "  "},
    {"all together", "\"'&<>]]>\r\t\n end"},
    {"markup", "<x a=\"1\">&lt;</x>"},
    {"non-ASCII", "caf\xc3\xa9 \xe4\xb8\x8d \xe2\x82\xac"},
    {"empty", ""},
};

QDomDocument parsed(const char *xml)
{
    QDomDocument document;
    if (!document.setContent(QByteArray(xml)))
        qWarning("fixture does not parse: %s", xml);
    return document;
}

} // namespace

class TestXmlWriter : public QObject
{
    Q_OBJECT
private slots:
    void writesAsQtDoes_data();
    void writesAsQtDoes();
    void charactersOutsideThePlane();
    void declaresTheEncodingItIsWrittenIn_data();
    void declaresTheEncodingItIsWrittenIn();
};

void TestXmlWriter::writesAsQtDoes_data()
{
    QTest::addColumn<QDomDocument>("document");
    for (const auto &value : tricky) {
        const QString text = QString::fromUtf8(value[1]);
        QDomDocument intext = parsed("<r><t/></r>");
        intext.documentElement().firstChildElement().appendChild(intext.createTextNode(text));
        QTest::addRow("text: %s", value[0]) << intext;

        QDomDocument inattribute = parsed("<r><t/></r>");
        inattribute.documentElement().firstChildElement().setAttribute("v", text);
        QTest::addRow("attribute: %s", value[0]) << inattribute;

        QDomDocument mixed = parsed("<r><a>x</a><b/></r>");
        mixed.documentElement().insertBefore(mixed.createTextNode(text), mixed.documentElement().lastChild());
        QTest::addRow("between elements: %s", value[0]) << mixed;
    }
    // A lone surrogate half comes only from a broken string; UTF-8 cannot
    // carry it, and a character reference to it is no XML.
    const QString lone = QString("a") + QChar(0xD800) + "b" + QChar(0xDC00);
    QDomDocument halves = parsed("<r><t/></r>");
    halves.documentElement().firstChildElement().setAttribute("v", lone);
    halves.documentElement().firstChildElement().appendChild(halves.createTextNode(lone));
    QTest::newRow("lone surrogate halves") << halves;

    QDomDocument built = parsed("<r/>");
    built.documentElement().appendChild(built.createComment("ends in a dash-"));
    built.documentElement().appendChild(built.createCDATASection(" <x> & ]] "));
    built.documentElement().appendChild(built.createProcessingInstruction("pi", "a=\"1\" <b>"));
    QTest::newRow("comment, CDATA and PI made in the tree") << built;

    const char *const documents[][2] = {
        {"declaration", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><r a=\"1\"/>"},
        {"declaration of its own", "<?xml version='1.0' standalone='yes'?><r/>"},
        {"declaration of UTF-8 in lower case", "<?xml version=\"1.0\" encoding=\"utf-8\"?><r/>"},
        {"comments", "<!-- before --><r><!-- in --><a/><!--x--></r><!-- after -->"},
        {"processing instructions", "<?p1 x?><r><?p2 y='<'?><a/>t<?p3?></r>"},
        {"CDATA", "<r><![CDATA[ <raw> & ]]><a><![CDATA[x]]></a>t<![CDATA[]]></r>"},
        {"mixed content", "<r>a<b>c<i>d</i>e</b>f<g/>h</r>"},
        {"text next to comments", "<r>a<!--c-->b<?p?>c</r>"},
        {"empty elements", "<r><e/><e></e><e a=\"\"/><f><g/></f></r>"},
        {"deep indentation", "<a><b><c><d><e x=\"1\">t</e><e/></d></c></b></a>"},
        {"many attributes", "<r z=\"1\" a=\"2\" m=\"&quot;&apos;&lt;&gt;&amp;\" t=\"&#9;&#10;&#13;\"/>"},
        {"references in text", "<r>&lt;&gt;&amp;&quot;&apos;&#13;&#10;&#9;&#xE9;</r>"},
        {"prefixed names", "<q:r xmlns:q=\"urn:x\" q:a=\"1\"><q:b/></q:r>"},
        {"undeclared entities", "<r>My&nbsp;Skin<t>&copy;</t>&e;<a/>&f;<b>&g;x</b></r>"},
    };
    for (const auto &document : documents)
        QTest::newRow(document[0]) << parsed(document[1]);
}

void TestXmlWriter::writesAsQtDoes()
{
    QFETCH(QDomDocument, document);
    QCOMPARE(skindocumentbytes(document), document.toByteArray(1));
}

// Characters that need two UTF-16 units are the one place where the two
// writers may part: Qt's writer has escaped them in more than one way
// across its versions. The one-pass writer writes the character itself.
void TestXmlWriter::charactersOutsideThePlane()
{
    const QString emoji = QString::fromUtf8("x\xf0\x9f\x98\x80y");
    QDomDocument document = parsed("<r><t/></r>");
    QDomElement t = document.documentElement().firstChildElement();
    t.setAttribute("v", emoji);
    t.appendChild(document.createTextNode(emoji));

    const QByteArray written = skindocumentbytes(document);
    QDomDocument back;
    QVERIFY(back.setContent(written));
    QCOMPARE(back.documentElement().firstChildElement().attribute("v"), emoji);
    QCOMPARE(back.documentElement().firstChildElement().text(), emoji);
}

// Documents with "café" in an attribute and in text, read as the tool
// reads them from bytes in another encoding than UTF-8, or declaring one
// as a tree made in the program may.
void TestXmlWriter::declaresTheEncodingItIsWrittenIn_data()
{
    QTest::addColumn<QDomDocument>("document");
    QTest::addColumn<QString>("value");
    const auto read = [](const QByteArray &bytes) {
        QDomDocument document;
        if (!fileio::parsexml(&document, bytes))
            qWarning("fixture does not parse: %s", bytes.constData());
        return document;
    };
    const QString cafe = QString::fromUtf8("caf\xc3\xa9");
    const QByteArray body = "<r a=\"caf\xe9\"><t>caf\xe9</t></r>";
    QTest::newRow("ISO-8859-1") << read("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" + body) << cafe;
    QTest::newRow("windows-1252, standalone")
        << read("<?xml version='1.0' encoding='windows-1252' standalone='yes'?>" + body) << cafe;
    // A document type is left to Qt's writer.
    QTest::newRow("ISO-8859-1 with a document type")
        << read("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><!DOCTYPE r SYSTEM \"r.dtd\">" + body) << cafe;

    const QString wide = QString::fromUtf8("caf\xc3\xa9 \xe4\xb8\x8d \xe2\x82\xac");
    const QString utf16 = "<?xml version=\"1.0\" encoding=\"UTF-16\"?><r a=\"" + wide + "\"><t>" + wide + "</t></r>";
    QTextCodec::ConverterState withoutmark(QTextCodec::IgnoreHeader);
    QTest::newRow("UTF-16 with a byte-order mark")
        << read("\xff\xfe" + QTextCodec::codecForName("UTF-16LE")->fromUnicode(utf16.constData(), utf16.size(), &withoutmark))
        << wide;

    // Qt's reader gives the declaration back in single quotes; one made in
    // the tree keeps what it was given.
    const auto built = [&cafe](const QString &declaration) {
        QDomDocument document = parsed("<r><t/></r>");
        document.insertBefore(document.createProcessingInstruction("xml", declaration), document.firstChild());
        document.documentElement().setAttribute("a", cafe);
        document.documentElement().firstChildElement().appendChild(document.createTextNode(cafe));
        return document;
    };
    QTest::newRow("made in the tree, blanks around the equals sign")
        << built("version=\"1.0\" encoding = \"ISO-8859-1\"") << cafe;
    QTest::newRow("made in the tree, a name no reader knows")
        << built("version=\"1.0\" encoding=\"x-none\" standalone=\"no\"") << cafe;
}

void TestXmlWriter::declaresTheEncodingItIsWrittenIn()
{
    QFETCH(QDomDocument, document);
    QFETCH(QString, value);
    QCOMPARE(document.documentElement().attribute("a"), value);

    const QByteArray written = skindocumentbytes(document);

    // Readers that take the encoding from the declaration read the values.
    QDomDocument back;
    QVERIFY(back.setContent(written));
    QCOMPARE(back.documentElement().attribute("a"), value);
    QCOMPARE(back.documentElement().firstChildElement("t").text(), value);
    QXmlStreamReader reader(written);
    QCOMPARE(reader.readNext(), QXmlStreamReader::StartDocument);
    QCOMPARE(reader.documentEncoding().toString(), QString("UTF-8"));
    QVERIFY(reader.readNextStartElement());
    QCOMPARE(reader.attributes().value("a").toString(), value);
    QVERIFY(reader.readNextStartElement());
    QCOMPARE(reader.readElementText(), value);
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
    // Only the declaration differs from what Qt's writer gives.
    const QByteArray qt = document.toByteArray(1);
    QCOMPARE(written.mid(written.indexOf("?>")), qt.mid(qt.indexOf("?>")));
}

QTEST_GUILESS_MAIN(TestXmlWriter)
#include "tst_xmlwriter.moc"
