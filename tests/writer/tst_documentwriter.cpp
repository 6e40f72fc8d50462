// The output document's frame: head, root element, the walk over the
// pruned skin's definitions, system area and modules, and the saved files.
#include <QtTest>

#include "writerrig.h"
#include "support/testsupport.h"

#include <cmath>

namespace {

const char *const prunedskin = R"(<?xml version="1.0" encoding="UTF-8"?>
<skin name="Tessary" version="830">
  <group name="defines"><font name="Arial"/><unknown/></group>
  <panel name="system"><tooltip size="14" color="#000000"/><panel name="inner"><font name="In"/></panel></panel>
  <groupo name="D1_DECK"><panel><font name="Deck"/><group name="sub"><tooltip color="a"/></group></panel></groupo>
  <groupo name="M1_MIX"><!-- first child is no panel --><panel><font/></panel></groupo>
</skin>
)";

const char *const head =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<skin name=\"My Skin\" comment=\"Skin was created with Tessary\" author=\"Tessary\" "
    "version=\"830\" nbdecks=\"2\" preview=\"mypreview.png\" width=\"1920\" height=\"1080\">\r\n";

struct JobRig : WriterRig
{
    QTemporaryDir folder;

    JobRig()
    {
        model.workdir = folder.path();
        model.tyname = "Tessary";
        writer.skinname = "My Skin";
        colours.skinback = QColor("#202020");
        QDir(folder.path()).mkpath("toexport");
        QDir(folder.path()).mkpath("skin");
    }

    void writepruned(const QByteArray &xml)
    {
        QVERIFY(testsupport::writeFile(writer.prunedpath(), xml));
    }

    QString savedtext() const { return QString::fromUtf8(testsupport::readFile(writer.documentpath())); }
};

} // namespace

class TestDocumentWriter : public QObject
{
    Q_OBJECT
private slots:
    void missingskin_data();
    void missingskin();
    void rootattributes_data();
    void rootattributes();
    void walk();
    void scales_data();
    void scales();
    void secondrun();
    void unwritablefolder();
};

void TestDocumentWriter::missingskin_data()
{
    QTest::addColumn<QByteArray>("pruned");
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not well-formed") << QByteArray("<skin><group name='a'></skin>");
    QTest::newRow("no groups, panels or modules") << QByteArray("<skin><visual/></skin>");
}

void TestDocumentWriter::missingskin()
{
    QFETCH(QByteArray, pruned);
    JobRig rig;
    if (!pruned.isEmpty())
        rig.writepruned(pruned);
    rig.writer.createpng();
    QVERIFY(rig.writer.createxml());
    QCOMPARE(rig.savedtext(), QString(head) + "</skin>\n");
}

void TestDocumentWriter::rootattributes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tyname");
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << "Night" << "Tessary" << 2560.0f << 1440.0f
        << "<skin name=\"Night\" comment=\"Skin was created with Tessary\" author=\"Tessary\" version=\"830\" "
           "nbdecks=\"2\" preview=\"mypreview.png\" width=\"2560\" height=\"1440\">";
    QTest::newRow("no tyname, fractions cut") << "Night" << "" << 1366.9f << 767.5f
        << "<skin name=\"Night\" comment=\"Skin was created with \" author=\"\" version=\"830\" "
           "nbdecks=\"2\" preview=\"mypreview.png\" width=\"1366\" height=\"767\">";
    QTest::newRow("quote, ampersand and less-than escaped") << "A \"B\" & <C>" << "T&T" << 1920.0f << 1080.0f
        << "<skin name=\"A &quot;B&quot; &amp; &lt;C>\" comment=\"Skin was created with T&amp;T\" "
           "author=\"T&amp;T\" version=\"830\" nbdecks=\"2\" preview=\"mypreview.png\" width=\"1920\" height=\"1080\">";
    QTest::newRow("non-ASCII name") << QString::fromUtf8("Bühne ♫") << "Tessary" << 1920.0f << 1080.0f
        << QString::fromUtf8("<skin name=\"Bühne ♫\" comment=\"Skin was created with Tessary\" author=\"Tessary\" "
                             "version=\"830\" nbdecks=\"2\" preview=\"mypreview.png\" width=\"1920\" height=\"1080\">");
}

void TestDocumentWriter::rootattributes()
{
    QFETCH(QString, name);
    QFETCH(QString, tyname);
    QFETCH(float, width);
    QFETCH(float, height);
    QFETCH(QString, expected);

    JobRig rig;
    rig.writer.skinname = name;
    rig.model.tyname = tyname;
    rig.model.screenwidth = width;
    rig.model.screenheight = height;
    rig.writer.createpng();
    QVERIFY(rig.writer.createxml());
    const QByteArray saved = testsupport::readFile(rig.writer.documentpath());
    const QList<QByteArray> lines = saved.split('\n');
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.at(1), expected.toUtf8() + "\r");
    QDomDocument parsed;
    QVERIFY(parsed.setContent(saved));
    QCOMPARE(parsed.documentElement().attribute("name"), name);
}

