// The container writers and the dispatcher that walk the pruned skin.
#include <QtTest>

#include "writerrig.h"

#include <memory>

namespace {

// One call that reached a writer through the dispatcher.
struct Call
{
    QString tag;
    int level;
    float resizeX;
    float resizeY;
    int groupXpos;
    int groupYpos;
};

// Replaces the writer of every placed row by one that records its call and
// writes a marker line, so the walk can be seen without the real writers.
std::shared_ptr<QVector<Call>> recordplacedrows(SkinWriter &writer)
{
    auto calls = std::make_shared<QVector<Call>>();
    for (DispatchRow &row : writer.dispatch) {
        if (row.args == DispatchRow::NodeLevel || row.tag == "group" || row.tag == "deck"
            || row.tag == "panel")
            continue;
        row.placed = [calls](SkinWriter &w, QDomNode node, int level, float rx, float ry, int gx, int gy) {
            const QString tag = node.toElement().tagName();
            calls->append({tag, level, rx, ry, gx, gy});
            w.document().appendline(level, "<" + tag + "/>");
        };
    }
    return calls;
}

} // namespace

class TestContainers : public QObject
{
    Q_OBJECT
private slots:
    void containers_data();
    void containers();
    void systemarea();
    void dispatchtable();
    void dispatcharguments();
    void droppednodes();
    void progress();
};

void TestContainers::containers_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("expected");

    QTest::newRow("live panel without attributes: children at its level")
        << "panel" << "<panel><logo/><font name='A'/></panel>" << 2
        << "\t\t<logo/>\n\t\t<font name=\"A\"/>\n";
    QTest::newRow("deck with attributes")
        << "deck" << "<deck deck='left'><logo/><logo/></deck>" << 3
        << "\t\t\t<deck deck=\"left\">\n\t\t\t\t<logo/>\n\t\t\t\t<logo/>\n\t\t\t</deck>\n";
    QTest::newRow("deck without attributes writes no line")
        << "deck" << "<deck><logo/></deck>" << 3 << "\t\t\t<logo/>\n";
    QTest::newRow("deck add no is written all the same")
        << "deck" << "<deck add='no' deck='right'/>" << 0 << "<deck deck=\"right\">\n</deck>\n";
    QTest::newRow("group add no: nothing")
        << "group" << "<group name='visuals' add='no'><logo/></group>" << 1 << "";
    QTest::newRow("panel add no: nothing")
        << "panel" << "<panel add='no' name='p'><logo/></panel>" << 1 << "";
    QTest::newRow("group add No is written")
        << "group" << "<group add='No'/>" << 1 << "\t<group>\n\t</group>\n\n";
    QTest::newRow("panel attributes in list order")
        << "panel" << "<panel visible='v' group='g' visibility='not effect_3slots_layout' class='c' name='fxsimple' x='1'/>"
        << 0 << "<panel name=\"fxsimple\" class=\"c\" visibility=\"not effect_3slots_layout\" group=\"g\" visible=\"v\">\n</panel>\n";
    QTest::newRow("group with a name: empty line after its end")
        << "group" << "<group name='g' visible='1' class='dropped'><logo/></group>" << 2
        << "\t\t<group name=\"g\" visible=\"1\">\n\t\t\t<logo/>\n\t\t</group>\n\n";
    QTest::newRow("panel with unlisted attributes only is bare")
        << "panel" << "<panel x='1' y='2'><logo/></panel>" << 1
        << "\t<panel>\n\t\t<logo/>\n\t</panel>\n";
    QTest::newRow("nested containers")
        << "group" << "<group name='defines'><group><deck deck='left'><panel class='p'/></deck></group></group>" << 1
        << "\t<group name=\"defines\">\n\t\t<deck deck=\"left\">\n\t\t\t<panel class=\"p\">\n"
           "\t\t\t</panel>\n\t\t</deck>\n\t</group>\n\n";
}

void TestContainers::containers()
{
    QFETCH(QString, writer);
    QFETCH(QString, input);
    QFETCH(int, level);
    QFETCH(QString, expected);

    WriterRig rig;
    const auto calls = recordplacedrows(rig.writer);
    const QDomElement element = rig.parse(input);
    if (writer == "panel")
        rig.writer.exportpanel(element, level, 1, 1, 0, 0);
    else if (writer == "deck")
        rig.writer.exportdeck(element, level, 1, 1, 0, 0);
    else
        rig.writer.exportgroup(element, level, 1, 1, 0, 0);
    QCOMPARE(rig.text(), expected);
}

