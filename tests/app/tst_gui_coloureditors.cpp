#include <QtTest>
#include <QAction>
#include <QColorDialog>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "app/mainwindow.h"
#include "colours/deckcolours.h"
#include "colours/gradientswitch.h"
#include "colours/profileformat.h"
#include "support/filedialogdriver.h"
#include "support/messageboxdriver.h"
#include "support/modaldialog.h"
#include "support/testsupport.h"

namespace {

QString documents() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }
QString workdir() { return documents() + "/TYX"; }
QString profilesdir() { return workdir() + "/profiles"; }

using Colour = QColor ColourScheme::*;
using Scene = QGraphicsScene *PreviewScenes::*;

// One row of the colour editors: every colour of the colour table, and the
// right deck's own editors of the shared fader-lines colour.
struct EditorRow
{
    QString member;
    QString key;
    Colour colour;
    Colour partner;
    GradientRole role;
    bool hassetter;
    QString swatch;
    QString colorButton;
    QString resetButton;
    QString draw;
};

const QVector<EditorRow> &editorrows()
{
#define TYX_EDITOR_ROW(member, key, family, scope, role, partner, swatch, colorButton, resetButton, draw) \
    {#member, key, &ColourScheme::member, &ColourScheme::partner, GradientRole::role,                   \
     hassetter(ColourFamily::family), #swatch, #colorButton, #resetButton, #draw},
    static const QVector<EditorRow> rows = {TYX_COLOUR_EDITOR_ROWS(TYX_EDITOR_ROW)};
#undef TYX_EDITOR_ROW
    return rows;
}

const EditorRow &rownamed(const QString &colorButton)
{
    for (const EditorRow &row : editorrows())
        if (row.colorButton == colorButton)
            return row;
    qFatal("no editor row %s", qPrintable(colorButton));
}

const EditorRow *partnerrow(const EditorRow &row)
{
    for (const EditorRow &other : editorrows())
        if (other.colour == row.partner && other.role == GradientRole::Second)
            return &other;
    return nullptr;
}

// A colour that no other (index, generation) gives.
QColor distinct(int index, int generation)
{
    return QColor::fromRgb(index % 256, (generation * 50 + index / 256) % 256, (index * 7 + generation) % 256);
}

// The preview function and the scene that it rebuilds.
const QVector<QPair<QString, Scene>> &drawnscenes()
{
    using P = PreviewScenes;
    static const QVector<QPair<QString, Scene>> scenes = {
        {"drawbutton", &P::scene_button}, {"drawbutton2", &P::scene_button2}, {"drawbuttonm", &P::scene_buttonm},
        {"drawknob", &P::scene_knob},     {"drawknob2", &P::scene_knob2},     {"drawknobm", &P::scene_knobm},
        {"drawknobv", &P::scene_knobv},   {"drawfader", &P::scene_fader},     {"drawfader2", &P::scene_fader2},
        {"drawfaderm", &P::scene_faderm}, {"drawfaderv", &P::scene_faderv},   {"drawjog", &P::scene_jog},
        {"drawjog2", &P::scene_jog2},     {"drawdsp", &P::scene_dsp},         {"drawdsp2", &P::scene_dsp2},
        {"drawdspm", &P::scene_dspm},     {"drawdspv", &P::scene_dspv},       {"drawtext1", &P::scene_text1},
        {"drawtext2", &P::scene_text2},   {"drawtextm", &P::scene_textm},     {"drawvu1", &P::scene_vu1},
        {"drawvu2", &P::scene_vu2},       {"drawvum", &P::scene_vum},         {"drawwave1", &P::scene_wave1},
        {"drawwave2", &P::scene_wave2},   {"drawwavem", &P::scene_wavem},     {"drawbrowser", &P::scene_browser},
        {"drawsystem", &P::scene_system}, {"drawskin", &P::scene_skin},
    };
    return scenes;
}

// Notes which previews are redrawn: a marker item in every scene goes when
// its preview rebuilds the scene.
class SceneWatch
{
public:
    explicit SceneWatch(MainWindow &window)
    {
        for (const auto &drawn : drawnscenes()) {
            auto *marker = new QGraphicsTextItem;
            (window.*drawn.second)->addItem(marker);
            m_markers.append({drawn.first, marker});
        }
    }
    ~SceneWatch()
    {
        for (const auto &marker : qAsConst(m_markers))
            delete marker.second.data();
    }
    QStringList redrawn() const
    {
        QStringList names;
        for (const auto &marker : m_markers)
            if (!marker.second)
                names << marker.first;
        return names;
    }

private:
    QVector<QPair<QString, QPointer<QGraphicsTextItem>>> m_markers;
};

QStringList gradientdraws()
{
    return {"drawbutton", "drawbutton2", "drawbuttonm", "drawknob", "drawknob2", "drawknobm", "drawknobv",
            "drawfader", "drawfader2", "drawfaderm", "drawfaderv", "drawdsp", "drawdsp2", "drawdspm", "drawdspv"};
}

QStringList deckdraws(bool left)
{
    if (left)
        return {"drawbutton", "drawknob", "drawfader", "drawjog", "drawdsp", "drawtext1", "drawvu1", "drawwave1"};
    return {"drawbutton2", "drawknob2", "drawfader2", "drawjog2", "drawdsp2", "drawtext2", "drawvu2", "drawwave2"};
}

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

// One main window, with handles on its colour widgets.
struct Rig
{
    template <typename T = QWidget>
    T *widget(const QString &name)
    {
        T *found = window.findChild<T *>(name);
        if (!found)
            qWarning("no widget %s", qPrintable(name));
        return found;
    }
    QAction *action(const QString &name) { return widget<QAction>(name); }

    QColor &colour(Colour member) { return window.*member; }

    QColor shown(const QString &swatch)
    {
        return widget<QLabel>(swatch)->palette().brush(QPalette::Active, QPalette::Window).color();
    }

    // What every swatch shows, by name.
    QMap<QString, QColor> swatches()
    {
        QMap<QString, QColor> shown;
        for (const EditorRow &row : editorrows())
            shown.insert(row.swatch, this->shown(row.swatch));
        return shown;
    }

    static QStringList changed(const QMap<QString, QColor> &before, const QMap<QString, QColor> &after)
    {
        QStringList names;
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            if (after.value(it.key()) != it.value())
                names << it.key();
        return names;
    }

    // Gives every colour a value of its own, shown on every swatch.
    void setall(int generation)
    {
        int i = 0;
        for (const ColourEntry &entry : ColourScheme::colourTable())
            window.*entry.colour = distinct(i++, generation);
        window.initcolors();
    }

    QVector<QColor> allcolours()
    {
        QVector<QColor> colours;
        for (const ColourEntry &entry : ColourScheme::colourTable())
            colours << window.*entry.colour;
        return colours;
    }

    // Clicks a button as the user would; a zone's buttons are disabled while
    // the project does not show the zone, so they are enabled first.
    void click(const QString &button)
    {
        QPushButton *pushbutton = widget<QPushButton>(button);
        pushbutton->setEnabled(true);
        pushbutton->click();
    }

    // Clicks a colour button and answers its colour dialog with chosen (an
    // invalid colour cancels); returns the colour that the dialog opened on.
    QColor pick(const QString &button, const QColor &chosen)
    {
        QColor initial;
        modaldialog::answer<QColorDialog>([&](QColorDialog *dialog) {
            initial = dialog->currentColor();
            if (chosen.isValid()) {
                dialog->setCurrentColor(chosen);
                dialog->accept();
            } else {
                dialog->reject();
            }
        });
        click(button);
        return initial;
    }

    MainWindow window;
};

} // namespace

