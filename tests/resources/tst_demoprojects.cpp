// The three built-in demo projects: their text, their record, and that each
// entry names a window of the right kind of the built-in skin, laid out so
// that neither the left side nor the right-hand twins overlap.
#include <QtTest>
#include <QDomDocument>

#include <quazip.h>
#include <quazipfile.h>

namespace {

struct Entry
{
    int idx;
    bool visible;
    QRect place;
};

} // namespace

Q_DECLARE_METATYPE(Entry)

namespace {

QByteArray resource(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The window names of the built-in skin, by window number (1-based).
QStringList skinWindowNames()
{
    QFile file(QStringLiteral(":/Resources/Tessary.zip"));
    QuaZip zip(&file);
    if (!zip.open(QuaZip::mdUnzip) || !zip.setCurrentFile(QStringLiteral("skin.xml")))
        return {};
    QuaZipFile entry(&zip);
    if (!entry.open(QIODevice::ReadOnly))
        return {};
    QDomDocument doc;
    doc.setContent(entry.readAll());
    QStringList names{QString()};
    const QDomNodeList windows = doc.elementsByTagName(QStringLiteral("window"));
    for (int i = 0; i < windows.count(); ++i)
        names << windows.item(i).toElement().attribute(QStringLiteral("name"));
    return names;
}

QList<Entry> recordOf(const QDomDocument &doc)
{
    QList<Entry> entries;
    const QDomElement window = doc.elementsByTagName(QStringLiteral("skinWindows")).item(0).firstChildElement();
    for (QDomElement e = window.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        entries.append({e.tagName().mid(3).toInt(), e.attribute("visible") == QLatin1String("yes"),
                        QRect(e.attribute("x").toInt(), e.attribute("y").toInt(), e.attribute("width").toInt(),
                              e.attribute("height").toInt())});
    }
    return entries;
}

QList<int> numbers(const QString &list)
{
    QList<int> out;
    for (const QString &n : list.split(' ', Qt::SkipEmptyParts))
        out << n.toInt();
    return out;
}

bool isBackground(const QString &name)
{
    return name == QLatin1String("MENU") || name.endsWith(QLatin1String("DROPZONE")) || name.contains(QLatin1String("ZONE"));
}

} // namespace

class TestDemoProjects : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void record_data();
    void record();
    void textForm_data();
    void textForm();
    void entriesNameTheRightWindows_data();
    void entriesNameTheRightWindows();
    void layoutDoesNotOverlap_data();
    void layoutDoesNotOverlap();

private:
    QStringList windowNames;
};

void TestDemoProjects::initTestCase()
{
    windowNames = skinWindowNames();
    QCOMPARE(windowNames.size(), 239);
}

void TestDemoProjects::record_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("variables");
    QTest::addColumn<QList<int>>("order");
    QTest::addColumn<QList<Entry>>("zones");
    QTest::newRow("Demo 1") << "Demo 1"
        << "$TYX_JOGFull=0=1.00000, $TYX_LOOPAutoBasic=0=2.00000, $TYX_LOOPManualBasic=0=2.00000, "
           "$TYX_PITCHFull=0=1.00000, $TYX_PITCHBend=0=1.00000, $TYX_BPMValue=0=1.00000, $TYX_KEYFull=0=1.00000, "
           "$TYX_CUSTOMTwo=0=1.00000, $TYX_DECKGROUP1_clone=0=1.00000, $TYX_DECKGROUP2_clone=0=1.00000"
        << numbers("1 2 4 8 84 82 30 40 28 26 16 92 94 102 108 134 148 146 140 138 150 142 167 168 169 170 171 172 "
                   "176 175 207 186 192 200 199 104 18 154 214 198 193 194 201 208 210")
        << QList<Entry>{{1, true, {1096, 640, 632, 393}}, {4, true, {778, 181, 366, 348}},
                        {208, true, {0, 182, 781, 345}}, {210, true, {10, 189, 546, 126}}};
    QTest::newRow("Demo 2") << "Demo 2" << ""
        << numbers("2 84 82 30 40 28 128 92 102 140 142 167 168 169 170 172 176 175 186 136 14 10 116 208 210")
        << QList<Entry>{{2, true, {8, 184, 893, 229}}, {208, true, {0, 174, 898, 242}}, {210, true, {7, 184, 658, 130}}};
    QTest::newRow("Demo 3") << "Demo 3" << ""
        << numbers("1 2 4 8 84 82 40 28 128 92 102 134 148 146 140 138 150 155 130 167 168 169 170 171 172 176 175 "
                   "186 192 104 18 154 156 161 162 158 160 220 14 32 208")
        << QList<Entry>{{4, true, {851, 146, 219, 368}}, {208, true, {0, 148, 851, 368}}};
}

