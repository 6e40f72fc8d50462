// No picture work of the tool goes to Qt's thread pool. Qt 5.15 splits the
// conversion of a large picture over QThreadPool::globalInstance() and waits
// for it on a semaphore whose release may write into the waiter's freed
// stack; the tool converts on the calling thread instead. Each step runs
// while every thread of that pool is kept busy: work handed to the pool
// would wait for it, so the step must finish while the pool is still held.
#include <QtTest>

#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QPainter>

#include "app/createskinjob.h"
#include "fileio/pictureconversion.h"
#include "preview/previewscenes.h"
#include "preview/wavepreview.h"
#include "support/headlessjob.h"
#include "support/heldpool.h"
#include "writer/imagesheet.h"

namespace {

enum class Step { Sheet, Preview, BrowserPicture, WavePreviews, WaveBand, Job };

// A desktop-sized picture with every alpha from clear to opaque, so that
// every conversion of it has work to do.
QImage desktoppicture(const QSize &size)
{
    QImage picture(size, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            line[x] = qRgba(x % 256, y % 256, (x + y) % 256, (x * 7 + y) % 256);
    }
    return picture;
}

// Every pixmap item of scene, painted over a desktop-sized image.
bool renderscene(QGraphicsScene &scene, const QSize &size)
{
    QImage target(size, QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::transparent);
    QPainter painter(&target);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    scene.render(&painter);
    painter.end();
    const QList<QGraphicsItem *> items = scene.items();
    return std::any_of(items.begin(), items.end(), [](QGraphicsItem *item) {
        auto *pixmap = qgraphicsitem_cast<QGraphicsPixmapItem *>(item);
        return pixmap && !pixmap->pixmap().isNull();
    });
}

} // namespace

Q_DECLARE_METATYPE(Step)

class TestHeldPool : public QObject
{
    Q_OBJECT
private slots:
    void stepfinishes_data();
    void stepfinishes();
};

void TestHeldPool::stepfinishes_data()
{
    QTest::addColumn<Step>("step");
    QTest::addColumn<QSize>("screen");
    for (const QSize &screen : {QSize(1920, 1080), QSize(3840, 2160)}) {
        const QByteArray size = QByteArray::number(screen.width()) + 'x' + QByteArray::number(screen.height());
        QTest::newRow(("sheet as saved " + size).constData()) << Step::Sheet << screen;
        QTest::newRow(("preview from a picture of " + size).constData()) << Step::Preview << screen;
        QTest::newRow(("browser picture of " + size).constData()) << Step::BrowserPicture << screen;
        QTest::newRow(("Create Skin job at " + size).constData()) << Step::Job << screen;
    }
    QTest::newRow("wave previews") << Step::WavePreviews << QSize(1920, 1080);
    // The built-in bands are too small for Qt to split their conversion;
    // a band of a desktop's size is not.
    QTest::newRow("wave band of 1920x1080") << Step::WaveBand << QSize(1920, 1080);
}

void TestHeldPool::stepfinishes()
{
    QFETCH(Step, step);
    QFETCH(QSize, screen);
    HeadlessJob rig(QStringLiteral("://Resources/Tessary.zip"), QStringLiteral("Held"), screen.width(),
                    screen.height());
    const QString picture = rig.base.filePath("picture.png");
    QVERIFY(desktoppicture(screen).save(picture));
    QVERIFY(QDir().mkpath(rig.model.workdir + "/toexport"));
    int packx = 0, packy = 0, packbottom = 0;
    ImageSheet sheet(packx, packy, packbottom);
    QGraphicsScene scene;
    // A band that must be converted to be recoloured.
    const QImage band = fileio::convertedpicture(desktoppicture(screen), QImage::Format_ARGB32_Premultiplied);
    CreateSkinJob job(rig.model, rig.paths, rig.steps());
    bool done = false;
    const std::function<void()> steps[] = {
        [&] {
            sheet.start(screen.width(), screen.height(), QColor(20, 30, 40));
            const std::optional<QPoint> corner = sheet.place(screen.width() / 2, screen.height() / 2);
            sheet.paint([&](QPainter &painter) {
                painter.drawImage(QRect(*corner, QSize(screen.width() / 2, screen.height() / 2)), QImage(picture));
            });
            done = corner && sheet.image().size() == QSize(sheet.width(), sheet.height())
                   && sheet.save(rig.base.filePath("skin.png"));
        },
        [&] { done = rig.writer.editpreview(picture); },
        [&] {
            drawbrowserpicture(&scene, picture);
            done = renderscene(scene, screen);
        },
        [&] {
            drawsongpositionpreview(&scene, songpositioncolours(rig.colours, ColourScope::D1));
            bool shown = renderscene(scene, screen);
            drawscratchwavepreview(&scene, scratchwavecolours(rig.colours));
            done = shown && renderscene(scene, screen);
        },
        [&] {
            const QImage recoloured = recolouredband(band, QColor(200, 10, 10));
            done = recoloured.format() == QImage::Format_ARGB32 && recoloured.size() == screen;
        },
        [&] {
            rig.model.initzones(QStringLiteral("://Resources/Demo 1.xml"));
            job.makefolders();
            done = job.unpack() && job.readproject(QStringLiteral("://Resources/Demo 1.xml"))
                   && job.build() == CreateSkinJob::Failure::None;
            job.cleanup();
        }};
    testsupport::HeldPool pool;
    QVERIFY2(pool.finisheswhileheld(steps[int(step)]), "the step waited for Qt's thread pool");
    QVERIFY(done);
}

QTEST_MAIN(TestHeldPool)
#include "tst_heldpool.moc"
