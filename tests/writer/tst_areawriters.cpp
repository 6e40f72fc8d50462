// The writers of the simple placed controls (square, logo, drop zone,
// cover, video, line, scratch, browser, grab zone), and how the dispatcher
// reaches every control writer.
#include "controlcases.h"

class TestAreaWriters : public QObject
{
    Q_OBJECT
private slots:
    void square_data();
    void square();
    void placedareas_data();
    void placedareas();
    void video_data();
    void video();
    void line_data();
    void line();
    void scratch_data();
    void scratch();
    void browser_data();
    void browser();
    void grabzone_data();
    void grabzone();
    void dispatch_data();
    void dispatch();
    void hostilevaluesstaywellformed();
};

void TestAreaWriters::square_data()
{
    addcontrolcolumns();

    addcontrolcase("pad square",
                   "<square x='37' y='44' width='29' height='5' color='black' visibility='pad_color 1 ? true'/>",
                   {3, 0.5f, 2.0f, 100, 10},
                   at(3, R"(<square x="119" y="98" width="15" height="10" color="black" visibility="pad_color 1 ? true"/>)"));
    addcontrolcase("every attribute in table order, border by the horizontal factor",
                   "<square visibility='v' border_color='bc' gradient='g' color2='c2' color='c' class='k'"
                   " border='3' height='4' width='6' y='2' x='1' add='yes' foo='1'/>",
                   {0, 0.5f, 2.0f, 0, 0},
                   at(0, R"(<square x="1" y="4" width="3" height="8" border="2" class="k" color="c" color2="c2" gradient="g" border_color="bc" visibility="v"/>)"));
    addcontrolcase("add no writes nothing", "<square add='no' x='1'/>", {0, 1.0f, 1.0f, 0, 0}, "");
    addcontrolcase("add No is written", "<square add='No' x='1'/>", {0, 1.0f, 1.0f, 0, 0},
                   at(0, R"(<square x="1"/>)"));
    addcontrolcase("empty, placeholder and non-numeric values; a border may scale to 0",
                   "<square x='' border='' color='' width='[W]' height='thick'/>",
                   {0, 1.0f, 1.0f, 5, 0},
                   at(0, R"(<square x="5" width="[W]" height="0" border="0" color=""/>)"));
    addcontrolcase("size before position, size without position, unknown child dropped",
                   "<square><size x='1' y='2' width='10' height='10'/>"
                   "<pos x='1' y='2' width='3' height='4'/><line x='5'/></square>",
                   {1, 1.0f, 1.0f, 10, 20},
                   at(1, "<square>") + at(2, R"(<size width="10" height="10"/>)")
                       + at(2, R"(<pos x="11" y="22" width="3" height="4"/>)") + at(1, "</square>"));
}

void TestAreaWriters::square()
{
    QFETCH(QString, expected);
    QCOMPARE(writecontrolcase(&SkinWriter::exportsquare), expected);
}

// Logo, drop zone and cover share one table; "%1" in a row stands for the
// tag that each writes.
void TestAreaWriters::placedareas_data()
{
    addcontrolcolumns();

    addcontrolcase("cover with visibility, position and size",
                   "<e visibility='is_video ? false : true'><pos x='42' y='9'/><size width='90' height='90'/></e>",
                   {3, 2.0f, 2.0f, 100, 40},
                   at(3, R"(<%1 visibility="is_video ? false : true">)") + at(4, R"(<pos x="184" y="58"/>)")
                       + at(4, R"(<size width="180" height="180"/>)") + at(3, "</%1>"));
    addcontrolcase("every attribute in table order; add no is written, unknown dropped",
                   "<e visibility='v' height='10' width='20' y='3' x='5' add='no' class='k'/>",
                   {1, 0.5f, 1.5f, 1, 2},
                   at(1, R"(<%1 x="4" y="7" width="10" height="15" visibility="v"/>)"));
    addcontrolcase("position with size, size without position, comment and unknown dropped",
                   "<e><pos x='1' y='2' width='3' height='4'/><!-- note -->"
                   "<size x='9' y='9' width='3' height='4'/><icon/></e>",
                   {0, 2.0f, 2.0f, 0, 0},
                   at(0, "<%1>") + at(1, R"(<pos x="2" y="4" width="6" height="8"/>)")
                       + at(1, R"(<size width="6" height="8"/>)") + at(0, "</%1>"));
    addcontrolcase("only an unknown child: end tag, nothing between", "<e><text/></e>",
                   {2, 1.0f, 1.0f, 0, 0}, at(2, "<%1>") + at(2, "</%1>"));
    addcontrolcase("empty and placeholder values", "<e x='' y='[Y]' width='' visibility=''/>",
                   {0, 2.0f, 2.0f, 7, 8}, at(0, R"(<%1 x="7" y="[Y]" width="0" visibility=""/>)"));
}