void TestDemoProjects::record()
{
    QFETCH(QString, name);
    QFETCH(QString, variables);
    QFETCH(QList<int>, order);
    QFETCH(QList<Entry>, zones);
    QDomDocument doc;
    QString error;
    QVERIFY2(doc.setContent(resource(":/Resources/" + name + ".xml"), &error), qPrintable(error));
    const QDomElement project = doc.documentElement();
    QCOMPARE(project.tagName(), QStringLiteral("project"));
    QCOMPARE(project.attribute("name"), name);
    QCOMPARE(project.firstChildElement("screenwidth").text(), QStringLiteral("1920"));
    QCOMPARE(project.firstChildElement("screenheight").text(), QStringLiteral("1080"));
    QCOMPARE(project.firstChildElement("QRNScriptGlobalVariables").text(), variables);
    const QDomElement record = project.firstChildElement("skinWindows");
    QCOMPARE(record.childNodes().count(), 1);
    QCOMPARE(record.firstChildElement().tagName(), QStringLiteral("window"));
    QCOMPARE(record.firstChildElement().attribute("name"), QStringLiteral("Tessary:skin"));

    const QList<Entry> entries = recordOf(doc);
    QList<int> seen;
    for (const Entry &e : entries) {
        seen << e.idx;
        QVERIFY(e.visible);
        QVERIFY2(QRect(0, 0, 1920, 1080).contains(e.place), qPrintable(QString::number(e.idx)));
    }
    QCOMPARE(seen, order);
    for (const Entry &zone : zones) {
        const auto it = std::find_if(entries.begin(), entries.end(), [&](const Entry &e) { return e.idx == zone.idx; });
        QVERIFY(it != entries.end());
        QCOMPARE(it->place, zone.place);
    }
    // The zone windows the demo does not list stay unlisted.
    for (int idx : {4, 5, 6, 7, 208, 209, 210, 211}) {
        const bool listed = std::any_of(zones.begin(), zones.end(), [&](const Entry &z) { return z.idx == idx; });
        QCOMPARE(seen.contains(idx), listed);
    }
}

void TestDemoProjects::textForm_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("firstEntry");
    QTest::newRow("Demo 1") << "Demo 1" << QByteArray("\t\t\t<idx1 visible=\"yes\" x=\"1096\" y=\"640\" width=\"632\" height=\"393\"/>");
    QTest::newRow("Demo 2") << "Demo 2" << QByteArray("\t\t\t<idx2 visible=\"yes\" x=\"8\" y=\"184\" width=\"893\" height=\"229\"/>");
    QTest::newRow("Demo 3") << "Demo 3" << QByteArray("\t\t\t<idx1 visible=\"yes\" x=\"1096\" y=\"640\" width=\"632\" height=\"393\"/>");
}

void TestDemoProjects::textForm()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, firstEntry);
    const QByteArray text = resource(":/Resources/" + name + ".xml");
    QVERIFY(text.endsWith("\t</skinWindows>\r\n</project>"));
    QCOMPARE(text.count('\n'), text.count("\r\n"));
    const QList<QByteArray> lines = text.split('\n');
    QCOMPARE(lines[0], QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r"));
    QCOMPARE(lines[1], "<project name=\"" + name.toLatin1() + "\">\r");
    QCOMPARE(lines[2], QByteArray("\t<screenwidth>1920</screenwidth>\r"));
    QCOMPARE(lines[3], QByteArray("\t<screenheight>1080</screenheight>\r"));
    QVERIFY(lines[4].startsWith("\t<QRNScriptGlobalVariables>") && lines[4].endsWith("</QRNScriptGlobalVariables>\r"));
    QCOMPARE(lines[5], QByteArray("\t<skinWindows>\r"));
    QCOMPARE(lines[6], QByteArray("\t\t<window name=\"Tessary:skin\">\r"));
    QCOMPARE(lines[7], firstEntry + '\r');
    QCOMPARE(lines[lines.size() - 3], QByteArray("\t\t</window>\r"));
}

