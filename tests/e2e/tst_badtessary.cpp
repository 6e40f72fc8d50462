// The create-skin job on broken Tessary skins and absurd layouts: a picture
// that does not decode, a sheet that would need gigabytes, an entry of the
// zip that claims gigabytes. Each stops the job with its own message and
// leaves no skin in the skins folder; values that only push pieces out of
// reach are skipped and the job completes.
#include <QtTest>

#include <QBuffer>

#include "app/createskinjob.h"
#include "support/fixtureskin.h"
#include "support/headlessjob.h"
#include "support/skinzip.h"
#include "support/testsupport.h"

namespace {

using Failure = CreateSkinJob::Failure;

QByteArray fixturepng()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    fixtureskin::skinimage().save(&buffer, "PNG");
    return bytes;
}

quint32 pngcrc(const QByteArray &bytes)
{
    quint32 crc = 0xffffffff;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320 & (0u - (crc & 1)));
    }
    return ~crc;
}

void putbigendian(QByteArray &bytes, int at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char((value >> (8 * (3 - i))) & 0xff);
}

// The fixture picture with its header claiming another size, check sum
// mended, so only the size is wrong.
QByteArray pngclaiming(quint32 width, quint32 height)
{
    QByteArray png = fixturepng();
    putbigendian(png, 16, width);
    putbigendian(png, 20, height);
    putbigendian(png, 29, pngcrc(png.mid(12, 17)));
    return png;
}

QByteArray bitflipped()
{
    QByteArray png = fixturepng();
    png[png.size() / 2] = char(png.at(png.size() / 2) ^ 0x10);
    return png;
}

// One job over a Tessary zip of skin.xml and skin.png and the fixture
// project as changed by projectedit.
struct BadRun
{
    BadRun(const QString &folder, const QByteArray &xml, const QByteArray &png,
           const QByteArray &projecttext = fixtureskin::project(fixtureskin::modules()))
        : zip(folder + "/Tessary.zip"), project(folder + "/project.xml")
    {
        ok = skinzip::write(zip, {{"skin.xml", xml}, {"skin.png", png}, {"preview.png", "preview"}})
             && testsupport::writeFile(project, projecttext);
    }

    Failure run()
    {
        rig.reset(new HeadlessJob(zip, QStringLiteral("Broken"), 1920, 1080));
        CreateSkinJob job(rig->model, rig->paths, rig->steps());
        job.makefolders();
        Failure failure = Failure::Unpack;
        if (job.unpack())
            failure = job.readproject(project) ? job.build() : Failure::Prepare;
        text = job.failuretext(failure);
        job.cleanup();
        return failure;
    }

    bool skinwritten() const { return QFileInfo::exists(rig->paths.targetzip); }

    QString zip;
    QString project;
    bool ok = false;
    QString text;
    QScopedPointer<HeadlessJob> rig;
};

} // namespace

class TestBadTessary : public QObject
{
    Q_OBJECT
private slots:
    void unreadablePicture_data();
    void unreadablePicture();
    void oversizedLayout_data();
    void oversizedLayout();
    void outOfReachLayout_data();
    void outOfReachLayout();
    void oversizedEntry();

private:
    QTemporaryDir m_files;
};

void TestBadTessary::unreadablePicture_data()
{
    QTest::addColumn<QByteArray>("png");
    QTest::newRow("text") << QByteArray("this is no picture");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("truncated") << fixturepng().left(fixturepng().size() / 2);
    QTest::newRow("bit flipped") << bitflipped();
    QTest::newRow("zero width") << pngclaiming(0, 180);
    QTest::newRow("zero height") << pngclaiming(240, 0);
    QTest::newRow("header claims 2^31 pixels") << pngclaiming(65536, 32768);
    QTest::newRow("header claims a million rows") << pngclaiming(240, 1000001);
}

