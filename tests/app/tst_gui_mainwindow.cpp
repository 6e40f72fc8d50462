#include <QtTest>
#include <QAction>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>

#include "app/mainwindow.h"
#include "support/shownlabel.h"
#include "support/testsupport.h"

namespace {

QString documents() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }
QString workdir() { return documents() + "/TYX"; }
QString settingsfile() { return workdir() + "/settings.tyx"; }
QString hostfolder() { return documents() + "/Quorvelin"; }

template <typename T>
T *child(QObject *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qWarning("no %s", name);
    return found;
}

QAction *action(QObject *window, const char *name) { return child<QAction>(window, name); }

QByteArray settingsLines(const QStringList &lines)
{
    return (lines.join("\r\n") + "\r\n").toUtf8();
}

// The entries of a menu as object names, "-" for a separator.
QStringList entries(QMenu *menu)
{
    QStringList names;
    for (QAction *entry : menu->actions()) {
        if (entry->isSeparator())
            names << "-";
        else if (entry->menu())
            names << entry->menu()->objectName();
        else
            names << entry->objectName();
    }
    return names;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void firstRunWritesDefaultsAndExitSavesState();
    void frameHasEveryActionMenuAndTab();
    void windowCannotBeResized();
    void savedSettingsAreApplied_data();
    void savedSettingsAreApplied();
    void skinNameKeepsCommasOnOneLine();
    void oddSettingsValues();
    void onlyHostFolderInFile();
    void startupProfile_data();
    void startupProfile();
    void titleAndProjectMarks_data();
    void titleAndProjectMarks();
    void statusLineAndTessaryInstall_data();
    void statusLineAndTessaryInstall();
    void unusableTessaryNameFromFile_data();
    void unusableTessaryNameFromFile();
    void namesFromSettingsShownAsText();
    void skinNameField();
    void optionRadios();
    void workFoldersWithoutDocuments();
    void scratchFoldersGoneAtExit();
};

void TestMainWindow::init()
{
    QDir(workdir()).removeRecursively();
    QDir(hostfolder()).removeRecursively();
    QDir().mkpath(documents());
}

void TestMainWindow::firstRunWritesDefaultsAndExitSavesState()
{
    auto *window = new MainWindow;
    const QString docs = documents();

    for (const char *folder : {"", "/projects", "/extracts", "/skin", "/toexport", "/profiles"})
        QVERIFY2(QFileInfo(workdir() + folder).isDir(), folder);

    QCOMPARE(testsupport::readFile(settingsfile()),
             settingsLines({"qrnfolder," + docs + "/Quorvelin",
                            "tyname,Tessary",
                            "colorprofile,last_used",
                            "gradience,0",
                            "colorprofilepath," + docs + "/TYX/profiles/last_used.tycp",
                            "projectname,Default (from Quorvelin settings)",
                            "projectpath," + docs + "/Quorvelin/settings.xml",
                            "skinname,My Skin",
                            "maintab,0", "buttonstab,0", "dropstab,0", "faderstab,0", "jogstab,0",
                            "vustab,0", "wavestab,0", "textstab,0", "knobstab,0",
                            "browseroption,0", "iconoption,0"}));

    QCOMPARE(window->windowTitle(), QString("Tessary Extractor - Default (from Quorvelin settings)"));
    QCOMPARE(window->projectpath, docs + "/Quorvelin/settings.xml");
    QVERIFY(action(window, "loaddefaultproject")->isChecked());
    QVERIFY(!action(window, "actionDefault")->isEnabled());
    for (const char *name : {"loaddemo1project", "loaddemo2project", "loaddemo3project", "colordisablegradience"})
        QVERIFY2(!action(window, name)->isChecked(), name);
    // The last-used profile does not exist yet: the built-in default stands in.
    QCOMPARE(window->colorprofile, QString("default"));
    QCOMPARE(window->colorprofilepath, QString("://Resources/default.tycp"));
    QCOMPARE(child<QLabel>(window, "colorprofile_label")->text(), QString("Color Profile : default"));
    QVERIFY(action(window, "loaddefaultcolorprofile")->isChecked());
    QCOMPARE(child<QLineEdit>(window, "lineEdit")->text(), QString("My Skin"));
    QCOMPARE(child<QPushButton>(window, "dothejob")->styleSheet(), QString("color: rgb(0, 0,0)"));
    QVERIFY(!window->statusBar()->isSizeGripEnabled());
    QCOMPARE(window->packx, 0);
    QCOMPARE(window->packy, 0);
    QCOMPARE(window->packbottom, 0);
    QCOMPARE(window->zones.size(), 8);

    auto *status = child<QLabel>(window, "statuslabel");
    QCOMPARE(status->textFormat(), Qt::RichText);
    QVERIFY(status->openExternalLinks());
    QVERIFY(status->textInteractionFlags() & Qt::LinksAccessibleByKeyboard);
    QVERIFY(status->text().startsWith("!!! <a href="));

    child<QTabWidget>(window, "tabWidget")->setCurrentIndex(4);
    child<QTabWidget>(window, "tab_knobs")->setCurrentIndex(3);
    child<QTabWidget>(window, "tab_waves")->setCurrentIndex(2);
    QVERIFY(testsupport::writeFile(workdir() + "/extracts/skin.xml", "<skin/>"));
    delete window;

    QVERIFY(QFileInfo(workdir() + "/profiles/last_used.tycp").size() > 0);
    QCOMPARE(testsupport::readFile(settingsfile()),
             settingsLines({"qrnfolder," + docs + "/Quorvelin",
                            "colorprofile,last_used",
                            "colorprofilepath," + docs + "/TYX/profiles/last_used.tycp",
                            "projectname,Default (from Quorvelin settings)",
                            "projectpath," + docs + "/Quorvelin/settings.xml",
                            "gradience,0",
                            "skinname,My Skin",
                            "tyname,Tessary",
                            "maintab,4", "buttonstab,0", "dropstab,0", "faderstab,0", "jogstab,0",
                            "vustab,0", "wavestab,2", "textstab,0", "knobstab,3",
                            "browseroption,0", "iconoption,0"}));
    for (const char *folder : {"/extracts", "/skin", "/toexport"})
        QVERIFY2(!QFileInfo::exists(workdir() + folder), folder);
    QVERIFY(QFileInfo(workdir() + "/projects").isDir());

    // The next start takes the colours in use at exit.
    MainWindow again;
    QCOMPARE(again.colorprofile, QString("last_used"));
    QCOMPARE(again.colorprofilepath, workdir() + "/profiles/last_used.tycp");
    QVERIFY(!action(&again, "loaddefaultcolorprofile")->isChecked());
}

