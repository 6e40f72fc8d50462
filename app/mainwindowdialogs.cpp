// The Settings and About dialogs of the Help menu.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "app/about.h"
#include "app/settings.h"

void MainWindow::on_actionSettings_triggered()
{
    QMap<QString, QString> current = settings;
    // The skin-name field stores its text only when editing finishes, which
    // may first happen while the dialog is open; without this, saving the
    // dialog would bring back the name from before the last edit.
    current.insert("skinname", ui->lineEdit->text());

    Settings dialog;
    dialog.setsettings(current);
    dialog.setModal(true);
    dialog.exec();
    if (!dialog.saved)
        return;

    // The dialog's keys replace the map; the project, gradient, tab and
    // browser keys are written from the window's own state.
    settings = dialog.getsettings();
    if (settings.value("colorprofile") == QLatin1String("last_used"))
        settings.insert("colorprofilepath", profilesdir + "/last_used.tycp");
    tyname = settings.value("tyname");
    savesettings();
    setstatusline();
    ui->lineEdit->setText(settings.value("skinname"));
}

void MainWindow::on_actionAbout_triggered()
{
    About dialog;
    dialog.setModal(true);
    dialog.exec();
}
