#include "previewscenes.h"

#include <QBrush>
#include <QFont>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsView>
#include <QPen>
#include <QPixmap>
#include <QWidget>

#include "fileio/pictureconversion.h"

const QVector<PreviewScenes::Placement> &PreviewScenes::placements()
{
    using P = PreviewScenes;
    static const QVector<Placement> rows = {
        {&P::scene_button, "gview_button", 111, 141},
        {&P::scene_button2, "gview_button_2", 111, 141},
        {&P::scene_buttonm, "gview_button_m", 111, 141},
        {&P::scene_knob, "gview_knob_1", 111, 141},
        {&P::scene_knob2, "gview_knob_2", 111, 141},
        {&P::scene_knobm, "gview_knob_m", 111, 141},
        {&P::scene_knobv, "gview_knob_v", 111, 141},
        {&P::scene_fader, "gview_fader_1", 111, 141},
        {&P::scene_fader2, "gview_fader_2", 111, 141},
        {&P::scene_faderm, "gview_faderm", 161, 141},
        {&P::scene_faderv, "gview_faderv", 161, 141},
        {&P::scene_jog, "gview_jog1", 131, 131},
        {&P::scene_jog2, "gview_jog2", 131, 131},
        {&P::scene_dsp, "gview_dsp1", 111, 131},
        {&P::scene_dsp2, "gview_dsp2", 111, 131},
        {&P::scene_dspm, "gview_dspm", 111, 131},
        {&P::scene_dspv, "gview_dspv", 111, 131},
        {&P::scene_text1, "gview_text1", 221, 131},
        {&P::scene_text2, "gview_text2", 221, 131},
        {&P::scene_textm, "gview_textm", 221, 131},
        {&P::scene_vu1, "gview_vu", 111, 121},
        {&P::scene_vu2, "gview_vu2", 111, 121},
        {&P::scene_vum, "gview_vum", 111, 121},
        {&P::scene_wave1, "gview_wave1", 221, 131},
        {&P::scene_wave2, "gview_wave2", 221, 131},
        {&P::scene_wavem, "gview_wavem", 221, 131},
        {&P::scene_browser, "gview_browser", 221, 131},
        {&P::scene_system, "gview_system", 131, 131},
        {&P::scene_skin, "gview_skin", 231, 131},
    };
    return rows;
}

void PreviewScenes::createscenes(QWidget *owner)
{
    views.clear();
    for (const Placement &row : placements()) {
        QGraphicsScene *scene = new QGraphicsScene(owner);
        scene->setSceneRect(QRectF(0, 0, row.width, row.height));
        this->*row.scene = scene;

        auto *view = owner->findChild<QGraphicsView *>(QLatin1String(row.view));
        if (!view)
            continue;
        view->setScene(scene);
        view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        view->centerOn(QPointF(0, 0));
        view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        views.append(view);
    }
}

void PreviewScenes::paintbackgrounds(const QColor &colour)
{
    for (QGraphicsView *view : qAsConst(views))
        view->setBackgroundBrush(QBrush(colour, Qt::SolidPattern));
}

void PreviewScenes::refreshscenes(const QColor &background)
{
    paintbackgrounds(background);
    for (const Placement &row : placements()) {
        if (QGraphicsScene *scene = this->*row.scene)
            scene->update(QRectF());
    }
}

void drawbrowserpicture(QGraphicsScene *scene, const QString &picture)
{
    if (!scene)
        return;
    scene->clear();
    // Every built-in picture exists; a missing one shows as an empty picture
    // rather than being reported.
    QGraphicsPixmapItem *item = scene->addPixmap(fileio::picturepixmap(QImage(picture)));
    item->setScale(0.65);
    item->setPos(0, 0);
}

int topstripheight(float screenwidth)
{
    if (!(screenwidth > 0))
        return 0;
    return qRound(5633 / screenwidth);
}

int overviewscale(int value, int scenesize, int hostsize)
{
    if (hostsize <= 0)
        return 0;
    // The product is taken in 64 bits and the result bounded: host files may
    // hold any number, and an overview far off the scene shows nothing anyway.
    const double scaled = double(qint64(value) * scenesize) / hostsize;
    return qRound(qBound(-1e9, scaled, 1e9));
}

namespace {

const char *const zonelabels[] = {"1", "2", "3", "4", "5-L", "5-R", "6-L", "6-R"};

bool zoneshown(const ZoneTable &zones, int entry)
{
    return entry < zones.size() && zones.at(entry).size() >= 5 && zones.at(entry).at(0) == 1;
}

} // namespace

void drawskinoverview(QGraphicsScene *scene, const SkinOverview &overview)
{
    if (!scene)
        return;
    QFont font(QStringLiteral("Arial"), 10);
    font.setWeight(75);

    scene->clear();
    scene->addRect(0, 0, 231, topstripheight(overview.screenwidth), QPen(Qt::NoPen),
                   QBrush(overview.topbar, Qt::SolidPattern));

    // Without the host screen's size the zones have no scale to be drawn at.
    if (overview.skinwidth <= 0 || overview.skinheight <= 0)
        return;

    const QPen border(overview.zoneborder);
    for (int entry = 0; entry < 8; ++entry) {
        if (!zoneshown(overview.zones, entry))
            continue;
        const QList<int> &zone = overview.zones.at(entry);
        const int x = overviewscale(zone.at(1), 231, overview.skinwidth);
        const int y = overviewscale(zone.at(2), 131, overview.skinheight);
        const int w = overviewscale(zone.at(3), 231, overview.skinwidth);
        const int h = overviewscale(zone.at(4), 131, overview.skinheight);
        const QColor fill = entry < overview.zonefills.size() ? overview.zonefills.at(entry) : QColor();
        scene->addRect(x, y, w, h, border, QBrush(fill, Qt::SolidPattern));

        QGraphicsSimpleTextItem *label = scene->addSimpleText(QLatin1String(zonelabels[entry]), font);
        const QRectF box = label->sceneBoundingRect();
        label->setPos(QPointF(x + w / 2 - box.width() / 2, y + h / 2 - box.height() / 2));
        label->setBrush(QBrush(Qt::white, Qt::SolidPattern));
        label->setPen(QPen(Qt::NoPen));
    }
}
