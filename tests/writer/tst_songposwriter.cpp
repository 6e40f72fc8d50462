// The song position writer: its attribute tables, children, and the cue
// picture that it packs into the image sheet.
#include "controlcases.h"

class TestSongposWriter : public QObject
{
    Q_OBJECT
private slots:
    void songpos_data();
    void songpos();
    void cuesignoregroupoffsets();
};

void TestSongposWriter::songpos_data()
{
    addelementcolumns();
    QTest::addColumn<QStringList>("packs");

    // Group offsets are always 100 horizontally and 50 vertically.
    QTest::newRow("usual element: table order, deck and add dropped, cue picture packed")
        << "<songpos deck='left' add='no' colorMed='m' colorPlayed='p' colorBass='b' colorHigh='h'"
           " height='40' width='200' y='4' x='10' visibility='loaded'>"
           "<pos x='2' y='2'/><size width='196' height='36'/>"
           "<cues shade='0' width='20' height='10'><size width='13' height='11'/>"
           "<clipmask x='234' y='94'/></cues></songpos>"
        << 2 << 1.25f << 1.0f
        << lines({"\t\t<songpos x=\"113\" y=\"54\" width=\"250\" height=\"40\" visibility=\"loaded\""
                  " colorPlayed=\"p\" colorBass=\"b\" colorHigh=\"h\" colorMed=\"m\">",
                  "\t\t\t<pos x=\"103\" y=\"52\"/>",
                  "\t\t\t<size width=\"245\" height=\"36\"/>",
                  "\t\t\t<cues shade=\"0\">",
                  "\t\t\t\t<size width=\"16\" height=\"11\"/>",
                  "\t\t\t\t<clipmask x=\"5\" y=\"105\"/>",
                  "\t\t\t</cues>",
                  "\t\t</songpos>"})
        << QStringList{"234 94 13 11 x 1.25 1"};
    QTest::newRow("no child nodes: one line; no listed attribute")
        << "<songpos deck='right'/>" << 1 << 1.0f << 1.0f
        << lines({"\t<songpos/>"}) << QStringList();
    QTest::newRow("only unlisted children and comments: head and end tag")
        << "<songpos x='1'><!-- c --><Pos x='1'/><cue/><CUES/></songpos>" << 1 << 1.0f << 1.0f
        << lines({"\t<songpos x=\"101\">", "\t</songpos>"}) << QStringList();
    QTest::newRow("children in input order, repeats kept, pos with its size scaled")
        << "<songpos><size width='5' x='3'/><pos x='1' width='10' height='4'/><pos y='2'/></songpos>"
        << 0 << 2.0f << 1.5f
        << lines({"<songpos>", "\t<size width=\"10\"/>",
                  "\t<pos x=\"102\" width=\"20\" height=\"6\"/>", "\t<pos y=\"53\"/>",
                  "</songpos>"})
        << QStringList();
    QTest::newRow("placeholders pass, empty values are present")
        << "<songpos x='[X]' height='[H]' y='' width='' visibility=''/>" << 0 << 2.0f << 2.0f
        << lines({"<songpos x=\"[X]\" y=\"50\" width=\"0\" height=\"[H]\" visibility=\"\"/>"})
        << QStringList();
    QTest::newRow("a raw value that would break the markup is escaped")
        << "<songpos colorPlayed='a\"b&lt;c'/>" << 0 << 1.0f << 1.0f
        << lines({"<songpos colorPlayed=\"a&quot;b&lt;c\"/>"}) << QStringList();
    QTest::newRow("cues: later clipmask wins part by part, size line first whatever the order")
        << "<songpos><cues><clipmask x='7' y='8'/><clipmask y='9'/><size width='4' height='3'/>"
           "</cues></songpos>"
        << 0 << 1.0f << 1.0f
        << lines({"<songpos>", "\t<cues>", "\t\t<size width=\"4\" height=\"3\"/>",
                  "\t\t<clipmask x=\"5\" y=\"105\"/>", "\t</cues>", "</songpos>"})
        << QStringList{"7 9 4 3 x 1 1"};
    QTest::newRow("cues: own size, overridden only where its size child says")
        << "<songpos><cues width='20' height='10' shade='1'><size height='8'/></cues></songpos>"
        << 0 << 1.0f << 1.0f
        << lines({"<songpos>", "\t<cues shade=\"1\">", "\t\t<size width=\"20\" height=\"8\"/>",
                  "\t\t<clipmask x=\"5\" y=\"105\"/>", "\t</cues>", "</songpos>"})
        << QStringList{"0 0 20 8 x 1 1"};
    QTest::newRow("cues: empty still packs a zero piece and writes four lines")
        << "<songpos><cues/></songpos>" << 0 << 1.5f << 0.5f
        << lines({"<songpos>", "\t<cues>", "\t\t<size width=\"0\" height=\"0\"/>",
                  "\t\t<clipmask x=\"5\" y=\"105\"/>", "\t</cues>", "</songpos>"})
        << QStringList{"0 0 0 0 x 1.5 0.5"};
    QTest::newRow("cues: other children ignored, non-integers and placeholders count as 0")
        << "<songpos><cues><pos x='1'/><!-- c --><SIZE width='9'/><size width='12.5' height='6'/>"
           "<clipmask x='3' y='[Y]'/></cues></songpos>"
        << 0 << 1.0f << 1.0f
        << lines({"<songpos>", "\t<cues>", "\t\t<size width=\"0\" height=\"6\"/>",
                  "\t\t<clipmask x=\"5\" y=\"105\"/>", "\t</cues>", "</songpos>"})
        << QStringList{"3 0 0 6 x 1 1"};
    QTest::newRow("two cues pack two pieces, each region from scratch")
        << "<songpos><cues><size width='10' height='4'/><clipmask x='1'/></cues>"
           "<cues><clipmask y='2'/></cues></songpos>"
        << 0 << 1.0f << 1.0f
        << lines({"<songpos>", "\t<cues>", "\t\t<size width=\"10\" height=\"4\"/>",
                  "\t\t<clipmask x=\"5\" y=\"105\"/>", "\t</cues>",
                  "\t<cues>", "\t\t<size width=\"0\" height=\"0\"/>",
                  "\t\t<clipmask x=\"20\" y=\"105\"/>", "\t</cues>", "</songpos>"})
        << QStringList{"1 0 10 4 x 1 1", "0 2 0 0 x 1 1"};
}