void TestAreaWriters::placedareas()
{
    QFETCH(QString, expected);
    const QVector<QPair<ControlWriter, QString>> writers = {
        {&SkinWriter::exportlogo, QStringLiteral("logo")},
        {&SkinWriter::exportdropzone, QStringLiteral("dropzone")},
        {&SkinWriter::exportcover, QStringLiteral("cover")}};
    for (const auto &writer : writers)
        QCOMPARE(writecontrolcase(writer.first), expected.arg(writer.second));
}

void TestAreaWriters::video_data()
{
    addcontrolcolumns();

    addcontrolcase("channel video",
                   "<video source='channel' chan='leftvideo'><pos x='6' y='9'/><size width='160' height='90'/></video>",
                   {3, 0.5f, 0.75f, 200, 30},
                   at(3, R"(<video source="channel" chan="leftvideo">)") + at(4, R"(<pos x="203" y="37"/>)")
                       + at(4, R"(<size width="80" height="68"/>)") + at(3, "</video>"));
    addcontrolcase("visibility before source", "<video source='deck' visibility='is_video'/>",
                   {0, 1.0f, 1.0f, 0, 0}, at(0, R"(<video visibility="is_video" source="deck"/>)"));
    addcontrolcase("every attribute in table order; add no is written, unknown dropped",
                   "<video chan='c' source='s' visibility='v' height='10' width='10' y='10' x='10'"
                   " add='no' class='k'/>",
                   {1, 1.5f, 1.5f, 1, 2},
                   at(1, R"(<video x="16" y="17" width="15" height="15" visibility="v" source="s" chan="c"/>)"));
    addcontrolcase("size without position, position with size, unknown child dropped",
                   "<video><size x='1' y='1' width='4' height='4'/><pos x='1' y='1' width='4' height='4'/>"
                   "<mousecircle r='3'/></video>",
                   {0, 1.0f, 1.0f, 0, 0},
                   at(0, "<video>") + at(1, R"(<size width="4" height="4"/>)")
                       + at(1, R"(<pos x="1" y="1" width="4" height="4"/>)") + at(0, "</video>"));
    addcontrolcase("empty and placeholder values", "<video x='[X]' height='' source=''/>",
                   {0, 2.0f, 2.0f, 3, 3}, at(0, R"(<video x="[X]" height="0" source=""/>)"));
}

void TestAreaWriters::video()
{
    QFETCH(QString, expected);
    QCOMPARE(writecontrolcase(&SkinWriter::exportvideo), expected);
}

