// The create-skin job on broken Tessary skins and absurd layouts: a picture
// that does not decode, a sheet that would need gigabytes, an entry of the
// zip that claims gigabytes. Each stops the job with its own message and
// leaves no skin in the skins folder; values that only push pieces out of
// reach are skipped and the job completes.
#include <QtTest>

#include <QBuffer>

#include "app/createskinjob.h"
#include "fileio/fileio.h"
#include "support/addressspacelimit.h"
#include "support/fixtureskin.h"
#include "support/headlessjob.h"
#include "support/pngfile.h"
#include "support/skinzip.h"
#include "support/testsupport.h"

namespace {

using Failure = CreateSkinJob::Failure;

QByteArray fixturepicture(const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    fixtureskin::skinimage().save(&buffer, format);
    return bytes;
}

QByteArray fixturepng()
{
    return fixturepicture("PNG");
}

// The fixture picture followed by zeros up to bytes: a reader stops at the
// picture's end.
QByteArray paddedpng(int bytes)
{
    QByteArray png = fixturepng();
    return png + QByteArray(bytes - png.size(), '\0');
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
        rig.reset(new HeadlessJob(zip, QStringLiteral("Broken"), screen.width(), screen.height()));
        if (!earlier.isEmpty() && !testsupport::writeFile(rig->paths.targetzip, earlier))
            return Failure::Pack;
        CreateSkinJob job(rig->model, rig->paths, rig->steps());
        job.makefolders();
        Failure failure = Failure::Unpack;
        if (job.unpack()) {
            failure = Failure::Prepare;
            if (job.readproject(project)) {
                QScopedPointer<testsupport::AddressSpaceLimit> limit;
                if (addressroom != 0)
                    limit.reset(new testsupport::AddressSpaceLimit(addressroom));
                failure = !limit || limit->isapplied() ? job.build() : Failure::Write;
            }
        }
        text = job.failuretext(failure);
        job.cleanup();
        return failure;
    }

    bool skinwritten() const { return QFileInfo::exists(rig->paths.targetzip); }

    QString zip;
    QString project;
    QSize screen{1920, 1080};
    // An earlier skin of the same name, when not empty.
    QByteArray earlier;
    // When not 0, the memory that the job may take beyond what the process
    // has while it builds the skin.
    qint64 addressroom = 0;
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
    void pictureNotPng_data();
    void pictureNotPng();
    void oversizedLayout_data();
    void oversizedLayout();
    void oversizedDesktop_data();
    void oversizedDesktop();
    void outOfReachLayout_data();
    void outOfReachLayout();
    void pictureBeyondItsBound_data();
    void pictureBeyondItsBound();
    void pictureAtItsBound();
    void pictureWithoutMemory();
    void oversizedEntry_data();
    void oversizedEntry();
    void pictureAtItsByteBound();

private:
    QTemporaryDir m_files;
};

void TestBadTessary::unreadablePicture_data()
{
    QTest::addColumn<QByteArray>("png");
    QTest::newRow("truncated") << fixturepng().left(fixturepng().size() / 2);
    QTest::newRow("bit flipped") << bitflipped();
    QTest::newRow("zero width") << pngclaiming(0, 180);
    QTest::newRow("zero height") << pngclaiming(240, 0);
    // Its rows are those of 240 x 180 pixels.
    QTest::newRow("header claims more rows") << pngclaiming(240, 360);
    // More rows than a PNG reader takes.
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

void TestBadTessary::pictureNotPng_data()
{
    QTest::addColumn<QByteArray>("picture");
    for (const char *format : {"BMP", "JPEG", "GIF"})
        QTest::newRow(format) << fixturepicture(format);
    QTest::newRow("text") << QByteArray("this is no picture");
    QTest::newRow("empty file") << QByteArray();
    // A PNG file's signature with a byte changed.
    QTest::newRow("signature cut short") << QByteArray(fixturepng()).remove(4, 1);
}

// A picture in another format under the name skin.png is told apart from
// a broken PNG file: the message says what it must be.
void TestBadTessary::pictureNotPng()
{
    QFETCH(QByteArray, picture);
    BadRun run(m_files.path(), fixtureskin::skinxml(), picture);
    QVERIFY(run.ok);

    QCOMPARE(run.run(), Failure::SourceNotPng);
    QCOMPARE(run.text, "Skin has not been created.\nThe picture skin.png of the Tessary skin in "
                           + run.rig->paths.sourcezip + " is not a PNG picture. It must be one.");
    QVERIFY(!run.skinwritten());
}

void TestBadTessary::oversizedLayout_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QByteArray>("project");
    QTest::addColumn<QSize>("refused");
    const QByteArray project = fixtureskin::project(fixtureskin::modules());
    const QByteArray leftmodule("<idx2 visible=\"yes\" x=\"420\" y=\"100\" width=\"200\"");
    QVERIFY(project.contains(leftmodule));
    QByteArray widemodule = project;
    widemodule.replace(leftmodule, "<idx2 visible=\"yes\" x=\"420\" y=\"100\" width=\"2147483647\"");
    // Its pieces grow past the largest a piece may be (2^20 pixels a side).
    QTest::newRow("module 2147483647 wide") << fixtureskin::skinxml() << widemodule << QSize(1048576, 1048576);

    const QByteArray button("<button x=\"4\" y=\"4\" width=\"56\" height=\"52\" action=\"play_pause\">");
    QByteArray hugebutton = fixtureskin::skinxml();
    QVERIFY(hugebutton.contains(button));
    hugebutton.replace(button, "<button x=\"4\" y=\"4\" width=\"1000000\" height=\"1000000\" action=\"play_pause\">");
    // The button's piece opens a shelf at row 1120, below the 1080 rows of
    // the desktop and the pieces packed before it; the sheet ends 10 rows
    // below the piece.
    QTest::newRow("button 1000000 x 1000000") << hugebutton << project << QSize(1920, 1120 + 1000000 + 10);
}

