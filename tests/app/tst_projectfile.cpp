#include <QtTest>
#include <QDomDocument>
#include <QTextCodec>
#include <QXmlStreamReader>

#include "app/projectapply.h"
#include "app/projectfile.h"
#include "fileio/fileio.h"
#include "support/testsupport.h"

using fileio::XmlProblem;
Q_DECLARE_METATYPE(fileio::XmlProblem)

namespace {

QDomDocument parsed(const QByteArray &xml)
{
    QDomDocument document;
    if (!document.setContent(xml))
        qWarning("fixture does not parse");
    return document;
}

QDomElement first(const QDomDocument &document, const char *tag)
{
    return document.elementsByTagName(QLatin1String(tag)).item(0).toElement();
}

// The child elements of an element as "tag name=... visible=..." texts, the
// attributes sorted, so records compare whatever order they were written in.
QStringList describe(const QDomElement &parent)
{
    QStringList lines;
    for (QDomElement child = parent.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
        QStringList attributes;
        const QDomNamedNodeMap map = child.attributes();
        for (int i = 0; i < map.count(); ++i)
            attributes << map.item(i).nodeName() + "=" + map.item(i).nodeValue();
        attributes.sort();
        lines << (QStringList(child.tagName()) + attributes).join(' ');
    }
    return lines;
}

QByteArray hostfixture(const QByteArray &variables, const QByteArray &windows)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<settings version=\"8\">\n"
           " <options>\n  <volume>0.5</volume>\n  <QRNScriptGlobalVariables>" + variables
           + "</QRNScriptGlobalVariables>\n  <theme>dark</theme>\n </options>\n"
             " <skins>\n  <current>Tessary</current>\n  <skinWindows>" + windows
           + "</skinWindows>\n </skins>\n</settings>\n";
}

// A host file as a host may write it: CR LF line ends, a DOCTYPE, values
// that are nothing but white space, a preserved space, markup-like text,
// comments and processing instructions between the elements, and the
// record and variables that applying a project replaces.
const QByteArray whitespacehost =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\r\n"
    "<!DOCTYPE settings SYSTEM \"settings.dtd\">\r\n"
    "<!-- written by the host -->\r\n"
    "<settings version=\"8\" xml:lang=\"fr\">\r\n"
    "  <options>\r\n"
    "    <decimalSeparator> </decimalSeparator>\r\n"
    "    <listSeparator>\t</listSeparator>\r\n"
    "    <lineEnd>&#13;&#10;</lineEnd>\r\n"
    "    <lonelyReturn>a&#13;b</lonelyReturn>\r\n"
    "    <padding xml:space=\"preserve\">  two  <b/> </padding>\r\n"
    "    <thousands>\xc2\xa0</thousands>\r\n"
    "    <language>Skins \xe4\xb8\x8d \xc4\x8d \xe3\x80\x8d</language>\r\n"
    "    <blankLines>\r\n\r\n</blankLines>\r\n"
    "    <QRNScriptGlobalVariables>$TYX_OLD=0=4.00000, $Host Volume=1=0.50000</QRNScriptGlobalVariables>\r\n"
    "    <format pattern=\"a&#10;b&#9;c  d\" quote='say \"hi\"'/>\r\n"
    "    <markup>&lt;b&gt;x&lt;/b&gt; &amp; more</markup>\r\n"
    "    <?host-hint keep this?>\r\n"
    "    <compact><a>1</a><?pi?><!--c--><b/></compact>\r\n"
    "    <cdata><![CDATA[  <raw> & ]]></cdata>\r\n"
    "    <q:named xmlns:q=\"urn:host\" q:flag=\"1\">text</q:named>\r\n"
    "  </options>\r\n"
    "  <skins>\r\n"
    "\t<skinWindows>\r\n"
    "\t\t<window name=\"Other:skin\"><idx1 visible=\"yes\" x=\"7\"/></window>\r\n"
    "\t\t<window name=\"Tessary:skin\">\r\n"
    "\t\t\t<idx2 visible=\"yes\" x=\"1\"/>\r\n"
    "\t\t</window>\r\n"
    "\t\t<window name=\"Tessary:extra\"> </window>\r\n"
    "\t</skinWindows>\r\n"
    "  </skins>\r\n"
    "</settings>\r\n";

// Every node of a document, depth first, as "depth type name value
// attributes" lines (attributes sorted), white space and all. Nodes for
// which skip says so are left out with the white space that lays them out.
QStringList nodelines(const QDomNode &parent, const std::function<bool(const QDomNode &)> &skip, int depth = 0)
{
    QStringList lines;
    for (QDomNode node = parent.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (skip(node) || (node.isText() && node.nodeValue().trimmed().isEmpty() && skip(node.nextSibling())))
            continue;
        QStringList attributes;
        const QDomNamedNodeMap map = node.attributes();
        for (int i = 0; i < map.count(); ++i)
            attributes << map.item(i).nodeName() + "=" + map.item(i).nodeValue();
        attributes.sort();
        QString value = node.nodeValue();
        value.replace("\r", "\\r").replace("\n", "\\n").replace("\t", "\\t");
        lines << QString("%1 %2 %3 [%4] %5").arg(depth).arg(node.nodeType()).arg(node.nodeName(), value,
                                                                               attributes.join(' '));
        lines += nodelines(node, skip, depth + 1);
    }
    return lines;
}

QByteArray projectfixture(const QByteArray &variables, const QByteArray &children,
                          const QByteArray &screen = "<screenwidth>1920</screenwidth><screenheight>1080</screenheight>")
{
    return "<project name=\"p\">" + screen + "<QRNScriptGlobalVariables>" + variables
           + "</QRNScriptGlobalVariables><skinWindows><window name=\"Tessary:skin\">" + children
           + "</window></skinWindows></project>";
}

// What Qt's streaming reader, which shares nothing with the DOM reader and
// writer that Apply uses, reads of a document: every token but those inside
// the elements that Apply sets, and the white space that lays them out,
// which it cannot tell from white space elsewhere. A reference it cannot
// resolve is read by its name, as the host would look it up.
// With joinlayout, the text on both sides of what Apply sets reads as one
// text, without the white space at its ends: Apply lays out what it sets
// anew, so a line end beside it may stand on its other side.
QStringList streamtokens(const QByteArray &xml, bool joinlayout = false)
{
    QStringList tokens;
    QXmlStreamReader reader(xml);
    int skipped = 0;
    QString joined;
    const auto flushjoined = [&] {
        static const QRegularExpression edges(QStringLiteral("^[ \\t\\n]+|[ \\t\\n]+$"));
        const QString text = joined.remove(edges);
        if (!text.isEmpty())
            tokens << "Characters [" + text + "]";
        joined.clear();
    };
    while (!reader.atEnd()) {
        reader.readNext();
        const bool set = reader.name() == QLatin1String("QRNScriptGlobalVariables")
                         || (reader.name() == QLatin1String("window")
                             && reader.attributes().value("name") == QLatin1String("Tessary:skin"));
        if (reader.isStartElement() && (skipped > 0 || set)) {
            ++skipped;
            continue;
        }
        if (reader.isEndElement() && skipped > 0) {
            --skipped;
            continue;
        }
        if (skipped > 0 || reader.isStartDocument())
            continue;
        if (joinlayout && reader.isCharacters()) {
            joined += reader.text();
            continue;
        }
        flushjoined();
        if (reader.isWhitespace())
            continue;
        QStringList attributes;
        for (const QXmlStreamAttribute &attribute : reader.attributes())
            attributes << attribute.qualifiedName() + "=" + attribute.value();
        tokens << reader.tokenString() + " " + reader.qualifiedName() + " [" + reader.text() + "] "
                      + attributes.join(' ');
    }
    flushjoined();
    if (reader.hasError())
        tokens << "error " + reader.errorString();
    return tokens;
}

