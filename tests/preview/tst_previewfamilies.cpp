#include <QtTest>
#include <QGraphicsEllipseItem>
#include <QGraphicsPathItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QtMath>

#include "preview/buttonpreview.h"
#include "preview/drawingrules.h"
#include "preview/dropdownpreview.h"
#include "preview/faderpreview.h"
#include "preview/jogpreview.h"
#include "preview/knobpreview.h"
#include "preview/meterpreview.h"
#include "preview/systempreview.h"
#include "preview/textpreview.h"
#include "preview/wavepreview.h"

namespace {

const QColor background(1, 2, 3);

// The scene's items from the bottom of the stack to the top, which is the
// order in which a draw added them.
QList<QGraphicsItem *> stack(const QGraphicsScene &scene)
{
    return scene.items(Qt::AscendingOrder);
}

template <typename T>
T *itemat(const QGraphicsScene &scene, int index)
{
    const QList<QGraphicsItem *> items = stack(scene);
    if (index >= items.size())
        return nullptr;
    return dynamic_cast<T *>(items.at(index));
}

QColor colour(int n) { return QColor::fromRgb(10 + n * 7, 200 - n * 5, 30 + n * 3); }

StateRows staterows()
{
    StateRows rows;
    for (int state = 0; state < StateCount; ++state)
        rows[state] = {colour(state * 4), colour(state * 4 + 1), colour(state * 4 + 2), colour(state * 4 + 3)};
    return rows;
}

// Checks a vertical gradient brush: its end points and its two stops.
void checkgradient(const QBrush &brush, const QPointF &top, const QPointF &bottom, const QColor &first,
                   const QColor &second)
{
    QCOMPARE(brush.style(), Qt::LinearGradientPattern);
    const auto *gradient = static_cast<const QLinearGradient *>(brush.gradient());
    QCOMPARE(gradient->start(), top);
    QCOMPARE(gradient->finalStop(), bottom);
    QCOMPARE(gradient->spread(), QGradient::PadSpread);
    const QGradientStops stops = gradient->stops();
    QCOMPARE(stops.size(), 2);
    QCOMPARE(stops.at(0), QGradientStop(0.0, first));
    QCOMPARE(stops.at(1), QGradientStop(1.0, second));
}

void checksolid(const QBrush &brush, const QColor &expected)
{
    QCOMPARE(brush.style(), Qt::SolidPattern);
    QCOMPARE(brush.color(), expected);
}

void checklabel(QGraphicsSimpleTextItem *label, const QString &text, const QColor &fill)
{
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    checksolid(label->brush(), fill);
    QCOMPARE(label->pen().style(), Qt::NoPen);
    QCOMPARE(label->font().family(), QString("Arial"));
    QCOMPARE(label->font().weight(), 75);
}

QPointF centre(QGraphicsItem *item) { return item->sceneBoundingRect().center(); }

// The scene painted pixel for pixel (one scene unit a pixel, no smoothing)
// over the views' background.
QImage render(QGraphicsScene &scene)
{
    const QRectF rect = scene.sceneRect();
    QImage image(rect.size().toSize(), QImage::Format_ARGB32);
    image.fill(background);
    QPainter painter(&image);
    scene.render(&painter, QRectF(QPointF(0, 0), rect.size()), rect);
    return image;
}

QColor pixel(const QImage &image, const QPointF &at)
{
    return image.pixelColor(int(at.x()), int(at.y()));
}

// A point at a distance from centre in the direction of angle (degrees,
// counter-clockwise from three o'clock, y pointing down).
QPointF polar(const QPointF &centre, qreal radius, qreal angle)
{
    const qreal radians = qDegreesToRadians(angle);
    return centre + QPointF(radius * qCos(radians), -radius * qSin(radians));
}

// A scheme whose every colour differs from every other.
ColourScheme distinctscheme()
{
    ColourScheme scheme;
    int n = 0;
    for (const ColourEntry &entry : ColourScheme::colourTable()) {
        scheme.*entry.colour = QColor::fromRgb(n, 255 - n, 77);
        ++n;
    }
    return scheme;
}

QColor member(const ColourScheme &scheme, const char *name)
{
    for (const ColourEntry &entry : ColourScheme::colourTable())
        if (qstrcmp(entry.member, name) == 0)
            return scheme.*entry.colour;
    qWarning("no colour member %s", name);
    return QColor();
}

QVector<QColor> flatten(const StateRows &rows)
{
    QVector<QColor> colours;
    for (const StateColours &state : rows)
        colours << state.fill1 << state.fill2 << state.border << state.text;
    return colours;
}

} // namespace

using ColourList = QVector<QColor>;
Q_DECLARE_METATYPE(ColourList)

class TestPreviewFamilies : public QObject
{
    Q_OBJECT
private slots:
    void gradientRule();
    void labelCentredOnAnchor_data();
    void labelCentredOnAnchor();
    void scopeColours_data();
    void scopeColours();
    void redrawLeavesOneSet_data();
    void redrawLeavesOneSet();

    void buttons_data();
    void buttons();
    void dropDowns_data();
    void dropDowns();
    void systemButtons();

    void ringPath();
    void knob_data();
    void knob();
    void knobRendered();
    void jogRendered();

    void faders_data();
    void faders();
    void faderCapCoversScale();

    void deckText();
    void mixerText();
    void meter();

    void bandRecolouring();
    void songPosition();
    void songPositionSameForBothDecks();
    void scratchWave();
};