void TestDocumentWriter::walk()
{
    JobRig rig;
    // Both modules shown unscaled at the top-left corner.
    for (const char *name : {"D1_DECK", "M1_MIX"})
        rig.model.windows.append({name, "", "0", "0", "100", "50", "0", "0", "0", "100", "50", "1"});
    rig.writepruned(prunedskin);
    rig.writer.createpng();
    QVERIFY(rig.writer.createxml());
    const QString expected = QString(head) +
        "\t<group name=\"defines\">\n"
        "\t\t<font name=\"Arial\"/>\n"
        "\t</group>\n"
        "\n"
        "\t<group name=\"system\">\n"
        "\t\t<tooltip color=\"#000000\" size=\"14\"/>\n"
        "\t\t<panel name=\"inner\">\n"
        "\t\t\t<font name=\"In\"/>\n"
        "\t\t</panel>\n"
        "\t</group>\n"
        "\n"
        "\t<group name=\"D1_DECK\">\n"
        "\t\t<font name=\"Deck\"/>\n"
        "\t\t<group name=\"sub\">\n"
        "\t\t\t<tooltip color=\"a\"/>\n"
        "\t\t</group>\n"
        "\n"
        "\t</group>\n"
        "\n"
        "\t<group name=\"M1_MIX\">\n"
        "\t</group>\n"
        "\n"
        "</skin>\n";
    QCOMPARE(rig.savedtext(), expected);
    QVERIFY(rig.progresstexts.contains("Processing Module XML element D1_DECK"));
    QVERIFY(rig.progresstexts.contains("Processing Module XML element M1_MIX"));

    // The sheet is saved with the document.
    const QImage sheet(rig.writer.sheetpath());
    QCOMPARE(sheet.size(), QSize(1920, 1080));
}

void TestDocumentWriter::scales_data()
{
    QTest::addColumn<float>("screenwidth");
    QTest::addColumn<int>("skinwidth");
    QTest::addColumn<float>("skinscale");
    QTest::addColumn<float>("systemscale");

    QTest::newRow("same screen") << 1920.0f << 1920 << 1.0f << 1.0f;
    QTest::newRow("larger screen") << 2560.0f << 1920 << 2560.0f / 1920.0f << 2560.0f / 1920.0f;
    QTest::newRow("layout from a wider screen") << 1920.0f << 3840 << 0.5f << 1.0f;
    QTest::newRow("project without a width") << 1920.0f << 0 << 1.0f << 1.0f;
}

void TestDocumentWriter::scales()
{
    QFETCH(float, screenwidth);
    QFETCH(int, skinwidth);
    QFETCH(float, skinscale);
    QFETCH(float, systemscale);

    JobRig rig;
    rig.model.screenwidth = screenwidth;
    rig.model.skinwidth = skinwidth;
    QVector<QPair<float, float>> factors;
    for (DispatchRow &row : rig.writer.dispatch) {
        if (row.tag == "logo")
            row.placed = [&factors](SkinWriter &, QDomNode, int, float rx, float ry, int, int) {
                factors.append({rx, ry});
            };
    }
    rig.writepruned("<skin><group name='defines'><logo/></group><panel name='system'><logo/></panel></skin>");
    rig.writer.createpng();
    QVERIFY(rig.writer.createxml());
    QCOMPARE(factors.size(), 2);
    QCOMPARE(factors.at(0).first, skinscale);
    QCOMPARE(factors.at(0).second, skinscale);
    QCOMPARE(factors.at(1).first, systemscale);
    QCOMPARE(factors.at(1).second, systemscale);
    QVERIFY(std::isfinite(rig.writer.skinscale()));
}

void TestDocumentWriter::secondrun()
{
    JobRig rig;
    rig.writepruned(prunedskin);
    rig.writer.createpng();
    QVERIFY(rig.writer.createxml());
    QFile::remove(rig.writer.prunedpath());
    rig.writer.createpng();
    QVERIFY(rig.writer.createxml());
    QCOMPARE(rig.savedtext(), QString(head) + "</skin>\n");
}

void TestDocumentWriter::unwritablefolder()
{
    // Without the export folder neither file can be written, and the
    // writer says so instead of pretending.
    JobRig rig;
    rig.writepruned(prunedskin);
    QVERIFY(QDir(rig.folder.path() + "/toexport").removeRecursively());
    rig.writer.createpng();
    QVERIFY(!rig.writer.createxml());
    QVERIFY(!QFile::exists(rig.writer.documentpath()));

    // Nor is a job without an image sheet a success.
    JobRig nosheet;
    QVERIFY(!nosheet.writer.createxml());
}

QTEST_MAIN(TestDocumentWriter)
#include "tst_documentwriter.moc"
