// The job's Tessary document: finding the windows in the text, and pruning
// by parsing only the windows that are kept, which must give the table and
// the pruned tree that reading and pruning the whole document give.
#include <QtTest>
#include <QDomDocument>

#include <JlCompress.h>

#include "skinmodel/pruning.h"
#include "skinmodel/skinmodel.h"
#include "skinmodel/tessarydocument.h"
#include "skinmodel/windowspans.h"
#include "support/testsupport.h"

namespace {

// The two trees hold the same nodes; attribute order does not count.
bool sametree(const QDomNode &a, const QDomNode &b, QString *where)
{
    if (a.nodeType() != b.nodeType() || a.nodeName() != b.nodeName() || a.nodeValue() != b.nodeValue()) {
        *where = a.nodeName() + " / " + b.nodeName();
        return false;
    }
    QMap<QString, QString> attributesa;
    QMap<QString, QString> attributesb;
    for (int i = 0; i < a.attributes().count(); ++i)
        attributesa.insert(a.attributes().item(i).nodeName(), a.attributes().item(i).nodeValue());
    for (int i = 0; i < b.attributes().count(); ++i)
        attributesb.insert(b.attributes().item(i).nodeName(), b.attributes().item(i).nodeValue());
    if (attributesa != attributesb) {
        *where = "attributes of " + a.nodeName() + " " + a.toElement().attribute("name");
        return false;
    }
    QDomNode childa = a.firstChild();
    QDomNode childb = b.firstChild();
    for (; !childa.isNull() && !childb.isNull(); childa = childa.nextSibling(), childb = childb.nextSibling()) {
        if (!sametree(childa, childb, where))
            return false;
    }
    if (childa.isNull() != childb.isNull()) {
        *where = "children of " + a.nodeName() + " " + a.toElement().attribute("name");
        return false;
    }
    return true;
}

QDomDocument parsed(const QByteArray &bytes)
{
    QDomDocument document;
    document.setContent(bytes);
    return document;
}

// A project that shows every window of a skin of count windows.
QByteArray allshown(int count)
{
    QByteArray text = "<project><screenwidth>1920</screenwidth><screenheight>1080</screenheight>"
                      "<skinWindows><window name=\"Tessary:skin\">";
    for (int idx = 1; idx <= count; ++idx)
        text += "<idx" + QByteArray::number(idx) + " visible=\"yes\" x=\"10\" y=\"10\" width=\"100\" height=\"50\"/>";
    return text + "</window></skinWindows></project>";
}

// A project that shows the windows numbered in shown (from 1), of count.
QByteArray showing(const QList<int> &shown, int count)
{
    QByteArray text = "<project><screenwidth>1920</screenwidth><screenheight>1080</screenheight>"
                      "<skinWindows><window name=\"Tessary:skin\">";
    for (int idx = 1; idx <= count; ++idx) {
        text += "<idx" + QByteArray::number(idx) + " visible=\"" + (shown.contains(idx) ? "yes" : "no")
                + "\" x=\"10\" y=\"10\" width=\"100\" height=\"50\"/>";
    }
    return text + "</window></skinWindows></project>";
}

// A small skin whose first window is a module like any other (the Tessary
// skin's first is its menu, which pruning always drops), with content of
// every kind that pruning keeps, changes or drops.
const QByteArray smallskin =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<skin name=\"Small\" width=\"1920\" height=\"1080\">\n"
    " <window name=\"first\" width=\"300\" height=\"100\" image=\"a\" posx=\"0\" posy=\"0\">\n"
    "  <panel add=\"yes\" name=\"live\" visibility=\"x\"><button action=\"play\" x=\"1\"/></panel>\n"
    "  <group name=\"g1\"><visual add=\"no\"/><visual source=\"v\">text &amp; more</visual></group>\n"
    "  <!-- a comment --><textzone x=\"2\"><![CDATA[ <raw> ]]></textzone>\n"
    " </window>\n"
    " <window name=\"second\" width=\"10\"><group name=\"g2\" add=\"no\"><button/></group><slider/></window>\n"
    " <window name=\"third\"/>\n"
    " <window name=\"fourth\" prop=\"p\">\n"
    "  <panel add=\"no\"><button/></panel><group name=\"g4\"><button name=\"b&lt;4\"/></group>\n"
    " </window>\n"
    "</skin>\n";

} // namespace

class TestTessaryDocument : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void findsWindows_data();
    void findsWindows();
    void leavesOutContent();
    void prunesAsTheWholeDocument_data();
    void prunesAsTheWholeDocument();

private:
    QTemporaryDir m_files;
};

void TestTessaryDocument::initTestCase()
{
    QVERIFY(testsupport::writeFile(m_files.filePath("small/skin.xml"), smallskin));
    const QList<QList<int>> patterns = {{1, 2}, {1, 3}, {2}, {2, 4}, {3, 4}, {4}, {1, 2, 3, 4}};
    for (const QList<int> &shown : patterns) {
        QStringList numbers;
        for (int idx : shown)
            numbers << QString::number(idx);
        QVERIFY(testsupport::writeFile(m_files.filePath("small-" + numbers.join('-') + ".xml"), showing(shown, 4)));
    }
    QVERIFY(QFile::copy(":/Resources/Tessary.zip", m_files.filePath("Tessary.zip")));
    QVERIFY(!JlCompress::extractDir(m_files.filePath("Tessary.zip"), m_files.filePath("tessary")).isEmpty());
    QVERIFY(testsupport::writeFile(m_files.filePath("all.xml"), allshown(238)));
}