void TestAreaWriters::line_data()
{
    addcontrolcolumns();

    addcontrolcase("scale mark: a height that scales to 0 becomes 1",
                   "<line color='faderlines' x='16' y='28' width='34' height='1'/>",
                   {4, 0.8f, 0.4f, 100, 50},
                   at(4, R"(<line x="113" y="61" width="27" height="1" color="faderlines"/>)"));
    addcontrolcase("add no writes nothing", "<line add='no' x='1'/>", {0, 1.0f, 1.0f, 0, 0}, "");
    addcontrolcase("add yes is written without add", "<line add='yes' visibility='v' x='1'/>",
                   {0, 1.0f, 1.0f, 0, 0}, at(0, R"(<line x="1" visibility="v"/>)"));
    addcontrolcase("0 becomes 1, negative and placeholder stay",
                   "<line width='0' height='-1'/><!-- -->", {0, 1.0f, 1.0f, 0, 0},
                   at(0, R"(<line width="1" height="-1"/>)"));
    addcontrolcase("placeholders are never raised", "<line width='[TEXTWIDTH]' height='[H]'/>",
                   {0, 0.1f, 0.1f, 0, 0}, at(0, R"(<line width="[TEXTWIDTH]" height="[H]"/>)"));
    addcontrolcase("empty and non-numeric sizes become 1, empty position the offset",
                   "<line x='' width='' height='abc' color=''/>", {0, 1.0f, 1.0f, 9, 0},
                   at(0, R"(<line x="9" width="1" height="1" color=""/>)"));
    addcontrolcase("two-pixel line below a quarter", "<line width='2' height='2'/>",
                   {0, 0.2f, 0.3f, 0, 0}, at(0, R"(<line width="1" height="1"/>)"));
    addcontrolcase("class dropped", "<line class='menudiv' x='1' y='2'/>", {0, 1.0f, 1.0f, 0, 0},
                   at(0, R"(<line x="1" y="2"/>)"));
    addcontrolcase("children never written", "<line x='1'><pos x='5'/><!-- c -->text</line>",
                   {1, 1.0f, 1.0f, 0, 0}, at(1, R"(<line x="1"/>)"));
    addcontrolcase("apostrophes of the input written plain",
                   "<line visibility=\"deck 1 get_var &apos;x&apos;\"/>", {0, 1.0f, 1.0f, 0, 0},
                   at(0, R"(<line visibility="deck 1 get_var 'x'"/>)"));
    addcontrolcase("no attribute at all", "<line/>", {2, 1.0f, 1.0f, 0, 0}, at(2, "<line/>"));
}

void TestAreaWriters::line()
{
    QFETCH(QString, expected);
    QCOMPARE(writecontrolcase(&SkinWriter::exportline), expected);
}

void TestAreaWriters::scratch_data()
{
    addcontrolcolumns();

    addcontrolcase("jog wheel: the radius takes the horizontal factor",
                   "<scratch x='10' y='10' width='202' height='202'><mousecircle x='111' y='111' r='101'/></scratch>",
                   {3, 0.5f, 0.75f, 100, 20},
                   at(3, R"(<scratch x="105" y="28" width="101" height="152">)")
                       + at(4, R"(<mousecircle x="156" y="103" r="51"/>)") + at(3, "</scratch>"));
    addcontrolcase("add no is written; visibility last", "<scratch visibility='v' add='no' x='1'/>",
                   {0, 1.0f, 1.0f, 0, 0}, at(0, R"(<scratch x="1" visibility="v"/>)"));
    addcontrolcase("mouse circle keeps only x, y and r", "<scratch><mousecircle r='10' width='5'/></scratch>",
                   {0, 2.0f, 3.0f, 0, 0},
                   at(0, "<scratch>") + at(1, R"(<mousecircle r="20"/>)") + at(0, "</scratch>"));
    addcontrolcase("children in document order, repeats kept",
                   "<scratch><pos x='1' y='2' width='3' height='4'/><mousecircle x='1'/>"
                   "<size x='1' y='1' width='3' height='4'/><mousecircle y='2'/><jog/></scratch>",
                   {0, 1.0f, 1.0f, 10, 20},
                   at(0, "<scratch>") + at(1, R"(<pos x="11" y="22" width="3" height="4"/>)")
                       + at(1, R"(<mousecircle x="11"/>)") + at(1, R"(<size width="3" height="4"/>)")
                       + at(1, R"(<mousecircle y="22"/>)") + at(0, "</scratch>"));
    addcontrolcase("empty and placeholder values",
                   "<scratch x='' width='[W]'><mousecircle r='' x='[X]'/></scratch>",
                   {0, 2.0f, 2.0f, 4, 0},
                   at(0, R"(<scratch x="4" width="[W]">)") + at(1, R"(<mousecircle x="[X]" r="0"/>)")
                       + at(0, "</scratch>"));
    addcontrolcase("only an unknown child", "<scratch><jog/></scratch>", {1, 1.0f, 1.0f, 0, 0},
                   at(1, "<scratch>") + at(1, "</scratch>"));
}

