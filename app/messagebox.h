#pragma once
// Message boxes that show their text as plain text. Qt's own static
// functions guess whether a text is HTML, so a name the user typed or a
// file held, such as "<b>x</b>", would show as markup, and an <img> in it
// would make Qt read whatever file it names just to show the box.
#include <QMessageBox>
#include <QString>

class QWidget;

namespace messagebox {

// Each shows a modal box on parent, titled title, and returns the button
// the user chose (Escape gives No for a question, Ok otherwise).
QMessageBox::StandardButton warning(QWidget *parent, const QString &title, const QString &text);
QMessageBox::StandardButton information(QWidget *parent, const QString &title, const QString &text);
QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                     QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No);

// The widget that shows an open box's text: Qt's own label (a QLabel), or,
// when a line is wider than the widest box or the text taller than the
// screen leaves room for, the read-only view (a QTextEdit) that shows it in
// the label's place, scrolling in the second case.
QWidget *textwidget(const QMessageBox *box);

} // namespace messagebox
