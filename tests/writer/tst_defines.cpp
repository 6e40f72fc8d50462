// Definitions: colour definitions recoloured by the user's scheme, class
// definitions with their copied template children and control children.
#include <QtTest>

#include "controlcases.h"

namespace {

// A scheme with distinct colours for the definitions the cases name.
void setcolours(ColourScheme &colours)
{
    colours.d1_buttonoff1 = QColor("#A1B2C3");
    colours.d1_buttonoff2 = QColor("#0a0b0c");
    colours.d2_buttonoff1 = QColor("#D4E5F6");
    colours.m_buttonoff1 = QColor("#123456");
}

} // namespace

class TestDefines : public QObject
{
    Q_OBJECT
private slots:
    void colourdefinitions_data();
    void colourdefinitions();
    void classdefinitions_data();
    void classdefinitions();
    void templatechildren_data();
    void templatechildren();
    void throughthedispatcher();
};

void TestDefines::colourdefinitions_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("gradientsoff");
    QTest::addColumn<QString>("expected");

    QTest::newRow("left deck, mapped")
        << "<define color=\"buttonoff1\" value=\"#535353\" deck=\"left\"/>" << false
        << "<define color=\"buttonoff1\" value=\"#a1b2c3\" deck=\"left\"/>";
    QTest::newRow("right deck, mapped")
        << "<define deck=\"right\" value=\"#535353\" color=\"buttonoff1\"/>" << false
        << "<define color=\"buttonoff1\" value=\"#d4e5f6\" deck=\"right\"/>";
    QTest::newRow("without deck, mapped")
        << "<define color=\"masterbuttonoff1\" value=\"#535353\"/>" << false
        << "<define color=\"masterbuttonoff1\" value=\"#123456\"/>";
    QTest::newRow("unmapped name keeps its value as read")
        << "<define color=\"moduleback\" value=\"#4A8AC9\"/>" << false
        << "<define color=\"moduleback\" value=\"#4A8AC9\"/>";
    QTest::newRow("deck colour without deck is not the deck's")
        << "<define color=\"buttonoff1\" value=\"#535353\"/>" << false
        << "<define color=\"buttonoff1\" value=\"#535353\"/>";
    QTest::newRow("empty deck matches nothing")
        << "<define color=\"buttonoff1\" value=\"#535353\" deck=\"\"/>" << false
        << "<define color=\"buttonoff1\" value=\"#535353\" deck=\"\"/>";
    QTest::newRow("gradient second colour, gradients on")
        << "<define color=\"buttonoff2\" value=\"#535353\" deck=\"left\"/>" << false
        << "<define color=\"buttonoff2\" value=\"#0a0b0c\" deck=\"left\"/>";
    QTest::newRow("gradient second colour, gradients off")
        << "<define color=\"buttonoff2\" value=\"#535353\" deck=\"left\"/>" << true
        << "<define color=\"buttonoff2\" value=\"#a1b2c3\" deck=\"left\"/>";
    QTest::newRow("empty value still recoloured")
        << "<define color=\"buttonoff1\" value=\"\" deck=\"left\"/>" << false
        << "<define color=\"buttonoff1\" value=\"#a1b2c3\" deck=\"left\"/>";
    QTest::newRow("colour without value: neither written")
        << "<define class=\"shadowed\" width=\"10\" height=\"4\" color=\"buttonoff1\" shadow=\"1\"/>" << false
        << "<define class=\"shadowed\"/>";
    QTest::newRow("value without colour: neither written")
        << "<define value=\"#535353\" deck=\"left\"/>" << false
        << "<define deck=\"left\"/>";
    QTest::newRow("attributes in fixed order, others dropped")
        << "<define placeholders=\"[TEXT]\" deck=\"left\" clickthrough=\"yes\" value=\"#1\" color=\"unknown\" "
           "classdeck=\"k\" class=\"c\" add=\"yes\"/>" << false
        << "<define class=\"c\" classdeck=\"k\" color=\"unknown\" value=\"#1\" deck=\"left\" placeholders=\"[TEXT]\"/>";
}

