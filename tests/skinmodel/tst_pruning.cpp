#include <QtTest>
#include <QDomDocument>

#include "skinmodel/pruning.h"
#include "skinmodel/skinmodel.h"
#include "support/testsupport.h"

using testsupport::readFile;
using testsupport::writeFile;

namespace {

// A small skin with the shapes that matter: builder-only groups (one nested
// in another), a system panel with builder-only controls, the menu window,
// editing panels with nested panels, live panels holding builder-only
// visuals at several depths, add values in other letter cases, and one
// attribute that follows the previous one without white space.
const char *const fixture = R"(<?xml version="1.0" encoding="UTF-8"?>
<skin name="Tessary" version="8" width="1920" height="1080" nbdecks="2">
	<copyright>(c) maker</copyright>
	<group name="defines">
		<group name="colors_shortcuts">
			<!-- deck colours -->
			<define color="buttonoff1" deck="left" value="#112233"/>
		</group>
		<group name="menubuttons" add="no">
			<define class="menu1"/>
			<group name="inner" add="no"/>
		</group>
		<group name="sliders">
			<define class="fader"><slider clickthrough="yes"orientation="vertical"/></define>
		</group>
		<group name="visuals" add="no">
			<define class="liveon"><visual class="x"/></define>
		</group>
	</group>
	<panel name="system">
		<line add="no" color="a"/>
		<textzone add="no"/>
		<button add="no" action="x &apos;y&apos;"/>
		<visual class="sysled"/>
	</panel>
	<window idx="1" name="MENU" prop="0" breakline="1" width="632" height="393" posx="600" posy="47" shown="no">
		<button action="menu"/>
		<panel name="page1"/>
	</window>
	<window idx="2" name="D1_DROPZONE" prop="1" breakline="2" width="180" height="98" posx="180" posy="47" shown="no">
		<panel add="no" visibility="var &apos;$TY_golive&apos; 0">
			<grabzone/>
			<panel name="copy"><panel class="deeper"><button/></panel></panel>
		</panel>
		<panel add="yes" visibility="var &apos;$TY_golive&apos; 1" name="live">
			<visual class="liveon" add="no"/>
			<visual class="liveon"/>
			<deck deck="left">
				<visual class="ring" add="no"/>
				<button action="play"/>
			</deck>
			<panel class="inner"><panel add="yes" name="n" visibility="v"><button/></panel></panel>
		</panel>
	</window>
	<window idx="3" name="D1_JOGFull" prop="0" breakline="0" width="300" height="300" posx="180" posy="47" shown="no" image="x.png">
		<panel add="no" visibility="a">
			<panel add="no"><panel/></panel>
		</panel>
		<panel add="yes" visibility="b" name="live">
			<panel add="Yes" name="a"><visual add="no"/></panel>
			<panel add="NO" name="b"/>
		</panel>
	</window>
	<window idx="4" name="GL_CLOCK" prop="0" breakline="0" width="90" height="30" posx="180" posy="47" shown="no">
		<panel add="no" visibility="x"/>
		<panel add="yes" visibility="y" name="z"><textzone/></panel>
	</window>
</skin>
)";

const char *const prunedHead = R"(
	<copyright>(c) maker</copyright>
	<group name="defines">
		<group name="colors_shortcuts">
			<!-- deck colours -->
			<define color="buttonoff1" deck="left" value="#112233"/>
		</group>
		<group name="sliders">
			<define class="fader"><slider orientation="vertical" clickthrough="yes"/></define>
		</group>
	</group>
	<panel name="system">
		<line add="no" color="a"/>
		<textzone add="no"/>
		<button add="no" action="x 'y'"/>
		<visual class="sysled"/>
	</panel>)";

const char *const prunedDropzone = R"(
	<groupo idx="2" name="D1_DROPZONE">
		<panel>
			<visual class="liveon"/>
			<deck deck="left"><button action="play"/></deck>
			<panel class="inner"><panel><button/></panel></panel>
		</panel>
	</groupo>)";

const char *const prunedJog = R"(
	<groupo idx="3" name="D1_JOGFull">
		<panel>
			<panel add="Yes" name="a"/>
			<panel add="NO" name="b"/>
		</panel>
	</groupo>)";

const char *const prunedClock = R"(
	<groupo name="GL_CLOCK" idx="4"><panel><textzone/></panel></groupo>)";

const QStringList windowNames = {"MENU", "D1_DROPZONE", "D1_JOGFull", "GL_CLOCK"};

QString prunedSkin(const QString &modules)
{
    return R"(<skin width="1920" name="Tessary" version="8" height="1080" nbdecks="2">)"
        + QString(prunedHead) + modules + "\n</skin>\n";
}

// One table row per flag, as the windows table holds them. The flag
// "short" gives a row that ends before the visible column.
TextTable rowsFor(const QStringList &flags)
{
    TextTable rows;
    for (int i = 0; i < flags.size(); ++i) {
        QVector<QString> row = {windowNames.at(i), "skin.png", "180", "47", "10", "10", "0",
                                "5", "6", "7", "8", flags.at(i)};
        if (flags.at(i) == "short")
            row.resize(11);
        rows.append(row);
    }
    return rows;
}

