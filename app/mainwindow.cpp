#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QStandardPaths>

#include "app/createskinjob.h"
#include "app/displayoptions.h"
#include "app/formscale.h"
#include "app/messagebox.h"
#include "app/statusrules.h"
#include "app/toolsettings.h"
#include "app/workfolders.h"
#include "app/zonecontrols.h"
#include "fileio/fileio.h"
#include "skinmodel/zones.h"
#include "colours/swatch.h"
#include "writer/skinwriter.h"

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), apptitle(QStringLiteral("Tessary Extractor"))
{
    documentsdir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    workdir = documentsdir + "/TYX";
    resourcesdir = QStringLiteral("://Resources");
    profilesdir = workdir + "/profiles";
    projectsdir = workdir + "/projects";
    settingsfilename = QStringLiteral("/settings.xml");

    ui = new Ui::MainWindow;
    ui->setupUi(this);
    formscale::pinfonts(this);
    statusBar()->setSizeGripEnabled(false);
    // These show names from the settings, profiles and the Tessary skin,
    // which must show as written, never as markup.
    for (QLabel *label : {ui->colorprofile_label, ui->statusbar, ui->statusbar_2})
        label->setTextFormat(Qt::PlainText);

    workfolders::removeleftovers(workdir);
    workfolders::create(workdir);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        screenwidth = screen->geometry().width();
        screenheight = screen->geometry().height();
    }
    skinwidth = int(screenwidth);
    skinheight = int(screenheight);

    initscenes();
    loadsettings();
    installtessaryskin();

    ui->colordisablegradience->setChecked(disablegradience);
    setWindowTitle(statusrules::windowtitle(apptitle, projectname));
    ui->colorprofile_label->setText("Color Profile : " + colorprofile);
    ui->actionDefault->setEnabled(true);
    setprojectmarks();
    ui->lineEdit->setText(settings.value("skinname"));

    ui->statuslabel->setTextFormat(Qt::RichText);
    ui->statuslabel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse
                                             | Qt::LinksAccessibleByKeyboard);
    ui->statuslabel->setOpenExternalLinks(true);
    setstatusline();

    packx = 0;
    packy = 0;
    packbottom = 0;
}

MainWindow::~MainWindow()
{
    // The colours in use become the next start's colours.
    savecolors(profilesdir + "/last_used.tycp");
    savesettings();
    workfolders::removescratch(workdir);
    delete ui;
}

QString MainWindow::hostfolder() const
{
    return settings.value("qrnfolder");
}

QString MainWindow::tessaryzippath() const
{
    return hostfolder() + "/Skins/" + settings.value("tyname") + ".zip";
}

int MainWindow::checsetting(const QString &setting, const QString &splitter) const
{
    return ::checsetting(hostfolder() + settingsfilename, setting, splitter);
}

void MainWindow::installtessaryskin()
{
    // A failed copy (no skins folder, say) shows in the status line.
    workfolders::installmissing(resourcesdir + "/Tessary.zip", tessaryzippath());
}

void MainWindow::setprojectmarks()
{
    if (projectpath == hostfolder() + settingsfilename) {
        ui->loaddefaultproject->setChecked(true);
        ui->actionDefault->setEnabled(false);
    }
    if (projectpath == resourcesdir + "/Demo 1.xml")
        ui->loaddemo1project->setChecked(true);
    if (projectpath == resourcesdir + "/Demo 2.xml")
        ui->loaddemo2project->setChecked(true);
    if (projectpath == resourcesdir + "/Demo 3.xml")
        ui->loaddemo3project->setChecked(true);
}

void MainWindow::setstatusline()
{
    ui->statuslabel->setText(statusrules::statustext(QFile::exists(tessaryzippath()),
                                                     QFile::exists(hostfolder() + settingsfilename),
                                                     settings.value("tyname")));
}

// Skin name field

void MainWindow::on_lineEdit_textChanged()
{
    ui->dothejob->setStyleSheet(statusrules::createbuttonstyle(ui->lineEdit->text()));
}