void TestMainWindow::frameHasEveryActionMenuAndTab()
{
    MainWindow window;
    QCOMPARE(window.findChildren<QAction *>(QString(), Qt::FindDirectChildrenOnly).size(), 20);
    struct ActionRow { const char *name, *text, *tip; bool checkable; };
    const ActionRow rows[] = {
        {"savecolorprofile", "Save Profile", nullptr, false},
        {"saveascolorprofile", "Save Profile As ...", nullptr, false},
        {"loaddefaultcolorprofile", "Default", "Load Default Color Profile", true},
        {"projectsaveas", "Save As", "Save your TYX Project to a file", false},
        {"actionDefault", "Apply Project to Tessary Skin", "Saves loaded Project to Quorvelin settings, for Tessary skin", false},
        {"actionSettings", "Settings", nullptr, false},
        {"actionAbout", "About", nullptr, false},
        {"actionWhite", "White", nullptr, true},
        {"actionDark", "Dark", nullptr, true},
        {"loaddefaultproject", "Default (from Quorvelin Settings)", "Load Project from Tessary Skin (Quorvelin Settings)", true},
        {"loaddemo1project", "Demo 1 (Simple Audio skin)", "A Simple Audio mixing skin", true},
        {"loaddemo2project", "Demo 2 (External Mixer)", "Simple Audio mixing skin without internal mixer", true},
        {"loadproject", "Load ...", "Open a Saved Project file", false},
        {"loadprofilefromfile", "From File...", nullptr, false},
        {"colorsfromLeftToRight", "Copy To Right Deck", nullptr, false},
        {"colorsFromRightToLeft", "Copy To Left Deck", nullptr, false},
        {"resetleftcolors", "Reset", nullptr, false},
        {"resetrightcolors", "Reset", nullptr, false},
        {"colordisablegradience", "Disable Gradience", nullptr, true},
        {"loaddemo3project", "Demo 3 (Simple Video skin)", "A simple Video skin", true},
    };
    for (const ActionRow &row : rows) {
        QAction *a = action(&window, row.name);
        QVERIFY2(a, row.name);
        QCOMPARE(a->text(), QString(row.text));
        if (row.tip)
            QCOMPARE(a->toolTip(), QString(row.tip));
        QCOMPARE(a->isCheckable(), row.checkable);
        QVERIFY(a->shortcut().isEmpty());
        QVERIFY(a->icon().isNull());
    }

    QMenuBar *bar = window.menuBar();
    QCOMPARE(bar->geometry().height() > 0, true);
    QStringList titles;
    for (QAction *menu : bar->actions())
        titles << menu->text();
    QCOMPARE(titles, (QStringList{"Project", "Colors", "Help"}));
    QCOMPARE(entries(child<QMenu>(&window, "menuProject")),
             (QStringList{"loadproject", "projectsaveas", "-", "actionDefault", "-", "loaddefaultproject", "-",
                          "loaddemo1project", "loaddemo2project", "loaddemo3project"}));
    QVERIFY(!child<QMenu>(&window, "menuProject")->toolTipsVisible());
    QCOMPARE(entries(child<QMenu>(&window, "menuColor_Profile")),
             (QStringList{"menuLoad_Profile", "savecolorprofile", "saveascolorprofile", "-", "menuLeft_Deck_Colors",
                          "menuRight_Deck_Colors", "-", "-", "colordisablegradience"}));
    QCOMPARE(entries(child<QMenu>(&window, "menuLoad_Profile")),
             (QStringList{"loadprofilefromfile", "-", "loaddefaultcolorprofile", "actionDark", "actionWhite"}));
    QCOMPARE(entries(child<QMenu>(&window, "menuLeft_Deck_Colors")), (QStringList{"colorsfromLeftToRight", "resetleftcolors"}));
    QCOMPARE(entries(child<QMenu>(&window, "menuRight_Deck_Colors")), (QStringList{"colorsFromRightToLeft", "resetrightcolors"}));
    QCOMPARE(entries(child<QMenu>(&window, "menuHelp")), (QStringList{"actionAbout", "actionSettings"}));
    QCOMPARE(child<QMenu>(&window, "menuLoad_Profile")->title(), QString("Load Profile"));
    QCOMPARE(child<QMenu>(&window, "menuLeft_Deck_Colors")->title(), QString("Left Deck Colors"));

    // Page titles, outer and inner, with the inner tab widgets' names.
    struct TabRow { const char *page, *title, *inner; QStringList innerTitles; };
    const TabRow tabs[] = {
        {"tab", "Background", nullptr, {}},
        {"tab_4", "Browser", nullptr, {}},
        {"tab_button", "Buttons", "tab_buttons", {"Left Deck", "Right Deck", "Global"}},
        {"tab_15", "Drop Downs", "tab_drops", {"Left Deck", "Right Deck", "Global", "Video"}},
        {"tab_knob", "Knobs", "tab_knobs", {"Left Deck", "Right Deck", "Global", "Video"}},
        {"tab_fader", "Faders", "tab_faders", {"Left Deck", "Right Deck", "Crossfader", "Video Crossfader"}},
        {"tab_jog", "Jog", "tab_jogs", {"Left Deck", "Right Deck"}},
        {"tab_39", "Text", "tab_texts", {"Left Deck", "Right Deck", "Global"}},
        {"tab_25", "Meters", "tab_vus", {"Left Deck", "Right Deck", "Global"}},
        {"tab_2", "Waves", "tab_waves", {"Left Deck SongPos", "Right Deck SongPos", "ScratchWaves"}},
        {"tab_31", "System", nullptr, {}},
    };
    auto *main = child<QTabWidget>(&window, "tabWidget");
    QCOMPARE(main->count(), 11);
    for (int i = 0; i < 11; ++i) {
        const TabRow &row = tabs[i];
        QCOMPARE(main->widget(i)->objectName(), QString(row.page));
        QCOMPARE(main->tabText(i), QString(row.title));
        if (!row.inner)
            continue;
        auto *inner = child<QTabWidget>(&window, row.inner);
        QCOMPARE(inner->parentWidget(), main->widget(i));
        QCOMPARE(inner->geometry(), QRect(0, 0, QByteArray(row.inner) == "tab_faders" ? 677 : 640, 181));
        QStringList innerTitles;
        for (int j = 0; j < inner->count(); ++j)
            innerTitles << inner->tabText(j);
        QCOMPARE(innerTitles, row.innerTitles);
    }

    // Every preview view shows its scene.
    const QList<QGraphicsView *> views = window.findChildren<QGraphicsView *>();
    QCOMPARE(views.size(), 29);
    for (QGraphicsView *view : views) {
        QVERIFY2(view->objectName().startsWith("gview_"), qPrintable(view->objectName()));
        QVERIFY2(view->scene(), qPrintable(view->objectName()));
        QCOMPARE(view->height(), 131);
    }
    QCOMPARE(child<QGraphicsView>(&window, "gview_skin")->scene(), window.scene_skin);
    QCOMPARE(child<QGraphicsView>(&window, "gview_vu")->scene(), window.scene_vu1);
    QCOMPARE(child<QGraphicsView>(&window, "gview_skin")->parentWidget()->objectName(), QString("tab"));
    QCOMPARE(child<QGraphicsView>(&window, "gview_faderv")->parentWidget()->objectName(), QString("tab_32"));

    // Texts of the central widget and the Browser tab.
    QCOMPARE(child<QPushButton>(&window, "dothejob")->text(), QString("Create Skin"));
    QCOMPARE(child<QLabel>(&window, "label_2")->text(), QString("Welcome to Tessary Extractor"));
    QCOMPARE(child<QLabel>(&window, "label_4")->text(), QString("Provide a name for your Skin :"));
    QCOMPARE(child<QLabel>(&window, "label_6")->text(),
             QString("create a new Quorvelin Skin based on the selected modules of the Tessary Skin"));
    QCOMPARE(child<QLabel>(&window, "label_13")->text(),
             QString("Optionally adjust the colors of your Skin (or load a Color Profile from the menu)"));
    QVERIFY(child<QLabel>(&window, "statusbar_3")->text().contains("Tessary Extractor"));
    QVERIFY(child<QLabel>(&window, "statusbar_3")->text().contains("4.0"));
    QCOMPARE(child<QGroupBox>(&window, "groupBox")->title(), QString("Select the Colors of the Browser"));
    QCOMPARE(child<QGroupBox>(&window, "groupBox_2")->title(), QString("Select the Browser Icons :"));
    QCOMPARE(child<QRadioButton>(&window, "iconsalternative_radio")->text(), QString("Alternative"));
    QCOMPARE(window.font().family(), QString("Arial"));
    // 16 points as the form was drawn, at 96 DPI, whatever the screen's DPI.
    QCOMPARE(child<QPushButton>(&window, "dothejob")->font().pixelSize(), 21);
    QVERIFY(child<QPushButton>(&window, "dothejob")->font().bold());
}

