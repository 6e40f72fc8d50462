// Every caption of the three windows fits its widget, every tab bar shows
// all its tabs, every named widget lies inside its parent (a label: its
// text does), and no widget stacked above a label covers or touches its
// text. The forms have fixed pixel geometry, so this must hold at whatever
// font DPI the desktop uses: CTest runs this program at 96, 100 and 120 DPI
// (QT_FONT_DPI). Message boxes, which follow the desktop's font, keep the
// lines of their text whole where they can and show every character, on an
// 800 x 600 desktop too (at 120 and 144 DPI, under a window manager with a
// panel), where a long text scrolls, by mouse or keyboard, in a box that
// stays, frame included, on the part of the screen the panel leaves free.
// Font metrics and text layouts against the room the widget's style leaves
// for the text; no pixels are compared.
#include <QtTest>
#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextLayout>

#include "app/about.h"
#include "app/createskinjob.h"
#include "app/formscale.h"
#include "app/mainwindow.h"
#include "app/messagebox.h"
#include "app/settings.h"
#include "fileio/removetree.h"
#include "skinmodel/skinmodel.h"
#include "support/messageboxdriver.h"

namespace {

QString describe(const QWidget *widget, const QString &text, const QSize &need, const QSize &room)
{
    return QString("%1 %2 \"%3\": needs %4 x %5, has %6 x %7")
        .arg(widget->metaObject()->className(), widget->objectName(), text)
        .arg(need.width()).arg(need.height()).arg(room.width()).arg(room.height());
}

QSize textsize(const QWidget *widget, const QString &text)
{
    return widget->fontMetrics().size(Qt::TextShowMnemonic, text);
}

bool fits(const QSize &need, const QSize &room)
{
    return need.width() <= room.width() && need.height() <= room.height();
}

// The room the style leaves a button's text: a push button's frame, a
// radio's or check box's indicator and spacing.
QSize buttontextroom(QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement contents = QStyle::SE_CheckBoxContents;
    if (auto *push = qobject_cast<QPushButton *>(button)) {
        contents = QStyle::SE_PushButtonContents;
        if (push->autoDefault() || push->isDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
    } else if (qobject_cast<QRadioButton *>(button)) {
        contents = QStyle::SE_RadioButtonContents;
    }
    return button->style()->subElementRect(contents, &option, button).size();
}

// The room the style gives a group box's title, which it draws clipped.
QSize grouptitleroom(QGroupBox *box)
{
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect title = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    return title.intersected(box->rect()).size();
}

QString describe(const QRect &rect)
{
    return QString("(%1,%2 %3 x %4)").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

QString describe(const QWidget *widget)
{
    return QString("%1 %2").arg(widget->metaObject()->className(), widget->objectName());
}

// Where a label draws its text, in the label's own coordinates: the size
// the label asks for its text, aligned as the label aligns it within its
// contents, so a text larger than its label overflows where Qt paints it.
QRect textrect(const QLabel *label)
{
    QRect contents = label->contentsRect();
    const int margin = label->margin();
    contents.adjust(margin, margin, -margin, -margin);
    const QSize frame = label->size() - label->contentsRect().size() + QSize(2 * margin, 2 * margin);
    QSize text = label->sizeHint() - frame;
    if (label->wordWrap())
        text = QSize(qMin(text.width(), contents.width()), label->heightForWidth(label->width()) - frame.height());
    const Qt::Alignment alignment = QStyle::visualAlignment(label->layoutDirection(), label->alignment());
    return QStyle::alignedRect(label->layoutDirection(), alignment, text, contents);
}

// Where a horizontal or vertical line paints itself, in the frame's own
// coordinates: across the middle of its frame, as thick as its lines.
QRect linerect(const QFrame *line)
{
    const QRect frame = line->frameRect();
    const int thickness = 2 * line->lineWidth() + line->midLineWidth();
    if (line->frameShape() == QFrame::HLine)
        return QRect(frame.x(), frame.center().y() - thickness / 2, frame.width(), thickness);
    return QRect(frame.center().x() - thickness / 2, frame.y(), thickness, frame.height());
}

// What a widget shows, in its parent's coordinates: a label its text (a
// label paints no background), a line the line, anything else its whole
// area, frame included.
QRect shownrect(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget)) {
        if (!label->autoFillBackground())
            return label->text().isEmpty() ? QRect() : textrect(label).translated(label->pos());
    } else if (auto *line = qobject_cast<const QFrame *>(widget)) {
        if (line->frameShape() == QFrame::HLine || line->frameShape() == QFrame::VLine)
            return linerect(line).translated(line->pos());
    }
    return widget->geometry();
}

bool isnamed(const QWidget *widget)
{
    return !widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_");
}

// Walks a window's widgets, measuring each caption once and checking where
// each named widget lies.
class Survey
{
public:
    QStringList cut;        // one line per caption that does not fit
    int counted = 0;        // captions measured
    QStringList misplaced;  // one line per widget outside its parent or covering a label's text
    int placed = 0;         // widgets whose place was checked

