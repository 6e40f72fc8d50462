#include <QtTest>
#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsView>
#include <QImage>

#include "preview/previewscenes.h"

namespace {

QList<QGraphicsRectItem *> rectangles(QGraphicsScene *scene)
{
    QList<QGraphicsRectItem *> found;
    // items() lists the topmost first; reverse to get drawing order.
    const QList<QGraphicsItem *> items = scene->items(Qt::AscendingOrder);
    for (QGraphicsItem *item : items)
        if (auto *rect = qgraphicsitem_cast<QGraphicsRectItem *>(item))
            found.append(rect);
    return found;
}

SkinOverview overview(const ZoneTable &zones, int skinwidth = 1920, int skinheight = 1080)
{
    SkinOverview o;
    o.zones = zones;
    o.skinwidth = skinwidth;
    o.skinheight = skinheight;
    o.screenwidth = 1920;
    o.topbar = Qt::red;
    o.zoneborder = Qt::blue;
    for (int i = 0; i < 8; ++i)
        o.zonefills.append(QColor(i * 10, 0, 0));
    return o;
}

ZoneTable hidden()
{
    ZoneTable zones;
    for (int i = 0; i < 8; ++i)
        zones.append({0, 0, 0, 0, 0});
    return zones;
}

} // namespace

class TestPreviewScenes : public QObject
{
    Q_OBJECT
private slots:
    void scenesSitOnTheirViews();
    void missingViewIsTolerated();
    void backgroundsPainted();
    void browserPicture();
    void topStripHeight_data();
    void topStripHeight();
    void overviewScale_data();
    void overviewScale();
    void overviewDrawsVisibleZonesOnly();
    void overviewZoneRectangleAndLabel();
    void overviewWithoutScreenSizeDrawsStripOnly();
    void overviewRedrawDoesNotAccumulate();
};

