// The writing rules that every element writer shares, on a sample table
// that uses each kind of row, plus the tooltip and font writers and the
// escaping that keeps every value well-formed.
#include <QtTest>

#include "writerrig.h"
#include "skinmodel/textfunctions.h"
#include "writer/xmlescape.h"

using namespace transforms;

namespace {

// Records the source width in the context, as a button's width does.
QString sizexrecordsource(ElementContext &context, const QString &value)
{
    context.sourcewidth = textint(value);
    return sizex(context, value);
}

const ElementSpec submenu{"", WriteAlways, Ending::EndTag, {{"text"}},
                          {child({"item"}, {{"text"}, {"action", action}})}};

const ElementSpec sample{
    "sample", SkipWhenAddNo, Ending::ByChildren,
    {{"x", posx}, {"y", posy}, {"width", sizexrecordsource}, {"height", sizey},
     {"border_size", sizexatleast1}, {"action", action}, {"class"}},
    {textchild({"tooltip"}),
     child({"pos"}, {{"x", posx}, {"y", posy}, {"width", sizex}, {"height", sizey}}),
     child({"off", "on"}, {{"height", sizeyatleast1}, {"color"}}),
     child({"mouserect"}, {{"x", signedsizex}, {"y", signedsizey}}),
     child({"submenu"}, submenu),
     // A child that writes what the element recorded before it.
     child({"state"}, [](ElementContext &context, const QDomElement &element, int level) {
         QString line = QLatin1Char('<') + element.tagName();
         appendattribute(line, QStringLiteral("w"), QString::number(context.sourcewidth));
         line += writeattributes(context, element, {{"color"}});
         context.document.appendline(level, line + QLatin1String("/>"));
     })}};

const ElementSpec alwaysclosed{"line", WriteAlways, Ending::SelfClosing,
                               {{"width", sizexatleast1}, {"color"}}, {}};

} // namespace

class TestElementWriter : public QObject
{
    Q_OBJECT
private slots:
    void sharedrules_data();
    void sharedrules();
    void selfclosingignoreschildren();
    void customattributes();
    void tooltipandfont_data();
    void tooltipandfont();
    void escaping_data();
    void escaping();
    void escapedoutputparses();
};