void TestMainWindow::windowCannotBeResized()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.size(), QSize(730, 560));
    QCOMPARE(window.minimumSize(), QSize(730, 560));
    QCOMPARE(window.maximumSize(), QSize(730, 560));
    window.resize(900, 700);
    QCOMPARE(window.size(), QSize(730, 560));
}

void TestMainWindow::savedSettingsAreApplied_data()
{
    QTest::addColumn<QByteArray>("lineend");
    QTest::newRow("LF") << QByteArray("\n");
    QTest::newRow("CR LF") << QByteArray("\r\n");
    QTest::newRow("CR alone") << QByteArray("\r");
}

void TestMainWindow::savedSettingsAreApplied()
{
    QFETCH(QByteArray, lineend);
    const QString profile = workdir() + "/profiles/mine.tycp";
    QVERIFY(testsupport::writeFile(profile, "backcolor,#102030\n"));
    QVERIFY(testsupport::writeFile(settingsfile(), QByteArray(
        "qrnfolder,/nowhere/host\n"
        "tyname,First\n"
        "colorprofile,mine\n"
        "gradience,1\n"
        "colorprofilepath," + profile.toUtf8() + "\n"
        "projectname,Demo 2\n"
        "projectpath,://Resources/Demo 2.xml\n"
        "skinname,Night\n"
        "maintab,5\nbuttonstab,2\ndropstab,3\nfaderstab,1\njogstab,1\nvustab,2\nwavestab,1\ntextstab,2\nknobstab,3\n"
        "browseroption,2\niconoption,1\n"
        "tyname,Second\n"
        "stray,kept until exit\n").replace("\n", lineend)));

    auto *window = new MainWindow;
    QCOMPARE(window->settings.value("tyname"), QString("Second"));
    QCOMPARE(window->tyname, QString("Second"));
    QCOMPARE(window->settings.value("stray"), QString("kept until exit"));
    QCOMPARE(child<QTabWidget>(window, "tabWidget")->currentIndex(), 5);
    QCOMPARE(child<QTabWidget>(window, "tab_knobs")->currentIndex(), 3);
    QCOMPARE(child<QTabWidget>(window, "tab_texts")->currentIndex(), 2);
    QVERIFY(child<QRadioButton>(window, "browserwhite_radio")->isChecked());
    QVERIFY(child<QRadioButton>(window, "iconsalternative_radio")->isChecked());
    QCOMPARE(window->getbrowserimage(), QString("://Resources/browser_2_1.png"));
    QVERIFY(window->disablegradience);
    QVERIFY(action(window, "colordisablegradience")->isChecked());
    QCOMPARE(window->windowTitle(), QString("Tessary Extractor - Demo 2"));
    QVERIFY(action(window, "loaddemo2project")->isChecked());
    QVERIFY(!action(window, "loaddefaultproject")->isChecked());
    QVERIFY(action(window, "actionDefault")->isEnabled());
    QCOMPARE(window->colorprofile, QString("mine"));
    QCOMPARE(child<QLabel>(window, "colorprofile_label")->text(), QString("Color Profile : mine"));
    QVERIFY(!action(window, "loaddefaultcolorprofile")->isChecked());
    QCOMPARE(window->skinback, QColor("#102030"));
    QCOMPARE(child<QGraphicsView>(window, "gview_jog1")->backgroundBrush().color(), QColor("#102030"));
    QCOMPARE(child<QLineEdit>(window, "lineEdit")->text(), QString("Night"));
    delete window;

    QCOMPARE(testsupport::readFile(settingsfile()),
             settingsLines({"qrnfolder,/nowhere/host", "colorprofile,mine", "colorprofilepath," + profile,
                            "projectname,Demo 2", "projectpath,://Resources/Demo 2.xml", "gradience,1",
                            "skinname,Night", "tyname,Second",
                            "maintab,5", "buttonstab,2", "dropstab,3", "faderstab,1", "jogstab,1",
                            "vustab,2", "wavestab,1", "textstab,2", "knobstab,3",
                            "browseroption,2", "iconoption,1"}));
}