void TestPreviewScenes::scenesSitOnTheirViews()
{
    QWidget owner;
    for (const auto &row : PreviewScenes::placements())
        (new QGraphicsView(&owner))->setObjectName(row.view);

    PreviewScenes scenes;
    scenes.createscenes(&owner);
    QCOMPARE(PreviewScenes::placements().size(), 29);
    QCOMPARE(scenes.previewviews().size(), 29);
    for (const auto &row : PreviewScenes::placements()) {
        QGraphicsScene *scene = scenes.*row.scene;
        QVERIFY(scene);
        QCOMPARE(scene->parent(), &owner);
        QCOMPARE(scene->sceneRect(), QRectF(0, 0, row.width, row.height));
        auto *view = owner.findChild<QGraphicsView *>(row.view);
        QCOMPARE(view->scene(), scene);
        QCOMPARE(view->alignment(), Qt::AlignLeft | Qt::AlignTop);
        QCOMPARE(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }
    QCOMPARE(scenes.scene_faderm->sceneRect().size(), QSizeF(161, 141));
    QCOMPARE(scenes.scene_skin->sceneRect().size(), QSizeF(231, 131));
    QCOMPARE(scenes.scene_vu1->sceneRect().size(), QSizeF(111, 121));
}

void TestPreviewScenes::missingViewIsTolerated()
{
    QWidget owner;
    (new QGraphicsView(&owner))->setObjectName("gview_skin");
    PreviewScenes scenes;
    scenes.createscenes(&owner);
    QCOMPARE(scenes.previewviews().size(), 1);
    QVERIFY(scenes.scene_button);
    scenes.paintbackgrounds(Qt::green);
    QCOMPARE(scenes.previewviews().first()->backgroundBrush(), QBrush(Qt::green, Qt::SolidPattern));
}

void TestPreviewScenes::backgroundsPainted()
{
    QWidget owner;
    for (const auto &row : PreviewScenes::placements())
        (new QGraphicsView(&owner))->setObjectName(row.view);
    PreviewScenes scenes;
    scenes.createscenes(&owner);
    scenes.paintbackgrounds(QColor("#123456"));
    for (QGraphicsView *view : scenes.previewviews())
        QCOMPARE(view->backgroundBrush(), QBrush(QColor("#123456"), Qt::SolidPattern));
}

void TestPreviewScenes::browserPicture()
{
    QTemporaryDir dir;
    const QString picture = dir.filePath("browser.png");
    QImage image(400, 200, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QVERIFY(image.save(picture));

    QGraphicsScene scene;
    scene.addRect(0, 0, 5, 5);
    drawbrowserpicture(&scene, picture);
    drawbrowserpicture(&scene, picture);
    QCOMPARE(scene.items().size(), 1);
    auto *item = qgraphicsitem_cast<QGraphicsPixmapItem *>(scene.items().first());
    QVERIFY(item);
    QCOMPARE(item->scale(), 0.65);
    QCOMPARE(item->pos(), QPointF(0, 0));
    QCOMPARE(item->pixmap().size(), QSize(400, 200));

    // A picture that is not there is not checked for: the preview holds one
    // empty picture in its place.
    drawbrowserpicture(&scene, dir.filePath("none.png"));
    QCOMPARE(scene.items().size(), 1);
    item = qgraphicsitem_cast<QGraphicsPixmapItem *>(scene.items().first());
    QVERIFY(item);
    QVERIFY(item->pixmap().isNull());
    QCOMPARE(item->scale(), 0.65);
    drawbrowserpicture(nullptr, picture);
}

void TestPreviewScenes::topStripHeight_data()
{
    QTest::addColumn<float>("screenwidth");
    QTest::addColumn<int>("height");
    QTest::newRow("1920") << 1920.f << 3;
    QTest::newRow("1280") << 1280.f << 4;
    QTest::newRow("1366") << 1366.f << 4;
    QTest::newRow("2560") << 2560.f << 2;
    QTest::newRow("3840") << 3840.f << 1;
    QTest::newRow("1024") << 1024.f << 6;
    QTest::newRow("no screen") << 0.f << 0;
}

void TestPreviewScenes::topStripHeight()
{
    QFETCH(float, screenwidth);
    QFETCH(int, height);
    QCOMPARE(topstripheight(screenwidth), height);
}

void TestPreviewScenes::overviewScale_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("scenesize");
    QTest::addColumn<int>("hostsize");
    QTest::addColumn<int>("scaled");
    QTest::newRow("half up") << 960 << 231 << 1920 << 116;
    QTest::newRow("full width") << 1920 << 231 << 1920 << 231;
    QTest::newRow("height") << 182 << 131 << 1080 << 22;
    QTest::newRow("negative half goes up") << -5 << 231 << 462 << -2;
    QTest::newRow("no host size") << 100 << 231 << 0 << 0;
    QTest::newRow("huge value stays bounded") << 2000000000 << 231 << 1 << 1000000000;
}

void TestPreviewScenes::overviewScale()
{
    QFETCH(int, value);
    QFETCH(int, scenesize);
    QFETCH(int, hostsize);
    QFETCH(int, scaled);
    QCOMPARE(overviewscale(value, scenesize, hostsize), scaled);
}

void TestPreviewScenes::overviewDrawsVisibleZonesOnly()
{
    QGraphicsScene scene;
    ZoneTable zones = hidden();
    zones[0] = {2, 0, 0, 100, 100};
    zones[1] = {-1, 0, 0, 100, 100};
    zones[3] = {1, 0, 0, 100, 100};
    zones[6] = {1, 10, 189, 546, 126};
    drawskinoverview(&scene, overview(zones));

    const QList<QGraphicsRectItem *> rects = rectangles(&scene);
    QCOMPARE(rects.size(), 3);  // the strip, zone 4, zone 6-L
    QCOMPARE(rects.at(0)->rect(), QRectF(0, 0, 231, 3));
    QCOMPARE(rects.at(0)->brush().color(), QColor(Qt::red));
    QCOMPARE(rects.at(0)->pen().style(), Qt::NoPen);
    QCOMPARE(rects.at(1)->brush().color(), QColor(30, 0, 0));
    QCOMPARE(rects.at(2)->brush().color(), QColor(60, 0, 0));

    QStringList labels;
    for (QGraphicsItem *item : scene.items(Qt::AscendingOrder))
        if (auto *text = qgraphicsitem_cast<QGraphicsSimpleTextItem *>(item))
            labels << text->text();
    QCOMPARE(labels, (QStringList{"4", "6-L"}));

    // A table shorter than eight entries, or an entry short of values, hides them.
    ZoneTable shortTable = {{1, 0, 0, 10, 10}, {1, 0}};
    drawskinoverview(&scene, overview(shortTable));
    QCOMPARE(rectangles(&scene).size(), 2);
}

void TestPreviewScenes::overviewZoneRectangleAndLabel()
{
    QGraphicsScene scene;
    ZoneTable zones = hidden();
    zones[4] = {1, 960, 0, 960, 1080};
    drawskinoverview(&scene, overview(zones));

    const QList<QGraphicsRectItem *> rects = rectangles(&scene);
    QCOMPARE(rects.size(), 2);
    QGraphicsRectItem *zone = rects.at(1);
    QCOMPARE(zone->rect(), QRectF(116, 0, 116, 131));
    QCOMPARE(zone->pen().color(), QColor(Qt::blue));
    QCOMPARE(zone->pen().width(), 1);
    QCOMPARE(zone->brush(), QBrush(QColor(40, 0, 0), Qt::SolidPattern));

    QGraphicsSimpleTextItem *label = nullptr;
    for (QGraphicsItem *item : scene.items())
        if (auto *text = qgraphicsitem_cast<QGraphicsSimpleTextItem *>(item))
            label = text;
    QVERIFY(label);
    QCOMPARE(label->text(), QString("5-L"));
    QCOMPARE(label->brush().color(), QColor(Qt::white));
    QCOMPARE(label->pen().style(), Qt::NoPen);
    QCOMPARE(label->font().family(), QString("Arial"));
    QCOMPARE(label->font().pointSize(), 10);
    QCOMPARE(label->font().weight(), 75);
    // Centred on (116 + 58, 0 + 65): integer halves of the scaled size.
    QCOMPARE(label->sceneBoundingRect().center(), QPointF(174, 65));
}

void TestPreviewScenes::overviewWithoutScreenSizeDrawsStripOnly()
{
    QGraphicsScene scene;
    ZoneTable zones = hidden();
    zones[0] = {1, 0, 0, 100, 100};
    drawskinoverview(&scene, overview(zones, 0, 1080));
    QCOMPARE(scene.items().size(), 1);
    drawskinoverview(&scene, overview(zones, 1920, 0));
    QCOMPARE(scene.items().size(), 1);
}

void TestPreviewScenes::overviewRedrawDoesNotAccumulate()
{
    QGraphicsScene scene;
    ZoneTable zones = hidden();
    zones[0] = {1, 0, 0, 1920, 1080};
    drawskinoverview(&scene, overview(zones));
    const int once = scene.items().size();
    drawskinoverview(&scene, overview(zones));
    QCOMPARE(scene.items().size(), once);
    QCOMPARE(once, 3);  // strip, zone, label
    QCOMPARE(rectangles(&scene).at(1)->rect(), QRectF(0, 0, 231, 131));
}

QTEST_MAIN(TestPreviewScenes)
#include "tst_previewscenes.moc"
