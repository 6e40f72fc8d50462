#include "messagebox.h"

#include <QAbstractButton>
#include <QPushButton>

namespace messagebox {

namespace {

QMessageBox::StandardButton show(QMessageBox::Icon icon, QWidget *parent, const QString &title,
                                 const QString &text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, title, QString(), buttons, parent);
    // The format is set before the text, so the text is never taken for markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
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