    void measureeverypage(QWidget *root);

private:
    QSet<QWidget *> seen;

    void check(QWidget *widget, const QString &text, const QSize &need, const QSize &room);
    void measure(QWidget *widget);
    void checkplace(QWidget *widget);
    void checkcovers(QLabel *label);
    void measurevisible(QWidget *root);
};

void Survey::check(QWidget *widget, const QString &text, const QSize &need, const QSize &room)
{
    ++counted;
    if (!fits(need, room))
        cut << describe(widget, text, need, room);
}

void Survey::measure(QWidget *widget)
{
    if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        if (!button->text().isEmpty())
            check(button, button->text(), textsize(button, button->text()), buttontextroom(button));
    } else if (auto *label = qobject_cast<QLabel *>(widget)) {
        // The label's own measure: its text (plain or rich), margin, indent and frame.
        if (!label->text().isEmpty())
            check(label, label->text(), label->sizeHint(), label->size());
    } else if (auto *box = qobject_cast<QGroupBox *>(widget)) {
        if (!box->title().isEmpty())
            check(box, box->title(), textsize(box, box->title()), grouptitleroom(box));
    } else if (auto *bar = qobject_cast<QTabBar *>(widget)) {
        QStringList titles;
        for (int i = 0; i < bar->count(); ++i)
            titles << bar->tabText(i);
        counted += bar->count() - 1;
        // A bar that needs more than it has hides tabs behind scroll arrows.
        check(bar, titles.join(" | "), QSize(bar->sizeHint().width(), 0), QSize(bar->width(), 0));
    }
}

// A widget must show all it holds within its parent's area: what lies
// outside is clipped away, a frame's edge included.
void Survey::checkplace(QWidget *widget)
{
    QWidget *parent = widget->parentWidget();
    if (!isnamed(widget) || !parent || widget->isWindow())
        return;
    ++placed;
    const QRect shown = shownrect(widget);
    if (!shown.isEmpty() && !parent->rect().contains(shown))
        misplaced << QString("%1 shows %2, outside %3 of %4 x %5")
                         .arg(describe(widget), describe(shown), describe(parent))
                         .arg(parent->width()).arg(parent->height());
    if (auto *label = qobject_cast<QLabel *>(widget))
        checkcovers(label);
}

// A sibling stacked above a label hides the part of the text it covers; one
// that merely touches it makes the text run into its frame.
void Survey::checkcovers(QLabel *label)
{
    if (label->text().isEmpty())
        return;
    const QRect text = shownrect(label);
    const QObjectList siblings = label->parentWidget()->children();
    for (int i = siblings.indexOf(label) + 1; i < siblings.size(); ++i) {
        auto *above = qobject_cast<QWidget *>(siblings.at(i));
        if (!above || !above->isVisible() || above->isWindow())
            continue;
        const QRect shown = shownrect(above);
        if (shown.intersects(text.adjusted(-1, -1, 1, 1)))
            misplaced << QString("%1 at %2 covers or touches the text of %3 \"%4\" at %5")
                             .arg(describe(above), describe(shown), describe(label), label->text(),
                                  describe(text));
    }
}

void Survey::measurevisible(QWidget *root)
{
    QApplication::processEvents();
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (widget->isVisible() && !seen.contains(widget)) {
            seen.insert(widget);
            measure(widget);
            checkplace(widget);
        }
    }
}

// Shows every page of every tab widget below root in turn, measuring what
// each shows: tab bars and pages are laid out only once they are shown.
void Survey::measureeverypage(QWidget *root)
{
    measurevisible(root);
    for (QWidget *child : root->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        auto *tabs = qobject_cast<QTabWidget *>(child);
        if (!tabs) {
            measureeverypage(child);
            continue;
        }
        const int current = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            measureeverypage(tabs->widget(i));
        }
        tabs->setCurrentIndex(current);
    }
}

