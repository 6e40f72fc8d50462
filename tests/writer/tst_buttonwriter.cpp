// Buttons: attributes and simple children, caption states, and the image
// states whose pictures are packed into the new sheet.
#include "packedpictures.h"
#include "controlcases.h"
#include "support/testsupport.h"

// Every case packs into a 300 x 40 sheet, so the first piece lands at (5, 45).
constexpr int sheetwidth = 300;
constexpr int sheetheight = 40;

class TestButtonWriter : public QObject
{
    Q_OBJECT
private slots:
    void button_data();
    void button();
    void imagestates_data();
    void imagestates();
    void samepicturetwice();
    void packedpixelsinthejob_data();
    void packedpixelsinthejob();
};

void TestButtonWriter::button_data()
{
    addelementcolumns();

    // Offsets are always 100 horizontally and 20 vertically.
    QTest::newRow("add no writes nothing")
        << "<button add='no' x='1'><up x='1' y='1'/></button>" << 1 << 1.0f << 1.0f << "";
    QTest::newRow("add No and yes are written, add deck tooltip dropped")
        << "<button add='No' deck='left' tooltip='t' x='1'/>" << 0 << 1.0f << 1.0f
        << "<button x=\"101\"/>\n";
    QTest::newRow("no attributes and no children")
        << "<button add='yes'/>" << 2 << 1.0f << 1.0f << "\t\t<button/>\n";
    QTest::newRow("only comments and unknown children")
        << "<button><!-- c --><textoverselected size='1'/><Off x='1'/></button>" << 1 << 1.0f
        << 1.0f << "\t<button>\n\t</button>\n";
    QTest::newRow("all nineteen attributes in table order")
        << "<button visibility='v' query='q' textaction='ta' text='T' sysicon='s' dblclick='d'"
           " rightclick='r' action='a' class='c' icondx='4' textdx='4' border_size='4'"
           " textwidth='4' textsize='4' iconsize='4' height='28' width='28' y='6' x='6'"
           " name='dropped'/>"
        << 0 << 0.5f << 1.5f
        << "<button x=\"103\" y=\"29\" width=\"14\" height=\"42\" iconsize=\"2\" textsize=\"2\""
           " textwidth=\"2\" border_size=\"2\" textdx=\"2\" icondx=\"2\" class=\"c\" action=\"a\""
           " rightclick=\"r\" dblclick=\"d\" sysicon=\"s\" text=\"T\" textaction=\"ta\""
           " query=\"q\" visibility=\"v\"/>\n";
    QTest::newRow("x scaled and shifted, placeholder unchanged")
        << "<button x='6' y='[Y]' width='12.5'/>" << 0 << 1.5f << 1.0f
        << "<button x=\"109\" y=\"[Y]\" width=\"19\"/>\n";
    QTest::newRow("border at 0.1 stays 1")
        << "<button border_size='4'/>" << 0 << 0.1f << 1.0f << "<button border_size=\"1\"/>\n";
    QTest::newRow("border 0 becomes 1, empty values")
        << "<button border_size='0' x='' width='' class=''/>" << 0 << 1.0f << 1.0f
        << "<button x=\"100\" width=\"0\" border_size=\"1\" class=\"\"/>\n";
    QTest::newRow("scripts escaped, raw values kept")
        << "<button action='a &lt; b \"c\"' textaction='display_time &amp; param_uppercase'"
           " query=\"get_text '%Ppitch'\" visibility=\"var 'x'\"/>"
        << 0 << 1.0f << 1.0f
        << "<button action=\"a &lt; b &quot;c&quot;\" textaction=\"display_time &amp;"
           " param_uppercase\" query=\"get_text '%Ppitch'\" visibility=\"var 'x'\"/>\n";
    // A bare ampersand would make the document ill-formed: it is escaped.
    QTest::newRow("ampersand without blanks escaped for the attribute")
        << "<button action='a&amp;&amp;b' text='R&amp;B'/>" << 0 << 1.0f << 1.0f
        << "<button action=\"a&amp;&amp;b\" text=\"R&amp;B\"/>\n";
    QTest::newRow("tooltip: text content on one line")
        << "<button><tooltip size='1'>one <b>two</b> three</tooltip><tooltip/></button>" << 0
        << 1.0f << 1.0f
        << "<button>\n\t<tooltip>one two three</tooltip>\n\t<tooltip></tooltip>\n</button>\n";
    QTest::newRow("pos and icon")
        << "<button><pos x='40' y='10' width='60' height='30'/><icon color='#FFFFFF'"
           " sysicon='play' width='20' height='20' dx='4' dy='8' shadow='1'/></button>"
        << 1 << 0.5f << 0.75f
        << "\t<button>\n\t\t<pos x=\"120\" y=\"28\" width=\"30\" height=\"23\"/>\n"
           "\t\t<icon sysicon=\"play\" width=\"10\" height=\"15\" dx=\"2\" dy=\"4\""
           " color=\"#FFFFFF\"/>\n\t</button>\n";
    QTest::newRow("icon: all attributes, placeholders, dy horizontal")
        << "<button><icon colordown='d' colorselected='s' colorover='o' color='c' dy='8'"
           " dx='[DX]' height='[H]' width='2' sysicon='i'/></button>"
        << 0 << 0.5f << 2.0f
        << "<button>\n\t<icon sysicon=\"i\" width=\"1\" height=\"[H]\" dx=\"[DX]\" dy=\"4\""
           " color=\"c\" colorover=\"o\" colorselected=\"s\" colordown=\"d\"/>\n</button>\n";
    QTest::newRow("pos size icon without attributes, size drops x y")
        << "<button><pos/><size x='1' y='2'/><icon/></button>" << 0 << 1.0f << 1.0f
        << "<button>\n\t<pos/>\n\t<size/>\n\t<icon/>\n</button>\n";
    QTest::newRow("text state: worked example")
        << "<button><textover text='SAVE' color='#cccccc' align='center' weight='bold'"
           " size='15' dy='3' height='20' font='arial' fontsize='[TEXTSIZE]'/></button>"
        << 1 << 0.5f << 2.0f
        << "\t<button>\n\t\t<textover size=\"8\" fontsize=\"[TEXTSIZE]\" dy=\"2\" height=\"10\""
           " weight=\"bold\" align=\"center\" color=\"#cccccc\" text=\"SAVE\"/>\n\t</button>\n";
    QTest::newRow("text state: all twelve in order, rounding")
        << "<button><text action='a &gt; b' format='f' text='t' color='c' align='l' weight='w'"
           " height='20' width='7' dy='8' dx='-3' fontsize='[TEXTDX]' size='12.6'/></button>"
        << 0 << 0.5f << 2.0f
        << "<button>\n\t<text size=\"6\" fontsize=\"[TEXTDX]\" dx=\"-1\" dy=\"4\" width=\"4\""
           " height=\"10\" weight=\"w\" align=\"l\" color=\"c\" text=\"t\" format=\"f\""
           " action=\"a &gt; b\"/>\n</button>\n";
    QTest::newRow("text states: four tags, repeats, empty values, others dropped")
        << "<button><textdown size=''/><text weight=''/><textselected/><text/><Text size='1'/>"
           "<TEXTOVER/><textoverselected/></button>"
        << 0 << 1.0f << 1.0f
        << "<button>\n\t<textdown size=\"0\"/>\n\t<text weight=\"\"/>\n\t<textselected/>\n"
           "\t<text/>\n</button>\n";
    QTest::newRow("children keep their document order")
        << "<button><text/><icon/><pos x='1'/><tooltip>t</tooltip><size/><pos y='1'/></button>"
        << 0 << 1.0f << 1.0f
        << "<button>\n\t<text/>\n\t<icon/>\n\t<pos x=\"101\"/>\n\t<tooltip>t</tooltip>\n"
           "\t<size/>\n\t<pos y=\"21\"/>\n</button>\n";
}