void TestPreviewFamilies::gradientRule()
{
    const QColor first(Qt::red), second(Qt::blue);
    checkgradient(verticalgradient({5, 1}, {5, 9}, first, second, false), {5, 1}, {5, 9}, first, second);
    // Switched off, the second colour is not read: the fill is flat.
    checkgradient(verticalgradient({5, 1}, {5, 9}, first, second, true), {5, 1}, {5, 9}, first, first);
    checkgradient(verticalgradient({5, 1}, {5, 9}, first, QColor(), true), {5, 1}, {5, 9}, first, first);
    // Missing colours are passed on as they are.
    checkgradient(verticalgradient({0, 0}, {0, 1}, QColor(), QColor(), false), {0, 0}, {0, 1}, QColor(), QColor());

    const QPen pen = outlinepen(Qt::green, 2);
    QCOMPARE(pen.color(), QColor(Qt::green));
    QCOMPARE(pen.width(), 2);
    QCOMPARE(pen.style(), Qt::SolidLine);
}

void TestPreviewFamilies::labelCentredOnAnchor_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pointsize");
    QTest::newRow("short small") << "X" << 6;
    QTest::newRow("word") << "OVER" << 10;
    QTest::newRow("wide large") << "Record Message" << 30;
}

void TestPreviewFamilies::labelCentredOnAnchor()
{
    QFETCH(QString, text);
    QFETCH(int, pointsize);
    QGraphicsScene scene;
    QGraphicsSimpleTextItem *label = addlabel(&scene, text, labelfont(pointsize), Qt::yellow);
    checklabel(label, text, Qt::yellow);
    QCOMPARE(label->font().pointSize(), pointsize);
    centreon(label, QPointF(50.5, 25));
    QCOMPARE(centre(label), QPointF(50.5, 25));
}

void TestPreviewFamilies::scopeColours_data()
{
    QTest::addColumn<ColourList>("actual");
    QTest::addColumn<QStringList>("members");

    const ColourScheme c = distinctscheme();
    const auto states = [](const QString &p, const QString &stem) {
        QStringList names;
        for (const char *state : {"off", "over", "on"})
            names << p + stem + state + "1" << p + stem + state + "2" << p + stem + state + "border"
                  << p + stem + "text" + state;
        return names;
    };
    QTest::newRow("buttons d1") << flatten(buttoncolours(c, ColourScope::D1)) << states("d1_", "button");
    QTest::newRow("buttons d2") << flatten(buttoncolours(c, ColourScope::D2)) << states("d2_", "button");
    QTest::newRow("buttons m") << flatten(buttoncolours(c, ColourScope::Mixer)) << states("m_", "button");
    QTest::newRow("drop-downs d1") << flatten(dropdowncolours(c, ColourScope::D1)) << states("d1_", "dsp");
    QTest::newRow("drop-downs d2") << flatten(dropdowncolours(c, ColourScope::D2)) << states("d2_", "dsp");
    QTest::newRow("drop-downs m") << flatten(dropdowncolours(c, ColourScope::Mixer)) << states("m_", "dsp");
    QTest::newRow("drop-downs v") << flatten(dropdowncolours(c, ColourScope::Video)) << states("v_", "dsp");
    QTest::newRow("system") << flatten(systemcolours(c))
                            << QStringList{"m_systemoff", "m_systemoff", "m_systemoffborder", "m_systemtextoff",
                                           "m_systemover", "m_systemover", "m_systemoverborder", "m_systemtextover",
                                           "m_systemon", "m_systemon", "m_systemonborder", "m_systemtexton"};

    const auto knob = [](const KnobColours &k) {
        return ColourList{k.in1, k.in2, k.inborder, k.ringoff, k.ringon, k.indicator, k.caption};
    };
    const auto knobnames = [](const QString &p) {
        QStringList names;
        for (const char *part : {"knobin1", "knobin2", "knobinborder", "knobringoff", "knobringon", "knobfader1", "knobtext"})
            names << p + part;
        return names;
    };
    QTest::newRow("knob d1") << knob(knobcolours(c, ColourScope::D1)) << knobnames("d1_");
    QTest::newRow("knob d2") << knob(knobcolours(c, ColourScope::D2)) << knobnames("d2_");
    QTest::newRow("knob m") << knob(knobcolours(c, ColourScope::Mixer)) << knobnames("m_");
    QTest::newRow("knob v") << knob(knobcolours(c, ColourScope::Video)) << knobnames("v_");

    const auto fader = [](const FaderColours &f) {
        return ColourList{f.lines, f.trackborder, f.trackoff, f.trackon, f.cap1, f.cap2, f.capoutline};
    };
    const auto fadernames = [](const QString &p, const QString &lines) {
        QStringList names{lines};
        for (const char *part : {"faderinoffborder", "faderinoff1", "faderinon1", "faderfader1", "faderfader2", "faderfaderborder"})
            names << p + part;
        return names;
    };
    QTest::newRow("fader d1") << fader(fadercolours(c, ColourScope::D1)) << fadernames("d1_", "faderlines");
    QTest::newRow("fader d2") << fader(fadercolours(c, ColourScope::D2)) << fadernames("d2_", "faderlines");
    QTest::newRow("fader m") << fader(fadercolours(c, ColourScope::Mixer)) << fadernames("m_", "m_faderlines");
    QTest::newRow("fader v") << fader(fadercolours(c, ColourScope::Video)) << fadernames("v_", "v_faderlines");

    const auto jog = [](const JogColours &j) {
        return ColourList{j.border, j.ringoff, j.ringon, j.fill, j.inner, j.innerborder, j.needle};
    };
    const auto jognames = [](const QString &p) {
        QStringList names;
        for (const char *part : {"jogborder", "jogringoff", "jogringon", "jogfill", "joginner", "joginnerborder", "jogneedle"})
            names << p + part;
        return names;
    };
    QTest::newRow("jog d1") << jog(jogcolours(c, ColourScope::D1)) << jognames("d1_");
    QTest::newRow("jog d2") << jog(jogcolours(c, ColourScope::D2)) << jognames("d2_");

    const auto text = [](const DeckTextColours &t) {
        return ColourList{t.back, t.title, t.remix, t.artist, t.caption};
    };
    QTest::newRow("text d1") << text(decktextcolours(c, ColourScope::D1))
                             << QStringList{"d1_textback", "d1_textbright", "d1_textdark", "d1_textcolor", "d1_silkscreen"};
    QTest::newRow("text d2") << text(decktextcolours(c, ColourScope::D2))
                             << QStringList{"d2_textback", "d2_textbright", "d2_textdark", "d2_textcolor", "d2_silkscreen"};
    const MixerTextColours mixertext = mixertextcolours(c);
    QTest::newRow("text m") << ColourList{mixertext.back, mixertext.border, mixertext.text}
                            << QStringList{"m_textback", "m_textborder", "m_texttext"};

    const auto meter = [](const MeterColours &m) { return ColourList{m.back, m.off, m.on, m.peak}; };
    QTest::newRow("meter d1") << meter(metercolours(c, ColourScope::D1))
                              << QStringList{"d1_vuback", "d1_vuoff", "d1_vuon", "d1_vupeak"};
    QTest::newRow("meter d2") << meter(metercolours(c, ColourScope::D2))
                              << QStringList{"d2_vuback", "d2_vuoff", "d2_vuon", "d2_vupeak"};
    QTest::newRow("meter m") << meter(metercolours(c, ColourScope::Mixer))
                             << QStringList{"m_vuback", "m_vuoff", "m_vuon", "m_vupeak"};

    const auto songpos = [](const SongPositionColours &s) {
        return ColourList{s.back, s.border, s.high, s.mid, s.bass, s.played};
    };
    const auto songposnames = [](const QString &p) {
        QStringList names;
        for (const char *part : {"songposback", "songposborder", "colorHigh", "colorMed", "colorBass", "colorPlayed"})
            names << p + part;
        return names;
    };
    QTest::newRow("song position d1") << songpos(songpositioncolours(c, ColourScope::D1)) << songposnames("d1_");
    QTest::newRow("song position d2") << songpos(songpositioncolours(c, ColourScope::D2)) << songposnames("d2_");
    const ScratchWaveColours scratch = scratchwavecolours(c);
    QTest::newRow("scratch wave") << ColourList{scratch.back, scratch.border, scratch.needle}
                                  << QStringList{"m_waveback", "m_waveborder", "m_waveneedle"};
}

