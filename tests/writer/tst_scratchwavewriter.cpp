// The scratch waveform writer: its attribute tables (the cue puts y before
// height, the grid copies its pos and scales its sizes vertically), and the
// cue masks packed into the sheet.
#include "controlcases.h"

class TestScratchwaveWriter : public QObject
{
    Q_OBJECT
private slots:
    void scratchwave_data();
    void scratchwave();
    void maskplaceignoresoffsets();
};

void TestScratchwaveWriter::scratchwave_data()
{
    addelementcolumns();
    QTest::addColumn<QStringList>("packs");

    // Group offsets are always 100 horizontally and 40 vertically.
    QTest::newRow("one deck of the double waveform")
        << "<scratchwave orientation='horizontal' deck='left'><pos y='5' x='5'/>"
           "<size height='34' width='992'/>"
           "<grid pos='-2' mirrored='yes' background='no' backgroundshaded='no' height='3' size='1'"
           " mainsize='2'/>"
           "<cue height='12' y='3'><text dx='10' dy='0' fontsize='7'/>"
           "<mask width='12' height='12' x='234' y='1094'/></cue></scratchwave>"
        << 3 << 2.0f << 1.5f
        << lines({"\t\t\t<scratchwave deck=\"left\" orientation=\"horizontal\">",
                  "\t\t\t\t<pos x=\"110\" y=\"48\"/>",
                  "\t\t\t\t<size width=\"1984\" height=\"51\"/>",
                  "\t\t\t\t<grid mirrored=\"yes\" pos=\"-2\" background=\"no\" backgroundshaded=\"no\""
                  " size=\"2\" mainsize=\"3\" height=\"5\"/>",
                  "\t\t\t\t<cue y=\"45\" height=\"18\">",
                  "\t\t\t\t\t<text dx=\"20\" dy=\"0\" fontsize=\"11\"/>",
                  "\t\t\t\t\t<mask x=\"5\" y=\"105\" width=\"24\" height=\"24\"/>",
                  "\t\t\t\t</cue>",
                  "\t\t\t</scratchwave>"})
        << QStringList{"234 1094 12 12 x 2 2"};
    QTest::newRow("vertical waveform: grid sizes still vertical, grid pos copied")
        << "<scratchwave orientation='vertical'><grid size='1' pos='3' height='2' mainsize='2'/>"
           "</scratchwave>"
        << 0 << 1.0f << 2.0f
        << lines({"<scratchwave orientation=\"vertical\">",
                  "\t<grid pos=\"3\" size=\"2\" mainsize=\"4\" height=\"4\"/>", "</scratchwave>"})
        << QStringList();
    QTest::newRow("no child nodes: one line, head in table order, add ignored")
        << "<scratchwave add='no' orientation='vertical' deck='right' visibility='v' height='100'"
           " width='50' y='10' x='20' mirrored='yes'/>"
        << 1 << 1.0f << 1.0f
        << lines({"\t<scratchwave x=\"120\" y=\"50\" width=\"50\" height=\"100\" visibility=\"v\""
                  " deck=\"right\" orientation=\"vertical\"/>"})
        << QStringList();
    QTest::newRow("only a comment and other tags: head and end tag")
        << "<scratchwave><!-- c --><Grid/><CUE/><text dx='1'/><mask x='1'/></scratchwave>"
        << 1 << 1.0f << 1.0f
        << lines({"\t<scratchwave>", "\t</scratchwave>"}) << QStringList();
    QTest::newRow("children in input order and number, empty ones still a line")
        << "<scratchwave><cue/><pos/><grid/><pos x='1' width='2'/><size x='1'/></scratchwave>"
        << 0 << 1.0f << 1.0f
        << lines({"<scratchwave>", "\t<cue>", "\t</cue>", "\t<pos/>", "\t<grid/>",
                  "\t<pos x=\"101\" width=\"2\"/>", "\t<size/>", "</scratchwave>"})
        << QStringList();
    QTest::newRow("placeholders pass, empty values are present")
        << "<scratchwave x='[X]' y='' deck=''><grid pos='' size='[S]'/></scratchwave>"
        << 0 << 2.0f << 2.0f
        << lines({"<scratchwave x=\"[X]\" y=\"40\" deck=\"\">",
                  "\t<grid pos=\"\" size=\"[S]\"/>", "</scratchwave>"})
        << QStringList();
    QTest::newRow("cue: mask before text keeps its place, other cue children dropped")
        << "<scratchwave><cue><pos x='1'/><mask width='4' height='2'/><text dy='1'/><grid/></cue>"
           "</scratchwave>"
        << 0 << 1.0f << 1.0f
        << lines({"<scratchwave>", "\t<cue>",
                  "\t\t<mask x=\"5\" y=\"105\" width=\"4\" height=\"2\"/>", "\t\t<text dy=\"1\"/>",
                  "\t</cue>", "</scratchwave>"})
        << QStringList{"0 0 4 2 x 1 1"};
    QTest::newRow("masks carry their region within a cue; the next cue starts from 0")
        << "<scratchwave><cue><mask x='1' y='2' width='3' height='4'/><mask y='7'/></cue>"
           "<cue><mask width='5' x='12.5'/></cue></scratchwave>"
        << 0 << 1.0f << 1.0f
        << lines({"<scratchwave>", "\t<cue>",
                  "\t\t<mask x=\"5\" y=\"105\" width=\"3\" height=\"4\"/>",
                  "\t\t<mask x=\"13\" y=\"105\" width=\"3\" height=\"4\"/>", "\t</cue>", "\t<cue>",
                  "\t\t<mask x=\"21\" y=\"105\" width=\"5\" height=\"0\"/>", "\t</cue>",
                  "</scratchwave>"})
        << QStringList{"1 2 3 4 x 1 1", "1 7 3 4 x 1 1", "0 0 5 0 x 1 1"};
    QTest::newRow("mask by the larger factor when it is the vertical one")
        << "<scratchwave><cue y='4' height='12'><mask width='12' height='12'/></cue></scratchwave>"
        << 0 << 1.0f << 1.25f
        << lines({"<scratchwave>", "\t<cue y=\"45\" height=\"15\">",
                  "\t\t<mask x=\"5\" y=\"105\" width=\"15\" height=\"15\"/>", "\t</cue>",
                  "</scratchwave>"})
        << QStringList{"0 0 12 12 x 1.25 1.25"};
    QTest::newRow("mask by the larger factor when it is the horizontal one")
        << "<scratchwave><cue y='4' height='12'><mask width='12' height='12'/></cue></scratchwave>"
        << 0 << 1.25f << 1.0f
        << lines({"<scratchwave>", "\t<cue y=\"44\" height=\"12\">",
                  "\t\t<mask x=\"5\" y=\"105\" width=\"15\" height=\"15\"/>", "\t</cue>",
                  "</scratchwave>"})
        << QStringList{"0 0 12 12 x 1.25 1.25"};
}

void TestScratchwaveWriter::scratchwave()
{
    QFETCH(QString, expected);
    QFETCH(QStringList, packs);

    // Through the dispatcher, which must hand "scratchwave" to its writer.
    PackingRig rig; // the first piece lands at (5, 105)
    QCOMPARE(writeelementcase(rig, &SkinWriter::exportchild, 100, 40), expected);
    QCOMPARE(rig.packs(), packs);
}

void TestScratchwaveWriter::maskplaceignoresoffsets()
{
    const QString input = "<scratchwave><cue><mask x='3' y='4' width='12' height='12'/></cue></scratchwave>";
    PackingRig near;
    near.writer.exportscratchwave(near.parse(input), 0, 1.25f, 1.0f, 0, 0);
    PackingRig far;
    far.writer.exportscratchwave(far.parse(input), 0, 1.25f, 1.0f, 300, 200);
    QCOMPARE(far.text(), near.text());
    QCOMPARE(far.packs(), near.packs());
}

QTEST_MAIN(TestScratchwaveWriter)
#include "tst_scratchwavewriter.moc"
