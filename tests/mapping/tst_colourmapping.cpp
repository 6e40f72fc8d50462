// The colour that the new skin gives each colour define of the Tessary skin.
#include <QtTest>

#include <QDomDocument>

#include "colours/colourscheme.h"
#include "colours/profileformat.h"
#include "mapping/colourmapping.h"

namespace {

// A scheme whose colours all differ, so a result names the colour it came from.
ColourScheme distinctScheme()
{
    ColourScheme scheme;
    int index = 0;
    for (const ColourEntry &entry : ColourScheme::colourTable()) {
        scheme.*entry.colour = QColor(index, 255 - index, (index * 7) % 256);
        ++index;
    }
    return scheme;
}

QString colourOf(const ColourScheme &scheme, const QString &member)
{
    for (const ColourEntry &entry : ColourScheme::colourTable())
        if (member == entry.member)
            return colourText(scheme.*entry.colour);
    qFatal("no colour member %s", qPrintable(member));
    return QString();
}

QDomElement parseDefine(const QString &xml)
{
    QDomDocument document;
    if (!document.setContent(xml))
        qFatal("bad fixture %s", qPrintable(xml));
    return document.documentElement();
}

} // namespace

class TestColourMapping : public QObject
{
    Q_OBJECT
private slots:
    void defines_data()
    {
        QTest::addColumn<QString>("define");
        QTest::addColumn<bool>("gradientsOff");
        QTest::addColumn<QString>("member");    // the colour the define gets, or empty
        QTest::addColumn<QString>("ownValue");  // the result when no colour is named

        auto row = [](const char *name, const char *define, bool off, const char *member, const char *value) {
            QTest::newRow(name) << QString(define) << off << QString(member) << QString(value);
        };
        row("left deck", "<define color='buttonoff1' deck='left' value='#4A8AC9'/>", false, "d1_buttonoff1", "");
        row("right deck", "<define color='buttonoff1' deck='right' value='#4A8AC9'/>", false, "d2_buttonoff1", "");
        row("deck colour without deck", "<define color='buttonoff1' value='#4A8AC9'/>", false, "", "#4A8AC9");
        row("deck key without deck", "<define color='d1_buttonoff1' value='#4A8AC9'/>", false, "", "#4A8AC9");
        row("deck key with deck", "<define color='d1_buttonoff1' deck='left' value='#4a8ac9'/>", false, "",
            "#4a8ac9");
        row("deck Left", "<define color='buttonoff1' deck='Left' value='#4A8AC9'/>", false, "", "#4A8AC9");
        row("deck LEFT", "<define color='buttonoff1' deck='LEFT' value='#4A8AC9'/>", false, "", "#4A8AC9");
        row("empty deck", "<define color='buttonoff1' deck='' value='#4A8AC9'/>", false, "", "#4A8AC9");
        row("colour name in other case", "<define color='ButtonOff1' deck='left' value='#4A8AC9'/>", false, "",
            "#4A8AC9");
        row("no-deck colour", "<define color='masterbuttonoff1' value='#111111'/>", false, "m_buttonoff1", "");
        row("no-deck colour with deck", "<define color='masterbuttonoff1' deck='left' value='#111111'/>", false,
            "", "#111111");
        row("shared fader lines", "<define color='faderlines' value='#111111'/>", false, "faderlines", "");
        row("fader lines on a deck", "<define color='faderlines' deck='right' value='#111111'/>", false, "",
            "#111111");
        row("deck text colour without deck", "<define color='textdark' value='#AAAAAA'/>", false, "", "#AAAAAA");
        row("deck text colour", "<define color='textbright' deck='right' value='#AAAAAA'/>", false,
            "d2_textbright", "");
        row("zone 5-R", "<define color='draw5back' deck='right' value='#202020'/>", false, "zone6back", "");
        row("zone 6-L", "<define color='draw6back' deck='left' value='#202020'/>", false, "zone7back", "");
        row("zone 1", "<define color='draw1back' value='#202020'/>", false, "zoneback", "");
        row("skin background", "<define color='backcolor' value='#202020'/>", false, "skinback", "");
        row("deck knob border", "<define color='knobborder' deck='left' value='#000000'/>", false,
            "d1_knobinborder", "");
        row("mixer text background", "<define color='textmasteroff' value='#000000'/>", false, "m_textback", "");
        row("system icon", "<define color='systemiconover' value='#000000'/>", false, "m_systemtextover", "");
        row("deck meter", "<define color='vuledpeak' deck='left' value='#000000'/>", false, "d1_vupeak", "");
        row("button on border", "<define color='buttononborder' deck='left' value='#000000'/>", false,
            "d1_buttononborder", "");

        row("gradient end, gradients on", "<define color='knobin2' deck='right' value='#0'/>", false,
            "d2_knobin2", "");
        row("gradient end, gradients off", "<define color='knobin2' deck='right' value='#0'/>", true,
            "d2_knobin1", "");
        row("mixer gradient end, gradients on", "<define color='masterfaderfader2' value='#0'/>", false,
            "m_faderfader2", "");
        row("mixer gradient end, gradients off", "<define color='masterfaderfader2' value='#0'/>", true,
            "m_faderfader1", "");
        row("video gradient end, gradients off", "<define color='dspvideoover2' value='#0'/>", true,
            "v_dspover1", "");
        row("gradient start, gradients off", "<define color='buttonon1' deck='left' value='#0'/>", true,
            "d1_buttonon1", "");
        row("single colour, gradients off", "<define color='knobfader' deck='left' value='#0'/>", true,
            "d1_knobfader1", "");

        row("unknown name keeps its case", "<define color='moduleback' value='#4A8AC9'/>", false, "", "#4A8AC9");
        row("unknown deck name", "<define color='deckcolor' deck='left' value='#ABCDEF'/>", false, "", "#ABCDEF");
        row("unknown video button", "<define color='videobuttonoff1' value='#ABCDEF'/>", true, "", "#ABCDEF");
        row("misspelt mixer border", "<define color='dspomasteroverborder' value='#303030'/>", false, "",
            "#303030");
        row("spelt mixer border", "<define color='dspmasteroverborder' value='#303030'/>", false,
            "m_dspoverborder", "");
        row("misspelt video off border", "<define color='dspvideoeoffborder' value='#303030'/>", false, "",
            "#303030");
        row("misspelt video over border", "<define color='dspvideoeoverborder' value='#303030'/>", false, "",
            "#303030");
        row("misspelt video on border", "<define color='dspvideoeonborder' value='#303030'/>", false, "",
            "#303030");

        row("match without value", "<define color='topbar'/>", false, "topbar", "");
        row("no match, no value", "<define color='moduleback'/>", false, "", "");
        row("no color attribute", "<define deck='left' value='#123456'/>", false, "", "#123456");
        row("value kept as written", "<define color='nothing' value=' #12 '/>", false, "", " #12 ");
    }
    void defines()
    {
        QFETCH(QString, define);
        QFETCH(bool, gradientsOff);
        QFETCH(QString, member);
        QFETCH(QString, ownValue);
        ColourScheme scheme = distinctScheme();
        scheme.disablegradience = gradientsOff;
        const QString expected = member.isEmpty() ? ownValue : colourOf(scheme, member);
        QCOMPARE(changexmlcolor(scheme, parseDefine(define)), expected);
    }

