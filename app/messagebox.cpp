#include "messagebox.h"

#include <QAbstractButton>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>

namespace messagebox {

namespace {

// The widest box Qt lets a message box grow to on the screen it opens on
// (the screen under the mouse), before it breaks lines anywhere at all.
int widestbox()
{
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const int screenwidth = screen ? screen->availableGeometry().width() : 1024;
    return screenwidth <= 1024 ? screenwidth : qMin(screenwidth - 480, 1000);
}

// Qt wraps a box's text at a fixed width of about 500 pixels, so with a
// large desktop font a line breaks wherever a word may end, inside
// "Settings->Interface" too. Asking the label for the width of its longest
// line keeps each line whole, as far as the screen allows.
void keeplines(QMessageBox &box)
{
    auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    if (!label || !box.layout())
        return;
    box.ensurePolished();
    label->setWordWrap(false);
    label->setMinimumWidth(label->sizeHint().width());
    const int over = box.layout()->totalMinimumSize().width() - widestbox();
    if (over > 0)
        label->setMinimumWidth(qMax(0, label->minimumWidth() - over));
}

QMessageBox::StandardButton show(QMessageBox::Icon icon, QWidget *parent, const QString &title,
                                 const QString &text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title, QString(), buttons, parent);
    // The format is set before the text, so the text is never taken for markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    keeplines(box);
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