void TestElementWriter::sharedrules_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("level");
    QTest::addColumn<float>("factor");
    QTest::addColumn<QString>("expected");

    // Offsets are always 100 horizontally and 40 vertically.
    QTest::newRow("order follows the table, absent and unlisted dropped")
        << "<s class='c' add='yes' y='10' foo='1' x='5'/>" << 1 << 1.0f
        << "\t<sample x=\"105\" y=\"50\" class=\"c\"/>\n";
    QTest::newRow("empty values: offset, 0, 1 and empty")
        << "<s class='' x='' height='' border_size=''/>" << 0 << 2.0f
        << "<sample x=\"100\" height=\"0\" border_size=\"1\" class=\"\"/>\n";
    QTest::newRow("placeholders pass unscaled")
        << "<s x='[X]' width='[W]' border_size='[B]'/>" << 0 << 2.0f
        << "<sample x=\"[X]\" width=\"[W]\" border_size=\"[B]\"/>\n";
    QTest::newRow("halves go up")
        << "<s x='-102.5' y='-42.5' width='10.5' height='-2.5'/>" << 0 << 1.0f
        << "<sample x=\"-2\" y=\"-2\" width=\"11\" height=\"-2\"/>\n";
    QTest::newRow("non-numbers count as 0")
        << "<s x='202-30' width='abc'/>" << 0 << 1.0f
        << "<sample x=\"100\" width=\"0\"/>\n";
    QTest::newRow("border scaled to 0 is 1")
        << "<s border_size='1'/>" << 0 << 0.4f << "<sample border_size=\"1\"/>\n";
    QTest::newRow("border scaled")
        << "<s border_size='4'/>" << 0 << 0.5f << "<sample border_size=\"2\"/>\n";
    QTest::newRow("action escaped by parseaction")
        << "<s action='say \"hi\" &amp; get &lt;a&gt;'/>" << 0 << 1.0f
        << "<sample action=\"say &quot;hi&quot; &amp; get &lt;a&gt;\"/>\n";
    QTest::newRow("action keeps its apostrophes")
        << "<s action=\"deck 1 get_text 'x'\"/>" << 0 << 1.0f
        << "<sample action=\"deck 1 get_text 'x'\"/>\n";
    QTest::newRow("add no skips the element and its subtree")
        << "<s add='no' x='1'><pos x='1'/></s>" << 2 << 1.0f << "";
    QTest::newRow("add No does not skip")
        << "<s add='No' x='1'/>" << 0 << 1.0f << "<sample x=\"101\"/>\n";
    QTest::newRow("a comment alone makes an end tag")
        << "<s x='1'><!-- note --></s>" << 1 << 1.0f
        << "\t<sample x=\"101\">\n\t</sample>\n";
    QTest::newRow("unknown children are dropped with their subtree")
        << "<s><Pos x='1'/><other><pos x='1'/></other>text</s>" << 1 << 1.0f
        << "\t<sample>\n\t</sample>\n";
    QTest::newRow("children in document order, repeats kept, one level deeper")
        << "<s><on color='a'/><pos y='1' x='2'/><off height='0' color='b'/><on/></s>" << 2 << 1.0f
        << "\t\t<sample>\n\t\t\t<on color=\"a\"/>\n\t\t\t<pos x=\"102\" y=\"41\"/>\n"
           "\t\t\t<off height=\"1\" color=\"b\"/>\n\t\t\t<on/>\n\t\t</sample>\n";
    QTest::newRow("children of a one-line child are dropped")
        << "<s><pos x='0'><pos x='1'/></pos></s>" << 0 << 1.0f
        << "<sample>\n\t<pos x=\"100\"/>\n</sample>\n";
    QTest::newRow("text child on one line, its attributes dropped")
        << "<s><tooltip size='3'>Play &amp; cue</tooltip><tooltip/></s>" << 0 << 1.0f
        << "<sample>\n\t<tooltip>Play &amp; cue</tooltip>\n\t<tooltip></tooltip>\n</sample>\n";
    QTest::newRow("signed sizes without offset")
        << "<s><mouserect x='-20' y='+0'/><mouserect x='5' y='[Y]'/></s>" << 0 << 2.0f
        << "<sample>\n\t<mouserect x=\"-40\" y=\"+0\"/>\n\t<mouserect x=\"+10\" y=\"+[Y]\"/>\n</sample>\n";
    QTest::newRow("nested children two levels deeper, end tag even when empty")
        << "<s><submenu text='More'><item text='A' action='a &gt; b'/></submenu><submenu/></s>"
        << 1 << 1.0f
        << "\t<sample>\n\t\t<submenu text=\"More\">\n\t\t\t<item text=\"A\" action=\"a &gt; b\"/>\n"
           "\t\t</submenu>\n\t\t<submenu>\n\t\t</submenu>\n\t</sample>\n";
    QTest::newRow("custom child sees what the element recorded")
        << "<s width='28'><state color='c'/></s>" << 0 << 0.5f
        << "<sample width=\"14\">\n\t<state w=\"28\" color=\"c\"/>\n</sample>\n";
    QTest::newRow("negative level has no tabs")
        << "<s><pos/></s>" << -1 << 1.0f << "<sample>\n<pos/>\n</sample>\n";
}

void TestElementWriter::sharedrules()
{
    QFETCH(QString, input);
    QFETCH(int, level);
    QFETCH(float, factor);
    QFETCH(QString, expected);

    WriterRig rig;
    rig.writer.writeelement(sample, rig.parse(input), level, factor, factor, 100, 40);
    QCOMPARE(rig.text(), expected);
}

void TestElementWriter::selfclosingignoreschildren()
{
    WriterRig rig;
    rig.writer.writeelement(alwaysclosed, rig.parse("<line color='red' add='no' width='1'><x/></line>"),
                            3, 0.4f, 0.4f, 0, 0);
    QCOMPARE(rig.text(), QStringLiteral("\t\t\t<line width=\"1\" color=\"red\"/>\n"));
}

