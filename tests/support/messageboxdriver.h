#pragma once
// Answers the message boxes that the code under test opens, the way a user
// would: a timer finds the open modal box, notes what it says, lets the test
// look at the window while the box is open, and clicks the next answer.
// Header-only, as only programs that link widgets use it.
#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTimer>

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
    void poll()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box == m_handled)
            return;
        m_handled = box;
        const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        boxes << SeenBox{box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                         label ? shownText(label) : QString()};
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