void MainWindow::on_lineEdit_editingFinished()
{
    settings.insert("skinname", ui->lineEdit->text());
}

// Tool settings

QVector<QTabWidget *> MainWindow::settingstabs() const
{
    // In the order of toolsettings::tabkeys().
    return {ui->tabWidget, ui->tab_buttons, ui->tab_drops, ui->tab_faders, ui->tab_jogs,
            ui->tab_vus, ui->tab_waves, ui->tab_texts, ui->tab_knobs};
}

void MainWindow::initsettings()
{
    const toolsettings::Entries entries = toolsettings::defaults(documentsdir, profilesdir);
    settings.clear();
    for (const auto &entry : entries)
        settings.insert(entry.first, entry.second);
    toolsettings::write(workdir + "/settings.tyx", entries);
}

void MainWindow::loadsettings()
{
    const QString file = workdir + "/settings.tyx";
    if (QFile::exists(file)) {
        const toolsettings::SettingsMap read = toolsettings::read(file);
        for (auto it = read.cbegin(); it != read.cend(); ++it)
            settings.insert(it.key(), it.value());
    } else {
        initsettings();
    }
    toolsettings::fillmissing(settings, documentsdir);
    tyname = settings.value("tyname");

    const QVector<QTabWidget *> tabs = settingstabs();
    const QStringList &tabkeys = toolsettings::tabkeys();
    for (int i = 0; i < tabs.size() && i < tabkeys.size(); ++i) {
        const int index = settings.value(tabkeys.at(i)).toInt();
        // A page the form does not have leaves the tab where the form opened it.
        if (index >= 0 && index < tabs.at(i)->count())
            tabs.at(i)->setCurrentIndex(index);
    }

    setbrowserradio(settings.value("browseroption"));
    seticonradio(settings.value("iconoption"));

    projectpath = settings.value("projectpath");
    projectname = settings.value("projectname");
    disablegradience = settings.value("gradience").toInt() == 1;

    const QString profilepath = settings.value("colorprofilepath");
    // A folder or a file it may not read counts as no profile, as a missing
    // file does: the built-in default stands in.
    if (fileio::isreadablefile(profilepath)) {
        colorprofilepath = profilepath;
        colorprofile = settings.value("colorprofile");
    } else {
        colorprofilepath = resourcesdir + "/default.tycp";
        colorprofile = QStringLiteral("default");
    }

    loadcolorprofile(colorprofilepath);
    initcolors();
    initzones(projectpath);
    drawscenes();

    ui->colorprofile_label->setText("Color Profile : " + colorprofile);
    ui->loaddefaultcolorprofile->setChecked(colorprofile.isEmpty() || colorprofile == "default");
}

void MainWindow::savesettings()
{
    toolsettings::SettingsMap values = settings;
    // These keys follow the window's state, not the map.
    values.insert("projectname", projectname);
    values.insert("projectpath", projectpath);
    values.insert("gradience", disablegradience ? "1" : "0");
    const QVector<QTabWidget *> tabs = settingstabs();
    const QStringList &tabkeys = toolsettings::tabkeys();
    for (int i = 0; i < tabs.size() && i < tabkeys.size(); ++i)
        values.insert(tabkeys.at(i), QString::number(tabs.at(i)->currentIndex()));
    values.insert("browseroption", QString::number(browserradio()));
    values.insert("iconoption", QString::number(iconradio()));

    toolsettings::write(workdir + "/settings.tyx",
                        toolsettings::ordered(toolsettings::saveorder(), values));
}

// Browser tab options

void MainWindow::setbrowserradio(const QString &index)
{
    QRadioButton *const buttons[] = {ui->browserdefault_radio, ui->browserdark_radio,
                                     ui->browserwhite_radio};
    buttons[displayoptions::optionindex(index)]->setChecked(true);
}

void MainWindow::seticonradio(const QString &index)
{
    QRadioButton *const buttons[] = {ui->iconsdefault_radio, ui->iconsalternative_radio,
                                     ui->iconswhite_radio};
    buttons[displayoptions::optionindex(index)]->setChecked(true);
}