void TestBadTessary::oversizedLayout()
{
    QFETCH(QByteArray, xml);
    QFETCH(QByteArray, project);
    QFETCH(QSize, refused);
    BadRun run(m_files.path(), xml, fixturepng(), project);
    QVERIFY(run.ok);

    QElapsedTimer timer;
    timer.start();
    QCOMPARE(run.run(), Failure::SheetTooLarge);
    // Refused before the pixels are made, not after seconds of growing.
    QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(run.text, QString("Skin has not been created.\nThe picture of the new skin would be %1 x %2 pixels, "
                               "more than the 8192 x 8192 pixels it may hold.\n"
                               "Check the sizes of the modules in the project.")
                           .arg(refused.width())
                           .arg(refused.height()));
    QVERIFY(!run.skinwritten());
}

void TestBadTessary::oversizedDesktop_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::newRow("16K desktop") << QSize(15360, 8640);
    QTest::newRow("one row past the bound") << QSize(8192, 8193);
    QTest::newRow("a side past the bound") << QSize(1000001, 1);
}

// A desktop whose background alone passes the picture bound stops the job
// before a piece is packed, and the message blames the desktop, not the
// modules.
void TestBadTessary::oversizedDesktop()
{
    QFETCH(QSize, screen);
    BadRun run(m_files.path(), fixtureskin::skinxml(), fixturepng());
    QVERIFY(run.ok);
    run.screen = screen;

    QCOMPARE(run.run(), Failure::DesktopTooLarge);
    QCOMPARE(run.text, QString("Skin has not been created.\nThe desktop of %1 x %2 pixels is too large: the "
                               "picture of the new skin holds the desktop's background and may hold no more "
                               "than 8192 x 8192 pixels.")
                           .arg(screen.width())
                           .arg(screen.height()));
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

void TestBadTessary::pictureBeyondItsBound_data()
{
    QTest::addColumn<QByteArray>("png");
    QTest::addColumn<QSize>("size");
    // Made whole: a picture that would take 1 GiB once decoded.
    QTest::newRow("16384 x 16384") << pngfile::make(16384, 16384) << QSize(16384, 16384);
    QTest::newRow("one row past the bound, 16 bits a channel") << pngfile::make(4096, 4097, 16) << QSize(4096, 4097);
    QTest::newRow("header claims 2^31 pixels") << pngclaiming(65536, 32768) << QSize(65536, 32768);
}

// A picture past its bound stops the job before it is decoded or anything
// else is made, with a message that names it and gives its size against
// the bound; an earlier skin of the same name stays, and nothing is left
// in the work folder.
void TestBadTessary::pictureBeyondItsBound()
{
    QFETCH(QByteArray, png);
    QFETCH(QSize, size);
    BadRun run(m_files.path(), fixtureskin::skinxml(), png);
    QVERIFY(run.ok);
    run.earlier = "an earlier skin";

    QElapsedTimer timer;
    timer.start();
    QCOMPARE(run.run(), Failure::SourceTooLarge);
    QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(run.text, QString("Skin has not been created.\nskin.png in %1 is larger than any real one "
                               "(%2 x %3 pixels, more than the 4096 x 4096 pixels it may hold).")
                           .arg(run.rig->paths.sourcezip)
                           .arg(size.width())
                           .arg(size.height()));
    QCOMPARE(testsupport::readFile(run.rig->paths.targetzip), run.earlier);
    QVERIFY(run.rig->pieces.isEmpty());
    const QDir work(run.rig->paths.workdir);
    QCOMPARE(work.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList({"projects"}));
}

// A picture at its bound in the costliest pixels is read and packed.
void TestBadTessary::pictureAtItsBound()
{
    BadRun run(m_files.path(), fixtureskin::skinxml(), pngfile::make(4096, 4096, 16));
    QVERIFY(run.ok);
    QCOMPARE(run.run(), Failure::None);
    QVERIFY(run.skinwritten());
    QVERIFY(!run.rig->pieces.isEmpty());
}

// A picture within its bound that this machine has no memory for is not
// reported as broken.
void TestBadTessary::pictureWithoutMemory()
{
    if (testsupport::hasaddresssanitizer)
        QSKIP("the address sanitizer aborts the process on a failed allocation");
    BadRun run(m_files.path(), fixtureskin::skinxml(), pngfile::make(4096, 4096, 16));
    QVERIFY(run.ok);
    run.addressroom = 64 << 20;
    QCOMPARE(run.run(), Failure::SourceMemory);
    QCOMPARE(run.text, "Skin has not been created.\nThere is not enough memory to read skin.png in "
                           + run.rig->paths.sourcezip + " (4096 x 4096 pixels).");
    QVERIFY(!run.skinwritten());
}

void TestBadTessary::oversizedEntry_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<quint32>("declared");   // 0: as written
    QTest::addColumn<qint64>("bound");
    const QByteArray xml = fixtureskin::skinxml();
    const int xmlbound = int(fileio::skinxmllimits.bytes);
    QTest::newRow("skin.png declares 4 GB") << "skin.png" << fixturepng() << quint32(0xf0000000)
                                            << fileio::skinpicturelimit;
    QTest::newRow("skin.xml declares 4 GB") << "skin.xml" << xml << quint32(0xf0000000)
                                            << fileio::skinxmllimits.bytes;
    // Written out, so that a bound set back to a larger one shows.
    const int pngbound = 32 * 1024 * 1024;
    QTest::newRow("skin.png a byte past its bound")
        << "skin.png" << paddedpng(pngbound + 1) << quint32(0) << qint64(pngbound);
    QTest::newRow("skin.xml a byte past its bound")
        << "skin.xml" << QByteArray(xml).replace("</skin>", QByteArray(xmlbound + 1 - xml.size(), ' ') + "</skin>")
        << quint32(0) << fileio::skinxmllimits.bytes;
}

