#include <QtTest>
#include <QAbstractGraphicsShapeItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLinearGradient>
#include <QTabWidget>

#include "app/mainwindow.h"
#include "support/testsupport.h"

namespace {

QString documents() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }

using Scene = QGraphicsScene *PreviewScenes::*;

// Each preview's scene with the number of items one drawing of it holds
// (the skin overview's depends on the project and is checked apart).
struct Expected {
    Scene scene;
    int items;
};

const QVector<Expected> &expectedcounts()
{
    using P = PreviewScenes;
    static const QVector<Expected> rows = {
        {&P::scene_button, 6},  {&P::scene_button2, 6}, {&P::scene_buttonm, 6}, {&P::scene_knob, 5},
        {&P::scene_knob2, 5},   {&P::scene_knobm, 5},   {&P::scene_knobv, 5},   {&P::scene_fader, 16},
        {&P::scene_fader2, 16}, {&P::scene_faderm, 16}, {&P::scene_faderv, 16}, {&P::scene_jog, 5},
        {&P::scene_jog2, 5},    {&P::scene_dsp, 12},    {&P::scene_dsp2, 12},   {&P::scene_dspm, 12},
        {&P::scene_dspv, 12},   {&P::scene_text1, 7},   {&P::scene_text2, 7},   {&P::scene_textm, 3},
        {&P::scene_vu1, 20},    {&P::scene_vu2, 20},    {&P::scene_vum, 20},    {&P::scene_wave1, 5},
        {&P::scene_wave2, 5},   {&P::scene_wavem, 3},   {&P::scene_browser, 1}, {&P::scene_system, 6},
    };
    return rows;
}

QList<QGraphicsItem *> itemsof(MainWindow &window, Scene scene)
{
    return (window.*scene)->items(Qt::AscendingOrder);
}

const QLinearGradient *gradientof(QGraphicsItem *item)
{
    auto *shape = dynamic_cast<QAbstractGraphicsShapeItem *>(item);
    if (!shape || shape->brush().style() != Qt::LinearGradientPattern)
        return nullptr;
    return static_cast<const QLinearGradient *>(shape->brush().gradient());
}

// Every gradient fill of every preview, as (scene index, stops).
QVector<QGradientStops> allgradients(MainWindow &window)
{
    QVector<QGradientStops> found;
    for (const auto &row : PreviewScenes::placements())
        for (QGraphicsItem *item : itemsof(window, row.scene))
            if (const QLinearGradient *gradient = gradientof(item))
                found << gradient->stops();
    return found;
}

} // namespace

class TestPreviews : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void startupDrawsEveryPreview();
    void oneFamilyRedrawsOnlyItsScene();
    void gradientSwitchFlattensEveryGradient();
    void newBackgroundWithoutRebuilding();
    void zoneColoursReachTheirZones();
    void screenshots();
};

void TestPreviews::init()
{
    QDir(documents() + "/TYX").removeRecursively();
    QDir().mkpath(documents());
}

void TestPreviews::startupDrawsEveryPreview()
{
    MainWindow window;
    QVERIFY(window.skinback.isValid());
    for (QGraphicsView *view : window.previewviews())
        QCOMPARE(view->backgroundBrush(), QBrush(window.skinback, Qt::SolidPattern));
    QCOMPARE(window.previewviews().size(), 29);

    for (int pass = 0; pass < 2; ++pass) {
        for (const Expected &row : expectedcounts())
            QCOMPARE(itemsof(window, row.scene).size(), row.items);
        QVERIFY(!itemsof(window, &PreviewScenes::scene_skin).isEmpty());
        // A second full redraw leaves the same single set of items.
        window.drawscenes();
    }

    // The previews show the loaded colours: the deck-1 off button's fill and
    // the mixer meter's background.
    const QLinearGradient *off = gradientof(itemsof(window, &PreviewScenes::scene_button).first());
    QVERIFY(off);
    QCOMPARE(off->stops().first().second, window.d1_buttonoff1);
    auto *meterback = dynamic_cast<QAbstractGraphicsShapeItem *>(itemsof(window, &PreviewScenes::scene_vum).first());
    QCOMPARE(meterback->brush().color(), window.m_vuback);
}

void TestPreviews::oneFamilyRedrawsOnlyItsScene()
{
    MainWindow window;
    QHash<QGraphicsScene *, QList<QGraphicsItem *>> before;
    for (const auto &row : PreviewScenes::placements())
        before.insert(window.*row.scene, itemsof(window, row.scene));

    window.d2_buttonoff1 = QColor("#102030");
    window.drawbutton2();
    const QLinearGradient *off = gradientof(itemsof(window, &PreviewScenes::scene_button2).first());
    QVERIFY(off);
    QCOMPARE(off->stops().first().second, QColor("#102030"));
    for (const auto &row : PreviewScenes::placements()) {
        if (row.scene == &PreviewScenes::scene_button2)
            continue;
        QVERIFY2(itemsof(window, row.scene) == before.value(window.*row.scene), row.view);
    }
}

