#include <QtTest>
#include <QFrame>
#include <QGraphicsView>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>

#include "app/mainwindow.h"
#include "app/zonecontrols.h"
#include "support/testsupport.h"

namespace {

QString documents() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }
QString workdir() { return documents() + "/TYX"; }

// One row of the colour table as the form must show it: every colour, plus
// the right deck's own controls for the shared fader-lines colour.
struct EditorRow
{
    const char *member;
    QColor ColourScheme::*colour;
    GradientRole role;
    const char *swatch;
    const char *colorButton;
    const char *resetButton;
    const char *draw;
};

const QVector<EditorRow> &editorRows()
{
#define TYX_EDITOR_ROW(member, key, family, scope, role, partner, swatch, colorButton, resetButton, draw) \
    {#member, &ColourScheme::member, GradientRole::role, #swatch, #colorButton, #resetButton, #draw},
    static const QVector<EditorRow> rows = {TYX_COLOUR_EDITOR_ROWS(TYX_EDITOR_ROW)};
#undef TYX_EDITOR_ROW
    return rows;
}

// Each preview function draws the colours of exactly one page, so it names
// the page that must carry the colour's controls.
QString pageOf(const QString &draw)
{
    static const QMap<QString, QString> pages = {
        {"updatescenes", "tab"}, {"drawskin", "tab"},
        {"drawbutton", "tab_7"}, {"drawbutton2", "tab_5"}, {"drawbuttonm", "tab_6"},
        {"drawdsp", "tab_18"}, {"drawdsp2", "tab_19"}, {"drawdspm", "tab_20"}, {"drawdspv", "tab_21"},
        {"drawknob", "tab_8"}, {"drawknob2", "tab_9"}, {"drawknobm", "tab_13"}, {"drawknobv", "tab_14"},
        {"drawfader", "tab_10"}, {"drawfader2", "tab_11"}, {"drawfaderm", "tab_12"}, {"drawfaderv", "tab_32"},
        {"drawjog", "tab_16"}, {"drawjog2", "tab_17"},
        {"drawtext1", "tab_22"}, {"drawtext2", "tab_23"}, {"drawtextm", "tab_24"},
        {"drawvu1", "tab_26"}, {"drawvu2", "tab_27"}, {"drawvum", "tab_28"},
        {"drawwave1", "tab_3"}, {"drawwave2", "tab_29"}, {"drawwavem", "tab_30"},
        {"drawsystem", "tab_31"},
    };
    return pages.value(draw);
}

// The pages that carry colour controls: the Background and System pages and
// every page of an inner tab widget.
QList<QWidget *> colourPages(QWidget *window)
{
    auto *outer = window->findChild<QTabWidget *>("tabWidget");
    QList<QWidget *> pages;
    for (int i = 0; i < outer->count(); ++i) {
        QWidget *page = outer->widget(i);
        if (page->objectName() == "tab_4")
            continue;  // the Browser tab has no colours
        const QList<QTabWidget *> inner = page->findChildren<QTabWidget *>(QString(), Qt::FindDirectChildrenOnly);
        if (inner.isEmpty()) {
            pages << page;
            continue;
        }
        for (int j = 0; j < inner.first()->count(); ++j)
            pages << inner.first()->widget(j);
    }
    return pages;
}

// The tab widget that shows page as one of its pages, if any.
QTabWidget *tabsOf(QWidget *page)
{
    QWidget *stack = page->parentWidget();
    auto *tabs = qobject_cast<QTabWidget *>(stack ? stack->parentWidget() : nullptr);
    return tabs && tabs->indexOf(page) >= 0 ? tabs : nullptr;
}

// Brings every tab page that holds widget to the front.
void showPageOf(QWidget *widget)
{
    for (QWidget *ancestor = widget; ancestor; ancestor = ancestor->parentWidget()) {
        if (QTabWidget *tabs = tabsOf(ancestor))
            tabs->setCurrentWidget(ancestor);
    }
}

// The page of the main tab widget that holds widget.
QWidget *outerPageOf(QWidget *widget)
{
    for (QWidget *ancestor = widget; ancestor; ancestor = ancestor->parentWidget()) {
        if (QTabWidget *tabs = tabsOf(ancestor); tabs && tabs->objectName() == "tabWidget")
            return ancestor;
    }
    return nullptr;
}

template <typename T>
T *directChild(QWidget *page, const QString &name)
{
    return page->findChild<T *>(name, Qt::FindDirectChildrenOnly);
}

QByteArray zoneProject(const QString &entries)
{
    return QString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<project name=\"p\">\r\n"
                   "<screenwidth>1920</screenwidth>\r\n<screenheight>1080</screenheight>\r\n"
                   "<QRNScriptGlobalVariables></QRNScriptGlobalVariables>\r\n"
                   "<skinWindows>\r\n<window name=\"Tessary:skin\">\r\n%1</window>\r\n</skinWindows>\r\n"
                   "</project>")
        .arg(entries)
        .toUtf8();
}