// Each entry is held to its own bound, and the message gives that bound.
void TestBadTessary::oversizedEntry()
{
    QFETCH(QString, entry);
    QFETCH(QByteArray, bytes);
    QFETCH(quint32, declared);
    QFETCH(qint64, bound);
    QVERIFY(fileio::skinxmllimits.bytes != fileio::skinpicturelimit);
    const bool isxml = entry == "skin.xml";
    BadRun run(m_files.path(), isxml ? bytes : fixtureskin::skinxml(), isxml ? fixturepng() : bytes);
    QVERIFY(run.ok);
    if (declared != 0)
        QVERIFY(skinzip::setdeclaredsize(run.zip, entry.toLatin1(), declared));

    QCOMPARE(run.run(), Failure::Unpack);
    QCOMPARE(run.text, QString("Skin has not been created.\nThe Tessary skin could not be unpacked from %1:\n"
                               "%2 is larger than %3 MB.")
                           .arg(run.rig->paths.sourcezip, entry)
                           .arg(bound / (1024 * 1024)));
    QVERIFY(!run.skinwritten());
}

// A picture of as many bytes as its bound allows is unpacked and used.
void TestBadTessary::pictureAtItsByteBound()
{
    BadRun run(m_files.path(), fixtureskin::skinxml(), paddedpng(32 * 1024 * 1024));
    QVERIFY(run.ok);
    QCOMPARE(run.run(), Failure::None);
    QVERIFY(run.skinwritten());
    QVERIFY(!run.rig->pieces.isEmpty());
}

QTEST_MAIN(TestBadTessary)
#include "tst_badtessary.moc"
