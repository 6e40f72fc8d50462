#pragma once
// Answers the file dialogs of the code under test the way a user would:
// picks the given path, or cancels when the path is empty, and notes how the
// dialog was opened. Needs Qt's own dialogs (DontUseNativeDialog).
// Header-only, as only programs that link widgets use it.
#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace filedialogdriver {

// Chooses path in a shown dialog, as a user who types the whole path into
// the name field and presses Open or Save. The name is typed straight into
// the field (selectFile() skips a focused field) and the dialog is closed
// with the result its button gives, in the same call: no pending event can
// reload the folder and wipe the name in between, and a selection in the
// list cannot win over the typed name.
inline void choose(QFileDialog *dialog, const QString &path)
{
    if (path.isEmpty()) {
        dialog->reject();
        return;
    }
    for (auto *view : dialog->findChildren<QAbstractItemView *>())
        if (view->selectionModel())
            view->selectionModel()->clearSelection();
    if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
        name->setText(QDir::toNativeSeparators(path));
    static_cast<QDialog *>(dialog)->done(QDialog::Accepted);   // what Open or Save does
}

} // namespace filedialogdriver

class FileDialogDriver
{
public:
    struct Seen
    {
        QString title;
        QString directory;
        QStringList filters;
        QFileDialog::AcceptMode mode;
    };

    explicit FileDialogDriver(const QString &answer) : m_answer(answer)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(20);
    }

    QList<Seen> dialogs;

private:
    void poll()
    {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        // One dialog per driver: a later one belongs to the next driver.
        if (!dialog || !dialog->isVisible() || !dialogs.isEmpty())
            return;
        dialogs << Seen{dialog->windowTitle(), dialog->directory().absolutePath(), dialog->nameFilters(),
                        dialog->acceptMode()};
        filedialogdriver::choose(dialog, m_answer);
    }

    QString m_answer;
    QTimer m_timer;
};
