// Visuals: attributes with the recoloured source, simple children, the
// off, on and mask pictures packed into the new sheet, and leds.
#include "packedpictures.h"
#include "controlcases.h"
#include "support/testsupport.h"

namespace {

// A rig with known jog ring colours whose packer is recorded, over a
// 300 x 40 sheet.
struct VisualRig : PackingRig
{
    VisualRig() : PackingRig(300, 40)
    {
        colours.d1_jogringon = QColor(0x4a, 0x8a, 0xc9);
        colours.d2_jogringon = QColor(0xd9, 0x36, 0x36);
    }
};

} // namespace

class TestVisualWriter : public QObject
{
    Q_OBJECT
private slots:
    void visual_data();
    void visual();
    void source_data();
    void source();
    void pictures_data();
    void pictures();
    void packedpixelsinthejob();
};

void TestVisualWriter::visual_data()
{
    addelementcolumns();

    // Offsets are always 10 horizontally and 20 vertically.
    QTest::newRow("add no writes nothing")
        << "<visual add='no' x='1'><off x='1' y='1'/></visual>" << 1 << 1.0f << 1.0f << "";
    QTest::newRow("add No is written, add deck colorreplace dropped")
        << "<visual add='No' deck='left' colorreplace='#000000' x='1'/>" << 0 << 1.0f << 1.0f
        << "<visual x=\"11\"/>\n";
    QTest::newRow("blanks only inside: one line")
        << "<visual add='yes'>\n   \n</visual>" << 2 << 1.0f << 1.0f << "\t\t<visual/>\n";
    QTest::newRow("only a comment, text or unknown children")
        << "<visual><!-- c -->text<Off x='1'/><ON/><fill/></visual>" << 1 << 1.0f << 1.0f
        << "\t<visual>\n\t</visual>\n";
    QTest::newRow("eighteen attributes in table order, others dropped")
        << "<visual smooth='1' visibility='v' direction='d' orientation='o' frommiddle='f'"
           " disabled='x' dblclick='db' rightclick='r' type='t' source='s' action='a' class='c'"
           " textsize='4' iconsize='4' height='10' width='10' y='3' x='3' border_size='2'/>"
        << 0 << 0.5f << 2.0f
        << "<visual x=\"12\" y=\"26\" width=\"5\" height=\"20\" iconsize=\"2\" textsize=\"2\""
           " class=\"c\" action=\"a\" source=\"s\" type=\"t\" rightclick=\"r\" dblclick=\"db\""
           " disabled=\"x\" frommiddle=\"f\" orientation=\"o\" direction=\"d\" visibility=\"v\""
           " smooth=\"1\"/>\n";
    QTest::newRow("placeholders, empty values")
        << "<visual x='[X]' y='' width='' class=''/>" << 0 << 2.0f << 2.0f
        << "<visual x=\"[X]\" y=\"20\" width=\"0\" class=\"\"/>\n";
    QTest::newRow("action is not a script here: only made well-formed")
        << "<visual action=\"a &gt; b 'c'\" visibility='x &amp; y'/>" << 0 << 1.0f << 1.0f
        << "<visual action=\"a > b 'c'\" visibility=\"x &amp; y\"/>\n";
    QTest::newRow("tooltip, pos and size")
        << "<visual><tooltip a='1'>Level <i>left</i></tooltip><tooltip/>"
           "<pos height='4' width='4' y='4' x='4'/><size x='1' width='5' height='6'/></visual>"
        << 0 << 1.5f << 0.5f
        << "<visual>\n\t<tooltip>Level left</tooltip>\n\t<tooltip></tooltip>\n"
           "\t<pos x=\"16\" y=\"22\" width=\"6\" height=\"2\"/>\n\t<size width=\"8\" height=\"3\"/>\n"
           "</visual>\n";
    QTest::newRow("state without a picture, level 3")
        << "<visual><off color='vuoff' shape='square'/></visual>" << 3 << 1.0f << 1.0f
        << "\t\t\t<visual>\n\t\t\t\t<off shape=\"square\" color=\"vuoff\"/>\n\t\t\t</visual>\n";
    QTest::newRow("state border rule")
        << "<visual><off border_size='1'/><on border_size='1' borderresize='no'/>"
           "<off border_size='0' borderresize='no'/><on border_size='3' borderresize='No'/>"
           "<off border_size='[B]'/><on border_size='[B]' borderresize='no'/>"
           "<off borderresize='no'/><on border_size='x'/></visual>"
        << 0 << 0.4f << 1.0f
        << "<visual>\n\t<off border_size=\"1\"/>\n\t<on border_size=\"1\"/>\n"
           "\t<off border_size=\"0\"/>\n\t<on border_size=\"1\"/>\n\t<off border_size=\"[B]\"/>\n"
           "\t<on border_size=\"[B]\"/>\n\t<off/>\n\t<on border_size=\"1\"/>\n</visual>\n";
    QTest::newRow("state attributes in order, radius scaled, others dropped")
        << "<visual><on type='t' radius='6' border_size='4' border='b' gradient='g' color2='c2'"
           " color='#ABC' shape='round' height='3' width='3'><off/></on></visual>"
        << 0 << 0.5f << 2.0f
        << "<visual>\n\t<on width=\"2\" height=\"6\" shape=\"round\" color=\"#ABC\" color2=\"c2\""
           " gradient=\"g\" border=\"b\" border_size=\"2\" radius=\"3\"/>\n</visual>\n";
    QTest::newRow("mask without x: tag alone")
        << "<visual><mask y='3' width='4' height='4'/></visual>" << 0 << 1.0f << 1.0f
        << "<visual>\n\t<mask/>\n</visual>\n";
    QTest::newRow("led: worked example")
        << "<visual><led height='5' width='11' y='203' x='7' name='l'>"
           "<off x='1' y='1' radius='3' border_size='2' color='vuledoff'/><on color='#00FF00'/>"
           "</led></visual>"
        << 1 << 2.0f << 3.0f
        << "\t<visual>\n\t\t<led x=\"24\" y=\"629\" width=\"22\" height=\"15\">\n"
           "\t\t\t<off color=\"vuledoff\" border_size=\"4\" radius=\"6\"/>\n"
           "\t\t\t<on color=\"#00FF00\"/>\n\t\t</led>\n\t</visual>\n";
    QTest::newRow("led without children has an end tag; other children dropped")
        << "<visual><led/><led x=''><Off/><ON/><mask/><!-- c --></led></visual>" << 0 << 1.0f
        << 1.0f << "<visual>\n\t<led>\n\t</led>\n\t<led x=\"10\">\n\t</led>\n</visual>\n";
    QTest::newRow("led states: repeats, all nine, border may scale to 0, placeholders")
        << "<visual><led x='[X]' width='[W]'><off/><off radius='' border_size='1' border=''"
           " gradient='' color2='' color='' shape='' height='' width=''/><on width='[W]'/></led>"
           "</visual>"
        << 0 << 0.4f << 1.0f
        << "<visual>\n\t<led x=\"[X]\" width=\"[W]\">\n\t\t<off/>\n"
           "\t\t<off width=\"0\" height=\"0\" shape=\"\" color=\"\" color2=\"\" gradient=\"\""
           " border=\"\" border_size=\"0\" radius=\"0\"/>\n\t\t<on width=\"[W]\"/>\n"
           "\t</led>\n</visual>\n";
}

