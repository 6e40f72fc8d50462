// Every caption of the three windows fits its widget, and every tab bar
// shows all its tabs. The forms have fixed pixel geometry, so this must hold
// at whatever font DPI the desktop uses: CTest runs this program at 96, 100
// and 120 DPI (QT_FONT_DPI). Font metrics against the room the widget's style
// leaves for the text; no pixels are compared.
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
#include "app/formscale.h"
#include "app/mainwindow.h"
#include "app/settings.h"

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

// Walks a window's widgets, measuring each caption once.
class Survey
{
public:
    QStringList cut;  // one line per caption that does not fit
    int counted = 0;  // captions measured

    void measureeverypage(QWidget *root);

private:
    QSet<QWidget *> seen;

    void check(QWidget *widget, const QString &text, const QSize &need, const QSize &room);
    void measure(QWidget *widget);
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

void Survey::measurevisible(QWidget *root)
{
    QApplication::processEvents();
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (widget->isVisible() && !seen.contains(widget)) {
            seen.insert(widget);
            measure(widget);
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
    const QString summary = QString("%1: %2 of %3 captions cut at %4 DPI")
                                .arg(window->objectName()).arg(survey.cut.size()).arg(survey.counted)
                                .arg(window->logicalDpiY());
    qInfo("%s", qPrintable(summary));
    QVERIFY(survey.counted > 0);
    QVERIFY2(survey.cut.isEmpty(), qPrintable(summary));
}

} // namespace

class TestCaptionFit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void mainWindowCaptionsFit();
    void settingsDialogCaptionsFit();
    void aboutDialogCaptionsFit();
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

void TestCaptionFit::mainWindowCaptionsFit()
{
    MainWindow window;
    verifyfits(&window);
}

void TestCaptionFit::settingsDialogCaptionsFit()
{
    Settings dialog;
    verifyfits(&dialog);
}

void TestCaptionFit::aboutDialogCaptionsFit()
{
    About dialog;
    verifyfits(&dialog);
}

QTEST_MAIN(TestCaptionFit)
#include "tst_gui_captionfit.moc"