void TestContainers::systemarea()
{
    WriterRig rig;
    const auto calls = recordplacedrows(rig.writer);
    const QDomElement system = rig.parse(
        "<panel name='system' add='no' class='x'>"
        "<logo add='no'/><grabzone add='no'/><logo/><define add='No'/></panel>");
    rig.writer.exportsystem(system, 1, 2.0f);

    QCOMPARE(rig.text(), QStringLiteral("\t<group name=\"system\">\n\t\t<logo/>\n\t\t<define/>\n\t</group>\n\n"));
    QCOMPARE(calls->size(), 2);
    for (const Call &call : *calls) {
        QCOMPARE(call.level, 2);
        QCOMPARE(call.resizeX, 2.0f);
        QCOMPARE(call.resizeY, 2.0f);
        QCOMPARE(call.groupXpos, 0);
        QCOMPARE(call.groupYpos, 0);
    }
}

void TestContainers::dispatchtable()
{
    const QStringList tags = {
        "define", "button", "slider", "textzone", "visual", "logo", "browser", "grabzone",
        "line", "scratch", "square", "cover", "video", "songpos", "dropzonefake", "menu",
        "scratchwave", "rhythmzone", "tooltip", "font", "mcustomicons", "group", "deck", "panel"};
    const QVector<DispatchRow> &table = defaultdispatchtable();
    QCOMPARE(table.size(), tags.size());
    for (int i = 0; i < tags.size(); ++i) {
        QCOMPARE(table.at(i).tag, tags.at(i));
        const DispatchRow::Arguments expected = tags.at(i) == "grabzone" ? DispatchRow::ScreenHeightY
            : QStringList({"tooltip", "font", "mcustomicons"}).contains(tags.at(i)) ? DispatchRow::NodeLevel
            : DispatchRow::AllSix;
        QCOMPARE(int(table.at(i).args), int(expected));
    }
    for (const char *tag : {"tooltip", "font", "group", "deck", "panel"}) {
        const auto row = std::find_if(table.begin(), table.end(),
                                      [tag](const DispatchRow &r) { return r.tag == tag; });
        QVERIFY2(row->haswriter(), tag);
    }
}

void TestContainers::dispatcharguments()
{
    WriterRig rig;
    rig.model.screenheight = 1200;
    const auto calls = recordplacedrows(rig.writer);
    // A module scaled 1.5 x 2.0 at (100, 40) holding a deck with a define
    // and a grab zone.
    const QDomElement panel = rig.parse(
        "<panel class='p'><deck deck='left'><define/><grabzone/></deck></panel>");
    rig.writer.exportpanel(panel, 2, 1.5f, 2.0f, 100, 40);

    QCOMPARE(calls->size(), 2);
    const Call define = calls->at(0);
    QCOMPARE(define.tag, QStringLiteral("define"));
    QCOMPARE(define.level, 4);
    QCOMPARE(define.resizeX, 1.5f);
    QCOMPARE(define.resizeY, 2.0f);
    QCOMPARE(define.groupXpos, 100);
    QCOMPARE(define.groupYpos, 40);
    // Grab zones follow the screen height, not the module.
    const Call grabzone = calls->at(1);
    QCOMPARE(grabzone.tag, QStringLiteral("grabzone"));
    QCOMPARE(grabzone.level, 4);
    QCOMPARE(grabzone.resizeX, 1.5f);
    QCOMPARE(grabzone.resizeY, 1200.0f / 1080.0f);
    QCOMPARE(grabzone.groupXpos, 100);
    QCOMPARE(grabzone.groupYpos, 40);
}

void TestContainers::droppednodes()
{
    WriterRig rig;
    const auto calls = recordplacedrows(rig.writer);
    // Wrong case, output-only tags and non-elements go nowhere; the input
    // tags dropzonefake and mcustomicons are the ones that are handed on.
    const QDomElement panel = rig.parse(
        "<panel><Button/><dropzone/><customicons/><pos/><!-- c -->text<dropzonefake/></panel>");
    rig.writer.exportpanel(panel, 1, 1, 1, 0, 0);
    QCOMPARE(rig.text(), QStringLiteral("\t<dropzonefake/>\n"));

    bool iconscalled = false;
    for (DispatchRow &row : rig.writer.dispatch) {
        if (row.tag == "mcustomicons")
            row.unplaced = [&iconscalled](SkinWriter &, QDomNode, int) { iconscalled = true; };
    }
    rig.writer.exportchild(rig.parse("<mcustomicons/>"), 1, 1, 1, 0, 0);
    QVERIFY(iconscalled);
}

void TestContainers::progress()
{
    WriterRig rig;
    const QDomElement group = rig.parse("<group name='g'><unknown/><!-- c --><panel/></group>");
    rig.writer.exportgroup(group, 1, 1, 1, 0, 0);
    // The group, each of its three child nodes at the dispatcher, and the
    // panel as a container: every one lets events run.
    const QString expected = QStringLiteral("Processing XML ... +events");
    QCOMPARE(rig.progresstexts, QStringList({expected, expected, expected, expected, expected}));
}

QTEST_GUILESS_MAIN(TestContainers)
#include "tst_containers.moc"
