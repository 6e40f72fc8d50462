// Every built-in resource is the output of tyx-resgen: running it again must
// give the committed files. Texts and the zip's entries must match exactly;
// pictures are compared decoded, within the unit that Qt's raster engine
// rounds differently from one processor to the next, so the check holds on
// every machine and still fails when a picture really changes.
#include <QtTest>
#include <QDir>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include "support/picturecompare.h"
#include "support/skinzip.h"
#include "support/testsupport.h"

namespace {

// The processor features whose routines Qt's raster engine picks when it
// can; switched off, it rounds as a processor without them would.
const char *const simdfeatures = "ssse3 sse4.1 sse4.2 avx avx2 avx512f avx512bw avx512dq avx512vl";

bool ispicture(const QString &name) { return name.endsWith(QLatin1String(".png")); }

// Empty when a generated zip holds what the committed one holds: the same
// entries, texts byte for byte, pictures within the drawing tolerance.
QString zipdifference(const QString &fresh, const QString &committed)
{
    const QStringList entries = skinzip::entries(fresh);
    if (entries.isEmpty())
        return QStringLiteral("cannot be read");
    if (entries != skinzip::entries(committed))
        return QStringLiteral("entries ") + entries.join(QLatin1Char(' ')) + QStringLiteral(", committed ")
               + skinzip::entries(committed).join(QLatin1Char(' '));
    for (const QString &entry : entries) {
        const QByteArray mine = skinzip::entry(fresh, entry);
        const QByteArray theirs = skinzip::entry(committed, entry);
        const QString difference = ispicture(entry) ? testsupport::encodedpicturedifference(mine, theirs)
                                   : mine == theirs ? QString()
                                                    : QStringLiteral("differs");
        if (!difference.isEmpty())
            return entry + QStringLiteral(": ") + difference;
    }
    return QString();
}

// Empty when a generated resource file matches the committed one.
QString resourcedifference(const QString &fresh, const QString &committed)
{
    if (fresh.endsWith(QLatin1String(".zip")))
        return zipdifference(fresh, committed);
    const QByteArray mine = testsupport::readFile(fresh);
    const QByteArray theirs = testsupport::readFile(committed);
    if (mine.isEmpty())
        return QStringLiteral("is empty");
    if (ispicture(fresh))
        return testsupport::encodedpicturedifference(mine, theirs);
    return mine == theirs ? QString() : QStringLiteral("differs");
}

QImage committedpicture(const QString &name)
{
    return QImage(QDir(QStringLiteral(TYX_RESOURCES_DIR)).filePath(name));
}

// The picture with every channel of every visible pixel moved by one unit,
// up or down by turns, as another processor's rounding moves it.
QImage roundedapart(const QImage &picture)
{
    QImage image = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int a = qAlpha(line[x]);
            const int step = (x + y) % 2 ? 1 : -1;
            const auto move = [&](int c) { return qBound(0, c + step, a); };
            if (a > 0 && a < 255)
                line[x] = qRgba(move(qRed(line[x])), move(qGreen(line[x])), move(qBlue(line[x])), a);
        }
    }
    return image.convertToFormat(picture.format());
}

QImage movedright(const QImage &picture)
{
    QImage image(picture.size(), picture.format());
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(1, 0, picture);
    return image;
}

// The picture with the channels of one pixel moved by amount, as far as
// premultiplied values allow: within the alpha, or the alpha itself when the
// pixel is clear.
QImage nudged(const QImage &picture, const QPoint &at, int amount)
{
    QImage image = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRgb pixel = image.pixel(at);
    const int a = qAlpha(pixel);
    const auto move = [&](int c) { return c + amount <= a ? c + amount : c - amount; };
    image.setPixel(at, a == 0 ? qRgba(0, 0, 0, amount)
                              : qRgba(move(qRed(pixel)), move(qGreen(pixel)), move(qBlue(pixel)), a));
    return image.convertToFormat(picture.format());
}

} // namespace

class TestGenerator : public QObject
{
    Q_OBJECT
private slots:
    void reproducesEveryResource_data();
    void reproducesEveryResource();
    void pictureChanges_data();
    void pictureChanges();
};