void TestDefines::colourdefinitions()
{
    QFETCH(QString, input);
    QFETCH(bool, gradientsoff);
    QFETCH(QString, expected);

    WriterRig rig;
    setcolours(rig.colours);
    rig.colours.disablegradience = gradientsoff;
    rig.writer.exportdefine(rig.parse(input), 2, 1.0f, 1.0f, 0, 0);
    QCOMPARE(rig.text(), at(2, expected));
}

void TestDefines::classdefinitions_data()
{
    addcontrolcolumns();
    const Placement plain{1, 1.0f, 1.0f, 0, 0};
    const Placement scaled{1, 2.0f, 0.5f, 10, 20};

    addcontrolcase("add no: nothing", "<define class=\"c\" add=\"no\"><off width=\"1\"/></define>", plain, "");
    addcontrolcase("add No: written, add dropped", "<define class=\"c\" add=\"No\"/>", plain,
                   at(1, "<define class=\"c\"/>"));
    addcontrolcase("browser class goes to the browser writer, add ignored",
                   "<define class=\"browserwhite\" add=\"no\" placeholders=\"x\"><off width=\"4\"/></define>",
                   plain, at(1, "<define class=\"browserwhite\">") + at(1, "</define>"));
    addcontrolcase("capitalised Browser is a class definition",
                   "<define class=\"Browserwhite\" placeholders=\"x\"><off width=\"4\"/></define>", plain,
                   at(1, "<define class=\"Browserwhite\" placeholders=\"x\">") + at(2, "<off width=\"4\"/>")
                       + at(1, "</define>"));
    addcontrolcase("only unknown children and comments",
                   "<define class=\"c\"><tooltip>t</tooltip><!-- c --><textoverselected size=\"1\"/><Off/></define>",
                   plain, at(1, "<define class=\"c\">") + at(1, "</define>"));
    // Controls are written by their own writers, one level in, with the
    // definition's factors and offsets; copies and controls keep their order.
    addcontrolcase("controls and copies interleaved",
                   "<define class=\"c\"><logo x=\"1\" y=\"2\" width=\"4\" height=\"8\"/><off width=\"6\" height=\"6\"/>"
                   "<text size=\"3\"/><grabzone x=\"0\" y=\"4\" width=\"2\" height=\"4\"/></define>",
                   scaled,
                   at(1, "<define class=\"c\">") + at(2, "<logo x=\"12\" y=\"21\" width=\"8\" height=\"4\"/>")
                       + at(2, "<off width=\"12\" height=\"3\"/>") + at(2, "<text size=\"6\"/>")
                       + at(2, "<grabzone x=\"10\" y=\"22\" width=\"4\" height=\"2\"/>") + at(1, "</define>"));
    addcontrolcase("control children marked add no",
                   "<define class=\"c\"><line add=\"no\" x=\"1\"/><slider add=\"no\"/></define>", plain,
                   at(1, "<define class=\"c\">") + at(1, "</define>"));
}

void TestDefines::classdefinitions()
{
    QFETCH(QString, expected);
    for (BrowserOption option : {BrowserOption::Default, BrowserOption::Dark})
        QCOMPARE(writecontrolcase(&SkinWriter::exportdefine, option), expected);
}