class TestColourEditors : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void pickEveryColour();
    void pickWithGradientsOff();
    void pickerResult_data();
    void pickerResult();
    void resetEveryColour_data();
    void resetEveryColour();
    void resetMissingKey_data();
    void resetMissingKey();
    void copyEveryPair_data();
    void copyEveryPair();
    void settersDoNotDraw();
    void gradientSwitch();
    void deckCopy_data();
    void deckCopy();
    void deckCopyBothWays();
    void deckReset_data();
    void deckReset();
    void builtinProfiles_data();
    void builtinProfiles();
    void loadProfileFromFile();
    void saveProfileAs();
    void saveBuiltinAsksForFile();
    void saveUpdatesFile();
    void saveFailures();
};

void TestColourEditors::initTestCase()
{
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void TestColourEditors::init()
{
    QDir(workdir()).removeRecursively();
    QDir(documents() + "/elsewhere").removeRecursively();
    QDir().mkpath(documents() + "/elsewhere");
}

// Every colour button opens the dialog on its colour; the chosen colour is
// stored, shown on its own swatch and drawn in its own preview only.
void TestColourEditors::pickEveryColour()
{
    Rig rig;
    rig.setall(1);
    int i = 0;
    for (const EditorRow &row : editorrows()) {
        const QColor before = rig.colour(row.colour);
        const QColor chosen = distinct(i++, 2);
        const QMap<QString, QColor> swatches = rig.swatches();
        SceneWatch watch(rig.window);

        QCOMPARE(rig.pick(row.colorButton, chosen), before);

        QCOMPARE(rig.colour(row.colour), chosen);
        QCOMPARE(Rig::changed(swatches, rig.swatches()), QStringList{row.swatch});
        if (row.draw == "updatescenes") {
            QVERIFY(watch.redrawn().isEmpty());
            for (QGraphicsView *view : rig.window.previewviews())
                QCOMPARE(view->backgroundBrush().color(), chosen);
        } else {
            QCOMPARE(watch.redrawn(), QStringList{row.draw});
        }
    }
}

// While gradients are off colour 1 also becomes colour 2, in the mixer and
// video sections too; colour 2 alone changes only itself.
void TestColourEditors::pickWithGradientsOff()
{
    Rig rig;
    rig.setall(1);
    rig.window.disablegradience = true;
    int i = 0;
    for (const EditorRow &row : editorrows()) {
        if (row.role == GradientRole::Single)
            continue;
        const EditorRow *second = row.role == GradientRole::First ? partnerrow(row) : nullptr;
        const QColor partnerbefore = rig.colour(row.partner);
        const QColor chosen = distinct(i++, 3);
        const QMap<QString, QColor> swatches = rig.swatches();
        SceneWatch watch(rig.window);

        rig.pick(row.colorButton, chosen);

        QCOMPARE(rig.colour(row.colour), chosen);
        if (second) {
            QCOMPARE(rig.colour(row.partner), chosen);
            QCOMPARE(sorted(Rig::changed(swatches, rig.swatches())), sorted({row.swatch, second->swatch}));
        } else {
            QCOMPARE(rig.colour(row.partner), partnerbefore);
            QCOMPARE(Rig::changed(swatches, rig.swatches()), QStringList{row.swatch});
        }
        QCOMPARE(watch.redrawn(), QStringList{row.draw});
    }
}

void TestColourEditors::pickerResult_data()
{
    QTest::addColumn<QString>("colorButton");
    QTest::addColumn<QColor>("chosen");
    QTest::newRow("button, picked") << "d1_buttonoff1_color" << QColor(1, 2, 3);
    QTest::newRow("button, cancelled") << "d1_buttonoff1_color" << QColor();
    QTest::newRow("needle, cancelled") << "d2_jogneeedle_color" << QColor();
    QTest::newRow("skin background, cancelled") << "skinback_color" << QColor();
    QTest::newRow("zone 5-R, picked") << "zone6backcolor" << QColor(9, 8, 7);
    QTest::newRow("zone 5-R, cancelled") << "zone6backcolor" << QColor();
}

// The picker returns what the dialog gave; a cancelled dialog changes
// nothing at all.
void TestColourEditors::pickerResult()
{
    QFETCH(QString, colorButton);
    QFETCH(QColor, chosen);
    const EditorRow &row = rownamed(colorButton);
    Rig rig;
    rig.window.disablegradience = true;
    const QVector<QColor> colours = rig.allcolours();
    const QMap<QString, QColor> swatches = rig.swatches();
    QVector<QColor> backgrounds;
    for (QGraphicsView *view : rig.window.previewviews())
        backgrounds << view->backgroundBrush().color();
    SceneWatch watch(rig.window);

    QColor result(Qt::magenta);
    modaldialog::answer<QColorDialog>([&](QColorDialog *dialog) {
        if (chosen.isValid()) {
            dialog->setCurrentColor(chosen);
            dialog->accept();
        } else {
            dialog->reject();
        }
    });
    QVERIFY(QMetaObject::invokeMethod(&rig.window, qPrintable("on_" + colorButton + "_clicked"),
                                      Qt::DirectConnection, Q_RETURN_ARG(QColor, result)));
    QCOMPARE(result, chosen);
    if (chosen.isValid()) {
        QCOMPARE(rig.colour(row.colour), chosen);
        QCOMPARE(watch.redrawn(), QStringList{row.draw});
        return;
    }
    QCOMPARE(rig.allcolours(), colours);
    QCOMPARE(rig.swatches(), swatches);
    QVERIFY(watch.redrawn().isEmpty());
    QVector<QColor> after;
    for (QGraphicsView *view : rig.window.previewviews())
        after << view->backgroundBrush().color();
    QCOMPARE(after, backgrounds);
}

void TestColourEditors::resetEveryColour_data()
{
    QTest::addColumn<bool>("gradientsoff");
    QTest::newRow("gradients on") << false;
    QTest::newRow("gradients off") << true;
}

// Every reset button takes its colour from the profile loaded last, under
// its own key, repaints its own swatch and redraws its own preview; while
// gradients are off colour 1 also gives colour 2 that value.
void TestColourEditors::resetEveryColour()
{
    QFETCH(bool, gradientsoff);
    Rig rig;
    rig.setall(1);
    rig.window.disablegradience = gradientsoff;
    QMap<QString, QString> profile;
    int i = 0;
    for (const ColourEntry &entry : ColourScheme::colourTable())
        profile.insert(entry.key, distinct(i++, 4).name());
    rig.window.profilecolors = profile;

    for (const EditorRow &row : editorrows()) {
        const QColor expected(profile.value(row.key));
        // Make the reset visible: the colour and the swatch hold another value.
        rig.colour(row.colour) = distinct(0, 5);
        rig.window.initcolors();
        const QColor partnerbefore = rig.colour(row.partner);
        const QMap<QString, QColor> swatches = rig.swatches();
        SceneWatch watch(rig.window);

        rig.click(row.resetButton);

        QCOMPARE(rig.colour(row.colour), expected);
        QStringList repainted{row.swatch};
        if (row.role == GradientRole::First && gradientsoff) {
            QCOMPARE(rig.colour(row.partner), expected);
            repainted << partnerrow(row)->swatch;
        } else if (row.role != GradientRole::Single) {
            QCOMPARE(rig.colour(row.partner), partnerbefore);
        }
        QCOMPARE(sorted(Rig::changed(swatches, rig.swatches())), sorted(repainted));
        if (row.draw == "updatescenes") {
            QVERIFY(watch.redrawn().isEmpty());
            for (QGraphicsView *view : rig.window.previewviews())
                QCOMPARE(view->backgroundBrush().color(), expected);
        } else {
            QCOMPARE(watch.redrawn(), QStringList{row.draw});
        }
    }
}

void TestColourEditors::resetMissingKey_data()
{
    QTest::addColumn<QString>("resetButton");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("gradientsoff");
    QTest::newRow("mixer fader of the white profile") << "m_faderinoff1_reset" << "masterfaderinoff" << false;
    QTest::newRow("button ON border") << "d1_buttononborder_reset" << "d1_buttononborder" << false;
    QTest::newRow("zone border") << "zoneborder_reset" << "drawborder" << false;
    QTest::newRow("colour 1, gradients off") << "d2_knobin1_reset" << "d2_knobin1" << true;
    QTest::newRow("unreadable text") << "m_systemtextoff_reset" << "systemiconoff" << false;
}

// A key that the loaded profile lacks (or a text that names no colour)
// leaves the colour invalid; the swatch and the preview still follow.
void TestColourEditors::resetMissingKey()
{
    QFETCH(QString, resetButton);
    QFETCH(QString, key);
    QFETCH(bool, gradientsoff);
    Rig rig;
    rig.window.disablegradience = gradientsoff;
    if (QTest::currentDataTag() == QLatin1String("unreadable text"))
        rig.window.profilecolors.insert(key, "#12345");
    else
        rig.window.profilecolors.remove(key);
    const ColourEntry *entry = ColourScheme::findColour(key);
    QVERIFY(entry);
    rig.colour(entry->partner) = Qt::green;
    rig.colour(entry->colour) = Qt::red;
    rig.window.initcolors();
    SceneWatch watch(rig.window);

    rig.click(resetButton);

    QVERIFY(!rig.colour(entry->colour).isValid());
    QVERIFY(!rig.shown(entry->swatch).isValid());
    if (entry->role == GradientRole::First)
        QCOMPARE(!rig.colour(entry->partner).isValid(), gradientsoff);
    QCOMPARE(watch.redrawn(), QStringList{entry->draw});
}

void TestColourEditors::copyEveryPair_data()
{
    QTest::addColumn<bool>("gradientsoff");
    QTest::newRow("gradients on") << false;
    QTest::newRow("gradients off") << true;
}

// Each copy button gives colour 2 the value of colour 1, an invalid one too,
// whatever the gradient switch says.
void TestColourEditors::copyEveryPair()
{
    QFETCH(bool, gradientsoff);
    Rig rig;
    rig.setall(1);
    rig.window.disablegradience = gradientsoff;
    int copies = 0;
    for (const EditorRow &row : editorrows()) {
        if (row.role != GradientRole::First)
            continue;
        ++copies;
        const QColor first = copies == 1 ? QColor() : rig.colour(row.colour);
        rig.colour(row.colour) = first;
        const QMap<QString, QColor> swatches = rig.swatches();
        SceneWatch watch(rig.window);

        rig.click(row.member + "_to2");

        QCOMPARE(rig.colour(row.partner), first);
        QCOMPARE(rig.colour(row.colour), first);
        QCOMPARE(Rig::changed(swatches, rig.swatches()), QStringList{partnerrow(row)->swatch});
        QCOMPARE(watch.redrawn(), QStringList{row.draw});
    }
    QCOMPARE(copies, 29);
}

// A setter stores and shows its colour but leaves the drawing to its caller;
// the skin and zone colours have none.
void TestColourEditors::settersDoNotDraw()
{
    Rig rig;
    rig.setall(1);
    rig.window.disablegradience = true;
    int setters = 0;
    int i = 0;
    for (const EditorRow &row : editorrows()) {
        const QByteArray signature = (row.colorButton + "(QColor)").toLatin1();
        QCOMPARE(rig.window.metaObject()->indexOfMethod(signature.constData()) >= 0, row.hassetter);
        if (!row.hassetter)
            continue;
        ++setters;
        const QColor chosen = distinct(i++, 6);
        const QMap<QString, QColor> swatches = rig.swatches();
        SceneWatch watch(rig.window);

        QVERIFY(QMetaObject::invokeMethod(&rig.window, qPrintable(row.colorButton), Qt::DirectConnection,
                                          Q_ARG(QColor, chosen)));

        QCOMPARE(rig.colour(row.colour), chosen);
        QStringList repainted{row.swatch};
        if (row.role == GradientRole::First) {
            QCOMPARE(rig.colour(row.partner), chosen);
            repainted << partnerrow(row)->swatch;
        }
        QCOMPARE(sorted(Rig::changed(swatches, rig.swatches())), sorted(repainted));
        QVERIFY(watch.redrawn().isEmpty());
    }
    QCOMPARE(setters, 203);
}

// "Disable Gradience" disables the decks' colour-2 widgets and redraws the
// gradient previews; no colour changes, and a second trigger undoes it.
void TestColourEditors::gradientSwitch()
{
    Rig rig;
    rig.setall(1);
    const QVector<QColor> colours = rig.allcolours();
    const QStringList switched = gradientswitchwidgets();
    QAction *action = rig.action("colordisablegradience");
    QVERIFY(!rig.window.disablegradience);

    // Every colour widget of the colour tabs, to see that only the 64 change.
    QStringList colourwidgets;
    for (const EditorRow &row : editorrows()) {
        colourwidgets << row.swatch << row.colorButton << row.resetButton;
        if (row.role == GradientRole::First)
            colourwidgets << row.member + "_to2";
    }
    QMap<QString, bool> enabledbefore;
    for (const QString &name : colourwidgets)
        enabledbefore.insert(name, rig.widget(name)->isEnabled());
    for (const QString &name : switched)
        QVERIFY2(enabledbefore.value(name), qPrintable(name));

    for (bool off : {true, false}) {
        SceneWatch watch(rig.window);
        action->trigger();
        QCOMPARE(rig.window.disablegradience, off);
        QCOMPARE(action->isChecked(), off);
        for (const QString &name : colourwidgets) {
            const bool expected = switched.contains(name) ? !off : enabledbefore.value(name);
            QVERIFY2(rig.widget(name)->isEnabled() == expected, qPrintable(name));
        }
        QCOMPARE(sorted(watch.redrawn()), sorted(gradientdraws()));
        QCOMPARE(rig.allcolours(), colours);
        // A disabled swatch still shows its colour.
        QCOMPARE(rig.widget<QLabel>("d1_buttonoff2_label")->palette().brush(QPalette::Disabled, QPalette::Window).color(),
                 rig.window.d1_buttonoff2);
    }
    // The flag decides, not the check mark.
    action->setChecked(true);
    action->trigger();
    QVERIFY(rig.window.disablegradience);
    QVERIFY(action->isChecked());
}

void TestColourEditors::deckCopy_data()
{
    QTest::addColumn<bool>("toright");
    QTest::addColumn<bool>("gradientsoff");
    QTest::newRow("left to right") << true << false;
    QTest::newRow("right to left") << false << false;
    QTest::newRow("left to right, gradients off") << true << true;
    QTest::newRow("right to left, gradients off") << false << true;
}

// A copy gives the receiving deck all 60 colours of the other deck, colour 2
// included while gradients are off, shows them and redraws that deck once.
void TestColourEditors::deckCopy()
{
    QFETCH(bool, toright);
    QFETCH(bool, gradientsoff);
    Rig rig;
    rig.setall(1);
    rig.window.disablegradience = gradientsoff;
    const QVector<QColor> before = rig.allcolours();
    const QMap<QString, QColor> swatches = rig.swatches();
    SceneWatch watch(rig.window);

    rig.action(toright ? "colorsfromLeftToRight" : "colorsFromRightToLeft")->trigger();

    QSet<QString> receiving;
    QStringList repainted;
    for (const DeckColour &row : deckcolours()) {
        const Colour source = toright ? row.left : row.right;
        const Colour target = toright ? row.right : row.left;
        QCOMPARE(rig.colour(target), rig.colour(source));
        receiving << (toright ? row.rightmember : row.leftmember);
        const QString setter = toright ? row.rightsetter : row.leftsetter;
        if (rig.colour(target) != swatches.value(rownamed(setter).swatch))
            repainted << rownamed(setter).swatch;
        QCOMPARE(rig.shown(rownamed(setter).swatch), rig.colour(target));
    }
    // The source deck and every colour outside the receiving deck keep theirs.
    int i = 0;
    for (const ColourEntry &entry : ColourScheme::colourTable()) {
        if (!receiving.contains(entry.member))
            QVERIFY2(rig.colour(entry.colour) == before.at(i), entry.member);
        ++i;
    }
    QCOMPARE(sorted(Rig::changed(swatches, rig.swatches())), sorted(repainted));
    QCOMPARE(repainted.size(), 59);  // all but the shared fader lines
    QCOMPARE(sorted(watch.redrawn()), sorted(deckdraws(!toright)));
}

void TestColourEditors::deckCopyBothWays()
{
    Rig rig;
    rig.setall(1);
    QVector<QColor> right;
    for (const DeckColour &row : deckcolours())
        right << rig.colour(row.right);
    rig.action("colorsFromRightToLeft")->trigger();
    rig.action("colorsfromLeftToRight")->trigger();
    for (int i = 0; i < deckcolours().size(); ++i) {
        QCOMPARE(rig.colour(deckcolours().at(i).left), right.at(i));
        QCOMPARE(rig.colour(deckcolours().at(i).right), right.at(i));
    }
}

void TestColourEditors::deckReset_data()
{
    QTest::addColumn<bool>("left");
    QTest::addColumn<bool>("gradientsoff");
    QTest::newRow("left") << true << false;
    QTest::newRow("right") << false << false;
    QTest::newRow("left, gradients off") << true << true;
    QTest::newRow("right, gradients off") << false << true;
}

// A deck reset gives all 60 colours of the deck their profile values (colour
// 2 its own, also while gradients are off) and leaves the rest alone.
void TestColourEditors::deckReset()
{
    QFETCH(bool, left);
    QFETCH(bool, gradientsoff);
    Rig rig;
    QMap<QString, QString> profile;
    int i = 0;
    for (const ColourEntry &entry : ColourScheme::colourTable())
        profile.insert(entry.key, distinct(i++, 7).name());
    rig.window.profilecolors = profile;
    rig.setall(1);
    rig.window.disablegradience = gradientsoff;
    const QVector<QColor> before = rig.allcolours();
    const QMap<QString, QColor> swatches = rig.swatches();
    SceneWatch watch(rig.window);

    rig.action(left ? "resetleftcolors" : "resetrightcolors")->trigger();

    QSet<QString> reset;
    QStringList repainted;
    for (const DeckColour &row : deckcolours()) {
        const Colour member = left ? row.left : row.right;
        const EditorRow &editor = rownamed(left ? row.leftsetter : row.rightsetter);
        QCOMPARE(rig.colour(member), QColor(profile.value(editor.key)));
        QCOMPARE(rig.shown(editor.swatch), rig.colour(member));
        reset << (left ? row.leftmember : row.rightmember);
        repainted << editor.swatch;
    }
    i = 0;
    for (const ColourEntry &entry : ColourScheme::colourTable()) {
        if (!reset.contains(entry.member))
            QVERIFY2(rig.colour(entry.colour) == before.at(i), entry.member);
        ++i;
    }
    // The other deck's fader-lines swatch shows the old value until its
    // next repaint.
    QCOMPARE(sorted(Rig::changed(swatches, rig.swatches())), sorted(repainted));
    QCOMPARE(sorted(watch.redrawn()), sorted(deckdraws(left)));
}

void TestColourEditors::builtinProfiles_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("mark");
    QTest::newRow("default") << "loaddefaultcolorprofile" << "default" << "Color Profile : default" << 0;
    QTest::newRow("white") << "actionWhite" << "white" << "Color Profile : White" << 1;
    QTest::newRow("dark") << "actionDark" << "dark" << "Color Profile : Dark" << 2;
}

