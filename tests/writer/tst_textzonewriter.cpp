// Text zones: their attributes and children, scaled and escaped, and that
// they never place a picture.
#include "controlcases.h"

class TestTextzoneWriter : public QObject
{
    Q_OBJECT
private slots:
    void textzone_data();
    void textzone();
    void placesnopicture();
    void reachedthroughthedispatcher();
};

void TestTextzoneWriter::textzone_data()
{
    addelementcolumns();

    // Offsets are always 100 horizontally and 20 vertically.
    QTest::newRow("add no writes nothing")
        << "<textzone add='no' x='1'><text size='3'/></textzone>" << 1 << 1.0f << 1.0f << "";
    QTest::newRow("add No, yes: written, add itself dropped")
        << "<textzone add='No' x='1'/>" << 0 << 1.0f << 1.0f << "<textzone x=\"101\"/>\n";
    QTest::newRow("no child node: one line")
        << "<textzone add='yes' class='c'></textzone>" << 2 << 1.0f << 1.0f
        << "\t\t<textzone class=\"c\"/>\n";
    QTest::newRow("only comments and unknown children: opening and closing")
        << "<textzone><!-- c --><tooltip>t</tooltip><textover size='1'/></textzone>" << 1 << 1.0f
        << 1.0f << "\t<textzone>\n\t</textzone>\n";
    QTest::newRow("attributes in table order, unlisted dropped")
        << "<textzone visibility='v' scroll='s' click='k' group='g' rightclick='r' action='a'"
           " class='c' textsize='15' height='15' width='8' y='3' x='10' textaction='t' text='x'"
           " name='n'/>"
        << 0 << 0.5f << 2.0f
        << "<textzone x=\"105\" y=\"26\" width=\"4\" height=\"30\" textsize=\"8\" class=\"c\""
           " action=\"a\" rightclick=\"r\" group=\"g\" click=\"k\" scroll=\"s\" visibility=\"v\"/>\n";
    QTest::newRow("placeholders unchanged, empty values")
        << "<textzone x='' y='[Y]' width='' textsize='[TS]' class=''/>" << 0 << 2.0f << 2.0f
        << "<textzone x=\"100\" y=\"[Y]\" width=\"0\" textsize=\"[TS]\" class=\"\"/>\n";
    QTest::newRow("actions escaped, apostrophes kept")
        << "<textzone action='say \"x\" &amp; get_text &apos;a&apos;'>"
           "<text action='a &lt; b &gt; c'/></textzone>"
        << 0 << 1.0f << 1.0f
        << "<textzone action=\"say &quot;x&quot; &amp; get_text 'a'\">\n"
           "\t<text action=\"a &lt; b &gt; c\"/>\n</textzone>\n";
    QTest::newRow("children in document order, repeats kept")
        << "<textzone><text size='10'/><pos x='1'/><pos y='2'/></textzone>" << 0 << 1.0f << 1.0f
        << "<textzone>\n\t<text size=\"10\"/>\n\t<pos x=\"101\"/>\n\t<pos y=\"22\"/>\n</textzone>\n";
    QTest::newRow("pos and size children, size drops x and y")
        << "<textzone><pos height='10' width='10' y='10' x='10'/><size x='1' y='1' width='9'"
           " height='9'/></textzone>"
        << 1 << 0.5f << 2.0f
        << "\t<textzone>\n\t\t<pos x=\"105\" y=\"40\" width=\"5\" height=\"20\"/>\n"
           "\t\t<size width=\"5\" height=\"18\"/>\n\t</textzone>\n";
    QTest::newRow("states: one table, no x or y, border scaled to 0 stays 0")
        << "<textzone><off x='3' y='4' border_size='1' border='b' gradient='g' color2='c2'"
           " color='#ABCDEF' shape='square' height='10' width='10' radius='3'/>"
           "<up color='upcolour'/><background border_size='4'/></textzone>"
        << 0 << 0.4f << 2.0f
        << "<textzone>\n\t<off width=\"4\" height=\"20\" shape=\"square\" color=\"#ABCDEF\""
           " color2=\"c2\" gradient=\"g\" border=\"b\" border_size=\"0\"/>\n"
           "\t<up color=\"upcolour\"/>\n\t<background border_size=\"2\"/>\n</textzone>\n";
    QTest::newRow("text child: sizes by the horizontal factor, dx dy width height dropped")
        << "<textzone><text action='go' format='f' text='T' color='white' align='left'"
           " weight='bold' fontsize='[TEXTSIZE]' size='15' dx='4' dy='4' width='9'"
           " height='9'/></textzone>"
        << 0 << 0.5f << 3.0f
        << "<textzone>\n\t<text size=\"8\" fontsize=\"[TEXTSIZE]\" weight=\"bold\" align=\"left\""
           " color=\"white\" text=\"T\" format=\"f\" action=\"go\"/>\n</textzone>\n";
    QTest::newRow("tags in another case are dropped, children of children too")
        << "<textzone><Pos x='1'/><TEXT size='1'/><Background/><text size='2'><pos x='1'/></text>"
           "</textzone>"
        << 0 << 1.0f << 1.0f << "<textzone>\n\t<text size=\"2\"/>\n</textzone>\n";
    QTest::newRow("level 0: children at one tab")
        << "<textzone><up/></textzone>" << 0 << 1.0f << 1.0f << "<textzone>\n\t<up/>\n</textzone>\n";
    QTest::newRow("raw values made well-formed")
        << "<textzone class='a&amp;b' visibility='&quot;&lt;'/>" << 0 << 1.0f << 1.0f
        << "<textzone class=\"a&amp;b\" visibility=\"&quot;&lt;\"/>\n";
}

void TestTextzoneWriter::textzone()
{
    QFETCH(QString, expected);

    WriterRig rig;
    QCOMPARE(writeelementcase(rig, &SkinWriter::exporttextzone, 100, 20), expected);
}

void TestTextzoneWriter::placesnopicture()
{
    WriterRig rig;
    int packs = 0;
    rig.writer.packrecorder = [&packs](const PackRecord &) { ++packs; };
    rig.writer.exporttextzone(
        rig.parse("<textzone x='1'><off x='5' y='6' width='10' height='10'/>"
                  "<background x='1'/><up x='0' y='0'/></textzone>"),
        1, 1.0f, 1.0f, 0, 0);
    QCOMPARE(packs, 0);
    QVERIFY(!rig.text().contains(QStringLiteral("<off x=")));
    QCOMPARE(rig.model.packx, 0);
    QCOMPARE(rig.model.packy, 0);
}

void TestTextzoneWriter::reachedthroughthedispatcher()
{
    WriterRig rig;
    rig.writer.exportchild(rig.parse("<textzone x='2' y='3'/>"), 2, 2.0f, 2.0f, 10, 10);
    QCOMPARE(rig.text(), QStringLiteral("\t\t<textzone x=\"14\" y=\"16\"/>\n"));
}

QTEST_GUILESS_MAIN(TestTextzoneWriter)
#include "tst_textzonewriter.moc"