// A host's settings file and a project beside it, applied as the main
// window applies them.
struct ApplyFiles
{
    bool write(const QByteArray &host, const QByteArray &placements = "<idx1 visible=\"yes\" x=\"4\"/>")
    {
        return testsupport::writeFile(hostpath, host)
               && testsupport::writeFile(projectpath, projectfixture("$TYX_A=0=1.00000", placements));
    }
    projectapply::Applied apply() const { return projectapply::applyfile(projectpath, hostpath, "Tessary", 1920); }
    QByteArray host() const { return testsupport::readFile(hostpath); }

    QTemporaryDir dir;
    const QString hostpath = dir.filePath("settings.xml");
    const QString projectpath = dir.filePath("project.xml");
};

// A value beside the markup: é, a no-break space and U+1F600.
const QByteArray value = "\xc3\xa9\xc2\xa0\xf0\x9f\x98\x80";

// How many lines of a document hold nothing but blanks.
int blanklines(const QByteArray &xml)
{
    static const QRegularExpression blank(QStringLiteral("\\n[ \\t]*\\r?(?=\\n)"));
    return QString::fromUtf8(xml).count(blank);
}

// What stands before a value on each line that holds it, but for the
// records Apply replaces: where the value stands in its file.
QStringList valueplaces(const QByteArray &xml, const QByteArray &value)
{
    static const QRegularExpression records(QStringLiteral(
        "<QRNScriptGlobalVariables>.*?</QRNScriptGlobalVariables>|<window name=\"Tessary:skin\">.*?</window>"));
    QStringList places;
    for (const QByteArray &line : QByteArray(xml).replace('\r', "").split('\n')) {
        const int at = line.indexOf(value);
        if (at >= 0)
            places << QString::fromUtf8(line.left(at)).remove(records);
    }
    return places;
}

// The blanks before each record Apply sets that starts its line.
QStringList recordindents(const QByteArray &xml)
{
    static const QRegularExpression indent(
        QStringLiteral("\n([ \t]*)(<QRNScriptGlobalVariables>|<window name=\"Tessary:skin\">)"));
    QStringList indents;
    for (QRegularExpressionMatchIterator it = indent.globalMatch(QString::fromUtf8(xml)); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        indents << match.captured(2) + " after [" + match.captured(1) + "]";
    }
    return indents;
}

// The comments and processing instructions of a document's text, but for
// its XML declaration.
QStringList commentsandinstructions(const QByteArray &xml)
{
    static const QRegularExpression markup(QStringLiteral("<!--.*?-->|<\\?(?!xml\\s).*?\\?>"),
                                           QRegularExpression::DotMatchesEverythingOption);
    QStringList found;
    for (QRegularExpressionMatchIterator it = markup.globalMatch(QString::fromUtf8(xml)); it.hasNext();)
        found << it.next().captured();
    return found;
}

} // namespace

class TestProjectFile : public QObject
{
    Q_OBJECT
private slots:
    void baseName_data();
    void baseName();
    void projectChoices();
    void readStatus();
    void writeFileReplacesWholeOrNothing();

    void demoProjectText();
    void hostSourceKeepsOnlyTessaryRecord();
    void emptySourceGivesEmptyRecord();
    void markupInNamesAndValuesIsEscaped();

    void scaledCoordinate_data();
    void scaledCoordinate();
    void projectWidthAndFactor();
    void applyReplacesTessaryWindowOnly();
    void applyPlacesRecordWhereHostHasNone();
    void applyVariables_data();
    void applyVariables();
    void applyVariablesWithoutOptions();
    void hostTextIsUtf8WithCrLf();
    void rewritingHostKeepsMultiLineText();
    void applyKeepsEveryUntouchedNode_data();
    void applyKeepsEveryUntouchedNode();
    void applyKeepsWhatItDoesNotSet_data();
    void applyKeepsWhatItDoesNotSet();
    void applyWritesEachNodeOnce_data();
    void applyWritesEachNodeOnce();
    void applyGivesOneHostInEveryRun();
    void applyHoldsHostToItsBounds_data();
    void applyHoldsHostToItsBounds();
    void applyRefusesHostNestedTooDeep();
};

void TestProjectFile::baseName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "/home/u/TYX/projects/live.xml" << "live";
    QTest::newRow("two dots") << "/tmp/my.proj.xml" << "my";
    QTest::newRow("blank in name") << "/x/Demo 1.xml" << "Demo 1";
    QTest::newRow("leading dot") << "/x/.hidden.xml" << "";
    QTest::newRow("no extension") << "/x/noext" << "noext";
}

void TestProjectFile::baseName()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(projectfile::basename(path), expected);
}

void TestProjectFile::projectChoices()
{
    const projectfile::ProjectChoice host = projectfile::hostproject("/h/Quorvelin", "/settings.xml", 1366, 768);
    QCOMPARE(host.name, QString("Default"));
    QCOMPARE(host.path, QString("/h/Quorvelin/settings.xml"));
    QCOMPARE(host.title, QString("Default (from Quorvelin settings)"));
    QVERIFY(host.setsize);
    QCOMPARE(host.width, 1366);
    QCOMPARE(host.height, 768);
    QCOMPARE(host.mark, 0);
    QVERIFY(!host.applicable);
    QCOMPARE(projectfile::hostproject(QString(), "/settings.xml", 1, 1).path, QString("/settings.xml"));

    const projectfile::ProjectChoice demo = projectfile::demoproject(2, "://Resources");
    QCOMPARE(demo.name, QString("Demo 2"));
    QCOMPARE(demo.path, QString("://Resources/Demo 2.xml"));
    QCOMPARE(demo.title, QString("Demo 2"));
    QVERIFY(demo.setsize);
    QCOMPARE(demo.width, 1920);
    QCOMPARE(demo.height, 1080);
    QCOMPARE(demo.mark, 2);
    QVERIFY(demo.applicable);

    const projectfile::ProjectChoice file = projectfile::fileproject("/p/a.b.xml");
    QCOMPARE(file.name, QString("a"));
    QCOMPARE(file.path, QString("/p/a.b.xml"));
    QCOMPARE(file.title, QString("/p/a.b.xml"));
    QVERIFY(!file.setsize);
    QCOMPARE(file.mark, -1);
    QVERIFY(file.applicable);
}

void TestProjectFile::readStatus()
{
    QTemporaryDir dir;
    QDomDocument document;
    QCOMPARE(fileio::readxml(dir.filePath("missing.xml"), &document).problem, XmlProblem::Missing);

    QVERIFY(testsupport::writeFile(dir.filePath("broken.xml"), "<a><screenwidth>7</screenwidth><b></a>"));
    QCOMPARE(fileio::readxml(dir.filePath("broken.xml"), &document).problem, XmlProblem::Malformed);

    QCOMPARE(fileio::readxml("://Resources/Demo 2.xml", &document).problem, XmlProblem::None);
    QCOMPARE(document.documentElement().attribute("name"), QString("Demo 2"));
}