// A built-in entry loads its profile, shows it everywhere and checks only
// its own entry; choosing it again keeps it checked. The button ON borders,
// which no built-in profile holds, keep the colours the user gave them.
void TestColourEditors::builtinProfiles()
{
    QFETCH(QString, action);
    QFETCH(QString, name);
    QFETCH(QString, label);
    QFETCH(int, mark);
    const QString path = "://Resources/" + name + ".tycp";
    const QStringList marks{"loaddefaultcolorprofile", "actionWhite", "actionDark"};
    ColourScheme expected;
    QVERIFY(expected.loadcolorprofile(path));

    Rig rig;
    // Start from another built-in profile, with edits on top.
    rig.action(mark == 1 ? "actionDark" : "actionWhite")->trigger();
    rig.setall(1);
    const QStringList onborders{"d1_buttononborder", "d2_buttononborder", "masterbuttononborder"};
    for (const QString &key : onborders)
        *expected.colourByKey(key) = rig.colour(ColourScheme::findColour(key)->colour);
    for (int again = 0; again < 2; ++again) {
        SceneWatch watch(rig.window);
        rig.action(action)->trigger();

        QCOMPARE(rig.window.colorprofile, name);
        QCOMPARE(rig.window.colorprofilepath, path);
        QCOMPARE(rig.widget<QLabel>("colorprofile_label")->text(), label);
        for (int i = 0; i < marks.size(); ++i)
            QCOMPARE(rig.action(marks.at(i))->isChecked(), i == mark);
        QVERIFY(!rig.action("savecolorprofile")->isEnabled());
        QCOMPARE(rig.window.profilecolors, expected.profilecolors);
        for (const EditorRow &row : editorrows()) {
            QCOMPARE(rig.colour(row.colour), expected.*row.colour);
            QCOMPARE(rig.shown(row.swatch), expected.*row.colour);
        }
        QCOMPARE(watch.redrawn().size(), drawnscenes().size());
    }
}