void TestButtonWriter::button()
{
    QFETCH(QString, expected);

    PackingRig rig(sheetwidth, sheetheight);
    QCOMPARE(writeelementcase(rig, &SkinWriter::exportbutton, 100, 20), expected);
    QVERIFY(rig.records.isEmpty());
}

void TestButtonWriter::imagestates_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<float>("resizeX");
    QTest::addColumn<float>("resizeY");
    // The regions of the source image packed, in order; each with the
    // button's factors.
    QTest::addColumn<QVector<QRect>>("regions");
    QTest::addColumn<QString>("expected");

    QTest::newRow("worked example: state cut at the button's size")
        << "<button width='30' height='23'><over x='5' y='1174' shape='square' color='#909090'"
           " border='black' border_size='1' radius='2' borderresize='no'/></button>"
        << 0.5f << 0.5f << QVector<QRect>{{5, 1174, 30, 23}}
        << "<button width=\"15\" height=\"12\">\n\t<over x=\"@x0\" y=\"@y0\" shape=\"square\""
           " color=\"#909090\" border=\"black\" border_size=\"1\"/>\n</button>\n";
    QTest::newRow("border that scales to 0 is 1")
        << "<button><down x='0' y='0' border_size='1'/><up x='0' border_size='0'/>"
           "<on x='0' border_size=''/><off x='0' border_size='[B]'/></button>"
        << 0.4f << 1.0f << QVector<QRect>{{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}
        << "<button>\n\t<down x=\"@x0\" y=\"@y0\" border_size=\"1\"/>\n"
           "\t<up x=\"@x1\" y=\"@y1\" border_size=\"1\"/>\n"
           "\t<on x=\"@x2\" y=\"@y2\" border_size=\"1\"/>\n"
           "\t<off x=\"@x3\" y=\"@y3\" border_size=\"[B]\"/>\n</button>\n";
    QTest::newRow("size before a state sets its region, after it does not")
        << "<button><size width='22' height='23'/><up x='10' y='20'/><size width='5' height='6'/>"
           "</button>"
        << 1.0f << 1.0f << QVector<QRect>{{10, 20, 22, 23}}
        << "<button>\n\t<size width=\"22\" height=\"23\"/>\n\t<up x=\"@x0\" y=\"@y0\"/>\n"
           "\t<size width=\"5\" height=\"6\"/>\n</button>\n";
    QTest::newRow("pos replaces only what it carries; the later size wins")
        << "<button width='30' height='40'><off x='1' y='2'/><pos width='8'/><on x='3' y='4'/>"
           "<size height='9'/><size height='7'/><over x='5' y='6'/></button>"
        << 1.0f << 1.0f << QVector<QRect>{{1, 2, 30, 40}, {3, 4, 8, 40}, {5, 6, 8, 7}}
        << "<button width=\"30\" height=\"40\">\n\t<off x=\"@x0\" y=\"@y0\"/>\n"
           "\t<pos width=\"8\"/>\n\t<on x=\"@x1\" y=\"@y1\"/>\n\t<size height=\"9\"/>\n"
           "\t<size height=\"7\"/>\n\t<over x=\"@x2\" y=\"@y2\"/>\n</button>\n";
    QTest::newRow("sizes that are no whole number cut a region of 0")
        << "<button width='12.5' height='[H]'><selected x='1' y='1'/><pos width='[W]' height='4'/>"
           "<background x='2' y='2'/><size width='' height='x'/><downselected x='3' y='3'/>"
           "</button>"
        << 1.0f << 1.0f << QVector<QRect>{{1, 1, 0, 0}, {2, 2, 0, 4}, {3, 3, 0, 0}}
        << "<button width=\"13\" height=\"[H]\">\n\t<selected x=\"@x0\" y=\"@y0\"/>\n"
           "\t<pos width=\"[W]\" height=\"4\"/>\n\t<background x=\"@x1\" y=\"@y1\"/>\n"
           "\t<size width=\"0\" height=\"0\"/>\n\t<downselected x=\"@x2\" y=\"@y2\"/>\n</button>\n";
    QTest::newRow("y without x packs nothing; x without y cuts from row 0")
        << "<button width='4' height='4'><up y='9' color='c'/><down x='7'/></button>"
        << 1.0f << 1.0f << QVector<QRect>{{7, 0, 4, 4}}
        << "<button width=\"4\" height=\"4\">\n\t<up color=\"c\"/>\n"
           "\t<down x=\"@x0\" y=\"@y0\"/>\n</button>\n";
    QTest::newRow("x that is empty, a fraction or a placeholder reads as 0")
        << "<button width='2' height='2'><up x='' y='5'/><over x='5.5' y='6'/>"
           "<down x='[X]' y='[Y]'/></button>"
        << 1.0f << 1.0f << QVector<QRect>{{0, 5, 2, 2}, {0, 6, 2, 2}, {0, 0, 2, 2}}
        << "<button width=\"2\" height=\"2\">\n\t<up x=\"@x0\" y=\"@y0\"/>\n"
           "\t<over x=\"@x1\" y=\"@y1\"/>\n\t<down x=\"@x2\" y=\"@y2\"/>\n</button>\n";
    QTest::newRow("state attributes in order, own size only scaled, children dropped")
        << "<button width='10' height='10'><overselected border_size='3' border='b'"
           " gradient='g' color2='c2' color='cc' shape='' height='9' width='' y='1' x='1'>"
           "<up x='1' y='1'/></overselected></button>"
        << 1.0f << 2.0f << QVector<QRect>{{1, 1, 10, 10}}
        << "<button width=\"10\" height=\"20\">\n\t<overselected x=\"@x0\" y=\"@y0\" width=\"0\""
           " height=\"18\" shape=\"\" color=\"cc\" color2=\"c2\" gradient=\"g\" border=\"b\""
           " border_size=\"3\"/>\n</button>\n";
    QTest::newRow("the same region twice is packed twice")
        << "<button width='3' height='3'><up x='1' y='1'/><up x='1' y='1'/></button>"
        << 1.0f << 1.0f << QVector<QRect>{{1, 1, 3, 3}, {1, 1, 3, 3}}
        << "<button width=\"3\" height=\"3\">\n\t<up x=\"@x0\" y=\"@y0\"/>\n"
           "\t<up x=\"@x1\" y=\"@y1\"/>\n</button>\n";
    QTest::newRow("a state without attributes")
        << "<button><off/></button>" << 1.0f << 1.0f << QVector<QRect>{}
        << "<button>\n\t<off/>\n</button>\n";
}