void TestAreaWriters::scratch()
{
    QFETCH(QString, expected);
    QCOMPARE(writecontrolcase(&SkinWriter::exportscratch), expected);
}

void TestAreaWriters::browser_data()
{
    addcontrolcolumns();
    QTest::addColumn<int>("option");
    const int dark = int(BrowserOption::Dark);
    const int white = int(BrowserOption::White);
    const int plain = int(BrowserOption::Default);

    const QString browser = "<browser><pos x='5' y='5'/><size width='1115' height='575'/></browser>";
    const QString children = at(4, R"(<pos x="104" y="44"/>)") + at(4, R"(<size width="892" height="460"/>)")
                             + at(3, "</browser>");
    addcontrolcase("dark", browser, {3, 0.8f, 0.8f, 100, 40},
                   at(3, R"(<browser class="browserdark">)") + children) << dark;
    addcontrolcase("white", browser, {3, 0.8f, 0.8f, 100, 40},
                   at(3, R"(<browser class="browserwhite">)") + children) << white;
    addcontrolcase("default: no class", browser, {3, 0.8f, 0.8f, 100, 40},
                   at(3, "<browser>") + children) << plain;
    addcontrolcase("own class replaced, class first, add no written, table order",
                   "<browser visibility='v' height='10' width='10' y='1' x='1' add='no' class='browserdark'/>",
                   {0, 2.0f, 2.0f, 1, 2},
                   at(0, R"(<browser class="browserwhite" x="3" y="4" width="20" height="20" visibility="v"/>)"))
        << white;
    addcontrolcase("own class dropped by default", "<browser class='browserwhite' x='1'/>",
                   {0, 1.0f, 1.0f, 0, 0}, at(0, R"(<browser x="1"/>)")) << plain;
    addcontrolcase("position with size, size without position, unknown child dropped",
                   "<browser><pos x='1' y='2' width='3' height='4'/><size x='1' y='1' width='3' height='4'/>"
                   "<list/></browser>",
                   {0, 1.0f, 1.0f, 0, 0},
                   at(0, "<browser>") + at(1, R"(<pos x="1" y="2" width="3" height="4"/>)")
                       + at(1, R"(<size width="3" height="4"/>)") + at(0, "</browser>")) << plain;
    addcontrolcase("empty and placeholder values", "<browser x='' y='[Y]' height='' visibility=''/>",
                   {0, 1.0f, 1.0f, 6, 0},
                   at(0, R"(<browser class="browserdark" x="6" y="[Y]" height="0" visibility=""/>)")) << dark;
}

void TestAreaWriters::browser()
{
    QFETCH(int, option);
    QFETCH(QString, expected);
    QCOMPARE(writecontrolcase(&SkinWriter::exportbrowser, BrowserOption(option)), expected);
}