// "From File..." makes the chosen file the current profile; cancelling the
// dialog changes nothing.
void TestColourEditors::loadProfileFromFile()
{
    Rig rig;
    const QString file = profilesdir() + "/night.v2.tycp";
    QVERIFY(testsupport::writeFile(file, "backcolor,#010203\r\nd1_buttonoff1,#0a0b0c\nmasterbuttonoff1,#A0B0C0\r\n"));

    rig.window.d2_buttonoff1 = Qt::red;
    {
        FileDialogDriver cancel{QString()};
        SceneWatch watch(rig.window);
        rig.action("loadprofilefromfile")->trigger();
        QCOMPARE(cancel.dialogs.size(), 1);
        QVERIFY(watch.redrawn().isEmpty());
    }
    QCOMPARE(rig.window.colorprofile, QString("default"));
    QCOMPARE(rig.window.d2_buttonoff1, QColor(Qt::red));
    QVERIFY(rig.action("loaddefaultcolorprofile")->isChecked());

    rig.action("actionDark")->trigger();
    FileDialogDriver pick(file);
    SceneWatch watch(rig.window);
    rig.action("loadprofilefromfile")->trigger();

    QCOMPARE(pick.dialogs.size(), 1);
    QCOMPARE(pick.dialogs.at(0).title, QString("Tessary Extractor - Load a Color Profile"));
    QCOMPARE(pick.dialogs.at(0).directory, profilesdir());
    QCOMPARE(pick.dialogs.at(0).filters, QStringList{"TY Color Profiles (*.tycp)"});
    QCOMPARE(pick.dialogs.at(0).mode, QFileDialog::AcceptOpen);

    QCOMPARE(rig.window.colorprofilepath, file);
    QCOMPARE(rig.window.colorprofile, QString("night"));
    QCOMPARE(rig.widget<QLabel>("colorprofile_label")->text(), QString("Color Profile : night"));
    for (const char *name : {"loaddefaultcolorprofile", "actionWhite", "actionDark"})
        QVERIFY(!rig.action(name)->isChecked());
    QVERIFY(rig.action("savecolorprofile")->isEnabled());
    QCOMPARE(rig.window.skinback, QColor(1, 2, 3));
    QCOMPARE(rig.window.m_buttonoff1, QColor(0xa0, 0xb0, 0xc0));
    QCOMPARE(rig.shown("d1_buttonoff1_label"), QColor(10, 11, 12));
    QVERIFY(!rig.window.d2_buttonoff1.isValid());  // the file lacks it
    QCOMPARE(watch.redrawn().size(), drawnscenes().size());
}