void TestVisualWriter::visual()
{
    QFETCH(QString, expected);

    VisualRig rig;
    QCOMPARE(writeelementcase(rig, &SkinWriter::exportvisual, 10, 20), expected);
    QVERIFY(rig.records.isEmpty());
}

void TestVisualWriter::source_data()
{
    QTest::addColumn<QString>("attributes");
    QTest::addColumn<QString>("expected");

    // The left ring is #4a8ac9, the right one #d93636.
    QTest::newRow("no colorreplace: as read")
        << "source='color #FF0000' deck='left'" << " source=\"color #FF0000\"";
    QTest::newRow("colorreplace without source: neither written")
        << "colorreplace='#FF0000'" << "";
    QTest::newRow("left deck, every occurrence")
        << "source='a #FF0000 b #FF0000' colorreplace='#FF0000' deck='left'"
        << " source=\"a #4a8ac9 b #4a8ac9\"";
    QTest::newRow("right deck") << "source='#FF0000' colorreplace='#FF0000' deck='right'"
                                << " source=\"#d93636\"";
    QTest::newRow("no deck: right") << "source='#FF0000' colorreplace='#FF0000'"
                                    << " source=\"#d93636\"";
    QTest::newRow("deck Left: right") << "source='#FF0000' colorreplace='#FF0000' deck='Left'"
                                      << " source=\"#d93636\"";
    QTest::newRow("other letter case not replaced")
        << "source='#ff0000 #FF0000' colorreplace='#FF0000' deck='left'"
        << " source=\"#ff0000 #4a8ac9\"";
    QTest::newRow("replaced text is not searched again")
        << "source='aaa' colorreplace='aa' deck='left'" << " source=\"#4a8ac9a\"";
    QTest::newRow("empty colorreplace: no replacement")
        << "source='abc' colorreplace='' deck='left'" << " source=\"abc\"";
    QTest::newRow("empty source")
        << "source='' colorreplace='#FF0000'" << " source=\"\"";
}