// A name with commas comes back whole at the next start, and one pasted
// with a line break stays one setting: it cannot move the host folder.
void TestMainWindow::skinNameKeepsCommasOnOneLine()
{
    auto *window = new MainWindow;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QString hostbefore = window->settings.value("qrnfolder");
    auto *field = child<QLineEdit>(window, "lineEdit");
    field->setFocus();
    field->setText("Kit, Deluxe\r\nqrnfolder,/elsewhere");
    QTest::keyClick(field, Qt::Key_Return);
    delete window;

    MainWindow again;
    QCOMPARE(again.settings.value("qrnfolder"), hostbefore);
    QCOMPARE(again.hostfolder(), hostbefore);
    QCOMPARE(child<QLineEdit>(&again, "lineEdit")->text(), QString("Kit, Deluxe  qrnfolder,/elsewhere"));
}

void TestMainWindow::oddSettingsValues()
{
    QVERIFY(testsupport::writeFile(settingsfile(),
        "maintab,42\r\nknobstab,x\r\nbrowseroption,7\r\ngradience,2\r\n"
        "colorprofile,\r\ncolorprofilepath,/gone/profile.tycp\r\nno comma here\r\n"));
    auto *window = new MainWindow;
    // The form opens on "Buttons"; a page it lacks leaves it there.
    QCOMPARE(child<QTabWidget>(window, "tabWidget")->currentIndex(), 2);
    QCOMPARE(child<QTabWidget>(window, "tab_knobs")->currentIndex(), 0);
    QVERIFY(child<QRadioButton>(window, "browserdefault_radio")->isChecked());
    QVERIFY(!window->disablegradience);
    QCOMPARE(child<QLabel>(window, "colorprofile_label")->text(), QString("Color Profile : default"));
    QVERIFY(action(window, "loaddefaultcolorprofile")->isChecked());
    // No skin name: the button keeps the form's own style.
    QCOMPARE(child<QLineEdit>(window, "lineEdit")->text(), QString());
    QCOMPARE(child<QPushButton>(window, "dothejob")->styleSheet(), QString());
    delete window;

    const QByteArray saved = testsupport::readFile(settingsfile());
    QVERIFY(saved.contains("\r\nbrowseroption,0\r\n"));
    QVERIFY(saved.contains("\r\ncolorprofilepath,/gone/profile.tycp\r\n"));
    QVERIFY(saved.contains("\r\ncolorprofile,\r\n"));
    QVERIFY(saved.contains("\r\nmaintab,2\r\n"));
    QVERIFY(saved.contains("\r\nskinname,\r\n"));
    QVERIFY(saved.contains("\r\ngradience,0\r\n"));
    QVERIFY(!saved.contains("no comma"));
}