void TestDefines::templatechildren_data()
{
    addcontrolcolumns();
    const Placement halfdouble{3, 0.5f, 2.0f, 0, 0};
    const Placement shifted{3, 2.0f, 1.0f, 5, 7};

    auto add = [](const char *name, const QString &child, const Placement &placement, const QString &copy) {
        addcontrolcase(name, "<define class=\"c\">" + child + "</define>", placement,
                       at(3, "<define class=\"c\">") + at(4, copy) + at(3, "</define>"));
    };
    add("size", "<size height=\"50\" width=\"100\" x=\"3\"/>", halfdouble, "<size width=\"50\" height=\"100\"/>");
    add("pos", "<pos height=\"40\" width=\"30\" y=\"20\" x=\"10\"/>", shifted,
        "<pos x=\"25\" y=\"27\" width=\"60\" height=\"40\"/>");
    add("pos placeholders and empty values", "<pos x=\"[X]\" y=\"\" width=\"\"/>", shifted,
        "<pos x=\"[X]\" y=\"7\" width=\"0\"/>");
    add("icon in fixed order, colorver and colorover both",
        "<icon colorover=\"o\" colorver=\"v\" color=\"c\" width=\"[ICONSIZE]\" sysicon=\"s\" dy=\"8\" height=\"8\" "
        "colordown=\"d\" colorselected=\"e\"/>",
        halfdouble,
        "<icon sysicon=\"s\" width=\"[ICONSIZE]\" height=\"16\" dy=\"4\" color=\"c\" colorver=\"v\" "
        "colorselected=\"e\" colordown=\"d\" colorover=\"o\"/>");
    add("state with children, add and unknown attributes",
        "<off add=\"no\" x=\"1\" border_size=\"2\" border=\"b\" gradient=\"g\" color2=\"c2\" color=\"c\" shape=\"s\" "
        "height=\"10\" width=\"10\"><fill/></off>",
        halfdouble,
        "<off width=\"5\" height=\"20\" shape=\"s\" color=\"c\" color2=\"c2\" gradient=\"g\" border=\"b\" "
        "border_size=\"1\"/>");
    for (const char *tag : {"up", "on", "selected", "over", "down", "downselected", "overselected", "background"})
        add(tag, QString("<%1 width=\"4\" border_size=\"2\"/>").arg(tag), halfdouble,
            QString("<%1 width=\"2\" border_size=\"1\"/>").arg(tag));
    // No lower bound: a thin border may scale to nothing here.
    add("state border scaled to 0", "<off border_size=\"1\"/>", Placement{3, 0.4f, 1.0f, 0, 0},
        "<off border_size=\"0\"/>");
    add("state border 1.5 rounds up", "<off border_size=\"2\"/>", Placement{3, 0.75f, 1.0f, 0, 0},
        "<off border_size=\"2\"/>");
    add("text: every size horizontal",
        "<text format=\"f\" action=\"[TEXTACTION]\" text=\"[TEXT]\" color=\"c\" align=\"left\" weight=\"bold\" "
        "height=\"20\" width=\"74\" dy=\"2\" dx=\"4\" fontsize=\"12\" size=\"[TEXTSIZE]\"/>",
        halfdouble,
        "<text size=\"[TEXTSIZE]\" fontsize=\"6\" dx=\"2\" dy=\"1\" width=\"37\" height=\"10\" weight=\"bold\" "
        "align=\"left\" color=\"c\" text=\"[TEXT]\" action=\"[TEXTACTION]\"/>");
    for (const char *tag : {"textover", "textselected", "textdown"})
        add(tag, QString("<%1 height=\"20\"/>").arg(tag), halfdouble, QString("<%1 height=\"10\"/>").arg(tag));
    // Text and actions are not scripts here; they are only kept well-formed.
    add("text with quote and ampersand", "<text text='say \"hi\" &amp; go' action='a &lt; b'/>", halfdouble,
        "<text text=\"say &quot;hi&quot; &amp; go\" action=\"a &lt; b\"/>");
}

void TestDefines::templatechildren()
{
    QFETCH(QString, expected);
    QCOMPARE(writecontrolcase(&SkinWriter::exportdefine), expected);
}

void TestDefines::throughthedispatcher()
{
    // A definition in a container gets the container's level, factors and
    // offsets; a grab zone inside it keeps the definition's vertical factor.
    WriterRig rig;
    rig.model.screenheight = 2160;
    setcolours(rig.colours);
    const QDomElement group = rig.parse(
        "<group name=\"defines\"><define color=\"buttonoff1\" value=\"#535353\" deck=\"right\"/>"
        "<define class=\"k\"><grabzone y=\"10\" height=\"10\"/></define>"
        "<grabzone y=\"10\" height=\"10\"/></group>");
    rig.writer.exportgroup(group, 1, 1.0f, 0.5f, 0, 0);
    QCOMPARE(rig.text(), at(1, "<group name=\"defines\">")
                             + at(2, "<define color=\"buttonoff1\" value=\"#d4e5f6\" deck=\"right\"/>")
                             + at(2, "<define class=\"k\">") + at(3, "<grabzone y=\"5\" height=\"5\"/>")
                             + at(2, "</define>") + at(2, "<grabzone y=\"20\" height=\"20\"/>")
                             + at(1, "</group>") + "\n");
}

QTEST_MAIN(TestDefines)
#include "tst_defines.moc"
