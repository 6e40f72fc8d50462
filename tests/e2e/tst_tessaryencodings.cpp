// The create-skin job on Tessary skins whose skin.xml is in another
// encoding than UTF-8. The new skin's skin.xml, and the pruned document that
// the run writes and may read again, are UTF-8 and say so: a reader that
// takes the encoding from the XML declaration reads every character that
// the Tessary skin holds as it was. References to entities that the skin
// does not declare, which the host resolves, stay as the skin wrote them.
#include <QtTest>

#include <QDomDocument>
#include <QTextCodec>
#include <QXmlStreamReader>

#include "app/createskinjob.h"
#include "support/fixtureskin.h"
#include "support/headlessjob.h"
#include "support/skinzip.h"
#include "support/testsupport.h"

namespace {

// The fixture skin in encoding, declared as declared, its first deck's
// play button captioned caption, written as written where it is given (the
// encoder's own bytes otherwise).
QByteArray fixtureskinin(const char *encoding, const QByteArray &declared, const QString &caption,
                         const QByteArray &written = QByteArray())
{
    QString xml = QString::fromUtf8(fixtureskin::skinxml());
    const QString utf8 = QStringLiteral("encoding=\"UTF-8\"");
    const QString button = QStringLiteral("action=\"play_pause\">");
    if (!xml.contains(utf8) || !xml.contains(button))
        return QByteArray();
    xml.replace(utf8, QStringLiteral("encoding=\"%1\"").arg(QString::fromLatin1(declared)));
    const QString placeholder = QStringLiteral("@caption@");
    xml.replace(xml.indexOf(button), button.size(),
                QStringLiteral("action=\"play_pause\" text=\"%1\">").arg(written.isEmpty() ? caption : placeholder));
    QTextCodec::ConverterState withoutmark(QTextCodec::IgnoreHeader);
    QByteArray bytes = QTextCodec::codecForName(encoding)->fromUnicode(xml.constData(), xml.size(), &withoutmark);
    if (!written.isEmpty())
        bytes.replace(placeholder.toLatin1(), written);
    return QByteArray(encoding).startsWith("UTF-16") ? "\xff\xfe" + bytes : bytes;
}

// The "text" of every button, as QDomDocument and QXmlStreamReader read the
// document from its bytes, or what went wrong.
QStringList captions(const QByteArray &document)
{
    QDomDocument dom;
    QString error;
    if (!dom.setContent(document, &error))
        return {"not read by QDomDocument: " + error};
    QStringList bydom;
    const QDomNodeList buttons = dom.elementsByTagName("button");
    for (int i = 0; i < buttons.count(); ++i) {
        if (buttons.item(i).toElement().hasAttribute("text"))
            bydom << buttons.item(i).toElement().attribute("text");
    }
    QStringList bystream;
    QXmlStreamReader reader(document);
    while (reader.readNext() != QXmlStreamReader::Invalid && !reader.atEnd()) {
        if (reader.isStartElement() && reader.name() == QLatin1String("button")
            && reader.attributes().hasAttribute("text"))
            bystream << reader.attributes().value("text").toString();
    }
    if (reader.hasError())
        return {"not read by QXmlStreamReader: " + reader.errorString()};
    if (bydom != bystream)
        return {"QDomDocument reads " + bydom.join('|') + ", QXmlStreamReader " + bystream.join('|')};
    return bydom;
}

} // namespace

class TestTessaryEncodings : public QObject
{
    Q_OBJECT
private slots:
    void readsBackAsWritten_data();
    void readsBackAsWritten();
    void entityReferencesStayAsWritten_data();
    void entityReferencesStayAsWritten();

private:
    void runjob(const QByteArray &xml, QByteArray *pruned, QByteArray *document);

    QTemporaryDir m_files;
};

// The whole job on a Tessary skin whose skin.xml is xml, for a project that
// shows every module: the pruned document that the run leaves in the work
// folder until it cleans up, and the new skin's skin.xml.
void TestTessaryEncodings::runjob(const QByteArray &xml, QByteArray *pruned, QByteArray *document)
{
    const QString zip = m_files.filePath(QStringLiteral("%1/Tessary.zip").arg(QTest::currentDataTag()));
    const QString project = m_files.filePath("project.xml");
    QVERIFY(fixtureskin::writezip(zip, true, xml));
    QVERIFY(testsupport::writeFile(project, fixtureskin::project(fixtureskin::modules())));

    HeadlessJob rig(zip, QStringLiteral("Written"), 1920, 1080);
    CreateSkinJob job(rig.model, rig.paths, rig.steps());
    job.makefolders();
    QVERIFY(job.unpack());
    QVERIFY(job.readproject(project));
    QCOMPARE(job.build(), CreateSkinJob::Failure::None);
    *pruned = testsupport::readFile(rig.paths.skin + "/skin.xml");
    job.cleanup();
    *document = skinzip::entry(rig.paths.targetzip, "skin.xml");
}

