#include "messagebox.h"

#include <QAbstractButton>
#include <QCursor>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextEdit>
#include <QtMath>

namespace messagebox {

namespace {

const QString textviewname = QStringLiteral("tyx_msgbox_text");

// The room of the screen a box opens on, as Qt picks it for a message box:
// the screen under the mouse.
QRect boxscreen()
{
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// What the window manager's frame adds to a box's width and height: what
// it adds to the parent's window, which the box shares the window manager
// with, or, while no frame is known, what Qt's dialogs guess when they
// place themselves on the screen. A frame may have no side borders, but
// never lacks a title bar.
QSize framesize(const QWidget *parent)
{
    const QWidget *window = parent ? parent->window() : nullptr;
    if (window && window->isVisible()) {
        const QSize frame = window->frameGeometry().size() - window->geometry().size();
        if (frame.height() > 0)
            return frame;
    }
    return QSize(10, 40);
}

// The widest box Qt lets a message box grow to on that screen, before it
// breaks lines anywhere at all; on a small screen the box's frame must fit
// beside it, as a box, frame included, must lie on the screen.
int widestbox(const QWidget *parent)
{
    const int screenwidth = boxscreen().width();
    if (screenwidth > 1024)
        return qMin(screenwidth - 480, 1000);
    return screenwidth - framesize(parent).width();
}

// The tallest box, frame included, that fits that screen.
int tallestbox(const QWidget *parent)
{
    return boxscreen().height() - framesize(parent).height();
}

// A read-only view drawn as the label draws its plain text: its font and
// colours, no frame, no background, no scroll bars (until the text is
// taller than the screen allows), and as selectable.
QTextEdit *viewlike(const QLabel *label, QWidget *parent)
{
    auto *view = new QTextEdit(parent);
    view->setReadOnly(true);
    view->setTextInteractionFlags(label->textInteractionFlags());
    view->setFocusPolicy(label->focusPolicy());
    view->setFont(label->font());
    QPalette palette = label->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Text, palette.color(group, QPalette::WindowText));
    view->setPalette(palette);
    view->setFrameShape(QFrame::NoFrame);
    view->viewport()->setAutoFillBackground(false);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->document()->setDocumentMargin(0);
    return view;
}

// Shows the box's text in a view as wide as the label's least width, in
// the label's place. A label breaks lines only where a word ends, so a skin
// name or a path wider than the box would run past its edge; the view
// breaks such a word between any two characters, and is as tall as its
// lines, as far as the screen allows (fitheight). The hidden label keeps
// the text, which the box reports and copies, and the view holds the same
// characters for the user to select.
void showinview(QMessageBox &box, QLabel *label)
{
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    const int index = grid ? grid->indexOf(label) : -1;
    if (index < 0)
        return;
    int row, column, rows, columns;
    grid->getItemPosition(index, &row, &column, &rows, &columns);

    QTextEdit *view = viewlike(label, &box);
    view->setObjectName(textviewname);
    view->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    view->setLineWrapMode(QTextEdit::FixedPixelWidth);
    view->setLineWrapColumnOrWidth(label->minimumWidth());
    view->setPlainText(label->text());
    view->setFixedSize(label->minimumWidth(), qCeil(view->document()->size().height()));
    label->hide();
    grid->addWidget(view, row, column, rows, columns);
}

// A text too long for the screen would push the end of the box, its
// buttons with it, past the screen's bottom edge. The view then stops as
// far up as the box must and scrolls. Its scroll bar takes room beside the
// lines: what the box may still widen by, and the lines' own after that.
// The lines out of sight are reached by keyboard too: Tab moves the focus
// between the buttons and the text, where the arrows, Page Up/Down and
// Ctrl+Home/End move through it and select with Shift. Enter and Escape,
// which a read-only view leaves alone, still answer the box from there.
void fitheight(QMessageBox &box, const QWidget *parent)
{
    auto *view = box.findChild<QTextEdit *>(textviewname);
    if (!view)
        return;
    const QSize least = box.layout()->totalMinimumSize();
    const int over = least.height() - tallestbox(parent);
    if (over <= 0)
        return;
    const int bar = view->verticalScrollBar()->sizeHint().width();
    const int wider = qBound(0, widestbox(parent) - least.width(), bar);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view->setFixedSize(view->width() + wider, qMax(view->fontMetrics().lineSpacing(), view->height() - over));
    view->setLineWrapColumnOrWidth(view->width() - bar);
    view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    view->setFocusPolicy(Qt::StrongFocus);
}

// Qt wraps a box's text at a fixed width of about 500 pixels, so with a
// large desktop font a line breaks wherever a word may end, inside
// "Settings->Interface" too. Asking the label for the width of its longest
// line keeps each line whole, as far as the screen allows; a longer line
// breaks, in a view as wide as the widest box. A text taller than the
// screen allows scrolls in the view too, which a label cannot.
void keeplines(QMessageBox &box, const QWidget *parent)
{
    auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    if (!label || !box.layout())
        return;
    box.ensurePolished();
    label->setWordWrap(false);
    label->setMinimumWidth(label->sizeHint().width());
    const QSize least = box.layout()->totalMinimumSize();
    const int over = least.width() - widestbox(parent);
    if (over > 0)
        label->setMinimumWidth(qMax(1, label->minimumWidth() - over));
    if (over > 0 || least.height() > tallestbox(parent)) {
        showinview(box, label);
        fitheight(box, parent);
    }
}

QMessageBox::StandardButton show(QMessageBox::Icon icon, QWidget *parent, const QString &title,
                                 const QString &text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title, QString(), buttons, parent);
    // The format is set before the text, so the text is never taken for markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    keeplines(box, parent);
    // As Qt's own boxes do: Enter answers Ok, and no other button by default.
    for (QAbstractButton *button : box.buttons()) {
        if (box.buttonRole(button) == QMessageBox::AcceptRole) {
            box.setDefaultButton(qobject_cast<QPushButton *>(button));
            break;
        }
    }
    if (box.exec() == -1)
        return QMessageBox::Cancel;
    return box.standardButton(box.clickedButton());
}

} // namespace

QWidget *textwidget(const QMessageBox *box)
{
    if (auto *view = box->findChild<QTextEdit *>(textviewname))
        return view;
    return box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
}

QMessageBox::StandardButton warning(QWidget *parent, const QString &title, const QString &text)
{
    return show(QMessageBox::Warning, parent, title, text, QMessageBox::Ok);
}

QMessageBox::StandardButton information(QWidget *parent, const QString &title, const QString &text)
{
    return show(QMessageBox::Information, parent, title, text, QMessageBox::Ok);
}

QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                     QMessageBox::StandardButtons buttons)
{
    return show(QMessageBox::Question, parent, title, text, buttons);
}

} // namespace messagebox
