// The Project menu: choosing the current project, saving it as a project
// file, and writing it into the host's settings file.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileDialog>

#include "app/messagebox.h"
#include "app/projectapply.h"
#include "app/projectfile.h"

namespace {

const QString projectfilter = QStringLiteral("TY Projects (*.xml)");
const QString notapplied = QStringLiteral("\nProject was not loaded to Settings");

} // namespace

// Choosing a project

void MainWindow::chooseproject(const projectfile::ProjectChoice &choice)
{
    // The tables are filled from the project when a skin is made.
    windows.clear();
    clonevars.clear();
    groupvars.clear();
    if (choice.setsize) {
        skinwidth = choice.width;
        skinheight = choice.height;
    }
    projectpath = choice.path;
    initzones(QString(projectpath));
    projectname = choice.name;

    setWindowTitle(apptitle + " - " + choice.title);
    ui->actionDefault->setEnabled(choice.applicable);
    // Triggering a checked entry unchecks it; each mark is set explicitly.
    QAction *const marks[] = {ui->loaddefaultproject, ui->loaddemo1project, ui->loaddemo2project,
                              ui->loaddemo3project};
    for (int i = 0; i < 4; ++i)
        marks[i]->setChecked(i == choice.mark);
    drawskin();
}

void MainWindow::on_loaddefaultproject_triggered()
{
    chooseproject(projectfile::hostproject(hostfolder(), settingsfilename, screenwidth, screenheight));
}

void MainWindow::on_loaddemo1project_triggered() { chooseproject(projectfile::demoproject(1, resourcesdir)); }
void MainWindow::on_loaddemo2project_triggered() { chooseproject(projectfile::demoproject(2, resourcesdir)); }
void MainWindow::on_loaddemo3project_triggered() { chooseproject(projectfile::demoproject(3, resourcesdir)); }

void MainWindow::on_loadproject_triggered()
{
    const QString file = QFileDialog::getOpenFileName(this, tr("Load a Project"), projectsdir, projectfilter);
    if (file.isEmpty())
        return;
    chooseproject(projectfile::fileproject(file));
}

// Reload: the host may have changed its settings file since it was chosen.
void MainWindow::on_pushButton_3_clicked()
{
    initzones(QString(projectpath));
    drawskin();
}

// Saving a project file

void MainWindow::on_projectsaveas_triggered()
{
    const QString chosen = QFileDialog::getSaveFileName(this, tr("Save Project As.."), projectsdir, projectfilter);
    if (chosen.isEmpty())
        return;

    projectfile::ProjectContent content;
    content.name = projectfile::basename(chosen);
    // The size the positions were laid out for, so that the saved file is
    // read against the same screen later (the desktop's when the project
    // has no size of its own).
    content.screenwidth = skinwidth;
    content.screenheight = skinheight;
    content.tyname = settings.value("tyname");

    // The source is read whole before the target is written: saving a
    // project file over itself rewrites it from its own content.
    QDomDocument source;
    if (projectfile::readxml(projectpath, source) == projectfile::ReadStatus::NotOpened) {
        messagebox::information(this, apptitle, "Quorvelin settings file could not be opened. Project is not saved");
        return;
    }
    const QString target = projectsdir + "/" + content.name + ".xml";
    if (!projectfile::writefile(target, projectfile::projecttext(content, source))) {
        messagebox::warning(this, apptitle, "Project " + content.name + " could not be saved to "
                                                + QDir::toNativeSeparators(target)
                                                + ".\nCheck that the folder exists and that you may write to it.");
        return;
    }

    messagebox::information(this, apptitle, "Project " + content.name + " has been saved succesfully.");
    setWindowTitle(apptitle + " - " + content.name);
}

// Applying a project to the host

void MainWindow::on_actionDefault_triggered()
{
    if (projectname.isEmpty())
        return;
    if (messagebox::question(this, apptitle,
                             "Please make sure Quorvelin is closed.\nIf Quorvelin is currently running\n"
                             "the Project's settings will not be applied.\n\nContinue ?",
                             QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;

    const QString hostfile = hostfolder() + settingsfilename;
    if (!QFile::exists(hostfile)) {
        messagebox::information(this, apptitle, "Quorvelin Settings file was not detected." + notapplied);
        return;
    }

    // A file that cannot be read whole would replace the host's record with
    // nothing, or the host's whole file with an empty one: nothing is written.
    QDomDocument project;
    if (projectfile::readxml(projectpath, project) != projectfile::ReadStatus::Read) {
        messagebox::warning(this, apptitle, "Project " + projectname + " could not be read." + notapplied);
        return;
    }
    skinwidth = projectapply::projectwidth(project, screenwidth);
    const float factor = projectapply::scalefactor(screenwidth, skinwidth);

    // Every value of the host's own comes back as it was, blanks included.
    QDomDocument host;
    if (projectfile::readxml(hostfile, host, /*keepwhitespace=*/true) != projectfile::ReadStatus::Read) {
        messagebox::warning(this, apptitle, "Quorvelin Settings file could not be read." + notapplied);
        return;
    }
    projectapply::apply(project, host, settings.value("tyname"), factor);
    if (!projectfile::writefile(hostfile, projectapply::hosttext(host))) {
        messagebox::warning(this, apptitle, "Quorvelin Settings file could not be written." + notapplied);
        return;
    }
    messagebox::information(this, apptitle, "Project " + projectname + " loaded to Quorvelin Settings");
}