    // Every colour is reached by exactly the define its key describes.
    void everyColourHasItsRule()
    {
        for (bool gradientsOff : {false, true}) {
            ColourScheme scheme = distinctScheme();
            scheme.disablegradience = gradientsOff;
            int left = 0, right = 0, deckless = 0;
            for (const ColourEntry &entry : ColourScheme::colourTable()) {
                QDomDocument document;
                QDomElement define = document.createElement("define");
                define.setAttribute("value", "#4A8AC9");
                if (entry.key.startsWith("d1_")) {
                    define.setAttribute("deck", "left");
                    ++left;
                } else if (entry.key.startsWith("d2_")) {
                    define.setAttribute("deck", "right");
                    ++right;
                } else {
                    ++deckless;
                }
                define.setAttribute("color", entry.key.startsWith("d") && entry.key.at(2) == '_' ? entry.key.mid(3)
                                                                                                 : entry.key);
                const bool flat = gradientsOff && entry.role == GradientRole::Second;
                QCOMPARE(changexmlcolor(scheme, define), colourText(scheme.*(flat ? entry.partner : entry.colour)));
            }
            QCOMPARE(left, 61);
            QCOMPARE(right, 61);
            QCOMPARE(deckless, 91);
        }
    }

    void colourTextIsLowerCaseWithoutAlpha()
    {
        ColourScheme scheme;
        scheme.topbar = QColor(0xAB, 0xCD, 0xEF, 0x10);
        QCOMPARE(changexmlcolor(scheme, parseDefine("<define color='topbar' value='#FFFFFF'/>")),
                 QString("#abcdef"));
        // A colour that no profile gave reads black.
        QCOMPARE(changexmlcolor(scheme, parseDefine("<define color='backcolor' value='#FFFFFF'/>")),
                 QString("#000000"));
    }

    void followsTheColoursAtTheTimeOfTheCall()
    {
        ColourScheme scheme = distinctScheme();
        const QDomElement define = parseDefine("<define color='dspon2' deck='left' value='#0'/>");
        scheme.d1_dspon2 = QColor("#102030");
        QCOMPARE(changexmlcolor(scheme, define), QString("#102030"));
        scheme.disablegradience = true;
        scheme.d1_dspon1 = QColor("#405060");
        QCOMPARE(changexmlcolor(scheme, define), QString("#405060"));
    }

    void nodeThatIsNoElement()
    {
        QDomDocument document;
        const QDomText text = document.createTextNode("topbar");
        QCOMPARE(changexmlcolor(distinctScheme(), text), QString());
        QCOMPARE(changexmlcolor(distinctScheme(), QDomNode()), QString());
    }
};

QTEST_GUILESS_MAIN(TestColourMapping)
#include "tst_colourmapping.moc"