void TestVisualWriter::source()
{
    QFETCH(QString, attributes);
    QFETCH(QString, expected);

    VisualRig rig;
    rig.writer.exportvisual(rig.parse("<visual " + attributes + "/>"), 0, 1.0f, 1.0f, 0, 0);
    QCOMPARE(rig.text(), "<visual" + expected + "/>\n");
}

void TestVisualWriter::pictures_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<float>("resizeX");
    QTest::addColumn<float>("resizeY");
    QTest::addColumn<QVector<QRect>>("regions");
    QTest::addColumn<QString>("expected");

    QTest::newRow("off after a size child, scaled 1.5")
        << "<visual><size width='16' height='19'/><off x='30' y='900'/></visual>" << 1.5f << 1.5f
        << QVector<QRect>{{30, 900, 16, 19}}
        << "<visual>\n\t<size width=\"24\" height=\"29\"/>\n\t<off x=\"@x0\" y=\"@y0\"/>\n"
           "</visual>\n";
    QTest::newRow("own size before pos, the pos child's after it")
        << "<visual width='8' height='9'><on x='1' y='2'/><pos x='0' width='3' height='4'/>"
           "<off x='5' y='6'/><mask x='7' y='8' width='50' height='50'/></visual>"
        << 1.0f << 1.0f << QVector<QRect>{{1, 2, 8, 9}, {5, 6, 3, 4}, {7, 8, 3, 4}}
        << "<visual width=\"8\" height=\"9\">\n\t<on x=\"@x0\" y=\"@y0\"/>\n"
           "\t<pos x=\"10\" width=\"3\" height=\"4\"/>\n\t<off x=\"@x1\" y=\"@y1\"/>\n"
           "\t<mask x=\"@x2\" y=\"@y2\"/>\n</visual>\n";
    QTest::newRow("y without x packs nothing; x without y cuts from row 0")
        << "<visual width='2' height='2'><off y='5' color='c'/><on x='4'/></visual>"
        << 1.0f << 1.0f << QVector<QRect>{{4, 0, 2, 2}}
        << "<visual width=\"2\" height=\"2\">\n\t<off color=\"c\"/>\n\t<on x=\"@x0\" y=\"@y0\"/>\n"
           "</visual>\n";
    QTest::newRow("no size known: region of 0, place still taken")
        << "<visual width='7.5'><off x='3' y='3' width='6' height='6'/><mask x='1'/></visual>"
        << 0.5f << 2.0f << QVector<QRect>{{3, 3, 0, 0}, {1, 0, 0, 0}}
        << "<visual width=\"4\">\n\t<off x=\"@x0\" y=\"@y0\" width=\"3\" height=\"12\"/>\n"
           "\t<mask x=\"@x1\" y=\"@y1\"/>\n</visual>\n";
    QTest::newRow("a mask scaled by both factors; leds pack nothing")
        << "<visual><size width='10' height='10'/><led x='1'><off x='1' y='1'/></led>"
           "<mask x='2' y='3'/></visual>"
        << 0.5f << 1.5f << QVector<QRect>{{2, 3, 10, 10}}
        << "<visual>\n\t<size width=\"5\" height=\"15\"/>\n\t<led x=\"11\">\n\t\t<off/>\n"
           "\t</led>\n\t<mask x=\"@x0\" y=\"@y0\"/>\n</visual>\n";
    QTest::newRow("the same region twice is packed twice")
        << "<visual width='3' height='3'><off x='1' y='1'/><on x='1' y='1'/></visual>"
        << 1.0f << 1.0f << QVector<QRect>{{1, 1, 3, 3}, {1, 1, 3, 3}}
        << "<visual width=\"3\" height=\"3\">\n\t<off x=\"@x0\" y=\"@y0\"/>\n"
           "\t<on x=\"@x1\" y=\"@y1\"/>\n</visual>\n";
}