void TestPreviewFamilies::scopeColours()
{
    QFETCH(ColourList, actual);
    QFETCH(QStringList, members);
    const ColourScheme scheme = distinctscheme();
    QCOMPARE(actual.size(), members.size());
    for (int i = 0; i < members.size(); ++i)
        QVERIFY2(actual.at(i) == member(scheme, members.at(i).toLatin1().constData()),
                 qPrintable(members.at(i)));
}

void TestPreviewFamilies::redrawLeavesOneSet_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("items");
    QTest::newRow("buttons") << 0 << 6;
    QTest::newRow("drop-downs") << 1 << 12;
    QTest::newRow("system") << 2 << 6;
    QTest::newRow("knob") << 3 << 5;
    QTest::newRow("jog") << 4 << 5;
    QTest::newRow("fader") << 5 << 16;
    QTest::newRow("deck text") << 6 << 7;
    QTest::newRow("mixer text") << 7 << 3;
    QTest::newRow("meter") << 8 << 20;
    QTest::newRow("song position") << 9 << 5;
    QTest::newRow("scratch wave") << 10 << 3;
}

void TestPreviewFamilies::redrawLeavesOneSet()
{
    QFETCH(int, family);
    QFETCH(int, items);
    const auto draw = [family](QGraphicsScene *scene) {
        switch (family) {
        case 0: return drawbuttonpreview(scene, staterows(), false);
        case 1: return drawdropdownpreview(scene, staterows(), false);
        case 2: return drawsystempreview(scene, staterows());
        case 3: return drawknobpreview(scene, KnobColours{}, false);
        case 4: return drawjogpreview(scene, JogColours{});
        case 5: return drawfaderpreview(scene, FaderShape::Vertical, FaderColours{}, false);
        case 6: return drawdecktextpreview(scene, DeckTextColours{});
        case 7: return drawmixertextpreview(scene, MixerTextColours{});
        case 8: return drawmeterpreview(scene, MeterColours{});
        case 9: return drawsongpositionpreview(scene, SongPositionColours{});
        default: return drawscratchwavepreview(scene, ScratchWaveColours{});
        }
    };
    QGraphicsScene scene(0, 0, 221, 141);
    scene.addRect(0, 0, 3, 3);  // left over from something else: must go
    draw(&scene);
    QCOMPARE(scene.items().size(), items);
    draw(&scene);
    draw(&scene);
    QCOMPARE(scene.items().size(), items);
    draw(nullptr);  // a scene that does not exist is no crash
}