// "Save Profile As ..." writes the colours in use to the chosen file, which
// becomes the current profile; "Save Profile" stays as it was.
void TestColourEditors::saveProfileAs()
{
    Rig rig;
    rig.action("actionWhite")->trigger();
    rig.window.d1_jogneedle = QColor(0x11, 0x22, 0x33);
    const QString file = documents() + "/elsewhere/mine.v1.tycp";

    {
        FileDialogDriver cancel{QString()};
        MessageBoxDriver boxes;
        rig.action("saveascolorprofile")->trigger();
        QCOMPARE(cancel.dialogs.size(), 1);
        QVERIFY(boxes.boxes.isEmpty());
    }
    QVERIFY(!QFileInfo::exists(file));
    QCOMPARE(rig.window.colorprofile, QString("white"));
    QVERIFY(rig.action("actionWhite")->isChecked());

    FileDialogDriver pick(file);
    QString labelwhileshown;
    MessageBoxDriver boxes({}, [&](QMessageBox *) {
        labelwhileshown = rig.widget<QLabel>("colorprofile_label")->text();
    });
    rig.action("saveascolorprofile")->trigger();

    QCOMPARE(pick.dialogs.size(), 1);
    QCOMPARE(pick.dialogs.at(0).title, QString("Tessary Extractor - Save Color Profile"));
    QCOMPARE(pick.dialogs.at(0).directory, profilesdir());
    QCOMPARE(pick.dialogs.at(0).filters, QStringList{"TY Color Profiles (*.tycp)"});
    QCOMPARE(pick.dialogs.at(0).mode, QFileDialog::AcceptSave);
    QCOMPARE(testsupport::readFile(file), profileText(rig.window));
    QVERIFY(testsupport::readFile(file).contains("d1_jogneedle,#112233\r\n"));
    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes.at(0).title, QString("Tessary Extractor"));
    QCOMPARE(boxes.boxes.at(0).text, QString("Color Profile mine has been saved succesfully."));
    QCOMPARE(boxes.boxes.at(0).icon, QMessageBox::Information);
    QCOMPARE(rig.window.colorprofilepath, file);
    QCOMPARE(rig.window.colorprofile, QString("mine"));
    QCOMPARE(labelwhileshown, QString("Color Profile : White"));  // the label follows the notice
    QCOMPARE(rig.widget<QLabel>("colorprofile_label")->text(), QString("Color Profile : mine"));
    for (const char *name : {"loaddefaultcolorprofile", "actionWhite", "actionDark"})
        QVERIFY(!rig.action(name)->isChecked());
    QVERIFY(!rig.action("savecolorprofile")->isEnabled());
    QCOMPARE(rig.window.d1_jogneedle, QColor(0x11, 0x22, 0x33));
}