void TestButtonWriter::imagestates()
{
    QFETCH(QString, input);
    QFETCH(float, resizeX);
    QFETCH(float, resizeY);
    QFETCH(QVector<QRect>, regions);
    QFETCH(QString, expected);

    PackingRig rig(sheetwidth, sheetheight);
    rig.writer.exportbutton(rig.parse(input), 0, resizeX, resizeY, 100, 20);
    QCOMPARE(rig.records.size(), regions.size());
    for (int i = 0; i < regions.size(); ++i) {
        QCOMPARE(rig.records.at(i).source, regions.at(i));
        QCOMPARE(rig.records.at(i).resizefactorX, resizeX);
        QCOMPARE(rig.records.at(i).resizefactorY, resizeY);
    }
    QCOMPARE(rig.text(), packedpictures::withplaces(expected, rig.records));
}

void TestButtonWriter::samepicturetwice()
{
    // Places carry on from button to button; nothing is shared.
    PackingRig rig(sheetwidth, sheetheight);
    const QDomElement button = rig.parse("<button width='20' height='10'><up x='0' y='0'/></button>");
    rig.writer.exportbutton(button, 0, 1.0f, 1.0f, 0, 0);
    rig.writer.exportbutton(button, 0, 1.0f, 1.0f, 0, 0);
    QCOMPARE(rig.records.size(), 2);
    QCOMPARE(rig.records.at(0).result, (QList<int>{5, 45, 20, 10}));
    QCOMPARE(rig.records.at(1).result, (QList<int>{30, 45, 20, 10}));
    QVERIFY(rig.text().contains(QStringLiteral("<up x=\"5\" y=\"45\"/>")));
    QVERIFY(rig.text().contains(QStringLiteral("<up x=\"30\" y=\"45\"/>")));
}