void TestPreviewFamilies::buttons_data()
{
    QTest::addColumn<bool>("flat");
    QTest::newRow("gradients") << false;
    QTest::newRow("flat") << true;
}

void TestPreviewFamilies::buttons()
{
    QFETCH(bool, flat);
    const StateRows rows = staterows();
    QGraphicsScene scene(0, 0, 111, 141);
    drawbuttonpreview(&scene, rows, flat);

    const char *const captions[] = {"OFF", "OVER", "ON"};
    for (int state = 0; state < StateCount; ++state) {
        const qreal top = 10 + 40 * state;
        auto *box = itemat<QGraphicsRectItem>(scene, 2 * state);
        QVERIFY(box);
        QCOMPARE(box->rect(), QRectF(10, top, 80, 30));
        QCOMPARE(box->pen().color(), rows[state].border);
        QCOMPARE(box->pen().width(), 2);
        checkgradient(box->brush(), {50, top}, {50, top + 30}, rows[state].fill1,
                      flat ? rows[state].fill1 : rows[state].fill2);

        auto *caption = itemat<QGraphicsSimpleTextItem>(scene, 2 * state + 1);
        checklabel(caption, captions[state], rows[state].text);
        QCOMPARE(caption->font().pointSize(), 10);
        QCOMPARE(centre(caption), QPointF(50, top + 15));
    }

    // Rendered: the middle of the off box's upper half is near its colour 1,
    // of its lower half near colour 2 (or colour 1 again when flat).
    StateRows plain = rows;
    plain[OffState].fill1 = Qt::red;
    plain[OffState].fill2 = Qt::blue;
    drawbuttonpreview(&scene, plain, flat);
    const QImage image = render(scene);
    const QColor high = pixel(image, {15, 12});
    QVERIFY2(high.red() > 220 && high.blue() < 35, qPrintable(high.name()));
    const QColor low = pixel(image, {15, 37});
    QVERIFY2(flat ? low == QColor(Qt::red) : low.blue() > 220 && low.red() < 35, qPrintable(low.name()));
}

void TestPreviewFamilies::dropDowns_data()
{
    buttons_data();
}

void TestPreviewFamilies::dropDowns()
{
    QFETCH(bool, flat);
    const StateRows rows = staterows();
    QGraphicsScene scene(0, 0, 111, 131);
    drawdropdownpreview(&scene, rows, flat);
    QCOMPARE(scene.items().size(), 12);

    const char *const captions[] = {"OFF", "OVER", "ON"};
    for (int state = 0; state < StateCount; ++state) {
        const qreal top = 10 + 40 * state;
        auto *body = itemat<QGraphicsRectItem>(scene, 4 * state);
        auto *arrow = itemat<QGraphicsRectItem>(scene, 4 * state + 1);
        QVERIFY(body && arrow);
        QCOMPARE(body->rect(), QRectF(10, top, 60, 30));
        QCOMPARE(arrow->rect(), QRectF(70, top, 25, 30));
        for (QGraphicsRectItem *box : {body, arrow}) {
            QCOMPARE(box->pen().color(), rows[state].border);
            QCOMPARE(box->pen().width(), 2);
            checkgradient(box->brush(), {50, top}, {50, top + 30}, rows[state].fill1,
                          flat ? rows[state].fill1 : rows[state].fill2);
        }
        auto *caption = itemat<QGraphicsSimpleTextItem>(scene, 4 * state + 2);
        auto *mark = itemat<QGraphicsSimpleTextItem>(scene, 4 * state + 3);
        checklabel(caption, captions[state], rows[state].text);
        checklabel(mark, "V", rows[state].text);
        QCOMPARE(mark->pos().y(), caption->pos().y());
    }

    // The off row is placed by the arrow box's size (27 x 32 with its pen),
    // so it sits at fixed points; the other captions are centred.
    QCOMPARE(itemat<QGraphicsItem>(scene, 2)->pos(), QPointF(26.5, 16));
    QCOMPARE(itemat<QGraphicsItem>(scene, 3)->pos(), QPointF(79.5, 16));
    auto *over = itemat<QGraphicsSimpleTextItem>(scene, 6);
    auto *on = itemat<QGraphicsSimpleTextItem>(scene, 10);
    QCOMPARE(centre(over), QPointF(40, 65));
    QCOMPARE(centre(on), QPointF(40, 105));
    QCOMPARE(itemat<QGraphicsItem>(scene, 7)->pos().x(), 96 - over->sceneBoundingRect().width() / 2);
    QCOMPARE(itemat<QGraphicsItem>(scene, 11)->pos().x(), 88 - on->sceneBoundingRect().width() / 2);
}

void TestPreviewFamilies::systemButtons()
{
    StateRows rows = staterows();
    QGraphicsScene scene(0, 0, 131, 131);
    drawsystempreview(&scene, rows);
    for (int state = 0; state < StateCount; ++state) {
        const qreal top = 10 + 40 * state;
        auto *square = itemat<QGraphicsRectItem>(scene, 2 * state);
        QVERIFY(square);
        QCOMPARE(square->rect(), QRectF(10, top, 30, 30));
        QCOMPARE(square->pen().color(), rows[state].border);
        QCOMPARE(square->pen().width(), 2);
        checksolid(square->brush(), rows[state].fill1);
        auto *mark = itemat<QGraphicsSimpleTextItem>(scene, 2 * state + 1);
        checklabel(mark, "X", rows[state].text);
        QCOMPARE(centre(mark), QPointF(25, top + 15));
    }
}