void TestMainWindow::onlyHostFolderInFile()
{
    QVERIFY(testsupport::writeFile(settingsfile(), "qrnfolder,/srv/host, studio\r\n"));
    MainWindow window;
    QCOMPARE(window.settings.value("qrnfolder"), QString("/srv/host, studio"));
    QCOMPARE(window.projectpath, QString("/srv/host, studio/settings.xml"));
    QCOMPARE(window.projectname, QString("Default (from Quorvelin Settings)"));
    QCOMPARE(window.windowTitle(), QString("Tessary Extractor - Default (from Quorvelin Settings)"));
    QCOMPARE(window.settings.value("tyname"), QString("Tessary"));
    QCOMPARE(window.settings.value("gradience"), QString("0"));
    QCOMPARE(window.colorprofile, QString("default"));
    QVERIFY(action(&window, "loaddefaultproject")->isChecked());
    QVERIFY(!action(&window, "actionDefault")->isEnabled());
    QCOMPARE(child<QTabWidget>(&window, "tabWidget")->currentIndex(), 0);
}

void TestMainWindow::startupProfile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("defaultChecked");

    // A built-in profile counts as existing, so its name is kept.
    QTest::newRow("built-in dark") << "dark" << "://Resources/dark.tycp" << "Color Profile : dark" << false;
    QTest::newRow("built-in default") << "default" << "://Resources/default.tycp" << "Color Profile : default"
                                      << true;
    QTest::newRow("file without a name") << "" << "mine.tycp" << "Color Profile : " << true;
    QTest::newRow("missing file") << "gone" << "gone.tycp" << "Color Profile : default" << true;
    // A folder is no profile: it counts as missing.
    QTest::newRow("folder") << "shelf" << "shelf.tycp" << "Color Profile : default" << true;
}