void TestProjectFile::writeFileReplacesWholeOrNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("p.xml");
    QVERIFY(testsupport::writeFile(path, "a much longer old content"));
    QVERIFY(projectfile::writefile(path, "new"));
    QCOMPARE(testsupport::readFile(path), QByteArray("new"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"p.xml"});

    QVERIFY(!projectfile::writefile(dir.filePath("nofolder/p.xml"), "new"));
    QVERIFY(!QFileInfo::exists(dir.filePath("nofolder")));
}

void TestProjectFile::demoProjectText()
{
    QDomDocument demo;
    QCOMPARE(fileio::readxml("://Resources/Demo 1.xml", &demo).problem, XmlProblem::None);
    const QByteArray text = projectfile::projecttext({"Demo 1", 1366, 768, "Tessary"}, demo);

    QVERIFY(!text.endsWith('\n'));
    QVERIFY(!text.startsWith("\xef\xbb\xbf"));
    const QList<QByteArray> lines = text.split('\n');
    QCOMPARE(lines.size(), 6 + 1 + 45 + 3);
    for (int i = 0; i + 1 < lines.size(); ++i)
        QVERIFY2(lines.at(i).endsWith('\r'), lines.at(i).constData());

    QCOMPARE(lines.at(0), QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r"));
    QCOMPARE(lines.at(1), QByteArray("<project name=\"Demo 1\">\r"));
    // The desktop's size, not the demo's: the placements stay as the demo has them.
    QCOMPARE(lines.at(2), QByteArray("\t<screenwidth>1366</screenwidth>\r"));
    QCOMPARE(lines.at(3), QByteArray("\t<screenheight>768</screenheight>\r"));
    QCOMPARE(lines.at(4), QByteArray("\t<QRNScriptGlobalVariables>$TYX_JOGFull=0=1.00000,$TYX_LOOPAutoBasic=0=2.00000,"
                                     "$TYX_LOOPManualBasic=0=2.00000,$TYX_PITCHFull=0=1.00000,$TYX_PITCHBend=0=1.00000,"
                                     "$TYX_BPMValue=0=1.00000,$TYX_KEYFull=0=1.00000,$TYX_CUSTOMTwo=0=1.00000,"
                                     "$TYX_DECKGROUP1_clone=0=1.00000,$TYX_DECKGROUP2_clone=0=1.00000"
                                     "</QRNScriptGlobalVariables>\r"));
    QCOMPARE(lines.at(5), QByteArray("\t<skinWindows>\r"));
    QCOMPARE(lines.at(6), QByteArray("\t\t<window name=\"Tessary:skin\">\r"));
    QCOMPARE(lines.at(7), QByteArray("\t\t\t<idx1 visible=\"yes\" x=\"1096\" y=\"640\" width=\"632\" height=\"393\"/>\r"));
    QCOMPARE(lines.at(lines.size() - 3), QByteArray("\t\t</window>\r"));
    QCOMPARE(lines.at(lines.size() - 2), QByteArray("\t</skinWindows>\r"));
    QCOMPARE(lines.last(), QByteArray("</project>"));

    // Read back, it is the demo's record.
    const QDomDocument saved = parsed(text);
    QCOMPARE(describe(first(saved, "window")), describe(first(demo, "window")));
}

void TestProjectFile::hostSourceKeepsOnlyTessaryRecord()
{
    const QDomDocument host = parsed(hostfixture(
        "$TYX_JOGFull=0=1.00000, $Host Volume=1=2.00000, $TYX_DECKGROUP1_clone=0=1.00000, $TYX_broken",
        "<window name=\"Other:skin\"><idx1 visible=\"yes\" x=\"1\"/></window>"
        "<window name=\"Tessary:skin\"><idx2 visible=\"yes\" x=\"5\" y=\"6\" width=\"7\" height=\"8\"/>"
        "<!-- moved --><idx3 height=\"4\" x=\"-3\"/></window>"
        "<Window name=\"Tessary:skin\"><idx5 visible=\"yes\"/></Window>"
        "<window name=\"Tessary:second\"><idx4 visible=\"Yes\" width=\"9\"/></window>"
        "<window name=\"Tessary:empty\"/>"
        "<window name=\"TessaryX:skin\"><idx6 visible=\"yes\"/></window>"));
    const QByteArray text = projectfile::projecttext({"live", 1920, 1080, "Tessary"}, host);
    QCOMPARE(text, QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                              "<project name=\"live\">\r\n"
                              "\t<screenwidth>1920</screenwidth>\r\n"
                              "\t<screenheight>1080</screenheight>\r\n"
                              "\t<QRNScriptGlobalVariables>$TYX_JOGFull=0=1.00000,$TYX_DECKGROUP1_clone=0=1.00000"
                              "</QRNScriptGlobalVariables>\r\n"
                              "\t<skinWindows>\r\n"
                              "\t\t<window name=\"Tessary:skin\">\r\n"
                              "\t\t\t<idx2 visible=\"yes\" x=\"5\" y=\"6\" width=\"7\" height=\"8\"/>\r\n"
                              "\t\t\t<idx3 visible=\"\" x=\"-3\" height=\"4\"/>\r\n"
                              "\t\t</window>\r\n"
                              "\t\t<window name=\"Tessary:skin\">\r\n"
                              "\t\t\t<idx4 visible=\"Yes\" width=\"9\"/>\r\n"
                              "\t\t</window>\r\n"
                              "\t\t<window name=\"Tessary:skin\">\r\n"
                              "\t\t</window>\r\n"
                              "\t</skinWindows>\r\n"
                              "</project>"));

    // Another Tessary name takes other windows and names them after itself.
    const QByteArray other = projectfile::projecttext({"o", 1, 1, "Other"}, host);
    QVERIFY(other.contains("\t\t<window name=\"Other:skin\">\r\n\t\t\t<idx1 visible=\"yes\" x=\"1\"/>\r\n"));
    QVERIFY(!other.contains("idx2"));
}

void TestProjectFile::emptySourceGivesEmptyRecord()
{
    const QByteArray text = projectfile::projecttext({"p", 800, 600, "Tessary"}, QDomDocument());
    QCOMPARE(text, QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                              "<project name=\"p\">\r\n"
                              "\t<screenwidth>800</screenwidth>\r\n"
                              "\t<screenheight>600</screenheight>\r\n"
                              "\t<QRNScriptGlobalVariables></QRNScriptGlobalVariables>\r\n"
                              "\t<skinWindows>\r\n"
                              "\t</skinWindows>\r\n"
                              "</project>"));
}

void TestProjectFile::markupInNamesAndValuesIsEscaped()
{
    const QDomDocument host = parsed(hostfixture(
        "$TYX_A&amp;B=0=1&lt;2",
        "<window name=\"T&amp;&quot;x:skin\"><idx7 visible=\"a&quot;b\" x=\"&lt;&amp;&gt;\"/></window>"));
    const QString tyname = "T&\"x";
    const QString name = QString::fromUtf8("R&D \"<n>\" \xc3\xa9");
    const QByteArray text = projectfile::projecttext({name, 1, 1, tyname}, host);

    QDomDocument back;
    QVERIFY2(back.setContent(text), text.constData());
    QCOMPARE(back.documentElement().attribute("name"), name);
    QCOMPARE(first(back, "QRNScriptGlobalVariables").text(), QString("$TYX_A&B=0=1<2"));
    QCOMPARE(first(back, "window").attribute("name"), tyname + ":skin");
    QCOMPARE(first(back, "idx7").attribute("visible"), QString("a\"b"));
    QCOMPARE(first(back, "idx7").attribute("x"), QString("<&>"));
}