void verifyfits(QWidget *window)
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    Survey survey;
    survey.measureeverypage(window);
    // One line each, so a long list is not cut short in the test log.
    for (const QString &line : qAsConst(survey.cut))
        qWarning("cut: %s", qPrintable(line));
    for (const QString &line : qAsConst(survey.misplaced))
        qWarning("misplaced: %s", qPrintable(line));
    const QString summary = QString("%1 at %2 DPI: %3 of %4 captions cut, %5 faults among %6 widgets placed")
                                .arg(window->objectName()).arg(window->logicalDpiY())
                                .arg(survey.cut.size()).arg(survey.counted)
                                .arg(survey.misplaced.size()).arg(survey.placed);
    qInfo("%s", qPrintable(summary));
    QVERIFY(survey.counted > 0);
    QVERIFY(survey.placed > survey.counted);
    QVERIFY2(survey.cut.isEmpty() && survey.misplaced.isEmpty(), qPrintable(summary));
}

// Where a message box lays out its text: the widget's font, the width it
// breaks lines at and how it breaks them, and the room it shows them in,
// in the widget's own coordinates. Holds the widget while its box is open.
struct TextPlace
{
    QString text;
    QFont font;
    QWidget *device = nullptr;
    QTextOption::WrapMode wrap = QTextOption::ManualWrap;
    qreal wrapwidth = 0;
    QRect room;
};

// A plain-text label breaks lines where words end when it wraps, and at
// its line ends only otherwise, at the width of its contents. A text view
// breaks lines as its word wrap mode says, at a fixed width or at its
// viewport's, and shows them in its viewport.
TextPlace textplace(QWidget *widget)
{
    TextPlace place;
    place.font = widget->font();
    place.device = widget;
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        place.text = label->text();
        place.room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                    -label->margin());
        place.wrap = label->wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap;
        place.wrapwidth = place.room.width();
    } else if (auto *view = qobject_cast<QTextEdit *>(widget)) {
        place.text = view->toPlainText();
        const int margin = qCeil(view->document()->documentMargin());
        place.room = QRect(view->viewport()->mapTo(view, QPoint()), view->viewport()->size())
                         .adjusted(margin, margin, -margin, -margin);
        place.wrap = view->lineWrapMode() == QTextEdit::NoWrap ? QTextOption::ManualWrap : view->wordWrapMode();
        place.wrapwidth = view->lineWrapMode() == QTextEdit::FixedPixelWidth ? view->lineWrapColumnOrWidth()
                                                                              : place.room.width();
    }
    return place;
}

// The width of the widest line, and the height from the top of the first
// line to the bottom of the last.
struct TextExtent
{
    qreal width = 0;
    qreal height = 0;
    int lines = 0;
};

TextExtent layouttext(const TextPlace &place)
{
    TextExtent extent;
    qreal nexttop = 0;
    QTextOption option;
    option.setWrapMode(place.wrap);
    for (const QString &paragraph : place.text.split('\n')) {
        QTextLayout layout(paragraph, place.font, place.device);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            const bool wraps = place.wrap != QTextOption::ManualWrap && place.wrap != QTextOption::NoWrap;
            line.setLineWidth(wraps ? place.wrapwidth : QWIDGETSIZE_MAX);
            // A word longer than the line runs past its end.
            extent.width = qMax(extent.width, line.naturalTextWidth());
            // Lines stack a leading apart (which some fonts make negative),
            // unrounded, as a text document stacks them; the last line
            // reaches down to its descent.
            extent.height = nexttop + line.ascent() + line.descent();
            nexttop += line.ascent() + line.descent() + line.leading();
            ++extent.lines;
        }
        layout.endLayout();
    }
    return extent;
}

// The lines of a place's text, each narrower than shortwidth, that the
// place breaks.
QStringList brokenshortlines(const TextPlace &place, int shortwidth)
{
    QStringList broken;
    const QFontMetricsF metrics(place.font, place.device);
    TextPlace oneline = place;
    for (const QString &line : place.text.split('\n')) {
        oneline.text = line;
        if (metrics.horizontalAdvance(line) < shortwidth && layouttext(oneline).lines > 1)
            broken << line;
    }
    return broken;
}