void TestMainWindow::startupProfile()
{
    QFETCH(QString, name);
    QFETCH(QString, path);
    QFETCH(QString, label);
    QFETCH(bool, defaultChecked);

    QString profilepath = path;
    if (!path.startsWith("://")) {
        profilepath = workdir() + "/profiles/" + path;
        if (name == "shelf")
            QVERIFY(QDir().mkpath(profilepath));
        else if (name != "gone")
            QVERIFY(testsupport::writeFile(profilepath, "backcolor,#102030\r\n"));
    }
    const bool fallsback = name == "gone" || name == "shelf";
    QVERIFY(testsupport::writeFile(settingsfile(),
                                   ("colorprofile," + name + "\r\ncolorprofilepath," + profilepath + "\r\n").toUtf8()));
    {
        MainWindow window;
        QCOMPARE(child<QLabel>(&window, "colorprofile_label")->text(), label);
        QCOMPARE(action(&window, "loaddefaultcolorprofile")->isChecked(), defaultChecked);
        QCOMPARE(window.colorprofilepath, fallsback ? QString("://Resources/default.tycp") : profilepath);
    }
    // The colours kept for the next start are the default's, not a blank scheme.
    if (fallsback)
        QVERIFY(testsupport::readFile(workdir() + "/profiles/last_used.tycp").startsWith("backcolor,#202020\r\n"));
}

void TestMainWindow::titleAndProjectMarks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<bool>("applyEnabled");
    const QString host = "/srv/host";
    QTest::newRow("Default") << "Default" << host + "/settings.xml"
                             << "Tessary Extractor - Default (from Quorvelin settings)" << "loaddefaultproject" << false;
    QTest::newRow("Demo 1") << "Demo 1" << "://Resources/Demo 1.xml" << "Tessary Extractor - Demo 1" << "loaddemo1project" << true;
    QTest::newRow("Demo 3") << "Demo 3" << "://Resources/Demo 3.xml" << "Tessary Extractor - Demo 3" << "loaddemo3project" << true;
    QTest::newRow("saved project") << "live" << "/srv/projects/live.xml" << "Tessary Extractor - live" << "" << true;
    QTest::newRow("path case differs") << "Default" << host + "/Settings.xml"
                                       << "Tessary Extractor - Default (from Quorvelin settings)" << "" << true;
}

void TestMainWindow::titleAndProjectMarks()
{
    QFETCH(QString, name);
    QFETCH(QString, path);
    QFETCH(QString, title);
    QFETCH(QString, checked);
    QFETCH(bool, applyEnabled);
    QVERIFY(testsupport::writeFile(settingsfile(),
                                   settingsLines({"qrnfolder,/srv/host", "projectname," + name, "projectpath," + path})));
    MainWindow window;
    QCOMPARE(window.windowTitle(), title);
    QCOMPARE(action(&window, "actionDefault")->isEnabled(), applyEnabled);
    for (const char *project : {"loaddefaultproject", "loaddemo1project", "loaddemo2project", "loaddemo3project"})
        QCOMPARE(action(&window, project)->isChecked(), checked == project);
}

