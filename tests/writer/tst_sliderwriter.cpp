// The slider writer: faders and knobs with their states, tooltip and
// signed mouse rectangle.
#include "controlcases.h"

class TestSliderWriter : public QObject
{
    Q_OBJECT
private slots:
    void slider_data();
    void slider();
};

void TestSliderWriter::slider_data()
{
    addcontrolcolumns();

    addcontrolcase("fader with its children in document order",
                   "<slider action='constant 0.5' clickthrough='yes' direction='down' orientation='vertical'"
                   " frommiddle='true'><pos x='31' y='6'/><size width='4' height='147'/>"
                   "<on height='-23' color='faderinoff' shape='square'/>"
                   "<off height='-23' color='faderinon' shape='square'/>"
                   "<mouserect x='-20' y='+0' width='44' height='157'/>"
                   "<fader color='faderfader1' color2='faderfader2' gradient='vertical' border_size='1'"
                   " border='faderfaderborder' width='38' height='20'/></slider>",
                   {3, 2.0f, 2.0f, 100, 40},
                   at(3, R"(<slider action="constant 0.5" frommiddle="true" orientation="vertical" direction="down">)")
                       + at(4, R"(<pos x="162" y="52"/>)") + at(4, R"(<size width="8" height="294"/>)")
                       + at(4, R"(<on height="-46" shape="square" color="faderinoff"/>)")
                       + at(4, R"(<off height="-46" shape="square" color="faderinon"/>)")
                       + at(4, R"(<mouserect width="88" height="314" x="-40" y="+0"/>)")
                       + at(4, R"(<fader width="76" height="40" color="faderfader1" color2="faderfader2" gradient="vertical" border="faderfaderborder" border_size="2"/>)")
                       + at(3, "</slider>"));
    addcontrolcase("every attribute in table order; border_size and unknown ones dropped",
                   "<slider visibility='v' direction='up' orientation='round' frommiddle='false' disabled='d'"
                   " dblclick='dc' rightclick='rc' action='a' class='k' textsize='9' iconsize='11'"
                   " height='30' width='20' y='5' x='4' border_size='3' add='yes' clickthrough='yes'/>",
                   {0, 0.5f, 2.0f, 10, 20},
                   at(0, R"(<slider x="12" y="30" width="10" height="60" iconsize="6" textsize="5" class="k" action="a" rightclick="rc" dblclick="dc" disabled="d" frommiddle="false" orientation="round" direction="up" visibility="v"/>)"));
    addcontrolcase("add no writes nothing", "<slider add='no' x='1'><pos x='1'/></slider>",
                   {1, 1.0f, 1.0f, 0, 0}, "");
    addcontrolcase("add No is written", "<slider add='No' x='1'/>", {0, 1.0f, 1.0f, 0, 0},
                   at(0, R"(<slider x="1"/>)"));
    addcontrolcase("empty add is written", "<slider add='' x='1'/>", {0, 1.0f, 1.0f, 0, 0},
                   at(0, R"(<slider x="1"/>)"));
    addcontrolcase("empty, placeholder and expression values",
                   "<slider x='' y='[Y]' width='[W]' height='' class=''><size width='202-30'/></slider>",
                   {0, 2.0f, 2.0f, 3, 4},
                   at(0, R"(<slider x="3" y="[Y]" width="[W]" height="0" class="">)")
                       + at(1, R"(<size width="0"/>)") + at(0, "</slider>"));
    addcontrolcase("full state in table order, border 0 raised to 1",
                   "<slider><fill anglemax='300' anglemin='60' border_size='0' border='b' gradient='g'"
                   " color2='c2' color='c' backcolor='bc' shape='round' radius='7' height='9' width='5'"
                   " x='3'/></slider>",
                   {0, 1.0f, 1.0f, 0, 0},
                   at(0, "<slider>")
                       + at(1, R"(<fill width="5" height="9" radius="7" shape="round" backcolor="bc" color="c" color2="c2" gradient="g" border="b" border_size="1" anglemin="60" anglemax="300"/>)")
                       + at(0, "</slider>"));
    addcontrolcase("state borders that scale to 0, empty or placeholder",
                   "<slider><on border_size='0.4'/><off border_size=''/><fader border_size='[B]'/>"
                   "<fader border_size='3'/></slider>",
                   {0, 1.0f, 1.0f, 0, 0},
                   at(0, "<slider>") + at(1, R"(<on border_size="1"/>)") + at(1, R"(<off border_size="1"/>)")
                       + at(1, R"(<fader border_size="[B]"/>)") + at(1, R"(<fader border_size="3"/>)")
                       + at(0, "</slider>"));
    addcontrolcase("mouse rectangle signed, without offset",
                   "<slider x='10'><mouserect x='5' y='[MY]'/><mouserect x='-20' y='+0'/>"
                   "<mouserect x='-1' y='-3'/></slider>",
                   {0, 0.4f, 1.0f, 100, 50},
                   at(0, R"(<slider x="104">)") + at(1, R"(<mouserect x="+2" y="+[MY]"/>)")
                       + at(1, R"(<mouserect x="-8" y="+0"/>)") + at(1, R"(<mouserect x="+0" y="-3"/>)")
                       + at(0, "</slider>"));
    addcontrolcase("position with size, size without position, size first",
                   "<slider><size x='1' y='1' width='3' height='4'/>"
                   "<pos x='1' y='2' width='3' height='4'/></slider>",
                   {0, 2.0f, 3.0f, 10, 20},
                   at(0, "<slider>") + at(1, R"(<size width="6" height="12"/>)")
                       + at(1, R"(<pos x="12" y="26" width="6" height="12"/>)") + at(0, "</slider>"));
    addcontrolcase("tooltips on one line, attributes dropped",
                   "<slider><tooltip color='x'>Volume</tooltip><tooltip/></slider>",
                   {0, 1.0f, 1.0f, 0, 0},
                   at(0, "<slider>") + at(1, "<tooltip>Volume</tooltip>") + at(1, "<tooltip></tooltip>")
                       + at(0, "</slider>"));
    addcontrolcase("a comment alone gives an end tag",
                   "<slider x='1'><!-- knob --></slider>", {1, 1.0f, 1.0f, 0, 0},
                   at(1, R"(<slider x="1">)") + at(1, "</slider>"));
    addcontrolcase("unknown children dropped with their content, a state's children too",
                   "<slider><knob x='1'><off/></knob><fader width='2'><off width='9'/></fader></slider>",
                   {0, 1.0f, 1.0f, 0, 0},
                   at(0, "<slider>") + at(1, R"(<fader width="2"/>)") + at(0, "</slider>"));
    addcontrolcase("scripts as read, kept well-formed",
                   "<slider action=\"deck 1 &apos;x&apos;\" dblclick='a &amp;&amp; b' disabled='c &lt; 2'/>",
                   {0, 1.0f, 1.0f, 0, 0},
                   at(0, R"(<slider action="deck 1 'x'" dblclick="a &amp;&amp; b" disabled="c &lt; 2"/>)"));
}

void TestSliderWriter::slider()
{
    QFETCH(QString, expected);
    QCOMPARE(writecontrolcase(&SkinWriter::exportslider), expected);
}

QTEST_GUILESS_MAIN(TestSliderWriter)
#include "tst_sliderwriter.moc"
