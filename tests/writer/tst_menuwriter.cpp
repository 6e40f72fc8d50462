// The menu writer: its own attributes, states, entries with escaped
// scripts, submenus and the children it drops.
#include "controlcases.h"

class TestMenuWriter : public QObject
{
    Q_OBJECT
private slots:
    void menu_data();
    void menu();
};

void TestMenuWriter::menu_data()
{
    addcontrolcolumns();

    addcontrolcase("placed menu with position, size, state and entry",
                   "<menu><pos x='108' y='11'/><size width='20' height='20'/>"
                   "<off shape='square' color='menuoff' border_size='6' border='menuborder'/>"
                   "<item text='Load' localize='true' action='deck 1 load' hascheck='true'/></menu>",
                   {3, 0.5f, 0.5f, 100, 40},
                   at(3, "<menu>") + at(4, R"(<pos x="154" y="46"/>)")
                       + at(4, R"(<size width="10" height="10"/>)")
                       + at(4, R"(<off shape="square" color="menuoff" border="menuborder" border_size="3"/>)")
                       + at(4, R"(<item text="Load" action="deck 1 load" hascheck="true" localize="true"/>)")
                       + at(3, "</menu>"));
    addcontrolcase("every attribute in table order, border by the horizontal factor",
                   "<menu visibility='v' class='c' border_size='3' height='21' width='41' y='10' x='20'"
                   " add='yes' foo='bar'/>",
                   {1, 2.0f, 0.5f, 10, 5},
                   at(1, R"(<menu x="50" y="10" width="82" height="11" border_size="6" class="c" visibility="v"/>)"));
    addcontrolcase("add no writes nothing", "<menu add='no' x='1'><item text='a'/></menu>",
                   {1, 1.0f, 1.0f, 0, 0}, "");
    addcontrolcase("add No is written", "<menu add='No' x='1'/>", {0, 1.0f, 1.0f, 0, 0},
                   at(0, R"(<menu x="1"/>)"));
    addcontrolcase("empty and placeholder values",
                   "<menu x='' y='[Y]' width='' height='[H]' class=''><pos x='' width='[W]'/></menu>",
                   {0, 2.0f, 2.0f, 7, 9},
                   at(0, R"(<menu x="7" y="[Y]" width="0" height="[H]" class="">)")
                       + at(1, R"(<pos x="7" width="[W]"/>)") + at(0, "</menu>"));
    addcontrolcase("leading plus sign is not kept", "<menu x='+341'/>", {0, 1.0f, 1.0f, 10, 0},
                   at(0, R"(<menu x="351"/>)"));
    addcontrolcase("only an unrecognised child: end tag, nothing between",
                   "<menu><icon sysicon='x' width='5'/></menu>", {2, 1.0f, 1.0f, 0, 0},
                   at(2, "<menu>") + at(2, "</menu>"));
    addcontrolcase("full state in table order, position dropped",
                   "<menu><off border_size='6' border='b' gradient='g' color2='c2' color='c' shape='s'"
                   " height='7' width='9' x='1' y='2'/></menu>",
                   {0, 0.5f, 0.5f, 0, 0},
                   at(0, "<menu>")
                       + at(1, R"(<off width="5" height="4" shape="s" color="c" color2="c2" gradient="g" border="b" border_size="3"/>)")
                       + at(0, "</menu>"));
    addcontrolcase("every state tag, a border may scale to 0",
                   "<menu><up height='8'/><on height='8'/><selected height='8'/><over border_size='1'/>"
                   "<down height='8'/><downselected height='8'/><overselected height='8'/>"
                   "<background height='8'/><hover height='8'/></menu>",
                   {0, 0.4f, 0.5f, 0, 0},
                   at(0, "<menu>") + at(1, R"(<up height="4"/>)") + at(1, R"(<on height="4"/>)")
                       + at(1, R"(<selected height="4"/>)") + at(1, R"(<over border_size="0"/>)")
                       + at(1, R"(<down height="4"/>)") + at(1, R"(<downselected height="4"/>)")
                       + at(1, R"(<overselected height="4"/>)") + at(1, R"(<background height="4"/>)")
                       + at(0, "</menu>"));
    addcontrolcase("entry in table order, scripts escaped, separator kept",
                   "<menu><item localize='yes' hascheck='true' check='a&amp;&amp;b'"
                   " action='load \"a\" &amp; b &gt; c &lt; d' text='-'/></menu>",
                   {1, 1.0f, 1.0f, 0, 0},
                   at(1, "<menu>")
                       + at(2, R"(<item text="-" action="load &quot;a&quot; &amp; b &gt; c &lt; d" check="a&amp;&amp;b" hascheck="true" localize="yes"/>)")
                       + at(1, "</menu>"));
    addcontrolcase("submenus: entries two levels deeper, nested submenu dropped, never self-closing",
                   "<menu><submenu text='More' x='1'><item text='A' action='a'/>"
                   "<submenu text='deep'><item text='B'/></submenu><icon/></submenu><submenu/></menu>",
                   {2, 1.0f, 1.0f, 0, 0},
                   at(2, "<menu>") + at(3, R"(<submenu text="More">)") + at(4, R"(<item text="A" action="a"/>)")
                       + at(3, "</submenu>") + at(3, "<submenu>") + at(3, "</submenu>") + at(2, "</menu>"));
    addcontrolcase("children in document order, unknown ones leave no line",
                   "<menu><item text='1'/><pos x='4'/><icon/><!-- c --><item text='2'/></menu>",
                   {0, 1.0f, 1.0f, 0, 0},
                   at(0, "<menu>") + at(1, R"(<item text="1"/>)") + at(1, R"(<pos x="4"/>)")
                       + at(1, R"(<item text="2"/>)") + at(0, "</menu>"));
    addcontrolcase("position with size, size without position",
                   "<menu><pos x='10' y='20' width='30' height='40'/>"
                   "<size x='1' y='2' width='30' height='40'/></menu>",
                   {0, 2.0f, 0.5f, 1, 2},
                   at(0, "<menu>") + at(1, R"(<pos x="21" y="12" width="60" height="20"/>)")
                       + at(1, R"(<size width="60" height="20"/>)") + at(0, "</menu>"));
    addcontrolcase("tooltip text between tags, its attributes dropped",
                   "<menu><tooltip x='1'>Pick a <b>mode</b></tooltip><tooltip/></menu>",
                   {0, 1.0f, 1.0f, 0, 0},
                   at(0, "<menu>") + at(1, "<tooltip>Pick a mode</tooltip>")
                       + at(1, "<tooltip></tooltip>") + at(0, "</menu>"));
}

void TestMenuWriter::menu()
{
    QFETCH(QString, expected);
    QCOMPARE(writecontrolcase(&SkinWriter::exportmenu), expected);
}

QTEST_GUILESS_MAIN(TestMenuWriter)
#include "tst_menuwriter.moc"