void TestPreviewFamilies::ringPath()
{
    const QPainterPath band = ringpath(QRectF(25, 25, 50, 50), -40, 260);
    QCOMPARE(band.fillRule(), Qt::WindingFill);
    const QPointF start = band.elementAt(0);
    QVERIFY(qAbs(start.x() - 69.1511) < 1e-4);
    QVERIFY(qAbs(start.y() - 66.0697) < 1e-4);
    // Closed at its start point.
    QCOMPARE(QPointF(band.elementAt(band.elementCount() - 1)), start);
    // The band lies between radius 20 and 25 of the centre (50, 50) over its
    // sweep, and nowhere in the gap at the bottom or inside.
    const QPointF middle(50, 50);
    QVERIFY(band.contains(polar(middle, 22.5, 0)));
    QVERIFY(band.contains(polar(middle, 22.5, 90)));
    QVERIFY(band.contains(polar(middle, 22.5, 200)));
    QVERIFY(!band.contains(polar(middle, 22.5, 270)));
    QVERIFY(!band.contains(polar(middle, 18, 90)));
    QVERIFY(!band.contains(polar(middle, 26, 90)));

    const QPainterPath jogband = ringpath(QRectF(12, 12, 106, 106), -40, 130);
    QVERIFY(qAbs(jogband.elementAt(0).x - 105.6004) < 1e-4);
    QVERIFY(qAbs(jogband.elementAt(0).y - 99.0677) < 1e-4);
}

void TestPreviewFamilies::knob_data()
{
    buttons_data();
}

void TestPreviewFamilies::knob()
{
    QFETCH(bool, flat);
    const KnobColours colours{colour(1), colour(2), colour(3), colour(4), colour(5), colour(6), colour(7)};
    QGraphicsScene scene(0, 0, 111, 141);
    drawknobpreview(&scene, colours, flat);
    QCOMPARE(scene.items().size(), 5);

    auto *off = itemat<QGraphicsPathItem>(scene, 0);
    auto *on = itemat<QGraphicsPathItem>(scene, 1);
    QVERIFY(off && on);
    QCOMPARE(off->path(), ringpath(QRectF(25, 25, 50, 50), -40, 260));
    QCOMPARE(on->path(), ringpath(QRectF(25, 25, 50, 50), 90, 130));
    QCOMPARE(off->pen().style(), Qt::NoPen);
    checksolid(off->brush(), colours.ringoff);
    checksolid(on->brush(), colours.ringon);

    auto *disc = itemat<QGraphicsEllipseItem>(scene, 2);
    QVERIFY(disc);
    QCOMPARE(disc->rect(), QRectF(30, 30, 40, 40));
    QCOMPARE(disc->pen().color(), colours.inborder);
    QCOMPARE(disc->pen().width(), 2);
    checkgradient(disc->brush(), {50, 35}, {50, 75}, colours.in1, flat ? colours.in1 : colours.in2);

    auto *caption = itemat<QGraphicsSimpleTextItem>(scene, 3);
    checklabel(caption, "TEXT", colours.caption);
    QCOMPARE(caption->font().pointSize(), 9);
    QCOMPARE(centre(caption), QPointF(50, 85));

    auto *indicator = itemat<QGraphicsRectItem>(scene, 4);
    QVERIFY(indicator);
    QCOMPARE(indicator->rect(), QRectF(49, 30, 3, 20));
    QCOMPARE(indicator->pen().style(), Qt::NoPen);
    checksolid(indicator->brush(), colours.indicator);
}

void TestPreviewFamilies::knobRendered()
{
    const KnobColours colours{Qt::red, Qt::blue, Qt::black, Qt::green, Qt::yellow, Qt::white, Qt::cyan};
    QGraphicsScene scene(0, 0, 111, 141);
    drawknobpreview(&scene, colours, false);
    const QImage image = render(scene);
    const QPointF middle(50, 50);
    // Unlit from the lower right to twelve o'clock, lit on to the lower left,
    // and nothing in the gap at the bottom.
    QCOMPARE(pixel(image, polar(middle, 22.5, -20)), colours.ringoff);
    QCOMPARE(pixel(image, polar(middle, 22.5, 45)), colours.ringoff);
    QCOMPARE(pixel(image, polar(middle, 22.5, 135)), colours.ringon);
    QCOMPARE(pixel(image, polar(middle, 22.5, 200)), colours.ringon);
    QCOMPARE(pixel(image, polar(middle, 22.5, 270)), background);
    // The disc's top stays flat colour 1 above the gradient's start; the
    // indicator lies over the disc.
    QCOMPARE(pixel(image, {40, 34}), colours.in1);
    QCOMPARE(pixel(image, {50, 40}), colours.indicator);
    QVERIFY(pixel(image, {40, 65}).blue() > 150);

    drawknobpreview(&scene, colours, true);
    QCOMPARE(pixel(render(scene), {40, 65}), colours.in1);
}

