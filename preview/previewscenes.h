#pragma once
// The 29 preview scenes of the main window and the drawings that need no
// colour family of their own: the browser picture and the skin overview.
// MainWindow inherits PreviewScenes so every scene is its member by name.
#include <QColor>
#include <QString>
#include <QVector>

#include "skinmodel/skinmodel.h"

class QGraphicsScene;
class QGraphicsView;
class QWidget;

class PreviewScenes
{
public:
    virtual ~PreviewScenes() = default;

    QGraphicsScene *scene_button = nullptr;
    QGraphicsScene *scene_button2 = nullptr;
    QGraphicsScene *scene_buttonm = nullptr;
    QGraphicsScene *scene_knob = nullptr;
    QGraphicsScene *scene_knob2 = nullptr;
    QGraphicsScene *scene_knobm = nullptr;
    QGraphicsScene *scene_knobv = nullptr;
    QGraphicsScene *scene_fader = nullptr;
    QGraphicsScene *scene_fader2 = nullptr;
    QGraphicsScene *scene_faderm = nullptr;
    QGraphicsScene *scene_faderv = nullptr;
    QGraphicsScene *scene_jog = nullptr;
    QGraphicsScene *scene_jog2 = nullptr;
    QGraphicsScene *scene_dsp = nullptr;
    QGraphicsScene *scene_dsp2 = nullptr;
    QGraphicsScene *scene_dspm = nullptr;
    QGraphicsScene *scene_dspv = nullptr;
    QGraphicsScene *scene_text1 = nullptr;
    QGraphicsScene *scene_text2 = nullptr;
    QGraphicsScene *scene_textm = nullptr;
    QGraphicsScene *scene_vu1 = nullptr;
    QGraphicsScene *scene_vu2 = nullptr;
    QGraphicsScene *scene_vum = nullptr;
    QGraphicsScene *scene_wave1 = nullptr;
    QGraphicsScene *scene_wave2 = nullptr;
    QGraphicsScene *scene_wavem = nullptr;
    QGraphicsScene *scene_browser = nullptr;
    QGraphicsScene *scene_system = nullptr;
    QGraphicsScene *scene_skin = nullptr;

    // One row per scene: its member, the object name of the view that shows
    // it, and the size of its scene rectangle.
    struct Placement {
        QGraphicsScene *PreviewScenes::*scene;
        const char *view;
        int width;
        int height;
    };
    static const QVector<Placement> &placements();

    // Creates every scene as a child of owner and shows it top-left aligned,
    // without scroll bars, on the view of that name below owner. A view the
    // form lacks leaves its scene unshown.
    void createscenes(QWidget *owner);

    // Gives every preview view a solid background of colour.
    void paintbackgrounds(const QColor &colour);

    // Gives every preview view a solid background of colour and repaints
    // every scene as it is, rebuilding no item.
    void refreshscenes(const QColor &background);

    // The views found by createscenes, in placements() order.
    const QVector<QGraphicsView *> &previewviews() const { return views; }

private:
    QVector<QGraphicsView *> views;
};

// Shows the picture file at (0, 0) scaled by 0.65 in place of the scene's
// items; a picture that cannot be loaded shows as an empty picture.
void drawbrowserpicture(QGraphicsScene *scene, const QString &picture);

// What the skin overview shows: the host screen of skinwidth x skinheight
// pixels shrunk to the 231 x 131 scene, a top strip whose height follows the
// desktop width, and the visible zones with their labels.
struct SkinOverview {
    ZoneTable zones;
    int skinwidth = 0;
    int skinheight = 0;
    float screenwidth = 0;
    QColor topbar;
    QColor zoneborder;
    QVector<QColor> zonefills;  // one per zone, in the zone table's order
};

// Height of the overview's top strip for a desktop width (0 for none).
int topstripheight(float screenwidth);

// One host coordinate scaled to the overview: value * scenesize / hostsize,
// rounded to the nearest integer with halves upward.
int overviewscale(int value, int scenesize, int hostsize);

// Replaces the scene's items with the overview. Zones are drawn only when
// the host screen size is known; entries beyond the table count as hidden.
void drawskinoverview(QGraphicsScene *scene, const SkinOverview &overview);
