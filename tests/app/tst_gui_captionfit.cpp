// Every caption of the three windows fits its widget, every tab bar shows
// all its tabs, every named widget lies inside its parent (a label: its
// text does), and no widget stacked above a label covers or touches its
// text. The forms have fixed pixel geometry, so this must hold at whatever
// font DPI the desktop uses: CTest runs this program at 96, 100 and 120 DPI
// (QT_FONT_DPI). Message boxes, which follow the desktop's font, show their
// text on the lines it gives. Font metrics against the room the widget's
// style leaves for the text; no pixels are compared.
#include <QtTest>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>

#include "app/about.h"
#include "app/createskinjob.h"
#include "app/formscale.h"
#include "app/mainwindow.h"
#include "app/messagebox.h"
#include "app/settings.h"
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

} // namespace

class TestCaptionFit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void mainWindowFits();
    void settingsDialogFits();
    void aboutDialogFits();
    void messageBoxesKeepTheirLines_data();
    void messageBoxesKeepTheirLines();
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

void TestCaptionFit::messageBoxesKeepTheirLines_data()
{
    using namespace createskinjob;
    QTest::addColumn<QString>("text");
    const QString name = QStringLiteral("My Skin for the Saturday Night Sets");
    QTest::newRow("done") << donetext(name);
    QTest::newRow("no modules") << nomodulestext("Tessary");
    QTest::newRow("not installed") << notinstalledtext("Tessary");
    QTest::newRow("overwrite") << overwritetext(name);
    QTest::newRow("no name") << nonametext();
    QTest::newRow("refused name") << refusednametext(NameProblem::NotAFileName, name + ".", "Tessary");
    // A line longer than any screen is the one case that has to wrap.
    QTest::newRow("long path") << "Cannot write\n" + QString("/very/long/folder").repeated(12) + "\nThe end.";
}

// Message boxes follow the desktop's font, so at a large one Qt narrows the
// box and breaks lines anywhere a word may break, "Settings->Interface"
// included. Each line of the text must stay one line, unless it is wider
// than the screen could show.
void TestCaptionFit::messageBoxesKeepTheirLines()
{
    QFETCH(QString, text);
    QWidget parent;
    parent.resize(730, 560);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));

    int shownheight = 0, unwrappedheight = 0, linewidth = 0, labelwidth = 0, boxwidth = 0;
    MessageBoxDriver driver({}, [&](QMessageBox *box) {
        const auto *label = box->findChild<QLabel *>("qt_msgbox_label");
        QVERIFY(label);
        shownheight = label->height();
        unwrappedheight = label->heightForWidth(QWIDGETSIZE_MAX);
        labelwidth = label->contentsRect().width();
        boxwidth = box->width();
        for (const QString &line : text.split('\n'))
            linewidth = qMax(linewidth, label->fontMetrics().horizontalAdvance(line));
    });
    messagebox::information(&parent, "Tessary Extractor", text);
    QCOMPARE(driver.boxes.size(), 1);
    QCOMPARE(driver.boxes.at(0).shown, text);
    const int screenwidth = parent.screen()->availableGeometry().width();
    QVERIFY2(boxwidth <= screenwidth, qPrintable(QString("the box is %1 px wide").arg(boxwidth)));
    if (linewidth < screenwidth / 2) {
        QVERIFY2(labelwidth >= linewidth,
                 qPrintable(QString("the longest line needs %1 px, the label has %2").arg(linewidth).arg(labelwidth)));
        QCOMPARE(shownheight, unwrappedheight);
    }
}

QTEST_MAIN(TestCaptionFit)
#include "tst_gui_captionfit.moc"