void TestVisualWriter::pictures()
{
    QFETCH(QString, input);
    QFETCH(float, resizeX);
    QFETCH(float, resizeY);
    QFETCH(QVector<QRect>, regions);
    QFETCH(QString, expected);

    VisualRig rig;
    rig.writer.exportvisual(rig.parse(input), 0, resizeX, resizeY, 10, 20);
    QCOMPARE(rig.records.size(), regions.size());
    for (int i = 0; i < regions.size(); ++i) {
        QCOMPARE(rig.records.at(i).source, regions.at(i));
        QCOMPARE(rig.records.at(i).resizefactorX, resizeX);
        QCOMPARE(rig.records.at(i).resizefactorY, resizeY);
        QCOMPARE(rig.records.at(i).result.value(2), qRound(regions.at(i).width() * resizeX));
        QCOMPARE(rig.records.at(i).result.value(3), qRound(regions.at(i).height() * resizeY));
    }
    if (regions.size() == 2)
        QVERIFY(rig.records.at(0).result.mid(0, 2) != rig.records.at(1).result.mid(0, 2));
    QCOMPARE(rig.text(), packedpictures::withplaces(expected, rig.records));
}

void TestVisualWriter::packedpixelsinthejob()
{
    // At twice the size, through the dispatcher and the saved files.
    packedpictures::PackedJob job;
    QVERIFY(job.run(200, QSize(100, 80), QByteArrayLiteral(
        "<skin><group name='defines'>"
        "<visual width='6' height='5' source='x'><off x='2' y='3'/><size width='9' height='4'/>"
        "<on x='40' y='50'/><led x='1'><on color='c'/></led><mask x='91' y='76'/></visual>"
        "</group></skin>")));
    const QVector<PackRecord> &records = job.records;

    const QStringList tags{QStringLiteral("off"), QStringLiteral("on"), QStringLiteral("mask")};
    const QList<QDomElement> instates = packedpictures::placedstates(job.input.documentElement(), tags);
    const QList<QDomElement> outstates = packedpictures::placedstates(job.output.documentElement(), tags);
    QCOMPARE(instates.size(), 3);
    QCOMPARE(outstates.size(), instates.size());
    QCOMPARE(records.size(), instates.size());
    for (int i = 0; i < instates.size(); ++i) {
        const QPoint from = packedpictures::placeof(instates.at(i));
        const QPoint to = packedpictures::placeof(outstates.at(i));
        const QRect region = records.at(i).source;
        QCOMPARE(region.topLeft(), from);
        QCOMPARE(to, QPoint(records.at(i).result.value(0), records.at(i).result.value(1)));
        QCOMPARE(packedpictures::comparepiece(job.sheet, to, job.source, region, 2), QString());
    }
    QCOMPARE(records.at(0).source.size(), QSize(6, 5));
    QCOMPARE(records.at(2).source.size(), QSize(9, 4));
}

QTEST_MAIN(TestVisualWriter)
#include "tst_visualwriter.moc"
