#pragma once
// Answers the message boxes that the code under test opens, the way a user
// would: a timer finds the open modal box, notes what it says, lets the test
// look at the window while the box is open, and clicks the next answer.
// Header-only, as only programs that link the app use it.
#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTextEdit>
#include <QTimer>

#include "app/messagebox.h"
#include "support/shownlabel.h"

#include <functional>

struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QString shown;   // the text as the box shows it
};

class MessageBoxDriver
{
public:
    // answers: the buttons to click, box by box; a box beyond them gets Ok.
    // onbox: called while each box is open, before its answer is clicked.
    explicit MessageBoxDriver(QList<QMessageBox::StandardButton> answers = {},
                              std::function<void(QMessageBox *)> onbox = {})
        : m_answers(std::move(answers)), m_onbox(std::move(onbox))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(20);
    }

    QList<SeenBox> boxes;

private:
    // A label shows its text as plain text or markup; the view that stands
    // in for a box's label shows plain text.
    static QString shownText(const QWidget *widget)
    {
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            return ::shownText(label);
        if (const auto *view = qobject_cast<const QTextEdit *>(widget))
            return view->toPlainText();
        return QString();
    }

    void poll()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box == m_handled)
            return;
        m_handled = box;
        boxes << SeenBox{box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                         shownText(messagebox::textwidget(box))};
        if (m_onbox)
            m_onbox(box);
        const QMessageBox::StandardButton answer =
            m_answers.isEmpty() ? QMessageBox::Ok : m_answers.takeFirst();
        QAbstractButton *button = box->button(answer);
        if (!button)
            button = box->buttons().value(0);   // never leave the test hanging
        if (button)
            button->click();
    }

    QList<QMessageBox::StandardButton> m_answers;
    std::function<void(QMessageBox *)> m_onbox;
    QTimer m_timer;
    QPointer<QMessageBox> m_handled;
};