void TestButtonWriter::packedpixelsinthejob_data()
{
    QTest::addColumn<int>("skinwidth");
    QTest::addColumn<int>("factor");

    QTest::newRow("same size") << 400 << 1;
    QTest::newRow("twice the size") << 200 << 2;
}

void TestButtonWriter::packedpixelsinthejob()
{
    QFETCH(int, skinwidth);
    QFETCH(int, factor);

    packedpictures::PackedJob job;
    QVERIFY(job.run(skinwidth, QSize(120, 90), QByteArrayLiteral(
        "<skin><group name='defines'>"
        "<button x='1' width='12' height='9'><up x='3' y='4'/><size width='7' height='5'/>"
        "<down x='50' y='60'/><over x='110' y='81'/></button>"
        "<button><pos width='4' height='4'/><selected x='0' y='0'/><on x='116' y='86'/></button>"
        "</group></skin>")));
    const QVector<PackRecord> &records = job.records;

    const QStringList tags{QStringLiteral("up"), QStringLiteral("down"), QStringLiteral("over"),
                           QStringLiteral("selected"), QStringLiteral("on")};
    const QList<QDomElement> instates = packedpictures::placedstates(job.input.documentElement(), tags);
    const QList<QDomElement> outstates = packedpictures::placedstates(job.output.documentElement(), tags);
    QCOMPARE(instates.size(), 5);
    QCOMPARE(outstates.size(), instates.size());
    QCOMPARE(records.size(), instates.size());
    for (int i = 0; i < instates.size(); ++i) {
        const QPoint from = packedpictures::placeof(instates.at(i));
        const QPoint to = packedpictures::placeof(outstates.at(i));
        const QRect region = records.at(i).source;
        QCOMPARE(region.topLeft(), from);
        QCOMPARE(to, QPoint(records.at(i).result.value(0), records.at(i).result.value(1)));
        QCOMPARE(records.at(i).result.value(2), region.width() * factor);
        QCOMPARE(records.at(i).result.value(3), region.height() * factor);
        QCOMPARE(packedpictures::comparepiece(job.sheet, to, job.source, region, factor), QString());
    }
    // The states before and after the size child cut regions of its size.
    QCOMPARE(records.at(0).source.size(), QSize(12, 9));
    QCOMPARE(records.at(1).source.size(), QSize(7, 5));
    QCOMPARE(records.at(3).source.size(), QSize(4, 4));
}

QTEST_MAIN(TestButtonWriter)
#include "tst_buttonwriter.moc"