// A built-in profile is never written: "Save Profile" asks for a file.
void TestColourEditors::saveBuiltinAsksForFile()
{
    Rig rig;
    QVERIFY(rig.window.colorprofilepath.startsWith("://Resources"));
    QVERIFY(rig.action("savecolorprofile")->isEnabled());  // as the form is built
    {
        FileDialogDriver cancel{QString()};
        MessageBoxDriver boxes;
        rig.action("savecolorprofile")->trigger();
        QCOMPARE(cancel.dialogs.size(), 1);
        QCOMPARE(cancel.dialogs.at(0).mode, QFileDialog::AcceptSave);
        QVERIFY(boxes.boxes.isEmpty());
    }
    QCOMPARE(rig.window.colorprofilepath, QString("://Resources/default.tycp"));
    QVERIFY(rig.action("loaddefaultcolorprofile")->isChecked());

    FileDialogDriver pick(profilesdir() + "/kept.tycp");
    MessageBoxDriver boxes;
    rig.action("savecolorprofile")->trigger();
    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes.at(0).text, QString("Color Profile kept has been saved succesfully."));
    QCOMPARE(testsupport::readFile(profilesdir() + "/kept.tycp"), profileText(rig.window));
    QCOMPARE(rig.window.colorprofile, QString("kept"));
}