void TestBadTessary::unreadablePicture()
{
    QFETCH(QByteArray, png);
    BadRun run(m_files.path(), fixtureskin::skinxml(), png);
    QVERIFY(run.ok);

    QCOMPARE(run.run(), Failure::SourcePicture);
    QVERIFY2(run.text.contains("skin.png") && run.text.contains(run.rig->paths.sourcezip), qPrintable(run.text));
    QVERIFY(!run.skinwritten());
}

void TestBadTessary::oversizedLayout_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QByteArray>("project");
    const QByteArray project = fixtureskin::project(fixtureskin::modules());
    const QByteArray leftmodule("<idx2 visible=\"yes\" x=\"420\" y=\"100\" width=\"200\"");
    QVERIFY(project.contains(leftmodule));
    QByteArray widemodule = project;
    widemodule.replace(leftmodule, "<idx2 visible=\"yes\" x=\"420\" y=\"100\" width=\"2147483647\"");
    QTest::newRow("module 2147483647 wide") << fixtureskin::skinxml() << widemodule;

    const QByteArray button("<button x=\"4\" y=\"4\" width=\"56\" height=\"52\" action=\"play_pause\">");
    QByteArray hugebutton = fixtureskin::skinxml();
    QVERIFY(hugebutton.contains(button));
    hugebutton.replace(button, "<button x=\"4\" y=\"4\" width=\"1000000\" height=\"1000000\" action=\"play_pause\">");
    QTest::newRow("button 1000000 x 1000000") << hugebutton << project;
}

void TestBadTessary::oversizedLayout()
{
    QFETCH(QByteArray, xml);
    QFETCH(QByteArray, project);
    BadRun run(m_files.path(), xml, fixturepng(), project);
    QVERIFY(run.ok);

    QElapsedTimer timer;
    timer.start();
    QCOMPARE(run.run(), Failure::SheetTooLarge);
    // Refused before the pixels are made, not after seconds of growing.
    QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY2(run.text.contains("16384 x 16384"), qPrintable(run.text));
    QVERIFY(!run.skinwritten());
}

void TestBadTessary::outOfReachLayout_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    const QByteArray module("<idx2 visible=\"yes\" x=\"420\" y=\"100\" width=\"200\"");
    QTest::newRow("module -2147483648 wide")
        << module << QByteArray("<idx2 visible=\"yes\" x=\"420\" y=\"100\" width=\"-2147483648\"");
    QTest::newRow("module at x 2147483647")
        << module << QByteArray("<idx2 visible=\"yes\" x=\"2147483647\" y=\"100\" width=\"200\"");
    QTest::newRow("module at y -2147483648")
        << module << QByteArray("<idx2 visible=\"yes\" x=\"420\" y=\"-2147483648\" width=\"200\"");
}

// Pieces of negative size and places past the int range are skipped; what
// the skin still holds is written.
void TestBadTessary::outOfReachLayout()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QByteArray project = fixtureskin::project(fixtureskin::modules());
    QVERIFY(project.contains(from));
    project.replace(from, to);
    BadRun run(m_files.path(), fixtureskin::skinxml(), fixturepng(), project);
    QVERIFY(run.ok);

    QCOMPARE(run.run(), Failure::None);
    QDomDocument document;
    QVERIFY(document.setContent(skinzip::entry(run.rig->paths.targetzip, "skin.xml")));
    QImage sheet;
    QVERIFY(sheet.loadFromData(skinzip::entry(run.rig->paths.targetzip, "skin.png"), "PNG"));
    QCOMPARE(sheet.width(), 1920);
}

void TestBadTessary::oversizedEntry()
{
    BadRun run(m_files.path(), fixtureskin::skinxml(), fixturepng());
    QVERIFY(run.ok);
    QVERIFY(skinzip::setdeclaredsize(run.zip, "skin.png", 0xf0000000));

    QCOMPARE(run.run(), Failure::Unpack);
    QVERIFY2(run.text.contains("skin.png is larger than 128 MB"), qPrintable(run.text));
    QVERIFY(!run.skinwritten());
}

QTEST_MAIN(TestBadTessary)
#include "tst_badtessary.moc"
