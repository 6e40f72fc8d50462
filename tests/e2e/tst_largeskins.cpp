// Skins that are legal but far larger than the stand-in skin still make a
// new skin in seconds: a control with an action script megabytes long, and
// a module with hundreds of thousands of controls. Every step of the job
// (pruning, escaping, writing) must take time linear in the input.
#include <QtTest>

#include "app/createskinjob.h"
#include "support/fixtureskin.h"
#include "support/headlessjob.h"
#include "support/skinzip.h"

namespace {

const char *const transportbutton = "<button x=\"4\" y=\"4\" width=\"56\" height=\"52\" action=\"play_pause\">";
const char *const leftdeck = "<deck deck=\"left\">";

QByteArray repeated(const char *piece, int times)
{
    QByteArray text;
    const QByteArray one(piece);
    text.reserve(one.size() * times);
    for (int i = 0; i < times; ++i)
        text += one;
    return text;
}

} // namespace

class TestLargeSkins : public QObject
{
    Q_OBJECT
private slots:
    void longAction_data();
    void longAction();
    void manyControls();

private:
    // Runs the job on the fixture skin with xml as its document and the
    // project (the fixture's own by default); returns the new skin.xml,
    // parsed.
    QDomDocument runjob(const QByteArray &xml, const QByteArray &projectxml = QByteArray());
};

QDomDocument TestLargeSkins::runjob(const QByteArray &xml, const QByteArray &projectxml)
{
    QTemporaryDir files;
    const QString zip = files.filePath("large.zip");
    const QString project = files.filePath("project.xml");
    if (!fixtureskin::writezip(zip, true, xml)
        || !testsupport::writeFile(project, projectxml.isEmpty() ? fixtureskin::project(fixtureskin::modules())
                                                                 : projectxml))
        return QDomDocument();
    HeadlessJob rig(zip, QStringLiteral("Large"), 1920, 1080);
    rig.model.skinwidth = 1920;
    rig.model.skinheight = 1080;
    CreateSkinJob job(rig.model, rig.paths, rig.steps());
    job.makefolders();
    const bool made = job.unpack() && job.readproject(project)
                      && job.build() == CreateSkinJob::Failure::None;
    job.cleanup();
    QDomDocument written;
    if (made)
        written.setContent(skinzip::entry(rig.paths.targetzip, QStringLiteral("skin.xml")));
    return written;
}

// An action script of a megabyte or two in one attribute: a piece repeated,
// as a reader sees it and as the skin spells it in its XML. The fixture has
// the button in both decks, so the skin document holds it twice, within
// the bound of a skin document.
void TestLargeSkins::longAction_data()
{
    QTest::addColumn<QByteArray>("piece");
    QTest::addColumn<QByteArray>("piecexml");
    QTest::addColumn<int>("megabytes");
    QTest::newRow("every character that is escaped")
        << QByteArray("say \"hi\" & <b> a&b; ")
        << QByteArray("say &quot;hi&quot; &amp; &lt;b&gt; a&amp;b; ") << 1;
    // Every ampersand is checked for a reference up to the next semicolon.
    QTest::newRow("ampersands and no semicolon")
        << QByteArray("a&b ") << QByteArray("a&amp;b ") << 2;
}

void TestLargeSkins::longAction()
{
    QFETCH(QByteArray, piece);
    QFETCH(QByteArray, piecexml);
    QFETCH(int, megabytes);
    const char *const actionpiece = piece.constData();
    const int times = megabytes * 1000 * 1000 / piece.size();
    const QByteArray xml = fixtureskin::skinxml().replace(
        transportbutton, "<button x=\"4\" y=\"4\" width=\"56\" height=\"52\" action=\""
                             + repeated(piecexml.constData(), times) + "\">");

    const QDomDocument written = runjob(xml);

    QString action;
    const QDomNodeList buttons = written.elementsByTagName("button");
    for (int i = 0; i < buttons.size(); ++i) {
        const QString value = buttons.at(i).toElement().attribute("action");
        if (value.size() > action.size())
            action = value;
    }
    QCOMPARE(action.size(), times * int(qstrlen(actionpiece)));
    QCOMPARE(action.left(3 * int(qstrlen(actionpiece))), QString(repeated(actionpiece, 3)));
    QVERIFY(action == QString::fromUtf8(repeated(actionpiece, times)));
}

// 80,000 buttons in one module's live panel, in a skin with many module
// pairs whose right-hand module is placed from its grouped twin.
void TestLargeSkins::manyControls()
{
    const int count = 80 * 1000;
    const int pairs = 80;
    const int firstextra = 6;   // the fixture has windows 1 to 5
    QByteArray modules;
    QByteArray variables = "$TYX_CTRL=0=1.00000";
    for (int pair = 0; pair < pairs; ++pair) {
        for (const char *side : {"D1_", "D2_"}) {
            modules += QString(" <window idx=\"%1\" name=\"%2PAIR%3\" prop=\"0\" width=\"100\" height=\"40\">"
                               "<panel add=\"yes\"><button x=\"0\" y=\"0\" width=\"40\" height=\"20\" "
                               "action=\"pair\"/></panel></window>\n")
                           .arg(firstextra + 2 * pair + (side[1] == '2'))
                           .arg(side)
                           .arg(pair)
                           .toUtf8();
        }
        variables += ", $TYX_PAIR" + QByteArray::number(pair) + "=0=" + QByteArray::number(1 + pair % 3) + ".00000";
    }
    QByteArray xml = fixtureskin::skinxml().replace(
        leftdeck, leftdeck + repeated("<button x=\"1\" y=\"2\" width=\"10\" height=\"10\" action=\"cue\"/>", count));
    xml.replace("</skin>", modules + "</skin>");
    QByteArray project = fixtureskin::project(fixtureskin::modules());
    project.replace("$TYX_CTRL=0=1.00000", variables);
    QByteArray places;
    for (int idx = firstextra; idx < firstextra + 2 * pairs; ++idx)
        places += "<idx" + QByteArray::number(idx) + " visible=\"yes\" x=\"" + QByteArray::number(idx * 10)
                  + "\" y=\"300\" width=\"100\" height=\"40\"/>\r\n";
    project.replace("</window>\r\n</skinWindows>", places + "</window>\r\n</skinWindows>");

    const QDomDocument written = runjob(xml, project);

    int cues = 0;
    int pairbuttons = 0;
    const QDomNodeList buttons = written.elementsByTagName("button");
    for (int i = 0; i < buttons.size(); ++i) {
        const QString action = buttons.at(i).toElement().attribute("action");
        cues += action == QLatin1String("cue");
        pairbuttons += action == QLatin1String("pair");
    }
    QCOMPARE(cues, count);
    QCOMPARE(pairbuttons, 2 * pairs);
}

QTEST_MAIN(TestLargeSkins)
#include "tst_largeskins.moc"