// "Save Profile" rewrites the current profile file and keeps the label.
void TestColourEditors::saveUpdatesFile()
{
    Rig rig;
    const QString file = profilesdir() + "/night.tycp";
    QVERIFY(testsupport::writeFile(file, "backcolor,#010203\r\n"));
    {
        FileDialogDriver pick(file);
        rig.action("loadprofilefromfile")->trigger();
    }
    rig.window.skinback = QColor(0x44, 0x55, 0x66);

    MessageBoxDriver boxes;
    rig.action("savecolorprofile")->trigger();

    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes.at(0).title, QString("Tessary Extractor"));
    QCOMPARE(boxes.boxes.at(0).text, QString("Color Profile night has been updated."));
    QCOMPARE(testsupport::readFile(file), profileText(rig.window));
    QVERIFY(testsupport::readFile(file).startsWith("backcolor,#445566\r\n"));
    QCOMPARE(rig.widget<QLabel>("colorprofile_label")->text(), QString("Color Profile : night"));
    QCOMPARE(rig.window.colorprofilepath, file);
    QVERIFY(rig.action("savecolorprofile")->isEnabled());
    // The profile in memory is still the one loaded: a reset goes back to it.
    QCOMPARE(rig.window.profilecolors.value("backcolor"), QString("#010203"));
}