void TestMainWindow::statusLineAndTessaryInstall_data()
{
    QTest::addColumn<bool>("skinsFolder");
    QTest::addColumn<bool>("userZip");
    QTest::addColumn<bool>("hostSettings");
    QTest::addColumn<QString>("tyname");
    QTest::newRow("no host") << false << false << false << "Tessary";
    QTest::newRow("all there") << true << true << true << "Tessary";
    QTest::newRow("no host settings") << true << true << false << "Tessary";
    QTest::newRow("zip missing") << true << false << true << "Tessary";
    QTest::newRow("zip missing, other name") << true << false << false << "Other";
}

void TestMainWindow::statusLineAndTessaryInstall()
{
    QFETCH(bool, skinsFolder);
    QFETCH(bool, userZip);
    QFETCH(bool, hostSettings);
    QFETCH(QString, tyname);

    const QString zip = hostfolder() + "/Skins/" + tyname + ".zip";
    if (skinsFolder)
        QVERIFY(QDir().mkpath(hostfolder() + "/Skins"));
    if (userZip)
        QVERIFY(testsupport::writeFile(zip, "the user's own zip"));
    if (hostSettings)
        QVERIFY(testsupport::writeFile(hostfolder() + "/settings.xml", "<settings/>"));
    QVERIFY(testsupport::writeFile(settingsfile(), settingsLines({"qrnfolder," + hostfolder(), "tyname," + tyname})));

    MainWindow window;
    const QByteArray builtin = testsupport::readFile("://Resources/Tessary.zip");
    const bool installed = skinsFolder && !userZip && !builtin.isEmpty();
    if (userZip)
        QCOMPARE(testsupport::readFile(zip), QByteArray("the user's own zip"));
    else if (installed)
        QCOMPARE(testsupport::readFile(zip), builtin);
    else
        QVERIFY(!QFileInfo::exists(zip));
    QVERIFY(!QFileInfo::exists(hostfolder() + "/Skins/Tessary.zip") || tyname == "Tessary");

    QString expected;
    if (!userZip && !installed)
        expected = QString("!!! <a href=\"https://addons.example.com/skins/tessary\">%1</a> skin not detected !!!").arg(tyname);
    else if (!hostSettings)
        expected = "Quorvelin settings not detected. Make sure Quorvelin is installed or change its folder from Settings";
    QCOMPARE(child<QLabel>(&window, "statuslabel")->text(), expected);
}

void TestMainWindow::unusableTessaryNameFromFile_data()
{
    QTest::addColumn<QString>("tyname");
    QTest::addColumn<QString>("wrongzip");   // where the name would put the built-in zip

    QTest::newRow("path out of the skins folder") << "../../../x" << QDir::homePath() + "/x.zip";
    QTest::newRow("empty") << "" << hostfolder() + "/Skins/.zip";
    QTest::newRow("device name") << "CON" << hostfolder() + "/Skins/CON.zip";
    QTest::newRow("control character") << QString("Tess") + QChar(0x07) + "ary"
                                       << hostfolder() + "/Skins/Tess" + QChar(0x07) + "ary.zip";
}

// A Tessary name in the settings file that is no plain file name in the
// skins folder is not used: the default "Tessary" is, from start-up on.
void TestMainWindow::unusableTessaryNameFromFile()
{
    QFETCH(QString, tyname);
    QFETCH(QString, wrongzip);
    QVERIFY(QDir().mkpath(hostfolder() + "/Skins"));
    QVERIFY(testsupport::writeFile(settingsfile(), settingsLines({"qrnfolder," + hostfolder(), "tyname," + tyname})));

    auto *window = new MainWindow;
    QVERIFY2(!QFileInfo::exists(wrongzip), qPrintable(wrongzip));
    QCOMPARE(window->settings.value("tyname"), QString("Tessary"));
    QCOMPARE(testsupport::readFile(hostfolder() + "/Skins/Tessary.zip"),
             testsupport::readFile("://Resources/Tessary.zip"));
    QCOMPARE(QDir(hostfolder() + "/Skins").entryList(QDir::Files | QDir::Hidden), QStringList{"Tessary.zip"});
    delete window;
    QVERIFY(testsupport::readFile(settingsfile()).contains("\r\ntyname,Tessary\r\n"));
}

// Names from the settings file are shown as written, never read as markup.
void TestMainWindow::namesFromSettingsShownAsText()
{
    const QString profile = workdir() + "/profiles/mine.tycp";
    QVERIFY(testsupport::writeFile(profile, testsupport::readFile("://Resources/default.tycp")));
    QVERIFY(testsupport::writeFile(settingsfile(),
                                   settingsLines({"colorprofile,<b>mine</b>", "colorprofilepath," + profile})));
    MainWindow window;
    QCOMPARE(shownText(child<QLabel>(&window, "colorprofile_label")), QString("Color Profile : <b>mine</b>"));
}