void TestElementWriter::customattributes()
{
    // An attribute that is not read from the input, like the class that an
    // option chooses or the place that the packer returns.
    const ElementSpec browser{"browser", WriteAlways, Ending::ByChildren,
                              {AttributeRule([](ElementContext &context, const QDomElement &, QString &line) {
                                   if (context.writer.browser == BrowserOption::Dark)
                                       appendattribute(line, QStringLiteral("class"), QStringLiteral("browserdark"));
                               }),
                               {"x", posx}},
                              {}};
    WriterRig rig;
    rig.writer.browser = BrowserOption::Dark;
    rig.writer.writeelement(browser, rig.parse("<browser class='own' x='5'/>"), 0, 0.8f, 0.8f, 100, 40);
    rig.writer.browser = BrowserOption::Default;
    rig.writer.writeelement(browser, rig.parse("<browser x='5'/>"), 0, 0.8f, 0.8f, 100, 40);
    QCOMPARE(rig.text(), QStringLiteral("<browser class=\"browserdark\" x=\"104\"/>\n<browser x=\"104\"/>\n"));
}

void TestElementWriter::tooltipandfont_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    QTest::newRow("tooltip in table order")
        << "<tooltip size='14' color='#000000' back='#fbf9e0' shortcut='#58595b'/>"
        << "\t\t<tooltip color=\"#000000\" shortcut=\"#58595b\" back=\"#fbf9e0\" size=\"14\"/>\n";
    QTest::newRow("font with its name only")
        << "<font name='Arial'/>" << "\t\t<font name=\"Arial\"/>\n";
    QTest::newRow("font size before weight, visibility dropped")
        << "<font weight='bold' visibility='x' size='20'/>" << "\t\t<font size=\"20\" weight=\"bold\"/>\n";
    QTest::newRow("tooltip text and add dropped")
        << "<tooltip add='no'>Show Deck A Module</tooltip>" << "\t\t<tooltip/>\n";
}

void TestElementWriter::tooltipandfont()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    // Through the dispatcher of a system area scaled by 2: nothing scales.
    WriterRig rig;
    rig.model.screenwidth = 3840;
    const QDomElement element = rig.parse(input);
    rig.writer.exportchild(element, 2, 2.0f, 2.0f, 50, 60);
    QCOMPARE(rig.text(), expected);
}

void TestElementWriter::escaping_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << "deck 1 play" << "deck 1 play";
    QTest::newRow("quote") << "a\"b" << "a&quot;b";
    QTest::newRow("less-than") << "a<b" << "a&lt;b";
    QTest::newRow("greater-than kept") << "a>b" << "a>b";
    QTest::newRow("bare ampersand") << "R&B" << "R&amp;B";
    QTest::newRow("ampersand at the end") << "a &" << "a &amp;";
    QTest::newRow("predefined entities kept") << "&quot;&amp;&lt;&gt;&apos;" << "&quot;&amp;&lt;&gt;&apos;";
    QTest::newRow("character references kept") << "&#39;&#x41;" << "&#39;&#x41;";
    QTest::newRow("undeclared entity escaped") << "&nbsp;" << "&amp;nbsp;";
    QTest::newRow("reference to no character escaped") << "&#0;&#x;" << "&amp;#0;&amp;#x;";
    QTest::newRow("apostrophe kept") << "get_text 'x'" << "get_text 'x'";
    QTest::newRow("control character dropped") << QString("a") + QChar(1) + "b" << "ab";
    QTest::newRow("non-ASCII kept") << QString::fromUtf8("Bühne ♫ 𝄞") << QString::fromUtf8("Bühne ♫ 𝄞");
}

void TestElementWriter::escaping()
{
    QFETCH(QString, value);
    QFETCH(QString, expected);
    QCOMPARE(xmlattributevalue(value), expected);
}

void TestElementWriter::escapedoutputparses()
{
    // Values that hold every character that could break the document come
    // back from a parser as written.
    const QString nasty = QStringLiteral("a\"b<c & d &e; ]]> 'f'");
    QString line = QStringLiteral("<x");
    appendattribute(line, QStringLiteral("v"), nasty);
    line += QLatin1Char('>') + xmltextcontent(nasty) + QLatin1String("</x>");
    QDomDocument document;
    QVERIFY2(document.setContent(line), qPrintable(line));
    QCOMPARE(document.documentElement().attribute("v"), nasty);
    QCOMPARE(document.documentElement().text(), nasty);
}

QTEST_GUILESS_MAIN(TestElementWriter)
#include "tst_elementwriter.moc"