void TestTessaryEncodings::readsBackAsWritten_data()
{
    QTest::addColumn<QByteArray>("encoding");
    QTest::addColumn<QByteArray>("declared");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QByteArray>("written");   // the caption's bytes, where not the encoder's
    const QString cafe = QString::fromUtf8("caf\xc3\xa9");
    QTest::newRow("UTF-8") << QByteArray("UTF-8") << QByteArray("UTF-8") << cafe << QByteArray();
    QTest::newRow("ISO-8859-1") << QByteArray("ISO-8859-1") << QByteArray("ISO-8859-1") << cafe << QByteArray();
    QTest::newRow("windows-1252") << QByteArray("windows-1252") << QByteArray("windows-1252")
                                  << QString::fromUtf8("caf\xc3\xa9 \xe2\x82\xac") << QByteArray();
    QTest::newRow("UTF-16 with a byte-order mark") << QByteArray("UTF-16LE") << QByteArray("UTF-16")
                                                   << QString::fromUtf8("caf\xc3\xa9 \xe4\xb8\x8d") << QByteArray();
    // Characters that the encoding writes in two ways, written in the way
    // its encoder does not.
    QTest::newRow("Shift_JIS, NEC-selected IBM extension")
        << QByteArray("Shift_JIS") << QByteArray("Shift_JIS") << QString(QChar(0x7E8A)) << QByteArray("\xed\x40");
    QTest::newRow("windows-31j, NEC special character")
        << QByteArray("windows-31j") << QByteArray("windows-31j") << QString(QChar(0x2252)) << QByteArray("\x87\x90");
    QTest::newRow("EUC-JP, JIS X 0212")
        << QByteArray("EUC-JP") << QByteArray("EUC-JP") << QString(QChar(0xFF5E)) << QByteArray("\x8f\xa2\xb7");
    // The rest of the document stays in JIS-Roman.
    QTest::newRow("ISO-2022-JP, back to JIS-Roman") << QByteArray("ISO-2022-JP") << QByteArray("ISO-2022-JP")
                                                    << QString::fromUtf8("\xe6\xbc\xa2\xe5\xad\x97")
                                                    << QByteArray("\x1b$B4A;z\x1b(J");
    QTest::newRow("ISO-2022-JP-2, a single shift to Latin-1") << QByteArray("ISO-2022-JP-2")
                                                              << QByteArray("ISO-2022-JP-2") << QString(QChar(0xC1))
                                                              << QByteArray("\x1b.A\x1bNA");
    QTest::newRow("Big5, a character it has twice")
        << QByteArray("Big5") << QByteArray("Big5") << QString(QChar(0x5341)) << QByteArray("\xa2\xcc");
}

void TestTessaryEncodings::readsBackAsWritten()
{
    QFETCH(QByteArray, encoding);
    QFETCH(QByteArray, declared);
    QFETCH(QString, caption);
    QFETCH(QByteArray, written);
    const QByteArray xml = fixtureskinin(encoding.constData(), declared, caption, written);
    QVERIFY(!xml.isEmpty());
    QByteArray pruned, document;
    runjob(xml, &pruned, &document);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(captions(pruned), QStringList(caption));
    QCOMPARE(captions(document), QStringList(caption));
}

void TestTessaryEncodings::entityReferencesStayAsWritten_data()
{
    QTest::addColumn<QByteArray>("tooltip");   // as skin.xml holds it
    QTest::addColumn<QByteArray>("written");   // as the new skin holds it
    QTest::newRow("between words") << QByteArray("My&nbsp;Skin") << QByteArray("My&nbsp;Skin");
    QTest::newRow("alone, one after the other") << QByteArray("&copy;&reg;") << QByteArray("&copy;&reg;");
    QTest::newRow("beside escaped text")
        << QByteArray("a &amp; b&nbsp;&lt;c&gt;") << QByteArray("a &amp; b&nbsp;&lt;c>");
    QTest::newRow("in an element of the text")
        << QByteArray("x<b>&nbsp;y</b>z") << QByteArray("x&nbsp;yz");
}

// A tooltip of a shown module's button goes into the new skin as text.
void TestTessaryEncodings::entityReferencesStayAsWritten()
{
    QFETCH(QByteArray, tooltip);
    QFETCH(QByteArray, written);
    const QByteArray anchor("<off x=\"0\" y=\"0\"/>");
    QByteArray xml = fixtureskin::skinxml();
    QCOMPARE(xml.count(anchor), 1);
    xml.replace(anchor, "<tooltip>" + tooltip + "</tooltip>" + anchor);
    QByteArray pruned, document;
    runjob(xml, &pruned, &document);
    if (QTest::currentTestFailed())
        return;
    for (const char *reference : {"&nbsp;", "&copy;", "&reg;"})
        QCOMPARE(pruned.count(reference), tooltip.count(reference));
    QVERIFY2(document.contains("<tooltip>" + written + "</tooltip>"), document.constData());
    QDomDocument back;
    QVERIFY(back.setContent(document));
}

QTEST_MAIN(TestTessaryEncodings)
#include "tst_tessaryencodings.moc"