void TestPreviewFamilies::jogRendered()
{
    const JogColours colours{Qt::black, Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::magenta, Qt::white};
    QGraphicsScene scene(0, 0, 131, 131);
    drawjogpreview(&scene, colours);
    QCOMPARE(scene.items().size(), 5);
    auto *ring = itemat<QGraphicsEllipseItem>(scene, 0);
    auto *platter = itemat<QGraphicsEllipseItem>(scene, 2);
    auto *inner = itemat<QGraphicsEllipseItem>(scene, 3);
    QVERIFY(ring && platter && inner);
    QCOMPARE(ring->rect(), QRectF(10, 10, 110, 110));
    QCOMPARE(platter->rect(), QRectF(20, 20, 90, 90));
    QCOMPARE(inner->rect(), QRectF(50, 50, 30, 30));
    QCOMPARE(ring->pen().color(), colours.border);
    QCOMPARE(platter->pen().color(), colours.border);
    QCOMPARE(inner->pen().color(), colours.innerborder);
    QCOMPARE(itemat<QGraphicsPathItem>(scene, 1)->path(), ringpath(QRectF(12, 12, 106, 106), -40, 130));
    QCOMPARE(itemat<QGraphicsRectItem>(scene, 4)->rect(), QRectF(62, 20, 6, 30));

    const QImage image = render(scene);
    const QPointF middle(65, 65);
    QCOMPARE(pixel(image, polar(middle, 49, 0)), colours.ringon);
    QCOMPARE(pixel(image, polar(middle, 49, 60)), colours.ringon);
    QCOMPARE(pixel(image, polar(middle, 49, 180)), colours.ringoff);
    // Beyond the lit band the unlit ring shows all round.
    QCOMPARE(pixel(image, {118, 65}), colours.ringoff);
    QCOMPARE(pixel(image, polar(middle, 30, 0)), colours.fill);
    QCOMPARE(pixel(image, {65, 35}), colours.needle);
    QCOMPARE(pixel(image, {72, 68}), colours.inner);
}

void TestPreviewFamilies::faders_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<bool>("flat");
    QTest::addColumn<QRectF>("firsttick");
    QTest::addColumn<QPointF>("tickstep");
    QTest::addColumn<QRectF>("border");
    QTest::addColumn<QRectF>("off");
    QTest::addColumn<QRectF>("on");
    QTest::addColumn<QRectF>("cap");
    QTest::addColumn<QPointF>("gradienttop");
    QTest::addColumn<QPointF>("gradientbottom");
    const int vertical = int(FaderShape::Vertical), horizontal = int(FaderShape::Horizontal);
    for (bool flat : {false, true}) {
        const QByteArray suffix = flat ? " flat" : "";
        QTest::newRow("vertical" + suffix)
            << vertical << flat << QRectF(40, 10, 30, 2) << QPointF(0, 10) << QRectF(51, 6, 8, 118)
            << QRectF(52, 8, 6, 114) << QRectF(52, 65, 6, 57) << QRectF(43, 58, 24, 15) << QPointF(55, 58)
            << QPointF(55, 73);
        QTest::newRow("horizontal" + suffix)
            << horizontal << flat << QRectF(20, 60, 2, 30) << QPointF(10, 0) << QRectF(19, 71, 118, 8)
            << QRectF(20, 72, 114, 6) << QRectF(77, 72, 57, 6) << QRectF(70, 63, 15, 24) << QPointF(77, 63)
            << QPointF(77, 87);
    }
}

void TestPreviewFamilies::faders()
{
    QFETCH(int, shape);
    QFETCH(bool, flat);
    QFETCH(QRectF, firsttick);
    QFETCH(QPointF, tickstep);
    QFETCH(QRectF, border);
    QFETCH(QRectF, off);
    QFETCH(QRectF, on);
    QFETCH(QRectF, cap);
    QFETCH(QPointF, gradienttop);
    QFETCH(QPointF, gradientbottom);

    const FaderColours colours{colour(1), colour(2), colour(3), colour(4), colour(5), colour(6), colour(7)};
    QGraphicsScene scene(0, 0, 161, 141);
    drawfaderpreview(&scene, FaderShape(shape), colours, flat);
    QCOMPARE(scene.items().size(), 16);

    const auto rect = [&scene](int index) { return itemat<QGraphicsRectItem>(scene, index); };
    for (int tick = 0; tick < 12; ++tick) {
        QCOMPARE(rect(tick)->rect(), firsttick.translated(tickstep * tick));
        QCOMPARE(rect(tick)->pen().style(), Qt::NoPen);
        checksolid(rect(tick)->brush(), colours.lines);
    }
    const QRectF expected[] = {border, off, on};
    const QColor fills[] = {colours.trackborder, colours.trackoff, colours.trackon};
    for (int part = 0; part < 3; ++part) {
        QCOMPARE(rect(12 + part)->rect(), expected[part]);
        QCOMPARE(rect(12 + part)->pen().style(), Qt::NoPen);
        checksolid(rect(12 + part)->brush(), fills[part]);
    }
    QCOMPARE(rect(15)->rect(), cap);
    QCOMPARE(rect(15)->pen().color(), colours.capoutline);
    QCOMPARE(rect(15)->pen().width(), 1);
    checkgradient(rect(15)->brush(), gradienttop, gradientbottom, colours.cap1, flat ? colours.cap1 : colours.cap2);
}

void TestPreviewFamilies::faderCapCoversScale()
{
    const FaderColours colours{Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan, Qt::cyan, Qt::black};
    QGraphicsScene scene(0, 0, 161, 141);
    drawfaderpreview(&scene, FaderShape::Vertical, colours, false);
    QImage image = render(scene);
    QCOMPARE(pixel(image, {41, 60}), colours.lines);
    QCOMPARE(pixel(image, {45, 60}), colours.cap1);   // tick at y 60 hidden under the cap
    QCOMPARE(pixel(image, {55, 30}), colours.trackoff);
    QCOMPARE(pixel(image, {55, 100}), colours.trackon);
    QCOMPARE(pixel(image, {51, 30}), colours.trackborder);

    drawfaderpreview(&scene, FaderShape::Horizontal, colours, false);
    image = render(scene);
    QCOMPARE(pixel(image, {80, 61}), colours.lines);
    QCOMPARE(pixel(image, {80, 65}), colours.cap1);   // tick at x 80 hidden under the cap
    QCOMPARE(pixel(image, {40, 75}), colours.trackoff);
    QCOMPARE(pixel(image, {100, 75}), colours.trackon);
}