void TestTessaryDocument::findsWindows_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<int>("windows");   // -1: not certain, parse it whole
    QTest::newRow("windows with and without content")
        << QByteArray("<?xml version=\"1.0\"?><skin><window a=\"1\"><panel/></window><window b='2'/></skin>") << 2;
    QTest::newRow("a window in a comment is none")
        << QByteArray("<skin><!-- <window> --><window>x</window></skin>") << 1;
    QTest::newRow("an end tag in a CDATA section is text")
        << QByteArray("<skin><window><t><![CDATA[</window>]]></t></window></skin>") << 1;
    QTest::newRow("a > in an attribute value")
        << QByteArray("<skin><window name=\"a>b\" c='</window>'><x/></window></skin>") << 1;
    QTest::newRow("attributes without a blank between them")
        << QByteArray("<skin><window a=\"1\"b=\"2\"><x/></window ></skin>") << 1;
    QTest::newRow("other names that begin with window")
        << QByteArray("<skin><windows/><windowx></windowx><window\n/></skin>") << 1;
    QTest::newRow("a window in a window") << QByteArray("<skin><window><window/></window></skin>") << -1;
    QTest::newRow("a window that does not end") << QByteArray("<skin><window><x/></skin>") << -1;
    QTest::newRow("an end tag without a window") << QByteArray("<skin></window></skin>") << -1;
    QTest::newRow("a tag that does not end") << QByteArray("<skin><window a=\"1\"</skin>") << -1;
    QTest::newRow("a document type") << QByteArray("<!DOCTYPE skin><skin><window/></skin>") << -1;
}

void TestTessaryDocument::findsWindows()
{
    QFETCH(QByteArray, xml);
    QFETCH(int, windows);
    QVector<WindowSpan> spans;
    const bool found = findwindowspans(xml, &spans);
    QCOMPARE(found ? spans.size() : -1, windows);
}

void TestTessaryDocument::leavesOutContent()
{
    const QByteArray xml = "<skin><window n=\"1\"><a/></window><window n=\"2\"><b/></window>"
                           "<window n=\"3\"/><window n=\"4\"><c/></window></skin>";
    QVector<WindowSpan> spans;
    QVERIFY(findwindowspans(xml, &spans));
    QCOMPARE(withoutwindowcontent(xml, spans, {true, false, false}),
             QByteArray("<skin><window n=\"1\"><a/></window><window n=\"2\"></window>"
                        "<window n=\"3\"/><window n=\"4\"></window></skin>"));
    QCOMPARE(withoutwindowcontent(xml, spans, {true, true, true, true}), xml);
}

void TestTessaryDocument::prunesAsTheWholeDocument_data()
{
    QTest::addColumn<QString>("skin");
    QTest::addColumn<QString>("project");
    const QString tessary = m_files.filePath("tessary/skin.xml");
    for (const char *demo : {"Demo 1", "Demo 2", "Demo 3"})
        QTest::newRow(demo) << tessary << QString(":/Resources/%1.xml").arg(demo);
    QTest::newRow("every window shown") << tessary << m_files.filePath("all.xml");
    for (const QString &project : QDir(m_files.path()).entryList({"small-*.xml"})) {
        QTest::addRow("small skin, windows %s shown", qPrintable(project.mid(6).chopped(4)))
            << m_files.filePath("small/skin.xml") << m_files.filePath(project);
    }
}

void TestTessaryDocument::prunesAsTheWholeDocument()
{
    QFETCH(QString, skin);
    QFETCH(QString, project);
    QTemporaryDir whole;
    QTemporaryDir parts;

    // The whole document, as the functions of the model read and prune it.
    SkinModel model;
    model.workdir = whole.path();
    model.tyname = "Tessary";
    for (const char *folder : {"extracts", "skin"}) {
        QVERIFY(QDir().mkpath(whole.filePath(folder)));
        QVERIFY(QFile::copy(skin, whole.filePath(QString(folder) + "/skin.xml")));
    }
    QVERIFY(model.getWins2(project));
    QVERIFY(model.delwindows());

    // By parts.
    SkinModel byparts;
    byparts.workdir = parts.path();
    byparts.tyname = "Tessary";
    QVERIFY(QDir().mkpath(parts.filePath("skin")));
    TessaryDocument document;
    QVERIFY(document.read(skin));
    QVERIFY(document.readwindows(byparts, project));
    QCOMPARE(byparts.windows, model.windows);
    QVERIFY(document.prune(byparts));

    const QByteArray expected = testsupport::readFile(whole.filePath("skin/skin.xml"));
    const QByteArray written = testsupport::readFile(parts.filePath("skin/skin.xml"));
    QString where;
    QVERIFY2(sametree(parsed(written), parsed(expected), &where), qPrintable(where));
    QVERIFY(byparts.prunedskin);
    QVERIFY2(sametree(byparts.prunedskin->document, parsed(expected), &where), qPrintable(where));
    QVERIFY(!byparts.prunedskin->modulenames.isEmpty());
    QCOMPARE(byparts.prunedskin->modulenames,
             elementnames(parsed(expected), QStringLiteral("groupo")));
    QCOMPARE(byparts.prunedskin->groupnames, elementnames(parsed(expected), QStringLiteral("group")));
}

QTEST_GUILESS_MAIN(TestTessaryDocument)
#include "tst_tessarydocument.moc"