void TestSongposWriter::songpos()
{
    QFETCH(QString, expected);
    QFETCH(QStringList, packs);

    // Through the dispatcher, which must hand "songpos" to its writer.
    PackingRig rig; // the first piece lands at (5, 105)
    QCOMPARE(writeelementcase(rig, &SkinWriter::exportchild, 100, 50), expected);
    QCOMPARE(rig.packs(), packs);
}

void TestSongposWriter::cuesignoregroupoffsets()
{
    const QString input = "<songpos x='10'><cues><size width='13' height='11'/>"
                          "<clipmask x='234' y='94'/></cues></songpos>";
    PackingRig near;
    near.writer.exportsongpos(near.parse(input), 0, 1.25f, 1.0f, 0, 0);
    PackingRig far;
    far.writer.exportsongpos(far.parse(input), 0, 1.25f, 1.0f, 100, 50);
    QStringList nearlines = near.text().split('\n');
    QStringList farlines = far.text().split('\n');
    QCOMPARE(nearlines.takeFirst(), QStringLiteral("<songpos x=\"13\">"));
    QCOMPARE(farlines.takeFirst(), QStringLiteral("<songpos x=\"113\">"));
    QCOMPARE(farlines, nearlines);
    QCOMPARE(far.packs(), near.packs());
}

QTEST_MAIN(TestSongposWriter)
#include "tst_songposwriter.moc"