// A skin name as long as a user may type, without a space to break it at.
QString longname(int letters)
{
    return QStringLiteral("SaturdayNightSets").repeated(letters / 17 + 1).left(letters);
}

// The message of a run whose zip could not be written, for a skin named
// skinname in a host folder at a usual place.
QString packfailuretext(const QString &skinname)
{
    SkinModel model;
    const SkinJobPaths paths("/home/dj/Documents/TYX", "/home/dj/Documents/Quorvelin", "Tessary", skinname);
    return CreateSkinJob(model, paths, {}).failuretext(CreateSkinJob::Failure::Pack);
}

// The message of a run whose scratch folder could not be made afresh, as
// another user's file stayed in it, for a user whose home folder is home:
// it names the work folder below home three times.
QString scratchfailuretext(const QString &home)
{
    SkinModel model;
    const QString workdir = home + "/Documents/TYX";
    const SkinJobPaths paths(workdir, home + "/Documents/Quorvelin", "Tessary", "My Skin");
    fileio::Removal removal;
    removal.stayed = fileio::Removal::Stayed::OtherUser;
    removal.entry = workdir + "/extracts/skin.xml";
    return CreateSkinJob(model, paths, {}).failuretext(CreateSkinJob::Failure::Prepare) + '\n'
           + createskinjob::scratchproblemtext(workdir + "/extracts", removal);
}

// The other widgets of a box that lie over the widget showing its text: the
// label the view stands in for, left visible, would draw the text twice.
QStringList overlapping(const QMessageBox *box, const QWidget *textwidget)
{
    const QRect text(textwidget->mapTo(box, QPoint()), textwidget->size());
    QStringList found;
    for (QWidget *other : box->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (other != textwidget && other->isVisible() && !other->isWindow() && other->geometry().intersects(text))
            found << describe(other) + " at " + describe(other->geometry());
    }
    return found;
}

// Where the last line of a view's text lies in its viewport, as the view
// is scrolled now.
QRectF lastlinerect(const QTextEdit *view)
{
    const QTextBlock block = view->document()->lastBlock();
    const QTextLayout *layout = block.layout();
    const QPointF blocktop = view->document()->documentLayout()->blockBoundingRect(block).topLeft();
    return layout->lineAt(layout->lineCount() - 1)
        .rect()
        .translated(blocktop)
        .translated(-view->horizontalScrollBar()->value(), -view->verticalScrollBar()->value());
}

// Whether the test runs under a window manager, which frames windows and
// keeps a strip of the screen for a desktop panel (runtest.sh starts one
// when TYX_TEST_WM asks for it).
bool framed()
{
    return qEnvironmentVariableIsSet("TYX_TEST_WM");
}

// Waits until the window manager has framed a window: the frame is known
// only some time after the window shows.
bool waitforframe(const QWidget *window)
{
    return !framed() || QTest::qWaitFor([window] {
        const QRect frame = window->frameGeometry();
        return frame != window->geometry() && frame.contains(window->geometry());
    });
}

// Shows the window the boxes belong to, the size of the tool's main window,
// and waits until it is exposed and framed.
bool showparent(QWidget *parent)
{
    parent->resize(730, 560);
    parent->show();
    return QTest::qWaitForWindowExposed(parent) && waitforframe(parent);
}

// Waits until a window, frame included, lies inside room: the window
// manager places a window, and Qt learns where, some time after it shows.
bool waitinside(const QWidget *window, const QRect &room)
{
    return waitforframe(window) && QTest::qWaitFor([window, &room] { return room.contains(window->frameGeometry()); });
}

// Types keys as the user does, through the X server to the window that has
// its focus: keys in xdotool's names ("ctrl+End"), each pressed and released.
bool typekeys(const QString &keys)
{
    QProcess xdotool;
    xdotool.start("xdotool", QStringList{"key"} + keys.split(' '));
    return xdotool.waitForFinished(10000) && xdotool.exitStatus() == QProcess::NormalExit && xdotool.exitCode() == 0;
}

// Whether the last line of a view's text shows in its viewport.
bool showslastline(const QTextEdit *view)
{
    return QRectF(view->viewport()->rect()).adjusted(-1, -1, 1, 1).contains(lastlinerect(view));
}

} // namespace