int MainWindow::browserradio() const
{
    return displayoptions::checkedoption(ui->browserdefault_radio->isChecked(),
                                         ui->browserdark_radio->isChecked(),
                                         ui->browserwhite_radio->isChecked());
}

int MainWindow::iconradio() const
{
    return displayoptions::checkedoption(ui->iconsdefault_radio->isChecked(),
                                         ui->iconsalternative_radio->isChecked(),
                                         ui->iconswhite_radio->isChecked());
}

QString MainWindow::getbrowserimage() const
{
    return displayoptions::browserimagepath(browserradio(), iconradio());
}

void MainWindow::storeoption(const QString &key, const QString &value)
{
    settings.insert(key, value);
    drawbrowser();
}

void MainWindow::on_browserdefault_radio_clicked() { storeoption("browseroption", "0"); }
void MainWindow::on_browserdark_radio_clicked() { storeoption("browseroption", "1"); }
void MainWindow::on_browserwhite_radio_clicked() { storeoption("browseroption", "2"); }
void MainWindow::on_iconsdefault_radio_clicked() { storeoption("iconoption", "0"); }
void MainWindow::on_iconsalternative_radio_clicked() { storeoption("iconoption", "1"); }
void MainWindow::on_iconswhite_radio_clicked() { storeoption("iconoption", "2"); }

// Colours and zones

void MainWindow::initcolors()
{
    const auto paint = [this](const char *swatchname, const QColor &colour) {
        paintswatch(findChild<QLabel *>(QLatin1String(swatchname)), colour);
    };
    for (const ColourEntry &entry : colourTable())
        paint(entry.swatch, this->*entry.colour);
    // The shared fader-lines colour has a second swatch, on the right deck's page.
#define TYX_PAINT_EXTRA_SWATCH(member, key, family, scope, role, partner, swatch, ...) paint(#swatch, member);
    TYX_COLOUR_EXTRA_EDITOR_ROWS(TYX_PAINT_EXTRA_SWATCH)
#undef TYX_PAINT_EXTRA_SWATCH
}

void MainWindow::initzones(const QString &name)
{
    SkinModel::initzones(name);
    const QVector<bool> enabled = zonecontrols::enabledrows(zonesinfile);
    const QVector<QStringList> &rows = zonecontrols::widgetnames();
    for (int row = 0; row < rows.size() && row < enabled.size(); ++row) {
        for (const QString &widgetname : rows.at(row)) {
            if (QWidget *widget = findChild<QWidget *>(widgetname))
                widget->setEnabled(enabled.at(row));
        }
    }
}

// Previews

void MainWindow::initscenes()
{
    createscenes(this);
}

void MainWindow::drawscenes()
{
    paintbackgrounds(skinback);
    drawpreviews(false);
}

void MainWindow::drawbrowser()
{
    drawbrowserpicture(scene_browser, getbrowserimage());
}

void MainWindow::drawskin()
{
    SkinOverview overview;
    overview.zones = zones;
    overview.skinwidth = skinwidth;
    overview.skinheight = skinheight;
    overview.screenwidth = screenwidth;
    overview.topbar = topbar;
    overview.zoneborder = zoneborder;
    overview.zonefills = {zoneback, zone2back, zone3back, zone4back,
                          zone5back, zone6back, zone7back, zone8back};
    drawskinoverview(scene_skin, overview);
}

// The create-skin job

