// Browser definitions: a fixed vocabulary of colour and font elements,
// copied as read, the same whichever browser colours the user chose.
#include <QtTest>

#include "controlcases.h"

Q_DECLARE_METATYPE(BrowserOption)

class TestBrowserDefines : public QObject
{
    Q_OBJECT
private slots:
    void browserdefinitions_data();
    void browserdefinitions();
};

void TestBrowserDefines::browserdefinitions_data()
{
    addcontrolcolumns();
    QTest::addColumn<BrowserOption>("option");
    const Placement scaled{2, 2.0f, 0.5f, 10, 20};   // nothing of it applies

    struct Case
    {
        const char *name;
        QString input;
        QString expected;
    };
    const QVector<Case> cases = {
        {"no children: two lines", "<define class=\"browserdark\"/>",
         at(2, "<define class=\"browserdark\">") + at(2, "</define>")},
        {"add no and other attributes ignored",
         "<define add=\"no\" placeholders=\"p\" class=\"browserwhite\" color=\"x\" value=\"#fff\"/>",
         at(2, "<define class=\"browserwhite\">") + at(2, "</define>")},
        {"empty colors and bare colour element",
         "<define class=\"browserdark\"><colors/><colors background=\"#111\" x=\"1\"><separators foo=\"1\"/></colors>"
         "</define>",
         at(2, "<define class=\"browserdark\">") + at(3, "<colors>") + at(3, "</colors>")
             + at(3, "<colors background=\"#111\">") + at(4, "<separators/>") + at(3, "</colors>")
             + at(2, "</define>")},
        {"colour attributes in table order, as read",
         "<define class=\"browserdark\"><colors><toolbars backgroundselected=\"#A0A0A0\" backgroundmouseover=\"red\" "
         "background=\"#ABCDEF\" text=\"white\" iconbackground=\"#1\" border=\"#2\"><sub/></toolbars></colors></define>",
         at(2, "<define class=\"browserdark\">") + at(3, "<colors>")
             + at(4, "<toolbars background=\"#ABCDEF\" text=\"white\" iconbackground=\"#1\" border=\"#2\" "
                     "backgroundmouseover=\"red\" backgroundselected=\"#A0A0A0\"/>")
             + at(3, "</colors>") + at(2, "</define>")},
        {"all thirty colour attributes",
         "<define class=\"browserx\"><colors><grids backgroundselected=\"30\" backgroundmouseover=\"29\" "
         "buttonselected=\"28\" buttonbackground=\"27\" cursor=\"26\" title=\"25\" artist=\"24\" automix=\"23\" "
         "livefeedback=\"22\" download=\"21\" scan=\"20\" button=\"19\" buttonactive=\"18\" insert=\"17\" "
         "label=\"16\" focusstripes=\"15\" selectedstripes=\"14\" focustext=\"13\" selectedtext=\"12\" "
         "overtext=\"11\" focus=\"10\" selected=\"9\" overstripes=\"8\" over=\"7\" stripes=\"6\" border=\"5\" "
         "iconbackground=\"4\" text=\"3\" background=\"2\" line=\"1\" other=\"0\"/></colors></define>",
         at(2, "<define class=\"browserx\">") + at(3, "<colors>")
             + at(4, "<grids line=\"1\" background=\"2\" text=\"3\" iconbackground=\"4\" border=\"5\" stripes=\"6\" "
                     "over=\"7\" overstripes=\"8\" selected=\"9\" focus=\"10\" overtext=\"11\" selectedtext=\"12\" "
                     "focustext=\"13\" selectedstripes=\"14\" focusstripes=\"15\" label=\"16\" insert=\"17\" "
                     "buttonactive=\"18\" button=\"19\" scan=\"20\" download=\"21\" livefeedback=\"22\" "
                     "automix=\"23\" artist=\"24\" title=\"25\" cursor=\"26\" buttonbackground=\"27\" "
                     "buttonselected=\"28\" backgroundmouseover=\"29\" backgroundselected=\"30\"/>")
             + at(3, "</colors>") + at(2, "</define>")},
        {"every colour element tag; unknown and capitalised dropped",
         "<define class=\"browserx\"><colors><separators/><toolbars/><lists/><grids/><columns/><scrollbars/><info/>"
         "<search/><prelisten/><Lists/><textzone/><!-- c --></colors></define>",
         at(2, "<define class=\"browserx\">") + at(3, "<colors>") + at(4, "<separators/>") + at(4, "<toolbars/>")
             + at(4, "<lists/>") + at(4, "<grids/>") + at(4, "<columns/>") + at(4, "<scrollbars/>")
             + at(4, "<info/>") + at(4, "<search/>") + at(4, "<prelisten/>") + at(3, "</colors>")
             + at(2, "</define>")},
        {"fonts in input order, weight then size, name and color dropped",
         "<define class=\"browserwhite\"><colors/><fontsearch size=\"12\" weight=\"bold\" name=\"Arial\"/>"
         "<font color=\"#fff\" size=\"11\"><b/></font><fontheader weight=\"400\"/><fontgridtitle/><Font/>"
         "<colors/><textzone x=\"1\"/></define>",
         at(2, "<define class=\"browserwhite\">") + at(3, "<colors>") + at(3, "</colors>")
             + at(3, "<fontsearch weight=\"bold\" size=\"12\"/>") + at(3, "<font size=\"11\"/>")
             + at(3, "<fontheader weight=\"400\"/>") + at(3, "<fontgridtitle/>") + at(3, "<colors>")
             + at(3, "</colors>") + at(2, "</define>")},
    };
    const QVector<QPair<const char *, BrowserOption>> options = {
        {"default", BrowserOption::Default}, {"dark", BrowserOption::Dark}, {"white", BrowserOption::White}};
    for (const Case &c : cases) {
        for (const auto &option : options) {
            addcontrolcase(qPrintable(QString("%1 (%2)").arg(c.name, option.first)), c.input, scaled, c.expected)
                << option.second;
        }
    }
}

void TestBrowserDefines::browserdefinitions()
{
    QFETCH(BrowserOption, option);
    QFETCH(QString, expected);
    // The definition writer hands browser classes on whole.
    QCOMPARE(writecontrolcase(&SkinWriter::exportdefine, option), expected);

    QFETCH(QString, input);
    WriterRig rig;
    rig.writer.browser = option;
    rig.writer.exportbrowserdefine(rig.parse(input), 2);
    QCOMPARE(rig.text(), expected);
}

QTEST_MAIN(TestBrowserDefines)
#include "tst_browserdefines.moc"
