// The Project menu: choosing the current project, saving it as a project
// file, and writing it into the host's settings file.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QDomDocument>
#include <QFileDialog>

#include "app/messagebox.h"
#include "app/projectapply.h"
#include "app/projectfile.h"
#include "fileio/fileio.h"

namespace {

const QString projectfilter = QStringLiteral("TY Projects (*.xml)");
const QString notapplied = QStringLiteral("\nProject was not loaded to Settings");

// The line that names a file that was not read, and why.
QString readproblem(const fileio::XmlRead &read, const QString &path)
{
    return fileio::xmlproblemtext(read, QDir::toNativeSeparators(path));
}

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
    // A source that is not well-formed gives what was read before the
    // fault, as a reader would; one that was not read at all saves nothing.
    QDomDocument source;
    const fileio::XmlRead read = fileio::readxml(projectpath, &source);
    if (!read && read.problem != fileio::XmlProblem::Malformed) {
        messagebox::information(this, apptitle, "Quorvelin settings file could not be opened. Project is not saved\n"
                                                    + readproblem(read, projectpath));
        return;
    }
    const QString target = projectsdir + "/" + content.name + ".xml";
    QString why;
    if (!projectfile::writefile(target, projectfile::projecttext(content, source), &why)) {
        messagebox::warning(this, apptitle,
                            fileio::withreason("Project " + content.name + " could not be saved to "
                                                   + QDir::toNativeSeparators(target), why));
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
    using projectapply::Applied;
    const Applied applied = projectapply::applyfile(projectpath, hostfile, settings.value("tyname"), screenwidth);
    if (applied.projectwidth > 0)
        skinwidth = applied.projectwidth;
    switch (applied.result) {
    case Applied::Done:
        break;
    case Applied::NoHostFile:
        messagebox::information(this, apptitle, "Quorvelin Settings file was not detected." + notapplied);
        return;
    case Applied::ProjectUnread:
        messagebox::warning(this, apptitle, "Project " + projectname + " could not be read.\n"
                                                + readproblem(applied.read, projectpath) + notapplied);
        return;
    case Applied::HostUnread:
        messagebox::warning(this, apptitle, "Quorvelin Settings file could not be read.\n"
                                                + readproblem(applied.read, hostfile) + notapplied);
        return;
    case Applied::HostOutOfBounds:
        messagebox::warning(this, apptitle, "Quorvelin Settings file was left as it was.\n"
                                                + readproblem(applied.read, hostfile + " with this project")
                                                + notapplied);
        return;
    case Applied::HostUnwritten:
        messagebox::warning(this, apptitle,
                            fileio::withreason("Quorvelin Settings file could not be written", applied.writeproblem)
                                + notapplied);
        return;
    }
    messagebox::information(this, apptitle, "Project " + projectname + " loaded to Quorvelin Settings");
}