QString zoneEntry(int number)
{
    return QString("<idx%1 visible=\"yes\" x=\"10\" y=\"20\" width=\"300\" height=\"200\"/>\r\n").arg(number);
}

} // namespace

class TestColourTabs : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void everyColourHasItsGroup_data();
    void everyColourHasItsGroup();
    void noButtonIsLeftUnnamed();
    void swatchesAreFramedBoxes();
    void swatchesShowTheLoadedColours();
    void controlsFitTheirPage();
    void texts_data();
    void texts();
    void zoneControlsFollowTheProject_data();
    void zoneControlsFollowTheProject();

private:
    MainWindow *window = nullptr;
};

void TestColourTabs::initTestCase()
{
    QDir(workdir()).removeRecursively();
    QDir().mkpath(documents());
    window = new MainWindow;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void TestColourTabs::cleanupTestCase()
{
    delete window;
}

void TestColourTabs::everyColourHasItsGroup_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < editorRows().size(); ++i)
        QTest::newRow(QByteArray(editorRows().at(i).colorButton)) << i;
}

// The slots reach the buttons, and the colour code the swatches, only by
// object name: a misspelt widget would be connected to nothing.
void TestColourTabs::everyColourHasItsGroup()
{
    QFETCH(int, row);
    const EditorRow &entry = editorRows().at(row);
    const QString pageName = pageOf(entry.draw);
    QVERIFY2(!pageName.isEmpty(), entry.draw);
    auto *page = window->findChild<QWidget *>(pageName);
    QVERIFY(page);

    auto *swatch = directChild<QLabel>(page, entry.swatch);
    auto *picker = directChild<QPushButton>(page, entry.colorButton);
    auto *reset = directChild<QPushButton>(page, entry.resetButton);
    QVERIFY2(swatch, entry.swatch);
    QVERIFY2(picker, entry.colorButton);
    QVERIFY2(reset, entry.resetButton);
    QVERIFY(!picker->text().isEmpty());
    QCOMPARE(reset->text(), QString("x"));
    QCOMPARE(reset->width(), 16);

    if (entry.role == GradientRole::First) {
        const QString copyName = QString(entry.member) + "_to2";
        auto *copy = directChild<QPushButton>(page, copyName);
        QVERIFY2(copy, qPrintable(copyName));
        QCOMPARE(copy->text(), QString(">"));
        QCOMPARE(copy->size(), QSize(16, 23));
        // The copy stands between the two colours of its row.
        QCOMPARE(copy->y(), picker->y());
        QVERIFY(copy->x() > reset->x());
    }
}

// Every push button on the colour pages is a picker, reset or copy of the
// table (or the zones' "Reload"), so none is waiting for a slot that no
// colour has.
void TestColourTabs::noButtonIsLeftUnnamed()
{
    QSet<QString> expected{"pushButton_3"};
    int copies = 0;
    for (const EditorRow &entry : editorRows()) {
        expected << entry.colorButton << entry.resetButton;
        if (entry.role == GradientRole::First) {
            expected << QString(entry.member) + "_to2";
            ++copies;
        }
    }
    QCOMPARE(copies, 29);
    QCOMPARE(expected.size(), 1 + 2 * 214 + 29);

    QSet<QString> found;
    for (QWidget *page : colourPages(window)) {
        for (auto *button : page->findChildren<QPushButton *>(QString(), Qt::FindDirectChildrenOnly)) {
            QVERIFY2(!found.contains(button->objectName()), qPrintable(button->objectName()));
            found << button->objectName();
        }
    }
    QCOMPARE(found - expected, QSet<QString>());
    QCOMPARE(expected - found, QSet<QString>());
}

