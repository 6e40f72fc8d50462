// The one-pass writer of DOM documents must give the bytes of Qt's own
// writer (QDomDocument::toByteArray(1)), which it stands in for.
#include <QtTest>
#include <QDomDocument>

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

QTEST_GUILESS_MAIN(TestXmlWriter)
#include "tst_xmlwriter.moc"