void TestPreviews::gradientSwitchFlattensEveryGradient()
{
    MainWindow window;
    // 3 + 3 + 3 button boxes, 4 knob discs, 4 fader caps, 4 x 6 drop-down boxes.
    QVector<QGradientStops> gradients = allgradients(window);
    QCOMPARE(gradients.size(), 9 + 4 + 4 + 24);
    const auto flat = [](const QGradientStops &stops) { return stops.first().second == stops.last().second; };
    QVERIFY(!std::all_of(gradients.begin(), gradients.end(), flat));

    window.disablegradience = true;
    window.drawscenes();
    gradients = allgradients(window);
    QCOMPARE(gradients.size(), 41);
    QVERIFY(std::all_of(gradients.begin(), gradients.end(), flat));
}

void TestPreviews::newBackgroundWithoutRebuilding()
{
    MainWindow window;
    const QList<QGraphicsItem *> knob = itemsof(window, &PreviewScenes::scene_knob);
    window.skinback = QColor("#abcdef");
    window.updatescenes();
    for (QGraphicsView *view : window.previewviews())
        QCOMPARE(view->backgroundBrush(), QBrush(QColor("#abcdef"), Qt::SolidPattern));
    QCOMPARE(itemsof(window, &PreviewScenes::scene_knob), knob);
}

// Each zone of the overview, placed by its own host window, shows its own
// colour: eight zones side by side, each with a colour of its own.
void TestPreviews::zoneColoursReachTheirZones()
{
    struct Zone {
        const char *label;
        int window;
        QColor ColourScheme::*fill;
    };
    const QVector<Zone> zones = {
        {"1", 4, &ColourScheme::zoneback},      {"2", 5, &ColourScheme::zone2back},
        {"3", 6, &ColourScheme::zone3back},     {"4", 7, &ColourScheme::zone4back},
        {"5-L", 208, &ColourScheme::zone5back}, {"5-R", 209, &ColourScheme::zone6back},
        {"6-L", 210, &ColourScheme::zone7back}, {"6-R", 211, &ColourScheme::zone8back}};
    QByteArray placements;
    for (int i = 0; i < zones.size(); ++i)
        placements += QString("<idx%1 visible=\"yes\" x=\"%2\" y=\"100\" width=\"200\" height=\"300\"/>")
                          .arg(zones.at(i).window).arg(i * 240).toUtf8();
    QTemporaryDir dir;
    const QString project = dir.filePath("zones.xml");
    QVERIFY(testsupport::writeFile(project, "<project><screenwidth>1920</screenwidth><screenheight>1080</screenheight>"
                                            "<skinWindows><window name=\"Tessary:skin\">" + placements
                                                + "</window></skinWindows></project>"));

    MainWindow window;
    window.initzones(project);
    for (int i = 0; i < zones.size(); ++i)
        window.*zones.at(i).fill = QColor(30 * i, 255 - 30 * i, 100 + i);
    window.drawskin();

    QHash<QString, QGraphicsSimpleTextItem *> labels;
    for (QGraphicsItem *item : itemsof(window, &PreviewScenes::scene_skin))
        if (auto *label = dynamic_cast<QGraphicsSimpleTextItem *>(item))
            labels.insert(label->text(), label);
    QCOMPARE(labels.size(), zones.size());
    for (int i = 0; i < zones.size(); ++i) {
        const Zone &zone = zones.at(i);
        QGraphicsSimpleTextItem *label = labels.value(zone.label);
        QVERIFY2(label, zone.label);
        QGraphicsRectItem *box = nullptr;
        for (QGraphicsItem *item : window.scene_skin->items(label->sceneBoundingRect().center()))
            if ((box = dynamic_cast<QGraphicsRectItem *>(item)))
                break;
        QVERIFY2(box, zone.label);
        QCOMPARE(box->rect().x(), qreal(qRound(i * 240 * 231 / 1920.0)));
        QCOMPARE(box->brush().color(), window.*zone.fill);
    }
}

// Saves the window with every colour page shown, for a look by eye, when
// TYX_SCREENSHOTS names a folder.
void TestPreviews::screenshots()
{
    const QString folder = qEnvironmentVariable("TYX_SCREENSHOTS");
    if (folder.isEmpty())
        QSKIP("TYX_SCREENSHOTS is not set");
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *tabs = window.findChild<QTabWidget *>("tabWidget");
    QVERIFY(tabs);
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        QTabWidget *inner = tabs->widget(page)->findChild<QTabWidget *>();
        const int scopes = inner ? inner->count() : 1;
        for (int scope = 0; scope < scopes; ++scope) {
            if (inner)
                inner->setCurrentIndex(scope);
            QTest::qWait(50);
            QVERIFY(window.grab().save(QString("%1/page%2_%3.png").arg(folder).arg(page).arg(scope)));
        }
    }
}

QTEST_MAIN(TestPreviews)
#include "tst_gui_previews.moc"