void TestPreviewFamilies::deckText()
{
    const DeckTextColours colours{colour(1), colour(2), colour(3), colour(4), colour(5)};
    QGraphicsScene scene(0, 0, 221, 131);
    drawdecktextpreview(&scene, colours);
    QCOMPARE(scene.items().size(), 7);

    auto *song = itemat<QGraphicsRectItem>(scene, 0);
    auto *time = itemat<QGraphicsRectItem>(scene, 4);
    QVERIFY(song && time);
    QCOMPARE(song->rect(), QRectF(10, 10, 240, 55));
    QCOMPARE(time->rect(), QRectF(10, 70, 100, 50));
    for (QGraphicsRectItem *box : {song, time}) {
        QCOMPARE(box->pen().style(), Qt::NoPen);
        checksolid(box->brush(), colours.back);
    }

    struct Expected {
        int index;
        const char *text;
        QPointF pos;
        QColor colour;
        int pointsize;
        int weight;
    };
    const Expected texts[] = {
        {1, "TITLE", {15, 15}, colours.title, 12, 75},    {2, "(REMIX)", {65, 15}, colours.remix, 12, 75},
        {3, "ARTIST", {15, 35}, colours.artist, 12, 75},  {5, "REMAIN", {15, 73}, colours.caption, 9, 50},
        {6, "0:00.0", {15, 90}, colours.artist, 14, 75},
    };
    for (const Expected &expected : texts) {
        auto *item = itemat<QGraphicsTextItem>(scene, expected.index);
        QVERIFY2(item, expected.text);
        QCOMPARE(item->toPlainText(), QString(expected.text));
        QCOMPARE(item->pos(), expected.pos);
        QCOMPARE(item->defaultTextColor(), expected.colour);
        QCOMPARE(item->font().family(), QString("Arial"));
        QCOMPARE(item->font().pointSize(), expected.pointsize);
        QCOMPARE(item->font().weight(), expected.weight);
    }
}

void TestPreviewFamilies::mixerText()
{
    const MixerTextColours colours{colour(1), colour(2), colour(3)};
    QGraphicsScene scene(0, 0, 221, 131);
    drawmixertextpreview(&scene, colours);
    QCOMPARE(scene.items().size(), 3);
    auto *box = itemat<QGraphicsRectItem>(scene, 0);
    QVERIFY(box);
    QCOMPARE(box->rect(), QRectF(10, 10, 200, 55));
    QCOMPARE(box->pen().color(), colours.border);
    QCOMPARE(box->pen().width(), 2);
    checksolid(box->brush(), colours.back);
    const char *const texts[] = {"Record Message ...", "(TIME xx:xx SIZE : 0kb)"};
    for (int line = 0; line < 2; ++line) {
        auto *item = itemat<QGraphicsTextItem>(scene, 1 + line);
        QVERIFY(item);
        QCOMPARE(item->toPlainText(), QString(texts[line]));
        QCOMPARE(item->pos(), QPointF(15, 15 + 20 * line));
        QCOMPARE(item->defaultTextColor(), colours.text);
        QCOMPARE(item->font().pointSize(), 9);
        QCOMPARE(item->font().weight(), 75);
    }
}

void TestPreviewFamilies::meter()
{
    const MeterColours colours{Qt::black, Qt::darkGreen, Qt::green, Qt::red};
    QGraphicsScene scene(0, 0, 111, 121);
    drawmeterpreview(&scene, colours);
    const QList<QGraphicsItem *> items = stack(scene);
    QCOMPARE(items.size(), 20);

    QVector<QRectF> expected{QRectF(30, 10, 20, 111), QRectF(65, 10, 20, 111)};
    QVector<QColor> fills{colours.back, colours.back};
    for (int i = 0; i < 9; ++i) {
        expected << QRectF(32, 12 + 12 * i, 16, 10);
        fills << colours.off;
    }
    for (int i = 0; i < 9; ++i) {
        expected << QRectF(67, 12 + 12 * i, 16, 10);
        fills << (i == 0 ? colours.peak : colours.on);
    }
    for (int i = 0; i < items.size(); ++i) {
        auto *rect = dynamic_cast<QGraphicsRectItem *>(items.at(i));
        QVERIFY(rect);
        QCOMPARE(rect->rect(), expected.at(i));
        QCOMPARE(rect->pen().style(), Qt::NoPen);
        checksolid(rect->brush(), fills.at(i));
    }
    QCOMPARE(expected.last().bottom(), 118.0);

    const QImage image = render(scene);
    QCOMPARE(pixel(image, {40, 110}), colours.off);
    QCOMPARE(pixel(image, {75, 15}), colours.peak);
    QCOMPARE(pixel(image, {75, 110}), colours.on);
    QCOMPARE(pixel(image, {75, 23}), colours.back);  // the gap between segments
}