// Qt writes attributes in a varying order, so trees are compared through a
// text with sorted attributes; white space between elements is not kept.
QString canonical(const QDomNode &node)
{
    if (node.isComment())
        return "<!--" + node.nodeValue() + "-->";
    if (node.isText())
        return node.nodeValue();
    QString text;
    const QDomElement element = node.toElement();
    if (!element.isNull()) {
        QStringList attributes;
        const QDomNamedNodeMap map = element.attributes();
        for (int i = 0; i < map.count(); ++i)
            attributes << map.item(i).nodeName() + "=\"" + map.item(i).nodeValue() + "\"";
        attributes.sort();
        text += "<" + element.tagName() + " " + attributes.join(' ') + ">";
    }
    for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling()) {
        if (!child.isProcessingInstruction())
            text += canonical(child);
    }
    if (!element.isNull())
        text += "</" + element.tagName() + ">";
    return text;
}

QString canonicalText(const QByteArray &xml)
{
    QDomDocument doc;
    if (!doc.setContent(xml))
        return "not well-formed";
    return canonical(doc);
}

} // namespace

class TestPruning : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void prunesToVisibleModules_data();
    void prunesToVisibleModules();
    void writesWellFormedUtf8Text();
    void secondRunChangesNothing();
    void missingFileIsNotCreated();
    void brokenFileIsLeftAlone();

private:
    QString skinPath() const { return model.workdir + "/skin/skin.xml"; }

    QScopedPointer<QTemporaryDir> dir;
    SkinModel model;
};

void TestPruning::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
    model = SkinModel();
    model.workdir = dir->path();
    QVERIFY(writeFile(skinPath(), fixture));
}

void TestPruning::prunesToVisibleModules_data()
{
    QTest::addColumn<QStringList>("flags");
    QTest::addColumn<QString>("expected");

    QTest::newRow("all hidden") << QStringList{"0", "0", "0", "0"} << prunedSkin("");
    QTest::newRow("menu dropped even when shown")
        << QStringList{"1", "1", "0", "0"} << prunedSkin(prunedDropzone);
    QTest::newRow("other letter cases of add are left alone")
        << QStringList{"0", "0", "1", "0"} << prunedSkin(prunedJog);
    QTest::newRow("all shown")
        << QStringList{"1", "1", "1", "1"}
        << prunedSkin(QString(prunedDropzone) + prunedJog + prunedClock);
    QTest::newRow("only the flag 1 keeps a module")
        << QStringList{"0", "yes", "", "1"} << prunedSkin(prunedClock);
    QTest::newRow("short row and missing row count as hidden")
        << QStringList{"1", "1", "short"} << prunedSkin(prunedDropzone);
    QTest::newRow("empty table") << QStringList{} << prunedSkin("");
}

void TestPruning::prunesToVisibleModules()
{
    QFETCH(QStringList, flags);
    QFETCH(QString, expected);
    model.windows = rowsFor(flags);

    QVERIFY(model.delwindows());

    QCOMPARE(canonicalText(readFile(skinPath())), canonicalText(expected.toUtf8()));
}

void TestPruning::writesWellFormedUtf8Text()
{
    model.windows = rowsFor({"0", "1", "0", "0"});
    QVERIFY(model.delwindows());

    const QByteArray text = readFile(skinPath());
    QVERIFY(text.startsWith("<?xml version"));
    QVERIFY(text.contains("encoding='UTF-8'") || text.contains("encoding=\"UTF-8\""));
    QVERIFY(text.contains("\n <copyright>(c) maker</copyright>\n"));
    QVERIFY(text.contains("\n  <group name=\"colors_shortcuts\">\n"));
    QDomDocument doc;
    QVERIFY(doc.setContent(text));
    QCOMPARE(QDir(dir->path() + "/skin").entryList(QDir::Files), QStringList{"skin.xml"});
}

void TestPruning::secondRunChangesNothing()
{
    model.windows = rowsFor({"1", "1", "1", "1"});
    QVERIFY(model.delwindows());
    const QByteArray first = readFile(skinPath());

    QVERIFY(model.delwindows());

    QCOMPARE(readFile(skinPath()), first);
}

void TestPruning::missingFileIsNotCreated()
{
    QFile::remove(skinPath());
    model.windows = rowsFor({"1", "1", "1", "1"});

    QVERIFY(!model.delwindows());

    QVERIFY(!QFile::exists(skinPath()));
}

void TestPruning::brokenFileIsLeftAlone()
{
    const QByteArray broken = QByteArray(fixture).replace("</skin>", "</skn>");
    QVERIFY(writeFile(skinPath(), broken));
    model.windows = rowsFor({"1", "1", "1", "1"});

    QVERIFY(!model.delwindows());

    QCOMPARE(readFile(skinPath()), broken);
}

QTEST_GUILESS_MAIN(TestPruning)
#include "tst_pruning.moc"