// A profile that cannot be written is reported, never announced as saved,
// and does not become the current profile.
void TestColourEditors::saveFailures()
{
    Rig rig;
    const QString folder = documents() + "/elsewhere/gone";
    const QString file = folder + "/night.tycp";
    QVERIFY(testsupport::writeFile(file, "backcolor,#010203\r\n"));
    {
        FileDialogDriver pick(file);
        rig.action("loadprofilefromfile")->trigger();
    }
    QVERIFY(QDir(folder).removeRecursively());

    {
        MessageBoxDriver boxes;
        rig.action("savecolorprofile")->trigger();
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes.at(0).title, QString("Tessary Extractor"));
        QCOMPARE(boxes.boxes.at(0).icon, QMessageBox::Warning);
        QVERIFY2(boxes.boxes.at(0).text.startsWith("Color Profile night could not be saved to "),
                 qPrintable(boxes.boxes.at(0).text));
    }
    QVERIFY(!QFileInfo::exists(file));

    rig.action("actionDark")->trigger();
    {
        FileDialogDriver pick(folder + "/other.tycp");
        MessageBoxDriver boxes;
        rig.action("saveascolorprofile")->trigger();
        QCOMPARE(pick.dialogs.size(), 1);
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes.at(0).icon, QMessageBox::Warning);
    }
    QVERIFY(!QFileInfo::exists(folder + "/other.tycp"));
    QCOMPARE(rig.window.colorprofile, QString("dark"));
    QCOMPARE(rig.window.colorprofilepath, QString("://Resources/dark.tycp"));
    QCOMPARE(rig.widget<QLabel>("colorprofile_label")->text(), QString("Color Profile : Dark"));
    QVERIFY(rig.action("actionDark")->isChecked());
}

QTEST_MAIN(TestColourEditors)
#include "tst_gui_coloureditors.moc"