void TestProjectFile::scaledCoordinate_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<float>("factor");
    QTest::addColumn<QString>("expected");
    const float third = 1280.0f / 1920.0f;
    QTest::newRow("1920 to 1280: x") << "8" << third << "5";
    QTest::newRow("1920 to 1280: y") << "184" << third << "123";
    QTest::newRow("1920 to 1280: width") << "893" << third << "595";
    QTest::newRow("1920 to 1280: height") << "229" << third << "153";
    QTest::newRow("half goes up") << "5" << 0.5f << "3";
    QTest::newRow("negative half goes up") << "-5" << 0.5f << "-2";
    QTest::newRow("unchanged") << "1096" << 1.0f << "1096";
    QTest::newRow("not a number") << "12px" << 2.0f << "0";
    QTest::newRow("empty") << "" << 2.0f << "0";
    QTest::newRow("too large") << "2147483647" << 2.0f << "2147483647";
    QTest::newRow("too small") << "-2147483648" << 2.0f << "-2147483648";
}

void TestProjectFile::scaledCoordinate()
{
    QFETCH(QString, value);
    QFETCH(float, factor);
    QFETCH(QString, expected);
    QCOMPARE(projectapply::scaled(value, factor), expected);
}

void TestProjectFile::projectWidthAndFactor()
{
    const auto width = [](const QByteArray &screen) {
        return projectapply::projectwidth(parsed(projectfixture("", "", screen)), 1366.0f);
    };
    QCOMPARE(width("<screenwidth>1920</screenwidth>"), 1920);
    QCOMPARE(width("<screenheight>1080</screenheight>"), 1366);
    QCOMPARE(width("<screenwidth>0</screenwidth>"), 1366);
    QCOMPARE(width("<screenwidth>wide</screenwidth>"), 1366);
    QCOMPARE(width("<screenwidth>-1920</screenwidth>"), 1366);

    QCOMPARE(projectapply::scalefactor(1280.0f, 1920), 1280.0f / 1920.0f);
    QCOMPARE(projectapply::scalefactor(1366.0f, 1366), 1.0f);
    QCOMPARE(projectapply::scalefactor(0.0f, 1920), 1.0f);
    QCOMPARE(projectapply::scalefactor(1920.0f, 0), 1.0f);
}

void TestProjectFile::applyReplacesTessaryWindowOnly()
{
    QDomDocument host = parsed(hostfixture(
        "$TYX_OLD=0=1.00000",
        "<window name=\"Tessary:skin\"><idx9 visible=\"yes\" x=\"1\"/></window>"
        "<window name=\"Other:skin\"><idx1 visible=\"yes\" x=\"2\"/></window>"
        "<window name=\"Tessary:skin\"><idx8 visible=\"yes\"/></window>"
        "<window name=\"Tessary:extra\"><idx7 visible=\"yes\" x=\"3\"/></window>"));
    const QDomDocument project = parsed(projectfixture(
        "$TYX_JOGFull=0=1.00000",
        "<idx2 visible=\"yes\" x=\"5\" y=\"-5\" width=\"10\" height=\"11\"/>"
        "<!-- a note --><idx3 visible=\"no\" x=\"4\" height=\"3\"/><idx4 x=\"wide\"/>"));

    projectapply::apply(project, host, "Tessary", 0.5f);

    const QDomElement record = first(host, "skinWindows");
    QCOMPARE(describe(record), QStringList({"window name=Other:skin", "window name=Tessary:extra",
                                            "window name=Tessary:skin"}));
    QCOMPARE(describe(record.lastChildElement()),
             QStringList({"idx2 height=6 visible=yes width=5 x=3 y=-2", "idx3 height=2 visible=no x=2",
                          "idx4 visible= x=0"}));
    // The other windows and everything else of the host stay as they were.
    QCOMPARE(describe(record.firstChildElement()), QStringList{"idx1 visible=yes x=2"});
    QCOMPARE(first(host, "current").text(), QString("Tessary"));
    QCOMPARE(first(host, "theme").text(), QString("dark"));
    QCOMPARE(host.documentElement().attribute("version"), QString("8"));

    // A project without a record empties the host's.
    const QDomDocument bare = parsed("<project><screenwidth>1920</screenwidth></project>");
    projectapply::apply(bare, host, "Tessary", 1.0f);
    QCOMPARE(describe(first(host, "skinWindows")).last(), QString("window name=Tessary:skin"));
    QVERIFY(!first(host, "skinWindows").lastChildElement().hasChildNodes());
    QCOMPARE(host.elementsByTagName("window").size(), 3);
}

void TestProjectFile::applyPlacesRecordWhereHostHasNone()
{
    const QDomDocument project = parsed(projectfixture("$TYX_A=0=1.00000", "<idx2 visible=\"yes\" x=\"8\"/>"));

    QDomDocument withskins = parsed("<settings><options/><skins><current>x</current></skins></settings>");
    projectapply::apply(project, withskins, "Custom", 1.0f);
    const QDomElement record = first(withskins, "skins").lastChildElement();
    QCOMPARE(record.tagName(), QString("skinWindows"));
    QCOMPARE(describe(record), QStringList{"window name=Custom:skin"});
    QCOMPARE(describe(record.firstChildElement()), QStringList{"idx2 visible=yes x=8"});

    // Without skins the record has no place; the variables still change.
    QDomDocument noskins = parsed("<settings><options><QRNScriptGlobalVariables>$TYX_B=0=2</QRNScriptGlobalVariables>"
                                  "</options></settings>");
    projectapply::apply(project, noskins, "Tessary", 1.0f);
    QCOMPARE(noskins.elementsByTagName("window").size(), 0);
    QCOMPARE(noskins.elementsByTagName("skinWindows").size(), 0);
    QCOMPARE(first(noskins, "QRNScriptGlobalVariables").text(), QString("$TYX_A=0=1.00000"));
}

void TestProjectFile::applyVariables_data()
{
    QTest::addColumn<QByteArray>("project");
    QTest::addColumn<QByteArray>("host");
    QTest::addColumn<QString>("expected");
    QTest::newRow("project's replace host's, host's own follow")
        << QByteArray("$TYX_JOGFull=0=1.00000, $TYX_DECKGROUP1_clone=0=1.00000")
        << QByteArray("$TYX_JOGFull=0=3.00000, $Host Volume=1=0.50000")
        << "$TYX_JOGFull=0=1.00000,$TYX_DECKGROUP1_clone=0=1.00000,$HostVolume=1=0.50000";
    QTest::newRow("nothing left") << QByteArray("") << QByteArray("$TYX_A=0=1.00000, $TYX_B=0=2.00000") << "";
    QTest::newRow("no trailing comma") << QByteArray("$TYX_A=0=1.00000") << QByteArray("$TYX_B=0=2.00000")
                                       << "$TYX_A=0=1.00000";
    QTest::newRow("only host's own") << QByteArray("") << QByteArray("$Host=1=2.00000, $Other=0=1")
                                     << "$Host=1=2.00000,$Other=0=1";
    QTest::newRow("project's non-TYX dropped") << QByteArray("$Mine=0=1, $TYX_A=0=1.00000") << QByteArray("")
                                               << "$TYX_A=0=1.00000";
    QTest::newRow("host's short item kept") << QByteArray("$TYX_A=0=1.00000") << QByteArray("$Odd=1, ")
                                            << "$TYX_A=0=1.00000,$Odd=1";
}

