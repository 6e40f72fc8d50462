// The built-in stand-in skin: the fixed facts that the readers, the pruning,
// the colour mapping and the writers rely on, read back through the Qt DOM.
#include <QtTest>
#include <QDomDocument>
#include <QImage>
#include <QRegularExpression>
#include <QSet>

#include <quazip.h>
#include <quazipfile.h>

namespace {

const char *const zipPath = ":/Resources/Tessary.zip";

QMap<QString, QByteArray> archiveEntries()
{
    QMap<QString, QByteArray> entries;
    QFile file(QString::fromLatin1(zipPath));
    QuaZip zip(&file);
    if (!zip.open(QuaZip::mdUnzip))
        return entries;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFile entry(&zip);
        if (entry.open(QIODevice::ReadOnly))
            entries.insert(entry.getActualFileName(), entry.readAll());
    }
    return entries;
}

QList<QDomElement> childElements(const QDomNode &parent, const QString &tag = QString())
{
    QList<QDomElement> out;
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (tag.isEmpty() || e.tagName() == tag)
            out.append(e);
    }
    return out;
}

QList<QDomElement> allElements(const QDomNode &root, const QString &tag = QString())
{
    QList<QDomElement> out;
    for (const QDomElement &e : childElements(root)) {
        if (tag.isEmpty() || e.tagName() == tag)
            out.append(e);
        out += allElements(e, tag);
    }
    return out;
}

QStringList tagsOf(const QList<QDomElement> &elements)
{
    QStringList tags;
    for (const QDomElement &e : elements)
        tags.append(e.tagName());
    return tags;
}

QStringList repeated(int n, const QString &text)
{
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << text;
    return out;
}

bool hasAttribute(const QDomElement &e, const QString &name) { return !e.attribute(name, QString()).isNull(); }

// A picture that an element names in the sheet, worked out as the writers
// do: the element's size (changed by later pos and size children) for the
// image states of buttons and visuals, the cut-out of song-position cues,
// and the masks of the rhythm and scratch-wave cues.
QList<QRect> namedRegions(const QDomElement &root)
{
    QList<QRect> regions;
    const QStringList buttonStates = {"off", "up", "on", "selected", "over", "down", "downselected",
                                      "overselected", "background"};
    for (const QDomElement &e : allElements(root)) {
        const QString tag = e.tagName();
        if (tag == QLatin1String("button") || tag == QLatin1String("visual")) {
            int w = e.attribute("width").toInt();
            int h = e.attribute("height").toInt();
            for (const QDomElement &child : childElements(e)) {
                const QString c = child.tagName();
                if (c == QLatin1String("pos") || c == QLatin1String("size")) {
                    if (hasAttribute(child, "width"))
                        w = child.attribute("width").toInt();
                    if (hasAttribute(child, "height"))
                        h = child.attribute("height").toInt();
                }
                const bool picture = tag == QLatin1String("button")
                    ? buttonStates.contains(c)
                    : (c == QLatin1String("off") || c == QLatin1String("on") || c == QLatin1String("mask"));
                if (picture && hasAttribute(child, "x"))
                    regions.append(QRect(child.attribute("x").toInt(), child.attribute("y").toInt(), w, h));
            }
        } else if (tag == QLatin1String("cues")) {
            QRect cut(0, 0, e.attribute("width").toInt(), e.attribute("height").toInt());
            for (const QDomElement &child : childElements(e)) {
                if (child.tagName() == QLatin1String("size")) {
                    if (hasAttribute(child, "width"))
                        cut.setWidth(child.attribute("width").toInt());
                    if (hasAttribute(child, "height"))
                        cut.setHeight(child.attribute("height").toInt());
                } else if (child.tagName() == QLatin1String("clipmask")) {
                    if (hasAttribute(child, "x"))
                        cut.moveLeft(child.attribute("x").toInt());
                    if (hasAttribute(child, "y"))
                        cut.moveTop(child.attribute("y").toInt());
                }
            }
            regions.append(cut);
        } else if (tag == QLatin1String("cue")) {
            int values[4] = {0, 0, 0, 0};
            const char *const names[4] = {"x", "y", "width", "height"};
            for (const QDomElement &mask : childElements(e, "mask")) {
                for (int i = 0; i < 4; ++i) {
                    if (hasAttribute(mask, names[i]))
                        values[i] = mask.attribute(names[i]).toInt();
                }
                regions.append(QRect(values[0], values[1], values[2], values[3]));
            }
        }
    }
    return regions;
}

} // namespace

class TestBuiltinSkin : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void archiveHoldsThreeFiles();
    void textForm();
    void rootAndTopLevel();
    void definesGroup();
    void colourDefinesFeedTheMapping();
    void systemPanel();
    void fixedWindows_data();
    void fixedWindows();
    void windowRecords();
    void panelsOfEveryWindow();
    void zonesAndDropZones();
    void vocabulary();
    void writerAttributesAppear_data();
    void writerAttributesAppear();
    void edgeForms();
    void namedPicturesLieInsideTheSheet();
    void picturesLookDistinct();