void MainWindow::on_dothejob_clicked()
{
    using namespace createskinjob;
    const QString skinname = ui->lineEdit->text();
    if (skinname.isEmpty()) {
        messagebox::warning(this, apptitle, nonametext());
        return;
    }
    const QString tessary = settings.value("tyname");
    const int longest = longestzipname(hostfolder());
    const NameProblem problem = checkskinname(skinname, tessary, longest);
    if (problem != NameProblem::None) {
        messagebox::warning(this, apptitle, refusednametext(problem, skinname, tessary, longest));
        return;
    }

    CreateSkinJob job(*this, SkinJobPaths(workdir, hostfolder(), tessary, skinname),
                      {[this] { createpng(); }, [this] { return createxml(); },
                       [this](const QString &path) { return editpreview(path); },
                       [this] { return skinwriter().problem(); },
                       [this] { return skinwriter().problemsize(); },
                       [this] { return skinwriter().writeproblem(); }});
    job.processevents = [] { QCoreApplication::processEvents(); };
    job.makefolders();
    if (!job.sourceinstalled()) {
        messagebox::warning(this, apptitle, notinstalledtext(tessary));
        ui->statusbar->setText(QString());
        return;
    }
    if (job.targetexists()
        && messagebox::question(this, apptitle, overwritetext(skinname),
                                QMessageBox::Yes | QMessageBox::No) == QMessageBox::No)
        return;

    setjobrunning(true);
    tyname = tessary;
    m_skinwriter.reset();
    const bool unpacked = job.unpack();
    if (!job.sourceinstalled()) {
        showjobresult(messagebox::warning, notinstalledtext(tessary));
        ui->statusbar->setText(QString());
        setjobrunning(false);
        return;
    }
    if (unpacked && !job.readproject(projectpath)) {
        showjobresult(messagebox::warning, nomodulestext(tessary));
        ui->statusbar->setText(QString());
        job.emptytables();
        setjobrunning(false);
        return;
    }

    const CreateSkinJob::Failure failure = unpacked ? job.build() : CreateSkinJob::Failure::Unpack;
    job.cleanup();
    m_skinwriter.reset();
    ui->statusbar_2->setText(QString());
    if (failure == CreateSkinJob::Failure::None) {
        ui->statusbar->setText(donestatustext());
        showjobresult(messagebox::information, donetext(skinname));
    } else {
        showjobresult(messagebox::warning, job.failuretext(failure));
    }
    ui->statusbar->setText(QString());
    setjobrunning(false);
}

void MainWindow::showjobresult(ResultBox box, const QString &text)
{
    // The job lets events in only at a few steps, so a close the window
    // manager asked for since then may still wait in the queue. The box's
    // own loop would take it in while the box blocks this window, and Qt
    // drops a close for a blocked window; taken in now, it is held like any
    // close during the job and carried out once the box is answered. All
    // events, as the job's own steps let in: Qt's X11 platform counts the
    // window manager's close as user input, and the disabled form ignores
    // the rest.
    QCoreApplication::processEvents();
    box(this, apptitle, text);
}

void MainWindow::setjobrunning(bool running)
{
    m_jobrunning = running;
    ui->centralWidget->setDisabled(running);
    menuBar()->setDisabled(running);
    ui->mainToolBar->setDisabled(running);
    if (running)
        ui->statusbar->setText(createskinjob::inprocesstext());
    // Every run ends here after its last message was answered: a close that
    // came meanwhile is carried out now.
    if (!running && m_closeheld) {
        m_closeheld = false;
        close();
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_jobrunning) {
        m_closeheld = true;
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

SkinWriter &MainWindow::skinwriter()
{
    if (!m_skinwriter) {
        m_skinwriter = std::make_unique<SkinWriter>(*this, *this);
        m_skinwriter->skinname = ui->lineEdit->text();
        static const IconOption icons[] = {IconOption::Default, IconOption::Alternative, IconOption::White};
        static const BrowserOption browsers[] = {BrowserOption::Default, BrowserOption::Dark,
                                                 BrowserOption::White};
        m_skinwriter->icons = icons[qBound(0, iconradio(), 2)];
        m_skinwriter->browser = browsers[qBound(0, browserradio(), 2)];
        m_skinwriter->progress = [this](const QString &text, bool processevents) {
            ui->statusbar_2->setText(text);
            if (processevents)
                QCoreApplication::processEvents();
        };
    }
    return *m_skinwriter;
}

void MainWindow::createpng()
{
    skinwriter().createpng();
}

bool MainWindow::createxml()
{
    return skinwriter().createxml();
}

bool MainWindow::editpreview(const QString &path)
{
    return skinwriter().editpreview(path);
}