void TestProjectFile::applyVariables()
{
    QFETCH(QByteArray, project);
    QFETCH(QByteArray, host);
    QFETCH(QString, expected);
    QDomDocument hostdoc = parsed(hostfixture(host, ""));
    projectapply::apply(parsed(projectfixture(project, "")), hostdoc, "Tessary", 1.0f);

    QCOMPARE(hostdoc.elementsByTagName("QRNScriptGlobalVariables").size(), 1);
    const QDomElement variables = first(hostdoc, "options").lastChildElement();
    QCOMPARE(variables.tagName(), QString("QRNScriptGlobalVariables"));
    QCOMPARE(variables.text(), expected);
    QCOMPARE(describe(first(hostdoc, "options")),
             QStringList({"volume", "theme", "QRNScriptGlobalVariables"}));
}

void TestProjectFile::applyVariablesWithoutOptions()
{
    const QDomDocument project = parsed(projectfixture("$TYX_A=0=1.00000", ""));

    QDomDocument nooptions = parsed("<settings><QRNScriptGlobalVariables>$TYX_B=0=2</QRNScriptGlobalVariables>"
                                    "<skins><skinWindows/></skins></settings>");
    projectapply::apply(project, nooptions, "Tessary", 1.0f);
    QCOMPARE(nooptions.elementsByTagName("QRNScriptGlobalVariables").size(), 1);
    QCOMPARE(first(nooptions, "QRNScriptGlobalVariables").text(), QString("$TYX_B=0=2"));

    // Variables elsewhere than in options stay, and the new ones join options.
    QDomDocument elsewhere = parsed("<settings><QRNScriptGlobalVariables>$TYX_B=0=2, $H=1=1</QRNScriptGlobalVariables>"
                                    "<options/></settings>");
    projectapply::apply(project, elsewhere, "Tessary", 1.0f);
    QCOMPARE(elsewhere.elementsByTagName("QRNScriptGlobalVariables").size(), 2);
    QCOMPARE(first(elsewhere, "options").firstChildElement().text(), QString("$TYX_A=0=1.00000,$H=1=1"));
}