private:
    QByteArray xml;
    QDomDocument doc;
    QDomElement root;
    QList<QDomElement> windows;
    QImage sheet;
};

void TestBuiltinSkin::initTestCase()
{
    const QMap<QString, QByteArray> entries = archiveEntries();
    xml = entries.value("skin.xml");
    QVERIFY(!xml.isEmpty());
    QString error;
    QVERIFY2(doc.setContent(xml, &error), qPrintable(error));
    root = doc.documentElement();
    windows = childElements(root, "window");
    QVERIFY(sheet.loadFromData(entries.value("skin.png"), "PNG"));
}

void TestBuiltinSkin::archiveHoldsThreeFiles()
{
    const QMap<QString, QByteArray> entries = archiveEntries();
    QCOMPARE(entries.keys(), (QStringList{"preview.png", "skin.png", "skin.xml"}));
    QImage preview;
    QVERIFY(preview.loadFromData(entries.value("preview.png"), "PNG"));
    QVERIFY(!preview.isNull());
}

void TestBuiltinSkin::textForm()
{
    QVERIFY(xml.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"));
    for (const char c : xml)
        QVERIFY(static_cast<unsigned char>(c) < 0x80);
    QCOMPARE(xml.count('\n'), xml.count("\r\n"));
    QVERIFY(xml.endsWith("</skin>\r\n"));
    for (const QByteArray &line : xml.split('\n')) {
        QVERIFY2(!line.startsWith(' '), line.constData());   // indentation is tabs only
    }
    // Apostrophes only as entities; ten comments, all among the colours.
    QCOMPARE(xml.count('\''), 0);
    QVERIFY(xml.count("&apos;") > 100);
    QCOMPARE(xml.count("<!--"), 10);
    const QDomElement colours = childElements(childElements(root, "group").first(), "group").first();
    int comments = 0;
    for (QDomNode n = colours.firstChild(); !n.isNull(); n = n.nextSibling())
        comments += n.isComment() ? 1 : 0;
    QCOMPARE(comments, 10);
    // One attribute follows the previous one's closing quote directly, in a
    // slider of the definitions.
    const QRegularExpression glued(QStringLiteral("\"[A-Za-z_]+=\""));
    const QString text = QString::fromLatin1(xml);
    QCOMPARE(text.count(glued), 1);
    const int at = text.indexOf(glued);
    QVERIFY(at < text.indexOf(QLatin1String("<window ")));
    QVERIFY(text.lastIndexOf(QLatin1String("<slider"), at) > text.lastIndexOf(QLatin1Char('>'), at));
    const QList<QDomElement> sliders = allElements(root, "slider");
    QVERIFY(std::any_of(sliders.begin(), sliders.end(), [](const QDomElement &s) {
        return s.attribute("clickthrough") == QLatin1String("yes") && s.attribute("orientation") == QLatin1String("vertical")
            && s.attribute("width") == QLatin1String("202-30");
    }));
}

void TestBuiltinSkin::rootAndTopLevel()
{
    QCOMPARE(root.tagName(), QStringLiteral("skin"));
    QCOMPARE(root.attribute("name"), QStringLiteral("Tessary"));
    QCOMPARE(root.attribute("version"), QStringLiteral("8"));
    QCOMPARE(root.attribute("width"), QStringLiteral("1920"));
    QCOMPARE(root.attribute("height"), QStringLiteral("1080"));
    QCOMPARE(root.attribute("nbdecks"), QStringLiteral("2"));
    QCOMPARE(root.attribute("preview"), QStringLiteral("preview.png"));
    QVERIFY(!root.attribute("comment").isEmpty() && !root.attribute("author").isEmpty());
    const QStringList top = tagsOf(childElements(root));
    QCOMPARE(top.size(), 3 + 238);
    QCOMPARE(top.mid(0, 3), (QStringList{"copyright", "group", "panel"}));
    QCOMPARE(top.mid(3), repeated(238, "window"));
    QCOMPARE(allElements(root, "group").first().attribute("name"), QStringLiteral("defines"));
    QCOMPARE(allElements(root, "panel").first().attribute("name"), QStringLiteral("system"));
    QCOMPARE(allElements(root, "window").size(), 238);   // never nested
}

void TestBuiltinSkin::definesGroup()
{
    const QDomElement defines = childElements(root, "group").first();
    const QList<QDomElement> groups = childElements(defines);
    QCOMPARE(tagsOf(groups), repeated(7, QStringLiteral("group")));
    const QStringList names = {"colors_shortcuts", "menubuttons", "buttons", "visuals", "roundknobs", "sliders", "browsers"};
    const QStringList adds = {"", "no", "", "no", "", "", ""};
    const QList<int> sizes = {248, 8, 25, 3, 4, 1, 2};
    int templates = 0;
    int withPlaceholders = 0;
    for (int i = 0; i < groups.size(); ++i) {
        QCOMPARE(groups[i].attribute("name"), names[i]);
        QCOMPARE(groups[i].attribute("add"), adds[i]);
        const QList<QDomElement> defs = childElements(groups[i], "define");
        QCOMPARE(defs.size(), sizes[i]);
        QCOMPARE(childElements(groups[i]).size(), sizes[i]);
        if (i == 0)
            continue;
        for (const QDomElement &d : defs) {
            QVERIFY(hasAttribute(d, "class"));
            ++templates;
            const QString placeholders = d.attribute("placeholders");
            if (placeholders.isEmpty())
                continue;
            ++withPlaceholders;
            // Every parameter is lower case and named in the template in brackets.
            QString content;
            QTextStream stream(&content);
            d.save(stream, 0);
            for (const QString &p : placeholders.split(',')) {
                QCOMPARE(p, p.toLower());
                QVERIFY2(content.contains('[' + p.toUpper() + ']'), qPrintable(d.attribute("class") + ": " + p));
            }
        }
    }
    QCOMPARE(templates, 43);
    QCOMPARE(withPlaceholders, 25);
    QStringList visuals;
    for (const QDomElement &d : childElements(groups[3]))
        visuals << d.attribute("class");
    QCOMPARE(visuals, (QStringList{"liveoff", "liveon", "jogwheeloff"}));
    QStringList browsers;
    for (const QDomElement &d : childElements(groups[6]))
        browsers << d.attribute("class");
    QCOMPARE(browsers, (QStringList{"browserdark", "browserwhite"}));
}

void TestBuiltinSkin::colourDefinesFeedTheMapping()
{
    // The mapping knows the 210 keys of the default profile and the three
    // button on-border keys that no built-in profile holds.
    QFile profile(":/Resources/default.tycp");
    QVERIFY(profile.open(QIODevice::ReadOnly));
    QSet<QString> keys{"d1_buttononborder", "d2_buttononborder", "masterbuttononborder"};
    for (const QByteArray &line : profile.readAll().split('\n')) {
        if (line.contains(','))
            keys.insert(QString::fromLatin1(line.left(line.indexOf(','))));
    }
    QCOMPARE(keys.size(), 213);

    const QDomElement colours = childElements(childElements(root, "group").first(), "group").first();
    const QList<QDomElement> defs = childElements(colours, "define");
    QCOMPARE(defs.size(), 248);
    QSet<QString> plain, left, right, matched;
    QStringList unmatched;
    int greens = 0;
    const QRegularExpression hex(QStringLiteral("^#[0-9a-fA-F]{6}$"));
    for (const QDomElement &d : defs) {
        const QString name = d.attribute("color");
        const QString deck = d.attribute("deck", QString());
        const QString value = d.attribute("value");
        if (value == QLatin1String("green"))
            ++greens;
        else
            QVERIFY2(hex.match(value).hasMatch(), qPrintable(value));
        QString key;
        if (deck.isNull()) {
            plain.insert(name);
            if (!name.startsWith("d1_") && !name.startsWith("d2_"))
                key = name;
        } else if (deck == QLatin1String("left")) {
            QVERIFY(!left.contains(name));
            left.insert(name);
            key = "d1_" + name;
        } else {
            QCOMPARE(deck, QStringLiteral("right"));
            QVERIFY(!right.contains(name));
            right.insert(name);
            key = "d2_" + name;
        }
        if (keys.contains(key)) {
            QVERIFY2(!matched.contains(key), qPrintable(key));
            matched.insert(key);
        } else {
            unmatched << name + (deck.isNull() ? QString() : '/' + deck);
        }
    }
    QCOMPARE(greens, 3);
    QCOMPARE(left, right);
    QCOMPARE(plain.size() + left.size() - (plain & left).size(), 179);
    QCOMPARE((plain - left).size(), 113);
    QCOMPARE((left - plain).size(), 63);
    QCOMPARE((plain & left).size(), 3);
    QCOMPARE(matched.size(), 209);
    QCOMPARE(unmatched.size(), 39);
    // The four rules that the skin never reaches, for want of a letter.
    QCOMPARE(keys - matched, (QSet<QString>{"dspmasteroverborder", "dspvideooffborder", "dspvideooverborder",
                                            "dspvideoonborder"}));
    for (const char *name : {"moduleback", "deckcolor/left", "deckcolor/right", "textdark", "faderlines/left",
                             "dspomasteroverborder", "dspvideoeonborder", "videobuttontexton", "knobwhitefill"})
        QVERIFY2(unmatched.contains(QLatin1String(name)), name);
}

void TestBuiltinSkin::systemPanel()
{
    const QDomElement system = childElements(root, "panel").first();
    QCOMPARE(system.attribute("name"), QStringLiteral("system"));
    const QList<QDomElement> children = childElements(system);
    QStringList expected = {"font", "mcustomicons", "tooltip"};
    expected << repeated(4, "grabzone") << repeated(4, "line") << repeated(4, "textzone")
             << repeated(7, "button") << "visual" << "logo";
    QCOMPARE(tagsOf(children), expected);
    QStringList adds;
    for (const QDomElement &e : children)
        adds << e.attribute("add");
    QStringList expectedAdds = repeated(7, QString()) << repeated(8, "no") << repeated(3, "no")
                                                         << repeated(6, QString());
    QCOMPARE(adds, expectedAdds);
    const QDomElement icons = children[1];
    QCOMPARE(icons.attribute("x"), QStringLiteral("1"));
    QCOMPARE(icons.attribute("y"), QStringLiteral("1"));
    QCOMPARE(icons.attribute("iconsize"), QStringLiteral("64"));
    QCOMPARE(icons.attribute("nb"), QStringLiteral("144"));
    QCOMPARE(icons.attribute("nbx"), QStringLiteral("16"));
    QCOMPARE(children[2].attribute("back"), QStringLiteral("#fbf9e0"));
    QCOMPARE(children[3].firstChildElement("size").attribute("width"), QStringLiteral("1920"));
}

void TestBuiltinSkin::fixedWindows_data()
{
    QTest::addColumn<int>("idx");
    QTest::addColumn<QString>("name");
    QTest::newRow("menu") << 1 << "MENU";
    QTest::newRow("left drop zone") << 2 << "D1_DROPZONE";
    QTest::newRow("right drop zone") << 3 << "D2_DROPZONE";
    for (int zone = 1; zone <= 4; ++zone)
        QTest::newRow(qPrintable(QStringLiteral("zone %1").arg(zone))) << 3 + zone << QStringLiteral("GR_ZONE%1").arg(zone);
    QTest::newRow("browser") << 167 << "BROWSER";
    QTest::newRow("zone 5 left") << 208 << "D1_ZONE5";
    QTest::newRow("zone 5 right") << 209 << "D2_ZONE5";
    QTest::newRow("zone 6 left") << 210 << "D1_ZONE6";
    QTest::newRow("zone 6 right") << 211 << "D2_ZONE6";
}

void TestBuiltinSkin::fixedWindows()
{
    QFETCH(int, idx);
    QFETCH(QString, name);
    QCOMPARE(windows.at(idx - 1).attribute("name"), name);
}

void TestBuiltinSkin::windowRecords()
{
    QCOMPARE(windows.size(), 238);
    // The nine attributes, in this order, on every window.
    const QRegularExpression head(QStringLiteral(
        "^\t<window idx=\"(\\d+)\" name=\"[A-Za-z0-9_]+\" prop=\"[01]\" breakline=\"\\d+\" width=\"\\d+\" "
        "height=\"\\d+\" posx=\"(\\d+)\" posy=\"47\" shown=\"no\">\r$"));
    int seen = 0;
    for (const QByteArray &line : xml.split('\n')) {
        if (!line.startsWith("\t<window "))
            continue;
        const QRegularExpressionMatch m = head.match(QString::fromLatin1(line));
        QVERIFY2(m.hasMatch(), line.constData());
        ++seen;
        QCOMPARE(m.captured(1).toInt(), seen);
        QCOMPARE(m.captured(2), seen == 1 ? QStringLiteral("600") : QStringLiteral("180"));
    }
    QCOMPARE(seen, 238);

    QMap<QString, int> prefixes;
    QSet<QString> names;
    QSet<QString> propWindows;
    for (const QDomElement &w : windows) {
        const QString name = w.attribute("name");
        QVERIFY2(!names.contains(name), qPrintable(name));
        names.insert(name);
        if (name != QLatin1String("MENU") && name != QLatin1String("BROWSER"))
            ++prefixes[name.left(3)];
        if (w.attribute("prop") == QLatin1String("1"))
            propWindows.insert(name);
        QVERIFY(w.attribute("width").toInt() > 0 && w.attribute("height").toInt() > 0);
    }
    QCOMPARE(prefixes, (QMap<QString, int>{{"D1_", 76}, {"D2_", 76}, {"M1_", 15}, {"M2_", 15}, {"GL_", 50}, {"GR_", 4}}));
    QSet<QString> expectedProp{"BROWSER", "GL_CFAudio", "GL_VIDEOMaster", "GL_VIDEOCF", "GL_RHYTHMDefault",
                               "GL_RHYTHMMirror", "GL_RHYTHMScratch", "GL_SANDBOXWave", "D1_DROPZONE", "D2_DROPZONE",
                               "GR_ZONE1", "GR_ZONE2", "GR_ZONE3", "GR_ZONE4", "D1_ZONE5", "D2_ZONE5", "D1_ZONE6", "D2_ZONE6"};
    for (const char *module : {"SONGPOSBasic", "VIDEOSimple", "VOLSimple", "VUSimple", "SCRATCHSimple", "SCRATCHHorizontal"}) {
        const QString side = names.contains(QStringLiteral("D1_") + module) ? QStringLiteral("D") : QStringLiteral("M");
        expectedProp << side + "1_" + module << side + "2_" + module;
    }
    QCOMPARE(propWindows, expectedProp);
    // Every right-hand window has its left-hand twin, and the other way round.
    for (const QString &name : names) {
        if (name.startsWith("D2_") || name.startsWith("M2_"))
            QVERIFY2(names.contains(QString(name).replace(1, 1, '1')), qPrintable(name));
        if (name.startsWith("D1_") || name.startsWith("M1_"))
            QVERIFY2(names.contains(QString(name).replace(1, 1, '2')), qPrintable(name));
    }
    // The modules the host's variables and the documentation name.
    for (const char *name : {"D1_JOGFull", "D1_LOOPAutoBasic", "D1_LOOPManualBasic", "D1_PITCHFull", "D1_PITCHBend",
                             "D1_BPMValue", "D1_KEYFull", "D1_CUSTOMTwo", "D1_CTRLBasic", "M1_EQ", "M1_VOLSimple"})
        QVERIFY2(names.contains(QLatin1String(name)), name);
}

void TestBuiltinSkin::panelsOfEveryWindow()
{
    int liveOff = 0, groupLines = 0, liveOn = 0, liveOnHidden = 0;
    for (const QDomElement &w : windows) {
        const QString name = w.attribute("name");
        const QList<QDomElement> panels = childElements(w, "panel");
        if (name == QLatin1String("MENU")) {
            QCOMPARE(panels.size(), 5);
            QVERIFY(childElements(w).size() > 5);
            continue;
        }
        QCOMPARE(tagsOf(childElements(w)), (QStringList{"panel", "panel"}));
        const QDomElement editing = panels[0];
        const QDomElement live = panels[1];
        QCOMPARE(editing.attribute("add"), QStringLiteral("no"));
        QCOMPARE(editing.attribute("visibility"), QStringLiteral("var_equal '$TY_golive' 0"));
        QCOMPARE(live.attribute("add"), QStringLiteral("yes"));
        QCOMPARE(live.attribute("visibility"), QStringLiteral("var_equal '$TY_golive' 1"));
        const QList<QDomElement> edit = childElements(editing);
        QCOMPARE(tagsOf(edit.mid(0, 2)), (QStringList{"grabzone", "resizezone"}));
        if (edit[2].tagName() == QLatin1String("button") && edit[2].attribute("class") == QLatin1String("liveoff"))
            ++liveOff;
        int lines = 0;
        for (const QDomElement &line : childElements(editing, "line"))
            lines += line.attribute("visibility").contains("$TYX_") ? 1 : 0;
        if (lines) {
            QCOMPARE(lines, 4);
            ++groupLines;
            const QString variable = name == QLatin1String("M1_VOLSimple") ? "@$TYX_VOLSimple" : "$TYX_" + name.mid(3);
            QCOMPARE(childElements(editing, "line").first().attribute("visibility"),
                     QStringLiteral("var_equal '%1' 1").arg(variable));
        }
        const QDomElement first = live.firstChildElement();
        if (first.tagName() == QLatin1String("visual") && first.attribute("class") == QLatin1String("liveon")) {
            ++liveOn;
            liveOnHidden += first.attribute("add") == QLatin1String("no") ? 1 : 0;
        }
        // Nested panels of a live panel never carry add.
        for (const QDomElement &inner : allElements(live, "panel"))
            QVERIFY(!hasAttribute(inner, "add"));
    }
    QCOMPARE(liveOff, 227);
    QCOMPARE(groupLines, 176);
    QCOMPARE(liveOn, 227);
    QCOMPARE(liveOnHidden, 214);
}

void TestBuiltinSkin::zonesAndDropZones()
{
    for (int idx : {4, 5, 6, 7, 208, 209, 210, 211}) {
        const QDomElement live = childElements(windows.at(idx - 1), "panel").at(1);
        const QDomElement deck = live.firstChildElement();
        QCOMPARE(deck.tagName(), QStringLiteral("deck"));
        const QDomElement visual = deck.firstChildElement();
        QCOMPARE(visual.tagName(), QStringLiteral("visual"));
        QCOMPARE(tagsOf(childElements(visual)), (QStringList{"pos", "size", "off"}));
        QCOMPARE(visual.firstChildElement("size").attribute("width"), QStringLiteral("180"));
        QCOMPARE(visual.firstChildElement("size").attribute("height"), QStringLiteral("98"));
    }
    for (int idx : {2, 3}) {
        const QDomElement live = childElements(windows.at(idx - 1), "panel").at(1);
        QCOMPARE(live.firstChildElement().tagName(), QStringLiteral("dropzonefake"));
    }
    QCOMPARE(allElements(root, "dropzonefake").size(), 2);
    QCOMPARE(allElements(root, "scratch").size(), 4);
    QCOMPARE(allElements(root, "video").size(), 5);
    QCOMPARE(allElements(root, "cover").size(), 4);
    QCOMPARE(allElements(root, "logo").size(), 6);
    QCOMPARE(allElements(root, "browser").size(), 2);
    for (const QDomElement &b : allElements(root, "browser"))
        QVERIFY(b.parentNode().parentNode().toElement().attribute("name") == QLatin1String("BROWSER"));
}

void TestBuiltinSkin::vocabulary()
{
    QSet<QString> tags{root.tagName()};
    for (const QDomElement &e : allElements(root))
        tags.insert(e.tagName());
    const QSet<QString> expected{
        "skin", "copyright", "group", "define", "panel", "window", "deck",
        "font", "tooltip", "mcustomicons", "logo", "grabzone", "resizezone",
        "button", "slider", "textzone", "visual", "line", "square", "menu", "item", "submenu", "scratch",
        "scratchwave", "songpos", "rhythmzone", "video", "cover", "browser", "dropzonefake",
        "pos", "size", "off", "on", "over", "up", "down", "selected", "overselected", "background", "text",
        "textover", "textselected", "textdown", "textoverselected", "icon", "led", "fill", "fader", "mask",
        "mouserect", "mousecircle", "clipmask", "grid", "cue", "cues", "rhythm",
        "colors", "lists", "separators", "toolbars", "grids", "columns", "scrollbars", "info", "search",
        "prelisten", "fontsearch", "fontheader", "fontgridtitle"};
    QCOMPARE(expected.size(), 70);
    QCOMPARE(tags, expected);
}

// Every attribute that a writer copies or scales appears on an element of
// its kind that the writer is given (a parent tag narrows the kind).
void TestBuiltinSkin::writerAttributesAppear_data()
{
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QStringList>("attributes");
    const QStringList geometry{"x", "y", "width", "height"};
    const QStringList states{"width", "height", "shape", "color", "color2", "gradient", "border", "border_size"};
    QTest::newRow("define") << "" << "define" << QStringList{"class", "classdeck", "color", "value", "deck", "placeholders"};
    QTest::newRow("define icon") << "define" << "icon"
        << QStringList{"sysicon", "width", "height", "dx", "dy", "color", "colorver", "colorselected", "colordown", "colorover"};
    QTest::newRow("define text") << "define" << "text"
        << QStringList{"size", "fontsize", "dx", "dy", "width", "height", "weight", "align", "color", "text", "action"};
    QTest::newRow("define pos") << "define" << "pos" << geometry;
    QTest::newRow("define state") << "define" << "off" << QStringList{"shape", "color", "color2", "gradient", "border", "border_size"};
    QTest::newRow("browser colors") << "define" << "colors" << QStringList{"background"};
    QTest::newRow("browser font") << "define" << "font" << QStringList{"weight", "size"};
    QTest::newRow("panel") << "" << "panel" << QStringList{"name", "class", "visibility", "group", "visible"};
    QTest::newRow("deck") << "" << "deck" << QStringList{"deck"};
    QTest::newRow("group") << "" << "group" << QStringList{"name", "visibility", "visible"};
    QTest::newRow("tooltip") << "panel" << "tooltip" << QStringList{"color", "shortcut", "back", "size"};
    QTest::newRow("font") << "panel" << "font" << QStringList{"name", "size", "weight"};
    QTest::newRow("custom icons") << "" << "mcustomicons" << QStringList{"iconsize", "nb", "nbx", "x", "y"};
    QTest::newRow("menu") << "" << "menu" << QStringList{"x", "y", "width", "height", "border_size", "class", "visibility"};
    QTest::newRow("menu pos") << "menu" << "pos" << geometry;
    QTest::newRow("menu state") << "menu" << "off" << QStringList{"shape", "color", "color2", "gradient", "border", "border_size"};
    QTest::newRow("menu item") << "menu" << "item" << QStringList{"text", "action", "check", "hascheck", "localize"};
    QTest::newRow("submenu") << "menu" << "submenu" << QStringList{"text"};
    QTest::newRow("slider") << "" << "slider"
        << QStringList{"x", "y", "width", "height", "iconsize", "textsize", "class", "action", "rightclick", "dblclick",
                       "disabled", "frommiddle", "orientation", "direction", "visibility", "clickthrough"};
    QTest::newRow("slider pos") << "slider" << "pos" << QStringList{"x", "y"};
    QTest::newRow("slider fader") << "slider" << "fader" << QStringList{"width", "height", "color", "color2", "gradient", "border", "border_size"};
    QTest::newRow("slider off") << "slider" << "off" << QStringList{"radius", "shape", "color", "anglemin", "anglemax", "border_size"};
    QTest::newRow("slider fill") << "slider" << "fill" << QStringList{"backcolor", "color"};
    QTest::newRow("mouserect") << "slider" << "mouserect" << QStringList{"width", "height", "x", "y"};
    QTest::newRow("square") << "" << "square"
        << QStringList{"x", "y", "width", "height", "border", "class", "color", "color2", "gradient", "border_color", "visibility"};
    QTest::newRow("square pos") << "square" << "pos" << geometry;
    QTest::newRow("logo") << "" << "logo" << QStringList{"x", "y", "width", "height", "visibility"};
    QTest::newRow("logo pos") << "logo" << "pos" << geometry;
    QTest::newRow("cover") << "" << "cover" << QStringList{"visibility"};
    QTest::newRow("video") << "" << "video" << QStringList{"x", "y", "width", "height", "visibility", "source", "chan"};
    QTest::newRow("video pos") << "video" << "pos" << geometry;
    QTest::newRow("line") << "" << "line" << QStringList{"x", "y", "width", "height", "color", "visibility"};
    QTest::newRow("scratch") << "" << "scratch" << QStringList{"x", "y", "width", "height", "visibility"};
    QTest::newRow("mousecircle") << "scratch" << "mousecircle" << QStringList{"x", "y", "r"};
    QTest::newRow("browser") << "" << "browser" << QStringList{"x", "y", "width", "height", "visibility"};
    QTest::newRow("browser pos") << "browser" << "pos" << geometry;
    QTest::newRow("grabzone") << "" << "grabzone" << geometry;
    QTest::newRow("button") << "" << "button"
        << QStringList{"x", "y", "width", "height", "iconsize", "textsize", "textwidth", "border_size", "textdx", "icondx",
                       "class", "action", "rightclick", "dblclick", "sysicon", "text", "textaction", "query", "visibility"};
    QTest::newRow("button state") << "button" << "selected" << (QStringList{"x", "y"} + states);
    QTest::newRow("button icon") << "button" << "icon"
        << QStringList{"sysicon", "width", "height", "dx", "dy", "color", "colorover", "colorselected", "colordown"};
    QTest::newRow("button text") << "button" << "text"
        << QStringList{"size", "fontsize", "dx", "dy", "width", "height", "weight", "align", "color", "text", "format", "action"};
    QTest::newRow("visual") << "" << "visual"
        << QStringList{"x", "y", "width", "height", "iconsize", "textsize", "class", "action", "source", "type", "rightclick",
                       "dblclick", "disabled", "frommiddle", "orientation", "direction", "visibility", "smooth", "colorreplace", "deck"};
    QTest::newRow("visual on") << "visual" << "on"
        << QStringList{"x", "y", "width", "height", "color", "color2", "gradient", "border_size", "radius"};
    QTest::newRow("visual off") << "visual" << "off" << QStringList{"x", "y", "shape", "border", "border_size", "borderresize"};
    QTest::newRow("led") << "visual" << "led" << geometry;
    QTest::newRow("led state") << "led" << "off" << (states + QStringList{"radius"});
    QTest::newRow("visual mask") << "visual" << "mask" << QStringList{"x", "y"};
    QTest::newRow("textzone") << "" << "textzone"
        << QStringList{"x", "y", "width", "height", "textsize", "class", "action", "rightclick", "group", "click", "scroll", "visibility"};
    QTest::newRow("textzone up") << "textzone" << "up" << QStringList{"width", "height", "color", "color2", "gradient"};
    QTest::newRow("textzone off") << "textzone" << "off" << QStringList{"shape", "color", "border", "border_size"};
    QTest::newRow("textzone text") << "textzone" << "text"
        << QStringList{"size", "fontsize", "weight", "align", "color", "text", "format", "action"};
    QTest::newRow("songpos") << "" << "songpos"
        << QStringList{"x", "y", "width", "height", "visibility", "colorPlayed", "colorBass", "colorHigh", "colorMed"};
    QTest::newRow("songpos pos") << "songpos" << "pos" << geometry;
    QTest::newRow("cues") << "" << "cues" << QStringList{"shade", "width", "height"};
    QTest::newRow("clipmask") << "cues" << "clipmask" << QStringList{"x", "y"};
    QTest::newRow("rhythmzone") << "" << "rhythmzone"
        << QStringList{"x", "y", "width", "height", "fade", "visibility", "mirror", "upsidedown", "deck1", "deck2"};
    QTest::newRow("rhythm colors") << "rhythmzone" << "colors" << QStringList{"deck1", "deck2", "deck1_active", "deck2_active"};
    QTest::newRow("rhythm") << "rhythmzone" << "rhythm" << QStringList{"height", "y"};
    QTest::newRow("rhythm grid") << "rhythmzone" << "grid" << QStringList{"width", "height"};
    QTest::newRow("grid pos") << "grid" << "pos" << QStringList{"y1", "y2"};
    QTest::newRow("rhythm cue") << "rhythmzone" << "cue" << QStringList{"height", "y"};
    QTest::newRow("cue mask") << "cue" << "mask" << geometry;
    QTest::newRow("scratchwave") << "" << "scratchwave"
        << QStringList{"x", "y", "width", "height", "visibility", "deck", "orientation"};
    QTest::newRow("wave grid") << "scratchwave" << "grid"
        << QStringList{"mirrored", "pos", "background", "backgroundshaded", "size", "mainsize", "height"};
    QTest::newRow("wave cue text") << "cue" << "text" << QStringList{"dx", "dy", "fontsize", "size"};
}

void TestBuiltinSkin::writerAttributesAppear()
{
    QFETCH(QString, parent);
    QFETCH(QString, tag);
    QFETCH(QStringList, attributes);
    QSet<QString> carried;
    int found = 0;
    for (const QDomElement &e : allElements(root, tag)) {
        if (!parent.isEmpty() && e.parentNode().toElement().tagName() != parent)
            continue;
        ++found;
        const QDomNamedNodeMap map = e.attributes();
        for (int i = 0; i < map.count(); ++i)
            carried.insert(map.item(i).nodeName());
    }
    QVERIFY2(found > 0, qPrintable(tag));
    for (const QString &a : attributes)
        QVERIFY2(carried.contains(a), qPrintable(parent + '/' + tag + ' ' + a));
}

void TestBuiltinSkin::edgeForms()
{
    const QList<QDomElement> everything = allElements(root);
    auto anyAttribute = [&](const std::function<bool(const QString &)> &test) {
        for (const QDomElement &e : everything) {
            const QDomNamedNodeMap map = e.attributes();
            for (int i = 0; i < map.count(); ++i) {
                if (test(map.item(i).nodeValue()))
                    return true;
            }
        }
        return false;
    };
    QVERIFY(anyAttribute([](const QString &v) { return v.startsWith('['); }));
    QVERIFY(anyAttribute([](const QString &v) { return v == QLatin1String("202-30"); }));
    QVERIFY(anyAttribute([](const QString &v) { return v == QLatin1String("+75+2"); }));
    QVERIFY(anyAttribute([](const QString &v) { return v == QLatin1String("+0"); }));
    QVERIFY(anyAttribute([](const QString &v) { return v.isEmpty(); }));
    // An action that needs every escape of the action writer.
    bool action = false;
    for (const QDomElement &e : everything) {
        const QString a = e.attribute("action");
        action |= a.contains('"') && a.contains(" & ") && a.contains('<') && a.contains('>');
    }
    QVERIFY(action);
    // Nested panels inside decks, and builder-only visuals inside decks.
    int nestedPanels = 0;
    int hiddenDeckVisuals = 0;
    for (const QDomElement &deck : allElements(root, "deck")) {
        nestedPanels += childElements(deck, "panel").size();
        for (const QDomElement &v : childElements(deck, "visual"))
            hiddenDeckVisuals += v.attribute("add") == QLatin1String("no") ? 1 : 0;
    }
    QVERIFY(nestedPanels > 0);
    QCOMPARE(hiddenDeckVisuals, 2);
    // A definition marked add="no" holds a logo.
    bool hiddenLogo = false;
    for (const QDomElement &d : allElements(root, "define"))
        hiddenLogo |= d.attribute("add") == QLatin1String("no") && !d.firstChildElement("logo").isNull();
    QVERIFY(hiddenLogo);
}

void TestBuiltinSkin::namedPicturesLieInsideTheSheet()
{
    const QList<QRect> regions = namedRegions(root);
    QVERIFY(regions.size() > 50);
    for (const QRect &r : regions)
        QVERIFY2(sheet.rect().contains(r) || r.isEmpty(),
                 qPrintable(QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())));
}

void TestBuiltinSkin::picturesLookDistinct()
{
    // Two different regions of the same size never hold the same pixels, so
    // a cut at the wrong place shows.
    QMap<QString, QRect> distinct;
    for (const QRect &r : namedRegions(root)) {
        if (!r.isEmpty())
            distinct.insert(QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()), r);
    }
    QHash<QByteArray, QRect> seen;
    for (const QRect &r : distinct) {
        const QImage part = sheet.copy(r).convertToFormat(QImage::Format_ARGB32);
        const QByteArray key = QByteArray::number(r.width()) + 'x' + QByteArray::number(r.height())
            + QByteArray(reinterpret_cast<const char *>(part.constBits()), int(part.sizeInBytes()));
        QVERIFY2(!seen.contains(key), qPrintable(QStringLiteral("%1,%2").arg(r.x()).arg(r.y())));
        seen.insert(key, r);
        // No picture is blank.
        QVERIFY(qAlpha(part.pixel(part.width() / 2, part.height() / 2)) > 0);
    }
}

QTEST_MAIN(TestBuiltinSkin)
#include "tst_builtinskin.moc"