// A swatch is an empty framed box whatever colour it shows; neither its
// size limits nor its policy may change the size it is placed at.
void TestColourTabs::swatchesAreFramedBoxes()
{
    int swatches = 0;
    for (const EditorRow &entry : editorRows()) {
        auto *swatch = window->findChild<QLabel *>(entry.swatch);
        QVERIFY2(swatch, entry.swatch);
        ++swatches;
        QCOMPARE(swatch->frameShape(), QFrame::Box);
        QCOMPARE(swatch->frameShadow(), QFrame::Plain);
        QCOMPARE(swatch->lineWidth(), 1);
        QVERIFY2(swatch->text().isEmpty(), entry.swatch);
        QCOMPARE(swatch->height(), 21);
        QVERIFY2(swatch->width() == 40 || swatch->width() == 41, entry.swatch);
        if (swatch->width() == 40) {
            QCOMPARE(swatch->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
            QCOMPARE(swatch->minimumWidth(), 40);
        }
    }
    QCOMPARE(swatches, 214);
}

// At start-up the window loads the default profile and paints every swatch,
// found by its name, in its colour.
void TestColourTabs::swatchesShowTheLoadedColours()
{
    int shown = 0;
    for (const EditorRow &entry : editorRows()) {
        const QColor colour = window->*entry.colour;
        auto *swatch = window->findChild<QLabel *>(entry.swatch);
        QVERIFY2(swatch->autoFillBackground(), entry.swatch);
        QCOMPARE(swatch->palette().color(QPalette::Active, QPalette::Window), colour);
        QCOMPARE(swatch->palette().color(QPalette::Disabled, QPalette::Window), colour);
        // The built-in default profile leaves a few colours unset.
        if (!colour.isValid())
            continue;
        ++shown;

        // Shown on screen, the inside of the frame is the colour.
        showPageOf(swatch);
        QVERIFY2(swatch->isVisible(), entry.swatch);
        const QImage image = swatch->grab().toImage();
        QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2).rgb(), colour.rgb());
    }
    QVERIFY(shown > 200);
    // Both decks' fader pages show the one shared fader-lines colour.
    QCOMPARE(window->findChild<QLabel *>("d1_faderlines_label")->palette().color(QPalette::Window),
             window->faderlines);
    QCOMPARE(window->findChild<QLabel *>("d2_faderlines_label")->palette().color(QPalette::Window),
             window->faderlines);
}

// Nothing on a page hides another control or the preview, and no colour
// control lies outside the part of the page that the tabs show.
void TestColourTabs::controlsFitTheirPage()
{
    for (QWidget *page : colourPages(window)) {
        showPageOf(page);
        QWidget *outerPage = outerPageOf(page);
        QVERIFY(outerPage);
        const QRect visible = outerPage->rect();

        QList<QWidget *> controls;
        for (QWidget *child : page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            auto *swatch = qobject_cast<QLabel *>(child);
            if (qobject_cast<QPushButton *>(child) || qobject_cast<QGraphicsView *>(child)
                || (swatch && swatch->frameShape() == QFrame::Box))
                controls << child;
        }
        QVERIFY2(controls.size() > 3, qPrintable(page->objectName()));

        for (int i = 0; i < controls.size(); ++i) {
            const QRect rect(controls.at(i)->mapTo(outerPage, QPoint(0, 0)), controls.at(i)->size());
            // The preview views come with the frame and reach a few pixels
            // below the visible page; the colour controls must show whole.
            // The tab bars' height comes from the font: the form is laid out
            // for Arial's metrics (Liberation Sans, from install-deps.sh).
            if (!qobject_cast<QGraphicsView *>(controls.at(i)))
                QVERIFY2(visible.contains(rect),
                         qPrintable(page->objectName() + ": " + controls.at(i)->objectName() + " in "
                                    + QFontInfo(page->font()).family()));
            for (int j = i + 1; j < controls.size(); ++j) {
                QVERIFY2(!controls.at(i)->geometry().intersects(controls.at(j)->geometry()),
                         qPrintable(controls.at(i)->objectName() + " / " + controls.at(j)->objectName()));
            }
        }
    }
}