void TestProjectFile::hostTextIsUtf8WithCrLf()
{
    const QString text = QString::fromUtf8("Caf\xc3\xa9 & <Ton>");
    const QDomDocument host = parsed("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<settings a=\"x&quot;y\">"
                                     "<options><name>Caf\xc3\xa9 &amp; &lt;Ton&gt;</name></options>"
                                     "<skins/></settings>");
    const QByteArray bytes = projectapply::hosttext(host, fileio::XmlRead());
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<settings"));
    QCOMPARE(bytes.count("<?xml"), 1);
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    // The layout is the document's own: none added, none dropped.
    QVERIFY(bytes.contains("\"><options><name>"));
    QVERIFY(bytes.contains("Caf\xc3\xa9"));

    QDomDocument back;
    QVERIFY(back.setContent(bytes));
    QCOMPARE(first(back, "name").text(), text);
    QCOMPARE(back.documentElement().attribute("a"), QString("x\"y"));

    // A file that declared another encoding is written, and declared, as UTF-8.
    QDomDocument latin;
    QVERIFY(latin.setContent(QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><s>Caf\xe9</s>")));
    const QByteArray converted = projectapply::hosttext(latin, fileio::XmlRead());
    QVERIFY(converted.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"));
    QVERIFY(converted.contains("Caf\xc3\xa9"));
    QVERIFY(back.setContent(converted));
    QCOMPARE(back.documentElement().text(), QString::fromUtf8("Caf\xc3\xa9"));
}

// The host's file comes with CR LF line ends; rewriting it again and again
// must not pile carriage returns into text that spans lines.
void TestProjectFile::rewritingHostKeepsMultiLineText()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.xml");
    QVERIFY(testsupport::writeFile(path, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<settings>\r\n"
                                         " <note>first line\r\nsecond line</note>\r\n</settings>"));
    QByteArray previous;
    for (int round = 0; round < 3; ++round) {
        QDomDocument host;
        const fileio::XmlRead read = fileio::readxml(path, &host);
        QCOMPARE(read.problem, XmlProblem::None);
        QCOMPARE(first(host, "note").text(), QString("first line\nsecond line"));
        const QByteArray bytes = projectapply::hosttext(host, read);
        QVERIFY(!bytes.contains("&#xd;"));
        if (round > 0)
            QCOMPARE(bytes, previous);
        previous = bytes;
        QVERIFY(testsupport::writeFile(path, bytes));
    }
}

// The host may have written its file in UTF-16, where many characters hold
// a byte 0x0D and every "<" is followed by a NUL; more elements than the
// depth bound show end tags taken for start tags. It is written back as UTF-8.
void TestProjectFile::applyKeepsEveryUntouchedNode_data()
{
    QTest::addColumn<QByteArray>("codec");
    QTest::addColumn<QByteArray>("mark");
    QTest::newRow("UTF-8") << QByteArray("UTF-8") << QByteArray();
    QTest::newRow("UTF-16LE") << QByteArray("UTF-16LE") << QByteArray("\xFF\xFE");
    QTest::newRow("UTF-16BE") << QByteArray("UTF-16BE") << QByteArray("\xFE\xFF");
}

// Applying a project replaces the Tessary record and the variables; every
// other node of the host's file comes back as it was, down to its blanks,
// and applying it again changes nothing more.
void TestProjectFile::applyKeepsEveryUntouchedNode()
{
    QFETCH(QByteArray, codec);
    QFETCH(QByteArray, mark);
    const QByteArray host = QByteArray(whitespacehost).replace(
        "</settings>", "  <recent>" + QByteArray("<file/>").repeated(300) + "</recent>\r\n</settings>");
    QString declared = QString::fromUtf8(host);
    declared.replace("encoding=\"UTF-8\"", "encoding=\"" + (mark.isEmpty() ? codec : "UTF-16") + "\"");
    QScopedPointer<QTextEncoder> encoder(QTextCodec::codecForName(codec)->makeEncoder(QTextCodec::IgnoreHeader));
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.xml");
    QVERIFY(testsupport::writeFile(path, mark + encoder->fromUnicode(declared)));
    const QDomDocument project = parsed(projectfixture("$TYX_JOGFull=0=1.00000",
                                                       "<idx3 visible=\"yes\" x=\"5\"/><idx4 visible=\"no\"/>"));
    const auto replaced = [](const QDomNode &node) {
        return node.nodeName() == "QRNScriptGlobalVariables"
               || (node.nodeName() == "window" && node.toElement().attribute("name") == "Tessary:skin");
    };
    QDomDocument before;
    QVERIFY(fileio::parsexml(&before, host, /*keepwhitespace=*/true));
    QCOMPARE(first(before, "decimalSeparator").text(), QString(" "));
    QCOMPARE(first(before, "language").text(), QString::fromUtf8("Skins \xe4\xb8\x8d \xc4\x8d \xe3\x80\x8d"));

    QByteArray previous;
    for (int round = 0; round < 2; ++round) {
        QDomDocument host;
        const fileio::XmlRead read = fileio::parsexml(&host, testsupport::readFile(path), /*keepwhitespace=*/true);
        QVERIFY(read);
        projectapply::apply(project, host, "Tessary", 1.0f);
        const QByteArray bytes = projectapply::hosttext(host, read);
        QVERIFY(testsupport::writeFile(path, bytes));
        if (round > 0)
            QCOMPARE(bytes, previous);
        previous = bytes;
    }
    QCOMPARE(previous.count('\n'), previous.count("\r\n"));

    QDomDocument after;
    QVERIFY2(fileio::parsexml(&after, previous, /*keepwhitespace=*/true), previous.constData());
    const QStringList kept = nodelines(after, replaced);
    QCOMPARE(kept, nodelines(before, replaced));
    QCOMPARE(after.doctype().name(), QString("settings"));
    QCOMPARE(after.doctype().systemId(), QString("settings.dtd"));

    // What was replaced is the project's, laid out like its neighbours.
    QCOMPARE(first(after, "QRNScriptGlobalVariables").text(), QString("$TYX_JOGFull=0=1.00000,$HostVolume=1=0.50000"));
    const QDomElement record = first(after, "skinWindows");
    QCOMPARE(describe(record.lastChildElement()), QStringList({"idx3 visible=yes x=5", "idx4 visible=no"}));
    QVERIFY2(previous.contains("\r\n\t\t<window name=\"Tessary:skin\">\r\n\t\t <idx3 "), previous.constData());
    QVERIFY2(previous.contains("\r\n    <QRNScriptGlobalVariables>$TYX_JOGFull"), previous.constData());
}

// A host's file as the host or its user may have written it: Apply either
// keeps every character it does not set, so that another reader reads the
// same from it and a second Apply changes nothing more, or refuses the file
// and leaves it byte for byte.
void TestProjectFile::applyKeepsWhatItDoesNotSet_data()
{
    QTest::addColumn<QByteArray>("host");
    QTest::addColumn<bool>("applied");
    QTest::addColumn<QByteArray>("written");   // what the written file holds as such

    const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
    const QByteArray body = "<settings>\r\n <options>\r\n  <note>%1</note>\r\n"
                            "  <QRNScriptGlobalVariables>$Host=1=0.5</QRNScriptGlobalVariables>\r\n </options>\r\n"
                            " <skins>\r\n  <skinWindows>\r\n   <window name=\"Tessary:skin\"><idx1 visible=\"no\"/></window>\r\n"
                            "  </skinWindows>\r\n </skins>\r\n</settings>\r\n";
    const auto host = [&](const QByteArray &note, const QByteArray &doctype = QByteArray()) {
        return head + doctype + QByteArray(body).replace("%1", note);
    };
    QTest::newRow("plain") << host("My Skins") << true << QByteArray("<note>My Skins</note>");
    QTest::newRow("undeclared entity") << host("My&nbsp;Skins") << true << QByteArray("<note>My&nbsp;Skins</note>");
    QTest::newRow("entity of the external document type")
        << host("&lang;", "<!DOCTYPE settings SYSTEM \"settings.dtd\">\r\n") << true
        << QByteArray("<!DOCTYPE settings SYSTEM \"settings.dtd\">\r\n<settings>\r\n <options>\r\n  <note>&lang;</note>");
    QTest::newRow("character past U+FFFF") << host("&#x1F600; &#128512;") << true
                                           << QByteArray("<note>\xf0\x9f\x98\x80 \xf0\x9f\x98\x80</note>");
    QTest::newRow("last character") << host("&#x10FFFF;") << true << QByteArray("<note>\xf4\x8f\xbf\xbf</note>");
    QTest::newRow("internal subset")
        << host("x", "<!DOCTYPE settings [\r\n <!ATTLIST settings mode CDATA \"dark\">\r\n <!ELEMENT settings ANY>\r\n]>\r\n")
        << true
        << QByteArray("<!DOCTYPE settings [\r\n <!ATTLIST settings mode CDATA \"dark\">\r\n <!ELEMENT settings ANY>\r\n]>\r\n");
    const QByteArray gb18030 = "<?xml version=\"1.0\" encoding=\"GB18030\"?>\r\n" + QByteArray(body);
    QTest::newRow("GB18030") << QByteArray(gb18030).replace("%1", "\xc4\xe3\xba\xc3") << true
                             << QByteArray("<note>\xe4\xbd\xa0\xe5\xa5\xbd</note>");
    // Characters that the encoding writes in two ways, as Windows writes
    // them in Japanese, are kept as the same characters.
    const auto declared = [&](const QByteArray &encoding, const QByteArray &note) {
        return "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?>\r\n" + QByteArray(body).replace("%1", note);
    };
    QTest::newRow("Shift_JIS, NEC-selected IBM extension")
        << declared("Shift_JIS", "\xed\x40") << true << QByteArray("<note>\xe7\xba\x8a</note>");
    QTest::newRow("windows-31j, NEC special character")
        << declared("windows-31j", "\x87\x90") << true << QByteArray("<note>\xe2\x89\x92</note>");
    QTest::newRow("EUC-JP, JIS X 0212") << declared("EUC-JP", "\x8f\xa2\xb7") << true
                                        << QByteArray("<note>\xef\xbd\x9e</note>");
    // The rest of the file stays in JIS-Roman.
    QTest::newRow("ISO-2022-JP, back to JIS-Roman")
        << declared("ISO-2022-JP", "\x1b$B4A;z\x1b(J") << true
        << QByteArray("<note>\xe6\xbc\xa2\xe5\xad\x97</note>");
    QTest::newRow("ISO-2022-JP, JIS-Roman's own characters")
        << declared("ISO-2022-JP", "a\x1b(Jb\\~") << true << QByteArray("<note>ab\xc2\xa5\xe2\x80\xbe</note>");
    QTest::newRow("ISO-2022-JP-2, a single shift to Latin-1")
        << declared("ISO-2022-JP-2", "\x1b.A\x1bNA") << true << QByteArray("<note>\xc3\x81</note>");
    QTest::newRow("UTF-7, base64 with two bits left over") << declared("UTF-7", "+AGEAdA-") << true
                                                           << QByteArray("<note>at</note>");
    QTest::newRow("Big5, a character it has twice")
        << declared("Big5", "\xa2\xcc") << true << QByteArray("<note>\xe5\x8d\x81</note>");
    // A U+FFFD that the bytes encode is text.
    QTest::newRow("U+FFFD in GB18030") << QByteArray(gb18030).replace("%1", "\x84\x31\xa4\x37") << true
                                       << QByteArray("<note>\xef\xbf\xbd</note>");
    QTest::newRow("U+FFFD in CESU-8") << declared("CESU-8", "\xef\xbf\xbd") << true
                                      << QByteArray("<note>\xef\xbf\xbd</note>");

    QTest::newRow("reference to U+0000") << host("&#0;") << false << QByteArray();
    QTest::newRow("reference past U+10FFFF") << host("&#x110000;") << false << QByteArray();
    QTest::newRow("reference to a surrogate") << host("&#xD800;") << false << QByteArray();
    QTest::newRow("raw control character") << host("a\x01b") << false << QByteArray();
    QTest::newRow("undeclared entity in an attribute")
        << QByteArray(host("x")).replace("<note>", "<note v=\"a&nbsp;b\">") << false << QByteArray();
    QTest::newRow("GB18030 with a byte that is not text") << QByteArray(gb18030).replace("%1", "\x81\x20") << false
                                                          << QByteArray();
    QTest::newRow("Shift_JIS with a byte that is not text") << declared("Shift_JIS", "\xed\x40\x81\x20") << false
                                                            << QByteArray();
    // Bytes read as another character than the encoding's table says, or
    // as none.
    for (const auto &fallback : {std::make_pair("TSCII", "\x82"), std::make_pair("TSCII", "\x94"),
                                 std::make_pair("hp-roman8", "\xaf"), std::make_pair("hp-roman8", "\xf6"),
                                 std::make_pair("hp-roman8", "\xa9"), std::make_pair("EUC-JP", "\x8e\xe0"),
                                 std::make_pair("ISO-2022-JP-2", "\x1b.A\x1bN\r\n"), std::make_pair("UTF-7", "+A-")}) {
        const QByteArray raw = fallback.second;
        QTest::addRow("%s, %s", fallback.first, raw.toHex(' ').constData())
            << declared(fallback.first, raw) << false << QByteArray();
    }
    QTest::newRow("SCSU ending in a quote tag") << declared("SCSU", "x") + "\x01" << false << QByteArray();
}

void TestProjectFile::applyKeepsWhatItDoesNotSet()
{
    QFETCH(QByteArray, host);
    QFETCH(bool, applied);
    QFETCH(QByteArray, written);
    ApplyFiles files;
    QVERIFY(files.write(host));

    const projectapply::Applied first = files.apply();
    const QByteArray once = files.host();
    if (!applied) {
        QCOMPARE(int(first.result), int(projectapply::Applied::HostUnread));
        QCOMPARE(once, host);
        return;
    }
    QCOMPARE(int(first.result), int(projectapply::Applied::Done));
    QVERIFY2(once.contains(written), once.constData());
    QXmlStreamReader declared(once);
    declared.readNext();
    QCOMPARE(declared.documentEncoding().toString(), QString("UTF-8"));
    // The other reader reads the same from what was written as from what
    // the host wrote, but for what Apply set.
    QString text;
    QVERIFY(fileio::decodexml(host, &text));
    const QRegularExpression encoding("encoding=\"[^\"]*\"");
    QCOMPARE(streamtokens(once), streamtokens(text.replace(encoding, "encoding=\"UTF-8\"").toUtf8()));
    QVERIFY2(once.contains("<QRNScriptGlobalVariables>$TYX_A=0=1.00000,$Host=1=0.5</QRNScriptGlobalVariables>"),
             once.constData());

    QCOMPARE(int(files.apply().result), int(projectapply::Applied::Done));
    QCOMPARE(files.host(), once);
}

// Qt's DOM makes the comments and processing instructions of a document
// type's internal subset children of the document, beside those before and
// after the document type: the document type as the file wrote it holds
// them already, and Apply writes them there once, however often it runs.
void TestProjectFile::applyWritesEachNodeOnce_data()
{
    QTest::addColumn<QByteArray>("host");
    const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
    const QByteArray body = "<settings>\r\n <options>\r\n  <note>x</note>\r\n"
                            "  <QRNScriptGlobalVariables>$Host=1=0.5</QRNScriptGlobalVariables>\r\n </options>\r\n"
                            " <skins>\r\n  <skinWindows>\r\n   <window name=\"Tessary:skin\"><idx1 visible=\"no\"/></window>\r\n"
                            "  </skinWindows>\r\n </skins>\r\n</settings>\r\n";
    const QByteArray subset = "<!DOCTYPE settings [\r\n <!-- the host's settings -->\r\n <?subset-hint keep?>\r\n"
                              " <!NOTATION png SYSTEM \"image/png\">\r\n <!ELEMENT settings ANY>\r\n]>\r\n";
    QTest::newRow("subset with a comment, a PI and a notation") << head + subset + body;
    QTest::newRow("comments and PIs around the document type and the root")
        << head + "<!-- before the type -->\r\n<?before type?>\r\n" + subset
               + "<!-- after the type -->\r\n<?after-type?>\r\n" + body + "<!-- after the root -->\r\n<?last?>\r\n";
    QTest::newRow("the same comment in and around the subset")
        << head + "<!--same-->\r\n<!DOCTYPE settings SYSTEM \"settings.dtd\" [<!--same--><?same?><!--same-->]>\r\n"
               + "<!--same-->\r\n<?same?>\r\n" + body + "<!--same-->\r\n";
    QTest::newRow("markup in a literal of the subset")
        << head + "<!DOCTYPE settings [<!NOTATION n SYSTEM \"<!--not a comment--><?nor a PI?>\"><!--a comment-->]>\r\n"
               + "<?after?>\r\n" + body;
    QTest::newRow("subset of comments and PIs on one line")
        << head + "<!DOCTYPE settings [<!--a--><!--b--><?c?>]>\r\n<!--d-->\r\n" + body;
    QTest::newRow("no-break spaces beside the records Apply replaces")
        << head + subset
               + QByteArray(body)
                     .replace("<options>\r\n", "<options>\xc2\xa0")
                     .replace("</QRNScriptGlobalVariables>", "</QRNScriptGlobalVariables>\xc2\xa0")
                     .replace("<skinWindows>", "<skinWindows>\xc2\xa0<?in-record?>")
                     .replace("</window>", "</window>\xc2\xa0");
    QTest::newRow("a style sheet before the root")
        << head + "<?xml-stylesheet type=\"text/xsl\" href=\"settings.xsl\"?>\r\n" + body;
    QTest::newRow("no record yet, values beside where it goes")
        << head + QByteArray(body).replace("  <skinWindows>\r\n   <window name=\"Tessary:skin\"><idx1 visible=\"no\"/></window>\r\n"
                                           "  </skinWindows>\r\n",
                                           "  <current>x</current>" + value + "\r\n " + value + "\r\n");

    // A value at the end or at the start of a line, or of every line,
    // beside each record Apply replaces, with the records first and last
    // among their neighbours, indented by one blank and by two, in files
    // with CR LF and with LF line ends.
    const QByteArray recordsfirst =
        "<settings>\n  <options>\n    <QRNScriptGlobalVariables>$Host=1=0.5</QRNScriptGlobalVariables>\n"
        "    <note>x</note>\n  </options>\n  <skins>\n    <skinWindows>\n"
        "      <window name=\"Tessary:skin\"><idx1 visible=\"no\"/></window>\n      <window name=\"Other:skin\"/>\n"
        "    </skinWindows>\n  </skins>\n</settings>";
    const QList<QPair<const char *, QByteArray>> orders = {
        {"records last", QByteArray(body).replace("\r", "").trimmed()}, {"records first", recordsfirst}};
    for (const auto &order : orders) {
        const QList<QByteArray> lines = order.second.split('\n');
        // The line at index with the value after it, or before its markup.
        const auto valued = [&](int index, bool after) {
            const QByteArray line = lines.at(index);
            return after ? line + value : line.left(line.indexOf('<')) + value + line.trimmed();
        };
        for (const QByteArray lineend : {"\r\n", "\n"}) {
            const auto row = [&](const QByteArray &name, const QList<QByteArray> &host) {
                QTest::addRow("%s, %s, %s", order.first, lineend == "\n" ? "LF" : "CR LF", name.constData())
                    << head + host.join(lineend) + lineend;
            };
            QList<QByteArray> ends = lines;
            QList<QByteArray> starts = lines;
            // Text stands only inside the root.
            for (int i = 0; i < lines.size(); ++i) {
                for (const bool after : {true, false}) {
                    if (i == (after ? lines.size() - 1 : 0))
                        continue;
                    QList<QByteArray> host = lines;
                    host[i] = valued(i, after);
                    row(QByteArray(after ? "value after " : "value before ") + lines.at(i).trimmed(), host);
                    (after ? ends : starts)[i] = host.at(i);
                }
            }
            row("a value at the end of every line", ends);
            row("a value at the start of every line", starts);
        }
    }
}

void TestProjectFile::applyWritesEachNodeOnce()
{
    QFETCH(QByteArray, host);
    ApplyFiles files;
    QVERIFY(files.write(host));
    QCOMPARE(int(files.apply().result), int(projectapply::Applied::Done));
    const QByteArray once = files.host();
    for (int round = 2; round <= 3; ++round) {
        QCOMPARE(int(files.apply().result), int(projectapply::Applied::Done));
        QCOMPARE(files.host(), once);
    }

    for (const QString &markup : commentsandinstructions(host))
        QVERIFY2(once.count(markup.toUtf8()) == host.count(markup.toUtf8()), qPrintable(markup));
    for (const char *character : {"\xc2\xa0", "\xc3\xa9", "\xf0\x9f\x98\x80"})
        QCOMPARE(once.count(character), host.count(character));
    QCOMPARE(blanklines(once), blanklines(host));
    // A value stays on its line, and the records Apply sets are the last
    // children of their elements, on lines indented as before.
    QCOMPARE(valueplaces(once, value), valueplaces(host, value));
    QVERIFY2(QRegularExpression("</QRNScriptGlobalVariables>\\s*</options>").match(once).hasMatch(), once);
    QVERIFY2(QRegularExpression("</window>\\s*</skinWindows>").match(once).hasMatch(), once);
    const QStringList indents = recordindents(QByteArray(host).replace(value, ""));
    for (const QString &indent : recordindents(once)) {
        const QString record = indent.section(" after ", 0, 0);
        if (!indents.filter(record).isEmpty())
            QVERIFY2(indents.contains(indent), qPrintable(indent));
    }
    // The text around what Apply sets is the host's, but for the layout
    // beside it, and for the record Apply makes where the host has none.
    QStringList tokens = streamtokens(once, /*joinlayout=*/true);
    if (!host.contains("<skinWindows"))
        tokens = tokens.filter(QRegularExpression("^(?!(Start|End)Element skinWindows )"));
    QCOMPARE(tokens, streamtokens(host, /*joinlayout=*/true));
    // What stands around the root, the document type among it, stands where
    // it stood, with CR LF line ends.
    const QByteArray crlf = QByteArray(host).replace("\r\n", "\n").replace("\n", "\r\n");
    QCOMPARE(once.left(once.indexOf("<settings")), crlf.left(crlf.indexOf("<settings")));
    QCOMPARE(once.mid(once.indexOf("</settings>")), crlf.mid(crlf.indexOf("</settings>")));
    QDomDocument back;
    QVERIFY(fileio::parsexml(&back, once, /*keepwhitespace=*/true));
    QCOMPARE(back.doctype().notations().count(), host.count("<!NOTATION"));
}

// Each run of the tool seeds Qt's hashes anew, and the DOM keeps an
// element's attributes in a hash: the host written in one run is the
// host written in another.
void TestProjectFile::applyGivesOneHostInEveryRun()
{
    ApplyFiles files;
    QVERIFY(files.write(whitespacehost, "<idx1 x=\"1\" y=\"2\" width=\"3\" height=\"4\" visible=\"yes\"/>"));
    // Qt takes no seed but the fixed one and a random one; the elements of
    // several attributes are many enough that random seeds order them
    // otherwise.
    qSetGlobalQHashSeed(0);
    QCOMPARE(int(files.apply().result), int(projectapply::Applied::Done));
    const QByteArray first = files.host();
    for (int run = 0; run < 3; ++run) {
        qSetGlobalQHashSeed(-1);
        QCOMPARE(int(files.apply().result), int(projectapply::Applied::Done));
        QCOMPARE(files.host(), first);
    }
}

// The host's file with a project in it is held to the bounds it is read
// with: a file that this tool would then refuse to read is not written, so
// that the host and every later Apply can still read it.
void TestProjectFile::applyHoldsHostToItsBounds_data()
{
    QTest::addColumn<QByteArray>("piece");   // what the host is filled with, one more each time
    QTest::addColumn<XmlProblem>("past");    // why a host of one piece more is refused
    QTest::newRow("bytes") << QByteArray("x") << XmlProblem::TooLarge;
    QTest::newRow("nodes") << QByteArray("<a/>") << XmlProblem::TooMany;
}

void TestProjectFile::applyHoldsHostToItsBounds()
{
    QFETCH(QByteArray, piece);
    QFETCH(XmlProblem, past);
    const bool bytes = past == XmlProblem::TooLarge;
    const int bound = bytes ? int(fileio::smallxmllimits.bytes) : fileio::smallxmllimits.nodes;
    const auto size = [&](const QByteArray &xml) {
        return bytes ? xml.size() : fileio::scanxml(QString::fromUtf8(xml), std::numeric_limits<int>::max()).nodes;
    };
    const auto host = [&](int pieces) {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<settings>\r\n <options>\r\n  <note>"
               + piece.repeated(pieces)
               + "</note>\r\n  <QRNScriptGlobalVariables>$Host=1=0.5</QRNScriptGlobalVariables>\r\n </options>\r\n"
                 " <skins>\r\n  <skinWindows>\r\n   <window name=\"Tessary:skin\"/>\r\n  </skinWindows>\r\n"
                 " </skins>\r\n</settings>\r\n";
    };
    // The project's placements are what takes the host past its bounds.
    const QByteArray placements = QByteArray("<idx1 visible=\"yes\" x=\"4\"/>").repeated(1000);
    ApplyFiles files;
    QVERIFY(files.write(host(1), placements));
    QCOMPARE(int(files.apply().result), int(projectapply::Applied::Done));
    const int growth = size(files.host()) - size(host(1));
    QVERIFY(growth > 3000);

    // A host that the project takes to its bound exactly is written, and
    // is read again for the next Apply.
    const int fitting = 1 + bound - growth - size(host(1));   // a piece is a byte or a node
    QVERIFY(files.write(host(fitting), placements));
    QCOMPARE(int(files.apply().result), int(projectapply::Applied::Done));
    const QByteArray atbound = files.host();
    QCOMPARE(size(atbound), bound);
    QCOMPARE(int(files.apply().result), int(projectapply::Applied::Done));
    QCOMPARE(files.host(), atbound);

    // One piece more, and the host is left byte for byte.
    QVERIFY(files.write(host(fitting + 1), placements));
    const projectapply::Applied refused = files.apply();
    QCOMPARE(int(refused.result), int(projectapply::Applied::HostOutOfBounds));
    QCOMPARE(refused.read.problem, past);
    QCOMPARE(files.host(), host(fitting + 1));
}

// A host whose skins element nests as deep as a file may: the record Apply
// puts in it would nest deeper.
void TestProjectFile::applyRefusesHostNestedTooDeep()
{
    const int levels = fileio::maxxmldepth - 2;
    const QByteArray host = "<settings><options/>" + QByteArray("<a>").repeated(levels) + "<skins/>"
                            + QByteArray("</a>").repeated(levels) + "</settings>";
    ApplyFiles files;
    QVERIFY(files.write(host));
    QDomDocument read;
    QVERIFY(fileio::parsexml(&read, host));
    const projectapply::Applied refused = files.apply();
    QCOMPARE(int(refused.result), int(projectapply::Applied::HostOutOfBounds));
    QCOMPARE(refused.read.problem, XmlProblem::TooDeep);
    QCOMPARE(files.host(), host);
}

QTEST_GUILESS_MAIN(TestProjectFile)
#include "tst_projectfile.moc"
