// The create-skin job's output on the built-in demo projects, pinned: the
// exact bytes of skin.xml and the decoded pixels of skin.png and
// mypreview.png. Any change to how the job reads, prunes, packs or encodes
// must leave these as they are. The preview's lettering is drawn with
// whatever fonts the machine has, so its text band is left out.
#include <QtTest>

#include "app/createskinjob.h"
#include "support/headlessjob.h"
#include "support/skinzip.h"

#include <QCryptographicHash>

namespace {

// Rows of mypreview.png that hold the skin's name.
const int letteringtop = 20;
const int letteringbottom = 220;

QString sha1(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
}

// The hash of an image's pixels as 32-bit ARGB, row by row, whatever the
// PNG's own layout; rows from skipfrom up to skipto are left out.
QString pixelhash(const QByteArray &png, int skipfrom = 0, int skipto = 0)
{
    QImage image;
    if (!image.loadFromData(png, "PNG"))
        return QStringLiteral("undecodable");
    image = image.convertToFormat(QImage::Format_ARGB32);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    const QByteArray size = QByteArray::number(image.width()) + 'x' + QByteArray::number(image.height());
    hash.addData(size);
    for (int y = 0; y < image.height(); ++y) {
        if (y >= skipfrom && y < skipto)
            continue;
        hash.addData(reinterpret_cast<const char *>(image.constScanLine(y)), image.width() * 4);
    }
    return QString::fromLatin1(hash.result().toHex());
}

struct JobOutput
{
    CreateSkinJob::Failure failure = CreateSkinJob::Failure::Unpack;
    QByteArray document;
    QByteArray sheet;
    QByteArray preview;
};

// One whole job on a demo project, as the main window runs it, with the
// project's own screen size.
JobOutput runjob(const QString &project, int screenwidth, int screenheight)
{
    HeadlessJob rig(QStringLiteral("://Resources/Tessary.zip"), QStringLiteral("Pinned"),
                    screenwidth, screenheight);
    rig.model.initzones(project);
    CreateSkinJob job(rig.model, rig.paths, rig.steps());
    job.makefolders();
    JobOutput output;
    if (job.unpack())
        output.failure = job.readproject(project) ? job.build() : CreateSkinJob::Failure::Prepare;
    job.cleanup();
    output.document = skinzip::entry(rig.paths.targetzip, QStringLiteral("skin.xml"));
    output.sheet = skinzip::entry(rig.paths.targetzip, QStringLiteral("skin.png"));
    output.preview = skinzip::entry(rig.paths.targetzip, QStringLiteral("mypreview.png"));
    return output;
}

} // namespace

class TestJobOutput : public QObject
{
    Q_OBJECT
private slots:
    void pinned_data();
    void pinned();
};

void TestJobOutput::pinned_data()
{
    QTest::addColumn<QString>("project");
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("preview");
    // The preview is the same picture on every row once its lettering is left out.
    const QString preview = QStringLiteral("409c8000bf5faa93327d34880a9f7486b065d30d");
    // clang-format off
    QTest::newRow("Demo 1 1920x1080") << "Demo 1" << QSize(1920, 1080)
        << "fedad5464da9e7872c1d8d3540718b181c9262bc"
        << "e09f91dc616e5855807d4f2b2ca874741bcad813" << preview;
    QTest::newRow("Demo 2 1920x1080") << "Demo 2" << QSize(1920, 1080)
        << "085b62bab1048d0b7253ff82f8578df15af80123"
        << "db874979027bf61b9eb4e0ada47a5e2504dd71e2" << preview;
    QTest::newRow("Demo 3 1920x1080") << "Demo 3" << QSize(1920, 1080)
        << "aa2df07576f7cdad5a87610735c2accaea9ea817"
        << "f020089d76ed1e9652950fcf51ae550eaae302e2" << preview;
    QTest::newRow("Demo 1 3840x2160") << "Demo 1" << QSize(3840, 2160)
        << "6961da2fee8ef032d0ed10e3b96db3642c8a605b"
        << "67a22d10dd7bfa1fbb43f319e2d74fe980a40260" << preview;
    QTest::newRow("Demo 2 1366x768") << "Demo 2" << QSize(1366, 768)
        << "4e884aba5d66a52d8a22fe773954ed074912f4d3"
        << "6482d950678d3d647c0e238651d62a599f3998f8" << preview;
    // clang-format on
}

void TestJobOutput::pinned()
{
    QFETCH(QString, project);
    QFETCH(QSize, screen);
    const JobOutput output = runjob(QStringLiteral("://Resources/%1.xml").arg(project),
                                    screen.width(), screen.height());
    QCOMPARE(output.failure, CreateSkinJob::Failure::None);
    QFETCH(QString, document);
    QFETCH(QString, sheet);
    QFETCH(QString, preview);
    QCOMPARE(sha1(output.document), document);
    QCOMPARE(pixelhash(output.sheet), sheet);
    QCOMPARE(pixelhash(output.preview, letteringtop, letteringbottom), preview);
}

QTEST_MAIN(TestJobOutput)
#include "tst_joboutput.moc"
