// The rhythm zone writer: its attribute tables (the rhythm band and the cue
// put height before y), the grid, and the cue masks packed into the sheet.
#include "controlcases.h"

class TestRhythmWriter : public QObject
{
    Q_OBJECT
private slots:
    void rhythmzone_data();
    void rhythmzone();
};

void TestRhythmWriter::rhythmzone_data()
{
    addelementcolumns();
    QTest::addColumn<QStringList>("packs");

    // Group offsets are always 100 horizontally and 40 vertically.
    QTest::newRow("head in table order, fade scaled horizontally, add neither written nor obeyed")
        << "<rhythmzone add='no' deck2='right' upsidedown='yes' mirror='no' visibility='v' deck1='left'"
           " fade='20' height='60' width='200' y='8' x='10' maxwidth='3'/>"
        << 1 << 1.5f << 1.25f
        << lines({"\t<rhythmzone x=\"115\" y=\"50\" width=\"300\" height=\"75\" fade=\"30\""
                  " visibility=\"v\" mirror=\"no\" upsidedown=\"yes\" deck1=\"left\" deck2=\"right\"/>"})
        << QStringList();
    QTest::newRow("placeholders pass, empty values are present")
        << "<rhythmzone x='[X]' fade='' mirror=''/>" << 0 << 2.0f << 2.0f
        << lines({"<rhythmzone x=\"[X]\" fade=\"0\" mirror=\"\"/>"}) << QStringList();
    QTest::newRow("only comments and unlisted children: head and end tag")
        << "<rhythmzone><!-- c --><Pos x='1'/><text dx='1'/><mask x='1'/></rhythmzone>"
        << 2 << 1.0f << 1.0f
        << lines({"\t\t<rhythmzone>", "\t\t</rhythmzone>"}) << QStringList();
    QTest::newRow("one-line children in input order, their own attribute orders")
        << "<rhythmzone><rhythm y='2' height='30' x='5' width='9'/><pos x='2' y='2' width='10' height='8'/>"
           "<colors deck2_active='g' deck1_active='w' deck2='r' deck1='l'/>"
           "<size height='4' width='4' x='1'/><pos y='1'/><colors/><rhythm/></rhythmzone>"
        << 0 << 1.5f << 1.25f
        << lines({"<rhythmzone>",
                  "\t<rhythm height=\"38\" y=\"43\"/>",
                  "\t<pos x=\"103\" y=\"43\" width=\"15\" height=\"10\"/>",
                  "\t<colors deck1=\"l\" deck2=\"r\" deck1_active=\"w\" deck2_active=\"g\"/>",
                  "\t<size width=\"6\" height=\"5\"/>",
                  "\t<pos y=\"41\"/>",
                  "\t<colors/>",
                  "\t<rhythm/>",
                  "</rhythmzone>"})
        << QStringList();
    QTest::newRow("grid: width then height, maxwidth dropped, pos with y1 and y2 only")
        << "<rhythmzone><grid height='4' width='5' maxwidth='10'><pos y2='77' x='3' y1='73'/></grid>"
           "</rhythmzone>"
        << 1 << 1.5f << 1.25f
        << lines({"\t<rhythmzone>", "\t\t<grid width=\"8\" height=\"5\">",
                  "\t\t\t<pos y1=\"131\" y2=\"136\"/>", "\t\t</grid>", "\t</rhythmzone>"})
        << QStringList();
    QTest::newRow("grid: always an end tag, other children dropped, repeated pos kept")
        << "<rhythmzone><grid/><grid><text/><Pos/></grid><grid><pos/><pos y2='8'><pos y1='1'/></pos>"
           "</grid></rhythmzone>"
        << 0 << 1.0f << 1.0f
        << lines({"<rhythmzone>", "\t<grid>", "\t</grid>", "\t<grid>", "\t</grid>", "\t<grid>",
                  "\t\t<pos/>", "\t\t<pos y2=\"48\"/>", "\t</grid>", "</rhythmzone>"})
        << QStringList();
    QTest::newRow("cue: height before y, text sizes vertical, mask by the larger factor")
        << "<rhythmzone><cue y='3' height='12'><text size='7' dy='2' dx='10' x='1'/>"
           "<mask x='234' y='94' width='12' height='12' color='c'/></cue></rhythmzone>"
        << 0 << 1.5f << 1.25f
        << lines({"<rhythmzone>", "\t<cue height=\"15\" y=\"44\">",
                  "\t\t<text dx=\"15\" dy=\"3\" size=\"9\"/>",
                  "\t\t<mask x=\"5\" y=\"105\" width=\"18\" height=\"18\"/>", "\t</cue>",
                  "</rhythmzone>"})
        << QStringList{"234 94 12 12 x 1.5 1.5"};
    QTest::newRow("cue: always an end tag; children in input order, others dropped")
        << "<rhythmzone><cue/><cue><colors deck1='l'/><grid/><!-- c --></cue>"
           "<cue><mask width='2' height='2'/><text/><text dx='1'/></cue></rhythmzone>"
        << 0 << 1.0f << 1.0f
        << lines({"<rhythmzone>", "\t<cue>", "\t</cue>", "\t<cue>", "\t</cue>", "\t<cue>",
                  "\t\t<mask x=\"5\" y=\"105\" width=\"2\" height=\"2\"/>", "\t\t<text/>",
                  "\t\t<text dx=\"1\"/>", "\t</cue>", "</rhythmzone>"})
        << QStringList{"0 0 2 2 x 1 1"};
    QTest::newRow("masks carry their region within a cue; the next cue starts from 0")
        << "<rhythmzone><cue><mask x='1' y='2' width='3' height='4'/><mask x='9'/></cue>"
           "<cue><mask height='6'/></cue></rhythmzone>"
        << 0 << 1.0f << 1.0f
        << lines({"<rhythmzone>", "\t<cue>",
                  "\t\t<mask x=\"5\" y=\"105\" width=\"3\" height=\"4\"/>",
                  "\t\t<mask x=\"13\" y=\"105\" width=\"3\" height=\"4\"/>", "\t</cue>", "\t<cue>",
                  "\t\t<mask x=\"21\" y=\"105\" width=\"0\" height=\"6\"/>", "\t</cue>",
                  "</rhythmzone>"})
        << QStringList{"1 2 3 4 x 1 1", "9 2 3 4 x 1 1", "0 0 0 6 x 1 1"};
    QTest::newRow("mask: no attributes packs four zeros, non-integers count as 0")
        << "<rhythmzone><cue><mask/><mask x='12.5' y='[Y]' width='4' height='4'/></cue></rhythmzone>"
        << 0 << 1.0f << 1.0f
        << lines({"<rhythmzone>", "\t<cue>",
                  "\t\t<mask x=\"5\" y=\"105\" width=\"0\" height=\"0\"/>",
                  "\t\t<mask x=\"10\" y=\"105\" width=\"4\" height=\"4\"/>", "\t</cue>",
                  "</rhythmzone>"})
        << QStringList{"0 0 0 0 x 1 1", "0 0 4 4 x 1 1"};
    QTest::newRow("mask shrunk by the larger factor, halves up")
        << "<rhythmzone><cue><mask x='1' y='1' width='12' height='70'/></cue></rhythmzone>"
        << 0 << 0.5f << 0.75f
        << lines({"<rhythmzone>", "\t<cue>",
                  "\t\t<mask x=\"5\" y=\"105\" width=\"9\" height=\"53\"/>", "\t</cue>",
                  "</rhythmzone>"})
        << QStringList{"1 1 12 70 x 0.75 0.75"};
}

void TestRhythmWriter::rhythmzone()
{
    QFETCH(QString, expected);
    QFETCH(QStringList, packs);

    // Through the dispatcher, which must hand "rhythmzone" to its writer.
    PackingRig rig; // the first piece lands at (5, 105)
    QCOMPARE(writeelementcase(rig, &SkinWriter::exportchild, 100, 40), expected);
    QCOMPARE(rig.packs(), packs);
}

QTEST_MAIN(TestRhythmWriter)
#include "tst_rhythmwriter.moc"