void TestMainWindow::skinNameField()
{
    auto *window = new MainWindow;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto *field = child<QLineEdit>(window, "lineEdit");
    auto *button = child<QPushButton>(window, "dothejob");

    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(button->styleSheet(), QString("color: rgb(150, 150,150)"));
    QVERIFY(button->isEnabled());
    QTest::keyClicks(field, "N");
    QCOMPARE(button->styleSheet(), QString("color: rgb(0, 0,0)"));
    QTest::keyClicks(field, "eon");
    // The setting follows only when editing finishes.
    QCOMPARE(window->settings.value("skinname"), QString("My Skin"));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(window->settings.value("skinname"), QString("Neon"));
    delete window;
    QVERIFY(testsupport::readFile(settingsfile()).contains("\r\nskinname,Neon\r\n"));
}

void TestMainWindow::optionRadios()
{
    auto *window = new MainWindow;
    auto *browserWhite = child<QRadioButton>(window, "browserwhite_radio");
    auto *iconsAlternative = child<QRadioButton>(window, "iconsalternative_radio");

    // Setting a button from the program stores nothing.
    window->setbrowserradio("1");
    QCOMPARE(window->browserradio(), 1);
    QCOMPARE(window->settings.value("browseroption"), QString("0"));

    browserWhite->click();
    iconsAlternative->click();
    QCOMPARE(window->settings.value("browseroption"), QString("2"));
    QCOMPARE(window->settings.value("iconoption"), QString("1"));
    // The two groups do not clear each other.
    QVERIFY(browserWhite->isChecked());
    QVERIFY(iconsAlternative->isChecked());
    QCOMPARE(window->browserradio(), 2);
    QCOMPARE(window->iconradio(), 1);
    QCOMPARE(window->getbrowserimage(), QString("://Resources/browser_2_1.png"));

    const QList<QGraphicsItem *> items = window->scene_browser->items();
    if (QFile::exists("://Resources/browser_2_1.png")) {
        QCOMPARE(items.size(), 1);
        auto *picture = qgraphicsitem_cast<QGraphicsPixmapItem *>(items.first());
        QVERIFY(picture);
        QCOMPARE(picture->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 QImage("://Resources/browser_2_1.png").convertToFormat(QImage::Format_RGB32));
    }

    child<QRadioButton>(window, "iconswhite_radio")->click();
    QCOMPARE(window->getbrowserimage(), QString("://Resources/browser_2_2.png"));
    child<QRadioButton>(window, "browserdefault_radio")->click();
    QCOMPARE(window->getbrowserimage(), QString("://Resources/browser_0_2.png"));
    QCOMPARE(window->settings.value("browseroption"), QString("0"));

    window->seticonradio("");
    QCOMPARE(window->iconradio(), 0);
    window->seticonradio("2");
    delete window;
    const QByteArray saved = testsupport::readFile(settingsfile());
    QVERIFY(saved.endsWith("\r\nbrowseroption,0\r\niconoption,2\r\n"));
}

void TestMainWindow::workFoldersWithoutDocuments()
{
    QVERIFY(QDir(documents()).removeRecursively());
    {
        MainWindow window;
        QVERIFY(QFileInfo(workdir() + "/profiles").isDir());
        QVERIFY(QFileInfo::exists(settingsfile()));
    }
    QVERIFY(QFileInfo::exists(workdir() + "/profiles/last_used.tycp"));
}

void TestMainWindow::scratchFoldersGoneAtExit()
{
    auto *window = new MainWindow;
    // What a job that stopped half-way leaves behind.
    QVERIFY(testsupport::writeFile(workdir() + "/extracts/skin.png", "png"));
    QVERIFY(testsupport::writeFile(workdir() + "/skin/skin.xml", "<skin/>"));
    QVERIFY(testsupport::writeFile(workdir() + "/toexport/sub/skin.xml", "<skin/>"));
    QVERIFY(testsupport::writeFile(workdir() + "/projects/keep.xml", "<project/>"));
    delete window;
    for (const char *folder : {"/extracts", "/skin", "/toexport"})
        QVERIFY2(!QFileInfo::exists(workdir() + folder), folder);
    QVERIFY(QFileInfo::exists(workdir() + "/projects/keep.xml"));

    // The next start creates them again.
    MainWindow again;
    for (const char *folder : {"/extracts", "/skin", "/toexport"})
        QVERIFY2(QFileInfo(workdir() + folder).isDir(), folder);
}

QTEST_MAIN(TestMainWindow)
#include "tst_gui_mainwindow.moc"