class TestCaptionFit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void mainWindowFits();
    void settingsDialogFits();
    void aboutDialogFits();
    void messageBoxesShowTheirText_data();
    void messageBoxesShowTheirText();
    void messageBoxesFitTheScreen_data();
    void messageBoxesFitTheScreen();
};

void TestCaptionFit::initTestCase()
{
    // QtTest keeps the style at 96 DPI on its own; here only the program's
    // own setting may count.
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi, false);
    formscale::keepstylemetrics();

    // The forms were drawn for Arial; a substitute of other widths would
    // make this test measure the wrong font.
    QFont arial("Arial");
    const QString family = QFontInfo(arial).family();
    QVERIFY2(family == "Arial" || family == "Liberation Sans",
             qPrintable("Arial resolves to " + family + "; install fonts-liberation"));
    const QByteArray dpi = qgetenv("QT_FONT_DPI");
    if (!dpi.isEmpty())
        QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInchY(), dpi.toDouble());
}

void TestCaptionFit::mainWindowFits()
{
    MainWindow window;
    verifyfits(&window);
}

void TestCaptionFit::settingsDialogFits()
{
    Settings dialog;
    verifyfits(&dialog);
}

void TestCaptionFit::aboutDialogFits()
{
    About dialog;
    verifyfits(&dialog);
}

void TestCaptionFit::messageBoxesShowTheirText_data()
{
    using namespace createskinjob;
    QTest::addColumn<QString>("text");
    const QString name = QStringLiteral("My Skin for the Saturday Night Sets");
    QTest::newRow("done") << donetext(name);
    QTest::newRow("no modules") << nomodulestext("Tessary");
    QTest::newRow("not installed") << notinstalledtext("Tessary");
    QTest::newRow("overwrite") << overwritetext(name);
    QTest::newRow("no name") << nonametext();
    QTest::newRow("refused name") << refusednametext(NameProblem::NotAFileName, name + ".", "Tessary", 248);
    // Lines longer than the widest box, which have to break.
    QTest::newRow("long path") << "Cannot write\n" + QString("/very/long/folder").repeated(12) + "\nThe end.";
    QTest::newRow("done, 200-letter name") << donetext(longname(200));
    QTest::newRow("failure, 300-letter name") << packfailuretext(longname(300));
    QTest::newRow("refused name, 252 letters")
        << refusednametext(NameProblem::TooLong, longname(252), "Tessary", 248);
    // Wider than an 800 x 600 screen allows (CTest runs this on one too).
    QTest::newRow("done, 120-letter name") << donetext(longname(120));
}

// Message boxes follow the desktop's font, so at a large one Qt narrows the
// box and breaks lines anywhere a word may break, "Settings->Interface"
// included. Each line of the text must stay one line where the box can be
// wide enough for it; a line wider than any box the screen allows breaks,
// between letters where a word is too long, and the box grows taller. Every
// character shows: the text laid out as the box lays it out (the font, the
// width it breaks lines at, and how it breaks them) lies inside the room of
// the widget that shows it, that widget inside the box, and the box inside
// the screen.
void TestCaptionFit::messageBoxesShowTheirText()
{
    QFETCH(QString, text);
    QWidget parent;
    QVERIFY2(showparent(&parent), "the window was not shown, or the window manager did not frame it");
    const QRect screen = parent.screen()->availableGeometry();

    TextPlace place;
    TextExtent extent;
    QString widgetclass, copied;
    QRect widgetrect, boxrect, boxframe;
    QStringList brokenlines;   // lines narrower than half the screen that break
    QStringList covering;      // widgets over the text's widget
    MessageBoxDriver driver({}, [&](QMessageBox *box) {
        // Keys typed before the window is mapped would close it while the
        // window system still means to focus it.
        QVERIFY(QTest::qWaitForWindowExposed(box));
        QWidget *widget = messagebox::textwidget(box);
        QVERIFY(widget);
        covering = overlapping(box, widget);
        place = textplace(widget);
        extent = layouttext(place);
        widgetclass = widget->metaObject()->className();
        widgetrect = QRect(widget->mapTo(box, QPoint()), widget->size());
        boxrect = box->rect();
        // Under a window manager, the box is framed and placed after it shows.
        waitinside(box, screen);
        boxframe = box->frameGeometry();
        // What the user copies: all of the text, selected with the keyboard.
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(widget, Qt::Key_C, Qt::ControlModifier);
        copied = QGuiApplication::clipboard()->text();
        brokenlines = brokenshortlines(place, screen.width() / 2);
    });
    messagebox::information(&parent, "Tessary Extractor", text);
    QCOMPARE(driver.boxes.size(), 1);
    QCOMPARE(driver.boxes.at(0).text, text);
    QCOMPARE(driver.boxes.at(0).shown, text);
    QCOMPARE(copied, text);

    const QRect room = place.room.translated(widgetrect.topLeft());
    qInfo("%s %d x %d in a box of %d x %d: the text takes %.1f x %.1f on %d lines",
          qPrintable(widgetclass), widgetrect.width(), widgetrect.height(),
          boxrect.width(), boxrect.height(), extent.width, extent.height, extent.lines);
    QVERIFY2(brokenlines.isEmpty(), qPrintable("breaks: " + brokenlines.join(" | ")));
    // A pixel for the fractions of the advances and the line heights.
    QVERIFY2(extent.width <= room.width() + 1 && extent.height <= room.height() + 1,
             qPrintable(QString("the text needs %1 x %2 px, its room is %3 x %4")
                            .arg(extent.width).arg(extent.height).arg(room.width()).arg(room.height())));
    QVERIFY2(boxrect.contains(widgetrect),
             qPrintable(QString("the text's widget %1 lies outside the box of %2 x %3")
                            .arg(describe(widgetrect)).arg(boxrect.width()).arg(boxrect.height())));
    QVERIFY2(screen.contains(boxframe),
             qPrintable(QString("the box %1 lies outside the screen's %2").arg(describe(boxframe), describe(screen))));
    QVERIFY2(covering.isEmpty(),
             qPrintable(QString("%1 lies over the text: %2").arg(widgetclass, covering.join(", "))));
}