void TestColourTabs::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    // One header per tab, in the tab's own wording.
    QTest::newRow("background") << "label_3" << "Select a color for skin background :";
    QTest::newRow("buttons") << "label_37" << "Select Colors when button is :";
    QTest::newRow("drops") << "label_153" << "Select Colors when Drop-Down is :";
    QTest::newRow("knobs, no colon") << "label_61" << "Select Colors for the Round Knobs";
    QTest::newRow("faders") << "label_124" << "Select Colors for the Linear Faders";
    QTest::newRow("jogs") << "label_67" << "Select Colors for the Jogwheels :";
    QTest::newRow("texts") << "label_156" << "Select Colors for Text Displays :";
    QTest::newRow("meters") << "label_90" << "Select Colors for the VU Meters";
    QTest::newRow("song position") << "label_159" << "Select Colors for Song Progress";
    QTest::newRow("scratch waves") << "label_157" << "Select Colors for Waveforms";
    QTest::newRow("system") << "label_112" << "Select Colors when button is :";

    // Captions as the users know them, slips included.
    QTest::newRow("meter background") << "label_96" << "Backgound";
    QTest::newRow("text background") << "label_75" << "Background";
    QTest::newRow("knob ring") << "label_38" << "Ring:";
    QTest::newRow("note, first line") << "label_9" << "* Apply only when ColoredWaveforms";
    QTest::newRow("note, second line") << "label_5" << " is set to monocrhome";
    QTest::newRow("high band") << "label_104" << "High *";
    QTest::newRow("silkscreen") << "label_85" << "Silkscreen";
    QTest::newRow("system icons") << "label_119" << "Icon/Text";

    // Picker captions name the colour inside its row.
    QTest::newRow("zone 1") << "zonebackcolor" << "Draw Zone 1";
    QTest::newRow("zone 5-R") << "zone6backcolor" << "Draw Zone 5-R";
    QTest::newRow("zone 6-L") << "zone7backcolor" << "Draw Zone 6-L";
    QTest::newRow("reload") << "pushButton_3" << "Reload";
    QTest::newRow("button fill") << "m_buttonoff1_color" << "Fill";
    QTest::newRow("button to") << "d2_buttonover2_color" << "To";
    QTest::newRow("drop text over") << "v_dsptextover_color" << "Over";
    QTest::newRow("knob from") << "v_knobin1_color" << "From";
    QTest::newRow("fader to") << "m_faderfader2_color" << "To";
    QTest::newRow("jog needle") << "d2_jogneeedle_color" << "Color";
    QTest::newRow("system fill") << "m_systemover_color" << "Fill";
    QTest::newRow("system border") << "m_systemonborder_color" << "Border";
}

void TestColourTabs::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    auto *widget = window->findChild<QWidget *>(name);
    QVERIFY2(widget, qPrintable(name));
    if (auto *labelWidget = qobject_cast<QLabel *>(widget))
        QCOMPARE(labelWidget->text(), text);
    else
        QCOMPARE(qobject_cast<QPushButton *>(widget)->text(), text);
}

void TestColourTabs::zoneControlsFollowTheProject_data()
{
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QString>("enabled");  // zones 1..4, 5-L, 5-R, 6-L, 6-R, border

    QTest::newRow("no zone") << QString() << "000000000";
    QTest::newRow("zone 1") << zoneEntry(4) << "100000001";
    QTest::newRow("zones 2 to 4") << zoneEntry(5) + zoneEntry(6) + zoneEntry(7) << "011100001";
    // A right deck zone follows its left twin.
    QTest::newRow("left deck zones") << zoneEntry(208) + zoneEntry(210) << "000011111";
    QTest::newRow("right 6 only") << zoneEntry(211) << "000000011";
}

// The Background page's zone controls are the ones the zone rules switch:
// every name exists there, and each group follows its zone.
void TestColourTabs::zoneControlsFollowTheProject()
{
    QFETCH(QString, entries);
    QFETCH(QString, enabled);
    QTemporaryDir dir;
    const QString path = dir.path() + "/project.xml";
    QVERIFY(testsupport::writeFile(path, zoneProject(entries)));

    window->initzones(path);

    auto *page = window->findChild<QWidget *>("tab");
    const QVector<QStringList> &rows = zonecontrols::widgetnames();
    QCOMPARE(rows.size(), enabled.size());
    for (int row = 0; row < rows.size(); ++row) {
        const QStringList &names = rows.at(row);
        QCOMPARE(names.size(), 3);
        QVERIFY2(directChild<QPushButton>(page, names.at(0)), qPrintable(names.at(0)));
        QVERIFY2(directChild<QLabel>(page, names.at(1)), qPrintable(names.at(1)));
        QVERIFY2(directChild<QPushButton>(page, names.at(2)), qPrintable(names.at(2)));
        for (const QString &name : names)
            QCOMPARE(page->findChild<QWidget *>(name)->isEnabled(), enabled.at(row) == '1');
    }
}

QTEST_MAIN(TestColourTabs)
#include "tst_gui_colourtabs.moc"