void TestAreaWriters::grabzone_data()
{
    addcontrolcolumns();

    // The factor the dispatcher passes on a screen 1200 pixels high.
    const float screen = 1200.0f / 1080.0f;
    addcontrolcase("bottom edge of the system area",
                   "<grabzone><pos x='0' y='1065'/><size width='1920' height='15'/></grabzone>",
                   {2, 1.0f, screen, 0, 0},
                   at(2, "<grabzone>") + at(3, R"(<pos x="0" y="1183"/>)")
                       + at(3, R"(<size width="1920" height="17"/>)") + at(2, "</grabzone>"));
    addcontrolcase("geometry only, in table order; add no written",
                   "<grabzone visibility='v' class='k' add='no' height='10' width='20' y='3' x='4'/>",
                   {0, 2.0f, 0.5f, 1, 2},
                   at(0, R"(<grabzone x="9" y="4" width="40" height="5"/>)"));
    addcontrolcase("position with size, size without position, unknown child dropped",
                   "<grabzone><pos x='1' y='2' width='3' height='4'/><size x='5' y='6' width='7' height='8'/>"
                   "<zone><pos x='1'/></zone></grabzone>",
                   {1, 1.0f, 1.0f, 0, 0},
                   at(1, "<grabzone>") + at(2, R"(<pos x="1" y="2" width="3" height="4"/>)")
                       + at(2, R"(<size width="7" height="8"/>)") + at(1, "</grabzone>"));
    addcontrolcase("empty and placeholder values; a size may scale to 0",
                   "<grabzone x='' height='0.4' width='[W]'/>", {0, 1.0f, 1.0f, 3, 0},
                   at(0, R"(<grabzone x="3" width="[W]" height="0"/>)"));
    addcontrolcase("only a comment", "<grabzone><!-- edge --></grabzone>", {0, 1.0f, 1.0f, 0, 0},
                   at(0, "<grabzone>") + at(0, "</grabzone>"));
}

void TestAreaWriters::grabzone()
{
    QFETCH(QString, expected);
    QCOMPARE(writecontrolcase(&SkinWriter::exportgrabzone), expected);
}

// Every control writer of this group through the dispatcher, at level 1,
// factors 2 and 0.5, offsets 5 and 0, on a screen 1200 pixels high.
void TestAreaWriters::dispatch_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("expected");

    for (const char *tag : {"menu", "slider", "square", "logo", "cover", "video", "line", "scratch",
                            "browser"})
        QTest::newRow(tag) << tag << at(1, QStringLiteral(R"(<%1 x="25" y="540"/>)").arg(tag));
    QTest::newRow("dropzonefake becomes dropzone") << "dropzonefake" << at(1, R"(<dropzone x="25" y="540"/>)");
    QTest::newRow("dropzone is not written") << "dropzone" << "";
    QTest::newRow("tags are case-sensitive") << "Slider" << "";
    QTest::newRow("grabzone follows the screen height")
        << "grabzone" << at(1, R"(<grabzone x="25" y="1200"/>)");
}

void TestAreaWriters::dispatch()
{
    QFETCH(QString, tag);
    QFETCH(QString, expected);

    WriterRig rig;
    rig.model.screenheight = 1200;
    const QDomElement element = rig.parse(QStringLiteral("<%1 x='10' y='1080'/>").arg(tag));
    rig.writer.exportchild(element, 1, 2.0f, 0.5f, 5, 0);
    QCOMPARE(rig.text(), expected);
}

// Values written as read may hold characters that would break the document;
// they are escaped, and read back as they were.
void TestAreaWriters::hostilevaluesstaywellformed()
{
    const QString value = QStringLiteral("a < b & \"c\" && d > 'e'");
    const QStringList tags = {"menu", "slider", "square", "logo", "dropzonefake", "cover",
                              "video", "line", "scratch", "browser"};
    WriterRig rig;
    for (const QString &tag : tags) {
        QDomDocument input;
        QDomElement element = input.createElement(tag);
        element.setAttribute(QStringLiteral("visibility"), value);
        element.appendChild(input.createComment(QStringLiteral("keeps an end tag")));
        input.appendChild(element);
        rig.writer.exportchild(element, 1, 1.0f, 1.0f, 0, 0);
    }

    QDomDocument output;
    QString error;
    QVERIFY2(output.setContent(QStringLiteral("<skin>\n") + rig.text() + QStringLiteral("</skin>\n"), &error),
             qPrintable(error));
    const QDomNodeList written = output.documentElement().childNodes();
    QCOMPARE(written.count(), tags.size());
    for (int i = 0; i < written.count(); ++i)
        QCOMPARE(written.at(i).toElement().attribute(QStringLiteral("visibility")), value);
}

QTEST_MAIN(TestAreaWriters)
#include "tst_areawriters.moc"
