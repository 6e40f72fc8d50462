#pragma once
// Answers a dialog that the code under test runs with exec(): a timer waits
// until a visible modal widget of the wanted class is on top, then hands it
// to the answer, which looks at it and closes it the way a user would.
// Header-only, as only programs that link widgets use it.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace modaldialog {

// Arms one answer. A dialog that never shows within timeoutms is given up
// on (the test's own checks then fail), so a test never waits for ever on a
// dialog that did not come.
template <typename T>
void answer(std::function<void(T *)> onshown, int timeoutms = 10000)
{
    auto *timer = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, onshown, timeoutms] {
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) {
            if (clock->elapsed() > timeoutms) {
                qWarning("modaldialog: no %s showed", T::staticMetaObject.className());
                timer->stop();
                timer->deleteLater();
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        onshown(dialog);
    });
    timer->start(10);
}

} // namespace modaldialog