void TestPreviewFamilies::bandRecolouring()
{
    QImage picture(4, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(0, 0, 0, 0));
    picture.setPixel(1, 0, qRgba(128, 128, 128, 128));
    picture.setPixel(2, 0, qRgba(0, 0, 0, 255));
    picture.setPixel(3, 0, qRgba(250, 250, 250, 1));

    const QImage band = recolouredband(picture, QColor(10, 20, 30));
    QCOMPARE(band.format(), QImage::Format_ARGB32);
    QCOMPARE(qAlpha(band.pixel(0, 0)), 0);
    QCOMPARE(band.pixel(1, 0), qRgba(10, 20, 30, 128));
    QCOMPARE(band.pixel(2, 0), qRgba(10, 20, 30, 255));
    QCOMPARE(band.pixel(3, 0), qRgba(10, 20, 30, 1));

    // Only the picture's alpha counts, not the band colour's.
    const QImage clear = recolouredband(picture, QColor(10, 20, 30, 0));
    QCOMPARE(clear.pixel(2, 0), qRgba(10, 20, 30, 255));

    QVERIFY(recolouredband(QImage(), Qt::red).isNull());
}

void TestPreviewFamilies::songPosition()
{
    SongPositionColours colours{Qt::black, Qt::white, Qt::red, Qt::green, Qt::blue, QColor(200, 100, 50, 255)};
    QGraphicsScene scene(0, 0, 221, 131);
    drawsongpositionpreview(&scene, colours);
    QCOMPARE(scene.items().size(), 5);

    auto *back = itemat<QGraphicsRectItem>(scene, 0);
    QVERIFY(back);
    QCOMPARE(back->rect(), QRectF(10, 50, 200, 34));
    QCOMPARE(back->pen().color(), colours.border);
    QCOMPARE(back->pen().width(), 1);
    checksolid(back->brush(), colours.back);

    const QColor bands[] = {colours.high, colours.mid, colours.bass};
    for (int band = 0; band < 3; ++band) {
        auto *picture = itemat<QGraphicsPixmapItem>(scene, 1 + band);
        QVERIFY(picture);
        QCOMPARE(picture->scale(), 0.5);
        QCOMPARE(picture->pos(), QPointF(15, 51));
        QCOMPARE(picture->pixmap().size(), QSize(381, 62));
        // Every visible pixel of the band is in the band colour.
        const QImage image = picture->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage source = QImage(songpositionpictures[band]).convertToFormat(QImage::Format_ARGB32);
        int visible = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb rgb = image.pixel(x, y);
                QCOMPARE(qAlpha(rgb), qAlpha(source.pixel(x, y)));
                if (qAlpha(rgb) == 255) {
                    ++visible;
                    QCOMPARE(QColor(rgb), bands[band]);
                }
            }
        QVERIFY(visible > 0);
    }

    // The played part is translucent whatever the colour's own alpha.
    for (int alpha : {255, 0}) {
        colours.played.setAlpha(alpha);
        drawsongpositionpreview(&scene, colours);
        auto *played = itemat<QGraphicsRectItem>(scene, 4);
        QVERIFY(played);
        QCOMPARE(played->rect(), QRectF(11, 51, 68, 32));
        QCOMPARE(played->pen().style(), Qt::NoPen);
        checksolid(played->brush(), QColor(200, 100, 50, 120));
    }
}

void TestPreviewFamilies::songPositionSameForBothDecks()
{
    ColourScheme scheme = distinctscheme();
    scheme.d2_songposback = scheme.d1_songposback;
    scheme.d2_songposborder = scheme.d1_songposborder;
    scheme.d2_colorHigh = scheme.d1_colorHigh;
    scheme.d2_colorMed = scheme.d1_colorMed;
    scheme.d2_colorBass = scheme.d1_colorBass;
    scheme.d2_colorPlayed = scheme.d1_colorPlayed;

    QGraphicsScene left(0, 0, 221, 131), right(0, 0, 221, 131);
    drawsongpositionpreview(&left, songpositioncolours(scheme, ColourScope::D1));
    drawsongpositionpreview(&right, songpositioncolours(scheme, ColourScope::D2));
    const QImage image = render(left);
    QCOMPARE(render(right), image);
    // The bands show inside the display: not only the background there.
    QVERIFY(pixel(image, {110, 67}) != scheme.d1_songposback);
}

void TestPreviewFamilies::scratchWave()
{
    const ScratchWaveColours colours{Qt::black, Qt::white, Qt::red};
    QGraphicsScene scene(0, 0, 221, 131);
    drawscratchwavepreview(&scene, colours);
    QCOMPARE(scene.items().size(), 3);
    auto *back = itemat<QGraphicsRectItem>(scene, 0);
    auto *picture = itemat<QGraphicsPixmapItem>(scene, 1);
    auto *needle = itemat<QGraphicsRectItem>(scene, 2);
    QVERIFY(back && picture && needle);
    QCOMPARE(back->rect(), QRectF(10, 40, 200, 35));
    QCOMPARE(back->pen().color(), colours.border);
    QCOMPARE(back->pen().width(), 1);
    checksolid(back->brush(), colours.back);
    QCOMPARE(picture->pixmap().size(), QSize(523, 81));
    QCOMPARE(picture->scale(), 0.377);
    QCOMPARE(picture->pos(), QPointF(12, 43));
    QCOMPARE(needle->rect(), QRectF(110, 40, 2, 35));
    QCOMPARE(needle->pen().style(), Qt::NoPen);
    checksolid(needle->brush(), colours.needle);
    QCOMPARE(pixel(render(scene), {110, 60}), colours.needle);
}

QTEST_MAIN(TestPreviewFamilies)
#include "tst_previewfamilies.moc"