void TestGenerator::reproducesEveryResource_data()
{
    QTest::addColumn<QString>("cpufeaturesoff");
    QTest::newRow("this processor") << QString();
    // Other rounding in antialiased edges and gradients must still match.
    QTest::newRow("plain routines") << QString(simdfeatures);
}

void TestGenerator::reproducesEveryResource()
{
    QFETCH(QString, cpufeaturesoff);
    QTemporaryDir out;
    QVERIFY(out.isValid());
    QProcess generator;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!cpufeaturesoff.isEmpty())
        environment.insert(QStringLiteral("QT_NO_CPU_FEATURE"), cpufeaturesoff);
    generator.setProcessEnvironment(environment);
    generator.start(QStringLiteral(TYX_RESGEN), {out.path()});
    QVERIFY(generator.waitForFinished(300000));
    QCOMPARE(generator.exitStatus(), QProcess::NormalExit);
    QCOMPARE(generator.exitCode(), 0);

    const QStringList made = QDir(out.path()).entryList(QDir::Files, QDir::Name);
    QVERIFY(made.contains(QStringLiteral("Tessary.zip")));
    QVERIFY(made.contains(QStringLiteral("Demo 1.xml")));
    QVERIFY(made.contains(QStringLiteral("icons.png")));
    for (const QString &name : made) {
        const QString difference = resourcedifference(
            out.filePath(name), QDir(QStringLiteral(TYX_RESOURCES_DIR)).filePath(name));
        QVERIFY2(difference.isEmpty(),
                 qPrintable(name + QStringLiteral(" ") + difference
                            + QStringLiteral(" from resources/; run tyx-resgen resources/")));
    }
}

void TestGenerator::pictureChanges_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QImage>("changed");
    QTest::addColumn<QString>("verdict");   // how the difference begins; empty when it must pass

    const QString logoname = QStringLiteral("halvenorlogo.png"), iconsname = QStringLiteral("icons.png");
    const QImage logo = committedpicture(logoname), icons = committedpicture(iconsname);
    const int beyond = testsupport::drawingtolerance + 1;
    QTest::newRow("logo unchanged") << logoname << logo << QString();
    QTest::newRow("logo rounded a unit apart") << logoname << roundedapart(logo) << QString();
    QTest::newRow("icons rounded a unit apart") << iconsname << roundedapart(icons) << QString();
    QTest::newRow("logo moved by a pixel") << logoname << movedright(logo) << QStringLiteral("pixel ");
    QTest::newRow("icons moved by a pixel") << iconsname << movedright(icons) << QStringLiteral("pixel ");
    QTest::newRow("one logo pixel in another colour")
        << logoname << nudged(logo, {64, 40}, 120) << QStringLiteral("pixel 64,40 differs by 120 ");
    QTest::newRow("one icon pixel just beyond the tolerance")
        << iconsname << nudged(icons, {500, 300}, beyond)
        << QStringLiteral("pixel 500,300 differs by %1 ").arg(beyond);
    QTest::newRow("another size") << logoname << logo.copy(0, 0, 127, 128)
                                  << QStringLiteral("size 127x128, expected 128x128");
    QTest::newRow("another format") << logoname << logo.convertToFormat(QImage::Format_RGB32)
                                    << QStringLiteral("format ");
}

// The picture comparison lets another processor's rounding through and
// nothing more: a moved shape or another colour fails, naming the pixel.
void TestGenerator::pictureChanges()
{
    QFETCH(QString, name);
    QFETCH(QImage, changed);
    QFETCH(QString, verdict);
    QVERIFY(!changed.isNull());
    QByteArray encoded;
    QBuffer buffer(&encoded);
    QVERIFY(buffer.open(QIODevice::WriteOnly) && changed.save(&buffer, "PNG"));
    const QByteArray committed = testsupport::readFile(QDir(QStringLiteral(TYX_RESOURCES_DIR)).filePath(name));

    const QString difference = testsupport::encodedpicturedifference(encoded, committed);
    if (verdict.isEmpty())
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    else
        QVERIFY2(difference.startsWith(verdict), qPrintable(QStringLiteral("\"%1\" should begin with \"%2\"")
                                                            .arg(difference, verdict)));
}

QTEST_GUILESS_MAIN(TestGenerator)
#include "tst_generator.moc"