void TestCaptionFit::messageBoxesFitTheScreen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("scrolls");     // on any screen
    QTest::addColumn<QString>("closekey"); // as xdotool names it
    // Taller than an 800 x 600 screen allows at 120 DPI and up (CTest runs
    // this on one), so the text scrolls there and fits on a larger one.
    QTest::newRow("done, 2500-letter name") << createskinjob::donetext(longname(2500)) << false << "Return";
    // Names a long home folder three times.
    const QString home = (QStringLiteral("/home/dj") + QStringLiteral("/SaturdayNightSets").repeated(21)).left(360);
    QTest::newRow("scratch folder, 360-letter home") << scratchfailuretext(home) << false << "Escape";
    QTest::newRow("done, 40000-letter name") << createskinjob::donetext(longname(40000)) << true << "Return";
    // Lines that stay whole, too many for any screen.
    QStringList modules;
    for (int i = 1; i <= 200; ++i)
        modules << QString("Module %1 is missing.").arg(i);
    QTest::newRow("200 short lines") << modules.join('\n') << true << "Escape";
}

// A box whose text is taller than the screen allows would run off its
// bottom edge, OK button and the end of the text with it. The whole box,
// its frame included, lies inside the part of the screen a desktop panel
// leaves free, its OK button and the text's widget inside the box, nothing
// over the text; a text taller than its view scrolls, with a scroll bar to
// say so, and the keyboard reaches its last line: Tab takes the focus from
// OK to the text, Ctrl+End shows its end, Ctrl+Shift+Home selects all of
// it, Shift+Tab and Tab go back and forth; every line still fits the
// view's width, a short one unbroken; and Enter or Escape, typed in the
// text (on OK where the text does not scroll), closes it. Keys go through
// the X server, as the user's do.
void TestCaptionFit::messageBoxesFitTheScreen()
{
    QFETCH(QString, text);
    QFETCH(bool, scrolls);
    QFETCH(QString, closekey);
    QWidget parent;
    QVERIFY2(showparent(&parent), "the window was not shown, or the window manager did not frame it");
    const QRect screen = parent.screen()->availableGeometry();
    // Under a window manager, a panel takes part of the screen, which a
    // box must leave free.
    if (framed())
        QVERIFY(screen != parent.screen()->geometry());

    MessageBoxDriver driver({}, [&](QMessageBox *box) {
        // Keys typed before the window is active would go to another.
        QVERIFY(QTest::qWaitForWindowActive(box));
        QVERIFY2(waitforframe(box), "the window manager did not frame the box");
        const bool inside = waitinside(box, screen);
        QWidget *widget = messagebox::textwidget(box);
        QVERIFY(widget);
        const QRect boxframe = box->frameGeometry();
        const QRect widgetrect(widget->mapTo(box, QPoint()), widget->size());
        QAbstractButton *ok = box->button(QMessageBox::Ok);
        QVERIFY(ok);
        const QRect okrect(ok->mapTo(box, QPoint()), ok->size());
        qInfo("a box of %d x %d, frame included, in the %d x %d the screen leaves free", boxframe.width(),
              boxframe.height(), screen.width(), screen.height());
        QVERIFY2(inside, qPrintable(QString("the box %1 lies outside the screen's free %2")
                                                           .arg(describe(boxframe), describe(screen))));
        QVERIFY2(box->rect().contains(widgetrect), qPrintable("the text's widget lies at " + describe(widgetrect)));
        QVERIFY(ok->isVisible());
        QVERIFY2(box->rect().contains(okrect), qPrintable("the OK button lies at " + describe(okrect)));
        const QStringList covering = overlapping(box, widget);
        QVERIFY2(covering.isEmpty(), qPrintable("over the text: " + covering.join(", ")));

        auto *view = qobject_cast<QTextEdit *>(widget);
        QVERIFY2(view, "the text is shown in a label, which cannot scroll");
        QScrollBar *bar = view->verticalScrollBar();
        const int texttall = qCeil(view->document()->size().height());
        qInfo("the view shows %d of the text's %d px, scroll bar %s", view->viewport()->height(), texttall,
              bar->isVisible() ? "shown" : "hidden");
        const TextPlace place = textplace(view);
        const TextExtent extent = layouttext(place);
        QVERIFY2(extent.width <= place.room.width() + 1,
                 qPrintable(QString("the widest line needs %1 px, the view shows %2")
                                .arg(extent.width).arg(place.room.width())));
        const QStringList broken = brokenshortlines(place, screen.width() / 2);
        QVERIFY2(broken.isEmpty(), qPrintable("breaks: " + broken.join(" | ")));
        QVERIFY(!view->horizontalScrollBar()->isVisible());
        // The scroll bar says whether there is more text than the view shows.
        QCOMPARE(bar->isVisible(), texttall > view->viewport()->height());
        if (scrolls)
            QVERIFY(bar->isVisible());

        QVERIFY2(QTest::qWaitFor([ok] { return ok->hasFocus(); }), "the box opened with the focus off OK");
        if (bar->isVisible()) {
            QVERIFY(!showslastline(view));
            QVERIFY(typekeys("Tab"));
            QVERIFY2(QTest::qWaitFor([view] { return view->hasFocus(); }), "Tab left the focus off the text");
            QVERIFY2(qobject_cast<QPushButton *>(ok)->isDefault(), "OK is no longer the default button");
            QVERIFY(typekeys("ctrl+End"));
            QVERIFY2(QTest::qWaitFor([view] { return showslastline(view); }),
                     qPrintable(QString("after Ctrl+End, the last line lies at %1, %2 in a viewport of %3 x %4")
                                    .arg(lastlinerect(view).x()).arg(lastlinerect(view).y())
                                    .arg(view->viewport()->width()).arg(view->viewport()->height())));
            QVERIFY(typekeys("ctrl+shift+Home"));
            QVERIFY2(QTest::qWaitFor([view, &text] { return view->textCursor().selection().toPlainText() == text; }),
                     "Ctrl+Shift+Home did not select the text");
            QVERIFY(typekeys("shift+Tab"));
            QVERIFY2(QTest::qWaitFor([ok] { return ok->hasFocus(); }), "Shift+Tab left the focus off OK");
            QVERIFY(typekeys("Tab"));
            QVERIFY2(QTest::qWaitFor([view] { return view->hasFocus(); }), "Tab left the focus off the text");
        } else {
            QVERIFY(showslastline(view));
        }
        QVERIFY(typekeys(closekey));
        QVERIFY2(QTest::qWaitFor([box] { return !box->isVisible(); }), "the key left the box open");
    });
    const QMessageBox::StandardButton answer = messagebox::information(&parent, "Tessary Extractor", text);
    QCOMPARE(driver.boxes.size(), 1);
    QCOMPARE(driver.boxes.at(0).shown, text);
    QCOMPARE(answer, QMessageBox::Ok);
}

QTEST_MAIN(TestCaptionFit)
#include "tst_gui_captionfit.moc"