void TestDemoProjects::entriesNameTheRightWindows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("mixer");
    QTest::addColumn<QStringList>("required");
    QTest::newRow("Demo 1") << "Demo 1" << true
        << QStringList{"D1_JOGFull", "D1_LOOPAutoBasic", "D1_LOOPManualBasic", "D1_PITCHFull", "D1_PITCHBend",
                       "D1_BPMValue", "D1_KEYFull", "D1_CUSTOMTwo", "M1_VOLSimple", "GL_CFAudio", "BROWSER"};
    QTest::newRow("Demo 2") << "Demo 2" << false << QStringList{"D1_DROPZONE", "D1_JOGFull", "BROWSER"};
    QTest::newRow("Demo 3") << "Demo 3" << true
        << QStringList{"D1_VIDEOSimple", "GL_VIDEOMaster", "GL_VIDEOCF", "M1_VOLSimple", "BROWSER"};
}

void TestDemoProjects::entriesNameTheRightWindows()
{
    QFETCH(QString, name);
    QFETCH(bool, mixer);
    QFETCH(QStringList, required);
    QDomDocument doc;
    QVERIFY(doc.setContent(resource(":/Resources/" + name + ".xml")));
    QStringList listed;
    for (const Entry &e : recordOf(doc)) {
        QVERIFY(e.idx >= 1 && e.idx <= 238);
        const QString window = windowNames.at(e.idx);
        listed << window;
        // Right-hand twins follow their left-hand windows; no demo places them.
        QVERIFY2(!window.startsWith("D2_") && !window.startsWith("M2_"), qPrintable(window));
        if (window.startsWith("M1_"))
            QVERIFY2(mixer, qPrintable(window));
    }
    for (const QString &window : required)
        QVERIFY2(listed.contains(window), qPrintable(window));
    // The grouped modules of the variables are all shown.
    const QString variables = doc.elementsByTagName("QRNScriptGlobalVariables").item(0).toElement().text();
    for (const QString &item : variables.split(',', Qt::SkipEmptyParts)) {
        const QString module = item.trimmed().section('=', 0, 0).mid(5);
        if (!module.endsWith("_clone"))
            QVERIFY2(listed.contains("D1_" + module), qPrintable(module));
    }
}

void TestDemoProjects::layoutDoesNotOverlap_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("Demo 1") << "Demo 1";
    QTest::newRow("Demo 2") << "Demo 2";
    QTest::newRow("Demo 3") << "Demo 3";
}

void TestDemoProjects::layoutDoesNotOverlap()
{
    QFETCH(QString, name);
    QDomDocument doc;
    QVERIFY(doc.setContent(resource(":/Resources/" + name + ".xml")));
    // Groups and clone switches of the demo, as the module variables give them.
    QMap<QString, QString> group;
    QSet<QString> cloned;
    const QString variables = doc.elementsByTagName("QRNScriptGlobalVariables").item(0).toElement().text();
    for (const QString &item : variables.split(',', Qt::SkipEmptyParts)) {
        const QStringList fields = item.trimmed().split('=');
        const QString key = fields[0].mid(5);
        if (key.endsWith("_clone"))
            cloned.insert(key.chopped(6));
        else
            group.insert(key, fields[2].section('.', 0, 0));
    }
    QList<QPair<QString, QRect>> placed;
    for (const Entry &e : recordOf(doc)) {
        const QString window = windowNames.at(e.idx);
        if (!isBackground(window))
            placed.append({window, e.place});
    }
    // Where the right-hand twins go: a group block mirrored as a whole and
    // cloned or mirrored inside, the rest mirrored one by one.
    const QList<QPair<QString, QRect>> left = placed;
    for (const auto &p : left) {
        if (!p.first.startsWith("D1_") && !p.first.startsWith("M1_"))
            continue;
        const QString g = group.value(p.first.mid(3));
        const QRect r = p.second;
        int x = 1920 - r.x() - r.width();
        if (!g.isEmpty() && g != QLatin1String("0")) {
            int cp = 1920, right = 0;
            for (const auto &q : left) {
                if (q.first.startsWith(p.first.left(3)) && group.value(q.first.mid(3)) == g) {
                    cp = qMin(cp, q.second.x());
                    right = qMax(right, q.second.x() + q.second.width());
                }
            }
            const QString key = (p.first.startsWith("D1_") ? "DECKGROUP" : "MIXERGROUP") + g;
            x = cloned.contains(key) ? 1920 - right + (r.x() - cp) : 1920 - r.x() - r.width();
        }
        placed.append({QString(p.first).replace(1, 1, '2'), QRect(x, r.y(), r.width(), r.height())});
    }
    for (int i = 0; i < placed.size(); ++i) {
        for (int j = i + 1; j < placed.size(); ++j)
            QVERIFY2(!placed[i].second.intersects(placed[j].second),
                     qPrintable(placed[i].first + " overlaps " + placed[j].first));
    }
}

QTEST_MAIN(TestDemoProjects)
#include "tst_demoprojects.moc"
